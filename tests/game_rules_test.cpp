// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
//
// The rules under the game window: the outcome of boards that play does
// not reach, the counters, and the one random sequence every run draws.
// The rounding of typed numbers is the console's table's.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "game/outcome.h"
#include "game/random_source.h"
#include "game/tally.h"
#include "opponent/computer_turn.h"
#include "support/boards.h"
#include "support/scripted_source.h"

namespace {

using game::Outcome;
using game::RandomSequence;
using namespace testing_support;

// The person's lines are tested before the computer's, each in the order
// rows, columns, diagonals; a full board without a line is a draw.
TEST(DecideOutcome, DecidesByThePersonsLinesThenTheComputersThenAFullBoard) {
  const struct {
    const char* cells;
    const char* slot0;
    Outcome outcome;
    int line;  // index into the eight lines, -1 for none
  } cases[] = {
      {".........", "", Outcome::InPlay, -1},     {"XXXOO....", "", Outcome::PersonWon, 0},
      {"OO....XXX", "", Outcome::PersonWon, 2},  // the bottom row, which play never reaches
      {"XOXOXOOXX", "", Outcome::PersonWon, 6},  // the ninth mark wins: no draw
      {"X.OXO.XXX", "", Outcome::PersonWon, 2},  // a row before a column
      {"X.OXO.OX.", "", Outcome::ComputerWon, 7},
      {"XOXXOOOXX", "Oo", Outcome::Draw, -1},    // slot 0 is no empty cell
      {"OO.XX....", "Oo", Outcome::InPlay, -1},  // and completes no line
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.cells);
    const auto decision = game::DecideOutcome(BoardOf(c.cells, c.slot0));
    EXPECT_EQ(decision.outcome, c.outcome);
    EXPECT_EQ(decision.line, c.line);
    EXPECT_EQ(decision.OnBottomRow(), c.line == game::kBottomRow);
  }
}

TEST(Board, PersonMarksOnlyAnEmptyCellAndTheResetKeepsSlot0) {
  game::Board board = BoardOf("O........", "Oo");
  EXPECT_FALSE(game::PersonMove(board, 1));
  EXPECT_TRUE(game::PersonMove(board, 9));
  EXPECT_EQ(board, BoardOf("O.......X", "Oo"));
  game::ClearCells(board);
  EXPECT_EQ(board, BoardOf(".........", "Oo"));
}

// One more win at 32767 leaves the count there: it never wraps round to a
// negative number, and a count the console made negative counts up.
TEST(Tally, CountsUpToItsLargestValueAndShowsNoLeadingBlank) {
  const struct {
    game::Counter before, after;
    const char* text;
  } cases[] = {{32766, 32767, "32767"}, {32767, 32767, "32767"}, {-1, 0, "0"}, {-9, -8, "-8"}};
  for (const auto& c : cases) {
    game::Counter count = c.before;
    game::AddOne(count);
    EXPECT_EQ(count, c.after);
    EXPECT_EQ(game::DecimalText(count), c.text);
  }
}

constexpr double kGrid = 16777216.0;  // 2^24

// The program is never seeded: every run draws these numbers first. The
// progress bar's value is 0 whatever was drawn.
TEST(RandomSequence, EveryRunDrawsTheSameNumbers) {
  EXPECT_EQ(game::LoadPB(), 0);
  RandomSequence sequence;
  std::vector<std::uint32_t> drawn;  // as k / 2^24
  for (int i = 0; i < 6; ++i) drawn.push_back(static_cast<std::uint32_t>(sequence.Next() * kGrid));
  EXPECT_EQ(drawn, (std::vector<std::uint32_t>{118628, 6719265, 14953853, 5857168, 16424222, 10283899}));
}

// Draws on and beside the ties of r * 2, 3r + 1 and r * 9. The opening's
// product is taken in single precision, whose rounding can land a draw
// exactly on a half: 4660338 / 2^24 times 9 is 2.5 in single precision
// (slot 2), where double precision would give slot 3.
TEST(RandomDraws, TiesRoundToTheEvenNeighbour) {
  const struct {
    std::uint32_t k;  // the draw is k / 2^24
    int coin, randI, opening;
  } cases[] = {
      {0, 0, 1, 0},        {2796203, 0, 2, 2},  {4194305, 1, 2, 2},  {4660338, 1, 2, 2},
      {8388608, 1, 2, 4},  {8388609, 1, 3, 5},  {12582912, 2, 3, 7}, {13981014, 2, 4, 8},
      {15845148, 2, 4, 8}, {RandomSequence::kPeriod - 1, 2, 4, 9},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.k);
    const float r = static_cast<float>(c.k / kGrid);
    ScriptedSource source({r, r});
    std::int16_t coinFlip = -1;
    EXPECT_EQ(opponent::FlipCoin(source, coinFlip), c.coin);
    EXPECT_EQ(coinFlip, c.coin);
    EXPECT_EQ(game::RandI(source), c.randI);
    EXPECT_EQ(opponent::OpeningSlot(r), c.opening);
  }
}

}  // namespace
