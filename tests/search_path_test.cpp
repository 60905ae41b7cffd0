// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "sound/search_path.h"
#include "support/temp_folder.h"

namespace {

using sound::SearchPath;
using testing_support::TempFolder;

// The game stores its names with backslashes; either slash separates.
// The program's folder comes first, then the installed prefix's share and
// lib folders; a folder of the file's name is no file.
TEST(SearchPath, FindsTheFirstFileAlongTheFolders) {
  const struct {
    std::vector<std::string> files;  // a trailing '/' makes a folder instead
    const char* stored_name;
    const char* expected;  // empty when the sound is found nowhere
  } cases[] = {
      {{"usr/bin/data/media/click.wav"}, "data/media/click.wav", "usr/bin/data/media/click.wav"},
      {{"usr/share/khrestyky/data/media/loose.mp3"}, "data\\media\\loose.mp3",
       "usr/share/khrestyky/data/media/loose.mp3"},
      {{"usr/bin/data/media/loose.mp3", "usr/share/khrestyky/data/media/loose.mp3"},
       "data\\media\\loose.mp3", "usr/bin/data/media/loose.mp3"},
      {{"usr/bin/data/media/game.mp3/", "usr/lib/khrestyky/data/media/game.mp3"},
       "data\\media\\game.mp3", "usr/lib/khrestyky/data/media/game.mp3"},
      {{"usr/share/khrestyky/data/media/loose.mp3", "usr/bin/click.wav"},
       "data\\media\\click.wav", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored_name);
    TempFolder root;
    for (const auto& file : c.files) {
      if (file.ends_with('/')) {
        std::filesystem::create_directories(root.path() / file);
      } else {
        root.Write(file, "sound");
      }
    }
    const auto found = SearchPath::ForProgramIn(root.path() / "usr/bin").Find(c.stored_name);
    if (std::string(c.expected).empty()) {
      EXPECT_TRUE(found.empty()) << found;
    } else {
      EXPECT_TRUE(std::filesystem::equivalent(found, root.path() / c.expected)) << found;
    }
  }
}

}  // namespace
