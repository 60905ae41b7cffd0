# SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
# SPDX-License-Identifier: MIT
#
# The Windows player's two downloads, made by `cpack` in the Windows build
# tree: khrestyky-<version>-win64.zip, one folder to unpack and run, and
# khrestyky-<version>-win64-setup.exe, a 64-bit installer with a
# Start-menu shortcut and an entry in the list of installed programs: for
# the player alone, into their own programs folder, or for all users,
# into Program Files (NSIS.template.in). Both hold what `cmake --install`
# lays out, stripped.
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_SYSTEM_NAME win64)
set(CPACK_PACKAGE_FILE_NAME khrestyky-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Khrestyky)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Khrestyky)
# Names the installer after the archive, with -setup added.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/windows-package-names.cmake)

# The installer: 64-bit and Unicode, so that wine64 runs it and the
# Cyrillic names survive; its script is UTF-8. Its pages speak the
# system's language where NSIS has it (Ukrainian among them), English
# otherwise.
set(CPACK_NSIS_EXECUTABLE "${CMAKE_CURRENT_LIST_DIR}/makensis-amd64-unicode")
# The installer's script is the project's own NSIS.template.in, beside this
# file, which CPack takes before its own.
set(CPACK_MODULE_PATH "${CMAKE_CURRENT_LIST_DIR}")
set(CPACK_NSIS_PACKAGE_NAME "Хрестики-нолики")
set(CPACK_NSIS_DISPLAY_NAME "Хрестики-нолики")
# The program lies in the install folder itself, not in a bin\ below it.
set(CPACK_NSIS_MENU_LINKS khrestyky.exe "Хрестики-нолики")
# The game's icon, every size of it, on the installer and the uninstaller.
set(CPACK_NSIS_MUI_ICON "${PROJECT_SOURCE_DIR}/assets/icon.ico")
set(CPACK_NSIS_MUI_UNIICON "${PROJECT_SOURCE_DIR}/assets/icon.ico")
# The first and the last page show the game's picture at their side; the
# pages between them carry the game's name in their footer, where NSIS
# puts its own name and version.
set(CPACK_NSIS_MUI_WELCOMEFINISHPAGE_BITMAP "${PROJECT_SOURCE_DIR}/assets/installer-side.bmp")
# CPACK_NSIS_BRANDING_TEXT would have the footer trimmed to the text
# (BrandingText /TRIMLEFT), which makensis measures with Windows's own
# fonts and so refuses on Linux: the command is given whole instead.
set(CPACK_NSIS_BRANDING_TEXT_CODE "BrandingText 'Хрестики-нолики'")
# The last page offers to start the game, ticked: "Запустити
# Хрестики-нолики" where the pages speak Ukrainian. The script starts
# $INSTDIR\<program> through the shell, as the signed-in user. A silent
# install shows no pages and starts nothing.
set(CPACK_NSIS_MUI_FINISHPAGE_RUN khrestyky.exe)
set(CPACK_NSIS_INSTALLED_ICON_NAME khrestyky.exe)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
# The size that the list of installed programs shows, in KiB: that of the
# installer's one section, which makensis adds up from its files. CPack
# writes these commands into a quoted CMake string as they stand: hence the
# doubled backslashes, and single quotes for NSIS.
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS [=[
  SectionGetSize 0 $0
  WriteRegDWORD SHCTX 'Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Khrestyky' 'EstimatedSize' $0
  SetDateSave off
]=])
# The installer keeps the dates of the game's files, which the packing
# takes from the last commit, and no other: the side picture and the
# options page's settings would carry the times of the checkout and of the
# packing, and two clones of one commit would pack different installers.
# makensis's flag holds for the lines of its script below it, so it is off
# but around the game's files.
set(CPACK_NSIS_DEFINES "SetDateSave off")
set(CPACK_NSIS_EXTRA_PREINSTALL_COMMANDS "SetDateSave on")
