# SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
# SPDX-License-Identifier: MIT
#
# `cpack -G DEB` in the build tree makes an installable Debian package. Its
# dependencies are read off the program's libraries by dpkg-shlibdeps, not
# written by hand.
set(CPACK_PACKAGE_NAME khrestyky)
set(CPACK_PACKAGE_VENDOR "The Khrestyky-nolyky developers")
set(CPACK_PACKAGE_CONTACT "The Khrestyky-nolyky developers <developers@khrestyky.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "noughts and crosses against the computer")
# One text: several strings would be joined as a list, with ";" between.
set(CPACK_PACKAGE_DESCRIPTION
"Хрестики-нолики: a small game of noughts and crosses on a three-by-three
board, one person (X) against the computer (O), with a running tally of
wins, losses and draws. The interface is Ukrainian.")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_STRIP_FILES ON)
# Moves the program to /usr/games and strips what Debian strips; CPack runs
# it on the installed files before it packs them.
set(CPACK_PRE_BUILD_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/debian-layout.cmake")
set(CPACK_KHRESTYKY_STRIP "${CMAKE_STRIP}")

# Every packed file dated from the last commit, so that two builds of one
# source pack the same bytes.
list(APPEND CPACK_PRE_BUILD_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/package-dates.cmake")

if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/windows-packaging.cmake)
endif()

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Any font with Cyrillic letters serves; Liberation's have the metrics of
# the Windows fonts that the layout was drawn with. Qt's translations give
# the dialogs' buttons the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, fonts-dejavu-core, qt6-translations-l10n")

include(CPack)
