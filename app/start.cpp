// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "app/start.h"

#include "app/form1.h"
#include "app/dialogs.h"
#include "app/image_box.h"
#include "app/key_codes.h"
#include "app/pictures.h"
#include "app/program.h"
#include "app/text.h"

Start::Start(Program& program)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint), program_(program) {
  setWindowTitle(QStringLiteral("Form2"));
  // The title is never seen; assistive technologies say the game's name.
  setAccessibleName(QStringLiteral("Хрестики-нолики"));
  setFixedSize(253, 234);
  // The picture is one row taller than the screen; its last row is never seen.
  Image1 = new ImageBox(this, {0, 0, 253, 235}, pictures::StartScreen());
  Image1->setCursor(pictures::Hand());
  pictures::FollowScreen(*this);
  Image1->setAccessibleName(QStringLiteral("Хрестики-нолики від Бомбель: почати гру"));
  connect(Image1, &ImageBox::clicked, this, &Start::Image1_Click);
  setFocusPolicy(Qt::StrongFocus);
}

void Start::Image1_Click() {
  program_.UnloadStart();
  Form1& game = program_.LoadForm1();
  program_.Show(game);
}

void Start::keyPressEvent(QKeyEvent* event) {
  for (const console::KeyCode code : KeyCodes(*event)) Form_KeyPress(code);
}

// A lowercase x followed at once by a lowercase o shows the console's
// passwords.
void Start::Form_KeyPress(console::KeyCode code) {
  if (keys_.KeyPress(code)) program_.dialogs().MsgBox(Text(console::kPasswordList));
}
