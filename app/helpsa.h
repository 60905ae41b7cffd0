// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QWidget>

class QLabel;
class Program;

// The help window: a picture and one line of help text.
class Helpsa : public QWidget {
  Q_OBJECT

 public:
  explicit Helpsa(Program& program);

  QLabel* Label1;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap background_;
};
