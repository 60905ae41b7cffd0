# SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
# SPDX-License-Identifier: MIT
#
# The installed program on Windows is one folder that runs where it is
# unpacked: khrestyky.exe with the sound module and the sounds, the Qt
# plugins it loads, and every DLL that these import, found by reading their
# import tables rather than from a list kept by hand. The system's own DLLs
# are left to the system.

# The plugins are loaded by name at run time, so no import table names
# them: the window system's, the pictures' formats (the start and help
# pictures are JPEG, the marks GIF, the icon and cursor ICO; the marks' 2x
# drawings are PNG, which Qt reads itself), and the native look of the
# menus and dialogs.
set(qt_plugins
  Qt6::QWindowsIntegrationPlugin platforms
  Qt6::QWindowsVistaStylePlugin styles
  Qt6::QJpegPlugin imageformats
  Qt6::QGifPlugin imageformats
  Qt6::QICOPlugin imageformats)
set(plugin_files)
while(qt_plugins)
  list(POP_FRONT qt_plugins plugin folder)
  if(NOT TARGET ${plugin})
    message(FATAL_ERROR "The Windows SDK's Qt lacks the plugin ${plugin}")
  endif()
  install(FILES $<TARGET_FILE:${plugin}> DESTINATION ${CMAKE_INSTALL_BINDIR}/${folder})
  list(APPEND plugin_files "[[$<TARGET_FILE:${plugin}>]]")
endwhile()
list(JOIN plugin_files " " plugin_files)

# Qt's own translations give the dialogs' buttons the user's language
# (Debian's qt6-translations-l10n holds them, the same for every platform).
set(KHRESTYKY_QT_TRANSLATIONS /usr/share/qt6/translations CACHE PATH
    "Where Qt's translations (qtbase_uk.qm) are")
if(EXISTS ${KHRESTYKY_QT_TRANSLATIONS}/qtbase_uk.qm)
  install(FILES ${KHRESTYKY_QT_TRANSLATIONS}/qtbase_uk.qm DESTINATION ${CMAKE_INSTALL_BINDIR}/translations)
else()
  message(WARNING "No qtbase_uk.qm in ${KHRESTYKY_QT_TRANSLATIONS}: the dialogs' buttons "
                  "will be in English (Debian package qt6-translations-l10n)")
endif()

# Where the DLLs come from: the SDK's libraries and mingw-w64's runtime of
# the compiler in use (libstdc++, libgcc, winpthread).
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
                OUTPUT_VARIABLE runtime_dll OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libwinpthread-1.dll
                OUTPUT_VARIABLE pthread_dll OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(runtime_folder "${runtime_dll}" DIRECTORY)
get_filename_component(pthread_folder "${pthread_dll}" DIRECTORY)
# Kept in the cache for scripts/windows-check, whose tests take their DLLs
# from there.
set(KHRESTYKY_DLL_FOLDERS "${KHRESTYKY_WINDOWS_SDK}/bin;${runtime_folder};${pthread_folder}"
    CACHE INTERNAL "Where the DLLs that the Windows program imports are found")
# CMake reads the DLLs' names off the import tables in lower case, as
# Windows compares them, and then looks for them by those names: on this
# case-sensitive file system it would miss Qt6Core.dll. So it looks in a
# folder of links named in lower case, and each DLL found is installed from
# the file the link names.
set(dll_index ${CMAKE_BINARY_DIR}/dll-index)
file(REMOVE_RECURSE ${dll_index})
file(MAKE_DIRECTORY ${dll_index})
foreach(folder IN LISTS KHRESTYKY_DLL_FOLDERS)
  file(GLOB dlls "${folder}/*.dll")
  foreach(dll IN LISTS dlls)
    get_filename_component(name "${dll}" NAME)
    string(TOLOWER "${name}" name)
    if(NOT EXISTS ${dll_index}/${name})
      file(CREATE_LINK "${dll}" ${dll_index}/${name} SYMBOLIC)
    endif()
  endforeach()
endforeach()
find_program(KHRESTYKY_OBJDUMP NAMES x86_64-w64-mingw32-objdump objdump REQUIRED)
mark_as_advanced(KHRESTYKY_OBJDUMP)

install(CODE "
  set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
  set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
  set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND [[${KHRESTYKY_OBJDUMP}]])
  file(GET_RUNTIME_DEPENDENCIES
    EXECUTABLES [[$<TARGET_FILE:khrestyky>]]
    MODULES [[$<TARGET_FILE:khrestyky_sound_sdl>]] ${plugin_files}
    DIRECTORIES [[${dll_index}]]
    RESOLVED_DEPENDENCIES_VAR dlls
    UNRESOLVED_DEPENDENCIES_VAR system_dlls
    CONFLICTING_DEPENDENCIES_PREFIX conflicting)
  if(conflicting_FILENAMES)
    message(FATAL_ERROR \"DLLs found in more than one folder: \${conflicting_FILENAMES}\")
  endif()
  list(JOIN system_dlls \" \" system_dlls)
  message(STATUS \"Left to Windows: \${system_dlls}\")
  set(files)
  foreach(dll IN LISTS dlls)
    file(REAL_PATH \${dll} file)
    list(APPEND files \${file})
  endforeach()
  file(INSTALL \${files} DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
")

# cmake --install --strip strips what the project builds; the DLLs and
# plugins copied in from elsewhere are stripped here.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    file(GLOB_RECURSE copied
      \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/*.dll\")
    foreach(file IN LISTS copied)
      execute_process(COMMAND [[${CMAKE_STRIP}]] --strip-unneeded \"\${file}\" COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
  endif()
")
