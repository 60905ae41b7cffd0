// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "game/tally.h"

namespace {

// One more win at 32767 leaves the count at 32767: the game goes on and
// the count never wraps round to a negative number.
TEST(Tally, CountStopsAtItsLargestValue) {
  game::Counter wins = 32766;
  game::AddOne(wins);
  EXPECT_EQ(wins, 32767);
  for (int i = 0; i < 3; ++i) game::AddOne(wins);
  EXPECT_EQ(wins, 32767);
}

// A count lowered below zero by the console counts up from there.
TEST(Tally, NegativeCountCountsUp) {
  game::Counter wins = -32768;
  game::AddOne(wins);
  EXPECT_EQ(wins, -32767);
  wins = -1;
  game::AddOne(wins);
  EXPECT_EQ(wins, 0);
}

TEST(Tally, DecimalTextHasNoLeadingBlank) {
  const struct {
    game::Counter value;
    const char* text;
  } cases[] = {{0, "0"}, {12, "12"}, {-8, "-8"}, {32767, "32767"}, {-32768, "-32768"}};
  for (const auto& c : cases) EXPECT_EQ(game::DecimalText(c.value), c.text);
}

}  // namespace
