// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <functional>

#include "opponent/computer_turn.h"
#include "opponent/line_rules.h"
#include "support/boards.h"
#include "support/scripted_source.h"

namespace {

using testing_support::BoardOf;
using testing_support::CellsOf;
using testing_support::CoinDraw;
using testing_support::ScriptedSource;

struct ChainCase {
  const char* name;
  const char* before;
  const char* after;
};

// The computer completes its own line before it blocks one of the
// person's, rows before columns before diagonals; a rule that writes ends
// the turn, so the positional move draws nothing.
TEST(LineRules, TheFirstMatchingRuleWritesAndEndsTheTurn) {
  const ChainCase cases[] = {
      {"two winning rows: the upper one", "OO.OO.X.X", "OOOOO.X.X"},
      {"a winning row beats a winning column", ".OOX.O.X.", "OOOX.O.X."},
      {"a winning column beats a winning diagonal", "O..OOX...", "O..OOXO.."},
      {"the rising diagonal when the falling one is blocked", "X.O.O....", "X.O.O.O.."},
      {"winning beats blocking", "XX.OO....", "XX.OOO..."},
      {"two lines to block: only the first in order", "XX.X....O", "XXOX....O"},
      {"blocking a column beats blocking a diagonal", ".XO.X...X", ".XO.X..OX"},
      {"blocking a diagonal", "X...X..O.", "X...X..OO"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    game::Board board = BoardOf(c.before);
    ScriptedSource source({CoinDraw(0)});
    std::int16_t coinFlip = 0;
    opponent::ComputerTurn(board, source, coinFlip);
    EXPECT_EQ(CellsOf(board), c.after);
    EXPECT_EQ(source.drawn(), 1u) << "the positional move was reached";
  }
}

// A line whose third cell is taken, or that holds the other mark, gives no
// rule anything to do.
TEST(LineRules, NoRuleWritesIntoAClosedLine) {
  const std::function<bool(game::Board&)> rules[] = {
      opponent::WinRow,   opponent::WinColumn,   opponent::WinDiagonal,
      opponent::BlockRow, opponent::BlockColumn, opponent::BlockDiagonal,
  };
  const char* closed[] = {"OOXXXOOXX", "XOXOXOOXO", "OOX......", "XXO......", "O..X..O..", "........."};
  for (const char* cells : closed) {
    for (const auto& rule : rules) {
      game::Board board = BoardOf(cells);
      EXPECT_FALSE(rule(board)) << cells;
      EXPECT_EQ(CellsOf(board), cells);
    }
  }
}

// Blocking writes the computer's mark, never the person's.
TEST(LineRules, EachRuleFindsItsOwnLines) {
  const struct {
    std::function<bool(game::Board&)> rule;
    const char* before;
    const char* after;
  } cases[] = {
      {opponent::WinRow, "......O.O", "......OOO"},
      {opponent::WinColumn, ".O.....O.", ".O..O..O."},
      {opponent::WinDiagonal, "....O.O..", "..O.O.O.."},
      {opponent::BlockRow, "...X.X...", "...XOX..."},
      {opponent::BlockColumn, "X.....X..", "X..O..X.."},
      {opponent::BlockDiagonal, "X.......X", "X...O...X"},
      {opponent::WinRow, "XX.......", "XX......."},
      {opponent::BlockColumn, "O..O.....", "O..O....."},
  };
  for (const auto& c : cases) {
    game::Board board = BoardOf(c.before);
    EXPECT_EQ(c.rule(board), std::string(c.before) != c.after) << c.before;
    EXPECT_EQ(CellsOf(board), c.after) << c.before;
  }
}

}  // namespace
