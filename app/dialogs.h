// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The program's modal dialogs and its way out, behind one small interface
// so that tests can script them instead of blocking on a real dialog.
class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // A message box: the text, one OK button, no icon, the application's
  // title as caption, modal to the application. Returns when dismissed.
  virtual void MsgBox(const QString& text) = 0;

  // A one-line input box with a caption, a prompt, an empty field, OK and
  // Cancel. Returns the typed text on OK, the empty text on Cancel or close.
  virtual QString InputBox(const QString& caption, const QString& prompt) = 0;

  // Ends the program at once: every window goes, no further handler runs.
  virtual void EndProgram(int exitStatus = 0) = 0;
};

// The dialogs of a real run, on Qt's message and input boxes.
class QtDialogs final : public Dialogs {
 public:
  void MsgBox(const QString& text) override;
  QString InputBox(const QString& caption, const QString& prompt) override;
  void EndProgram(int exitStatus) override;
};

// The application's title, the caption of every message box.
inline const QString kAppTitle = QStringLiteral("Хрестики-нолики");
