// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "console/passwords.h"

namespace console {

// Each password is tested on its own, one after another; no two are alike,
// so at most one matches.
Command CommandFor(std::string_view entry) {
  Command command = Command::None;
  for (const Password& password : kPasswords) {
    if (entry == password.text) command = password.command;
  }
  return command;
}

}  // namespace console
