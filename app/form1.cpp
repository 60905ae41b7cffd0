// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "app/form1.h"

#include <QAction>
#include <QLabel>
#include <QLayout>
#include <QLocale>
#include <QMenuBar>

#include "app/accessibility.h"
#include "app/click_label.h"
#include "app/dialogs.h"
#include "app/helpsa.h"
#include "app/image_box.h"
#include "app/key_codes.h"
#include "app/pictures.h"
#include "app/program.h"
#include "app/text.h"
#include "app/window_style.h"
#include "console/passwords.h"
#include "console/typed_number.h"
#include "game/outcome.h"
#include "opponent/computer_turn.h"

namespace {
const QString kWon = QStringLiteral("перемога");
const QString kLost = QStringLiteral("програш");
const QString kDrawn = QStringLiteral("нічия");
}  // namespace

Form1::Form1(Program& program) : QMainWindow(nullptr, kFixedWindowFlags), program_(program) {
  setWindowTitle(QStringLiteral("Хрестики-нолики від Бомбель "));
  setWindowIcon(pictures::Icon());
  auto* client = new QWidget(this);
  client->setFixedSize(321, 490);
  SetWhiteBackground(*client);
  setCentralWidget(client);
  CreateControls(*client);
  pictures::FollowScreen(*this);
  CreateMenu();
  // As a person reads the window: the menu, the board row by row, the
  // tally from the top down, the result and the credit.
  SetReadingOrder(*this, {menuBar(), TL, CT, TR, CL, C, CR, DL, CD, DR, Label3, Label6, Label4,
                          Rez, Image2, Image3, Label1});
  client->installEventFilter(this);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  DescribeCells();
  Form_Load();
}

// The sounds are loaded once the window has first been painted, so that
// opening the audio device never delays the board.
bool Form1::eventFilter(QObject* watched, QEvent* event) {
  if (!soundsAsked_ && watched == centralWidget() && event->type() == QEvent::Paint) {
    soundsAsked_ = true;
    QMetaObject::invokeMethod(this, &Form1::LoadSounds, Qt::QueuedConnection);
  }
  return QMainWindow::eventFilter(watched, event);
}

// The sound files lie beside the program, or in its shared data folder
// when it is installed. They load off the window's thread; until a sound
// is ready, its cue is silent.
void Form1::LoadSounds() {
  const auto search = sound::SearchPath::ForThisProgram();
  for (sound::MediaPlayer* player : {&MediaPlayer1, &MediaPlayer2, &MediaPlayer3}) {
    player->Load(search);
  }
}

std::int16_t Form1::RandI() { return game::RandI(program_.random()); }
std::int16_t Form1::FlipCoin() { return opponent::FlipCoin(program_.random(), CoinFlip); }
std::int16_t Form1::LoadPB() { return game::LoadPB(); }

// Loading the window starts no round: the person moves first on the empty
// board of the first round.
void Form1::Form_Load() { ShowTally(); }

void Form1::ShowTally() {
  ShowCount(*Label3, WinCount);
  ShowCount(*Label4, LossCount);
  ShowCount(*Label6, DrawCount);
}

// A score label tells assistive technologies what it counts, too. Naming
// it announces the name, so it is named only when its count changes.
void Form1::ShowCount(QLabel& label, game::Counter count) {
  label.setText(Text(count));
  const QString name = label.accessibleDescription() + QStringLiteral(": ") + Text(count);
  if (label.accessibleName() != name) label.setAccessibleName(name);
}

// Each cell tells assistive technologies what it holds. The board is
// described after every turn, but only a cell whose mark changed since
// its last description is named anew.
void Form1::DescribeCells() {
  for (int index = game::kFirstCell; index <= game::kLastCell; ++index) {
    const char mark = game::Holds(Board, index, game::kPersonMark)     ? 'X'
                      : game::Holds(Board, index, game::kComputerMark) ? 'O'
                                                                        : '.';
    if (described_[index] == mark) continue;
    described_[index] = mark;
    const QString holds = mark == '.' ? QStringLiteral("порожня") : QString(QLatin1Char(mark));
    cells_[index]->setAccessibleName(QStringLiteral("клітинка %1: %2").arg(index).arg(holds));
  }
}

// A click on a cell that is already marked changes nothing on the board,
// but the computer still takes its turn.
void Form1::CellClick(int index) {
  game::PersonMove(Board, index);
  MediaPlayer1.Play();
  ComputerTurn();
}

void Form1::ComputerTurn() {
  opponent::ComputerTurn(Board, program_.random(), CoinFlip);
  ShowBoard();
  CheckOutcome();
}

// Every marked cell is drawn again on every turn, from the templates as
// they are now.
void Form1::ShowBoard() {
  for (std::int16_t index = game::kFirstCell; index <= game::kLastCell; ++index) {
    if (game::Holds(Board, index, game::kPersonMark)) DrawCell(index, true);
    if (game::Holds(Board, index, game::kComputerMark)) DrawCell(index, false);
  }
  DescribeCells();
}

void Form1::DrawCell(std::int16_t index, bool isX) {
  if (index < game::kFirstCell || index > game::kLastCell) return;
  cells_[index]->setPicture(isX ? Xp->picture() : Op->picture());
}

// Ends a decided round: the result word, one more in its counter, the
// board locked and one again-button. Only the draw shows its new count at
// once; the others show at the next round.
void Form1::CheckOutcome() {
  const game::OutcomeDecision decision = game::DecideOutcome(Board);
  switch (decision.outcome) {
    case game::Outcome::InPlay:
      return;
    case game::Outcome::PersonWon:
      ShowResult(kWon);
      game::AddOne(WinCount);
      DisableCells();
      (decision.OnBottomRow() ? Image2 : Image3)->setVisible(true);
      return;
    case game::Outcome::ComputerWon:
      game::AddOne(LossCount);
      MediaPlayer2.Play();
      DisableCells();
      Image3->setVisible(true);
      ShowResult(kLost);
      return;
    case game::Outcome::Draw:
      DisableCells();
      Image2->setVisible(true);
      ShowResult(kDrawn);
      game::AddOne(DrawCount);
      ShowCount(*Label6, DrawCount);
      return;
  }
}

// Assistive technologies hear of a new result word once, from the label
// itself, and pass over it while it is blank.
void Form1::ShowResult(const QString& word) {
  Rez->setText(word);
  ReportShowing(*Rez, !word.trimmed().isEmpty());
}

// Every round after the first begins here, and ends with a computer turn
// on the empty board in which the computer may open.
void Form1::NewRound() {
  ShowResult(QStringLiteral(" "));
  ShowTally();
  EnableCells();
  game::ClearCells(Board);
  Image2->setVisible(false);
  Image3->setVisible(false);
  for (int index = game::kFirstCell; index <= game::kLastCell; ++index) {
    cells_[index]->setPicture(None->picture());
  }
  ComputerTurn();
}

void Form1::Image2_Click() { NewRound(); }

// This button takes one number more from the random source than the
// other, so the next round's coin and opening come one number later.
void Form1::Image3_Click() {
  RandI();
  NewRound();
}

// A new match: the tally is cleared and a round in progress counts for
// nobody.
void Form1::Newgame_Click() {
  LossCount = 0;
  WinCount = 0;
  DrawCount = 0;
  NewRound();
}

void Form1::Help_Click() { program_.Show(program_.LoadHelpsa()); }
void Form1::Exitgame_Click() { program_.dialogs().EndProgram(); }
void Form1::Label1_Click() { program_.dialogs().MsgBox(QStringLiteral("Keshzzz rulesss...")); }

void Form1::EnableCells() { SetCellsEnabled(true); }
void Form1::DisableCells() { SetCellsEnabled(false); }

void Form1::SetCellsEnabled(bool enabled) {
  for (ImageBox* cell : {CT, C, CL, CR, CD, TL, TR, DL, DR}) cell->setEnabled(enabled);
}

void Form1::keyPressEvent(QKeyEvent* event) {
  for (const console::KeyCode code : KeyCodes(*event)) Form_KeyPress(code);
}

// The grave accent, or the capital "Ё" on the same key of a Russian
// keyboard, opens the hidden console.
void Form1::Form_KeyPress(console::KeyCode code) {
  if (console::OpensConsole(code)) CheatConsole();
}

void Form1::CheatConsole() {
  Dialogs& dialogs = program_.dialogs();
  const QString entry = dialogs.InputBox(Text(console::kConsoleCaption),
                                         Text(console::kConsolePrompt));
  switch (console::CommandFor(entry.toStdString())) {
    case console::Command::None:
      return;
    case console::Command::AddWins:
      AddTypedWins();
      return;
    // The templates then share one picture, which the board shows from the
    // next computer turn on; nothing ever restores them.
    case console::Command::ComputerLooksLikePerson:
      Op->setPicture(Xp->picture());
      return;
    case console::Command::PersonLooksLikeComputer:
      Xp->setPicture(Op->picture());
      return;
    case console::Command::EndProgram:
      dialogs.EndProgram();
      return;
    case console::Command::ShowScolding:
      dialogs.MsgBox(Text(console::kScolding));
      return;
    case console::Command::ShowKesh:
      dialogs.MsgBox(Text(console::kKeshMessage));
      return;
  }
}

// A text that is no number, or a sum beyond the counter's range, changes
// nothing.
void Form1::AddTypedWins() {
  const QString typed = program_.dialogs().InputBox(Text(console::kWinsCaption),
                                                    Text(console::kWinsPrompt));
  const auto wins = console::AddWins(WinCount, typed.toStdString(),
                                     QLocale().decimalPoint().toStdString());
  if (!wins) return;
  WinCount = *wins;
  ShowCount(*Label3, WinCount);
}
