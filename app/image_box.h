// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QPixmap>
#include <QWidget>

#include "app/click_gesture.h"

// A picture control without a window of its own: it shows its picture
// unscaled at its top-left corner, shows what lies beneath where it has no
// picture, and reports a click anywhere on its rectangle while it is
// enabled and visible. A disabled control looks exactly as an enabled one.
class ImageBox : public QWidget {
  Q_OBJECT

 public:
  explicit ImageBox(QWidget* parent, const QRect& geometry, const QPixmap& picture = {});

  const QPixmap& picture() const { return picture_; }
  // Takes another control's picture by reference (pixmaps share their
  // data), or empties the control with a null pixmap.
  void setPicture(const QPixmap& picture);

  // A click from outside the mouse (an assistive technology's press):
  // reported only while the control is enabled and visible.
  void click();
  // Whether anything listens to its clicks: then it acts as a button.
  bool takesClicks() const;

 signals:
  void clicked();

 protected:
  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QPixmap picture_;
  ClickGesture click_;
};
