// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "app/helpsa.h"

#include <QLabel>
#include <QPainter>

#include "app/pictures.h"
#include "app/window_style.h"

Helpsa::Helpsa(Program&)
    : QWidget(nullptr, kFixedWindowFlags), background_(pictures::HelpPicture()) {
  setWindowTitle(QString(39, QLatin1Char(' ')) + QStringLiteral("Бомбель"));
  setFixedSize(318, 117);
  SetWhiteBackground(*this);
  setAccessibleDescription(QStringLiteral("малюнок пензлем: хрестик, риска, нолик і довгий розчерк"));
  // Wider than the window: a longer text would be cut at its right edge.
  Label1 = new QLabel(QStringLiteral("Гра в звичайні хрестики нолики створені Бомбель"), this);
  Label1->setGeometry(0, 87, 337, 16);
  Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

// The background follows the window to a screen of another density.
void Helpsa::paintEvent(QPaintEvent*) {
  background_ = pictures::ForRatio(background_, devicePixelRatio());
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawPixmap(QPoint(0, 0), background_);
}
