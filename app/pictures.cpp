// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "app/pictures.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <map>
#include <utility>

#include "app/image_box.h"

namespace {

// Each picture is drawn at its size in the layout and again at twice that
// size, for screens with more pixels than the layout's 96 dpi. The sharp
// drawing is taken when the window's screen has more device pixels than
// layout pixels: drawn at the picture's place and size, it shows pixel for
// pixel at 200 % and scaled down at 125 or 150 %, where the other would
// be stretched.
struct Drawings {
  const char* file;
  const char* sharpFile;  // drawn at twice the size
};

constexpr Drawings kBoard{"board.jpg", "board@2x.jpg"};
constexpr Drawings kScorePanel{"score-panel.jpg", "score-panel@2x.jpg"};
constexpr Drawings kXMark{"x-mark.gif", "x-mark@2x.png"};
constexpr Drawings kOMark{"o-mark.gif", "o-mark@2x.png"};
constexpr Drawings kAgainDark{"again-dark.jpg", "again-dark@2x.jpg"};
constexpr Drawings kAgainLight{"again-light.jpg", "again-light@2x.jpg"};
constexpr Drawings kStartScreen{"start.jpg", "start@2x.jpg"};
constexpr Drawings kHelpPicture{"help.jpg", "help@2x.jpg"};
constexpr Drawings kHand{"hand.cur", "hand@2x.cur"};

// Each drawing is loaded once for the whole program, so that every
// control that shows a picture shares it, and the drawing of a picture
// for another screen is found from the picture alone. They go with the
// application, before the window system does.
std::map<std::pair<const Drawings*, bool>, QPixmap> loaded;
void Unload() { loaded.clear(); }

bool Sharp(qreal ratio) { return ratio > 1; }

QPixmap Picture(const Drawings& drawings, bool sharp) {
  if (loaded.empty()) qAddPostRoutine(Unload);
  QPixmap& picture = loaded[{&drawings, sharp}];
  if (picture.isNull()) {
    picture.load(QStringLiteral(":/pictures/") +
                 QLatin1String(sharp ? drawings.sharpFile : drawings.file));
    if (sharp) picture.setDevicePixelRatio(2);
  }
  return picture;
}

// Before a window knows its screen: the highest ratio of the screens, as
// Qt takes its icons'.
QPixmap Picture(const Drawings& drawings) {
  return Picture(drawings, Sharp(qGuiApp->devicePixelRatio()));
}

// The same cursor from the picture's drawing for that ratio.
QCursor ForRatio(const QCursor& cursor, qreal ratio) {
  const QPixmap picture = pictures::ForRatio(cursor.pixmap(), ratio);
  if (picture.cacheKey() == cursor.pixmap().cacheKey()) return cursor;
  return QCursor(picture, cursor.hotSpot().x(), cursor.hotSpot().y());
}

// Chooses the pictures and cursors of a window's picture controls again
// whenever the window's device pixel ratio is not the one they were
// chosen for: when the window has gone to another screen, or its screen's
// scaling has changed. Every such change repaints the window, so a paint
// tells of it on any platform and Qt version; the screen change itself
// comes first where Qt sends it.
class ScreenFollower final : public QObject {
 public:
  explicit ScreenFollower(QWidget& window) : QObject(&window), window_(window) {
    for (ImageBox* box : window.findChildren<ImageBox*>()) box->installEventFilter(this);
    Follow();
  }

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint || event->type() == QEvent::ScreenChangeInternal) Follow();
    return false;
  }

 private:
  void Follow() {
    const bool sharp = Sharp(window_.devicePixelRatio());
    if (sharp == sharp_) return;
    sharp_ = sharp;
    const qreal ratio = window_.devicePixelRatio();
    for (ImageBox* box : window_.findChildren<ImageBox*>()) {
      box->setPicture(pictures::ForRatio(box->picture(), ratio));
      if (box->testAttribute(Qt::WA_SetCursor)) box->setCursor(ForRatio(box->cursor(), ratio));
    }
  }

  QWidget& window_;
  int sharp_ = -1;  // 1 for the sharp drawings, 0 for the others, -1 for none yet
};

}  // namespace

namespace pictures {

QPixmap Board() { return Picture(kBoard); }
QPixmap ScorePanel() { return Picture(kScorePanel); }
QPixmap XMark() { return Picture(kXMark); }
QPixmap OMark() { return Picture(kOMark); }
QPixmap AgainDark() { return Picture(kAgainDark); }
QPixmap AgainLight() { return Picture(kAgainLight); }
QPixmap StartScreen() { return Picture(kStartScreen); }
QPixmap HelpPicture() { return Picture(kHelpPicture); }
QIcon Icon() { return QIcon(QStringLiteral(":/pictures/icon.ico")); }

// The fingertip is the hot spot, in layout pixels. Windows scales a cursor
// and its hot spot to the screen from the picture's own ratio, so at 150 %
// the 2x hand is scaled down rather than the 1x one blurred up; X11 shows
// the picture's pixels as they are, as large as the rest at 200 %.
QCursor Hand() { return QCursor(Picture(kHand), 5, 1); }

QPixmap ForRatio(const QPixmap& picture, qreal ratio) {
  for (const auto& [drawing, pixmap] : loaded) {
    if (!picture.isNull() && pixmap.cacheKey() == picture.cacheKey()) {
      return Picture(*drawing.first, Sharp(ratio));
    }
  }
  return picture;
}

void FollowScreen(QWidget& window) { new ScreenFollower(window); }

}  // namespace pictures
