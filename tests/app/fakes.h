// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

#include "app/dialogs.h"

// Dialogs that never block: messages are recorded, input boxes answer
// from a script (Cancel, the empty text, when it runs out), and ending the
// program is recorded.
class FakeDialogs final : public Dialogs {
 public:
  void MsgBox(const QString& text) override { messages << text; }
  QString InputBox(const QString& caption, const QString& prompt) override {
    prompts << caption + QLatin1Char('|') + prompt;
    return answers.isEmpty() ? QString() : answers.takeFirst();
  }
  void EndProgram(int exitStatus) override { endStatuses << exitStatus; }

  QStringList messages;
  QStringList prompts;
  QStringList answers;
  QList<int> endStatuses;
};
