// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "game/random_source.h"

#include "game/rounding.h"

namespace game {
namespace {

// Linear congruential step modulo 2^24 with full period (the increment is
// odd, the multiplier is 5 modulo 8).
constexpr std::uint32_t kMultiplier = 0xBB67AD;
constexpr std::uint32_t kIncrement = 0x6A09E7;

// Scrambles the low-quality low bits of the step into every output bit.
// Each stage (xor with a right shift, product with an odd number) is a
// bijection on 24 bits, so the whole is one too.
std::uint32_t Scramble(std::uint32_t x) {
  constexpr std::uint32_t mask = RandomSequence::kStateMask;
  x ^= x >> 12;
  x = (x * 0x3C6EF3u) & mask;
  x ^= x >> 11;
  x = (x * 0xA54FF5u) & mask;
  x ^= x >> 12;
  return x;
}

}  // namespace

RandomSequence::RandomSequence(std::uint32_t state) : state_(state & kStateMask) {}

float RandomSequence::Next() {
  state_ = (state_ * kMultiplier + kIncrement) & kStateMask;
  constexpr float kScale = 1.0f / static_cast<float>(kPeriod);
  return static_cast<float>(Scramble(state_)) * kScale;
}

std::int16_t RandI(RandomSource& source) {
  // In double precision 3r + 1 is exact, so the ties at 1/6, 1/2 and 5/6
  // fall exactly where the odds say.
  const double r = source.Next();
  return *RoundHalfEven(3.0 * r + 1.0);
}

std::int16_t LoadPB() { return 0; }

}  // namespace game
