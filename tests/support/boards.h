// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "game/board.h"

namespace testing_support {

// A board written as nine characters in reading order: 'X', 'O' or '.'.
inline game::Board BoardOf(std::string_view cells, std::string_view slot0 = game::kEmpty) {
  game::Board board;
  board[0] = slot0;
  for (int cell = 1; cell <= 9; ++cell) {
    const char c = cells.at(static_cast<std::size_t>(cell - 1));
    board[cell] = c == 'X' ? game::kPersonMark : c == 'O' ? game::kComputerMark : game::kEmpty;
  }
  return board;
}

// The inverse of BoardOf for cells 1..9, for readable failure messages.
inline std::string CellsOf(const game::Board& board) {
  std::string cells;
  for (int cell = 1; cell <= 9; ++cell) {
    cells += board[cell] == game::kPersonMark ? 'X' : board[cell] == game::kComputerMark ? 'O' : '.';
  }
  return cells;
}

}  // namespace testing_support
