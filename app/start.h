// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class ImageBox;
class Program;

// The start screen: one picture without a frame, without a task-bar
// button, that cannot be moved. A click on it opens the game.
class Start : public QWidget {
  Q_OBJECT

 public:
  explicit Start(Program& program);

  ImageBox* Image1;

 private:
  void Image1_Click();

  Program& program_;
};
