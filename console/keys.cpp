// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "console/keys.h"

#include <charconv>
#include <system_error>

namespace console {

namespace {

constexpr std::int16_t kLowercaseX = 120;
constexpr std::int16_t kLowercaseO = 111;
constexpr std::int16_t kGraveAccent = 96;
constexpr std::int16_t kCapitalYo = 168;

}  // namespace

bool StartKeys::KeyPress(KeyCode code) {
  // The code is tested first: LastKey is read as a number only after an o.
  const bool showList = code == kLowercaseO && LastKeyAsNumber() == kLowercaseX;
  lastKey_ = std::to_string(code);
  return showList;
}

// LastKey holds a decimal code or nothing: an empty LastKey, before the
// first key, is no number and so no x.
std::optional<int> StartKeys::LastKeyAsNumber() const {
  int number = 0;
  const char* const first = lastKey_.data();
  if (std::from_chars(first, first + lastKey_.size(), number).ec != std::errc()) return std::nullopt;
  return number;
}

bool OpensConsole(KeyCode code) {
  // Two separate tests, one for each key.
  if (code == kGraveAccent) return true;
  if (code == kCapitalYo) return true;
  return false;
}

}  // namespace console
