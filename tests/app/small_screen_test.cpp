// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
//
// The windows on a screen smaller than the game window: at twice the
// density (QT_SCALE_FACTOR=2), the offscreen screen of 800x600 is 400x300
// to the windows.
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include "app/form1.h"
#include "app/helpsa.h"
#include "app/program.h"
#include "app/start.h"
#include "fakes.h"

class SmallScreenTest : public QObject {
  Q_OBJECT

 private slots:
  // Each window is centred within the screen's available area, along each
  // side where it fits; one that is larger keeps the top-left of its frame,
  // and so its title bar, inside the area.
  void everyWindowStaysWithinReach() {
    FakeDialogs dialogs;
    QueueSource random;
    Program program(random, dialogs);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(area.height() < 490);
    for (QWidget* window : {static_cast<QWidget*>(&program.LoadStart()),
                            static_cast<QWidget*>(&program.LoadForm1()),
                            static_cast<QWidget*>(&program.LoadHelpsa())}) {
      program.Show(*window);
      QVERIFY(QTest::qWaitForWindowExposed(window));
      const QRect frame = window->frameGeometry();
      const QString where = QStringLiteral("%1 at %2,%3 %4x%5")
                                .arg(window->metaObject()->className())
                                .arg(frame.x())
                                .arg(frame.y())
                                .arg(frame.width())
                                .arg(frame.height());
      QVERIFY2(area.contains(frame.topLeft()), qPrintable(where));
      if (frame.width() <= area.width()) {
        QVERIFY2(qAbs(frame.center().x() - area.center().x()) <= 1, qPrintable(where));
      }
      if (frame.height() <= area.height()) {
        QVERIFY2(qAbs(frame.center().y() - area.center().y()) <= 1, qPrintable(where));
      }
    }
  }
};

QTEST_MAIN(SmallScreenTest)
#include "small_screen_test.moc"
