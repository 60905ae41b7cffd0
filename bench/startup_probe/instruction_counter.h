// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace probe {

// Programs run under callgrind, whose count of executed instructions the
// machine's load does not move. Only the main thread is counted: the
// threads that wake by the clock (SDL's audio thread) do more work the
// longer a program is left to run.
class InstructionCounter {
 public:
  // Profiles are written into folder.
  explicit InstructionCounter(std::string folder);

  // The command line that runs program under callgrind.
  std::vector<std::string> Command(const std::string& program) const;

  // Has callgrind write out what the process has done since it was
  // started or last asked, and returns the main thread's instructions.
  // Throws std::runtime_error when no profile comes.
  long long Dump(const std::string& program, pid_t pid) const;

 private:
  std::string folder_;
};

}  // namespace probe
