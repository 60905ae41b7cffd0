// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace sound {

// A sound file's name as the game stores it ("data\\media\\click.wav") as a
// path of this platform: backslashes and slashes both separate folders.
std::filesystem::path ToPlatformPath(std::string_view stored_name);

// A path as messages show it: its own bytes on POSIX, UTF-8 on Windows.
std::string Printable(const std::filesystem::path& path);

// The folders that a relative sound file name is looked up in, in order.
class SearchPath {
 public:
  // For the program in program_folder: that folder first (the build tree
  // and the Windows layout keep data/media/ and the sound module beside
  // the program), then the folders of a program installed on Linux in
  // <prefix>/bin/: <prefix>/share/khrestyky/ for the sound files and
  // <prefix>/lib/khrestyky/ for the sound module.
  static SearchPath ForProgramIn(const std::filesystem::path& program_folder);
  // The same for the running program, whose folder is taken from the
  // system as it names it, whatever bytes or characters it holds.
  static SearchPath ForThisProgram();

  explicit SearchPath(std::vector<std::filesystem::path> folders);

  // The file of that name in the first folder that holds one; an empty
  // path when none does.
  std::filesystem::path Find(std::string_view stored_name) const;
  // Every place where Find looks for the file, in order, for messages.
  std::vector<std::filesystem::path> Places(std::string_view stored_name) const;

 private:
  std::vector<std::filesystem::path> folders_;
};

}  // namespace sound
