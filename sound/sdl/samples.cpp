// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "sound/sdl/samples.h"

#include <cstdint>
#include <cstring>
#include <limits>

// The MP3 decoder is built into the module, its functions kept inside it.
#if defined(__GNUC__) && !defined(_WIN32)
#define DRMP3_API __attribute__((visibility("hidden")))
#else
#define DRMP3_API
#endif
#define DR_MP3_IMPLEMENTATION
#define DR_MP3_NO_STDIO
#include "sound/sdl/third_party/dr_mp3.h"

namespace sound {
namespace {

Samples DecodeWave(const void* bytes, std::size_t size) {
  Samples samples;
  SDL_RWops* memory = SDL_RWFromConstMem(bytes, static_cast<int>(size));
  Uint8* decoded = nullptr;
  if (memory && SDL_LoadWAV_RW(memory, 1, &samples.format, &decoded, &samples.size)) {
    samples.bytes.reset(decoded);
  }
  return samples;
}

// The decoder allocates through SDL, so that its samples are freed as
// SDL's own.
void* Allocate(std::size_t size, void*) { return SDL_malloc(size); }
void* Reallocate(void* memory, std::size_t size, void*) { return SDL_realloc(memory, size); }
void Free(void* memory, void*) { SDL_free(memory); }

Samples DecodeMp3(const void* bytes, std::size_t size) {
  static const drmp3_allocation_callbacks allocation{nullptr, Allocate, Reallocate, Free};
  drmp3_config config{};
  drmp3_uint64 frames = 0;
  Samples samples;
  samples.bytes.reset(reinterpret_cast<Uint8*>(
      drmp3_open_memory_and_read_pcm_frames_s16(bytes, size, &config, &frames, &allocation)));
  const std::uint64_t length = frames * config.channels * sizeof(drmp3_int16);
  if (!samples.bytes || length == 0) {
    SDL_SetError("neither a WAVE nor an MP3 sound");
    return {};
  }
  if (length > std::numeric_limits<int>::max()) {
    SDL_SetError("the sound is too long");
    return {};
  }
  samples.format.freq = static_cast<int>(config.sampleRate);
  samples.format.format = AUDIO_S16SYS;
  samples.format.channels = static_cast<Uint8>(config.channels);
  samples.size = static_cast<Uint32>(length);
  return samples;
}

}  // namespace

Samples DecodeSamples(const void* bytes, std::size_t size) {
  if (size >= 4 && std::memcmp(bytes, "RIFF", 4) == 0) return DecodeWave(bytes, size);
  return DecodeMp3(bytes, size);
}

}  // namespace sound
