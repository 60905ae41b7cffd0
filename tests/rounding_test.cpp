// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

#include "game/rounding.h"

namespace {

struct RoundingCase {
  double value;
  std::optional<int> expected;
};

// Halves go to the even neighbour on both sides of zero; results outside
// the 16-bit range, infinities and NaN are refused, never wrapped.
TEST(RoundHalfEven, RoundsHalvesToEvenAndRefusesWhatDoesNotFit) {
  const double inf = std::numeric_limits<double>::infinity();
  const RoundingCase cases[] = {
      {0.0, 0},          {0.5, 0},         {1.5, 2},          {2.5, 2},
      {3.5, 4},          {-0.5, 0},        {-1.5, -2},        {-2.5, -2},
      {2.4999999, 2},    {2.5000001, 3},   {-2.5000001, -3},  {7.9, 8},
      {32767.0, 32767},  {32767.4, 32767}, {32766.5, 32766},  {32767.5, std::nullopt},
      {32768.0, std::nullopt},             {-32768.0, -32768}, {-32768.5, -32768},
      {-32768.6, std::nullopt},            {-32769.0, std::nullopt},
      {1e300, std::nullopt},               {-1e300, std::nullopt},
      {inf, std::nullopt},                 {-inf, std::nullopt},
      {std::nan(""), std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    const auto rounded = game::RoundHalfEven(c.value);
    ASSERT_EQ(rounded.has_value(), c.expected.has_value());
    if (c.expected) {
      EXPECT_EQ(*rounded, *c.expected);
    }
  }
}

}  // namespace
