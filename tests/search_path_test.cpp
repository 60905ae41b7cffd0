// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "sound/search_path.h"
#include "support/temp_folder.h"

namespace {

using sound::SearchPath;
using testing_support::TempFolder;

// The game stores its names with backslashes; either slash separates.
TEST(ToPlatformPath, SplitsStoredNamesOnEitherSlash) {
  const auto expected = std::filesystem::path("data") / "media" / "click.wav";
  for (const char* stored : {"data\\media\\click.wav", "data/media/click.wav",
                             "data\\media/click.wav"}) {
    EXPECT_EQ(sound::ToPlatformPath(stored), expected) << stored;
  }
}

struct Layout {
  const char* what;
  std::vector<std::string> files;  // a trailing '/' makes a folder instead
  const char* program_folder;
  const char* stored_name;
  const char* expected;  // empty when the sound is found nowhere
};

void PrintTo(const Layout& layout, std::ostream* out) { *out << layout.what; }

class SearchPathFind : public testing::TestWithParam<Layout> {};

TEST_P(SearchPathFind, FindsTheFirstFileAlongTheFolders) {
  const Layout& layout = GetParam();
  TempFolder root;
  for (const auto& file : layout.files) {
    if (file.ends_with('/')) {
      std::filesystem::create_directories(root.path() / file);
    } else {
      root.Write(file, "sound");
    }
  }
  const auto search = SearchPath::ForProgramIn(root.path() / layout.program_folder);
  const auto found = search.Find(layout.stored_name);

  if (std::string(layout.expected).empty()) {
    EXPECT_TRUE(found.empty()) << found;
  } else {
    EXPECT_TRUE(std::filesystem::equivalent(found, root.path() / layout.expected)) << found;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, SearchPathFind,
    testing::Values(
        Layout{"BesideTheProgram", {"build/data/media/click.wav"}, "build",
               "data\\media\\click.wav", "build/data/media/click.wav"},
        Layout{"ForwardSlashes", {"build/data/media/click.wav"}, "build",
               "data/media/click.wav", "build/data/media/click.wav"},
        Layout{"InstalledPrefix", {"usr/share/khrestyky/data/media/loose.mp3"}, "usr/bin",
               "data\\media\\loose.mp3", "usr/share/khrestyky/data/media/loose.mp3"},
        Layout{"ProgramFolderFirst",
               {"usr/bin/data/media/loose.mp3", "usr/share/khrestyky/data/media/loose.mp3"},
               "usr/bin", "data\\media\\loose.mp3", "usr/bin/data/media/loose.mp3"},
        Layout{"FolderOfThatNameIsNoFile",
               {"usr/bin/data/media/game.mp3/", "usr/share/khrestyky/data/media/game.mp3"},
               "usr/bin", "data\\media\\game.mp3", "usr/share/khrestyky/data/media/game.mp3"},
        Layout{"Nowhere", {"usr/share/khrestyky/data/media/loose.mp3", "usr/bin/click.wav"},
               "usr/bin", "data\\media\\click.wav", ""}),
    [](const testing::TestParamInfo<Layout>& info) { return info.param.what; });

}  // namespace
