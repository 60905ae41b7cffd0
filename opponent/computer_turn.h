// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

#include "game/board.h"
#include "game/random_source.h"

namespace opponent {

// `FlipCoin`: r * 2 rounded half-to-even, so 0 for r <= 0.25, 1 below
// 0.75, 2 from 0.75 on (odds 1/4, 1/2, 1/4). Stores the value in
// `coinFlip` and returns it.
std::int16_t FlipCoin(game::RandomSource& source, std::int16_t& coinFlip);

// The opening slot for a draw r: r * 9 in single precision, rounded
// half-to-even, so 0..9 with index 0 and cell 9 half as likely as 1..8.
int OpeningSlot(float r);

// The computer's turn as far as the board goes, with its draws in this
// order: the coin; the opening slot when the coin gave 1 (drawn on any
// board, written only on a board whose nine cells are empty, index 0
// included); then the rule chain `WinRow`, `WinColumn`, `WinDiagonal`,
// `BlockRow`, `BlockColumn`, `BlockDiagonal`, `PositionalMove`, which stops
// at the first rule that writes and so draws only if it reaches the last.
void ComputerTurn(game::Board& board, game::RandomSource& source, std::int16_t& coinFlip);

}  // namespace opponent
