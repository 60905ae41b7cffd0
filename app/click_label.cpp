// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "app/click_label.h"

void ClickLabel::mousePressEvent(QMouseEvent* event) { click_.Press(*event); }

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (click_.Release(*event, rect())) emit clicked();
}
