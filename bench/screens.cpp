// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
//
// The windows on a real X display: pixels of a screenshot of the whole
// screen against the layout, at the screen's own density and at twice it
// (QT_SCALE_FACTOR=2), where the layout must stay and the pictures are
// their 2x drawings.
// Runs under its own Xvfb (tests/with-xvfb); the screenshots are kept in
// screens/ for a person to look at.
#include <QDir>
#include <QScreen>
#include <QTest>

#include "app/form1.h"
#include "app/image_box.h"
#include "app/program.h"
#include "app/start.h"
#include "fakes.h"
#include "support/scripted_source.h"

namespace {

QImage Screenshot(const QString& name) {
  const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
  QDir().mkpath(QStringLiteral("screens"));
  shot.save(QStringLiteral("screens/%1-x%2.png").arg(name).arg(shot.devicePixelRatio()));
  return shot;
}

// JPEG pictures blur a little; a thin line more than a flat area.
bool Near(QRgb actual, QRgb expected, int tolerance) {
  return std::abs(qRed(actual) - qRed(expected)) <= tolerance &&
         std::abs(qGreen(actual) - qGreen(expected)) <= tolerance &&
         std::abs(qBlue(actual) - qBlue(expected)) <= tolerance;
}

constexpr QRgb kBand = 0x004080;
constexpr QRgb kGrid = 0x88C4FF;
constexpr QRgb kGridLine = 0x00072C;
constexpr QRgb kXMark = 0x004E9B;
constexpr QRgb kOMark = 0x002A9D;
constexpr QRgb kWhite = 0xFFFFFF;

}  // namespace

class ScreenTest : public QObject {
  Q_OBJECT

 private:
  FakeDialogs dialogs_;
  testing_support::ScriptedSource random_;

  // Checks a pixel given in the coordinates of a widget: on a screen of
  // higher density, the middle of the block of device pixels it became.
  static void Expect(const QImage& shot, const QWidget& widget, QPoint at, QRgb colour,
                     int tolerance, const char* what) {
    const int ratio = qRound(shot.devicePixelRatio());
    const QPoint onScreen = widget.mapToGlobal(at) * ratio + QPoint(ratio / 2, ratio / 2);
    const QRgb actual = shot.pixel(onScreen) & 0xFFFFFF;
    QVERIFY2(Near(actual, colour, tolerance),
             qPrintable(QStringLiteral("%1 at %2,%3: %4, expected %5")
                            .arg(what)
                            .arg(at.x())
                            .arg(at.y())
                            .arg(actual, 6, 16, QLatin1Char('0'))
                            .arg(colour, 6, 16, QLatin1Char('0'))));
  }

 private slots:
  void startScreenAndGameWindowOnScreen() {
    Program program(random_, dialogs_);
    Start& start = program.LoadStart();
    program.Show(start);
    QVERIFY(QTest::qWaitForWindowExposed(&start));
    QTest::qWait(100);  // let the server finish drawing
    QImage shot = Screenshot(QStringLiteral("start"));
    Expect(shot, start, {3, 3}, kBand, 40, "start screen frame");
    Expect(shot, start, {126, 20}, kWhite, 16, "start screen panel");

    QTest::mouseClick(start.windowHandle(), Qt::LeftButton, {}, QPoint(126, 117));
    Form1& game = *program.form1();
    QVERIFY(QTest::qWaitForWindowExposed(&game));
    const QWidget& client = *game.centralWidget();
    QTest::mouseClick(game.windowHandle(), Qt::LeftButton, {},
                      client.mapTo(&game, game.TL->geometry().center()));
    QTest::qWait(100);
    shot = Screenshot(QStringLiteral("game"));

    Expect(shot, client, {12 + 150, 12 + 12}, kBand, 12, "top band");
    Expect(shot, client, {12 + 282, 12 + 150}, kBand, 12, "right band");
    // At twice the density the board is its 2x drawing, whose lines are
    // two pixels wide: as crisp as at the screen's own.
    Expect(shot, client, {12 + 92, 12 + 150}, kGridLine, 40, "grid column 92");
    Expect(shot, client, {12 + 180, 12 + 60}, kGridLine, 40, "grid column 180");
    Expect(shot, client, {12 + 230, 12 + 111}, kGridLine, 40, "grid row 111");
    Expect(shot, client, {12 + 40, 12 + 210}, kGridLine, 40, "grid row 210");
    Expect(shot, client, {150, 270}, kGrid, 12, "an empty cell");
    // The X of the first click and the O of the reply, with the board
    // showing through the pictures' white around them.
    Expect(shot, client, {14 + 45, 40 + 42}, kXMark, 40, "the X in the top-left cell");
    Expect(shot, client, {14 + 4, 40 + 4}, kGrid, 12, "the board around the X");
    Expect(shot, client, {108 + 45, 128 + 42 - 30}, kOMark, 40, "the O in the centre");
    // The score panel: wins on light blue, draws and losses on dark blue.
    Expect(shot, client, {12 + 150, 306 + 24}, kGrid, 16, "the wins row");
    Expect(shot, client, {12 + 150, 306 + 52}, kBand, 16, "the draws row");
    Expect(shot, client, {12 + 150, 306 + 81}, kBand, 16, "the losses row");
    Expect(shot, client, {100, 455}, kWhite, 4, "the white below the panel");

    // The sounds were found beside the program.
    QVERIFY(game.MediaPlayer1.loaded() && game.MediaPlayer2.loaded());
    // A loss shows the light again-button in its place.
    for (int click = 0; click < 3; ++click) {
      QTest::mouseClick(game.windowHandle(), Qt::LeftButton, {},
                        client.mapTo(&game, game.TL->geometry().center()));
    }
    QVERIFY(game.Image3->isVisible());
    // The loss is heard, to its end.
    QVERIFY(game.MediaPlayer2.playing());
    QTRY_VERIFY_WITH_TIMEOUT(!game.MediaPlayer2.playing() && !game.MediaPlayer1.playing(), 10000);
    QTest::qWait(100);
    shot = Screenshot(QStringLiteral("game-lost"));
    Expect(shot, client, {192 + 8, 411 + 16}, kGrid, 24, "the light again-button");
    Expect(shot, client, {190, 411 + 16}, kWhite, 4, "left of the again-button");
  }
};

QTEST_MAIN(ScreenTest)
#include "screens.moc"
