// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>

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

// The sound module's one entry point: the sound held in a file's bytes,
// with its play count (1 once, 0 without end), or null when it cannot be
// heard. Then *reason tells why, until the module's next call on the same
// thread, or is null when the module has told it already (no audio
// output). The module reads no files: the players read them, so that file
// names never pass between the two.
using DecodeSoundFunction = LoadedSound* (*)(const void* bytes, std::size_t size, int play_count,
                                             const char** reason);
inline constexpr const char* kDecodeSoundSymbol = "khrestyky_decode_sound";

}  // namespace sound
