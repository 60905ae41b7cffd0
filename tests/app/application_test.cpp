// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include <QTest>
#include <stdexcept>

#include "app/application.h"
#include "app/display.h"
#include "fakes.h"

namespace {

class Faulty : public QObject {
 public:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::User) throw std::runtime_error("cell 10");
    return QObject::event(event);
  }
};

FakeDialogs dialogs;

}  // namespace

class ApplicationTest : public QObject {
  Q_OBJECT

 private slots:
  // An error that escapes an event handler is shown and ends the program
  // with a non-zero status; the event loop itself survives it.
  void errorInAHandlerIsShownAndEndsTheProgram() {
    Faulty faulty;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&faulty, &event);
    QCOMPARE(dialogs.messages, QStringList{QStringLiteral("Помилка виконання: cell 10")});
    QCOMPARE(dialogs.endStatuses, QList<int>{1});
  }

  // X11 and Wayland need a display that the user gives; each platform
  // named is tried in turn.
  void onlyAGivenDisplayShowsX11OrWayland() {
#if defined(_WIN32) || defined(__APPLE__)
    QSKIP("Windows and macOS always have their display");
#else
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR"}) qunsetenv(name);
    char platforms[] = "wayland;xcb", option[] = "-platform";
    char* argv[] = {nullptr, option, platforms};
    QVERIFY(!HasDisplay(3, argv));
#endif
  }

  // The desktop matches the windows to the installed entry by this name,
  // for the task bar's icon and title.
  void windowsBelongToTheDesktopEntry() {
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("io.github.khrestyky.Khrestyky"));
  }
};

int main(int argc, char** argv) {
  Application application(argc, argv, dialogs);
  ApplicationTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "application_test.moc"
