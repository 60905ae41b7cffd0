// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>

#include "game/random_source.h"

class Dialogs;
class Form1;
class Helpsa;
class Start;
class QWidget;

// One run of the program: its three windows, each with at most one
// instance, and the services they share (the random source and the
// dialogs). The program ends when its last loaded window has been closed.
class Program : public QObject {
  Q_OBJECT

 public:
  Program(game::RandomSource& random, Dialogs& dialogs);
  ~Program() override;

  game::RandomSource& random() { return random_; }
  Dialogs& dialogs() { return dialogs_; }

  // A window that is not loaded is nullptr.
  Start* start() const;
  Form1* form1() const;
  Helpsa* helpsa() const;

  // Loading creates the window the first time, without showing it; a
  // window that is already loaded is returned as it is.
  Start& LoadStart();
  Form1& LoadForm1();
  Helpsa& LoadHelpsa();

  // Destroys the start screen; the program goes on, although for a moment
  // no window is loaded.
  void UnloadStart();

  // Shows a window modeless and without owner, in front of the others;
  // the first time, centred within the available area of its screen, or,
  // when it is larger, with its title bar at the area's top.
  void Show(QWidget& window);

 signals:
  void lastWindowClosed();

 private:
  template <class Window>
  Window& Load(QPointer<Window>& slot);
  void EndIfNoWindowIsLoaded();

  game::RandomSource& random_;
  Dialogs& dialogs_;
  QPointer<Start> start_;
  QPointer<Start> unloadedStart_;  // until its deferred deletion
  QPointer<Form1> form1_;
  QPointer<Helpsa> helpsa_;
};
