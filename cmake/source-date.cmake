# SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
# SPDX-License-Identifier: MIT
#
# The first step of every install, and so of every package: sets
# SOURCE_DATE_EPOCH, unless it is set already (as Debian's builds set it),
# to the time of the source's last commit. What the install and the
# packing do after it then dates from the source rather than from the
# clock: binutils' strip writes it into the Windows binaries' headers, and
# CPack dates the packed files with it (package-dates.cmake). A source
# outside git leaves it unset.
#   install(CODE "set(KHRESTYKY_SOURCE_DIR …) include(…/source-date.cmake)")
if(NOT "$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
  return()
endif()
find_package(Git QUIET)
if(NOT GIT_FOUND)
  return()
endif()
execute_process(
  COMMAND ${GIT_EXECUTABLE} -C "${KHRESTYKY_SOURCE_DIR}" log -1 --format=%ct
  OUTPUT_VARIABLE date OUTPUT_STRIP_TRAILING_WHITESPACE
  RESULT_VARIABLE status ERROR_QUIET)
if(status EQUAL 0 AND date MATCHES "^[0-9]+$")
  set(ENV{SOURCE_DATE_EPOCH} "${date}")
endif()
