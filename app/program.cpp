// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "app/program.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <algorithm>

#include "app/accessibility.h"
#include "app/form1.h"
#include "app/helpsa.h"
#include "app/start.h"

namespace {
const char* const kShownBefore = "khrestykyShownBefore";
}

Program::Program(game::RandomSource& random, Dialogs& dialogs)
    : random_(random), dialogs_(dialogs) {
  InstallAccessibility();
}

Program::~Program() {
  delete helpsa_;
  delete form1_;
  delete start_;
  delete unloadedStart_;
}

Start* Program::start() const { return start_; }
Form1* Program::form1() const { return form1_; }
Helpsa* Program::helpsa() const { return helpsa_; }

template <class Window>
Window& Program::Load(QPointer<Window>& slot) {
  if (!slot) {
    slot = new Window(*this);
    slot->setAttribute(Qt::WA_DeleteOnClose);
    // Checked once the event that closed the window is over, so that a
    // handler can unload one window and load the next in between.
    connect(slot, &QObject::destroyed, this, &Program::EndIfNoWindowIsLoaded,
            Qt::QueuedConnection);
  }
  return *slot;
}

Start& Program::LoadStart() { return Load(start_); }
Form1& Program::LoadForm1() { return Load(form1_); }
Helpsa& Program::LoadHelpsa() { return Load(helpsa_); }

void Program::UnloadStart() {
  if (!start_) return;
  unloadedStart_ = start_;
  start_ = nullptr;
  unloadedStart_->hide();
  unloadedStart_->deleteLater();  // it may be inside its own click handler
}

namespace {

// The frame's top-left that centres a frame of that size within the
// screen's available area. A window larger than the area keeps the top
// and left of its frame inside it, so that its title bar can be reached.
QPoint CentredIn(const QRect& area, const QSize& frame) {
  return area.topLeft() + QPoint(std::max(0, (area.width() - frame.width()) / 2),
                                 std::max(0, (area.height() - frame.height()) / 2));
}

void Centre(QWidget& window) {
  window.move(CentredIn(window.screen()->availableGeometry(), window.frameGeometry().size()));
}

// A window manager puts its frame around a window only once the window
// shows. The first time the frame's size is known, the window is centred
// again with it.
class CentreInFrame final : public QObject {
 public:
  explicit CentreInFrame(QWidget& window)
      : QObject(&window), window_(window), centredAs_(window.frameGeometry().size()) {
    window.installEventFilter(this);
  }

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Move && window_.frameGeometry().size() != centredAs_) {
      window_.removeEventFilter(this);
      Centre(window_);
      deleteLater();
    }
    return false;
  }

 private:
  QWidget& window_;
  QSize centredAs_;
};

}  // namespace

void Program::Show(QWidget& window) {
  if (!window.property(kShownBefore).toBool()) {
    window.setProperty(kShownBefore, true);
    if (window.layout()) window.layout()->activate();  // the window's final size
    Centre(window);
    new CentreInFrame(window);
  }
  window.show();
  window.raise();
  window.activateWindow();
}

void Program::EndIfNoWindowIsLoaded() {
  if (!start_ && !form1_ && !helpsa_) emit lastWindowClosed();
}
