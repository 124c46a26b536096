# SPDX-License-Identifier: BSD-3-Clause
# Run by CPack twice. Before the packages are made (CPACK_PACKAGE_FILES not
# yet set): strips the staged programs and libraries as Debian's dh_strip
# does, and writes the runtime package's symbols file from its libraries.
# After (CPACK_PACKAGE_FILES set): gives the runtime package the field
# "Multi-Arch: same" and drops the maintainer scripts that only call
# ldconfig, which the package's trigger does.
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed (${rc}): ${ARGN}\n${out}\n${err}")
  endif()
endfunction()

if(NOT CPACK_TORVAS_GENSYMBOLS OR NOT CPACK_TORVAS_DPKG_DEB)
  message(FATAL_ERROR "The Debian packages need dpkg-gensymbols and dpkg-deb (package dpkg-dev)")
endif()
if(NOT CPACK_PACKAGE_FILES)
  file(GLOB_RECURSE objects "${CPACK_TEMPORARY_DIRECTORY}/*.so*")
  set(libraries)
  foreach(object ${objects})
    if(IS_SYMLINK ${object})
      continue()
    endif()
    run(${CPACK_TORVAS_STRIP} --remove-section=.comment --remove-section=.note --strip-unneeded ${object})
    if(object MATCHES "/runtime/")
      list(APPEND libraries -e${object})
    endif()
  endforeach()
  if(NOT libraries)
    message(FATAL_ERROR "no shared libraries staged for ${CPACK_TORVAS_RUNTIME_PACKAGE}")
  endif()
  set(symbols ${CPACK_TORVAS_CONTROL}/symbols)
  run(${CPACK_TORVAS_GENSYMBOLS} -q -p${CPACK_TORVAS_RUNTIME_PACKAGE} -v${CPACK_PACKAGE_VERSION}
      -P${CPACK_TEMPORARY_DIRECTORY}/runtime -O${symbols} ${libraries})
  # A package built against the -dev package depends on the version it was
  # built against at least.
  file(READ ${symbols} content)
  string(REGEX REPLACE "(#MINVER#\n)" "\\1* Build-Depends-Package: libtorvasyslib-dev\n" content "${content}")
  file(WRITE ${symbols} "${content}")
  # "Programm" in the German texts is no misspelling of "Program".
  file(WRITE ${CPACK_TEMPORARY_DIRECTORY}/runtime/usr/share/lintian/overrides/${CPACK_TORVAS_RUNTIME_PACKAGE}
       "# German texts: \"Programm\" is the German word.\n"
       "${CPACK_TORVAS_RUNTIME_PACKAGE}: spelling-error-in-binary Programm Program *\n")
  return()
endif()

foreach(deb ${CPACK_PACKAGE_FILES})
  get_filename_component(name ${deb} NAME)
  set(tree ${CPACK_TOPLEVEL_DIRECTORY}/rebuild/${name})
  file(REMOVE_RECURSE ${tree})
  file(MAKE_DIRECTORY ${CPACK_TOPLEVEL_DIRECTORY}/rebuild)
  run(${CPACK_TORVAS_DPKG_DEB} --raw-extract ${deb} ${tree})
  file(REMOVE ${tree}/DEBIAN/postinst ${tree}/DEBIAN/postrm)
  if(name MATCHES "^${CPACK_TORVAS_RUNTIME_PACKAGE}_")
    file(READ ${tree}/DEBIAN/control control)
    string(REGEX REPLACE "(Architecture: [^\n]*\n)" "\\1Multi-Arch: same\n" control "${control}")
    file(WRITE ${tree}/DEBIAN/control "${control}")
  endif()
  run(${CPACK_TORVAS_DPKG_DEB} --root-owner-group -Zxz --build ${tree} ${deb})
endforeach()
