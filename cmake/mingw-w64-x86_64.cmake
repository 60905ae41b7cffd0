# SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
# SPDX-License-Identifier: MIT
#
# Cross-builds for 64-bit Windows with Debian's mingw-w64 and runs the
# programs it builds (the tests and their discovery) under wine64.
#
#   cmake -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#         -DKHRESTYKY_ENGINE_ONLY=ON

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

# The posix thread model: GoogleTest needs std::mutex and
# std::condition_variable, which GCC's win32 thread model lacks.
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Everything linked in, the C++ runtime and winpthread too, so that an .exe
# runs on its own, under wine or on Windows, with no DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Debian's wine64 package puts the loader outside PATH; the wine package
# adds only a wrapper around it.
find_program(KHRESTYKY_WINE64 NAMES wine64 PATHS /usr/lib/wine)
if(KHRESTYKY_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${KHRESTYKY_WINE64})
endif()
