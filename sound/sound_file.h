// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace sound {

// The largest sound file a player takes. The game's own are kilobytes; a
// whole sound is decoded into memory, and an hour of music would take
// hundreds of megabytes there.
inline constexpr std::uintmax_t kLargestSoundFile = 16 * 1024 * 1024;

// A sound file's bytes, or why they cannot be had.
struct SoundFile {
  std::string bytes;
  std::string error;  // empty when the bytes were read
};

// Reads the whole file at path, up to kLargestSoundFile bytes; an error
// names the reason as the system gives it ("Permission denied").
SoundFile ReadSoundFile(const std::filesystem::path& path);

}  // namespace sound
