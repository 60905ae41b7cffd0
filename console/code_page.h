// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>

namespace console {

// The Windows-1251 code of a character (a Unicode code point), the code the
// key handlers compare: 120 for x, 168 for "Ё". std::nullopt for every
// character that the code page lacks, among them surrogates and code
// points beyond U+10FFFF.
std::optional<std::int16_t> Windows1251Code(char32_t character);

}  // namespace console
