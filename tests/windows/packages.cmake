# SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
# SPDX-License-Identifier: MIT
#
# Packs the build's downloads with CPack when one of them is missing or
# older than a program it holds, so that the release tests play what this
# build made; then each must be there. CPack gets the arguments given, if
# any, after its configuration.
#   cmake -Dcpack=CPACK -Dconfig=CPackConfig.cmake -Dpackages=PACKAGE;...
#         -Dprograms=PROGRAM;... [-Darguments=ARGUMENT;...] -P packages.cmake
set(stale)
foreach(package IN LISTS packages)
  foreach(program IN LISTS programs)
    if(NOT EXISTS "${package}" OR "${program}" IS_NEWER_THAN "${package}")
      get_filename_component(name "${package}" NAME)
      list(APPEND stale ${name})
      break()
    endif()
  endforeach()
endforeach()
if(NOT stale)
  message(STATUS "The packages are newer than the programs they hold")
  return()
endif()

list(JOIN stale ", " stale)
message(STATUS "Missing or older than the program: ${stale}; packing")
get_filename_component(build "${config}" DIRECTORY)
execute_process(COMMAND ${cpack} --config ${config} ${arguments} WORKING_DIRECTORY ${build}
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cpack failed (${status})")
endif()
# CPack leaves a package as it was when it packs the same bytes again, as
# one source does: its date then says that it holds the program too.
foreach(package IN LISTS packages)
  if(NOT EXISTS "${package}")
    message(FATAL_ERROR "cpack made no ${package}")
  endif()
  file(TOUCH_NOCREATE "${package}")
endforeach()
