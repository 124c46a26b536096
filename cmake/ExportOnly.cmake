# SPDX-License-Identifier: BSD-3-Clause
# torvas_export_only(TARGET name...): the shared library exports the symbols
# of these public classes and namespaces and nothing else, so that no
# instantiation of a standard template leaks into its ABI.
function(torvas_export_only target)
  set(script "{\n  global:\n    extern \"C++\" {\n")
  foreach(name ${ARGN})
    string(APPEND script "      ${name}::*;\n      typeinfo?for?${name};\n      typeinfo?name?for?${name};\n"
                         "      vtable?for?${name};\n      non-virtual?thunk?to?${name}::*;\n")
  endforeach()
  string(APPEND script "    };\n  local: *;\n};\n")
  set(file ${CMAKE_CURRENT_BINARY_DIR}/${target}.map)
  file(WRITE ${file} "${script}")
  target_link_options(${target} PRIVATE "LINKER:--version-script=${file}")
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${file})
endfunction()
