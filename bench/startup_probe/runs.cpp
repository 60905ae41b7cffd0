// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "runs.h"

#include <stdexcept>

#include "child_process.h"
#include "clock.h"

namespace probe {
namespace {

// The start screen and the floor window are both 253 by 234; the game
// window is 321 wide and its client area, 490 high, lies below the menu
// bar. There is no window manager, so no frame is added.
constexpr int kStartWidth = 253;
constexpr int kStartHeight = 234;
constexpr int kGameWidth = 321;
constexpr int kClientHeight = 490;

bool IsStartSized(const Rect& r) { return r.width == kStartWidth && r.height == kStartHeight; }
bool IsGameSized(const Rect& r) { return r.width == kGameWidth && r.height > kClientHeight; }

// The top-left cell and the again-button, in the game window's client area.
constexpr int kTopLeftX = 14 + 87 / 2;
constexpr int kTopLeftY = 40 + 82 / 2;
constexpr Rect kAgainButton{192, 411, 115, 33};
constexpr int kMostRoundClicks = 9;

double Ms(double seconds) { return seconds * 1000; }

MappedWindow AwaitMap(XDisplay& display, ChildProcess& child, bool (*wanted)(const Rect&),
                      const Settings& settings, const char* what) {
  auto window = display.WaitForMap(wanted, settings.timeout);
  if (!window) {
    throw std::runtime_error(std::string(child.Running() ? "never mapped: " : "ended before: ") +
                             what);
  }
  return *window;
}

void AwaitSoundPlayers(ChildProcess& child, const Settings& settings) {
  // SDL starts its audio thread when the first player opens the output.
  const double deadline = Now() + settings.timeout;
  while (!HasThread(child.pid(), "SDLAudio")) {
    if (!child.Running() || Now() > deadline) {
      throw std::runtime_error("the game window never opened the audio output");
    }
    Sleep(0.01);
  }
}

// Clicks the top-left cell until the again-button shows: the first click
// marks it, each later one is a click on a marked cell, after which the
// computer still moves, until the round is decided. Returns the clicks.
int PlayRound(XDisplay& display, const MappedWindow& game) {
  const Rect& g = game.geometry;
  const int clientTop = g.height - kClientHeight;
  const Rect again{kAgainButton.x, clientTop + kAgainButton.y, kAgainButton.width,
                   kAgainButton.height};
  const auto before = display.Pixels(game.id, again);
  for (int clicks = 1; clicks <= kMostRoundClicks; ++clicks) {
    display.Click(g.x + kTopLeftX, g.y + clientTop + kTopLeftY);
    Sleep(0.15);
    if (display.Pixels(game.id, again) != before) return clicks;
  }
  throw std::runtime_error("the round was not decided by clicks on the top-left cell");
}

std::vector<std::string> Command(const Settings& settings, const std::string& program) {
  if (settings.counter) return settings.counter->Command(program);
  return {program};
}

long long Count(const Settings& settings, const std::string& program, pid_t pid) {
  return settings.counter ? settings.counter->Dump(program, pid) : 0;
}

}  // namespace

FloorRun RunFloor(XDisplay& display, const Settings& settings, const std::string& floor) {
  display.Discard();
  ChildProcess child(Command(settings, floor), settings.log);
  const MappedWindow window = AwaitMap(display, child, IsStartSized, settings, "the floor window");
  FloorRun run;
  run.mappedMs = Ms(window.mappedAt - child.launchedAt());
  Sleep(settings.settle);
  run.instructions = Count(settings, floor, child.pid());
  run.resident = ReadResident(child.pid());
  run.mappings = ResidentByMapping(child.pid());
  return run;
}

ProgramRun RunProgram(XDisplay& display, const Settings& settings) {
  display.Discard();
  ChildProcess child(Command(settings, settings.program), settings.log);
  const MappedWindow start = AwaitMap(display, child, IsStartSized, settings, "the start screen");
  ProgramRun run;
  run.startMappedMs = Ms(start.mappedAt - child.launchedAt());
  Sleep(settings.settle);
  run.startInstructions = Count(settings, settings.program, child.pid());
  run.start = ReadResident(child.pid());
  run.startMappings = ResidentByMapping(child.pid());

  const Rect& s = start.geometry;
  const double clickedAt = display.Click(s.x + s.width / 2, s.y + s.height / 2);
  const MappedWindow game = AwaitMap(display, child, IsGameSized, settings, "the game window");
  run.clickToGameMs = Ms(game.mappedAt - clickedAt);

  AwaitSoundPlayers(child, settings);
  Sleep(settings.settle);  // the board drawn and on the server before its pixels are read
  if (settings.counter) {
    run.gameInstructions = Count(settings, settings.program, child.pid());
    return run;
  }
  run.roundClicks = PlayRound(display, game);
  Sleep(settings.settle);
  run.game = ReadResident(child.pid());
  run.gameMappings = ResidentByMapping(child.pid());
  return run;
}

}  // namespace probe
