// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <sys/types.h>

#include <map>
#include <string>
#include <string_view>

namespace probe {

// Resident memory of a process as /proc/<pid>/status tells it, in KiB.
struct Resident {
  long rssKib = 0;  // VmRSS: resident now
  long hwmKib = 0;  // VmHWM: the most it has been resident
};
Resident ReadResident(pid_t pid);

// The resident KiB of each mapped file of a process from
// /proc/<pid>/smaps, summed over its mappings; memory without a file is
// summed under "[anon]", "[heap]", "[stack]" and the like.
std::map<std::string, long> ResidentByMapping(pid_t pid);

// Whether one of the process's threads has a name that starts so.
bool HasThread(pid_t pid, std::string_view namePrefix);

}  // namespace probe
