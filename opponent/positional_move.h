// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include "game/board.h"
#include "game/random_source.h"

namespace opponent {

// The computer's last resort when no line can be won or must be blocked:
// a few prepared replies to fixed positions, some chosen at random, then
// the centre, the first free cell or a corner, by where the person's marks
// stand. Every call draws at least one number (`RandI`, discarded), and two
// or three more for a prepared reply chosen at random. In every position
// that play can reach it writes at most one "Oo"; in some, none.
void PositionalMove(game::Board& board, game::RandomSource& source);

}  // namespace opponent
