// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
//
// The players through the real SDL2_mixer, on SDL's dummy audio driver,
// which mixes in real time and throws the result away.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <atomic>
#include <chrono>
#include <climits>
#include <csignal>
#include <cstdint>
#include <filesystem>
#include <ostream>
#include <random>
#include <string>
#include <thread>

#include "sound/media_player.h"
#include "support/shipped_sounds.h"
#include "support/temp_folder.h"

namespace {

using sound::MediaPlayer;
using sound::SearchPath;
using testing_support::BuildTree;
using testing_support::kShippedSounds;
using testing_support::ShippedSound;
using testing_support::TempFolder;

// Sounds play on in the mixer's thread, so a test polls for what it
// expects. The bound only keeps a broken player from hanging the run.
template <typename Condition>
bool WaitFor(Condition condition) {
  using namespace std::chrono_literals;
  const auto give_up = std::chrono::steady_clock::now() + 30s;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > give_up) {
      return false;
    }
    std::this_thread::sleep_for(2ms);
  }
  return true;
}

// A test sound in the mixer's format (22.05 kHz mono, 16-bit), which the
// mixer passes on sample for sample. Every sample tells its own place:
// sample i holds i + 1, so silence (0) is never part of it.
constexpr int kRampSamples = 32000;  // 1.45 s

std::string RampWave() {
  std::string bytes;
  const auto put = [&bytes](std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
      bytes.push_back(static_cast<char>(value >> (8 * i) & 0xFF));
    }
  };
  constexpr std::uint32_t kRate = 22050;
  constexpr std::uint32_t kDataBytes = 2 * kRampSamples;
  bytes += "RIFF";
  put(36 + kDataBytes, 4);
  bytes += "WAVEfmt ";
  put(16, 4);  // the size of the format, then PCM, mono
  put(1, 2);
  put(1, 2);
  put(kRate, 4);
  put(2 * kRate, 4);  // bytes a second, then bytes a sample, 16 bits
  put(2, 2);
  put(16, 2);
  bytes += "data";
  put(kDataBytes, 4);
  for (int i = 0; i < kRampSamples; ++i) {
    put(static_cast<std::uint32_t>(i + 1), 2);
  }
  return bytes;
}

// Listens to what the mixer sends to the device, after every channel is
// mixed in. With the ramp playing alone, the first sample of each buffer
// says where in the ramp the mixer is.
class MixerListener {
 public:
  MixerListener() { Mix_RegisterEffect(MIX_CHANNEL_POST, &Hear, nullptr, this); }
  ~MixerListener() { Mix_UnregisterEffect(MIX_CHANNEL_POST, &Hear); }
  MixerListener(const MixerListener&) = delete;
  MixerListener& operator=(const MixerListener&) = delete;

  // Buffers that held any sound at all.
  int sounding() const { return sounding_; }
  // Buffers that began with the ramp's first sample.
  int starts() const { return starts_; }
  // Times the ramp was heard at an earlier place than before (the first
  // start counts too).
  int rewinds() const { return rewinds_; }
  // Buffers of the ramp since the last rewind.
  int since_rewind() const { return since_rewind_; }

 private:
  static void Hear(int, void* stream, int length, void* self) {
    static_cast<MixerListener*>(self)->Hear(static_cast<const Sint16*>(stream), length / 2);
  }

  void Hear(const Sint16* samples, int count) {
    for (int i = 0; i < count; ++i) {
      if (samples[i] != 0) {
        ++sounding_;
        break;
      }
    }
    if (count == 0 || samples[0] <= 0) {
      return;
    }
    const int place = samples[0] - 1;
    starts_ += place == 0 ? 1 : 0;
    if (place < last_place_) {
      ++rewinds_;
      since_rewind_ = 0;
    } else {
      ++since_rewind_;
    }
    last_place_ = place;
  }

  std::atomic<int> sounding_{0};
  std::atomic<int> starts_{0};
  std::atomic<int> rewinds_{0};
  std::atomic<int> since_rewind_{0};
  int last_place_ = INT_MAX;  // the mixer's thread only
};

double DecodedSeconds(const std::filesystem::path& file) {
  int frequency = 0;
  Uint16 format = 0;
  int channels = 0;
  Mix_QuerySpec(&frequency, &format, &channels);
  const std::u8string name = file.u8string();
  Mix_Chunk* chunk = Mix_LoadWAV(reinterpret_cast<const char*>(name.c_str()));
  if (chunk == nullptr) {
    return 0;
  }
  const double bytes_a_second = frequency * channels * (SDL_AUDIO_BITSIZE(format) / 8.0);
  const double seconds = chunk->alen / bytes_a_second;
  Mix_FreeChunk(chunk);
  return seconds;
}

class ShippedSoundPlays : public testing::TestWithParam<ShippedSound> {};

// A missing or broken sound file fails the build's checks, not the game.
TEST_P(ShippedSoundPlays, ToItsEndOnce) {
  const ShippedSound& shipped = GetParam();
  const SearchPath search = BuildTree();
  MediaPlayer player(shipped.stored_name, 1);
  player.Load(search);
  ASSERT_TRUE(player.loaded());
  const double seconds = DecodedSeconds(search.Find(shipped.stored_name));
  EXPECT_GE(seconds, shipped.shortest_seconds);
  EXPECT_LE(seconds, shipped.longest_seconds);

  MixerListener listener;
  player.Play();
  EXPECT_TRUE(WaitFor([&] { return !player.playing(); })) << "still sounding";
  EXPECT_GT(listener.sounding(), 0) << "nothing reached the device";
  EXPECT_EQ(player.starts(), 1);
}

INSTANTIATE_TEST_SUITE_P(Sounds, ShippedSoundPlays, testing::ValuesIn(kShippedSounds),
                         [](const testing::TestParamInfo<ShippedSound>& info) {
                           return sound::ToPlatformPath(info.param.stored_name).stem().string();
                         });

class RampPlayer : public testing::Test {
 protected:
  RampPlayer() { folder_.Write("data/media/ramp.wav", RampWave()); }
  // The ramp in its own folder; the sound module in the build tree.
  SearchPath search() const { return SearchPath({folder_.path(), KHRESTYKY_PROGRAM_FOLDER}); }

 private:
  TempFolder folder_;
};

// The game relies on every start beginning at the top, also while the
// sound still plays.
TEST_F(RampPlayer, RestartWhileSoundingBeginsAtTheTop) {
  MediaPlayer player("data\\media\\ramp.wav", 1);
  player.Load(search());
  ASSERT_TRUE(player.loaded());
  MixerListener listener;

  player.Play();
  ASSERT_TRUE(WaitFor([&] { return listener.starts() == 1 && listener.since_rewind() >= 4; }));
  ASSERT_TRUE(player.playing());
  player.Play();

  EXPECT_TRUE(WaitFor([&] { return listener.starts() == 2; }))
      << "the second start went on where the first had got to";
  EXPECT_EQ(player.starts(), 2);
}

// The game track's setting: once started, the sound comes round again and
// again.
TEST_F(RampPlayer, PlayCountZeroRepeatsWithoutEnd) {
  MediaPlayer player("data\\media\\ramp.wav", 0);
  player.Load(search());
  ASSERT_TRUE(player.loaded());
  MixerListener listener;

  player.Play();
  ASSERT_TRUE(WaitFor([&] { return listener.rewinds() >= 2 && listener.since_rewind() >= 4; }));
  EXPECT_TRUE(player.playing());
}

// A click answered by the computer's winning move sounds with the loss:
// each player has a channel of its own, so neither cuts the other short.
TEST(MediaPlayer, TwoPlayersSoundAtTheSameTime) {
  const SearchPath search = BuildTree();
  MediaPlayer loss("data\\media\\loose.mp3", 1);
  MediaPlayer click("data\\media\\click.wav", 1);
  loss.Load(search);
  click.Load(search);
  ASSERT_TRUE(loss.loaded() && click.loaded());

  loss.Play();
  click.Play();
  ASSERT_TRUE(WaitFor([&] { return !click.playing(); }));
  EXPECT_TRUE(loss.playing());
}

using SignalHandler = void (*)(int);

SignalHandler HandlerOf(int signal) {
  const SignalHandler handler = std::signal(signal, SIG_DFL);
  std::signal(signal, handler);
  return handler;
}

// SDL would turn Ctrl+C and a request to end into events that the game
// never reads, and the program would no longer end on them.
TEST(MediaPlayer, LoadingLeavesTheProgramsSignalsAlone) {
  const SignalHandler interrupt = HandlerOf(SIGINT);
  const SignalHandler terminate = HandlerOf(SIGTERM);
  MediaPlayer player("data\\media\\click.wav", 1);
  player.Load(BuildTree());
  ASSERT_TRUE(player.loaded());

  EXPECT_EQ(HandlerOf(SIGINT), interrupt);
  EXPECT_EQ(HandlerOf(SIGTERM), terminate);
}

struct BrokenFile {
  const char* what;
  std::string bytes;
};

void PrintTo(const BrokenFile& file, std::ostream* out) { *out << file.what; }

std::string Garbage() {
  std::string bytes;
  std::minstd_rand random(7);
  for (int i = 0; i < 4096; ++i) {
    bytes.push_back(static_cast<char>(random()));
  }
  return bytes;
}

class SilentPlayer : public testing::TestWithParam<BrokenFile> {};

// A file that cannot be heard leaves the player silent; the game goes on.
TEST_P(SilentPlayer, CountsItsStartsAndPlaysNothing) {
  TempFolder folder;
  if (GetParam().what != std::string("Missing")) {
    folder.Write("data/media/broken.mp3", GetParam().bytes);
  }
  MediaPlayer player("data\\media\\broken.mp3", 1);
  player.Load(SearchPath({folder.path(), KHRESTYKY_PROGRAM_FOLDER}));
  EXPECT_FALSE(player.loaded());

  player.Play();
  player.Play();
  EXPECT_EQ(player.starts(), 2);
  EXPECT_FALSE(player.playing());
}

INSTANTIATE_TEST_SUITE_P(
    Files, SilentPlayer,
    testing::Values(BrokenFile{"Missing", ""}, BrokenFile{"Empty", ""},
                    BrokenFile{"Text", "not a sound at all\n"},
                    BrokenFile{"Garbage", Garbage()},
                    BrokenFile{"WaveHeaderOnly", RampWave().substr(0, 30)},
                    BrokenFile{"TagWithoutFrames", "ID3\x03" + std::string(6, '\0') + Garbage()}),
    [](const testing::TestParamInfo<BrokenFile>& info) { return info.param.what; });

}  // namespace
