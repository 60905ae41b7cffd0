# SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
# SPDX-License-Identifier: MIT
#
# Run by CPack on the files it has installed for a package, before it packs
# them: every file and folder takes the time of the source, so that the
# package holds no date of the checkout or the build. That time is
# SOURCE_DATE_EPOCH where it is set, as Debian's builds set it, and the time
# of the source's last commit otherwise; a source outside git keeps the
# files' own dates.
set(source_date "$ENV{SOURCE_DATE_EPOCH}")
if(source_date STREQUAL "")
  find_package(Git QUIET)
  if(GIT_FOUND)
    execute_process(
      COMMAND ${GIT_EXECUTABLE} -C "${CPACK_KHRESTYKY_SOURCE_DIR}" log -1 --format=%ct
      OUTPUT_VARIABLE source_date OUTPUT_STRIP_TRAILING_WHITESPACE
      RESULT_VARIABLE status ERROR_QUIET)
    if(NOT status EQUAL 0)
      set(source_date "")
    endif()
  endif()
endif()
if(source_date STREQUAL "")
  message(STATUS "No SOURCE_DATE_EPOCH and no git history: the packed files keep their dates")
  return()
endif()
file(GLOB_RECURSE entries LIST_DIRECTORIES true "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
if(entries)
  execute_process(
    COMMAND touch -h -d "@${source_date}" ${entries}
    COMMAND_ERROR_IS_FATAL ANY)
endif()
