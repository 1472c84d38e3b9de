# SPDX-FileCopyrightText: The Tintra developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# scripts/build-windows-qt.sh given a folder of someone else's that holds no
# finished Windows Qt refuses it at once, says why, and leaves it as it was.
# Run with -DPROJECT_SOURCE_DIR=<source> -DWORK_DIR=<scratch folder>.
file(REMOVE_RECURSE ${WORK_DIR})
file(WRITE ${WORK_DIR}/qt/notes.txt "mine")
execute_process(COMMAND ${PROJECT_SOURCE_DIR}/scripts/build-windows-qt.sh ${WORK_DIR}/qt
                RESULT_VARIABLE status ERROR_VARIABLE message TIMEOUT 60)
file(GLOB left RELATIVE ${WORK_DIR} ${WORK_DIR}/* ${WORK_DIR}/qt/*)
if(status EQUAL 0 OR NOT message MATCHES "holds no finished Windows Qt.*TINTRA_WINDOWS_QT="
   OR NOT left STREQUAL "qt;qt/notes.txt")
  message(FATAL_ERROR "status ${status}, left ${left}, said:\n${message}")
endif()
