// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "opponent/positional_move.h"

#include <algorithm>
#include <array>
#include <initializer_list>

namespace opponent {
namespace {

using game::Board;
using game::kComputerMark;
using game::kPersonMark;

constexpr std::array<int, 4> kCorners{1, 3, 7, 9};
constexpr std::array<int, 4> kEdges{2, 4, 6, 8};

bool AllHold(const Board& board, std::initializer_list<int> cells, std::string_view mark) {
  return std::all_of(cells.begin(), cells.end(),
                     [&](int cell) { return game::Holds(board, cell, mark); });
}

bool AnyHolds(const Board& board, const std::array<int, 4>& cells, std::string_view mark) {
  return std::any_of(cells.begin(), cells.end(),
                     [&](int cell) { return game::Holds(board, cell, mark); });
}

void PutIfFree(Board& board, int cell) {
  if (game::IsEmpty(board, cell)) board[cell] = kComputerMark;
}

// Writes "Oo" into the first empty cell 1..9, if there is one.
void ScanFirstFree(Board& board) {
  for (int cell = game::kFirstCell; cell <= game::kLastCell; ++cell) {
    if (game::IsEmpty(board, cell)) {
      board[cell] = kComputerMark;
      return;
    }
  }
}

// The one board that answers with a corner chosen at random: O in 1, X in
// 5 and 9, every other cell empty.
bool IsCornerTrap(const Board& board) {
  return game::Holds(board, 1, kComputerMark) && AllHold(board, {5, 9}, kPersonMark) &&
         AllHold(board, {2, 3, 4, 6, 7, 8}, game::kEmpty);
}

// The prepared replies after the corner trap, in the order they are tried.
struct Reply {
  int person1;   // two cells that must hold "Xx"
  int person2;
  int computer;  // a cell that must hold "Oo", or kAnyCell
  bool drawn;    // the target is chosen by draws; otherwise it is `first`
  int first;     // a = 2 or b = 4
  int onOne;     // else c = 1
  int otherwise;
};
constexpr int kAnyCell = -1;

constexpr std::array<Reply, 4> kReplies{{
    {8, 6, kAnyCell, true, 9, 4, 7},
    {1, 8, kAnyCell, true, 7, 4, 6},
    {7, 3, 5, false, 8, 8, 8},
    {3, 8, kAnyCell, true, 9, 6, 4},
}};

bool Applies(const Board& board, const Reply& reply) {
  return AllHold(board, {reply.person1, reply.person2}, kPersonMark) &&
         (reply.computer == kAnyCell || game::Holds(board, reply.computer, kComputerMark));
}

// Both a and b are drawn before either is compared; c only when needed.
int DrawTarget(game::RandomSource& source, const Reply& reply) {
  const auto a = game::RandI(source);
  const auto b = game::RandI(source);
  if (a == 2 || b == 4) return reply.first;
  return game::RandI(source) == 1 ? reply.onOne : reply.otherwise;
}

// The prepared replies, tried in order; the first that applies ends the
// move, whether or not its target was free.
bool PreparedReply(Board& board, game::RandomSource& source) {
  if (IsCornerTrap(board)) {
    const auto a = game::RandI(source);
    const auto b = game::RandI(source);
    board[(a == 1 || b == 3) ? 3 : 7] = kComputerMark;
    return true;
  }
  for (const Reply& reply : kReplies) {
    if (Applies(board, reply)) {
      PutIfFree(board, reply.drawn ? DrawTarget(source, reply) : reply.first);
      return true;
    }
  }
  return false;
}

// An X among `cells` makes the computer take the centre, or, when the
// centre is gone, the first free cell (which ends the move; on a full
// board nothing later could write either). Returns true when the move has
// ended.
bool AnswerMarks(Board& board, const std::array<int, 4>& cells) {
  if (!AnyHolds(board, cells, kPersonMark)) return false;
  if (game::IsEmpty(board, game::kCentre)) {
    board[game::kCentre] = kComputerMark;
    return false;
  }
  ScanFirstFree(board);
  return true;
}

}  // namespace

void PositionalMove(Board& board, game::RandomSource& source) {
  game::RandI(source);  // drawn and discarded: it shifts every later draw
  if (PreparedReply(board, source)) return;
  if (AnswerMarks(board, kCorners)) return;
  if (AnswerMarks(board, kEdges)) return;
  if (game::Holds(board, game::kCentre, kPersonMark)) {
    const auto corner = std::find_if(kCorners.begin(), kCorners.end(),
                                     [&](int cell) { return game::IsEmpty(board, cell); });
    if (corner != kCorners.end()) board[*corner] = kComputerMark;
  }
}

}  // namespace opponent
