// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <set>
#include <string>

#include "runs.h"

namespace probe {

// Medians and ranges of the times and the memory, and the
// program-to-floor ratios against their targets, PASS or MISS.
void PrintReport(const Results& results);

// The instructions counted under callgrind, medians, against the floor's.
void PrintInstructions(const Results& results);

// Resident memory of the last runs by kind of mapping. sdlStack names the
// files of SDL2 and of every library it needs.
void PrintBreakdown(const FloorRun& floor, const ProgramRun& program,
                    const std::set<std::string>& sdlStack);

}  // namespace probe
