// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "console/typed_number.h"

#include <charconv>
#include <cstddef>
#include <string>
#include <system_error>

#include "game/rounding.h"

namespace console {

namespace {

constexpr std::string_view kBlanks = " \t\n\v\f\r";
constexpr std::string_view kUnicodeMinus = "\xE2\x88\x92";  // U+2212 in UTF-8

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

// Walks the typed text and writes what it accepts in the one spelling that
// std::from_chars reads: "-", digits, ".", "e".
class Reader {
 public:
  explicit Reader(std::string_view text) : rest_(text) {}

  bool AtEnd() const { return rest_.empty(); }

  bool Take(std::string_view what) {
    if (what.empty() || !rest_.starts_with(what)) return false;
    rest_.remove_prefix(what.size());
    return true;
  }

  bool TakeDigit(std::string& out) {
    if (rest_.empty() || rest_.front() < '0' || rest_.front() > '9') return false;
    out += rest_.front();
    rest_.remove_prefix(1);
    return true;
  }

  void TakeSign(std::string& out) {
    if (Take("+")) return;
    if (Take("-") || Take(kUnicodeMinus)) out += '-';
  }

 private:
  std::string_view rest_;
};

// Digits and separators, each separator written as '.'. The separator is
// tried before a digit, so even a strange one reads the same way every
// time.
void TakeMantissa(Reader& reader, std::string_view decimalPoint, std::string& out) {
  for (;;) {
    if (reader.Take(decimalPoint)) {
      out += '.';
    } else if (!reader.TakeDigit(out)) {
      return;
    }
  }
}

void TakeExponent(Reader& reader, std::string& out) {
  if (!reader.Take("e") && !reader.Take("E")) return;
  out += 'e';
  reader.TakeSign(out);
  while (reader.TakeDigit(out)) {
  }
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text, std::string_view decimalPoint) {
  Reader reader(Trimmed(text));
  std::string number;
  reader.TakeSign(number);
  TakeMantissa(reader, decimalPoint, number);
  TakeExponent(reader, number);
  if (!reader.AtEnd()) return std::nullopt;
  // std::from_chars refuses the rest: no digit before the exponent, a
  // second separator, an exponent without digits.
  double value = 0.0;
  const char* const end = number.data() + number.size();
  const auto [stop, error] = std::from_chars(number.data(), end, value);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

std::optional<game::Counter> AddWins(game::Counter wins, std::string_view typed,
                                     std::string_view decimalPoint) {
  const std::optional<double> number = ParseNumber(typed, decimalPoint);
  if (!number) return std::nullopt;
  return game::RoundHalfEven(*number + static_cast<double>(wins));
}

}  // namespace console
