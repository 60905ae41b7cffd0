# SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
# SPDX-License-Identifier: MIT
#
# Run by CPack on the files it has installed for a package, before it packs
# them. For the Debian package the program moves to /usr/games, where Debian
# keeps games (cmake --install leaves it in <prefix>/bin, the usual place
# elsewhere; it finds its files from either), and the binaries lose the
# .comment and .note sections, as they do in Debian's own packages.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()

set(usr "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
file(MAKE_DIRECTORY "${usr}/games")
file(RENAME "${usr}/bin/khrestyky" "${usr}/games/khrestyky")
file(GLOB left "${usr}/bin/*")
if(NOT left)
  file(REMOVE_RECURSE "${usr}/bin")
endif()

file(GLOB_RECURSE binaries "${usr}/games/*" "${usr}/lib/*")
foreach(binary IN LISTS binaries)
  execute_process(
    COMMAND "${CPACK_KHRESTYKY_STRIP}" --remove-section=.comment --remove-section=.note "${binary}"
    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
