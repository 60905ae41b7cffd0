// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include "game/board.h"

namespace game {

enum class Outcome { InPlay, PersonWon, ComputerWon, Draw };

struct OutcomeDecision {
  Outcome outcome = Outcome::InPlay;
  // Index into kLines of the first complete line of the winner; -1 for a
  // draw or a round in play.
  int line = -1;

  // The person's win on the bottom row shows the other again-button.
  bool OnBottomRow() const { return line == kBottomRow; }
};

// Decides the round on the board: the person's lines first, so a move that
// completes a line of X wins even when the computer's reply completed a
// line of O as well; then the computer's lines; then a full board is a
// draw. Index 0 belongs to no line and is no empty cell.
OutcomeDecision DecideOutcome(const Board& board);

}  // namespace game
