// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "game/random_source.h"
#include "opponent/computer_turn.h"
#include "support/scripted_source.h"

namespace {

using game::RandomSequence;
using testing_support::ScriptedSource;

constexpr std::uint32_t kPeriod = RandomSequence::kPeriod;
constexpr double kGrid = 16777216.0;  // 2^24

float GridValue(std::uint32_t k) { return static_cast<float>(k / kGrid); }

// The program is never seeded: every run draws the same numbers.
TEST(RandomSequence, TwoFreshSequencesDrawTheSameNumbers) {
  RandomSequence first;
  RandomSequence second;
  for (int i = 0; i < 10000; ++i) {
    ASSERT_EQ(first.Next(), second.Next()) << "draw " << i;
  }
}

// Every number is k / 2^24, and one period of the sequence is the whole
// grid: each k exactly once, then the start state again.
TEST(RandomSequence, OnePeriodYieldsEveryGridValueOnce) {
  RandomSequence sequence;
  std::vector<bool> seen(kPeriod);
  for (std::uint32_t i = 0; i < kPeriod; ++i) {
    const double k = sequence.Next() * kGrid;
    ASSERT_EQ(k, std::floor(k)) << "draw " << i << " is not on the grid";
    ASSERT_GE(k, 0.0);
    ASSERT_LT(k, kGrid);
    ASSERT_FALSE(seen[static_cast<std::size_t>(k)]) << "draw " << i << " repeats " << k;
    seen[static_cast<std::size_t>(k)] = true;
  }
  EXPECT_EQ(sequence.state(), RandomSequence::kStartState);
}

// A poor generator shows itself in pairs of successive draws: every pair
// of opening slots must come up about as often as the odds say.
TEST(RandomSequence, SuccessiveDrawsAreSpreadEvenly) {
  RandomSequence sequence;
  constexpr int kPairs = 1'000'000;
  std::array<std::array<int, 10>, 10> counts{};
  for (int i = 0; i < kPairs; ++i) {
    const int first = opponent::OpeningSlot(sequence.Next());
    const int second = opponent::OpeningSlot(sequence.Next());
    ++counts[first][second];
  }
  for (int a = 0; a < 10; ++a) {
    for (int b = 0; b < 10; ++b) {
      const double pa = (a == 0 || a == 9) ? 1.0 / 18 : 1.0 / 9;
      const double pb = (b == 0 || b == 9) ? 1.0 / 18 : 1.0 / 9;
      const double expected = kPairs * pa * pb;
      EXPECT_NEAR(counts[a][b], expected, 5 * std::sqrt(expected)) << a << "," << b;
    }
  }
}

// Over the whole grid the odds are exact, up to the single grid points
// that the ties move.
TEST(RandomSequence, OddsOverOnePeriodAreExact) {
  RandomSequence sequence;
  std::array<int, 3> coins{};
  std::array<int, 5> randI{};
  std::array<int, 10> openings{};
  std::int16_t coinFlip = 0;
  for (std::uint32_t i = 0; i < kPeriod; ++i) {
    const float r = sequence.Next();
    ScriptedSource one({r, r});
    ++coins.at(opponent::FlipCoin(one, coinFlip));
    ++randI.at(game::RandI(one));
    ++openings.at(opponent::OpeningSlot(r));
  }
  const double n = kPeriod;
  EXPECT_NEAR(coins[0], n / 4, 1);
  EXPECT_NEAR(coins[1], n / 2, 1);
  EXPECT_NEAR(coins[2], n / 4, 1);
  EXPECT_EQ(randI[0], 0);
  EXPECT_NEAR(randI[1], n / 6, 1);
  EXPECT_NEAR(randI[2], n / 3, 1);
  EXPECT_NEAR(randI[3], n / 3, 1);
  EXPECT_NEAR(randI[4], n / 6, 1);
  EXPECT_NEAR(openings[0], n / 18, 2);
  EXPECT_NEAR(openings[9], n / 18, 2);
  for (int slot = 1; slot <= 8; ++slot) EXPECT_NEAR(openings[slot], n / 9, 2) << slot;
}

struct TieCase {
  const char* name;
  std::uint32_t k;  // the draw is k / 2^24
  int coin;
  int randI;
  int opening;
};

// Draws on and beside the ties of r * 2, 3r + 1 and r * 9. The opening's
// product is taken in single precision, whose rounding can land a draw
// exactly on a half: 4660338 / 2^24 times 9 is 2.5 in single precision
// (slot 2), where double precision would give slot 3.
TEST(RandomDraws, TiesRoundToTheEvenNeighbour) {
  const TieCase cases[] = {
      {"zero", 0, 0, 1, 0},
      {"just below 1/6", 2796202, 0, 1, 1},
      {"just above 1/6", 2796203, 0, 2, 2},
      {"a quarter", 4194304, 0, 2, 2},
      {"just above a quarter", 4194305, 1, 2, 2},
      {"single-precision 2.5", 4660338, 1, 2, 2},
      {"a half", 8388608, 1, 2, 4},
      {"just above a half", 8388609, 1, 3, 5},
      {"just below three quarters", 12582911, 1, 3, 7},
      {"three quarters", 12582912, 2, 3, 7},
      {"just below 5/6", 13981013, 2, 3, 8},
      {"just above 5/6", 13981014, 2, 4, 8},
      {"single-precision 8.5", 15845148, 2, 4, 8},
      {"largest", kPeriod - 1, 2, 4, 9},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const float r = GridValue(c.k);
    ScriptedSource source({r, r});
    std::int16_t coinFlip = -1;
    EXPECT_EQ(opponent::FlipCoin(source, coinFlip), c.coin);
    EXPECT_EQ(coinFlip, c.coin);
    EXPECT_EQ(game::RandI(source), c.randI);
    EXPECT_EQ(opponent::OpeningSlot(r), c.opening);
  }
}

}  // namespace
