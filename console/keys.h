// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace console {

// A typed character as the key handlers see it: its Windows-1251 code, "?"
// (63) for a character that the code page lacks (see code_page.h).
using KeyCode = std::int16_t;

// The message box of the start screen: the console's passwords, in an order
// of their own.
inline constexpr std::string_view kPasswordList = "zap , mek r , mek t , lam bo du , dorp , Kesh";

// The start screen's key handler. A lowercase Latin x immediately followed
// by a lowercase Latin o shows the password list; capitals and Cyrillic
// letters have other codes and never do.
class StartKeys {
 public:
  // Handles one typed character. Returns whether the password list must be
  // shown now (and waited for) before the next key.
  //
  // `LastKey` then holds the decimal text of the code ("120" after x).
  bool KeyPress(KeyCode code);

  // `LastKey`: empty before the first key.
  const std::string& LastKey() const { return lastKey_; }

 private:
  std::optional<int> LastKeyAsNumber() const;

  std::string lastKey_;
};

// The game window's key handler: the grave accent (96) and the capital
// Cyrillic "Ё" (168, typed with Shift on that key in the Russian layout)
// open the console; "ё" (184) and "~" (126) do not.
bool OpensConsole(KeyCode code);

}  // namespace console
