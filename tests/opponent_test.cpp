// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
//
// The computer's turn with every draw chosen: the coin, the opening, the
// line rules and the positional replies. Each case also checks how many
// numbers were drawn, since the draws shift every later choice of the game.
#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "opponent/computer_turn.h"
#include "opponent/positional_move.h"
#include "support/boards.h"
#include "support/scripted_source.h"

namespace {

using namespace testing_support;

// The coin comes first; a coin of 1 draws an opening slot on any board and
// writes it only on an empty one (slot 0 marks no cell, and holding "Oo"
// does not make the board non-empty). A line rule that writes ends the
// turn; otherwise the positional move draws.
TEST(ComputerTurn, DrawsInOrderAndWritesAtMostOneMark) {
  const struct {
    const char* name;
    const char* before;
    std::string_view slot0;
    std::vector<float> draws;  // every draw the turn must take
    const char* after;
    std::string_view slot0After;
  } cases[] = {
      {"coin 1 on an empty board: slot 0", ".........", "", {CoinDraw(1), OpeningDraw(0), RandIDraw(1)},
       ".........", "Oo"},
      {"slot 0 taken is still an empty board", ".........", "Oo",
       {CoinDraw(1), OpeningDraw(6), RandIDraw(1)}, ".....O...", "Oo"},
      {"the corner trap after an opening draw", "O...X...X", "",
       {CoinDraw(1), OpeningDraw(9), RandIDraw(4), RandIDraw(1), RandIDraw(2)}, "O.O.X...X", ""},
      // Play takes the centre early; the rules still block through it.
      {"blocking a row in the centre", "...X.X...", "", {CoinDraw(0)}, "...XOX...", ""},
      {"blocking a column in the centre", ".X.....X.", "", {CoinDraw(0)}, ".X..O..X.", ""},
      {"blocking the falling diagonal", "X.......X", "", {CoinDraw(0)}, "X...O...X", ""},
      {"blocking the rising diagonal", "..X...X..", "", {CoinDraw(0)}, "..X.O.X..", ""},
      {"its own line before a block", "XX.OO....", "", {CoinDraw(0)}, "XX.OOO...", ""},
      {"the first line in row order", "XX..O.XX.", "", {CoinDraw(0)}, "XXO.O.XX.", ""},
      {"a full board", "OXOXXOXOX", "", {CoinDraw(1), OpeningDraw(5), RandIDraw(1)}, "OXOXXOXOX", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    game::Board board = BoardOf(c.before, c.slot0);
    ScriptedSource source(c.draws);
    std::int16_t coinFlip = -1;
    opponent::ComputerTurn(board, source, coinFlip);
    EXPECT_EQ(CellsOf(board), c.after);
    EXPECT_EQ(board[0], c.slot0After);
    EXPECT_EQ(source.drawn(), c.draws.size());
  }
}

// The positional move: the prepared replies with their draws, then the
// centre, the first free cell or a corner.
TEST(PositionalMove, AnswersEachPositionWithItsDocumentedReply) {
  const struct {
    const char* name;
    const char* before;
    std::vector<int> randI;  // every value RandI must return, the discarded one first
    const char* after;
  } cases[] = {
      {"empty board: nothing, one draw", ".........", {4}, "........."},
      {"X in a corner: the centre", "X........", {3}, "X...O...."},
      {"X only in the centre: the first corner", "....X....", {1}, "O...X...."},
      {"X in the centre, corner 1 taken: corner 3", "O...X....", {1}, "O.O.X...."},
      {"X in the centre, no corner free: nothing", "O.O.X.O.O", {1}, "O.O.X.O.O"},
      {"X in corners, centre taken: first free cell", "X...O...X", {1}, "XO..O...X"},
      {"X in a corner and on an edge, centre empty: the centre, then the first free cell",
       "XX.......", {1}, "XXO.O...."},
      {"corner trap, a = 1: corner 3", "O...X...X", {1, 1, 1}, "O.O.X...X"},
      {"corner trap, b = 3: corner 3", "O...X...X", {1, 4, 3}, "O.O.X...X"},
      {"corner trap, otherwise: corner 7", "O...X...X", {1, 2, 2}, "O...X.O.X"},
      {"corner trap with one more mark is no trap", "OO..X...X", {1}, "OOO.X...X"},
      {"nor with a mark in corner 3", "O.X.X...X", {1}, "OOX.X...X"},
      {"8 and 6, a = 2: cell 9", "....OX.X.", {1, 2, 1}, "....OX.XO"},
      {"8 and 6, b = 4: cell 9", "....OX.X.", {1, 1, 4}, "....OX.XO"},
      {"8 and 6, c = 1: cell 4", "....OX.X.", {1, 1, 1, 1}, "...OOX.X."},
      {"8 and 6, c = 2: cell 7", "....OX.X.", {1, 3, 3, 2}, "....OXOX."},
      {"8 and 6, c = 1 but 4 taken: nothing", "...OOX.X.", {1, 1, 1, 1}, "...OOX.X."},
      {"1 and 8, a = 2: cell 7", "X...O..X.", {1, 2, 1}, "X...O.OX."},
      {"1 and 8, c = 1: cell 4", "X...O..X.", {1, 1, 1, 1}, "X..OO..X."},
      {"1 and 8, c = 3: cell 6", "X...O..X.", {1, 1, 1, 3}, "X...OO.X."},
      {"8 and 6 come before 1 and 8", "X...OX.X.", {1, 2, 1}, "X...OX.XO"},
      {"7, 3 and O in 5: cell 8 without a draw", "..X.O.X..", {1}, "..X.O.XO."},
      {"7, 3 and O in 5, cell 8 taken: nothing", "O.X.O.XO.", {1}, "O.X.O.XO."},
      {"3 and 8, a = 2: cell 9", "..X.O..X.", {1, 2, 1}, "..X.O..XO"},
      {"3 and 8, c = 1: cell 6", "..X.O..X.", {1, 1, 1, 1}, "..X.OO.X."},
      {"3 and 8, c = 4: cell 4", "..X.O..X.", {1, 1, 1, 4}, "..XOO..X."},
      {"full board: nothing", "OXOXXOXOX", {1}, "OXOXXOXOX"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<float> script;
    for (int value : c.randI) script.push_back(RandIDraw(value));
    ScriptedSource source(script);
    game::Board board = BoardOf(c.before);
    opponent::PositionalMove(board, source);
    EXPECT_EQ(CellsOf(board), c.after);
    EXPECT_EQ(source.drawn(), c.randI.size());
  }
}

}  // namespace
