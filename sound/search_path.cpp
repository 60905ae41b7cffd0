// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "sound/search_path.h"

#include <string>
#include <system_error>
#include <utility>

namespace sound {
namespace {

bool IsFile(const std::filesystem::path& path) {
  std::error_code error;  // an unreadable folder simply holds no file
  return std::filesystem::is_regular_file(path, error);
}

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

SearchPath SearchPath::ForProgramIn(const std::filesystem::path& program_folder) {
  const auto data = program_folder / ".." / "share" / "khrestyky";
  const auto modules = program_folder / ".." / "lib" / "khrestyky";
  return SearchPath({program_folder, data.lexically_normal(), modules.lexically_normal()});
}

SearchPath::SearchPath(std::vector<std::filesystem::path> folders)
    : folders_(std::move(folders)) {}

std::filesystem::path SearchPath::Find(std::string_view stored_name) const {
  const auto name = ToPlatformPath(stored_name);
  for (const auto& folder : folders_) {
    if (IsFile(folder / name)) {
      return folder / name;
    }
  }
  return {};
}

}  // namespace sound
