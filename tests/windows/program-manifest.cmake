# SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
# SPDX-License-Identifier: MIT
#
# The program file's manifest, read back out of it (icoutils): one
# manifest, the one that Windows reads when it starts the program
# (resource 1 of type 24), which runs it with the rights of whoever starts
# it, names Windows 10 and 11 as the Windows it is made for, and leaves
# the DPI awareness to Qt, which sets it when the program starts.
#   cmake -Dprogram=khrestyky.exe -P program-manifest.cmake
cmake_minimum_required(VERSION 3.21)
execute_process(COMMAND wrestool -l -t 24 ${program} OUTPUT_VARIABLE listed
                COMMAND_ERROR_IS_FATAL ANY)
string(STRIP "${listed}" listed)
if(NOT listed MATCHES "^--type=24 --name=1 [^\n]*$")
  message(FATAL_ERROR "The program has not one manifest, resource 1 of type 24:\n${listed}")
endif()
execute_process(COMMAND wrestool -x -R -t 24 -n 1 ${program} OUTPUT_VARIABLE manifest
                COMMAND_ERROR_IS_FATAL ANY)
# Comments say what they like; the elements are what Windows reads.
string(REGEX REPLACE "<!--([^-]|-[^-])*-->" "" elements "${manifest}")
foreach(wanted
    [[<requestedExecutionLevel level="asInvoker" uiAccess="false"/>]]
    [[<compatibility xmlns="urn:schemas-microsoft-com:compatibility.v1">]]
    [[<supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"/>]])
  string(FIND "${elements}" "${wanted}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "The program's manifest lacks ${wanted}:\n${manifest}")
  endif()
endforeach()
# Windows 7, 8 and 8.1 are not among the Windows it is made for.
if(elements MATCHES "supportedOS Id=\"{(35138b9a|4a2f28e3|1f676c76)")
  message(FATAL_ERROR "The program's manifest names a Windows older than 10:\n${manifest}")
endif()
if(elements MATCHES "dpiAware")
  message(FATAL_ERROR
          "The program's manifest sets a DPI awareness, which is Qt's to set:\n${manifest}")
endif()
message("${elements}")
