# SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
# SPDX-License-Identifier: MIT
#
# The program file's icon, read back out of it (icoutils): the same images
# as assets/icon.ico (whose sizes its own test checks), the 32-pixel one
# pixel for pixel.
#   cmake -Dprogram=khrestyky.exe -Dicon=icon.ico -Dscratch=DIR -P program-icon.cmake
cmake_minimum_required(VERSION 3.21)
file(MAKE_DIRECTORY ${scratch})
execute_process(COMMAND wrestool -x -t 14 ${program} OUTPUT_FILE ${scratch}/program.ico
                COMMAND_ERROR_IS_FATAL ANY)

# read_icon(ICO NAME): lists its images in NAME_images and extracts its
# 32-pixel one as NAME-32.png.
function(read_icon ico name)
  execute_process(COMMAND icotool -l ${ico} OUTPUT_VARIABLE images COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND icotool -x -w 32 -o ${scratch}/${name}-32.png ${ico}
                  COMMAND_ERROR_IS_FATAL ANY)
  set(${name}_images "${images}" PARENT_SCOPE)
endfunction()
read_icon(${scratch}/program.ico program)
read_icon(${icon} icon)

message("${program_images}")
if(NOT program_images STREQUAL icon_images)
  message(FATAL_ERROR "The program's icon holds other images than ${icon}:\n${icon_images}")
endif()
file(SHA256 ${scratch}/program-32.png program_32)
file(SHA256 ${scratch}/icon-32.png icon_32)
if(NOT program_32 STREQUAL icon_32)
  message(FATAL_ERROR "The program's 32-pixel icon is not that of ${icon}")
endif()
