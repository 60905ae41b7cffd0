// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <string_view>

#include "game/tally.h"

// The engine's texts are UTF-8.
inline QString Text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// A counter as its label shows it.
inline QString Text(game::Counter counter) { return Text(game::DecimalText(counter)); }
