// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
//
// Plays one of the game's sounds once, through a player and the sound
// module as the game window does, with a little silence before and after,
// and waits for its end. Run with SDL_AUDIODRIVER=disk, SDL writes the
// audio output to the file that SDL_DISKAUDIOFILE names.
//
//   record_sound STORED_NAME     (data\media\click.wav)
//
// Prints the sample frames that the module reports heard; exits non-zero
// when the sound cannot be loaded or does not end within 30 s.
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

#include "sound/media_player.h"
#include "sound/sound_module.h"

namespace {

std::atomic<long> heard{-1};

}  // namespace

int main(int argc, char** argv) {
  using namespace std::chrono_literals;
  if (argc != 2) {
    std::fprintf(stderr, "usage: record_sound STORED_NAME\n");
    return 2;
  }
  const auto search = sound::SearchPath::ForProgramIn(KHRESTYKY_PROGRAM_FOLDER);
  sound::MediaPlayer player(argv[1], 1);
  player.Load(search);
  if (!player.loaded() || !sound::SetSoundEndedHook(search, [](long frames) { heard = frames; })) {
    std::fprintf(stderr, "record_sound: %s cannot be played\n", argv[1]);
    return 1;
  }
  std::this_thread::sleep_for(100ms);
  player.Play();
  for (int i = 0; i < 3000 && heard < 0; ++i) std::this_thread::sleep_for(10ms);
  if (heard < 0) {
    std::fprintf(stderr, "record_sound: %s did not end\n", argv[1]);
    return 1;
  }
  // The buffer that held the sound's end reaches the output after it.
  std::this_thread::sleep_for(100ms);
  std::printf("%ld\n", heard.load());
  return 0;
}
