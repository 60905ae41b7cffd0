// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
//
// Times the game's start-up against the floor, a bare Qt window, on the X
// display of $DISPLAY, which must have no window manager: the map times
// come from the server's MapNotify events, the memory from /proc. The
// programs run turn about, in the probe's environment, on one server.
//
//   startup_probe --floor PATH --program PATH [--floor-with-sdl PATH]
//                 [--runs N] [--warmup N] [--settle SECONDS]
//                 [--sdl-stack FILE] [--log FILE] [--callgrind FOLDER]
//
// --floor-with-sdl is the floor linked with SDL2, which it never calls:
// what the sound library alone costs at start-up. --sdl-stack lists the
// libraries of SDL2 and of what it needs, one path a line,
// for the breakdown of the resident memory. --log takes what the programs
// print. --callgrind runs them under callgrind instead, once each unless
// --runs says otherwise, and counts the instructions of their main
// threads, with the profiles left in FOLDER.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "instruction_counter.h"
#include "report.h"
#include "runs.h"
#include "x_display.h"

namespace {

struct Options {
  probe::Settings settings;
  int runs = 15;
  int warmup = 1;
  std::string sdlStack;
  std::string callgrind;
};

// Under callgrind a program runs some fifty times slower, and it counts
// the same each time.
void SetCallgrindDefaults(Options& options, const std::set<std::string>& given) {
  if (!given.contains("--runs")) options.runs = 1;
  if (!given.contains("--warmup")) options.warmup = 0;
  if (!given.contains("--settle")) options.settings.settle = 5;
  options.settings.timeout = 120;
}

Options Parse(int argc, char** argv) {
  Options options;
  std::set<std::string> given;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string name = argv[i];
    const std::string value = argv[i + 1];
    given.insert(name);
    if (name == "--floor") options.settings.floor = value;
    else if (name == "--floor-with-sdl") options.settings.floorWithSdl = value;
    else if (name == "--program") options.settings.program = value;
    else if (name == "--runs") options.runs = std::stoi(value);
    else if (name == "--warmup") options.warmup = std::stoi(value);
    else if (name == "--settle") options.settings.settle = std::stod(value);
    else if (name == "--sdl-stack") options.sdlStack = value;
    else if (name == "--log") options.settings.log = value;
    else if (name == "--callgrind") options.callgrind = value;
    else throw std::runtime_error("unknown option " + name);
  }
  if (options.settings.floor.empty() || options.settings.program.empty() || options.runs < 1) {
    throw std::runtime_error("usage: startup_probe --floor PATH --program PATH [--runs N]");
  }
  if (!options.callgrind.empty()) SetCallgrindDefaults(options, given);
  return options;
}

// The file names of the real files behind the listed paths, as the
// kernel names mapped files.
std::set<std::string> ReadSdlStack(const std::string& list) {
  std::set<std::string> names;
  if (list.empty()) return names;
  std::ifstream file(list);
  for (std::string path; std::getline(file, path);) {
    std::error_code error;
    const auto real = std::filesystem::canonical(path, error);
    if (!error) names.insert(real.filename().string());
  }
  return names;
}

// Each subject once, in an order that turns from one turn to the next and
// runs backwards every other round, so that none always follows another.
void Turn(probe::XDisplay& display, const probe::Settings& settings, int turn,
          probe::Results* results) {
  std::vector<std::function<void()>> subjects;
  subjects.push_back([&] {
    auto run = probe::RunFloor(display, settings, settings.floor);
    if (results) results->floors.push_back(run);
  });
  if (!settings.floorWithSdl.empty()) {
    subjects.push_back([&] {
      auto run = probe::RunFloor(display, settings, settings.floorWithSdl);
      if (results) results->floorsWithSdl.push_back(run);
    });
  }
  subjects.push_back([&] {
    auto run = probe::RunProgram(display, settings);
    if (results) results->programs.push_back(run);
  });
  const auto n = static_cast<int>(subjects.size());
  std::rotate(subjects.begin(), subjects.begin() + turn % n, subjects.end());
  if ((turn / n) % 2 == 1) std::reverse(subjects.begin(), subjects.end());
  for (const auto& subject : subjects) subject();
}

}  // namespace

int main(int argc, char** argv) {
  try {
    Options options = Parse(argc, argv);
    const probe::InstructionCounter counter(options.callgrind);
    if (!options.callgrind.empty()) options.settings.counter = &counter;
    probe::XDisplay display;
    for (int turn = 0; turn < options.warmup; ++turn) {
      Turn(display, options.settings, turn, nullptr);
      std::fprintf(stderr, "warm-up %d of %d\n", turn + 1, options.warmup);
    }
    probe::Results results;
    for (int turn = 0; turn < options.runs; ++turn) {
      Turn(display, options.settings, turn, &results);
      std::fprintf(stderr, "run %d of %d\n", turn + 1, options.runs);
    }
    if (options.settings.counter) {
      probe::PrintInstructions(results);
      return 0;
    }
    probe::PrintReport(results);
    probe::PrintBreakdown(results.floors.back(), results.programs.back(),
                          ReadSdlStack(options.sdlStack));
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "startup_probe: %s\n", error.what());
    return 1;
  }
}
