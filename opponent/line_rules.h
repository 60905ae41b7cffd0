// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include "game/board.h"

namespace opponent {

// The six line rules. Each looks for a line with two equal marks and an
// empty third cell, in a fixed order of lines and of targets within a line,
// and writes "Oo" into the first such target. The winning rules look for
// two "Oo", the blocking rules for two "Xx". Each returns whether it wrote;
// it writes at most one mark and nothing when no pattern matches.
bool WinRow(game::Board& board);
bool WinColumn(game::Board& board);
bool WinDiagonal(game::Board& board);
bool BlockRow(game::Board& board);
bool BlockColumn(game::Board& board);
bool BlockDiagonal(game::Board& board);

}  // namespace opponent
