// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "sound/sound_file.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <string>
#include <system_error>

namespace sound {
namespace {

// The path's own bytes on POSIX, its wide characters on Windows: any name
// the file system allows opens.
std::FILE* OpenForReading(const std::filesystem::path& path) {
#ifdef _WIN32
  return _wfopen(path.c_str(), L"rb");
#else
  return std::fopen(path.c_str(), "rb");
#endif
}

SoundFile Failure(int error) { return {{}, std::generic_category().message(error)}; }

SoundFile TooLarge() {
  const auto mebibytes = std::to_string(kLargestSoundFile / (1024 * 1024));
  return {{}, "the file is larger than the " + mebibytes + " MiB a sound may take"};
}

}  // namespace

SoundFile ReadSoundFile(const std::filesystem::path& path) {
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(OpenForReading(path), &std::fclose);
  if (!file) return Failure(errno);
  // Refused before reading when its size tells; the limit on reading
  // holds for a file that grows meanwhile.
  std::error_code unknown;
  const std::uintmax_t size = std::filesystem::file_size(path, unknown);
  if (!unknown && size > kLargestSoundFile) return TooLarge();
  SoundFile sound;
  if (!unknown) sound.bytes.reserve(size);
  char buffer[64 * 1024];
  while (const std::size_t count = std::fread(buffer, 1, sizeof buffer, file.get())) {
    sound.bytes.append(buffer, count);
    if (sound.bytes.size() > kLargestSoundFile) return TooLarge();
  }
  if (std::ferror(file.get())) return Failure(errno);
  return sound;
}

}  // namespace sound
