// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

class QWidget;

// The pictures built into the program, each in the drawing made for the
// density of the screens (see pictures.cpp). Each picture is one pixmap
// for the whole program, shared by every control that shows it.
namespace pictures {

QPixmap Board();        // under the nine cells
QPixmap ScorePanel();   // behind the three score labels
QPixmap XMark();        // the person's mark; white is transparent
QPixmap OMark();        // the computer's mark; white is transparent
QPixmap AgainDark();    // the again-button after a draw or a bottom-row win
QPixmap AgainLight();   // the again-button after any other result
QPixmap StartScreen();  // the whole start screen
QPixmap HelpPicture();  // the help window's background
QIcon Icon();           // the game window's icon
QCursor Hand();         // over everything that can be clicked to play

// The same picture in the drawing made for a screen of that device pixel
// ratio; anything else as it is.
QPixmap ForRatio(const QPixmap& picture, qreal ratio);

// From now on the window's picture controls follow its screen: whenever
// the window's device pixel ratio changes, each control's picture and
// cursor are chosen again for it, also where one control has taken
// another's picture.
void FollowScreen(QWidget& window);

}  // namespace pictures
