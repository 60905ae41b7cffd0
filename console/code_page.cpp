// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "console/code_page.h"

#include <array>
#include <cstddef>

namespace console {

namespace {

// Codes 0x80..0xBF: Serbian, Macedonian, Belarusian and Ukrainian letters,
// typographic signs. 0x98 is unassigned (0 here, which never matches: code
// 0 is the ASCII NUL).
constexpr std::array<char32_t, 64> kUpperHalf{
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 0x88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 0x98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // 0xA0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // 0xA8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // 0xB0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // 0xB8
};

constexpr char32_t kFirstNonAscii = 0x80;
constexpr char32_t kCyrillicA = 0x0410;   // code 0xC0
constexpr char32_t kCyrillicYa = 0x044F;  // small "я", code 0xFF

}  // namespace

std::optional<std::int16_t> Windows1251Code(char32_t character) {
  if (character < kFirstNonAscii) return static_cast<std::int16_t>(character);
  if (character >= kCyrillicA && character <= kCyrillicYa) {
    return static_cast<std::int16_t>(0xC0 + (character - kCyrillicA));
  }
  for (std::size_t i = 0; i < kUpperHalf.size(); ++i) {
    if (kUpperHalf[i] == character) return static_cast<std::int16_t>(0x80 + i);
  }
  return std::nullopt;
}

}  // namespace console
