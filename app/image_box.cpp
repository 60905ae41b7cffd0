// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "app/image_box.h"

#include <QAccessible>
#include <QMetaMethod>
#include <QPainter>

ImageBox::ImageBox(QWidget* parent, const QRect& geometry, const QPixmap& picture)
    : QWidget(parent), picture_(picture) {
  setGeometry(geometry);
}

// The board hands each marked cell its picture again on every turn; the
// picture it shows already (the same pixmap data) needs no repaint.
void ImageBox::setPicture(const QPixmap& picture) {
  if (picture.cacheKey() == picture_.cacheKey()) return;
  picture_ = picture;
  update();
}

void ImageBox::click() {
  if (isEnabled() && isVisible()) emit clicked();
}

bool ImageBox::takesClicks() const {
  return isSignalConnected(QMetaMethod::fromSignal(&ImageBox::clicked));
}

// A disabled control looks exactly as an enabled one, so locking the board
// repaints nothing; assistive technologies still hear of the change.
void ImageBox::changeEvent(QEvent* event) {
  if (event->type() != QEvent::EnabledChange) {
    QWidget::changeEvent(event);
    return;
  }
  QAccessible::State changed;
  changed.disabled = true;
  QAccessibleStateChangeEvent notice(this, changed);
  QAccessible::updateAccessibility(&notice);
}

void ImageBox::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);  // for high-density screens
  painter.drawPixmap(QPoint(0, 0), picture_);
}

void ImageBox::mousePressEvent(QMouseEvent* event) { click_.Press(*event); }

void ImageBox::mouseReleaseEvent(QMouseEvent* event) {
  if (click_.Release(*event, rect())) emit clicked();
}
