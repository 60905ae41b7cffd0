// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
//
// Plays every round the game can play: from the empty board with the
// person first and from every opening of the computer, every click on any
// of the nine cells (occupied ones too) and every distinct result of every
// random draw, up to the decided round. The totals of what it reaches pin
// the whole game tree.
#include <gtest/gtest.h>

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

// Walks the rounds depth first from their openings: the first round, in
// which the person moves first, and every board a computer's turn can open
// a later round with.
struct Walk {
  Walk() {
    Visit(Board{});
    for (const Board& opened : Turns(Board{})) Visit(opened);
    while (!pending.empty()) {
      const Board position = pending.back();
      pending.pop_back();
      for (int cell = 1; cell <= 9; ++cell) {
        Board clicked = position;
        game::PersonMove(clicked, cell);
        for (const Board& after : Turns(clicked)) Visit(after);
      }
    }
  }

  // Every distinct board one computer turn can leave, for every draw.
  const std::set<Board>& Turns(const Board& before) {
    auto [it, fresh] = turnCache.try_emplace(before);
    std::vector<BranchingSource::Branch> script;
    while (fresh) {
      Board after = before;
      BranchingSource source(script);
      std::int16_t coinFlip = 0;
      opponent::ComputerTurn(after, source, coinFlip);
      passes += CellsOf(after) == CellsOf(before) && game::EmptyCellCount(before) > 0;
      it->second.insert(after);
      ++turns;
      while (!script.empty() && script.back().choice + 1 == script.back().count) script.pop_back();
      if (script.empty()) break;
      ++script.back().choice;
    }
    return it->second;
  }

  void Visit(const Board& board) {
    const auto decision = game::DecideOutcome(board);
    if (decision.outcome == Outcome::InPlay) {
      if (inPlay.insert(board).second) pending.push_back(board);
    } else if (decided.insert(board).second) {
      ++outcomes[decision.outcome];
    }
  }

  // What the walk reached: boards in play and decided ones, computer
  // turns, the turns that marked nothing on a board with room, outcomes.
  std::set<Board> inPlay, decided;
  std::size_t turns = 0, passes = 0;
  std::map<Outcome, int> outcomes;
  std::map<Board, std::set<Board>> turnCache;
  std::vector<Board> pending;
};

// A rule that moved, skipped or added a mark anywhere changes at least one
// of the totals; the tables of the computer's turn tell which rule it was.
TEST(ExhaustiveWalk, ReachesTheWholeGameTree) {
  const Walk walk;
  EXPECT_EQ(walk.inPlay.size(), 590u);
  EXPECT_EQ(walk.turns, 214872u);
  EXPECT_EQ(walk.passes, 51708u);
  EXPECT_EQ(walk.outcomes, (std::map<Outcome, int>{{Outcome::PersonWon, 13},
                                                   {Outcome::ComputerWon, 889},
                                                   {Outcome::Draw, 49}}));
}

}  // namespace
