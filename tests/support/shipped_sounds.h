// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <array>

#include "sound/search_path.h"

namespace testing_support {

// The game window's three players: the click, the loss and the game track,
// with their play counts.
struct ShippedSound {
  const char* stored_name;
  int play_count;
};

inline constexpr std::array<ShippedSound, 3> kShippedSounds{{
    {"data\\media\\click.wav", 1},
    {"data\\media\\loose.mp3", 1},
    {"data\\media\\game.mp3", 0},
}};

// The program's folder in the build tree, where the build copies the
// shipped sounds to data/media/.
inline sound::SearchPath BuildTree() {
  return sound::SearchPath::ForProgramIn(KHRESTYKY_PROGRAM_FOLDER);
}

}  // namespace testing_support
