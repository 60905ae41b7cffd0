// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
//
// The sound module: the game's sounds on SDL2_mixer. The players load it
// when they first load their files, so the program starts without the
// audio library and the codecs it brings. They load one sound at a time,
// each on a thread of its own, while the window's thread plays the sounds
// that are loaded already.
#include <SDL.h>
#include <SDL_mixer.h>

#include <cstddef>
#include <memory>
#include <utility>

#include "sound/loaded_sound.h"
#include "sound/sdl/audio_device.h"

#ifdef _WIN32
#define KHRESTYKY_EXPORT extern "C" __declspec(dllexport)
#else
#define KHRESTYKY_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace sound {
namespace {

struct ChunkDeleter {
  void operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }
};
using Chunk = std::unique_ptr<Mix_Chunk, ChunkDeleter>;

class SdlSound final : public LoadedSound {
 public:
  SdlSound(std::shared_ptr<AudioDevice> device, Chunk chunk, int play_count)
      : device_(std::move(device)), chunk_(std::move(chunk)), channel_(device_->ClaimChannel()),
        // Mix loops count the repeats after the first play; -1 repeats
        // without end.
        loops_(play_count > 0 ? play_count - 1 : -1) {}
  ~SdlSound() override { device_->ReleaseChannel(channel_); }

  // A start on the player's own channel cuts short what still sounds
  // there, so the sound always begins at its top.
  void Play() override { device_->Start(channel_, chunk_.get(), loops_); }
  bool Playing() const override { return Mix_Playing(channel_) != 0; }

 private:
  // The chunk is declared after the device so that it is freed first.
  std::shared_ptr<AudioDevice> device_;
  Chunk chunk_;
  int channel_;
  int loops_;
};

// SDL keeps its error text for each thread, and frees it only for the
// threads it made itself; the players decode on threads of their own.
struct SdlThreadData {
  ~SdlThreadData() { SDL_TLSCleanup(); }
};

}  // namespace
}  // namespace sound

KHRESTYKY_EXPORT sound::LoadedSound* khrestyky_decode_sound(const void* bytes, std::size_t size,
                                                            int play_count, const char** reason) {
  thread_local const sound::SdlThreadData freed_when_the_thread_ends;
  *reason = nullptr;
  auto device = sound::AudioDevice::Share();
  if (!device) return nullptr;  // told when the device was tried
  sound::Chunk chunk(device->Decode(bytes, size));  // WAVE or MP3
  if (!chunk) {
    *reason = SDL_GetError();  // SDL keeps it for each thread
    return nullptr;
  }
  return new sound::SdlSound(std::move(device), std::move(chunk), play_count);
}
