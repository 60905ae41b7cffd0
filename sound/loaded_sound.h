// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

namespace sound {

// A sound decoded into memory and bound to a mixer channel of its own, as
// the sound module hands it to a player.
class LoadedSound {
 public:
  virtual ~LoadedSound() = default;

  // Starts the sound from its beginning, cutting short what still sounds.
  virtual void Play() = 0;
  virtual bool Playing() const = 0;
};

// The sound module's one entry point: the sound in the file (UTF-8 name)
// with its play count (1 once, 0 without end), or null when it cannot be
// heard (no audio output, or a file that cannot be decoded).
using OpenSoundFunction = LoadedSound* (*)(const char* utf8_path, int play_count);
inline constexpr const char* kOpenSoundSymbol = "khrestyky_open_sound";

}  // namespace sound
