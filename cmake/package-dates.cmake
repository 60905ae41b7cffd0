# SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
# SPDX-License-Identifier: MIT
#
# Run by CPack on the files it has installed for a package, before it packs
# them: where SOURCE_DATE_EPOCH is set (scripts/windows-package sets it to
# the time of the last commit), every file and folder takes that time, so
# that the package holds no date of the build.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  return()
endif()
file(GLOB_RECURSE entries LIST_DIRECTORIES true "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
if(entries)
  execute_process(
    COMMAND touch -h -d "@$ENV{SOURCE_DATE_EPOCH}" ${entries}
    COMMAND_ERROR_IS_FATAL ANY)
endif()
