// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <atomic>
#include <memory>

struct Mix_Chunk;

namespace sound {

// The audio output and its mixer, opened once for all players, the first
// time a sound needs it, and closed when the program ends. Each player
// sounds on a mixer channel of its own, so a new sound never cuts another
// player short.
class AudioDevice {
 public:
  // The open device; null when there is no audio output (no driver,
  // device busy). It is tried once only: the failure is told once on
  // stderr, with whatever the audio system prints itself, and the game
  // goes on silent.
  static std::shared_ptr<AudioDevice> Share();

  ~AudioDevice();
  AudioDevice(const AudioDevice&) = delete;
  AudioDevice& operator=(const AudioDevice&) = delete;

  // The sound held in a file's bytes, decoded into the mixer's format; null
  // when it cannot be decoded (SDL_GetError tells why). The sound is
  // decoded and converted in memory of its own and only then handed to the
  // mixer: the mixer's own loaders decode an MP3 with the audio device
  // locked, and a start on the window's thread would wait for the whole
  // decode.
  Mix_Chunk* Decode(const void* bytes, std::size_t size);
  // Starts the chunk on the channel, also while another sound is decoded.
  void Start(int channel, Mix_Chunk* chunk, int loops);

  // A channel that no other player holds, at full volume: the next one.
  // The game's three players are made once and kept to the end, well
  // within the eight channels the mixer starts with. Players claim their
  // channels from different threads.
  int ClaimChannel();
  // Stops the channel, so that the mixer no longer reads the player's sound.
  void ReleaseChannel(int channel);

 private:
  AudioDevice() = default;

  std::atomic<int> nextChannel_{0};
};

}  // namespace sound
