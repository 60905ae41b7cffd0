# SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
# SPDX-License-Identifier: MIT
#
# Run by CPack for each package it makes: the installer is named after the
# archive, with -setup added.
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME khrestyky-${CPACK_PACKAGE_VERSION}-win64-setup)
else()
  set(CPACK_PACKAGE_FILE_NAME khrestyky-${CPACK_PACKAGE_VERSION}-win64)
endif()
