# SPDX-License-Identifier: BSD-3-Clause
# Debian packages the way Debian splits a library: "cmake --build <build>
# --target package" makes libtorvasyslib<soname> (the two shared libraries) and
# libtorvasyslib-dev (headers, CMake package, pkg-config file).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME torvasyslib)
set(CPACK_PACKAGE_VENDOR "The TORVASyslib authors")
set(CPACK_PACKAGE_CONTACT "The TORVASyslib authors <torvasyslib@lists.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(package_version ${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL runtime development)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
# The Designer plugin of the development package links the runtime package's library.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR}/syslib ${PROJECT_BINARY_DIR}/rbox)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY "=")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://torvasyslib.example.org")
set(runtime_package libtorvasyslib${PROJECT_VERSION_MAJOR})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME ${runtime_package})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
# The shared libraries' caches are brought up to date through dpkg's trigger.
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/deb/triggers "activate-noawait ldconfig\n")
set(CPACK_DEBIAN_RUNTIME_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_BINARY_DIR}/deb/triggers)
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION
    "Ready-made parts for Qt 6 desktop applications\n"
    "Settings store, workspace launcher, number and currency inputs, file\n"
    "load and save, paginated rich-text printing, an HTML help browser and a\n"
    "rich-text editor window, with the record engine rbox they keep the\n"
    "workspace in.")
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libtorvasyslib-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS "${runtime_package} (= ${package_version}), qt6-base-dev")
set(CPACK_COMPONENT_DEVELOPMENT_DESCRIPTION
    "Ready-made parts for Qt 6 desktop applications - development files\n"
    "Headers, the CMake package and the pkg-config file of TORVASyslib.")

# Each package carries the license and a changelog.
find_program(GZIP_EXECUTABLE gzip REQUIRED)
string(TIMESTAMP date "%a, %d %b %Y 00:00:00 +0000" UTC)
foreach(package ${runtime_package} libtorvasyslib-dev)
  set(component runtime)
  if(package MATCHES "-dev$")
    set(component development)
  endif()
  set(doc ${CMAKE_CURRENT_BINARY_DIR}/deb/${package})
  file(WRITE ${doc}/changelog.Debian
       "${package} (${package_version}) unstable; urgency=medium\n\n"
       "  * Release ${PROJECT_VERSION}; see CHANGELOG.md.\n\n"
       " -- ${CPACK_PACKAGE_CONTACT}  ${date}\n")
  execute_process(COMMAND ${GZIP_EXECUTABLE} -9nf ${doc}/changelog.Debian)
  install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} RENAME copyright
          COMPONENT ${component})
  install(FILES ${doc}/changelog.Debian.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${package} COMPONENT ${component})
endforeach()

include(CPack)

add_custom_target(uninstall
  COMMAND ${CMAKE_COMMAND} -DMANIFEST=${PROJECT_BINARY_DIR}/install_manifest.txt -P ${CMAKE_CURRENT_LIST_DIR}/Uninstall.cmake
  COMMENT "Removing the installed files")
