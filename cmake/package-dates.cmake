# SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
# SPDX-License-Identifier: MIT
#
# Run by CPack on the files it has installed for a package, before it packs
# them: every file and folder takes the time of the source,
# SOURCE_DATE_EPOCH, which the install's first step sets from the last
# commit where the environment does not (source-date.cmake). So the package
# holds no date of the checkout or the build.
if("$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
  message(STATUS "No SOURCE_DATE_EPOCH and no git history: the packed files keep their dates")
  return()
endif()
file(GLOB_RECURSE entries LIST_DIRECTORIES true "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
if(entries)
  execute_process(
    COMMAND touch -h -d "@$ENV{SOURCE_DATE_EPOCH}" ${entries}
    COMMAND_ERROR_IS_FATAL ANY)
endif()
