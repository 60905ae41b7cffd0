// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>

namespace game {

// A tally counter (`WinCount`, `LossCount`, `DrawCount`): a 16-bit signed
// integer that lives as long as the game window.
using Counter = std::int16_t;

// Counts one more round. A counter that already holds 32767 keeps it: a
// long winning streak must never end the game or wrap round to a negative
// count.
void AddOne(Counter& counter);

// The counter as its label shows it: an optional minus sign and the digits,
// no leading blank ("0", "12", "-8").
std::string DecimalText(Counter counter);

}  // namespace game
