// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>

class Dialogs;

// The Qt application, with one rule for errors: an error that escapes an
// event handler is shown in a message box and ends the program with a
// non-zero exit status. Nothing is swallowed silently.
class Application final : public QApplication {
  Q_OBJECT

 public:
  Application(int& argc, char** argv, Dialogs& dialogs);

  bool notify(QObject* receiver, QEvent* event) override;

 private:
  void Fail(const QString& what);

  Dialogs& dialogs_;
};
