// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "app/application.h"

#include <exception>

#include "app/dialogs.h"

Application::Application(int& argc, char** argv, Dialogs& dialogs)
    : QApplication(argc, argv), dialogs_(dialogs) {
  setApplicationName(QStringLiteral("khrestyky"));
  setDesktopFileName(QStringLiteral("io.github.khrestyky.Khrestyky"));
  // The program decides itself when its last window has gone.
  setQuitOnLastWindowClosed(false);
}

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    Fail(QString::fromLocal8Bit(error.what()));
  } catch (...) {
    Fail(QStringLiteral("невідома помилка"));
  }
  return false;
}

void Application::Fail(const QString& what) {
  dialogs_.MsgBox(QStringLiteral("Помилка виконання: %1").arg(what));
  dialogs_.EndProgram(1);
}
