// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace game {

// What a board slot can hold. Cells are tested by exact comparison of the
// whole string, case included.
inline constexpr std::string_view kEmpty = "";
inline constexpr std::string_view kPersonMark = "Xx";
inline constexpr std::string_view kComputerMark = "Oo";

// `Board`: ten slots. Indices 1..9 are the cells in reading order (1, 2, 3
// the top row; the corners 1, 3, 7, 9; the centre 5). Index 0 is a slot but
// no cell: only the computer's opening can write it, and nothing reads it.
using Board = std::array<std::string, 10>;

inline constexpr int kFirstCell = 1;
inline constexpr int kLastCell = 9;
inline constexpr int kCentre = 5;

using Line = std::array<int, 3>;

// The eight lines in the order they are tested: rows top to bottom,
// columns left to right, then the diagonals 1-5-9 and 3-5-7.
inline constexpr std::array<Line, 8> kLines{{
    {1, 2, 3}, {4, 5, 6}, {7, 8, 9},
    {1, 4, 7}, {2, 5, 8}, {3, 6, 9},
    {1, 5, 9}, {3, 5, 7},
}};
inline constexpr int kBottomRow = 2;  // index of 7-8-9 in kLines

inline bool Holds(const Board& board, int slot, std::string_view mark) {
  return board[slot] == mark;
}
inline bool IsEmpty(const Board& board, int slot) { return Holds(board, slot, kEmpty); }

// The number of empty cells among 1..9; index 0 never counts.
int EmptyCellCount(const Board& board);

bool LineComplete(const Board& board, const Line& line, std::string_view mark);

// The person's click on cell 1..9: an empty cell takes "Xx"; an occupied
// one stays as it is (the computer still takes its turn after either).
// Returns whether the cell was marked.
bool PersonMove(Board& board, int cell);

// The round reset: cells 1..9 are emptied, index 0 keeps what it holds.
void ClearCells(Board& board);

}  // namespace game
