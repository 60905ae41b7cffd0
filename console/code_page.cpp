// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "console/code_page.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>

#include <bit>
#endif

namespace console {
namespace {

#ifdef _WIN32

bool IsCodePoint(char32_t character) {
  return character <= 0x10FFFF && (character < 0xD800 || character > 0xDFFF);
}

// The system's own conversion with its default character, "?", for what
// the code page lacks, and without the "best fit" look-alikes it would
// otherwise take. It would take a lone surrogate for a character.
std::int16_t Convert(char32_t character) {
  if (!IsCodePoint(character)) return kUnmappedCode;
  wchar_t wide[2];
  int length = 1;
  if (character < 0x10000) {
    wide[0] = static_cast<wchar_t>(character);
  } else {
    wide[0] = static_cast<wchar_t>(0xD800 + ((character - 0x10000) >> 10));
    wide[1] = static_cast<wchar_t>(0xDC00 + ((character - 0x10000) & 0x3FF));
    length = 2;
  }
  char code[4];
  const int written = WideCharToMultiByte(1251, WC_NO_BEST_FIT_CHARS, wide, length, code,
                                          sizeof code, nullptr, nullptr);
  if (written != 1) return kUnmappedCode;
  return static_cast<std::int16_t>(static_cast<unsigned char>(code[0]));
}

#else

// The C library's iconv, opened once: it is used on the one thread of the
// user interface. It refuses what is no character (a surrogate, a value
// past U+10FFFF) as it refuses a character the code page lacks: it
// writes nothing, and the character is taken as "?".
std::int16_t Convert(char32_t character) {
  static const iconv_t converter = iconv_open(
      "CP1251", std::endian::native == std::endian::little ? "UTF-32LE" : "UTF-32BE");
  if (converter == reinterpret_cast<iconv_t>(-1)) return kUnmappedCode;
  char* in = reinterpret_cast<char*>(&character);
  std::size_t inLeft = sizeof character;
  char code[4];
  char* out = code;
  std::size_t outLeft = sizeof code;
  iconv(converter, &in, &inLeft, &out, &outLeft);
  iconv(converter, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
  if (out - code != 1) return kUnmappedCode;
  return static_cast<std::int16_t>(static_cast<unsigned char>(code[0]));
}

#endif

}  // namespace

std::int16_t Windows1251Code(char32_t character) { return Convert(character); }

}  // namespace console
