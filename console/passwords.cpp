// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "console/passwords.h"

#include <cstddef>

namespace console {

namespace {

constexpr bool AllDifferent() {
  for (std::size_t i = 0; i < kPasswords.size(); ++i) {
    for (std::size_t j = i + 1; j < kPasswords.size(); ++j) {
      if (kPasswords[i].text == kPasswords[j].text) return false;
    }
  }
  return true;
}

// Every password is tested on its own rather than in an else-if chain; it
// is this that keeps the result to one command.
static_assert(AllDifferent(), "two passwords would match the same entry");

}  // namespace

Command CommandFor(std::string_view entry) {
  Command command = Command::None;
  for (const Password& password : kPasswords) {
    if (entry == password.text) command = password.command;
  }
  return command;
}

}  // namespace console
