// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "sound/sound_module.h"

#include <cstdio>
#include <mutex>
#include <string>

#ifdef _WIN32
#include <windows.h>
#undef SearchPath  // windows.h names a function so, too

#include <system_error>
#else
#include <dlfcn.h>
#endif

namespace sound {
namespace {

#ifdef _WIN32
void* Symbol(const std::filesystem::path& module, std::string& error) {
  HMODULE handle = LoadLibraryW(module.c_str());
  if (!handle) {
    const auto code = static_cast<int>(GetLastError());
    error = "cannot load " + Printable(module) + ": " + std::system_category().message(code);
    return nullptr;
  }
  return reinterpret_cast<void*>(GetProcAddress(handle, kDecodeSoundSymbol));
}
#else
void* Symbol(const std::filesystem::path& module, std::string& error) {
  void* handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    error = dlerror();  // names the file and the reason
    return nullptr;
  }
  return dlsym(handle, kDecodeSoundSymbol);
}
#endif

DecodeSoundFunction Load(const SearchPath& search, std::string& error) {
  const auto module = search.Find(KHRESTYKY_SOUND_MODULE);
  if (module.empty()) {
    error = "the sound module is in none of";
    for (const auto& place : search.Places(KHRESTYKY_SOUND_MODULE)) {
      // Two appends: GCC 12 for mingw sees a false overlap in " " + name.
      error += ' ';
      error += Printable(place);
    }
    return nullptr;
  }
  error = "the sound module " + Printable(module) + " has no entry point";
  return reinterpret_cast<DecodeSoundFunction>(Symbol(module, error));
}

}  // namespace

DecodeSoundFunction SoundModule(const SearchPath& search) {
  static std::mutex mutex;
  static DecodeSoundFunction decode = nullptr;
  static bool told = false;
  const std::lock_guard lock(mutex);
  if (decode) return decode;
  std::string error;
  decode = Load(search, error);
  if (!decode && !told) {
    std::fprintf(stderr, "khrestyky: no sound: %s\n", error.c_str());
    told = true;
  }
  return decode;
}

}  // namespace sound
