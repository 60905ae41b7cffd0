# SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
# SPDX-License-Identifier: MIT
#
# The player's three ways to the Windows program, each played under wine on
# an X display of its own and in a wine prefix of its own, which the test
# makes in the build tree: the installed folder, the unpacked zip and the
# installer. The game finds no DLL there but its own and Windows's: these
# tests get no WINEPATH. The zip and the installer are this build's, named
# after the project's version; the fixture windows_release_packages packs
# them when they are missing or older than the program they hold.
# Labelled windows-release:
#   ctest --preset windows -L windows-release
find_package(Python3 REQUIRED COMPONENTS Interpreter)
# Named as cmake/windows-packaging.cmake names them; the fixture fails
# when CPack makes no such files.
set(package ${PROJECT_BINARY_DIR}/${PROJECT_NAME}-${PROJECT_VERSION}-win64)
set(packages ${package}.zip ${package}-setup.exe)

add_test(NAME windows_release_packages
  COMMAND ${CMAKE_COMMAND} -Dcpack=${CMAKE_CPACK_COMMAND}
          -Dconfig=${PROJECT_BINARY_DIR}/CPackConfig.cmake "-Dpackages=${packages}"
          "-Dprograms=$<TARGET_FILE:khrestyky>;$<TARGET_FILE:khrestyky_sound_sdl>"
          -P ${CMAKE_CURRENT_LIST_DIR}/packages.cmake)
set_tests_properties(windows_release_packages PROPERTIES
  FIXTURES_SETUP windows_packages LABELS windows-release TIMEOUT 900)

set(arguments_installed --cmake ${CMAKE_COMMAND} --build ${PROJECT_BINARY_DIR})
set(arguments_zip --package ${package}.zip)
# The installer as a Ukrainian player's Windows has it: 150 % display
# scaling, and below the Ukrainian language and its decimal comma.
set(arguments_installer --package ${package}-setup.exe --version ${PROJECT_VERSION}
                        --log-pixels 144)
foreach(download installed zip installer)
  add_test(NAME windows_release_${download}
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/with-xvfb ${Python3_EXECUTABLE}
            ${CMAKE_CURRENT_SOURCE_DIR}/drivers/release_test.py ${download}
            --prefix ${PROJECT_BINARY_DIR}/wine-release-${download}
            --wine ${CMAKE_CROSSCOMPILING_EMULATOR} --wineserver ${KHRESTYKY_WINESERVER}
            --out ${PROJECT_BINARY_DIR} ${arguments_${download}})
  set_tests_properties(windows_release_${download} PROPERTIES
    LABELS windows-release
    ENVIRONMENT "${KHRESTYKY_WINE_SETTINGS}"
    ENVIRONMENT_MODIFICATION "WINEPATH=unset:;WINEPREFIX=unset:"
    # Each is a few bounded steps; none may run long.
    TIMEOUT 900)
endforeach()
set_tests_properties(windows_release_zip windows_release_installer PROPERTIES
  FIXTURES_REQUIRED windows_packages)
set_property(TEST windows_release_installer APPEND PROPERTY ENVIRONMENT
  LANG=uk_UA.UTF-8 LC_ALL=uk_UA.UTF-8)

# The program file's icon in every size, read back out of khrestyky.exe.
add_test(NAME windows_program_icon
  COMMAND ${CMAKE_COMMAND} -Dprogram=$<TARGET_FILE:khrestyky>
          -Dicon=${PROJECT_SOURCE_DIR}/assets/icon.ico
          -Dscratch=${CMAKE_CURRENT_BINARY_DIR}/program-icon
          -P ${CMAKE_CURRENT_LIST_DIR}/program-icon.cmake)
set_tests_properties(windows_program_icon PROPERTIES LABELS windows-release)

# The program file's one manifest, read back out of khrestyky.exe.
add_test(NAME windows_program_manifest
  COMMAND ${CMAKE_COMMAND} -Dprogram=$<TARGET_FILE:khrestyky>
          -P ${CMAKE_CURRENT_LIST_DIR}/program-manifest.cmake)
set_tests_properties(windows_program_manifest PROPERTIES LABELS windows-release)

# What the installer's last page runs to start the game, read from its
# compiled script: the shell, never the game as the installer's child.
add_test(NAME windows_installer_finish_page
  COMMAND ${CMAKE_COMMAND} -Dmakensis=${PROJECT_SOURCE_DIR}/cmake/makensis-amd64-unicode
          -Dscript=${PROJECT_BINARY_DIR}/_CPack_Packages/win64/NSIS/project.nsi
          -Dsetup=${package}-setup.exe
          -Dscratch=${CMAKE_CURRENT_BINARY_DIR}/finish-page
          -P ${CMAKE_CURRENT_LIST_DIR}/finish-page.cmake)
set_tests_properties(windows_installer_finish_page PROPERTIES
  FIXTURES_REQUIRED windows_packages LABELS windows-release)

# The installer over a player's years with the game (drivers/installer_test.py),
# each test in a wine prefix of its own that it makes in the build tree, in
# Ukrainian: an older version upgraded in each install mode, played and
# uninstalled; this version installed over itself; the upgrade by hand, its
# question and its pages; and the check of the Windows version. The older
# version is packed from this build by the fixture windows_installer_older,
# with an older version number and one file more (older-installer.cmake).
set(older_version 0.9.0)
set(older ${PROJECT_BINARY_DIR}/installer-older/${PROJECT_NAME}-${older_version}-win64-setup.exe)
get_filename_component(older_folder ${older} DIRECTORY)
set(older_cpack -G NSIS -B ${older_folder} -D CPACK_PACKAGE_VERSION=${older_version}
                -D CPACK_INSTALL_SCRIPTS=${CMAKE_CURRENT_LIST_DIR}/older-installer.cmake)
add_test(NAME windows_installer_older
  COMMAND ${CMAKE_COMMAND} -Dcpack=${CMAKE_CPACK_COMMAND}
          -Dconfig=${PROJECT_BINARY_DIR}/CPackConfig.cmake -Dpackages=${older}
          "-Dprograms=$<TARGET_FILE:khrestyky>;$<TARGET_FILE:khrestyky_sound_sdl>"
          "-Darguments=${older_cpack}" -P ${CMAKE_CURRENT_LIST_DIR}/packages.cmake)
# After the packages: two packings at once would share the build tree.
set_tests_properties(windows_installer_older PROPERTIES
  FIXTURES_SETUP windows_installer_older FIXTURES_REQUIRED windows_packages
  LABELS windows-release TIMEOUT 900)

set(older_arguments --older ${older}
                    --older-version ${older_version} --retired retired.txt)
foreach(test upgrade-current-user upgrade-all-users upgrade-chosen-folder repair by-hand
             windows-check)
  set(arguments ${test})
  set(fixtures windows_packages)
  if(test MATCHES "^upgrade-(.*)$")
    set(arguments upgrade --mode ${CMAKE_MATCH_1})
  endif()
  if(test MATCHES "^(upgrade|by-hand)")
    list(APPEND arguments ${older_arguments})
    list(APPEND fixtures windows_installer_older)
  endif()
  string(REPLACE "-" "_" name "windows_installer_${test}")
  add_test(NAME ${name}
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/with-xvfb ${Python3_EXECUTABLE}
            ${CMAKE_CURRENT_SOURCE_DIR}/drivers/installer_test.py ${arguments}
            --package ${package}-setup.exe --version ${PROJECT_VERSION}
            --prefix ${PROJECT_BINARY_DIR}/wine-installer-${test}
            --wine ${CMAKE_CROSSCOMPILING_EMULATOR} --wineserver ${KHRESTYKY_WINESERVER}
            --out ${PROJECT_BINARY_DIR})
  set_tests_properties(${name} PROPERTIES
    LABELS windows-release
    ENVIRONMENT "${KHRESTYKY_WINE_SETTINGS};LANG=uk_UA.UTF-8;LC_ALL=uk_UA.UTF-8"
    ENVIRONMENT_MODIFICATION "WINEPATH=unset:;WINEPREFIX=unset:"
    FIXTURES_REQUIRED "${fixtures}"
    TIMEOUT 900)
endforeach()
