# SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
# SPDX-License-Identifier: MIT
#
# Run by CPack as it lays out the older installer of the upgrade tests
# (release-tests.cmake): that version ships one file more than this one,
# as if this one had stopped shipping it.
file(WRITE "${CMAKE_INSTALL_PREFIX}/retired.txt"
     "A file of an older version, which the next one no longer ships.\n")
