// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "instruction_counter.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <utility>

namespace probe {
namespace {

std::string Name(const std::string& program) {
  return std::filesystem::path(program).filename().string();
}

void RunQuietly(const std::vector<std::string>& argv) {
  std::vector<char*> args;
  for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
  args.push_back(nullptr);
  const pid_t pid = fork();
  if (pid == 0) {
    const int nowhere = open("/dev/null", O_WRONLY);
    dup2(nowhere, STDOUT_FILENO);
    dup2(nowhere, STDERR_FILENO);
    execvp(args[0], args.data());
    _exit(127);
  }
  int status = 0;
  if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0) {
    throw std::runtime_error("failed: " + argv[0]);
  }
}

// Each dump of a process goes to <name>.<pid>.<n>-<thread>; the main
// thread is 01.
std::filesystem::path LatestDump(const std::string& folder, const std::string& prefix) {
  std::filesystem::path latest;
  int highest = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string file = entry.path().filename().string();
    if (!file.starts_with(prefix) || !file.ends_with("-01")) continue;
    const int n = std::atoi(file.c_str() + prefix.size());
    if (n > highest) std::tie(highest, latest) = std::pair(n, entry.path());
  }
  if (latest.empty()) throw std::runtime_error("callgrind wrote no profile for " + prefix);
  return latest;
}

long long Totals(const std::filesystem::path& profile) {
  std::ifstream file(profile);
  for (std::string line; std::getline(file, line);) {
    if (line.starts_with("totals:") || line.starts_with("summary:")) {
      return std::stoll(line.substr(line.find(':') + 1));
    }
  }
  throw std::runtime_error("no totals in " + profile.string());
}

}  // namespace

InstructionCounter::InstructionCounter(std::string folder) : folder_(std::move(folder)) {}

std::vector<std::string> InstructionCounter::Command(const std::string& program) const {
  return {"valgrind", "--tool=callgrind", "--separate-threads=yes",
          "--callgrind-out-file=" + folder_ + "/" + Name(program) + ".%p", program};
}

long long InstructionCounter::Dump(const std::string& program, pid_t pid) const {
  RunQuietly({"callgrind_control", "--dump", std::to_string(pid)});
  return Totals(LatestDump(folder_, Name(program) + "." + std::to_string(pid) + "."));
}

}  // namespace probe
