// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>

class Dialogs;

// The Qt application, with one rule for errors: an error that escapes an
// event handler is shown in a message box with its number and text, as
// "Помилка виконання 7: недостатньо пам'яті", and ends the program with a
// non-zero exit status. Nothing is swallowed silently.
class Application final : public QApplication {
  Q_OBJECT

 public:
  Application(int& argc, char** argv, Dialogs& dialogs);

  bool notify(QObject* receiver, QEvent* event) override;

 private:
  Dialogs& dialogs_;
};
