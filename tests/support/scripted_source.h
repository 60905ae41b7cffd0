// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <deque>
#include <initializer_list>
#include <vector>

#include "game/random_source.h"

namespace testing_support {

// A random source that hands out a script of numbers, so a test can choose
// every draw, then a quiet number that gives the coin 0 (no opening) and
// RandI 1. It counts every draw, those past the script too.
class ScriptedSource final : public game::RandomSource {
 public:
  static constexpr float kQuiet = 0.1f;

  explicit ScriptedSource(const std::vector<float>& script = {})
      : script_(script.begin(), script.end()) {}

  void Push(std::initializer_list<float> values) { script_.insert(script_.end(), values); }
  float Next() override {
    ++drawn_;
    if (script_.empty()) return kQuiet;
    const float value = script_.front();
    script_.pop_front();
    return value;
  }
  std::size_t drawn() const { return drawn_; }

 private:
  std::deque<float> script_;
  std::size_t drawn_ = 0;
};

// Draws that give a chosen result.
inline float CoinDraw(int coin) { return coin == 0 ? 0.1f : coin == 1 ? 0.5f : 0.9f; }
inline float OpeningDraw(int slot) { return slot == 9 ? 0.99f : static_cast<float>(slot) / 9.0f; }
inline float RandIDraw(int value) { return 0.3f * static_cast<float>(value - 1); }

}  // namespace testing_support
