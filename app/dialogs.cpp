// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "app/dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QWidget>

void QtDialogs::MsgBox(const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, kAppTitle, text, QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

QString QtDialogs::InputBox(const QString& caption, const QString& prompt) {
  QInputDialog box;
  box.setWindowTitle(caption);
  box.setLabelText(prompt);
  box.setInputMode(QInputDialog::TextInput);
  box.setWindowModality(Qt::ApplicationModal);
  return box.exec() == QDialog::Accepted ? box.textValue() : QString();
}

void QtDialogs::EndProgram(int exitStatus) {
  // The windows vanish at once; the event loop ends before any other
  // event of the program is handled.
  for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
  QCoreApplication::exit(exitStatus);
}
