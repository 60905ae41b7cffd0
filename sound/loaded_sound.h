// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>

namespace sound {

// A sound decoded into memory, in the audio output's own format, and
// mixed into that output on its own, as the sound module hands it to a
// player.
class LoadedSound {
 public:
  virtual ~LoadedSound() = default;

  // Starts the sound from its beginning, cutting short what still sounds.
  virtual void Play() = 0;
  virtual bool Playing() const = 0;
};

// The sound module's one entry point: the sound held in a file's bytes,
// with its play count (1 once, 0 without end), or null when it cannot be
// heard. Then *reason tells why, until the module's next call on the same
// thread, or is null when the module has told it already (no audio
// output). The module reads no files: the players read them, so that file
// names never pass between the two.
using DecodeSoundFunction = LoadedSound* (*)(const void* bytes, std::size_t size, int play_count,
                                             const char** reason);
inline constexpr const char* kDecodeSoundSymbol = "khrestyky_decode_sound";

// The sample frames a second of the audio output, which the module opens
// in the format of the game's files: 22.05 kHz, mono, 16-bit. Every sound
// is converted to it when it is decoded, so the output never converts.
inline constexpr int kOutputFrequency = 22050;

// For the tests: the module calls the hook each time a sound stops
// sounding, whether it played to its end or a start, or the end of its
// player, cut it short, with the sample frames of it that the output took
// since its start (at kOutputFrequency, repeats included). It runs on the
// audio output's thread with the output locked, or on the thread that cut
// the sound short, and must return at once. A null hook calls nothing.
using SoundEndedHook = void (*)(long frames_heard);
using SetSoundEndedHookFunction = void (*)(SoundEndedHook hook);
inline constexpr const char* kSetSoundEndedHookSymbol = "khrestyky_set_sound_ended_hook";

}  // namespace sound
