# SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
# SPDX-License-Identifier: MIT
#
# The optimised builds on Linux get the hardening flags that Debian builds
# its packages with: fortified libc calls, stack protection, and a
# relocation table made read-only after every symbol is bound at start
# (full RELRO, "-z now"). dpkg-buildflags says what they are where it is
# installed; -g and -O2 are left to the build type, and the paths in the
# debugging information to the developer.
option(KHRESTYKY_HARDENING
       "Build Release and RelWithDebInfo on Linux with Debian's hardening flags" ON)

if(KHRESTYKY_HARDENING AND CMAKE_SYSTEM_NAME STREQUAL "Linux")
  find_program(KHRESTYKY_DPKG_BUILDFLAGS dpkg-buildflags)
  mark_as_advanced(KHRESTYKY_DPKG_BUILDFLAGS)
  set(hardening_compile_flags)
  set(hardening_link_flags)
  if(KHRESTYKY_DPKG_BUILDFLAGS)
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
      execute_process(
        COMMAND ${CMAKE_COMMAND} -E env
                "DEB_BUILD_MAINT_OPTIONS=hardening=+all reproducible=-all"
                ${KHRESTYKY_DPKG_BUILDFLAGS} --get ${kind}
        OUTPUT_VARIABLE flags
        OUTPUT_STRIP_TRAILING_WHITESPACE
        COMMAND_ERROR_IS_FATAL ANY)
      separate_arguments(flags UNIX_COMMAND "${flags}")
      if(kind STREQUAL "LDFLAGS")
        list(APPEND hardening_link_flags ${flags})
      else()
        list(APPEND hardening_compile_flags ${flags})
      endif()
    endforeach()
    list(FILTER hardening_compile_flags EXCLUDE REGEX "^-(g[0-9]*|O[0-9sgz]?)$")
  else()
    # -U first: some compilers define _FORTIFY_SOURCE themselves, and a
    # second definition would be a warning, an error with -Werror.
    set(hardening_compile_flags -U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=2 -fstack-protector-strong)
    set(hardening_link_flags -Wl,-z,relro -Wl,-z,now)
  endif()
  string(JOIN " " shown ${hardening_compile_flags} ${hardening_link_flags})
  message(STATUS "Hardening flags for Release and RelWithDebInfo: ${shown}")
  set(optimised "$<CONFIG:Release,RelWithDebInfo>")
  add_compile_options("$<${optimised}:${hardening_compile_flags}>")
  add_link_options("$<${optimised}:${hardening_link_flags}>")
endif()
