// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <utility>
#include <vector>

#include "game/random_source.h"

namespace testing_support {

// A random source that hands out a fixed script of numbers, so a test can
// choose every draw and check how many were taken.
class ScriptedSource final : public game::RandomSource {
 public:
  explicit ScriptedSource(std::vector<float> script) : script_(std::move(script)) {}

  float Next() override {
    if (next_ == script_.size()) {
      ADD_FAILURE() << "drew more than the " << script_.size() << " scripted numbers";
      return 0.0f;
    }
    return script_[next_++];
  }

  std::size_t drawn() const { return next_; }

 private:
  std::vector<float> script_;
  std::size_t next_ = 0;
};

// Draws that give a chosen result.
inline float CoinDraw(int coin) { return coin == 0 ? 0.1f : coin == 1 ? 0.5f : 0.9f; }
inline float OpeningDraw(int slot) { return slot == 9 ? 0.99f : static_cast<float>(slot) / 9.0f; }
inline float RandIDraw(int value) { return 0.3f * static_cast<float>(value - 1); }

}  // namespace testing_support
