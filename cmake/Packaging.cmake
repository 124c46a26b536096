# SPDX-License-Identifier: BSD-3-Clause
# Debian packages the way Debian splits a library: "cmake --build <build>
# --target package" makes libtorvasyslib<soname> (the two shared libraries,
# Multi-Arch: same, with a symbols file), libtorvasyslib-dev (headers, CMake
# package, pkg-config file, Designer plugin) and, when the API reference was
# made, libtorvasyslib-doc (its .qch and tag file). DebianPackage.cmake does
# what CPack does not: Debian's stripping, the symbols and shlibs files, the
# Multi-Arch field, the ldconfig trigger in place of maintainer scripts.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME torvasyslib)
set(CPACK_PACKAGE_VENDOR "The TORVASyslib authors")
set(CPACK_PACKAGE_CONTACT "The TORVASyslib authors <torvasyslib@lists.example.org>")
# Each package's description starts with a summary of its own.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(package_version ${PROJECT_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL runtime development)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Designer plugin of the development package links the runtime package's library.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR}/syslib ${PROJECT_BINARY_DIR}/rbox)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://torvasyslib.example.org")

set(runtime_package libtorvasyslib${PROJECT_VERSION_MAJOR})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME ${runtime_package})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION "Ready-made parts for Qt 6 desktop applications
TORVASyslib offers a settings store, a workspace launcher, whole-number and
currency inputs, text file loading and saving, paginated rich-text printing,
an HTML help browser and a rich-text editor window, with the record engine
they keep the workspace in.
.
This package contains the shared libraries.")
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_NAME libtorvasyslib-dev)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS "${runtime_package} (= ${package_version}), qt6-base-dev")
set(CPACK_COMPONENT_DEVELOPMENT_DESCRIPTION "Development files for TORVASyslib
TORVASyslib offers ready-made parts for Qt 6 desktop applications: a settings
store, a workspace launcher, inputs, file handling, printing, a help browser
and an editor window.
.
This package contains the headers, the CMake package, the pkg-config file
and the Qt Designer plugin.")
set(packages ${runtime_package} libtorvasyslib-dev)
if(TARGET docs AND QHELPGENERATOR_EXECUTABLE)
  list(APPEND CPACK_COMPONENTS_ALL documentation)
  set(CPACK_DEBIAN_DOCUMENTATION_PACKAGE_NAME libtorvasyslib-doc)
  set(CPACK_DEBIAN_DOCUMENTATION_PACKAGE_SECTION doc)
  set(CPACK_DEBIAN_DOCUMENTATION_PACKAGE_ARCHITECTURE all)
  set(CPACK_DEBIAN_DOCUMENTATION_PACKAGE_SHLIBDEPS OFF)
  set(CPACK_COMPONENT_DOCUMENTATION_DESCRIPTION "API documentation for TORVASyslib
TORVASyslib offers ready-made parts for Qt 6 desktop applications: a settings
store, a workspace launcher, inputs, file handling, printing, a help browser
and an editor window.
.
This package contains the API reference as a Qt help file, for Qt Creator
and Qt Assistant, and its Doxygen tag file.")
  list(APPEND packages libtorvasyslib-doc)
endif()

# The control files of the runtime package: the ldconfig trigger and the
# shlibs file here, the symbols file from the staged libraries.
set(control ${CMAKE_CURRENT_BINARY_DIR}/deb/control)
file(WRITE ${control}/triggers "activate-noawait ldconfig\n")
file(WRITE ${control}/shlibs
     "libTORVASyslib ${PROJECT_VERSION_MAJOR} ${runtime_package} (>= ${PROJECT_VERSION})\n"
     "libTORVASyslib-rbox ${PROJECT_VERSION_MAJOR} ${runtime_package} (>= ${PROJECT_VERSION})\n")
set(CPACK_DEBIAN_RUNTIME_PACKAGE_CONTROL_EXTRA ${control}/triggers ${control}/shlibs ${control}/symbols)
find_program(DPKG_GENSYMBOLS_EXECUTABLE dpkg-gensymbols)
find_program(DPKG_DEB_EXECUTABLE dpkg-deb)
set(CPACK_TORVAS_CONTROL ${control})
set(CPACK_TORVAS_RUNTIME_PACKAGE ${runtime_package})
set(CPACK_TORVAS_GENSYMBOLS ${DPKG_GENSYMBOLS_EXECUTABLE})
set(CPACK_TORVAS_DPKG_DEB ${DPKG_DEB_EXECUTABLE})
set(CPACK_TORVAS_STRIP ${CMAKE_STRIP})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebianPackage.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebianPackage.cmake)

# Each package carries the license and a changelog.
find_program(GZIP_EXECUTABLE gzip REQUIRED)
string(TIMESTAMP date "%a, %d %b %Y 00:00:00 +0000" UTC)
foreach(package ${packages})
  set(component runtime)
  if(package MATCHES "-dev$")
    set(component development)
  elseif(package MATCHES "-doc$")
    set(component documentation)
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
