// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "app/pictures.h"

namespace pictures {

QPixmap Board() { return QPixmap(QStringLiteral(":/pictures/board.jpg")); }
QPixmap ScorePanel() { return QPixmap(QStringLiteral(":/pictures/score-panel.jpg")); }
QPixmap XMark() { return QPixmap(QStringLiteral(":/pictures/x-mark.gif")); }
QPixmap OMark() { return QPixmap(QStringLiteral(":/pictures/o-mark.gif")); }
QPixmap AgainDark() { return QPixmap(QStringLiteral(":/pictures/again-dark.jpg")); }
QPixmap AgainLight() { return QPixmap(QStringLiteral(":/pictures/again-light.jpg")); }
QPixmap StartScreen() { return QPixmap(QStringLiteral(":/pictures/start.jpg")); }
QPixmap HelpPicture() { return QPixmap(QStringLiteral(":/pictures/help.jpg")); }
QIcon Icon() { return QIcon(QStringLiteral(":/pictures/icon.ico")); }

QCursor Hand() {
  // The fingertip is the hot spot.
  return QCursor(QPixmap(QStringLiteral(":/pictures/hand.cur")), 5, 1);
}

}  // namespace pictures
