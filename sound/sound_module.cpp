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
void* Open(const std::filesystem::path& module, std::string& error) {
  HMODULE handle = LoadLibraryW(module.c_str());
  if (!handle) {
    const auto code = static_cast<int>(GetLastError());
    error = "cannot load " + Printable(module) + ": " + std::system_category().message(code);
  }
  return reinterpret_cast<void*>(handle);
}

void* Symbol(void* module, const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module), name));
}
#else
void* Open(const std::filesystem::path& module, std::string& error) {
  void* handle = dlopen(module.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) error = dlerror();  // names the file and the reason
  return handle;
}

void* Symbol(void* module, const char* name) { return dlsym(module, name); }
#endif

// The module found along `search`, loaded; null when there is none.
void* Load(const SearchPath& search, std::string& error) {
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
  void* handle = Open(module, error);
  if (handle && !Symbol(handle, kDecodeSoundSymbol)) {
    error = "the sound module " + Printable(module) + " has no entry point";
    return nullptr;
  }
  return handle;
}

// The loaded module, loaded the first time it is asked for; a failure is
// told once.
void* Module(const SearchPath& search) {
  static std::mutex mutex;
  static void* module = nullptr;
  static bool told = false;
  const std::lock_guard lock(mutex);
  if (module) return module;
  std::string error;
  module = Load(search, error);
  if (!module && !told) {
    std::fprintf(stderr, "khrestyky: no sound: %s\n", error.c_str());
    told = true;
  }
  return module;
}

}  // namespace

DecodeSoundFunction SoundModule(const SearchPath& search) {
  void* module = Module(search);
  return module ? reinterpret_cast<DecodeSoundFunction>(Symbol(module, kDecodeSoundSymbol))
                : nullptr;
}

bool SetSoundEndedHook(const SearchPath& search, SoundEndedHook hook) {
  void* module = Module(search);
  const auto set = module ? reinterpret_cast<SetSoundEndedHookFunction>(
                                Symbol(module, kSetSoundEndedHookSymbol))
                          : nullptr;
  if (set) set(hook);
  return set != nullptr;
}

}  // namespace sound
