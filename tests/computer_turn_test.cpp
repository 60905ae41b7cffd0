// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "opponent/computer_turn.h"
#include "support/boards.h"
#include "support/scripted_source.h"

namespace {

using testing_support::BoardOf;
using testing_support::CellsOf;
using testing_support::CoinDraw;
using testing_support::OpeningDraw;
using testing_support::RandIDraw;
using testing_support::ScriptedSource;

// On an empty board a coin of 1 opens in the drawn slot, slot 0 included,
// which marks no cell; the positional move then finds nothing to answer.
TEST(ComputerTurn, CoinOfOneOpensInTheDrawnSlot) {
  for (int slot = 0; slot <= 9; ++slot) {
    SCOPED_TRACE(slot);
    game::Board board = BoardOf(".........");
    ScriptedSource source({CoinDraw(1), OpeningDraw(slot), RandIDraw(1)});
    std::int16_t coinFlip = 0;
    opponent::ComputerTurn(board, source, coinFlip);
    EXPECT_EQ(coinFlip, 1);
    EXPECT_EQ(source.drawn(), 3u);
    for (int i = 0; i <= 9; ++i) {
      EXPECT_EQ(board[i], i == slot ? game::kComputerMark : game::kEmpty) << i;
    }
  }
}

TEST(ComputerTurn, OtherCoinsLeaveTheEmptyBoardEmpty) {
  for (int coin : {0, 2}) {
    game::Board board = BoardOf(".........");
    ScriptedSource source({CoinDraw(coin), RandIDraw(1)});
    std::int16_t coinFlip = -1;
    opponent::ComputerTurn(board, source, coinFlip);
    EXPECT_EQ(coinFlip, coin);
    EXPECT_EQ(board, BoardOf("........."));
    EXPECT_EQ(source.drawn(), 2u);
  }
}

// The opening slot is drawn whenever the coin gives 1, and written only on
// an empty board; slot 0 holding "Oo" does not make the board non-empty.
TEST(ComputerTurn, OpeningIsDrawnOnAnyBoardButWrittenOnlyOnAnEmptyOne) {
  game::Board board = BoardOf("X........");
  ScriptedSource source({CoinDraw(1), OpeningDraw(3), RandIDraw(1)});
  std::int16_t coinFlip = 0;
  opponent::ComputerTurn(board, source, coinFlip);
  EXPECT_EQ(CellsOf(board), "X...O....");
  EXPECT_EQ(source.drawn(), 3u);

  game::Board afterSlot0 = BoardOf(".........", "Oo");
  ScriptedSource again({CoinDraw(1), OpeningDraw(6), RandIDraw(1)});
  opponent::ComputerTurn(afterSlot0, again, coinFlip);
  EXPECT_EQ(CellsOf(afterSlot0), ".....O...");
}

// The coin comes first, then the opening slot, then the positional move's
// draws: the same corner trap answered with and without an opening draw.
TEST(ComputerTurn, DrawsInTheDocumentedOrder) {
  game::Board withOpening = BoardOf("O...X...X");
  ScriptedSource first({CoinDraw(1), OpeningDraw(9), RandIDraw(4), RandIDraw(1), RandIDraw(2)});
  std::int16_t coinFlip = 0;
  opponent::ComputerTurn(withOpening, first, coinFlip);
  EXPECT_EQ(CellsOf(withOpening), "O.O.X...X");
  EXPECT_EQ(first.drawn(), 5u);

  game::Board withoutOpening = BoardOf("O...X...X");
  ScriptedSource second({CoinDraw(2), RandIDraw(4), RandIDraw(2), RandIDraw(2)});
  opponent::ComputerTurn(withoutOpening, second, coinFlip);
  EXPECT_EQ(CellsOf(withoutOpening), "O...X.O.X");
  EXPECT_EQ(second.drawn(), 4u);
}

TEST(ComputerTurn, FullBoardGetsNoMark) {
  game::Board board = BoardOf("OXOXXOXOX");
  ScriptedSource source({CoinDraw(1), OpeningDraw(5), RandIDraw(1)});
  std::int16_t coinFlip = 0;
  opponent::ComputerTurn(board, source, coinFlip);
  EXPECT_EQ(CellsOf(board), "OXOXXOXOX");
  EXPECT_EQ(board[0], game::kEmpty);
}

}  // namespace
