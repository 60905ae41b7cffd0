// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "opponent/line_rules.h"

#include <array>
#include <span>

namespace opponent {
namespace {

using game::Board;

// Two partner cells that must hold the rule's mark, and the empty target.
struct Pattern {
  int partner1;
  int partner2;
  int target;
};

// Within a row the target is tried left to right.
constexpr std::array<Pattern, 9> kRowPatterns{{
    {2, 3, 1}, {1, 3, 2}, {1, 2, 3},
    {5, 6, 4}, {4, 6, 5}, {4, 5, 6},
    {8, 9, 7}, {7, 9, 8}, {7, 8, 9},
}};

// Within a column the target is tried bottom to top.
constexpr std::array<Pattern, 9> kColumnPatterns{{
    {1, 4, 7}, {1, 7, 4}, {4, 7, 1},
    {2, 5, 8}, {2, 8, 5}, {5, 8, 2},
    {3, 6, 9}, {3, 9, 6}, {6, 9, 3},
}};

// Within a diagonal the target is tried from the far end back to the
// starting corner.
constexpr std::array<Pattern, 6> kDiagonalPatterns{{
    {1, 5, 9}, {1, 9, 5}, {5, 9, 1},
    {3, 5, 7}, {3, 7, 5}, {5, 7, 3},
}};

bool CompleteFirst(Board& board, std::span<const Pattern> patterns,
                   std::string_view mark) {
  for (const Pattern& p : patterns) {
    if (game::Holds(board, p.partner1, mark) && game::Holds(board, p.partner2, mark) &&
        game::IsEmpty(board, p.target)) {
      board[p.target] = game::kComputerMark;
      return true;
    }
  }
  return false;
}

}  // namespace

bool WinRow(Board& board) { return CompleteFirst(board, kRowPatterns, game::kComputerMark); }
bool WinColumn(Board& board) {
  return CompleteFirst(board, kColumnPatterns, game::kComputerMark);
}
bool WinDiagonal(Board& board) {
  return CompleteFirst(board, kDiagonalPatterns, game::kComputerMark);
}
bool BlockRow(Board& board) { return CompleteFirst(board, kRowPatterns, game::kPersonMark); }
bool BlockColumn(Board& board) {
  return CompleteFirst(board, kColumnPatterns, game::kPersonMark);
}
bool BlockDiagonal(Board& board) {
  return CompleteFirst(board, kDiagonalPatterns, game::kPersonMark);
}

}  // namespace opponent
