// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

#include "clock.h"

namespace probe {

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const std::string& log) {
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  const int output = open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  if (output < 0) throw std::runtime_error("cannot write " + log);
  launchedAt_ = Now();
  pid_ = fork();
  if (pid_ == 0) {
    dup2(output, STDOUT_FILENO);
    dup2(output, STDERR_FILENO);
    execvp(args[0], args.data());
    _exit(127);
  }
  close(output);
  if (pid_ < 0) throw std::runtime_error("fork failed");
}

bool ChildProcess::Running() {
  if (ended_) return false;
  int status = 0;
  ended_ = waitpid(pid_, &status, WNOHANG) == pid_;
  return !ended_;
}

ChildProcess::~ChildProcess() {
  if (!Running()) return;
  kill(pid_, SIGTERM);
  for (int tries = 0; tries < 200 && Running(); ++tries) Sleep(0.01);
  if (Running()) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
}

}  // namespace probe
