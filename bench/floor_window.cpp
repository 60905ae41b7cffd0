// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
//
// The floor of the start-up benchmark: the least a Qt Widgets program can
// do to put a window on the screen, one widget with one label, of the
// start screen's size.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("floor"));
  window.setFixedSize(253, 234);
  QLabel label(QStringLiteral("Хрестики-нолики"), &window);
  label.move(60, 100);
  window.show();
  return application.exec();
}
