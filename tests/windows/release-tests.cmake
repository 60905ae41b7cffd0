# SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
# SPDX-License-Identifier: MIT
#
# The player's three ways to the Windows program, each played under wine on
# an X display of its own: the installed folder, the unpacked zip and the
# installer. The zip and the installer are those that `cpack --preset
# windows` packed into the build tree, so the "windows" workflow packs
# before it tests. Labelled windows-release:
#   ctest --preset windows -L windows-release
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(release_test ${CMAKE_CURRENT_LIST_DIR}/release_test.py)
foreach(download installed zip installer)
  add_test(NAME windows_release_${download}
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/with-xvfb
            ${Python3_EXECUTABLE} ${release_test} ${download} ${PROJECT_BINARY_DIR})
  set_tests_properties(windows_release_${download} PROPERTIES LABELS windows-release)
endforeach()
# The installer as a Ukrainian player's Windows has it: the Ukrainian
# language and its decimal comma, and 150 % display scaling. It gets a
# prefix of its own, made fresh each time.
set_tests_properties(windows_release_installer PROPERTIES ENVIRONMENT
  "WINEPREFIX=${PROJECT_BINARY_DIR}/wine-installer;LANG=uk_UA.UTF-8;LC_ALL=uk_UA.UTF-8;KHRESTYKY_LOG_PIXELS=144")
khrestyky_under_wine(windows_release_installed windows_release_zip windows_release_installer)
# Each is a few bounded steps; none may run long.
set_tests_properties(windows_release_installed windows_release_zip windows_release_installer
  PROPERTIES TIMEOUT 900 RESOURCE_LOCK wine-display)

# The program file's icon in every size, read back out of khrestyky.exe.
add_test(NAME windows_program_icon
  COMMAND ${CMAKE_COMMAND} -Dprogram=$<TARGET_FILE:khrestyky>
          -Dicon=${PROJECT_SOURCE_DIR}/assets/icon.ico
          -Dscratch=${CMAKE_CURRENT_BINARY_DIR}/program-icon
          -P ${CMAKE_CURRENT_LIST_DIR}/program-icon.cmake)
set_tests_properties(windows_program_icon PROPERTIES LABELS windows-release)
