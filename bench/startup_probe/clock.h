// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <time.h>

namespace probe {

// Seconds on the monotonic clock, which no clock adjustment moves.
inline double Now() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Sleeps on the monotonic clock.
inline void Sleep(double seconds) {
  timespec span{};
  span.tv_sec = static_cast<time_t>(seconds);
  span.tv_nsec = static_cast<long>((seconds - static_cast<double>(span.tv_sec)) * 1e9);
  clock_nanosleep(CLOCK_MONOTONIC, 0, &span, nullptr);
}

}  // namespace probe
