# SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
# SPDX-License-Identifier: MIT
#
# Runs a Qt test program (under the emulator, if any) with its log in a
# file, shows the log, and fails when the program does:
#   cmake -Demulator=WINE -Dprogram=TEST.exe -Dlog=FILE -P qtest-log.cmake
file(REMOVE ${log})
execute_process(COMMAND ${emulator} ${program} -o ${log},txt RESULT_VARIABLE status)
if(EXISTS ${log})
  file(READ ${log} text)
  message("${text}")
endif()
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${program} failed: ${status}")
endif()
