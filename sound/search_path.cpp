// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "sound/search_path.h"

#include <string>
#include <system_error>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#undef SearchPath  // windows.h names a function so, too
#endif

namespace sound {
namespace {

bool IsFile(const std::filesystem::path& path) {
  std::error_code error;  // an unreadable folder simply holds no file
  return std::filesystem::is_regular_file(path, error);
}

// Never through a toolkit's string, which would turn a byte that is no
// UTF-8 into a replacement character and so name another folder.
#ifdef _WIN32
std::filesystem::path ProgramFolder() {
  std::wstring name(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (length == 0) return {};
    if (length < name.size()) {
      name.resize(length);
      return std::filesystem::path(name).parent_path();
    }
    name.resize(2 * name.size());
  }
}
#else
std::filesystem::path ProgramFolder() {
  std::error_code error;  // without /proc, the working folder stands in
  return std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
}
#endif

}  // namespace

std::filesystem::path ToPlatformPath(std::string_view stored_name) {
  // The names are UTF-8; '/' separates folders on every platform we build.
  std::u8string name;
  name.reserve(stored_name.size());
  for (const char c : stored_name) {
    name.push_back(c == '\\' ? u8'/' : static_cast<char8_t>(c));
  }
  return std::filesystem::path(name).make_preferred();
}

#ifdef _WIN32
std::string Printable(const std::filesystem::path& path) {
  // A name that is no valid UTF-16 shows replacement characters.
  const std::wstring& wide = path.native();
  const int length = static_cast<int>(wide.size());
  const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  std::string name(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, name.data(), size, nullptr, nullptr);
  return name;
}
#else
std::string Printable(const std::filesystem::path& path) { return path.native(); }
#endif

SearchPath SearchPath::ForProgramIn(const std::filesystem::path& program_folder) {
  const auto data = program_folder / ".." / "share" / "khrestyky";
  const auto modules = program_folder / ".." / "lib" / "khrestyky";
  return SearchPath({program_folder, data.lexically_normal(), modules.lexically_normal()});
}

SearchPath SearchPath::ForThisProgram() { return ForProgramIn(ProgramFolder()); }

SearchPath::SearchPath(std::vector<std::filesystem::path> folders)
    : folders_(std::move(folders)) {}

std::filesystem::path SearchPath::Find(std::string_view stored_name) const {
  for (const auto& place : Places(stored_name)) {
    if (IsFile(place)) return place;
  }
  return {};
}

std::vector<std::filesystem::path> SearchPath::Places(std::string_view stored_name) const {
  const auto name = ToPlatformPath(stored_name);
  std::vector<std::filesystem::path> places;
  for (const auto& folder : folders_) places.push_back(folder / name);
  return places;
}

}  // namespace sound
