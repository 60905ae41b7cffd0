// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>
#include <deque>
#include <initializer_list>

#include "app/dialogs.h"
#include "game/random_source.h"

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

// A random source that hands out queued numbers, then a quiet number that
// gives the coin 0 (no opening) and RandI 1; it counts every draw.
class QueueSource final : public game::RandomSource {
 public:
  static constexpr float kQuiet = 0.1f;

  void Push(std::initializer_list<float> values) { queue_.insert(queue_.end(), values); }
  float Next() override {
    ++drawn_;
    if (queue_.empty()) return kQuiet;
    const float value = queue_.front();
    queue_.pop_front();
    return value;
  }
  int drawn() const { return drawn_; }

 private:
  std::deque<float> queue_;
  int drawn_ = 0;
};
