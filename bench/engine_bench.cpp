// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
//
// One computer turn on the positions the game meets most: each iteration
// copies the position and lets the computer answer it with the game's own
// random sequence. The copy alone is measured too, to subtract.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string_view>

#include "game/board.h"
#include "game/random_source.h"
#include "opponent/computer_turn.h"

namespace {

// Nine characters in reading order: 'X', 'O' or '.'.
game::Board BoardOf(std::string_view cells) {
  game::Board board;
  for (int cell = game::kFirstCell; cell <= game::kLastCell; ++cell) {
    const char c = cells[static_cast<std::size_t>(cell - 1)];
    board[cell] = c == 'X' ? game::kPersonMark : c == 'O' ? game::kComputerMark : game::kEmpty;
  }
  return board;
}

void Turn(benchmark::State& state, std::string_view cells) {
  const game::Board position = BoardOf(cells);
  game::RandomSequence random;
  std::int16_t coinFlip = 0;
  for (auto _ : state) {
    game::Board board = position;
    opponent::ComputerTurn(board, random, coinFlip);
    benchmark::DoNotOptimize(board);
  }
}

void CopyOnly(benchmark::State& state, std::string_view cells) {
  const game::Board position = BoardOf(cells);
  for (auto _ : state) {
    game::Board board = position;
    benchmark::DoNotOptimize(board);
  }
}

}  // namespace

// A new round: the coin may open in a random cell.
BENCHMARK_CAPTURE(Turn, empty_board, ".........");
// The person's first move in the centre: the computer takes a corner.
BENCHMARK_CAPTURE(Turn, after_first_move, "....X....");
// Two crosses on the top row: every win rule fails, the row block writes.
BENCHMARK_CAPTURE(Turn, block_to_make, "XX..O....");
// Crosses on 6 and 8 around a nought in the centre: a prepared reply,
// its cell drawn at random.
BENCHMARK_CAPTURE(Turn, prepared_reply, "....OX.X.");
// The corner trap: the computer's corner answered by two crosses.
BENCHMARK_CAPTURE(Turn, corner_trap, "O...X...X");
// A drawn board: every rule runs and nothing is written.
BENCHMARK_CAPTURE(Turn, full_board, "XOXXOOOXX");
BENCHMARK_CAPTURE(CopyOnly, board_copy, "XOXXOOOXX");

BENCHMARK_MAIN();
