// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>
#include <array>
#include <cstdint>

#include "console/keys.h"
#include "game/board.h"
#include "game/tally.h"
#include "sound/media_player.h"

class ClickLabel;
class ImageBox;
class Program;
class QAction;
class QLabel;
class QMenu;

// The game window: the board, the tally, the result word, the
// again-buttons and the menu. It owns the game's state for as long as it
// lives; the rules themselves come from the engine.
class Form1 : public QMainWindow {
  Q_OBJECT

 public:
  explicit Form1(Program& program);

  std::int16_t RandI();
  std::int16_t FlipCoin();
  std::int16_t LoadPB();

  // The game's state.
  game::Board Board;
  game::Counter WinCount = 0;
  game::Counter LossCount = 0;
  game::Counter DrawCount = 0;
  std::int16_t CoinFlip = 0;

  // The controls, from the topmost to the bottom-most.
  ClickLabel* Label1;
  ImageBox* Image3;
  QLabel* Label6;
  QLabel* Label4;
  QLabel* Label3;
  ImageBox* Image4;
  ImageBox* CT;
  ImageBox* TL;
  ImageBox* None;
  ImageBox* Image2;
  ImageBox* CR;
  ImageBox* C;
  ImageBox* DL;
  ImageBox* Op;
  ImageBox* Xp;
  ImageBox* DR;
  ImageBox* CL;
  ImageBox* CD;
  ImageBox* TR;
  ImageBox* Image1;
  QLabel* Rez;

  // The sound players: the click, the loss, and a game track that nothing
  // starts.
  sound::MediaPlayer MediaPlayer1{"data\\media\\click.wav", 1};
  sound::MediaPlayer MediaPlayer2{"data\\media\\loose.mp3", 1};
  sound::MediaPlayer MediaPlayer3{"data\\media\\game.mp3", 0};

  // The menu bar.
  QMenu* file;
  QAction* Newgame;
  QAction* Exitgame;
  QAction* options;
  QAction* Help;

  // The cell control of index 1..9.
  ImageBox* Cell(int index) const { return cells_.at(index); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls(QWidget& client);
  void CreateMenu();

  void Form_Load();
  // The person's move on a cell: one procedure nine times.
  void CellClick(int index);
  void TL_Click() { CellClick(1); }
  void CT_Click() { CellClick(2); }
  void TR_Click() { CellClick(3); }
  void CL_Click() { CellClick(4); }
  void C_Click() { CellClick(5); }
  void CR_Click() { CellClick(6); }
  void DL_Click() { CellClick(7); }
  void CD_Click() { CellClick(8); }
  void DR_Click() { CellClick(9); }
  void Image2_Click();
  void Image3_Click();
  void Newgame_Click();
  void Help_Click();
  void Exitgame_Click();
  void Label1_Click();
  void Form_KeyPress(console::KeyCode code);

  void LoadSounds();
  void CheatConsole();
  void AddTypedWins();

  void ComputerTurn();
  void ShowBoard();
  void CheckOutcome();
  void ShowResult(const QString& word);
  void NewRound();
  void DrawCell(std::int16_t index, bool isX);
  void EnableCells();
  void DisableCells();
  void SetCellsEnabled(bool enabled);
  void ShowTally();
  void ShowCount(QLabel& label, game::Counter count);
  void DescribeCells();

  Program& program_;
  std::array<ImageBox*, 10> cells_{};
  // The mark each cell was last described with: 'X', 'O', '.' for none,
  // and 0 before its first description.
  std::array<char, 10> described_{};
  bool soundsAsked_ = false;
};
