// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include <QAbstractButton>
#include <QMessageBox>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <new>
#include <stdexcept>
#include <string>
#include <system_error>

#include "app/application.h"
#include "app/display.h"
#include "fakes.h"

namespace {

FakeDialogs dialogs;

const char* const kFailingChild = "--fail-in-a-handler";

// The child's part: a handler fails as told, under the program's own
// dialogs. The message box it brings up is written to the standard output,
// caption and text, and then closed with OK.
int RunFailingHandler(int argc, char** argv) {
  QtDialogs realDialogs;
  Application application(argc, argv, realDialogs);
  QTimer::singleShot(0, [how = std::string(argv[2])] {
    if (how == "memory") throw std::bad_alloc();
    if (how == "thread") throw std::system_error(make_error_code(std::errc::resource_unavailable_try_again));
    if (how == "overflow") throw std::overflow_error("32768");
    throw std::runtime_error(how);
  });
  QTimer lookForTheBox;
  QObject::connect(&lookForTheBox, &QTimer::timeout, [] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    std::fputs((box->windowTitle() + '|' + box->text()).toUtf8().constData(), stdout);
    box->button(QMessageBox::Ok)->click();
  });
  lookForTheBox.start(10);
  return application.exec();
}

}  // namespace

class ApplicationTest : public QObject {
  Q_OBJECT

 private slots:
  void errorInAHandlerIsShownWithItsNumber_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("message");
    const QString outOfMemory = QStringLiteral("Помилка виконання 7: недостатньо пам'яті");
    QTest::newRow("no memory") << "memory" << outOfMemory;
    QTest::newRow("no thread for a sound") << "thread" << outOfMemory;
    QTest::newRow("overflow") << "overflow" << QStringLiteral("Помилка виконання 6: переповнення");
    QTest::newRow("unforeseen") << "cell 10" << QStringLiteral("Помилка виконання 51: внутрішня помилка");
  }

  // An error that escapes an event handler, in a program of its own: its
  // message box, captioned with the game's title, shows the error's number
  // and text, and the program ends with a non-zero status once the box is
  // closed.
  void errorInAHandlerIsShownWithItsNumber() {
    QFETCH(QString, how);
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {kFailingChild, how, QStringLiteral("-platform"), QStringLiteral("offscreen")});
    QVERIFY(child.waitForFinished(30000));
    QFETCH(QString, message);
    QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()), "Хрестики-нолики|" + message);
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 1);
  }

  // X11 and Wayland need a display that the user gives; each platform
  // named is tried in turn.
  void onlyAGivenDisplayShowsX11OrWayland() {
#if defined(_WIN32) || defined(__APPLE__)
    QSKIP("Windows and macOS always have their display");
#endif
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR"}) qunsetenv(name);
    char platforms[] = "wayland;xcb", option[] = "-platform";
    char* argv[] = {nullptr, option, platforms};
    QVERIFY(!HasDisplay(3, argv));
  }
};

int main(int argc, char** argv) {
  if (argc > 2 && std::strcmp(argv[1], kFailingChild) == 0) return RunFailingHandler(argc, argv);
  Application application(argc, argv, dialogs);
  ApplicationTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "application_test.moc"
