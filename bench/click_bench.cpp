// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
//
// The whole path of one click on a cell of the real game window: the mouse
// event, the person's move, the computer's turn, the repaint of what
// changed and the start of the click sound on the loaded sound players.
// Thousands of clicks over many rounds, timed one by one; the
// again-button, pressed whenever a round is decided, is timed apart.
//
// Under callgrind, --collect-atstart=no --toggle-collect='*MeasuredCellClick*'
// counts the measured clicks on cells alone: not the start-up, the warm-up
// or the again-button.
#include <QApplication>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "app/dialogs.h"
#include "app/form1.h"
#include "app/image_box.h"
#include "app/program.h"
#include "game/random_source.h"

namespace {

using Clock = std::chrono::steady_clock;

// Nothing of the click path opens a dialog; if one ever did, it must not
// block the benchmark.
class SilentDialogs final : public Dialogs {
 public:
  void MsgBox(const QString&) override {}
  QString InputBox(const QString&, const QString&) override { return {}; }
  void EndProgram(int) override {}
};

struct Options {
  int clicks = 5000;
  int warmup = 200;
};

Options ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string name = argv[i];
    const int value = std::atoi(argv[i + 1]);
    if (name == "--clicks") options.clicks = value;
    if (name == "--warmup") options.warmup = value;
  }
  return options;
}

// A click at a point of the client area, delivered through the window as
// the window system delivers it; QTest processes the events it posted, so
// the repaint is part of it.
void ClickAt(Form1& form, QPoint clientPoint) {
  const QPoint windowPoint = form.centralWidget()->mapTo(&form, clientPoint);
  QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, windowPoint);
}

double TimedClick(Form1& form, QPoint clientPoint) {
  const auto start = Clock::now();
  ClickAt(form, clientPoint);
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Kept out of line: callgrind collects inside this function only.
[[gnu::noinline]] double MeasuredCellClick(Form1& form, QPoint clientPoint) {
  return TimedClick(form, clientPoint);
}

bool RoundDecided(const Form1& form) { return form.Image2->isVisible() || form.Image3->isVisible(); }

struct Samples {
  std::vector<double> cellMs;
  std::vector<double> againMs;
};

// Cells are picked at random, occupied ones too, as a restless person
// would; a decided round is followed by the again-button.
void Play(Form1& form, int clicks, Samples* samples) {
  static std::minstd_rand pick(2026);
  for (int done = 0; done < clicks;) {
    const bool again = RoundDecided(form);
    const QPoint point = again ? QPoint(250, 427)
                               : form.Cell(1 + static_cast<int>(pick() % 9))->geometry().center();
    if (again) {
      const double ms = TimedClick(form, point);
      if (samples) samples->againMs.push_back(ms);
      continue;
    }
    const double ms = samples ? MeasuredCellClick(form, point) : TimedClick(form, point);
    if (samples) samples->cellMs.push_back(ms);
    ++done;
  }
}

double Percentile(std::vector<double> values, double fraction) {
  std::sort(values.begin(), values.end());
  const auto index = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1));
  return values[index];
}

void Report(const char* what, const std::vector<double>& ms) {
  if (ms.empty()) return;
  std::printf("%-20s %6zu clicks  median %.3f ms  p90 %.3f ms  p99 %.3f ms  max %.3f ms\n",
              what, ms.size(), Percentile(ms, 0.5), Percentile(ms, 0.9), Percentile(ms, 0.99),
              Percentile(ms, 1.0));
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const Options options = ParseOptions(argc, argv);
  SilentDialogs dialogs;
  game::RandomSequence random;
  Program program(random, dialogs);
  Form1& form = program.LoadForm1();
  program.Show(form);
  if (!QTest::qWaitForWindowExposed(&form) ||
      !QTest::qWaitFor([&] { return form.MediaPlayer1.loaded() && form.MediaPlayer2.loaded(); })) {
    std::fprintf(stderr, "click_bench: the game window or its sound players did not load\n");
    return 1;
  }
  Play(form, options.warmup, nullptr);

  Samples samples;
  samples.cellMs.reserve(static_cast<std::size_t>(options.clicks));
  Play(form, options.clicks, &samples);

  Report("cell", samples.cellMs);
  Report("again-button", samples.againMs);
  std::printf("rounds decided: %zu; sound starts: click %d, loss %d\n", samples.againMs.size(),
              form.MediaPlayer1.starts(), form.MediaPlayer2.starts());
  return 0;
}
