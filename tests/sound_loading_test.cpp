// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
//
// Loading off the window's thread, the size limit, and folders named in
// bytes that are no UTF-8.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "sound/media_player.h"
#include "sound/sound_file.h"
#include "support/temp_folder.h"

namespace {

using sound::MediaPlayer;
using sound::SearchPath;
using testing_support::TempFolder;

// A valid WAVE file of about `size` bytes of CD-quality noise, which the
// player must convert to the mixer's format.
std::string NoiseWave(std::uint32_t size) {
  std::string bytes;
  const auto put = [&bytes](std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) bytes.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
  };
  const std::uint32_t data = (size - 44) & ~3u;
  bytes += "RIFF";
  put(36 + data, 4);
  bytes += "WAVEfmt ";
  put(16, 4);
  put(1, 2);  // PCM, stereo, 44.1 kHz, 16 bits
  put(2, 2);
  put(44100, 4);
  put(4 * 44100, 4);
  put(4, 2);
  put(16, 2);
  bytes += "data";
  put(data, 4);
  std::uint32_t noise = 1;
  for (std::uint32_t i = 0; i < data; ++i) bytes.push_back(static_cast<char>(noise = noise * 1103515245 + 12345));
  return bytes;
}

class LargeSound : public testing::Test {
 protected:
  SearchPath search() const { return SearchPath({folder_.path(), KHRESTYKY_PROGRAM_FOLDER}); }
  TempFolder folder_;
};

// A click must not wait for a long sound: Load returns at once, a start
// before the sound is ready is silent, and the sound plays once it is.
TEST_F(LargeSound, LoadsWhileThePlayerGoesOn) {
  folder_.Write("data/media/long.wav", NoiseWave(sound::kLargestSoundFile));
  MediaPlayer player("data\\media\\long.wav", 1);
  player.Load(search());
  player.Play();
  EXPECT_FALSE(player.playing()) << "the start waited for the sound";

  ASSERT_TRUE(player.loaded());
  player.Play();
  EXPECT_TRUE(player.playing());
  EXPECT_EQ(player.starts(), 2);
}

TEST_F(LargeSound, AboveTheLimitIsRefused) {
  folder_.Write("data/media/long.wav", NoiseWave(sound::kLargestSoundFile + 4));
  MediaPlayer player("data\\media\\long.wav", 1);
  player.Load(search());
  EXPECT_FALSE(player.loaded());
}

#ifdef __linux__
// The program runs as a copy of this test in a folder whose name holds
// bytes that are no UTF-8, with a sound and the sound module beside it:
// it must find both.
TEST(SoundFolder, NamedInBytesThatAreNoUtf8) {
  if (std::getenv("KHRESTYKY_IN_OTHER_FOLDER")) {
    MediaPlayer player("data\\media\\click.wav", 1);
    player.Load(SearchPath::ForThisProgram());
    EXPECT_TRUE(player.loaded());
    return;
  }
  TempFolder root;
  const auto folder = root.path() / "\xff\xfe-\xe8\xe0\xf0";  // Windows-1251 bytes too
  const std::filesystem::path build = KHRESTYKY_PROGRAM_FOLDER;
  std::filesystem::create_directories(folder / "data" / "media");
  std::filesystem::copy_file(build / "data" / "media" / "click.wav",
                             folder / "data" / "media" / "click.wav");
  std::filesystem::copy_file(build / KHRESTYKY_SOUND_MODULE, folder / KHRESTYKY_SOUND_MODULE);
  std::filesystem::copy_file("/proc/self/exe", folder / "copy");
  const std::string command = "KHRESTYKY_IN_OTHER_FOLDER=1 '" + (folder / "copy").native() +
                              "' --gtest_filter=SoundFolder.*";
  EXPECT_EQ(std::system(command.c_str()), 0);
}
#endif

}  // namespace
