# SPDX-License-Identifier: BSD-3-Clause
# Runs the demo's tour on a virtual display, then checks, after the process
# has ended, that what the tour changed was saved.
file(REMOVE_RECURSE ${WORK_DIR})
set(ENV{XDG_DATA_HOME} ${WORK_DIR}/data)
unset(ENV{QT_QPA_PLATFORM})
execute_process(
  COMMAND ${XVFB_RUN} -a -s "-screen 0 1280x900x24"
    ${DEMO} --lang de --screenshots ${WORK_DIR}/screenshots --workspace ${WORK_DIR}/workspace
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 240)
message(STATUS "${out}")
if(NOT rc EQUAL 0 OR err MATCHES "Sanitizer|runtime error:")
  message(FATAL_ERROR "The tour failed (${rc}):\n${err}")
endif()

foreach(shot workspace workspace-menu entry-dialog workspace-folder help editor inputs print-dialog)
  if(NOT EXISTS ${WORK_DIR}/screenshots/${shot}.png)
    message(FATAL_ERROR "No screenshot ${shot}.png")
  endif()
endforeach()

execute_process(COMMAND ${SQLITE3} ${WORK_DIR}/workspace/icons
  "SELECT count(*) FROM rbox_data_1 WHERE c1 = 'Directory' AND c3 = 'Tour'" OUTPUT_VARIABLE folders)
if(NOT folders MATCHES "^1")
  message(FATAL_ERROR "The folder made on the tour was not saved in the workspace")
endif()
file(READ ${WORK_DIR}/workspace/notiz.html note)
if(NOT note MATCHES "Tour-Notiz")
  message(FATAL_ERROR "The note typed on the tour was not saved")
endif()
foreach(list .history .bookmarks)
  file(STRINGS ${WORK_DIR}/data/TORVASyslib/torvasdemo/${list} entries ENCODING UTF-16BE)
  if(NOT entries MATCHES "Der Arbeitsplatz")
    message(FATAL_ERROR "The page visited on the tour is missing from ${list}")
  endif()
endforeach()
