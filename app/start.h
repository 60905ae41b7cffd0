// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

#include "console/keys.h"

class ImageBox;
class Program;

// The start screen: one picture without a frame, without a task-bar
// button, that cannot be moved. A click on it opens the game.
class Start : public QWidget {
  Q_OBJECT

 public:
  explicit Start(Program& program);

  ImageBox* Image1;

  // The decimal code of the last key typed on the start screen.
  const std::string& LastKey() const { return keys_.LastKey(); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Image1_Click();
  void Form_KeyPress(console::KeyCode code);

  Program& program_;
  console::StartKeys keys_;
};
