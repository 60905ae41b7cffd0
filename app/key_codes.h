// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QKeyEvent>
#include <QList>

#include "console/keys.h"

// The character codes of a key press, in the Windows-1251 code page that
// the key handlers compare, one for each character the key typed. A key
// that types no character (an arrow, Shift alone) gives none; a character
// that the code page lacks gives a code that matches nothing.
QList<console::KeyCode> KeyCodes(const QKeyEvent& event);
