// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include <cstdio>

#include "app/application.h"
#include "app/dialogs.h"
#include "app/display.h"
#include "app/program.h"
#include "app/start.h"
#include "game/random_source.h"

int main(int argc, char** argv) {
  if (!HasDisplay(argc, argv)) {
    std::fputs("khrestyky: no display: set DISPLAY or run under a desktop session\n", stderr);
    return 1;
  }
  QtDialogs dialogs;
  Application application(argc, argv, dialogs);
  game::RandomSequence random;  // never seeded: every run draws the same numbers
  Program program(random, dialogs);
  QObject::connect(&program, &Program::lastWindowClosed, &application, &QApplication::quit);
  program.Show(program.LoadStart());
  return application.exec();
}
