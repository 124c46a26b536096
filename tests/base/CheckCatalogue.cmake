# SPDX-License-Identifier: BSD-3-Clause
# Fails when the catalogue lacks a message of the sources, holds an
# unfinished one, or keeps one the sources no longer have.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
configure_file(${TS_FILE} ${WORK_DIR}/check.ts COPYONLY)
execute_process(COMMAND ${LUPDATE} -silent ${SOURCES} -ts ${WORK_DIR}/check.ts -source-language de
                  -locations none -no-obsolete RESULT_VARIABLE rc)
file(READ ${TS_FILE} original)
file(READ ${WORK_DIR}/check.ts updated)
string(REGEX MATCHALL "<message" before "${original}")
string(REGEX MATCHALL "<message" after "${updated}")
list(LENGTH before count_before)
list(LENGTH after count_after)
if(NOT rc EQUAL 0 OR updated MATCHES "type=\"(unfinished|vanished|obsolete)\""
   OR original MATCHES "type=\"(unfinished|vanished|obsolete)\"" OR NOT count_before EQUAL count_after)
  message(FATAL_ERROR "${TS_FILE} is not complete: ${count_before} messages kept, ${count_after} in the sources; "
                      "run 'cmake --build <build> --target update_translations' and translate what is unfinished")
endif()
message(STATUS "${count_after} messages, all translated")
