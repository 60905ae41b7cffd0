// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace game {

// The one random source that every draw of the game takes its next number
// from. The order of draws is part of the game's behaviour, so everything
// that draws is handed the same source.
class RandomSource {
 public:
  virtual ~RandomSource() = default;

  // The next number of the sequence, uniform in [0, 1).
  virtual float Next() = 0;
};

// The game's own sequence. It is never seeded: every run of the program
// starts from the same state and draws the same numbers.
//
// Each number is k / 2^24 for a 24-bit k, so it is an exact float and the
// products the game takes of it (r * 2, r * 9, 3r + 1) round exactly as
// written. The state steps through a full-period generator modulo 2^24 and
// is scrambled by a bijection on 24 bits, so one period of 2^24 draws
// yields every k exactly once.
class RandomSequence final : public RandomSource {
 public:
  static constexpr std::uint32_t kStateMask = 0xFFFFFF;
  static constexpr std::uint32_t kStartState = 0x510E52;
  static constexpr std::uint32_t kPeriod = kStateMask + 1;

  // Starts from any 24-bit state; higher bits are ignored.
  explicit RandomSequence(std::uint32_t state = kStartState);

  float Next() override;
  std::uint32_t state() const { return state_; }

 private:
  std::uint32_t state_;
};

// `RandI`: 3r + 1 rounded half-to-even, so 1..4 with odds 1/6, 1/3, 1/3,
// 1/6 (r = 1/2 gives 2). Takes one number from the source.
std::int16_t RandI(RandomSource& source);

// `LoadPB`: always 0, with no other effect.
std::int16_t LoadPB();

}  // namespace game
