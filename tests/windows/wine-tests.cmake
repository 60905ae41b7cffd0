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

# How a Windows program finds the SDK's DLLs and the compiler's runtime:
# Z: is the root of the Linux file system.
set(wine_path)
foreach(folder IN LISTS KHRESTYKY_DLL_FOLDERS)
  string(REPLACE "/" "\\" folder "Z:${folder}")
  list(APPEND wine_path "${folder}")
endforeach()
string(JOIN "\\;" wine_path ${wine_path})

# No Mono or Gecko installer, no desktop menu entries, no debug channels;
# and no window on the desktop of whoever runs the tests: a test that needs
# a display brings its own.
set(KHRESTYKY_WINE_SETTINGS
  WINEARCH=win64
  WINEDEBUG=-all
  "WINEDLLOVERRIDES=mscoree,mshtml,winemenubuilder.exe=")
set(KHRESTYKY_WINE_ENVIRONMENT ${KHRESTYKY_WINE_SETTINGS} "WINEPATH=${wine_path}")

# Runs the named tests under wine in the prefix that the fixture makes,
# each within two minutes; a test that names a WINEPREFIX of its own keeps
# it.
#   khrestyky_wine_tests(FIXTURE PREFIX TEST...)
function(khrestyky_wine_tests fixture prefix)
  foreach(test IN LISTS ARGN)
    get_test_property(${test} ENVIRONMENT environment)
    if(NOT environment)
      set(environment)
    endif()
    if(NOT environment MATCHES "WINEPREFIX=")
      list(APPEND environment "WINEPREFIX=${prefix}")
    endif()
    set_tests_properties(${test} PROPERTIES
      ENVIRONMENT "${environment};${KHRESTYKY_WINE_ENVIRONMENT}"
      ENVIRONMENT_MODIFICATION "DISPLAY=unset:;WAYLAND_DISPLAY=unset:"
      FIXTURES_REQUIRED ${fixture}
      TIMEOUT 120)
  endforeach()
endfunction()

# A fixture that makes a prefix before its first test and ends its programs
# after the last, at the display scaling given in dots per inch, if any.
#   khrestyky_wine_fixture(NAME PREFIX [DPI])
function(khrestyky_wine_fixture name prefix)
  set(script ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/wine-prefix.cmake)
  add_test(NAME ${name}
    COMMAND ${CMAKE_COMMAND} -Daction=up -Dwine=${CMAKE_CROSSCOMPILING_EMULATOR}
            -Dwineserver=${KHRESTYKY_WINESERVER} -Dlog_pixels=${ARGN} -P ${script})
  add_test(NAME ${name}_down
    COMMAND ${CMAKE_COMMAND} -Daction=down -Dwineserver=${KHRESTYKY_WINESERVER} -P ${script})
  khrestyky_wine_tests(${name} ${prefix} ${name} ${name}_down)
  # Their own limits, of each step, come first.
  set_tests_properties(${name} PROPERTIES FIXTURES_SETUP ${name} FIXTURES_REQUIRED "" TIMEOUT 300)
  set_tests_properties(${name}_down PROPERTIES
    FIXTURES_CLEANUP ${name} FIXTURES_REQUIRED "" TIMEOUT 300)
endfunction()

# The prefix that most tests share.
khrestyky_wine_fixture(wine_prefix ${PROJECT_BINARY_DIR}/wine)
function(khrestyky_under_wine)
  khrestyky_wine_tests(wine_prefix ${PROJECT_BINARY_DIR}/wine ${ARGN})
endfunction()
