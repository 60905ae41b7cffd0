// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
//
// The controls and the menu of the game window, in pixels of the client
// area below the menu bar.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include "app/click_label.h"
#include "app/form1.h"
#include "app/image_box.h"
#include "app/pictures.h"
#include "app/window_style.h"

namespace {

// Where the fonts of the layout are missing, the closest with Cyrillic
// letters: Liberation's have the metrics of the Windows fonts of their
// kind, so the words fit their labels as they were drawn.
const QStringList kSansSerif = {QStringLiteral("MS Sans Serif"),
                                QStringLiteral("Microsoft Sans Serif"),
                                QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
const QStringList kSerif = {QStringLiteral("Sylfaen"), QStringLiteral("Liberation Serif"),
                            QStringLiteral("DejaVu Serif Condensed"),
                            QStringLiteral("DejaVu Serif")};

void SetTextColour(QLabel& label, const QColor& colour) {
  QPalette palette = label.palette();
  palette.setColor(QPalette::WindowText, colour);
  label.setPalette(palette);
}

QLabel* ScoreLabel(QWidget& parent, const QRect& geometry, const QColor& colour,
                   const QString& meaning) {
  auto* label = new QLabel(QStringLiteral("0"), &parent);
  label->setAccessibleDescription(meaning);
  label->setGeometry(geometry);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label->setFont(LayoutFont(kSansSerif, 18, true));  // 13.5 pt
  SetTextColour(*label, colour);
  return label;
}

QColor Highlight() { return QApplication::palette().color(QPalette::Active, QPalette::Highlight); }

}  // namespace

// Created from the bottom-most control up: a later sibling covers an
// earlier one where they overlap.
void Form1::CreateControls(QWidget& client) {
  const QCursor hand = pictures::Hand();
  auto image = [&client](const QRect& geometry, const QPixmap& picture = {}) {
    return new ImageBox(&client, geometry, picture);
  };
  auto clickable = [&](const QRect& geometry, const QPixmap& picture = {}) {
    ImageBox* box = image(geometry, picture);
    box->setCursor(hand);
    return box;
  };

  Rez = new QLabel(&client);
  Rez->setGeometry(18, 396, 178, 43);
  Rez->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  Rez->setFont(LayoutFont(kSerif, 35, false));  // 26.25 pt
  SetTextColour(*Rez, Highlight());
  SetWhiteBackground(*Rez);

  Image1 = image({12, 12, 296, 302}, pictures::Board());
  TR = clickable({194, 40, 86, 82});
  CD = clickable({108, 226, 83, 87});
  CL = clickable({14, 128, 89, 94});
  DR = clickable({196, 226, 83, 85});
  Xp = image({99, 510, 91, 85}, pictures::XMark());
  Op = image({33, 510, 91, 85}, pictures::OMark());
  DL = clickable({14, 226, 89, 87});
  C = clickable({108, 128, 83, 92});
  CR = clickable({196, 128, 83, 92});
  Image2 = clickable({192, 411, 115, 33}, pictures::AgainDark());
  None = image({435, 6, 33, 25});  // outside the client area: never seen
  TL = clickable({14, 40, 87, 82});
  CT = clickable({107, 40, 84, 83});
  Image4 = image({12, 306, 296, 99}, pictures::ScorePanel());
  const QColor grey(0xE0, 0xE0, 0xE0);
  Label3 = ScoreLabel(client, {225, 318, 49, 25}, Highlight(), QStringLiteral("виграші"));
  Label4 = ScoreLabel(client, {225, 375, 49, 25}, grey, QStringLiteral("програші"));
  Label6 = ScoreLabel(client, {231, 348, 36, 20}, grey, QStringLiteral("нічиї"));
  Image3 = clickable({192, 411, 115, 33}, pictures::AgainLight());

  Label1 = new ClickLabel(QStringLiteral("бомбель"), &client);
  Label1->setGeometry(24, 471, 271, 16);
  Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  Label1->setFont(LayoutFont(kSansSerif, 13, true));  // 9.75 pt
  SetWhiteBackground(*Label1);

  for (ImageBox* hidden : {Xp, Op, Image2, Image3}) hidden->setVisible(false);
  for (ImageBox* again : {Image2, Image3}) again->setAccessibleName(QStringLiteral("ще раз"));
  cells_ = {nullptr, TL, CT, TR, CL, C, CR, DL, CD, DR};
  const std::array handlers = {&Form1::TL_Click, &Form1::CT_Click, &Form1::TR_Click,
                               &Form1::CL_Click, &Form1::C_Click,  &Form1::CR_Click,
                               &Form1::DL_Click, &Form1::CD_Click, &Form1::DR_Click};
  for (int index = game::kFirstCell; index <= game::kLastCell; ++index) {
    connect(cells_[index], &ImageBox::clicked, this, handlers[index - 1]);
  }
  connect(Image2, &ImageBox::clicked, this, &Form1::Image2_Click);
  connect(Image3, &ImageBox::clicked, this, &Form1::Image3_Click);
  connect(Label1, &ClickLabel::clicked, this, &Form1::Label1_Click);
}

// "Опції" is an entry of the menu bar that opens nothing and does nothing;
// "Допомога" acts as a command.
void Form1::CreateMenu() {
  file = menuBar()->addMenu(QStringLiteral("Файл"));
  Newgame = file->addAction(QStringLiteral("Нова гра"));
  Exitgame = file->addAction(QStringLiteral("Вихід"));
  options = menuBar()->addAction(QStringLiteral("Опції"));
  Help = menuBar()->addAction(QStringLiteral("Допомога"));
  connect(Newgame, &QAction::triggered, this, &Form1::Newgame_Click);
  connect(Exitgame, &QAction::triggered, this, &Form1::Exitgame_Click);
  connect(Help, &QAction::triggered, this, &Form1::Help_Click);
}
