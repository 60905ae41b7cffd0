// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "sound/sound_module.h"

#include <cstdio>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace sound {
namespace {

#ifdef _WIN32
void* Symbol(const std::filesystem::path& module, std::string& error) {
  HMODULE handle = LoadLibraryW(module.wstring().c_str());
  if (!handle) {
    error = "cannot load " + module.string();
    return nullptr;
  }
  return reinterpret_cast<void*>(GetProcAddress(handle, kOpenSoundSymbol));
}
#else
void* Symbol(const std::filesystem::path& module, std::string& error) {
  void* handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    error = dlerror();
    return nullptr;
  }
  return dlsym(handle, kOpenSoundSymbol);
}
#endif

OpenSoundFunction Load(const SearchPath& search, std::string& error) {
  const auto module = search.Find(KHRESTYKY_SOUND_MODULE);
  if (module.empty()) {
    error = "the sound module " KHRESTYKY_SOUND_MODULE " is not installed";
    return nullptr;
  }
  error = "the sound module has no entry point";
  return reinterpret_cast<OpenSoundFunction>(Symbol(module, error));
}

}  // namespace

OpenSoundFunction SoundModule(const SearchPath& search) {
  // The players live on the window's thread, so plain statics will do.
  static OpenSoundFunction open = nullptr;
  static bool told = false;
  if (open) return open;
  std::string error;
  open = Load(search, error);
  if (!open && !told) {
    std::fprintf(stderr, "khrestyky: no sound: %s\n", error.c_str());
    told = true;
  }
  return open;
}

}  // namespace sound
