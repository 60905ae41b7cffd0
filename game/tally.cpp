// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "game/tally.h"

#include <limits>

namespace game {

void AddOne(Counter& counter) {
  if (counter < std::numeric_limits<Counter>::max()) ++counter;
}

std::string DecimalText(Counter counter) { return std::to_string(counter); }

}  // namespace game
