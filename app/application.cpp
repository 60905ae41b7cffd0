// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "app/application.h"

#include <exception>
#include <new>
#include <stdexcept>
#include <system_error>

#include "app/dialogs.h"

namespace {

// The errors that can escape a handler, by the numbers and texts that the
// players' platform gives its runtime errors.
struct RuntimeError {
  int number;
  const char* text;
};

constexpr RuntimeError kOverflow{6, "переповнення"};
constexpr RuntimeError kOutOfMemory{7, "недостатньо пам'яті"};
constexpr RuntimeError kInternalError{51, "внутрішня помилка"};

// The error in flight. A thread that could not be made for lack of
// resources counts as memory run out; anything unforeseen is an internal
// error.
RuntimeError CurrentError() {
  try {
    throw;
  } catch (const std::bad_alloc&) {
    return kOutOfMemory;
  } catch (const std::overflow_error&) {
    return kOverflow;
  } catch (const std::system_error& error) {
    const std::error_code code = error.code();
    if (code == std::errc::resource_unavailable_try_again || code == std::errc::not_enough_memory) {
      return kOutOfMemory;
    }
    return kInternalError;
  } catch (...) {
    return kInternalError;
  }
}

}  // namespace

Application::Application(int& argc, char** argv, Dialogs& dialogs)
    : QApplication(argc, argv), dialogs_(dialogs) {
  setApplicationName(QStringLiteral("khrestyky"));
  setDesktopFileName(QStringLiteral("io.github.khrestyky.Khrestyky"));
  // The program decides itself when its last window has gone.
  setQuitOnLastWindowClosed(false);
}

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    const RuntimeError error = CurrentError();
    dialogs_.MsgBox(QStringLiteral("Помилка виконання %1: %2")
                        .arg(error.number)
                        .arg(QString::fromUtf8(error.text)));
    dialogs_.EndProgram(1);
  }
  return false;
}
