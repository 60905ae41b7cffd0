// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "app/key_codes.h"

#include "console/code_page.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

// Whether the key was pressed with Alt, and so types nothing: the system
// keeps such keys for its menus. AltGr is no such key. An X server reports
// it as a modifier of its own; Windows reports it as Ctrl+Alt, as it does
// Ctrl+Alt itself, whose event comes with a control code or, from Qt, with
// the key's own character, where AltGr gives the character it types.
bool IsSystemKey(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  if (!modifiers.testFlag(Qt::AltModifier)) return false;
  if (!modifiers.testFlag(Qt::ControlModifier)) return true;
  const QString text = event.text();
  if (text.isEmpty() || text.front() < QLatin1Char(' ')) return true;
#ifdef _WIN32
  const UINT keysOwn = MapVirtualKeyW(event.nativeVirtualKey(), MAPVK_VK_TO_CHAR) & 0xFFFF;
  if (keysOwn != 0 && static_cast<UINT>(text.front().unicode()) == keysOwn) return true;
#endif
  return false;
}

}  // namespace

QList<console::KeyCode> KeyCodes(const QKeyEvent& event) {
  QList<console::KeyCode> codes;
  if (IsSystemKey(event)) return codes;
  for (const char32_t character : event.text().toUcs4()) {
    codes << console::Windows1251Code(character);
  }
  return codes;
}
