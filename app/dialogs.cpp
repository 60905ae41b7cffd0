// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "app/dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>
#include <QWidget>

namespace {

// The buttons of the dialogs speak the user's language, as the system's
// own dialogs do, where Qt's translations are installed: beside the
// program on Windows, in Qt's folder elsewhere. Loaded with the first
// dialog, so that starting the game never waits for them.
void TranslateButtons() {
  static bool tried = false;
  if (tried) return;
  tried = true;
  auto* translator = new QTranslator(qApp);
  for (const QString& folder : {QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
                                QLibraryInfo::path(QLibraryInfo::TranslationsPath)}) {
    if (translator->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
      QCoreApplication::installTranslator(translator);
      return;
    }
  }
  delete translator;
}

}  // namespace

void QtDialogs::MsgBox(const QString& text) {
  TranslateButtons();
  QMessageBox box(QMessageBox::NoIcon, kAppTitle, text, QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

QString QtDialogs::InputBox(const QString& caption, const QString& prompt) {
  TranslateButtons();
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
