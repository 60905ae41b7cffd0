// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QMouseEvent>

// A click as controls mean it: the left button pressed on the control and
// released over it.
class ClickGesture {
 public:
  void Press(QMouseEvent& event) {
    pressed_ = event.button() == Qt::LeftButton;
    event.accept();
  }

  // Whether this release ends a click on `area`.
  bool Release(QMouseEvent& event, const QRect& area) {
    const bool click = pressed_ && event.button() == Qt::LeftButton &&
                       area.contains(event.position().toPoint());
    pressed_ = false;
    event.accept();
    return click;
  }

 private:
  bool pressed_ = false;
};
