// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <string>
#include <vector>

#include "instruction_counter.h"
#include "proc_memory.h"
#include "x_display.h"

namespace probe {

using Mappings = std::map<std::string, long>;  // resident KiB by mapped file

struct Settings {
  std::string floor;         // the bare Qt window
  std::string floorWithSdl;  // the same, linked with SDL2 that it never calls
  std::string program;       // the game
  std::string log = "/dev/null";  // where both programs' output goes
  double settle = 0.5;  // seconds a window is left to draw before memory is read
  double timeout = 30;  // seconds any awaited step may take
  // When set, the programs run under callgrind, and at each point where
  // the memory is read, the instructions since the last point are counted.
  const InstructionCounter* counter = nullptr;
};

// A floor: launched, timed until its window is mapped, then measured.
struct FloorRun {
  double mappedMs = 0;
  long long instructions = 0;  // launch to the window drawn, under callgrind
  Resident resident;
  Mappings mappings;
};

// The game: launched and timed until the start screen is mapped; its
// picture clicked and timed until the game window is mapped; a round
// played with the sound players loaded, then measured again. Under
// callgrind, no round is played.
struct ProgramRun {
  double startMappedMs = 0;
  double clickToGameMs = 0;
  int roundClicks = 0;
  long long startInstructions = 0;  // launch to the start screen drawn
  long long gameInstructions = 0;   // click to the game window drawn, sounds loaded
  Resident start;
  Resident game;
  Mappings startMappings;
  Mappings gameMappings;

  // From launch to the game window for a person who clicks the moment
  // the start screen appears: the probe's pause to read the memory is
  // left out.
  double launchToGameMs() const { return startMappedMs + clickToGameMs; }
};

FloorRun RunFloor(XDisplay& display, const Settings& settings, const std::string& floor);
ProgramRun RunProgram(XDisplay& display, const Settings& settings);

// Every run of one start-up benchmark.
struct Results {
  std::vector<FloorRun> floors;
  std::vector<FloorRun> floorsWithSdl;  // empty when there is no such floor
  std::vector<ProgramRun> programs;
};

}  // namespace probe
