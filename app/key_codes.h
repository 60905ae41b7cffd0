// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QKeyEvent>
#include <QList>

#include "console/keys.h"

// The character codes of a key press, in the Windows-1251 code page that
// the key handlers compare, one for each character the key typed. A key
// that types no character (an arrow, Shift alone) gives none, and neither
// does a key pressed with Alt, which the system keeps for its menus; AltGr
// still types its character, and Ctrl+letter its control code (1 to 26).
// A character that the code page lacks gives "?" (63).
QList<console::KeyCode> KeyCodes(const QKeyEvent& event);
