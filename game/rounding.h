// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>

namespace game {

// Rounds to the nearest integer, a half going to the even neighbour
// (2.5 gives 2, 3.5 gives 4). Every fractional number the game stores into
// one of its 16-bit integers goes through here; a result outside
// -32768..32767, or a value that is no number at all, is refused rather
// than wrapped.
std::optional<std::int16_t> RoundHalfEven(double value);

}  // namespace game
