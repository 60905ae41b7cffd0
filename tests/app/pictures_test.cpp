// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
//
// The pictures on screens with more pixels than the layout. The test runs
// at 100, 150 and 200 % (QT_SCALE_FACTOR): at each, the game window shows
// the drawing made for it, also where one control hands it to another. It
// runs once more on two screens at 100 and 200 % (tests/app/two-screens),
// where the windows go from one to the other.
#include <QFile>
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
  // The ratio that the run asks for, where it names one: at 100 % by
  // mistake every check below would pass on the 1x pictures.
  void screenHasTheRatioAskedFor() {
    const QByteArray asked = qgetenv("KHRESTYKY_PIXEL_RATIO");
    if (asked.isEmpty()) QSKIP("no ratio asked for");
    QCOMPARE(Ratio(), asked.toDouble());
  }

  // The first click's X and the reply's O, copied from the templates, are
  // the mark files over the window's white, cut at the cell's edges: at
  // 200 % the 2x drawings with their smooth edges, not the GIFs enlarged.
  void cellsShowTheirMarkPixelForPixel() {
    if (Ratio() != 1 && Ratio() != 2) QSKIP("between whole ratios every picture is scaled");
    window_->ClickCell(1);
    for (const auto& [cell, mark] : {std::pair{1, "x-mark"}, {5, "o-mark"}}) {
      QVERIFY2(Shown(*form_->Cell(cell)) == MarkInCell(*form_->Cell(cell), mark, Ratio()), mark);
    }
  }

  // Moved to a screen of another ratio and back, the game window and the
  // start screen show the drawings made for the screen they are on: the
  // board, the marks already on it, an O that took the X's picture, the
  // hand, and the start picture. Runs on two screens at 100 and 200 %.
  void picturesFollowTheWindowsScreen() {
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (screens.size() != 2 ||
        screens[0]->devicePixelRatio() * screens[1]->devicePixelRatio() != 2) {
      if (qEnvironmentVariableIsSet("QT_SCREEN_SCALE_FACTORS")) QFAIL("no two screens");
      QSKIP("no two screens at 100 and 200 %");
    }
    window_->dialogs.answers = QStringList{QStringLiteral("mek r")};
    window_->Type(QStringLiteral("`"));
    window_->ClickCell(1);  // the computer answers in the centre
    Start& start = window_->program->LoadStart();
    window_->program->Show(start);
    QScreen* const first = form_->screen();
    for (QScreen* screen : {first, screens[first == screens[0]], first}) {
      for (QWidget* window : std::initializer_list<QWidget*>{form_, &start}) {
        window->move(screen->geometry().topLeft() + QPoint(20, 20));
        QTRY_COMPARE(window->screen(), screen);
      }
      const qreal ratio = screen->devicePixelRatio();
      QCOMPARE(form_->Op->picture().cacheKey(), form_->Xp->picture().cacheKey());
      QCOMPARE(form_->TL->cursor().pixmap().devicePixelRatio(), ratio);
      for (int cell : {1, 5}) {
        QCOMPARE(Shown(*form_->Cell(cell)), MarkInCell(*form_->Cell(cell), "x-mark", ratio));
      }
      QCOMPARE(Shown(*form_->Image1), Drawing("board.jpg", "board@2x.jpg", ratio));
      QCOMPARE(Shown(*start.Image1), Drawing("start.jpg", "start@2x.jpg", ratio));
    }
  }

  // At 100 and 200 % the board is its file pixel for pixel. At 150 % it
  // is the 2x drawing scaled down: far nearer that than the 1x one
  // scaled up, which blurs every line.
  void boardIsTheDrawingForTheScreen() {
    const QImage shown = Shown(*form_->Image1);
    const QImage blunt = Picture(QStringLiteral("board.jpg"));
    const QImage sharp = Picture(QStringLiteral("board@2x.jpg"));
    if (Ratio() == 1 || Ratio() == 2) {
      QCOMPARE(shown, (Ratio() == 1 ? blunt : sharp).convertToFormat(QImage::Format_RGB32));
      return;
    }
    const auto gapFrom = [&shown](const QImage& image) {
      return MeanGap(shown,
                     image.scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    };
    const double fromSharp = gapFrom(sharp), fromBlunt = gapFrom(blunt);
    QVERIFY2(fromSharp * 2 < fromBlunt,
             qPrintable(QStringLiteral("mean gap %1 from 2x, %2 from 1x").arg(fromSharp).arg(fromBlunt)));
  }

  // Over what can be clicked the cursor is the hand drawn for the screen,
  // and a click lands on its fingertip: its hot spot, in the picture's own
  // pixels, is the one its file gives, which Windows scales with it.
  void handPointsWithItsFingertip() {
    const int k = Ratio() > 1 ? 2 : 1;
    QFile file(k > 1 ? QStringLiteral(":/pictures/hand@2x.cur") : QStringLiteral(":/pictures/hand.cur"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray cursor = file.readAll();
    QImage drawn = QImage::fromData(cursor, "cur").convertToFormat(QImage::Format_ARGB32);
    drawn.setDevicePixelRatio(k);
    const QCursor hand = form_->TL->cursor();
    QCOMPARE(hand.pixmap().toImage().convertToFormat(QImage::Format_ARGB32), drawn);
    QCOMPARE(hand.hotSpot() * k, QPoint(uchar(cursor[10]), uchar(cursor[12])));
  }
};

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
