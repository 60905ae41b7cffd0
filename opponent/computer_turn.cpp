// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "opponent/computer_turn.h"

#include "game/rounding.h"
#include "opponent/line_rules.h"
#include "opponent/positional_move.h"

namespace opponent {

std::int16_t FlipCoin(game::RandomSource& source, std::int16_t& coinFlip) {
  coinFlip = *game::RoundHalfEven(source.Next() * 2.0f);
  return coinFlip;
}

int OpeningSlot(float r) {
  const float x = r * 9.0f;  // single precision: its rounding moves the ties
  return *game::RoundHalfEven(x);
}

void ComputerTurn(game::Board& board, game::RandomSource& source, std::int16_t& coinFlip) {
  if (FlipCoin(source, coinFlip) == 1) {
    const int slot = OpeningSlot(source.Next());
    if (game::EmptyCellCount(board) == 9) board[slot] = game::kComputerMark;
  }
  if (WinRow(board) || WinColumn(board) || WinDiagonal(board) || BlockRow(board) ||
      BlockColumn(board) || BlockDiagonal(board)) {
    return;
  }
  PositionalMove(board, source);
}

}  // namespace opponent
