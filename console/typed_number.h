// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>

#include "game/tally.h"

namespace console {

// Reads the text typed into the "zap" box as a number, the way the user
// writes numbers: `decimalPoint` is the user's decimal separator (UTF-8,
// usually "." or ","; the game window takes it from the system locale).
//
// Accepted: blanks (space, tab, line breaks) before and after; an optional
// sign, '+', '-' or the minus sign U+2212; decimal digits with at most one
// decimal separator and at least one digit ("5", "2,5", ",5", "5,"); an
// optional exponent, 'e' or 'E', an optional sign and at least one digit.
// Refused (std::nullopt): the empty text, group separators, a decimal point
// other than `decimalPoint`, hexadecimal, "inf", "nan", anything after the
// number, and a number too large or too small for a double (either would
// leave the count as it is). An empty `decimalPoint` allows whole numbers
// only.
//
// The result does not depend on the C locale, and any bytes are accepted,
// invalid UTF-8 included.
std::optional<double> ParseNumber(std::string_view text, std::string_view decimalPoint);

// The new WinCount after "zap": the typed number plus `wins`, added in
// double precision and rounded half to even. std::nullopt when the text is
// no number or the rounded sum falls outside -32768..32767; the count then
// stays as it is.
std::optional<game::Counter> AddWins(game::Counter wins, std::string_view typed,
                                     std::string_view decimalPoint);

}  // namespace console
