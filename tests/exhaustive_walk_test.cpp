// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
//
// Plays every round the game can play: from the empty board with the
// person first and from every opening of the computer, every click on any
// of the nine cells (occupied ones too) and every distinct result of every
// random draw, up to the decided round, and checks each computer turn
// against rules stated independently of the engine. The totals of what it
// reaches pin the rest.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <map>
#include <set>
#include <vector>

#include "game/outcome.h"
#include "opponent/computer_turn.h"
#include "support/boards.h"
#include "support/scripted_source.h"

namespace {

using game::Board;
using game::Outcome;
using testing_support::CellsOf;

// The eight lines in order of priority for the computer: rows top to
// bottom, columns left to right, the diagonals.
constexpr std::array<std::array<int, 3>, 8> kOracleLines{{
    {1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {1, 4, 7}, {2, 5, 8}, {3, 6, 9}, {1, 5, 9}, {3, 5, 7},
}};

// The cell the computer must take: the empty cell of the first line with
// two of its own marks, else of the first line with two of the person's;
// 0 when there is none.
int ExpectedLineTarget(const Board& board) {
  for (const auto mark : {game::kComputerMark, game::kPersonMark}) {
    for (const auto& line : kOracleLines) {
      int marks = 0;
      int empty = 0;
      for (int cell : line) {
        if (board[cell] == mark) ++marks;
        if (board[cell].empty()) empty = cell;
      }
      if (marks == 2 && empty != 0) return empty;
    }
  }
  return 0;
}

// A source that takes one chosen branch at every draw and learns, draw by
// draw, how many branches there are: three coins first, then ten opening
// slots when the coin gave 1, and four RandI values for every later draw.
class BranchingSource final : public game::RandomSource {
 public:
  struct Branch {
    int choice;
    int count;
  };

  explicit BranchingSource(std::vector<Branch>& script) : script_(script) {}

  float Next() override {
    const bool opening = next_ == 1 && script_[0].choice == 1;
    if (next_ == script_.size()) script_.push_back({0, next_ == 0 ? 3 : opening ? 10 : 4});
    const int choice = script_[next_++].choice;
    if (next_ == 1) return testing_support::CoinDraw(choice);
    return opening ? testing_support::OpeningDraw(choice) : testing_support::RandIDraw(choice + 1);
  }

 private:
  std::vector<Branch>& script_;
  std::size_t next_ = 0;
};

// Checks one computer turn from `before` to `after`; true when the
// computer left a board with an empty cell without marking one.
bool CheckTurn(const Board& before, const Board& after) {
  SCOPED_TRACE(CellsOf(before) + " -> " + CellsOf(after));
  int added = 0;
  for (int cell = 1; cell <= 9; ++cell) {
    if (before[cell] == after[cell]) continue;
    EXPECT_TRUE(before[cell].empty()) << "overwrote cell " << cell;
    EXPECT_EQ(after[cell], game::kComputerMark) << "cell " << cell;
    ++added;
  }
  EXPECT_LE(added, 1) << "more than one O in one turn";
  if (after[0] != before[0]) {
    EXPECT_EQ(game::EmptyCellCount(before), 9) << "slot 0 written on a board in play";
  }
  if (const int target = ExpectedLineTarget(before); target != 0) {
    Board expected = before;
    expected[target] = game::kComputerMark;
    EXPECT_EQ(after, expected) << "the O did not go to the first line target " << target;
  }
  return added == 0 && game::EmptyCellCount(before) > 0;
}

class Walk {
 public:
  void Run() {
    const Board empty{};
    Visit(empty);  // the first round: the person moves first
    for (const Board& opened : Turns(empty)) Visit(opened);  // every later round
    while (!pending_.empty()) {
      const Board position = pending_.back();
      pending_.pop_back();
      for (int cell = 1; cell <= 9; ++cell) {
        Board clicked = position;
        game::PersonMove(clicked, cell);
        for (const Board& after : Turns(clicked)) Visit(after);
      }
    }
  }

  // What the walk reached: boards in play and decided ones, computer
  // turns, the turns that marked nothing on a board with room, outcomes.
  std::set<Board> inPlay;
  std::set<Board> decided;
  std::size_t turns = 0;
  std::size_t passes = 0;
  std::map<Outcome, int> outcomes;

 private:
  // Every distinct board one computer turn can leave, checked once each.
  const std::set<Board>& Turns(const Board& before) {
    auto [it, fresh] = turnCache_.try_emplace(before);
    if (!fresh) return it->second;
    std::vector<BranchingSource::Branch> script;
    do {
      Board after = before;
      BranchingSource source(script);
      std::int16_t coinFlip = 0;
      opponent::ComputerTurn(after, source, coinFlip);
      passes += CheckTurn(before, after) ? 1 : 0;
      it->second.insert(after);
      ++turns;
      while (!script.empty() && script.back().choice + 1 == script.back().count) script.pop_back();
      if (!script.empty()) ++script.back().choice;
    } while (!script.empty());
    return it->second;
  }

  void Visit(const Board& board) {
    const auto decision = game::DecideOutcome(board);
    if (decision.outcome == Outcome::InPlay) {
      if (inPlay.insert(board).second) pending_.push_back(board);
    } else if (decided.insert(board).second) {
      ++outcomes[decision.outcome];
    }
  }

  std::map<Board, std::set<Board>> turnCache_;
  std::vector<Board> pending_;
};

// The totals pin the whole game tree: a rule that moved, skipped or
// added a mark anywhere changes at least one of them.
TEST(ExhaustiveWalk, EveryReachableTurnFollowsTheRules) {
  Walk walk;
  walk.Run();
  EXPECT_EQ(walk.inPlay.size(), 590u);
  EXPECT_EQ(walk.turns, 214872u);
  EXPECT_EQ(walk.passes, 51708u);
  EXPECT_EQ(walk.outcomes, (std::map<Outcome, int>{{Outcome::PersonWon, 13},
                                                   {Outcome::ComputerWon, 889},
                                                   {Outcome::Draw, 49}}));
}

}  // namespace
