// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "console/code_page.h"
#include "console/keys.h"

namespace {

// The start screen after each character of `typed`: 'S' where the
// password list comes up, '.' where it does not. "中" stands for any
// character that the code page lacks.
std::string ShownAfterEach(std::u32string_view typed, console::StartKeys& keys) {
  std::string shown;
  for (const char32_t c : typed) {
    shown += keys.KeyPress(console::Windows1251Code(c)) ? 'S' : '.';
  }
  return shown;
}

// Only a lowercase Latin x immediately before a lowercase Latin o shows the
// list, and once for each such pair.
TEST(StartKeys, ShowsThePasswordListAfterXThenO) {
  const struct {
    const char* name;
    std::u32string_view typed;
    std::string_view shown;
  } cases[] = {
      {"x o", U"xo", ".S"},
      {"x x o", U"xxo", "..S"},
      {"x o o: once", U"xoo", ".S."},
      {"x a o", U"xao", "..."},
      {"capitals", U"XO", ".."},
      {"capital x", U"Xo", ".."},
      {"capital o", U"xO", ".."},
      {"Cyrillic х о", U"хо", ".."},
      {"o as the very first key", U"o", "."},
      {"x o x o: twice", U"xoxo", ".S.S"},
      {"o x o", U"oxo", "..S"},
      {"a key without a code between x and o", U"x中o", "..."},
      {"a key without a code before x o", U"中xo", "..S"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    console::StartKeys keys;
    EXPECT_EQ(ShownAfterEach(c.typed, keys), c.shown);
  }
}

// LastKey holds the decimal code of the last character, and is emptied by
// one that has no code.
TEST(StartKeys, LastKeyIsTheDecimalCodeOfTheLastCharacter) {
  const struct {
    std::u32string_view typed;
    const char* lastKey;
  } cases[] = {
      {U"", ""},     {U"x", "120"}, {U"xo", "111"}, {U"X", "88"},   {U"Ё", "168"},
      {U"я", "255"}, {U"\n", "10"}, {U"x中", ""},   {U"中a", "97"},
  };
  for (const auto& c : cases) {
    console::StartKeys keys;
    ShownAfterEach(c.typed, keys);
    EXPECT_EQ(keys.LastKey(), c.lastKey) << c.lastKey;
  }
}

// The grave accent and the capital "Ё" open the console; the small "ё",
// the tilde and every other key do not.
TEST(ConsoleKeys, GraveAccentAndCapitalYoOpenTheConsole) {
  const struct {
    console::KeyCode code;
    bool opens;
  } cases[] = {
      {96, true},   {168, true}, {184, false},          {126, false},  {0, false},
      {-96, false}, {97, false}, {std::nullopt, false}, {-168, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.code ? std::to_string(*c.code) : "no code");
    EXPECT_EQ(console::OpensConsole(c.code), c.opens);
  }
  EXPECT_TRUE(console::OpensConsole(console::Windows1251Code(U'`')));
  EXPECT_TRUE(console::OpensConsole(console::Windows1251Code(U'Ё')));
  EXPECT_FALSE(console::OpensConsole(console::Windows1251Code(U'ё')));
  EXPECT_FALSE(console::OpensConsole(console::Windows1251Code(U'~')));
}

// The characters of the Ukrainian and Russian keyboards keep their codes;
// a character that the code page lacks has none, and so matches nothing.
TEST(CodePage, KeyboardCharactersHaveTheirWindows1251Codes) {
  const struct {
    char32_t character;
    std::optional<int> code;
  } cases[] = {
      {U'x', 120},     {U'o', 111},       {U'`', 96},          {U'~', 126},
      {U'\r', 13},     {U'А', 192},       {U'я', 255},         {U'Ё', 168},
      {U'ё', 184},     {U'Є', 170},       {U'є', 186},         {U'І', 178},
      {U'і', 179},     {U'Ї', 175},       {U'ї', 191},         {U'Ґ', 165},
      {U'ґ', 180},     {U'№', 185},       {U'€', 136},         {U'中', std::nullopt},
      {U'é', std::nullopt}, {0xFFFD, std::nullopt}, {0xD800, std::nullopt},
      {0x110000, std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<std::uint32_t>(c.character));
    const auto code = console::Windows1251Code(c.character);
    ASSERT_EQ(code.has_value(), c.code.has_value());
    if (code) {
      EXPECT_EQ(*code, *c.code);
    }
  }
}

}  // namespace
