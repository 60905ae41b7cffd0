// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "proc_memory.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace probe {
namespace {

std::string ProcPath(pid_t pid, const char* name) {
  return "/proc/" + std::to_string(pid) + "/" + name;
}

std::ifstream Open(const std::string& path) {
  std::ifstream file(path);
  if (!file) throw std::runtime_error("cannot read " + path);
  return file;
}

// "7f1c2a000000-7f1c2a021000 r-xp 00000000 08:01 1234   /usr/lib/x.so"
// heads a mapping; its pathname is everything after the fifth field.
bool MappingHead(const std::string& line, std::string* name) {
  std::istringstream fields(line);
  std::string range, perms, offset, device, inode;
  if (!(fields >> range >> perms >> offset >> device >> inode)) return false;
  if (range.find('-') == std::string::npos) return false;
  std::string rest;
  std::getline(fields >> std::ws, rest);
  *name = rest.empty() ? "[anon]" : rest;
  return true;
}

}  // namespace

Resident ReadResident(pid_t pid) {
  std::ifstream status = Open(ProcPath(pid, "status"));
  Resident resident;
  std::string key;
  long kib = 0;
  for (std::string line; std::getline(status, line);) {
    std::istringstream fields(line);
    if (!(fields >> key >> kib)) continue;
    if (key == "VmRSS:") resident.rssKib = kib;
    if (key == "VmHWM:") resident.hwmKib = kib;
  }
  return resident;
}

std::map<std::string, long> ResidentByMapping(pid_t pid) {
  std::ifstream smaps = Open(ProcPath(pid, "smaps"));
  std::map<std::string, long> byName;
  std::string current = "[anon]";
  for (std::string line; std::getline(smaps, line);) {
    if (line.rfind("Rss:", 0) == 0) {
      byName[current] += std::stol(line.substr(4));
    } else if (std::string name; MappingHead(line, &name)) {
      current = name;
    }
  }
  return byName;
}

bool HasThread(pid_t pid, std::string_view namePrefix) {
  std::error_code error;
  for (const auto& task : std::filesystem::directory_iterator(ProcPath(pid, "task"), error)) {
    std::ifstream comm(task.path() / "comm");
    std::string name;
    if (std::getline(comm, name) && name.rfind(namePrefix, 0) == 0) return true;
  }
  return false;
}

}  // namespace probe
