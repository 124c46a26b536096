# SPDX-License-Identifier: BSD-3-Clause
# Compares the binary interface of a library, as libabigail reads it from the
# library's debug information, with the baseline kept beside its sources.
# Anything added passes; anything changed or removed (a symbol, the size or
# layout of a public class, a virtual function, a parameter) fails. The
# classes' private data (their Private classes, behind the d-pointer) is free
# to change. With UPDATE the baseline is written anew.
if(UPDATE)
  execute_process(COMMAND ${ABIDW} --short-locs --no-comp-dir-path --no-corpus-path --type-id-style hash
                          --out-file ${BASELINE} ${LIBRARY}
                  RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "abidw failed on ${LIBRARY}")
  endif()
  return()
endif()
execute_process(COMMAND ${ABIDIFF} --no-added-syms --suppressions ${SUPPRESSIONS} ${BASELINE} ${LIBRARY}
                RESULT_VARIABLE rc OUTPUT_VARIABLE report ERROR_VARIABLE report)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "The binary interface of ${LIBRARY} differs from ${BASELINE} (abidiff status ${rc}):\n"
                      "${report}\nA change of the binary interface needs a new soname (the major version); then "
                      "\"cmake --build <build> --target update_abi\" writes the new baseline.")
endif()
message(STATUS "The binary interface of ${LIBRARY} is that of ${BASELINE}, or a compatible extension of it")
