# SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
# SPDX-License-Identifier: MIT
#
# The tests of the Windows build run under wine64, the toolchain's
# emulator, with nothing around ctest: each test carries the wine settings
# it needs, and a fixture makes the wine prefix in the build tree before
# the first of them and ends its programs after the last.

if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  message(FATAL_ERROR "The Windows tests run under wine64: install the Debian package wine64")
endif()
find_program(KHRESTYKY_WINESERVER NAMES wineserver PATHS /usr/lib/wine REQUIRED)
mark_as_advanced(KHRESTYKY_WINESERVER)

# The prefix that the tests share, and how a Windows program finds the
# SDK's DLLs and the compiler's runtime there: Z: is the root of the
# Linux file system.
set(KHRESTYKY_WINE_PREFIX ${PROJECT_BINARY_DIR}/wine)
set(wine_path)
foreach(folder IN LISTS KHRESTYKY_DLL_FOLDERS)
  string(REPLACE "/" "\\" folder "Z:${folder}")
  list(APPEND wine_path "${folder}")
endforeach()
string(JOIN "\\;" wine_path ${wine_path})

# No Mono or Gecko installer, no desktop menu entries, no debug channels;
# and no window on the desktop of whoever runs the tests: a test that needs
# a display brings its own.
set(KHRESTYKY_WINE_ENVIRONMENT
  WINEARCH=win64
  WINEDEBUG=-all
  "WINEDLLOVERRIDES=mscoree,mshtml,winemenubuilder.exe="
  "WINEPATH=${wine_path}")

# Runs the named tests under wine: in the shared prefix unless the test
# names its own, each within two minutes.
function(khrestyky_under_wine)
  foreach(test IN LISTS ARGN)
    get_test_property(${test} ENVIRONMENT environment)
    if(NOT environment)
      set(environment)
    endif()
    if(NOT environment MATCHES "WINEPREFIX=")
      list(APPEND environment "WINEPREFIX=${KHRESTYKY_WINE_PREFIX}")
    endif()
    set_tests_properties(${test} PROPERTIES
      ENVIRONMENT "${environment};${KHRESTYKY_WINE_ENVIRONMENT}"
      ENVIRONMENT_MODIFICATION "DISPLAY=unset:;WAYLAND_DISPLAY=unset:"
      FIXTURES_REQUIRED wine
      TIMEOUT 120)
  endforeach()
endfunction()

set(wine_prefix_script ${CMAKE_CURRENT_LIST_DIR}/wine-prefix.cmake)
add_test(NAME wine_prefix
  COMMAND ${CMAKE_COMMAND} -Daction=up -Dwine=${CMAKE_CROSSCOMPILING_EMULATOR}
          -Dwineserver=${KHRESTYKY_WINESERVER} -P ${wine_prefix_script})
add_test(NAME wine_prefix_down
  COMMAND ${CMAKE_COMMAND} -Daction=down -Dwineserver=${KHRESTYKY_WINESERVER}
          -P ${wine_prefix_script})
khrestyky_under_wine(wine_prefix wine_prefix_down)
# Their own limits, of each step, come first.
set_tests_properties(wine_prefix PROPERTIES
  FIXTURES_SETUP wine FIXTURES_REQUIRED "" TIMEOUT 300)
set_tests_properties(wine_prefix_down PROPERTIES
  FIXTURES_CLEANUP wine FIXTURES_REQUIRED "" TIMEOUT 300)
