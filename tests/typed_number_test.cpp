// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>
#include <initializer_list>
#include <cstdlib>
#include <optional>
#include <random>
#include <regex>
#include <string>
#include <string_view>

#include "console/typed_number.h"
#include "game/rounding.h"

namespace {

using namespace std::string_literals;
using namespace std::string_view_literals;

constexpr std::string_view kMinus = "\xE2\x88\x92";    // U+2212
constexpr std::string_view kArabicPoint = "\xD9\xAB";  // U+066B

struct AddCase {
  int wins;
  std::string typed;
  std::string_view decimalPoint;
  std::optional<int> expected;
};

void CheckAdding(const AddCase& c) {
  SCOPED_TRACE(testing::Message() << "'" << c.typed.substr(0, 40) << "' (" << c.typed.size()
                                  << " bytes) to " << c.wins << " with '" << c.decimalPoint << "'");
  const auto result = console::AddWins(static_cast<game::Counter>(c.wins), c.typed, c.decimalPoint);
  ASSERT_EQ(result.has_value(), c.expected.has_value());
  if (c.expected) {
    EXPECT_EQ(*result, *c.expected);
  }
}

// The typed number is added to the count and rounded half to even; a sum
// that leaves -32768..32767 changes nothing.
TEST(AddWins, AddsTheTypedNumberRoundingHalvesToEven) {
  const AddCase cases[] = {
      {2, "3", ".", 5},           {2, "-10", ".", -8},         {2, "\xE2\x88\x92" "10", ".", -8},
      {0, "2.5", ".", 2},         {0, "3.5", ".", 4},          {1, "0.5", ".", 2},
      {0, "2,5", ",", 2},         {0, "-0.5", ".", 0},         {0, "-1.5", ".", -2},
      {-8, "1", ".", -7},         {100, "1e2", ".", 200},      {100, "-1E2", ".", 0},
      {0, "2.4999999", ".", 2},   {0, "2.5000000001", ".", 3}, {0, "32767.4999999", ".", 32767},
      {0, "32767", ".", 32767},   {0, "32768", ".", {}},       {0, "32767.5", ".", {}},
      {0, "-32769", ".", {}},     {0, "-32768.5", ".", -32768}, {-32768, "-1", ".", {}},
      {32767, "1", ".", {}},      {32767, "-65535", ".", -32768}, {-32768, "65535", ".", 32767},
  };
  for (const auto& c : cases) CheckAdding(c);
}

// What is written as a number counts; whatever else is typed changes
// nothing (our choice: the count stays as it is). A number too small for a
// double reads as zero and leaves the count as it was.
TEST(AddWins, ChangesNothingUnlessTheTextIsANumber) {
  const AddCase cases[] = {
      {7, "", ".", {}},          {7, "   ", ".", {}},       {7, "abc", ".", {}},
      {7, "nan", ".", {}},       {7, "NaN", ".", {}},       {7, "inf", ".", {}},
      {7, "-infinity", ".", {}}, {7, "1e400", ".", {}},     {7, "7abc", ".", {}},
      {7, "0x10", ".", {}},      {7, "1 000", ".", {}},     {7, "1,000", ".", {}},
      {7, "1.000,5", ",", {}},   {7, "2.5", ",", {}},       {7, "2,5", ".", {}},
      {7, "+-1", ".", {}},       {7, "- 1", ".", {}},       {7, "1e", ".", {}},
      {7, "1e+", ".", {}},       {7, ".", ".", {}},         {7, "e5", ".", {}},
      {7, "1.5", "", {}},        {7, "1\xFF", ".", {}},     {7, "\xE2\x88", ".", {}},
      {7, "1\0"s, ".", {}},      {7, "１", ".", {}},        {7, "15", "", 22},
      {7, "+7", ".", 14},        {7, " 7 ", ".", 14},       {7, "\t7\n", ".", 14},
      {7, "7.", ".", 14},        {7, ".5", ".", 8},         {7, "1e\xE2\x88\x92" "1", ".", 7},
      {7, "1e-400", ".", 7},     {7, "-1e-400", ".", 7},    {7, "1e-310", ".", 7},
      {7, "2\xD9\xAB" "5", kArabicPoint, 10},
  };
  for (const auto& c : cases) CheckAdding(c);
}

// The length of the text does not decide: only the value does, however
// many digits and however large an exponent spell it.
TEST(AddWins, LongTextsCountByTheirValue) {
  const std::string zeros(10'000, '0');
  const std::string nines(10'000, '9');
  const AddCase cases[] = {
      {0, nines, ".", {}},
      {0, zeros + "7", ".", 7},
      {0, "0." + zeros + "1e10001", ".", 1},
      {0, "1" + zeros + "e-10000", ".", 1},
      {0, "1" + zeros.substr(0, 400) + "e-800", ".", 0},    // 1e-400: reads as zero
      {0, "0." + zeros.substr(0, 400) + "1e800", ".", {}},  // 1e399: too large
      {0, "1" + zeros + "e-10400", ".", 0},                 // 1e-400
      {0, "0." + zeros + "1e10400", ".", {}},               // 1e399
      {0, "1e" + nines, ".", {}},
      {0, "1e-" + nines, ".", 0},
      {0, std::string(10'000, ' ') + "3", ".", 3},
  };
  for (const auto& c : cases) CheckAdding(c);
}

// A number too small for a double keeps its sign and reads as zero.
TEST(ParseNumber, UnderflowReadsAsZero) {
  const auto positive = console::ParseNumber("1e-400", ".");
  const auto negative = console::ParseNumber(std::string(kMinus) + "1e-400", ".");
  ASSERT_TRUE(positive && negative);
  EXPECT_EQ(*positive, 0.0);
  EXPECT_FALSE(std::signbit(*positive));
  EXPECT_EQ(*negative, 0.0);
  EXPECT_TRUE(std::signbit(*negative));
}

// An independent reading of the same rules: a regular expression for the
// form and strtod (the test runs in the "C" locale) for the value.
class Oracle {
 public:
  explicit Oracle(std::string_view decimalPoint) : decimalPoint_(decimalPoint) {
    std::string point;
    for (const char c : decimalPoint) {
      if (c > ' ' && c < '0') point += '\\';  // ASCII punctuation is quoted
      point += c;
    }
    const std::string sign = "([+-]|\xE2\x88\x92)?";
    form_ = std::regex("[ \\t\\n\\v\\f\\r]*" + sign + "([0-9]+(" + point + "[0-9]*)?|" + point +
                       "[0-9]+)([eE]" + sign + "[0-9]+)?[ \\t\\n\\v\\f\\r]*");
  }

  std::optional<double> Read(const std::string& text) const {
    if (!std::regex_match(text, form_)) return std::nullopt;
    std::string plain = Replaced(Replaced(text, decimalPoint_, "."), kMinus, "-");
    errno = 0;
    const double value = std::strtod(plain.c_str(), nullptr);
    if (errno == ERANGE && std::abs(value) > 1.0) return std::nullopt;
    return value;
  }

 private:
  static std::string Replaced(std::string text, std::string_view from, std::string_view to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) {
      text.replace(at, from.size(), to);
    }
    return text;
  }

  std::string decimalPoint_;
  std::regex form_;
};

std::string_view Pick(std::mt19937& random, std::initializer_list<std::string_view> choices) {
  return choices.begin()[random() % choices.size()];
}

std::string Digits(std::mt19937& random) {
  std::string digits;
  for (auto length = random() % 4; length > 0; --length) digits += char('0' + random() % 10);
  return digits;
}

// Random texts: something shaped like a number, each part maybe missing,
// then a few pieces (number-like ones and stray bytes) put in or taken out.
std::string RandomText(std::mt19937& random) {
  const auto blank = [&] { return Pick(random, {"", "", " ", "\t"}); };
  const auto sign = [&] { return Pick(random, {"", "", "+", "-", kMinus}); };
  std::string text = std::string(blank()) + std::string(sign()) + Digits(random) +
                     std::string(Pick(random, {"", ".", ",", kArabicPoint})) + Digits(random);
  if (random() % 2 == 0)
    text += std::string(Pick(random, {"e", "E"})) + std::string(sign()) + Digits(random);
  text += blank();
  for (auto edits = random() % 3; edits > 0; --edits) {
    const auto at = random() % (text.size() + 1);
    if (random() % 2 == 0) {
      text.erase(at, 1);  // may split a multi-byte character
    } else {
      text.insert(at, Pick(random, {"0", "5", ".", ",", kArabicPoint, "+", "-", kMinus, "e", " ",
                                    "a", "x", "nan", "inf", "\xFF", "\xE2", "\0"sv}));
    }
  }
  return text;
}

// Thousands of random texts: none crashes, and each changes the count
// exactly when the independent reading finds a number whose sum fits.
TEST(AddWins, AgreesWithAnIndependentReadingOnRandomTexts) {
  std::mt19937 random(20260415);
  for (const std::string_view decimalPoint : {"."sv, ","sv, kArabicPoint}) {
    const Oracle oracle(decimalPoint);
    int numbers = 0;
    for (int i = 0; i < 20'000; ++i) {
      const std::string text = RandomText(random);
      const auto wins = static_cast<game::Counter>(random() % 65536 - 32768);
      const std::optional<double> expected = oracle.Read(text);
      SCOPED_TRACE(testing::Message() << "'" << text << "' with '" << decimalPoint << "'");
      const std::optional<double> parsed = console::ParseNumber(text, decimalPoint);
      ASSERT_EQ(parsed.has_value(), expected.has_value());
      if (!expected) continue;
      ++numbers;
      if (std::abs(*expected) >= 1e-300) {
        EXPECT_EQ(*parsed, *expected);
      }
      const auto sum = game::RoundHalfEven(*expected + wins);
      EXPECT_EQ(console::AddWins(wins, text, decimalPoint), sum);
    }
    EXPECT_GT(numbers, 3'000) << "too few numbers among the random texts";
  }
}

}  // namespace
