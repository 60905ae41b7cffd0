// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "game/board.h"

#include <algorithm>

namespace game {

int EmptyCellCount(const Board& board) {
  int count = 0;
  for (int cell = kFirstCell; cell <= kLastCell; ++cell) count += IsEmpty(board, cell);
  return count;
}

bool LineComplete(const Board& board, const Line& line, std::string_view mark) {
  return std::all_of(line.begin(), line.end(),
                     [&](int cell) { return Holds(board, cell, mark); });
}

bool PersonMove(Board& board, int cell) {
  if (!IsEmpty(board, cell)) return false;
  board[cell] = kPersonMark;
  return true;
}

void ClearCells(Board& board) {
  for (int cell = kFirstCell; cell <= kLastCell; ++cell) board[cell].clear();
}

}  // namespace game
