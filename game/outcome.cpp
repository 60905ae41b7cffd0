// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "game/outcome.h"

namespace game {
namespace {

int FirstCompleteLine(const Board& board, std::string_view mark) {
  for (int i = 0; i < static_cast<int>(kLines.size()); ++i) {
    if (LineComplete(board, kLines[i], mark)) return i;
  }
  return -1;
}

}  // namespace

OutcomeDecision DecideOutcome(const Board& board) {
  if (const int line = FirstCompleteLine(board, kPersonMark); line >= 0) {
    return {Outcome::PersonWon, line};
  }
  if (const int line = FirstCompleteLine(board, kComputerMark); line >= 0) {
    return {Outcome::ComputerWon, line};
  }
  if (EmptyCellCount(board) == 0) return {Outcome::Draw, -1};
  return {};
}

}  // namespace game
