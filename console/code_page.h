// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace console {

// The code that stands for a character the code page lacks: "?", as a
// window that works in the ANSI code page receives such a character.
inline constexpr std::int16_t kUnmappedCode = 63;

// The Windows-1251 code of a character (a Unicode code point), the code the
// key handlers compare: 120 for x, 168 for "Ё". kUnmappedCode for every
// character that the code page lacks, among them surrogates and code
// points beyond U+10FFFF; no look-alike is ever taken in its place.
std::int16_t Windows1251Code(char32_t character);

}  // namespace console
