// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QTest>
#include <memory>

#include "app/form1.h"
#include "app/image_box.h"
#include "app/program.h"
#include "fakes.h"
#include "support/scripted_source.h"

// A program with its game window shown, scripted dialogs and draws, and
// the person's hands: clicks at points of the window and typed keys, both
// delivered through the window as the window system delivers them. The
// soak, which wants the game's own draws, hands in a source of its own.
struct GameWindow {
  explicit GameWindow(game::RandomSource* source = nullptr)
      : program(std::make_unique<Program>(source ? *source : random, dialogs)),
        form(&program->LoadForm1()) {
    program->Show(*form);
    QVERIFY(QTest::qWaitForWindowExposed(form));
  }

  // A point of the client area, below the menu bar: the control that lies
  // topmost there takes the click.
  void ClickAt(QPoint clientPoint) const {
    const QPoint windowPoint = form->centralWidget()->mapTo(form, clientPoint);
    QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, windowPoint);
  }
  void ClickCell(int index) const { ClickAt(form->Cell(index)->geometry().center()); }
  void ClickCells(const QString& cells) const {
    for (QChar cell : cells) ClickCell(cell.digitValue());
  }
  void ClickAgain() const { ClickAt(QPoint(250, 427)); }

  // Each character as a key of its own, pressed with the modifiers.
  static void Type(QWindow* window, const QString& text, Qt::KeyboardModifiers modifiers = {}) {
    for (QChar character : text) {
      QTest::sendKeyEvent(QTest::Click, window, Qt::Key_unknown, QString(character), modifiers);
    }
  }
  void Type(const QString& text, Qt::KeyboardModifiers modifiers = {}) const {
    Type(form->windowHandle(), text, modifiers);
  }

  FakeDialogs dialogs;
  testing_support::ScriptedSource random;
  std::unique_ptr<Program> program;
  Form1* form;
};

// Test functions that each start with a game window of their own.
class GameWindowTest : public QObject {
  Q_OBJECT

 protected:
  std::unique_ptr<GameWindow> window_;
  Form1* form_ = nullptr;

 private slots:
  // The ratio that the run asks for, where it names one: at 100 % by
  // mistake, a check of the pictures at 200 % would pass on the 1x ones.
  void init() {
    window_ = std::make_unique<GameWindow>();
    form_ = window_->form;
    const QByteArray ratio = qgetenv("KHRESTYKY_PIXEL_RATIO");
    if (!ratio.isEmpty()) QCOMPARE(form_->devicePixelRatio(), ratio.toDouble());
  }
  void cleanup() { window_.reset(); }
};
