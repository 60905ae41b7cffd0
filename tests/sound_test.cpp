// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
//
// Where the players find their files, and the players through the real
// sound module on SDL2, on SDL's dummy audio driver, which takes the mixed
// output in real time and throws it away, or on none. Each test runs in a
// process of its own, so each loads the sound module afresh.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <future>
#include <iterator>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "sound/loaded_sound.h"
#include "sound/media_player.h"
#include "sound/sound_file.h"
#include "sound/sound_module.h"
#include "support/shipped_sounds.h"
#include "support/temp_folder.h"

namespace {

using sound::MediaPlayer;
using sound::SearchPath;
using testing_support::BuildTree;
using testing_support::kShippedSounds;
using testing_support::TempFolder;

// A valid WAVE file of `frames` sample frames of 16-bit noise at `rate`
// with `channels` channels.
std::string NoiseWave(std::uint32_t rate, std::uint32_t channels, std::uint32_t frames) {
  const std::uint32_t frame = 2 * channels, data = frames * frame;
  std::string bytes;
  // "RIFF", its size, "WAVEfmt ", the format's size, PCM, the channels,
  // the rate, the bytes a second and a frame, 16 bits, "data", its size
  for (const auto& [value, count] : {std::pair<std::uint32_t, int>{0x46464952, 4}, {36 + data, 4},
           {0x45564157, 4}, {0x20746D66, 4}, {16, 4}, {1, 2}, {channels, 2}, {rate, 4},
           {frame * rate, 4}, {frame, 2}, {16, 2}, {0x61746164, 4}, {data, 4}}) {
    for (int i = 0; i < count; ++i) bytes.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
  }
  std::uint32_t noise = 1;
  for (std::uint32_t i = 0; i < data; ++i) bytes.push_back(static_cast<char>(noise = noise * 1103515245 + 12345));
  return bytes;
}

// Waits until `done`, polling: the sounds play on in the audio output's
// thread. The 30 s only keep a broken player from hanging the run.
bool Eventually(const std::function<bool()>& done) {
  for (int i = 0; i < 15000 && !done(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(2));
  return done();
}

// A sound written into a folder of its own; the sound module from the
// build tree, unless the folder is to be searched alone.
class OwnSound : public testing::Test {
 protected:
  MediaPlayer& Player(const std::string& bytes, bool with_module = true) {
    folder_.Write("data/media/own.wav", bytes);
    player_ = std::make_unique<MediaPlayer>("data\\media\\own.wav", 1);
    std::vector<std::filesystem::path> folders{folder_.path()};
    if (with_module) folders.emplace_back(KHRESTYKY_PROGRAM_FOLDER);
    player_->Load(SearchPath(std::move(folders)));
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
      {{"usr/share/khrestyky/data/media/loose.mp3"}, "data\\media\\loose.mp3",
       "usr/share/khrestyky/data/media/loose.mp3"},
      {{"usr/bin/data/media/loose.mp3", "usr/share/khrestyky/data/media/loose.mp3"},
       "data/media/loose.mp3", "usr/bin/data/media/loose.mp3"},
      {{"usr/bin/data/media/game.mp3/", "usr/lib/khrestyky/data/media/game.mp3"},
       "data\\media\\game.mp3", "usr/lib/khrestyky/data/media/game.mp3"},
      {{"usr/share/khrestyky/data/media/loose.mp3", "usr/bin/click.wav"},
       "data\\media\\click.wav", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored_name);
    TempFolder root;
    for (const auto& file : c.files) {
      if (file.ends_with('/')) std::filesystem::create_directories(root.path() / file);
      else root.Write(file, "sound");
    }
    const auto found = SearchPath::ForProgramIn(root.path() / "usr/bin").Find(c.stored_name);
    EXPECT_EQ(found.empty() ? "" : std::filesystem::relative(found, root.path()).generic_string(),
              c.expected);
  }
}

// With no audio output, the device is tried once for all the players, and
// the reason told once; each player stays silent and counts its starts.
TEST(NoAudioDevice, EveryPlayerStaysSilentAndCountsItsStarts) {
  SDL_setenv("SDL_AUDIODRIVER", "nonexistent", 1);
  testing::internal::CaptureStderr();
  for (const auto& shipped : kShippedSounds) {
    MediaPlayer player(shipped.stored_name, shipped.play_count);
    player.Load(BuildTree());
    player.Load(BuildTree());  // trying again finds no device either
    player.Play();
    player.Play();
    EXPECT_FALSE(player.loaded() || player.playing()) << shipped.stored_name;
    EXPECT_EQ(player.starts(), 2) << shipped.stored_name;
  }
  const std::string told = testing::internal::GetCapturedStderr();
  EXPECT_EQ(told.find("no sound"), told.rfind("no sound")) << told;
  EXPECT_NE(told.find("no sound"), std::string::npos) << told;
}

// The game's sounds load without a word and leave the program's signals
// alone: SDL would turn Ctrl+C and a request to end into events that the
// game never reads, and the program would no longer end on them. The click
// plays to its end while the loss still sounds: each player has a channel
// of its own. The audio output belongs to the players, not to the sound
// module: the last player's end closes it, and SDL's audio with it, long
// before the module is unloaded; the next player opens it again.
TEST(ShippedSounds, PlayEachOnItsOwnChannelWhileAPlayerLives) {
  const auto handler_of = [](int signal) {
    const auto handler = std::signal(signal, SIG_DFL);
    std::signal(signal, handler);
    return handler;
  };
  const auto interrupt = handler_of(SIGINT);
  const auto terminate = handler_of(SIGTERM);
  for (int round = 1; round <= 2; ++round) {
    SCOPED_TRACE(round);
    {
      testing::internal::CaptureStderr();
      MediaPlayer loss(kShippedSounds[1].stored_name, 1);
      auto click = std::make_unique<MediaPlayer>(kShippedSounds[0].stored_name, 1);
      MediaPlayer track(kShippedSounds[2].stored_name, 0);
      for (MediaPlayer* player : {&loss, click.get(), &track}) player->Load(BuildTree());
      ASSERT_TRUE(loss.loaded() && click->loaded() && track.loaded());
      EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
      EXPECT_EQ(handler_of(SIGINT), interrupt);
      EXPECT_EQ(handler_of(SIGTERM), terminate);

      loss.Play();
      click->Play();
      ASSERT_TRUE(Eventually([&click] { return !click->playing(); }));
      EXPECT_TRUE(loss.playing());
      click.reset();
      EXPECT_NE(SDL_WasInit(SDL_INIT_AUDIO), 0u) << "closed while a player was left";
    }
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u) << "left open when the last player ended";
  }
}

// SDL's allocator, with its next reallocation of a block made to fail
// when asked.
std::atomic<bool> failNextReallocation{false};
SDL_realloc_func sdlRealloc = nullptr;

void* SDLCALL Reallocate(void* memory, std::size_t size) {
  return memory && failNextReallocation.exchange(false) ? nullptr : sdlRealloc(memory, size);
}

// A file that cannot be heard, one too large to load and one that finds
// no memory to be converted in leave the player silent, with one line that
// says why; the game goes on. So do folders without the sound module,
// told once for all. Once loaded, the module serves the players of any
// folder. One frame at 44.1 kHz is less than a sample at the output's rate.
TEST_F(OwnSound, UnheardFilesLeaveThePlayerSilent) {
  SDL_malloc_func allocate;
  SDL_calloc_func clear;
  SDL_free_func release;
  SDL_GetMemoryFunctions(&allocate, &clear, &sdlRealloc, &release);
  SDL_SetMemoryFunctions(allocate, clear, Reallocate, release);
  const std::string wave = NoiseWave(44100, 2, 4410);
  const struct {
    std::string bytes;
    bool with_module = true;
    bool no_memory = false;
  } cases[] = {{wave, false}, {wave, false}, {""}, {"not a sound at all\n"},
               {NoiseWave(44100, 2, 1).substr(0, 30)},
               {NoiseWave(44100, 2, (sound::kLargestSoundFile - 40) / 4)},
               {NoiseWave(44100, 2, 1)}, {wave, true, true}};
  testing::internal::CaptureStderr();
  for (const auto& c : cases) {
    failNextReallocation = c.no_memory;
    MediaPlayer& player = Player(c.bytes, c.with_module);
    EXPECT_FALSE(player.loaded()) << c.bytes.size() << " bytes";
    player.Play();
  }
  EXPECT_TRUE(Player(wave, false).loaded());
  const std::string told = testing::internal::GetCapturedStderr();
  const auto lines = std::count(told.begin(), told.end(), '\n');
  EXPECT_EQ(lines, static_cast<std::ptrdiff_t>(std::size(cases)) - 1) << told;
}

std::atomic<int> finishedPlays{0};

// A click must neither wait for a long sound nor be lost to it. Load
// returns at once and a start before the long sound is ready is silent;
// while it decodes, every start of the loaded click sounds (to its end or
// until the next start cuts it short); and the long sound plays once it
// is ready.
TEST_F(OwnSound, ClickSoundsWhileALongSoundDecodes) {
  MediaPlayer click(kShippedSounds[0].stored_name, 1);
  click.Load(BuildTree());
  ASSERT_TRUE(click.loaded());
  ASSERT_TRUE(sound::SetSoundEndedHook(BuildTree(), [](long) { ++finishedPlays; }));

  const std::string track = sound::ReadSoundFile(BuildTree().Find(kShippedSounds[2].stored_name)).bytes;
  std::string longMp3;  // the game track many times over, long to decode
  for (int i = 0; i < 150; ++i) longMp3 += track;
  MediaPlayer& long_sound = Player(longMp3);
  long_sound.Play();
  EXPECT_FALSE(long_sound.playing()) << "the start waited for the sound";
  auto loaded = std::async(std::launch::async, [&long_sound] { return long_sound.loaded(); });
  while (loaded.wait_for(std::chrono::milliseconds(1)) != std::future_status::ready) click.Play();
  ASSERT_TRUE(loaded.get());
  EXPECT_TRUE(Eventually([&click] { return finishedPlays == click.starts(); })) << "starts were lost";
  long_sound.Play();
  EXPECT_TRUE(long_sound.playing());
}

std::atomic<long> lastHeard{-1};

// The frames heard of the player's next play, to its end; -1 when it has
// not ended within 30 s.
long FramesHeardOfOnePlay(MediaPlayer& player) {
  lastHeard = -1;
  player.Play();
  Eventually([] { return lastHeard >= 0; });
  return lastHeard;
}

// A sound in another format than the output's is converted when it is
// decoded, and plays the whole of its converted length, no more and no
// less: WAVE files at other rates and channel counts, down and up. The
// game's MP3s are 22.05 kHz mono, the output's format: the game track
// decodes to 72000 samples (data/make-sounds tells why), and plays them
// all; with its own play count, 0, it repeats without end.
TEST_F(OwnSound, ConvertedSoundsPlayTheirWholeLength) {
  ASSERT_TRUE(sound::SetSoundEndedHook(BuildTree(), [](long frames) { lastHeard = frames; }));
  const struct {
    std::uint32_t rate, channels, frames;
  } waves[] = {{44100, 2, 4410}, {48000, 2, 5000}, {11025, 1, 1500}, {32000, 1, 3000}};
  for (const auto& wave : waves) {
    SCOPED_TRACE(testing::Message() << wave.rate << " Hz, " << wave.channels << " channels");
    MediaPlayer& player = Player(NoiseWave(wave.rate, wave.channels, wave.frames));
    ASSERT_TRUE(player.loaded());
    const double converted = static_cast<double>(wave.frames) * sound::kOutputFrequency / wave.rate;
    EXPECT_NEAR(FramesHeardOfOnePlay(player), converted, 1);
  }
  MediaPlayer track(kShippedSounds[2].stored_name, 1);
  MediaPlayer repeated(kShippedSounds[2].stored_name, kShippedSounds[2].play_count);
  for (MediaPlayer* player : {&track, &repeated}) player->Load(BuildTree());
  ASSERT_TRUE(track.loaded() && repeated.loaded());
  repeated.Play();
  EXPECT_EQ(FramesHeardOfOnePlay(track), 72000);
  EXPECT_TRUE(repeated.playing());
}

// The program runs as a copy of this test in a folder whose name holds
// bytes that are no UTF-8, with a sound and the sound module beside it:
// it must find both.
TEST(SoundFolder, NamedInBytesThatAreNoUtf8) {
#ifndef __linux__
  GTEST_SKIP() << "Windows names its folders in UTF-16, not in bytes";
#else
  if (std::getenv("KHRESTYKY_IN_OTHER_FOLDER")) {
    MediaPlayer player(kShippedSounds[0].stored_name, 1);
    player.Load(SearchPath::ForThisProgram());
    EXPECT_TRUE(player.loaded());
    return;
  }
  TempFolder root;
  const auto folder = root.path() / "\xff\xfe-\xe8\xe0\xf0";  // Windows-1251 bytes too
  const std::filesystem::path build = KHRESTYKY_PROGRAM_FOLDER;
  for (const std::filesystem::path file : {"data/media/click.wav", KHRESTYKY_SOUND_MODULE}) {
    std::filesystem::create_directories((folder / file).parent_path());
    std::filesystem::copy_file(build / file, folder / file);
  }
  std::filesystem::copy_file("/proc/self/exe", folder / "copy");
  const std::string command = "KHRESTYKY_IN_OTHER_FOLDER=1 '" + (folder / "copy").native() +
                              "' --gtest_filter=SoundFolder.*";
  EXPECT_EQ(std::system(command.c_str()), 0);
#endif
}

}  // namespace
