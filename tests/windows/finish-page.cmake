# SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
# SPDX-License-Identifier: MIT
#
# What the installer's last page runs when its box starts the game, read
# from the installer's compiled script. Wine has no elevation to watch, so
# the script is what shows that the game never runs with the installer's
# rights: the box calls StartProgram, with no program of its own that the
# page would start itself, and StartProgram hands the game to the shell,
# explorer.exe, which starts it as the signed-in user. Nothing else in the
# installer starts the game. The script is the one that CPack filled in
# and compiled (project.nsi): compiled again here, with makensis listing
# each instruction, it must give the very installer that was packed.
#   cmake -Dmakensis=MAKENSIS -Dscript=project.nsi -Dsetup=SETUP.exe
#         -Dscratch=DIR -P finish-page.cmake
cmake_minimum_required(VERSION 3.21)
set(program khrestyky.exe)
file(REMOVE_RECURSE ${scratch})
file(MAKE_DIRECTORY ${scratch})

# The script names the installer it makes; this one goes to the scratch
# folder. makensis finds the packed files from the script's own folder.
file(READ ${script} text)
string(REGEX REPLACE "\n  OutFile [^\n]*" "\n  OutFile \"${scratch}/setup.exe\"" text "${text}")
get_filename_component(folder ${script} DIRECTORY)
set(copy ${folder}/finish-page-test.nsi)
file(WRITE ${copy} "${text}")
execute_process(COMMAND ${makensis} -V4 ${copy} WORKING_DIRECTORY ${folder}
                OUTPUT_FILE ${scratch}/makensis.log ERROR_FILE ${scratch}/makensis.log
                RESULT_VARIABLE status)
file(REMOVE ${copy})
if(NOT status EQUAL 0)
  message(FATAL_ERROR "makensis failed (${status}): see ${scratch}/makensis.log")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${scratch}/setup.exe ${setup}
                RESULT_VARIABLE differ)
if(differ)
  message(FATAL_ERROR "${script} compiles to another installer than ${setup}: "
                      "pack it again (cpack --preset windows)")
endif()

file(STRINGS ${scratch}/makensis.log log)
set(function "")
set(in_start_program)
set(box_runs "")
foreach(line IN LISTS log)
  if(line MATCHES "^Function: \"(.*)\"$")
    set(function "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^!define: \"MUI_FINISHPAGE_RUN(_FUNCTION)?\"=\"(.*)\"$")
    string(APPEND box_runs "MUI_FINISHPAGE_RUN${CMAKE_MATCH_1}=${CMAKE_MATCH_2};")
  elseif(line MATCHES "^(Exec|ExecWait|ExecShell|ExecShellWait): ")
    if(function STREQUAL "StartProgram")
      list(APPEND in_start_program "${line}")
    elseif(line MATCHES "${program}")
      message(FATAL_ERROR "${function} starts the game itself: ${line}")
    endif()
  endif()
endforeach()
if(NOT box_runs STREQUAL "MUI_FINISHPAGE_RUN=;MUI_FINISHPAGE_RUN_FUNCTION=StartProgram;")
  message(FATAL_ERROR "The last page's box does not call StartProgram alone: ${box_runs}")
endif()
set(wanted [[Exec: ""$WINDIR\explorer.exe" "$INSTDIR\khrestyky.exe"" (->)]])
if(NOT in_start_program STREQUAL wanted)
  message(FATAL_ERROR "StartProgram runs\n  ${in_start_program}\nnot\n  ${wanted}")
endif()
message("The last page's box calls StartProgram, which runs: ${in_start_program}")
