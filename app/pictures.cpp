// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "app/pictures.h"

#include <QGuiApplication>

namespace {

// Each picture is drawn at its size in the layout and again at twice that
// size, for screens with more pixels than the layout's 96 dpi. The sharp
// drawing is taken when a screen has more device pixels than layout pixels
// (the highest ratio of the screens, as Qt takes its icons'): drawn at the
// picture's place and size, it shows pixel for pixel at 200 % and scaled
// down at 125 or 150 %, where the other would be stretched.
QPixmap Picture(const char* file, const char* sharpFile) {
  const bool sharp = qGuiApp->devicePixelRatio() > 1;
  QPixmap picture(QStringLiteral(":/pictures/") + QLatin1String(sharp ? sharpFile : file));
  if (sharp) picture.setDevicePixelRatio(2);
  return picture;
}

}  // namespace

namespace pictures {

QPixmap Board() { return Picture("board.jpg", "board@2x.jpg"); }
QPixmap ScorePanel() { return Picture("score-panel.jpg", "score-panel@2x.jpg"); }
QPixmap XMark() { return Picture("x-mark.gif", "x-mark@2x.png"); }
QPixmap OMark() { return Picture("o-mark.gif", "o-mark@2x.png"); }
QPixmap AgainDark() { return Picture("again-dark.jpg", "again-dark@2x.jpg"); }
QPixmap AgainLight() { return Picture("again-light.jpg", "again-light@2x.jpg"); }
QPixmap StartScreen() { return Picture("start.jpg", "start@2x.jpg"); }
QPixmap HelpPicture() { return Picture("help.jpg", "help@2x.jpg"); }
QIcon Icon() { return QIcon(QStringLiteral(":/pictures/icon.ico")); }

// The fingertip is the hot spot, in layout pixels. Windows scales a cursor
// and its hot spot to the screen from the picture's own ratio, so at 150 %
// the 2x hand is scaled down rather than the 1x one blurred up; X11 shows
// the picture's pixels as they are, as large as the rest at 200 %.
QCursor Hand() { return QCursor(Picture("hand.cur", "hand@2x.cur"), 5, 1); }

}  // namespace pictures
