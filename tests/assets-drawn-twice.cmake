# SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
# SPDX-License-Identifier: MIT
#
# assets/draw-assets run twice, each time from nothing in a scratch folder
# of its own (it draws beside itself), must give the same files, byte for
# byte: the committed pictures change only when a drawing does.
#   cmake -Dassets=SOURCE/assets -Dscratch=DIR -P assets-drawn-twice.cmake
cmake_minimum_required(VERSION 3.21)
foreach(run first second)
  file(REMOVE_RECURSE ${scratch}/${run})
  file(COPY ${assets}/draw-assets ${assets}/picture_files.py DESTINATION ${scratch}/${run})
  execute_process(COMMAND ${scratch}/${run}/draw-assets COMMAND_ERROR_IS_FATAL ANY)
  file(GLOB_RECURSE ${run} RELATIVE ${scratch}/${run} ${scratch}/${run}/*)
endforeach()

if(NOT first STREQUAL second)
  message(FATAL_ERROR "The two runs drew different files:\n${first}\n${second}")
endif()
foreach(name IN LISTS first)
  file(SHA256 ${scratch}/first/${name} first_sum)
  file(SHA256 ${scratch}/second/${name} second_sum)
  if(NOT first_sum STREQUAL second_sum)
    message(FATAL_ERROR "${name} differs between the two runs")
  endif()
endforeach()
list(LENGTH first count)
message("The two runs drew the same ${count} files")
