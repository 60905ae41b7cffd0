// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

#include <cstddef>
#include <memory>

namespace sound {

struct SdlFree {
  void operator()(Uint8* bytes) const { SDL_free(bytes); }
};

// A sound's samples in the format its file holds, in memory of SDL's
// allocator.
struct Samples {
  SDL_AudioSpec format{};  // freq, format and channels
  std::unique_ptr<Uint8, SdlFree> bytes;
  Uint32 size = 0;
};

// Decodes the sound held in a file's bytes, WAVE or MP3, on the calling
// thread. It never touches the audio output, so a sound can start while
// another is decoded. No bytes when the file is neither, or is damaged;
// SDL_GetError then tells why.
Samples DecodeSamples(const void* bytes, std::size_t size);

}  // namespace sound
