# SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
# SPDX-License-Identifier: MIT
#
# Makes the wine prefix named by WINEPREFIX, unless it is there, and waits
# until its server has ended, so that no test races to make it and the
# first program does not join the hidden desktop of wineboot (action=up);
# or ends every program of the prefix and its server (action=down). Each
# wait has its limit; one that runs out ends the prefix's programs and
# names itself. A new prefix takes the display scaling of log_pixels, in
# dots per inch (96 is 100 %), when it is given.
#   cmake -Daction=up|down -Dwine=WINE64 -Dwineserver=WINESERVER
#         [-Dlog_pixels=DPI] -P wine-prefix.cmake
set(limit 120)

function(end_everything)
  execute_process(COMMAND ${wineserver} -k TIMEOUT ${limit} RESULT_VARIABLE ignored ERROR_QUIET)
endfunction()

# wait_for_server STEP: waits for the prefix's server to end.
function(wait_for_server step)
  execute_process(COMMAND ${wineserver} -w TIMEOUT ${limit} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    end_everything()
    message(FATAL_ERROR "${step}: the wine server did not end within ${limit} s (${status})")
  endif()
endfunction()

if(action STREQUAL "up")
  if(NOT EXISTS "$ENV{WINEPREFIX}/system.reg")
    message(STATUS "boot: making the wine prefix $ENV{WINEPREFIX}")
    execute_process(COMMAND ${wine} wineboot --init TIMEOUT ${limit}
                    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
    if(NOT status EQUAL 0)
      end_everything()
      message(FATAL_ERROR "boot: wineboot failed or did not end within ${limit} s (${status}):\n${output}")
    endif()
    if(log_pixels)
      execute_process(
        COMMAND ${wine} reg add "HKCU\\Control Panel\\Desktop" /v LogPixels /t REG_DWORD
                /d ${log_pixels} /f
        TIMEOUT ${limit} RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
      if(NOT status EQUAL 0)
        end_everything()
        message(FATAL_ERROR "display scaling: reg add failed or did not end within ${limit} s (${status})")
      endif()
    endif()
  endif()
  wait_for_server("boot")
elseif(action STREQUAL "down")
  end_everything()
  wait_for_server("shutdown")
else()
  message(FATAL_ERROR "action must be up or down")
endif()
