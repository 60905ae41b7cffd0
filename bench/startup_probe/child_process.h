// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace probe {

// A program started with fork and exec in the probe's own environment,
// its output appended to a log file, and stopped (SIGTERM, then SIGKILL)
// when the object goes.
class ChildProcess {
 public:
  // Starts argv[0] with argv; launchedAt is the monotonic time taken
  // just before the fork. Throws std::runtime_error when it cannot start.
  ChildProcess(const std::vector<std::string>& argv, const std::string& log);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  pid_t pid() const { return pid_; }
  double launchedAt() const { return launchedAt_; }
  // False once the program has ended by itself.
  bool Running();

 private:
  pid_t pid_ = -1;
  double launchedAt_ = 0;
  bool ended_ = false;
};

}  // namespace probe
