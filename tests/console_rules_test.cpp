// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
//
// The hidden console's rules: the start screen's keys that show the password
// list and the number typed for "zap". The passwords are typed into the
// window by the window tests.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "console/code_page.h"
#include "console/keys.h"
#include "console/typed_number.h"

namespace {

using namespace std::string_literals;

// The start screen after each character of `typed`: 'S' where the
// password list comes up, '.' where it does not. "中" stands for any
// character that the code page lacks: it comes as "?", as to a window that
// works in that code page, and breaks the x-o pair like any other key.
TEST(StartKeys, ShowThePasswordListAfterALatinXThenO) {
  const struct {
    std::u32string_view typed;
    std::string_view shown;
    const char* lastKey;
  } cases[] = {
      {U"xo", ".S", "111"},   {U"xxo", "..S", "111"}, {U"xoo", ".S.", "111"},
      {U"xao", "...", "111"}, {U"XO", "..", "79"},    {U"xO", "..", "79"},
      {U"хо", "..", "238"},   {U"xoxo", ".S.S", "111"}, {U"x中o", "...", "111"},
      {U"x中", "..", "63"},   {U"Ё", ".", "168"},     {U"я", ".", "255"},
      {U"é", ".", "63"},      {U"x\U0001F600o", "...", "111"},
  };
  for (const auto& c : cases) {
    console::StartKeys keys;
    std::string shown;
    for (const char32_t key : c.typed) shown += keys.KeyPress(console::Windows1251Code(key)) ? 'S' : '.';
    EXPECT_EQ(shown, c.shown) << c.lastKey;
    EXPECT_EQ(keys.LastKey(), c.lastKey);
  }
  // No character at all: a surrogate, a value past U+10FFFF.
  for (const char32_t noCharacter : {0xD800u, 0x110000u}) EXPECT_EQ(console::Windows1251Code(noCharacter), 63);
}

// The typed number is added to the count and rounded half to even.
// Whatever is not written as a number, and a sum outside -32768..32767,
// leave the count as it is (std::nullopt).
TEST(AddWins, AddsTheTypedNumberOrChangesNothing) {
  const std::string zeros(10'000, '0');
  const struct {
    int wins;
    std::string typed;
    std::string_view decimalPoint;
    std::optional<int> expected;
  } cases[] = {
      {2, "3", ".", 5},            {2, "-10", ".", -8},          {2, "\xE2\x88\x92" "10", ".", -8},
      {0, "2.5", ".", 2},          {0, "3.5", ".", 4},           {0, "2,5", ",", 2},
      {0, "-1.5", ".", -2},        {100, "1e2", ".", 200},       {100, "-1E2", ".", 0},
      {0, "32767.4999999", ".", 32767}, {0, "32767.5", ".", {}}, {0, "-32768.5", ".", -32768},
      {32767, "1", ".", {}},       {-32768, "65535", ".", 32767}, {7, "+7", ".", 14},
      {7, " \t7\n", ".", 14},       {7, "7.", ".", 14},           {7, "１", ".", {}},
      {7, ".5", ".", 8},           {7, "15", "", 22},            {7, "1e\xE2\x88\x92" "1", ".", 7},
      {7, "2\xD9\xAB" "5", "\xD9\xAB", 10},                      {0, zeros + "7", ".", 7},
      {0, "0." + zeros + "1e10001", ".", 1},                     {0, "1e" + zeros + "9", ".", {}},
      {7, "", ".", {}},            {7, "   ", ".", {}},          {7, "nan", ".", {}},
      {7, "inf", ".", {}},         {7, "1e400", ".", {}},        {7, "1e-400", ".", {}},
      {7, "7abc", ".", {}},        {7, "0x10", ".", {}},         {7, "1 000", ".", {}},
      {7, "1.000,5", ",", {}},     {7, "2.5", ",", {}},          {7, "1.5", "", {}},
      {7, "+-1", ".", {}},         {7, "- 1", ".", {}},          {7, "1e+", ".", {}},
      {7, ".", ".", {}},           {7, "e5", ".", {}},           {7, "1\xFF", ".", {}},
      {7, "1\0"s, ".", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "'" << c.typed.substr(0, 20) << "' (" << c.typed.size()
                                    << " bytes) to " << c.wins << " with '" << c.decimalPoint << "'");
    EXPECT_EQ(console::AddWins(static_cast<game::Counter>(c.wins), c.typed, c.decimalPoint),
              c.expected);
  }
}

}  // namespace
