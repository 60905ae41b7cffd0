// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
//
// Plays the game with libFuzzer's bytes as the person's hands and as
// chance: clicks, the again-buttons, new games, console entries,
// start-screen keys, states of the random source and chosen draws, each
// run the way the game window runs it. After every step it checks the
// rules that no input may break, and aborts at the first broken one.
//
// It uses only the game's own operations, never a write to the board, so
// every position it reaches is one that play reaches.
#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <initializer_list>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "console/code_page.h"
#include "console/keys.h"
#include "console/passwords.h"
#include "console/typed_number.h"
#include "fuzz/input.h"
#include "game/board.h"
#include "game/outcome.h"
#include "game/random_source.h"
#include "game/tally.h"
#include "opponent/computer_turn.h"

namespace {

using game::Outcome;

void Require(bool holds, const char* rule) {
  if (holds) return;
  std::fprintf(stderr, "broken rule: %s\n", rule);
  std::abort();
}

// The game's own sequence from any state, with numbers that the input
// chose served first.
class FuzzedSource final : public game::RandomSource {
 public:
  void Restart(std::uint32_t state) { sequence_ = game::RandomSequence(state); }
  void Choose(float r) {
    if (chosen_.size() < kMostChosen) chosen_.push_back(r);
  }

  float Next() override {
    if (chosen_.empty()) {
      const float r = sequence_.Next();
      Require(r >= 0.0f && r < 1.0f, "every draw lies in [0, 1)");
      return r;
    }
    const float r = chosen_.front();
    chosen_.pop_front();
    return r;
  }

 private:
  static constexpr std::size_t kMostChosen = 64;
  game::RandomSequence sequence_;
  std::deque<float> chosen_;
};

// Any float in [0, 1) that the bits spell, the smallest and the largest
// among them; other bits give k / 2^24, as the game's own draws are.
float DrawOf(std::uint32_t bits) {
  const float r = std::bit_cast<float>(bits);
  if (r >= 0.0f && r < 1.0f) return r;
  return static_cast<float>(bits >> 8) / 16777216.0f;
}

// The game window's state as far as the engine sees it.
struct Window {
  game::Board board;
  game::Counter wins = 0;
  game::Counter losses = 0;
  game::Counter draws = 0;
  std::int16_t coinFlip = 0;
  // Set while a decided round locks the board, beside the board it locked.
  std::optional<game::OutcomeDecision> decided;
  game::Board lockedBoard;
  FuzzedSource random;
  console::StartKeys startKeys;
  console::KeyCode lastKey;
  bool ended = false;
};

int EmptyCells(const game::Board& board) {
  int empty = 0;
  for (int cell = 1; cell <= 9; ++cell) empty += board[cell].empty();
  return empty;
}

// The outcome by another road: each side's cells as bits, the eight lines
// as masks, in the order the game tests them.
game::OutcomeDecision ExpectedOutcome(const game::Board& board) {
  static constexpr unsigned kLines[8] = {0x00E, 0x070, 0x380, 0x092, 0x124, 0x248, 0x222, 0x0A8};
  unsigned person = 0;
  unsigned computer = 0;
  for (int cell = 1; cell <= 9; ++cell) {
    person |= unsigned{board[cell] == game::kPersonMark} << cell;
    computer |= unsigned{board[cell] == game::kComputerMark} << cell;
  }
  for (const auto& [cells, outcome] :
       {std::pair{person, Outcome::PersonWon}, std::pair{computer, Outcome::ComputerWon}}) {
    for (int line = 0; line < 8; ++line) {
      if ((cells & kLines[line]) == kLines[line]) return {outcome, line};
    }
  }
  if ((person | computer) == 0x3FE) return {Outcome::Draw, -1};
  return {};
}

void CheckTurn(const game::Board& before, const game::Board& after) {
  int added = 0;
  for (int cell = 1; cell <= 9; ++cell) {
    if (after[cell] == before[cell]) continue;
    Require(before[cell].empty() && after[cell] == game::kComputerMark,
            "a turn writes an O into an empty cell and nothing else");
    ++added;
  }
  Require(added <= 1, "a turn adds at most one O");
  if (after[0] != before[0]) {
    Require(EmptyCells(before) == 9 && after[0] == game::kComputerMark,
            "slot 0 takes an O, and only on an empty board");
  }
}

void CountOne(game::Counter& counter) {
  const int before = counter;
  game::AddOne(counter);
  const int expected = before == std::numeric_limits<game::Counter>::max() ? before : before + 1;
  Require(counter == expected, "a counter adds one and never wraps");
}

// The check at the end of every computer turn; a decided round locks the
// board.
void CheckOutcome(Window& w) {
  const game::OutcomeDecision decision = game::DecideOutcome(w.board);
  const game::OutcomeDecision expected = ExpectedOutcome(w.board);
  Require(decision.outcome == expected.outcome && decision.line == expected.line,
          "the outcome is the one the eight lines give");
  switch (decision.outcome) {
    case Outcome::InPlay:
      return;
    case Outcome::PersonWon:
      CountOne(w.wins);
      break;
    case Outcome::ComputerWon:
      CountOne(w.losses);
      break;
    case Outcome::Draw:
      CountOne(w.draws);
      break;
  }
  w.decided = decision;
  w.lockedBoard = w.board;
}

void ComputerTurn(Window& w) {
  const game::Board before = w.board;
  opponent::ComputerTurn(w.board, w.random, w.coinFlip);
  CheckTurn(before, w.board);
  Require(w.coinFlip >= 0 && w.coinFlip <= 2, "the coin shows 0, 1 or 2");
  CheckOutcome(w);
}

// A locked cell gives no click. An open one takes the X if it is empty,
// and the computer answers either way.
void Click(Window& w, int cell) {
  if (w.decided) return;
  const game::Board before = w.board;
  const bool marked = game::PersonMove(w.board, cell);
  Require(marked == before[cell].empty(), "a click marks an empty cell and only that");
  game::Board expected = before;
  if (marked) expected[cell] = game::kPersonMark;
  Require(w.board == expected, "a click writes its X into its own cell only");
  ComputerTurn(w);
}

void NewRound(Window& w) {
  const std::string slotZero = w.board[0];
  w.decided.reset();
  game::ClearCells(w.board);
  Require(EmptyCells(w.board) == 9 && w.board[0] == slotZero,
          "a reset empties the nine cells and keeps slot 0");
  ComputerTurn(w);
  Require(!w.decided, "the first turn of a round decides nothing");
}

// Only a decided round shows a button: the light one after a loss or a
// win off the bottom row, and that one takes one draw more.
void Again(Window& w) {
  if (!w.decided) return;
  const bool light = w.decided->outcome == Outcome::ComputerWon ||
                     (w.decided->outcome == Outcome::PersonWon && !w.decided->OnBottomRow());
  if (light) {
    const std::int16_t number = game::RandI(w.random);
    Require(number >= 1 && number <= 4, "RandI gives 1 to 4");
  }
  NewRound(w);
}

void NewGame(Window& w) {
  w.wins = w.losses = w.draws = 0;
  NewRound(w);
}

// A number of digits, signs, points and exponent letters alone reads as
// the C library reads it; nothing here changes the C locale.
void CheckAgainstStrtod(std::string_view typed, std::optional<double> number) {
  if (typed.empty() || typed.find_first_not_of("0123456789+-.eE") != std::string_view::npos) {
    return;
  }
  const std::string text(typed);
  char* end = nullptr;
  errno = 0;
  const double value = std::strtod(text.c_str(), &end);
  const bool whole = end == text.c_str() + text.size();
  const bool tooLarge = errno == ERANGE && std::isinf(value);
  Require(number.has_value() == (whole && !tooLarge), "a plain number is taken as strtod takes it");
  if (number) Require(*number == value, "a plain number has the value strtod gives");
}

// The "zap" box: the sum, rounded half to even, when it fits the counter;
// otherwise the count stays.
void Zap(Window& w, std::string_view typed, std::string_view decimalPoint) {
  const std::optional<double> number = console::ParseNumber(typed, decimalPoint);
  const std::optional<game::Counter> wins = console::AddWins(w.wins, typed, decimalPoint);
  if (decimalPoint == ".") CheckAgainstStrtod(typed, number);
  if (!number) {
    Require(!wins, "a text that is no number adds nothing");
    return;
  }
  const double sum = std::nearbyint(*number + w.wins);
  const bool fits = sum >= std::numeric_limits<game::Counter>::min() &&
                    sum <= std::numeric_limits<game::Counter>::max();
  Require(wins.has_value() == fits, "a sum is taken exactly when it fits the counter");
  if (!wins) return;
  Require(*wins == sum, "zap sets the rounded sum");
  w.wins = *wins;
}

// The console's entry, then for "zap" the typed number and the decimal
// point, each a line of the input.
void Console(Window& w, fuzz::Input& in, std::string_view entry) {
  switch (console::CommandFor(entry)) {
    case console::Command::AddWins: {
      const std::string_view typed = in.Line();
      Zap(w, typed, in.Line());
      return;
    }
    case console::Command::EndProgram:
      w.ended = true;
      return;
    default:  // pictures and messages: the window's part
      return;
  }
}

void StartKey(Window& w, char32_t character) {
  const console::KeyCode code = console::Windows1251Code(character);
  Require(!code || (*code >= 0 && *code <= 255), "a Windows-1251 code is one byte");
  if (character < 0x80) Require(code == static_cast<int>(character), "ASCII keeps its codes");
  const bool showsList = w.startKeys.KeyPress(code);
  Require(showsList == (code == 111 && w.lastKey == 120),
          "x then o, and only that, shows the list");
  Require(w.startKeys.LastKey() == (code ? std::to_string(*code) : std::string()),
          "LastKey holds the last key's code");
  Require(console::OpensConsole(code) == (code == 96 || code == 168),
          "only ` and Ё open the console");
  w.lastKey = code;
}

// One step, chosen by one byte; what it needs follows it:
//   '1'..'9'  a click on that cell      'a'  the again-button
//   'n'       New game                  'c'  a console entry, up to a line break
//   'z'       the entry "zap", then the number and the decimal point, lines too
//   'k'       a start-screen key, the next byte as the character ('K': 4 bytes)
//   's'       the random source restarts from the next 4 bytes as its state
//   'r'       the next 4 bytes as a chosen draw
// Any other byte clicks the cell 1 + byte % 9.
void Step(Window& w, fuzz::Input& in) {
  const std::uint8_t op = in.Byte();
  switch (op) {
    case 'a':
      return Again(w);
    case 'n':
      return NewGame(w);
    case 'c':
      return Console(w, in, in.Line());
    case 'z':
      return Console(w, in, "zap");
    case 'k':
      return StartKey(w, in.Byte());
    case 'K':
      return StartKey(w, in.Word());
    case 's':
      return w.random.Restart(in.Word());
    case 'r':
      return w.random.Choose(DrawOf(in.Word()));
    default:
      return Click(w, op >= '1' && op <= '9' ? op - '0' : 1 + op % 9);
  }
}

// A decided round stays as it was until a reset.
void CheckLock(const Window& w) {
  if (!w.decided) return;
  Require(w.board == w.lockedBoard, "a locked board does not change");
  const game::OutcomeDecision now = game::DecideOutcome(w.board);
  Require(now.outcome == w.decided->outcome && now.line == w.decided->line,
          "a decided round stays decided");
}

}  // namespace

// Each input is one run of the game window from its opening: the first
// round, with the person to move.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input in(data, size);
  Window window;
  while (!in.AtEnd() && !window.ended) {
    Step(window, in);
    CheckLock(window);
  }
  return 0;
}
