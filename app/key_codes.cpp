// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "app/key_codes.h"

#include "console/code_page.h"

QList<console::KeyCode> KeyCodes(const QKeyEvent& event) {
  QList<console::KeyCode> codes;
  for (const char32_t character : event.text().toUcs4()) {
    codes << console::Windows1251Code(character);
  }
  return codes;
}
