// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
//
// The pictures on screens with more pixels than the layout. The test runs
// at 100, 150 and 200 % (QT_SCALE_FACTOR): at each, the game window shows
// the drawing made for it, also where one control hands it to another. It
// runs once more on two screens at 100 and 200 % (tests/app/two-screens),
// where the windows go from one to the other.
#include <QPainter>
#include <QScreen>
#include <QTest>

#include "app/start.h"
#include "game_window.h"

namespace {

QImage Picture(const QString& file) { return QImage(QStringLiteral(":/pictures/") + file); }

QImage Shown(QWidget& control) {
  return control.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// A picture's drawing for the ratio, as a control shows it.
QImage Drawing(const char* file, const char* sharpFile, qreal ratio) {
  return Picture(ratio > 1 ? sharpFile : file).convertToFormat(QImage::Format_RGB32);
}

// A mark's drawing over the window's white, cut at the cell's edges.
QImage MarkInCell(const QWidget& cell, const QString& mark, qreal ratio) {
  const QString file = mark + (ratio > 1 ? QStringLiteral("@2x.png") : QStringLiteral(".gif"));
  QImage expected(cell.size() * ratio, QImage::Format_RGB32);
  expected.setDevicePixelRatio(ratio);
  expected.fill(Qt::white);
  QPainter(&expected).drawImage(0, 0, Picture(file));
  return expected;
}

// The mean difference of a colour channel between two pictures of one size.
double MeanGap(const QImage& a, const QImage& b) {
  double sum = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
             std::abs(qBlue(p) - qBlue(q));
    }
  }
  return sum / (3.0 * a.width() * a.height());
}

}  // namespace

class PicturesTest : public GameWindowTest {
  Q_OBJECT

 private:
  qreal Ratio() const { return form_->devicePixelRatio(); }

 private slots:
  // The game window and the start screen show the drawings made for the
  // screen they are on: the board, the marks on it, the hand and the start
  // picture; at 200 % the 2x drawings, the marks' with their smooth edges,
  // not the 1x ones enlarged. The X and the O are copied from the templates
  // and stay as they are when "mek r" gives the O's template the X's
  // picture. On two screens at 100 and 200 %, the windows go to the other
  // screen and back.
  void picturesAreTheDrawingsForTheirScreen() {
    if (Ratio() != 1 && Ratio() != 2) QSKIP("between whole ratios every picture is scaled");
    QScreen* const first = form_->screen();
    QList<QScreen*> stops{first};
    if (qEnvironmentVariableIsSet("QT_SCREEN_SCALE_FACTORS")) {
      const QList<QScreen*> screens = QGuiApplication::screens();
      QVERIFY2(screens.size() == 2 && screens[0]->devicePixelRatio() * screens[1]->devicePixelRatio() == 2,
               "no two screens at 100 and 200 %");
      stops << screens[first == screens[0]] << first;
    }
    window_->ClickCell(1);  // the computer answers in the centre
    window_->dialogs.answers = QStringList{QStringLiteral("mek r")};
    window_->Type(QStringLiteral("`"));
    Start& start = window_->program->LoadStart();
    window_->program->Show(start);
    for (QScreen* screen : stops) {
      for (QWidget* window : std::initializer_list<QWidget*>{form_, &start}) {
        window->move(screen->geometry().topLeft() + QPoint(20, 20));
        QTRY_COMPARE(window->screen(), screen);
      }
      const qreal ratio = screen->devicePixelRatio();
      QCOMPARE(form_->Op->picture().cacheKey(), form_->Xp->picture().cacheKey());
      // The hand's hot spot is its fingertip, in layout pixels, whatever
      // drawing of the hand Windows scales to the screen.
      const QCursor hand = form_->TL->cursor();
      QCOMPARE(hand.pixmap().devicePixelRatio(), ratio);
      QCOMPARE(hand.pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
               Picture(ratio > 1 ? "hand@2x.cur" : "hand.cur").convertToFormat(QImage::Format_ARGB32));
      QCOMPARE(hand.hotSpot(), QPoint(5, 1));
      for (const auto& [cell, mark] : {std::pair{1, "x-mark"}, {5, "o-mark"}}) {
        QCOMPARE(Shown(*form_->Cell(cell)), MarkInCell(*form_->Cell(cell), mark, ratio));
      }
      QCOMPARE(Shown(*form_->Image1), Drawing("board.jpg", "board@2x.jpg", ratio));
      QCOMPARE(Shown(*start.Image1), Drawing("start.jpg", "start@2x.jpg", ratio));
    }
  }

  // At 150 % the board is the 2x drawing scaled down: far nearer that than
  // the 1x one scaled up, which blurs every line.
  void boardAt150IsTheSharpDrawingScaledDown() {
    if (Ratio() != 1.5) QSKIP("at whole ratios the board is its file pixel for pixel");
    const QImage shown = Shown(*form_->Image1);
    const auto gapFrom = [&shown](const QImage& image) {
      return MeanGap(shown,
                     image.scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    };
    const double fromSharp = gapFrom(Picture(QStringLiteral("board@2x.jpg")));
    const double fromBlunt = gapFrom(Picture(QStringLiteral("board.jpg")));
    QVERIFY2(fromSharp * 2 < fromBlunt,
             qPrintable(QStringLiteral("mean gap %1 from 2x, %2 from 1x").arg(fromSharp).arg(fromBlunt)));
  }
};

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
