// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
//
// Where the players find their files, and the players through the real
// SDL2_mixer, on SDL's dummy audio driver, which mixes in real time and
// throws the result away. Each test runs in
// a process of its own, so each loads the sound module afresh.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "sound/media_player.h"
#include "sound/sound_file.h"
#include "support/shipped_sounds.h"
#include "support/temp_folder.h"

namespace {

using sound::MediaPlayer;
using sound::SearchPath;
using testing_support::BuildTree;
using testing_support::kShippedSounds;
using testing_support::TempFolder;

// Sounds play on in the mixer's thread, so a test polls for what it
// expects. The bound only keeps a broken player from hanging the run.
template <typename Condition>
bool WaitFor(Condition condition) {
  const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > give_up) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return true;
}

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
  // PCM, stereo, 44.1 kHz, 4 bytes a frame, 16 bits
  for (const auto& [value, count] : {std::pair<std::uint32_t, int>{16, 4}, {1, 2}, {2, 2},
                                     {44100, 4}, {4 * 44100, 4}, {4, 2}, {16, 2}}) {
    put(value, count);
  }
  bytes += "data";
  put(data, 4);
  std::uint32_t noise = 1;
  for (std::uint32_t i = 0; i < data; ++i) bytes.push_back(static_cast<char>(noise = noise * 1103515245 + 12345));
  return bytes;
}

// A sound written into a folder of its own; the module from the build tree.
class OwnSound : public testing::Test {
 protected:
  MediaPlayer& Player(const std::string& bytes, int play_count = 1) {
    folder_.Write("data/media/own.wav", bytes);
    player_ = std::make_unique<MediaPlayer>("data\\media\\own.wav", play_count);
    player_->Load(SearchPath({folder_.path(), KHRESTYKY_PROGRAM_FOLDER}));
    return *player_;
  }

 private:
  TempFolder folder_;
  std::unique_ptr<MediaPlayer> player_;
};

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

// The game's sounds load without a word and play to their end, the click
// while the loss still sounds: each player has a channel of its own.
TEST(ShippedSounds, PlayToTheirEndEachOnItsOwnChannel) {
  testing::internal::CaptureStderr();
  MediaPlayer loss(kShippedSounds[1].stored_name, 1);
  MediaPlayer click(kShippedSounds[0].stored_name, 1);
  MediaPlayer track(kShippedSounds[2].stored_name, 0);
  for (MediaPlayer* player : {&loss, &click, &track}) player->Load(BuildTree());
  ASSERT_TRUE(loss.loaded() && click.loaded() && track.loaded());
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

  loss.Play();
  click.Play();
  ASSERT_TRUE(WaitFor([&] { return !click.playing(); }));
  EXPECT_TRUE(loss.playing());
  EXPECT_TRUE(WaitFor([&] { return !loss.playing(); }));
  EXPECT_EQ(loss.starts(), 1);
}

// The game track's setting: once started, the sound comes round again.
TEST_F(OwnSound, PlayCountZeroRepeatsWithoutEnd) {
  MediaPlayer& player = Player(NoiseWave(4410), 0);  // 25 ms
  ASSERT_TRUE(player.loaded());
  player.Play();
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_TRUE(player.playing());
}

// SDL would turn Ctrl+C and a request to end into events that the game
// never reads, and the program would no longer end on them.
TEST(ShippedSounds, LoadingLeavesTheProgramsSignalsAlone) {
  const auto handler_of = [](int signal) {
    const auto handler = std::signal(signal, SIG_DFL);
    std::signal(signal, handler);
    return handler;
  };
  const auto interrupt = handler_of(SIGINT);
  const auto terminate = handler_of(SIGTERM);
  MediaPlayer player(kShippedSounds[0].stored_name, 1);
  player.Load(BuildTree());
  ASSERT_TRUE(player.loaded());
  EXPECT_EQ(handler_of(SIGINT), interrupt);
  EXPECT_EQ(handler_of(SIGTERM), terminate);
}

// A file that cannot be heard, or one too large to load, leaves the player
// silent; it counts its starts and the game goes on.
TEST_F(OwnSound, UnheardFilesLeaveThePlayerSilent) {
  const std::string files[] = {"", "not a sound at all\n", NoiseWave(1000).substr(0, 30),
                               NoiseWave(sound::kLargestSoundFile + 4)};
  for (const std::string& bytes : files) {
    MediaPlayer& player = Player(bytes);
    EXPECT_FALSE(player.loaded()) << bytes.size() << " bytes";
    player.Play();
    EXPECT_EQ(player.starts(), 1);
    EXPECT_FALSE(player.playing());
  }
}

// A click must not wait for a long sound: Load returns at once, a start
// before the sound is ready is silent, and the sound plays once it is.
TEST_F(OwnSound, LargeSoundLoadsWhileThePlayerGoesOn) {
  MediaPlayer& player = Player(NoiseWave(sound::kLargestSoundFile));
  player.Play();
  EXPECT_FALSE(player.playing()) << "the start waited for the sound";
  ASSERT_TRUE(player.loaded());
  player.Play();
  EXPECT_TRUE(player.playing());
  EXPECT_EQ(player.starts(), 2);
}

#ifdef __linux__
// The program runs as a copy of this test in a folder whose name holds
// bytes that are no UTF-8, with a sound and the sound module beside it:
// it must find both.
TEST(SoundFolder, NamedInBytesThatAreNoUtf8) {
  if (std::getenv("KHRESTYKY_IN_OTHER_FOLDER")) {
    MediaPlayer player(kShippedSounds[0].stored_name, 1);
    player.Load(SearchPath::ForThisProgram());
    EXPECT_TRUE(player.loaded());
    return;
  }
  TempFolder root;
  const auto folder = root.path() / "\xff\xfe-\xe8\xe0\xf0";  // Windows-1251 bytes too
  const std::filesystem::path build = KHRESTYKY_PROGRAM_FOLDER;
  std::filesystem::create_directories(folder / "data" / "media");
  std::filesystem::create_directories((folder / KHRESTYKY_SOUND_MODULE).parent_path());
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
