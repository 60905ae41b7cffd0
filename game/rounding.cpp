// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "game/rounding.h"

#include <cmath>
#include <limits>

namespace game {

std::optional<std::int16_t> RoundHalfEven(double value) {
  double whole = std::floor(value);
  const double fraction = value - whole;  // exact for every double
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) {
    whole += 1.0;
  }
  // No comparison holds for NaN, so it is refused with the infinities.
  if (!(whole >= std::numeric_limits<std::int16_t>::min() &&
        whole <= std::numeric_limits<std::int16_t>::max())) {
    return std::nullopt;
  }
  return static_cast<std::int16_t>(whole);
}

}  // namespace game
