// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "report.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>

namespace probe {
namespace {

struct Spread {
  double median = 0;
  double min = 0;
  double max = 0;
};

Spread SpreadOf(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
  return {median, values.front(), values.back()};
}

template <class Run, class Value>
std::vector<double> Values(const std::vector<Run>& runs, Value value) {
  std::vector<double> values;
  for (const Run& run : runs) values.push_back(static_cast<double>(value(run)));
  return values;
}

// Runs of the same turn, one beside the other: made within a second or
// two, they shared the machine's load.
template <class Combine>
std::vector<double> Pairwise(const std::vector<double>& a, const std::vector<double>& b,
                             Combine combine) {
  std::vector<double> combined;
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) combined.push_back(combine(a[i], b[i]));
  return combined;
}

double Median(const std::vector<double>& values) { return SpreadOf(values).median; }

void PrintTime(const char* what, const std::vector<double>& ms) {
  const Spread s = SpreadOf(ms);
  std::printf("  %-54s %7.1f ms  (%.1f - %.1f)\n", what, s.median, s.min, s.max);
}

void PrintMemory(const char* what, const std::vector<double>& rssKib,
                 const std::vector<double>& hwmKib) {
  const Spread rss = SpreadOf(rssKib);
  const Spread hwm = SpreadOf(hwmKib);
  std::printf("  %-32s VmRSS %5.1f MiB (%.1f - %.1f)   VmHWM %5.1f MiB (%.1f - %.1f)\n", what,
              rss.median / 1024, rss.min / 1024, rss.max / 1024, hwm.median / 1024,
              hwm.min / 1024, hwm.max / 1024);
}

// The ratio of the medians decides; the median and range of the ratios of
// the single turns are shown beside it, to tell how much the machine's
// load moved the figure.
void PrintTarget(const char* what, const std::vector<double>& program,
                 const std::vector<double>& floor, double target) {
  const double ratio = Median(program) / Median(floor);
  const Spread turns = SpreadOf(Pairwise(program, floor, std::divides<>()));
  std::printf("  %-60s %5.2fx  (turns %4.2fx, %4.2f - %4.2f)  target <= %.2fx  %s\n", what, ratio,
              turns.median, turns.min, turns.max, target, ratio <= target ? "PASS" : "MISS");
}

struct Figures {
  std::vector<double> mapMs, rssKib, hwmKib;
};

Figures FloorFigures(const std::vector<FloorRun>& runs) {
  return {Values(runs, [](const FloorRun& r) { return r.mappedMs; }),
          Values(runs, [](const FloorRun& r) { return r.resident.rssKib; }),
          Values(runs, [](const FloorRun& r) { return r.resident.hwmKib; })};
}

// What linking SDL2 alone adds to the floor, turn by turn.
void PrintSdlShare(const Figures& floor, const Figures& withSdl) {
  const Spread ms = SpreadOf(Pairwise(withSdl.mapMs, floor.mapMs, std::minus<>()));
  const Spread kib = SpreadOf(Pairwise(withSdl.rssKib, floor.rssKib, std::minus<>()));
  std::printf("\nSDL2 linked into the floor, never called, adds (median of the turns):\n");
  std::printf("  %+.1f ms to launch -> mapped (%+.1f - %+.1f), %+.1f MiB VmRSS (%+.1f - %+.1f)\n",
              ms.median, ms.min, ms.max, kib.median / 1024, kib.min / 1024, kib.max / 1024);
}

// The kinds of mapping that the memory is told by.
enum Kind { kSharedLibrary, kSdlStack, kProgramLibrary, kAnonymous, kOther, kKinds };
constexpr const char* kKindNames[kKinds] = {
    "libraries the floor maps too",
    "SDL2 and the libraries it needs",
    "other libraries only the program maps",
    "heap, stack and anonymous memory",
    "other files (programs, fonts, shared memory)",
};

bool IsLibrary(const std::string& name) {
  return name.starts_with('/') && name.find(".so") != std::string::npos;
}

std::string FileName(const std::string& path) {
  return std::filesystem::path(path).filename().string();
}

Kind KindOf(const std::string& name, const Mappings& floor, const std::set<std::string>& sdl) {
  if (name.starts_with('[')) return kAnonymous;
  if (!IsLibrary(name)) return kOther;
  if (floor.contains(name)) return kSharedLibrary;
  return sdl.contains(FileName(name)) ? kSdlStack : kProgramLibrary;
}

std::array<long, kKinds> ByKind(const Mappings& mappings, const Mappings& floor,
                                const std::set<std::string>& sdl) {
  std::array<long, kKinds> sums{};
  for (const auto& [name, kib] : mappings) sums[KindOf(name, floor, sdl)] += kib;
  return sums;
}

long Total(const std::array<long, kKinds>& sums) {
  long total = 0;
  for (long kib : sums) total += kib;
  return total;
}

void PrintLibraries(const ProgramRun& program, const Mappings& floor,
                    const std::set<std::string>& sdl) {
  std::printf("\n  libraries only the program maps, KiB resident:  %12s %12s\n", "start screen",
              "game window");
  std::multimap<long, std::string, std::greater<>> byGame;
  for (const auto& [name, kib] : program.gameMappings) {
    if (IsLibrary(name) && !floor.contains(name)) byGame.emplace(kib, name);
  }
  for (const auto& [kib, name] : byGame) {
    const auto start = program.startMappings.find(name);
    std::printf("  %-4s %-42s %12ld %12ld\n", sdl.contains(FileName(name)) ? "SDL" : "",
                FileName(name).c_str(),
                start == program.startMappings.end() ? 0L : start->second, kib);
  }
}

}  // namespace

void PrintReport(const Results& results) {
  using P = const ProgramRun&;
  const auto& programs = results.programs;
  const Figures floor = FloorFigures(results.floors);
  const Figures withSdl = FloorFigures(results.floorsWithSdl);
  const auto startMs = Values(programs, [](P r) { return r.startMappedMs; });
  const auto gameMs = Values(programs, [](P r) { return r.launchToGameMs(); });
  const auto startRss = Values(programs, [](P r) { return r.start.rssKib; });
  const auto gameRss = Values(programs, [](P r) { return r.game.rssKib; });
  const bool sdl = !withSdl.mapMs.empty();

  std::printf("\nTimes, median (min - max) of %zu runs each:\n", programs.size());
  PrintTime("floor: launch -> window mapped", floor.mapMs);
  if (sdl) PrintTime("floor with SDL2: launch -> window mapped", withSdl.mapMs);
  PrintTime("program: launch -> start screen mapped", startMs);
  PrintTime("program: click -> game window mapped",
            Values(programs, [](P r) { return r.clickToGameMs; }));
  PrintTime("program: launch -> game window mapped, click included", gameMs);

  std::printf("\nResident memory, median (min - max):\n");
  PrintMemory("floor", floor.rssKib, floor.hwmKib);
  if (sdl) PrintMemory("floor with SDL2", withSdl.rssKib, withSdl.hwmKib);
  PrintMemory("program, start screen", startRss,
              Values(programs, [](P r) { return r.start.hwmKib; }));
  PrintMemory("program, round played, sound", gameRss,
              Values(programs, [](P r) { return r.game.hwmKib; }));

  std::printf("\nTargets, program / floor, medians of this run:\n");
  PrintTarget("start screen mapped / floor mapped", startMs, floor.mapMs, 1.10);
  PrintTarget("VmRSS on the start screen / floor's", startRss, floor.rssKib, 1.15);
  PrintTarget("launch -> game window mapped (click included) / floor mapped", gameMs,
              floor.mapMs, 1.6);
  PrintTarget("VmRSS, round played with sound / floor's", gameRss, floor.rssKib, 1.33);
  std::printf("  (1.33x, not 1.25x: Debian's SDL2 brings its PulseAudio client, 3.0 MiB, which no "
              "floor can avoid)\n");
  if (sdl) PrintSdlShare(floor, withSdl);
}

void PrintInstructions(const Results& results) {
  using F = const FloorRun&;
  using P = const ProgramRun&;
  const auto& programs = results.programs;
  const double floor = Median(Values(results.floors, [](F r) { return r.instructions; }));
  const double start = Median(Values(programs, [](P r) { return r.startInstructions; }));
  const double game = Median(Values(programs, [](P r) { return r.gameInstructions; }));
  const auto line = [floor](const char* what, double count, bool ratio) {
    std::printf("  %-58s %8.1f M", what, count / 1e6);
    if (ratio) std::printf("   %4.2fx the floor's", count / floor);
    std::printf("\n");
  };
  std::printf("\nInstructions of the main thread under callgrind, median of %zu runs each:\n",
              programs.size());
  line("floor: launch -> window drawn", floor, false);
  if (!results.floorsWithSdl.empty()) {
    line("floor with SDL2: launch -> window drawn",
         Median(Values(results.floorsWithSdl, [](F r) { return r.instructions; })), true);
  }
  line("program: launch -> start screen drawn", start, true);
  line("program: click -> game window drawn, sounds loaded", game, false);
  line("program: launch -> game window drawn, click included", start + game, true);
}

void PrintBreakdown(const FloorRun& floor, const ProgramRun& program,
                    const std::set<std::string>& sdlStack) {
  const auto f = ByKind(floor.mappings, floor.mappings, sdlStack);
  const auto s = ByKind(program.startMappings, floor.mappings, sdlStack);
  const auto g = ByKind(program.gameMappings, floor.mappings, sdlStack);
  std::printf("\nResident memory by kind of mapping (smaps Rss, KiB, last run):\n");
  std::printf("  %-46s %8s %12s %12s\n", "", "floor", "start screen", "game window");
  for (int kind = 0; kind < kKinds; ++kind) {
    std::printf("  %-46s %8ld %12ld %12ld\n", kKindNames[kind], f[kind], s[kind], g[kind]);
  }
  std::printf("  %-46s %8ld %12ld %12ld\n", "total", Total(f), Total(s), Total(g));
  PrintLibraries(program, floor.mappings, sdlStack);
}

}  // namespace probe
