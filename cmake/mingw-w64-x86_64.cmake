# SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
# SPDX-License-Identifier: MIT
#
# Cross-builds for 64-bit Windows with Debian's mingw-w64 and runs the
# programs it builds (the tests and their discovery) under wine64. The
# libraries of the whole game come from the SDK that scripts/windows-sdk
# builds, and the "windows" presets name both:
#
#   KHRESTYKY_WINDOWS_SDK=$(scripts/windows-sdk | tail -n1) \
#     cmake --workflow --preset windows
#
# Without an SDK only the engine builds (-DKHRESTYKY_ENGINE_ONLY=ON).
# scripts/windows-sdk builds the libraries with this same file and
# KHRESTYKY_RUN_UNDER_WINE off: their configure checks must not run under
# wine.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

# The posix thread model: GoogleTest and the sound loaders need std::mutex,
# std::thread and std::condition_variable, which GCC's win32 model lacks.
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(KHRESTYKY_WINDOWS_SDK "" CACHE PATH
    "The Windows build of Qt and SDL2 that scripts/windows-sdk makes")
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 ${KHRESTYKY_WINDOWS_SDK})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
if(KHRESTYKY_WINDOWS_SDK)
  # The SDK's Qt uses Debian's own Qt of the same version as its host
  # tools (moc, rcc, uic).
  set(QT_HOST_PATH /usr CACHE PATH "")
  set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")
endif()

# Debian's wine64 package puts the loader outside PATH; the wine package
# adds only a wrapper around it.
if(NOT DEFINED KHRESTYKY_RUN_UNDER_WINE)
  set(KHRESTYKY_RUN_UNDER_WINE ON)
endif()
if(KHRESTYKY_RUN_UNDER_WINE)
  find_program(KHRESTYKY_WINE64 NAMES wine64 PATHS /usr/lib/wine)
endif()
if(KHRESTYKY_RUN_UNDER_WINE AND KHRESTYKY_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${KHRESTYKY_WINE64})
endif()
