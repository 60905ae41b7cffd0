// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
//
// The three windows: how they look, where their controls lie, and where
// they open. The start screen's click that leads to the game is the round
// drivers' first step (tests/drivers/play_round.py). The test runs
// at twice the density (QT_SCALE_FACTOR=2), so that the offscreen screen of
// 800x600 is 400x300 to the windows: smaller than the game window.
#include <QDebug>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <utility>

#include "app/click_label.h"
#include "app/form1.h"
#include "app/helpsa.h"
#include "app/image_box.h"
#include "app/program.h"
#include "app/start.h"
#include "fakes.h"
#include "support/scripted_source.h"

class WindowsTest : public QObject {
  Q_OBJECT

 private:
  FakeDialogs dialogs_;
  testing_support::ScriptedSource random_;

 private slots:
  // Closing the start screen by the window system leaves no window.
  void closingTheStartScreenEndsTheProgram() {
    Program program(random_, dialogs_);
    QSignalSpy ended(&program, &Program::lastWindowClosed);
    program.Show(program.LoadStart());
    program.start()->close();
    QTRY_COMPARE(ended.count(), 1);
  }

  // Where controls overlap, the one higher in the stacking order takes the
  // click: the score panel over the bottom cells, the again-buttons over
  // the result word, the light button over the dark one.
  void overlappingControlsStackInOrder() {
    Program program(random_, dialogs_);
    Form1& f = program.LoadForm1();
    program.Show(f);
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QWidget* client = f.centralWidget();
    const std::pair<QPoint, QWidget*> tops[] = {
        {{150, 306}, f.Image4}, {{150, 305}, f.CD}, {{230, 320}, f.Label3},
        {{100, 400}, f.Image4}, {{100, 420}, f.Rez}, {{193, 420}, f.Rez}};
    for (const auto& [point, control] : tops) QCOMPARE(client->childAt(point), control);
    f.Image2->setVisible(true);
    QCOMPARE(client->childAt(193, 420), f.Image2);
    f.Image3->setVisible(true);
    QCOMPARE(client->childAt(193, 420), f.Image3);
  }

  // Each window is centred within the screen's available area, along each
  // side where it fits; one that is larger keeps the top-left of its frame,
  // and so its title bar, inside the area.
  void everyWindowStaysWithinReach() {
    Program program(random_, dialogs_);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY(area.height() < 490);
    for (QWidget* window :
         QWidgetList{&program.LoadStart(), &program.LoadForm1(), &program.LoadHelpsa()}) {
      program.Show(*window);
      QVERIFY(QTest::qWaitForWindowExposed(window));
      const QRect frame = window->frameGeometry();
      QString where;
      QDebug(&where) << window->metaObject()->className() << frame;
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

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
