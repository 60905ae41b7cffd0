// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "game/outcome.h"
#include "support/boards.h"

namespace {

using game::Outcome;
using testing_support::BoardOf;

struct OutcomeCase {
  const char* name;
  const char* cells;
  const char* slot0;
  Outcome outcome;
  int line;  // index into the eight lines, -1 for none
};

TEST(DecideOutcome, DecidesByThePersonsLinesThenTheComputersThenAFullBoard) {
  const OutcomeCase cases[] = {
      {"empty board", ".........", "", Outcome::InPlay, -1},
      {"top row", "XXXOO....", "", Outcome::PersonWon, 0},
      {"middle row", "OO.XXX...", "", Outcome::PersonWon, 1},
      {"bottom row", "OO....XXX", "", Outcome::PersonWon, 2},
      {"left column", "XO.XO.X..", "", Outcome::PersonWon, 3},
      {"centre column", "OX..X..XO", "", Outcome::PersonWon, 4},
      {"right column", "O.X.OX..X", "", Outcome::PersonWon, 5},
      {"falling diagonal", "XO..XO..X", "", Outcome::PersonWon, 6},
      {"rising diagonal", "OOX.X.X..", "", Outcome::PersonWon, 7},
      {"the ninth mark completes a line: a win, not a draw", "XOXOXOOXX", "",
       Outcome::PersonWon, 6},
      {"a line of X beats the computer's reply that completed a line of O", "XXXOOO...", "",
       Outcome::PersonWon, 0},
      {"one X completes two lines: the first in order is the win", "XXXX..X.O", "",
       Outcome::PersonWon, 0},
      {"a bottom row and a column: the row comes first", "X.OXO.XXX", "",
       Outcome::PersonWon, 2},
      {"computer's row", "OOOXX.X..", "", Outcome::ComputerWon, 0},
      {"computer's diagonal", "X.OXO.OX.", "", Outcome::ComputerWon, 7},
      {"one O completes two lines", "OOOOXXOXX", "", Outcome::ComputerWon, 0},
      {"the computer completes a line with the last empty cell", "XOXXOOOOX", "",
       Outcome::ComputerWon, 4},
      {"full board without a line", "XOXXOOOXX", "", Outcome::Draw, -1},
      {"slot 0 is no empty cell", "XOXXOOOXX", "Oo", Outcome::Draw, -1},
      {"slot 0 completes no line", "OO.XX....", "Oo", Outcome::InPlay, -1},
      {"one empty cell, no line", "XOXXOOOX.", "", Outcome::InPlay, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto decision = game::DecideOutcome(BoardOf(c.cells, c.slot0));
    EXPECT_EQ(decision.outcome, c.outcome);
    EXPECT_EQ(decision.line, c.line);
    EXPECT_EQ(decision.OnBottomRow(), c.line == game::kBottomRow);
  }
}

// Marks are compared as whole strings, case included.
TEST(DecideOutcome, OnlyTheExactMarksCount) {
  game::Board board = BoardOf("XX.......");
  board[3] = "xx";
  EXPECT_EQ(game::DecideOutcome(board).outcome, Outcome::InPlay);
  board[3] = "X";
  EXPECT_EQ(game::DecideOutcome(board).outcome, Outcome::InPlay);
}

TEST(Board, PersonMarksOnlyAnEmptyCellAndTheResetKeepsSlot0) {
  game::Board board = BoardOf("O........", "Oo");
  EXPECT_FALSE(game::PersonMove(board, 1));
  EXPECT_EQ(board[1], game::kComputerMark);
  EXPECT_TRUE(game::PersonMove(board, 9));
  EXPECT_EQ(board[9], game::kPersonMark);
  EXPECT_FALSE(game::PersonMove(board, 9));
  EXPECT_EQ(game::EmptyCellCount(board), 7);

  game::ClearCells(board);
  EXPECT_EQ(board, BoardOf(".........", "Oo"));
  EXPECT_EQ(game::EmptyCellCount(board), 9);
}

}  // namespace
