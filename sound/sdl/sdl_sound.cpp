// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
//
// The sound module: the game's sounds on SDL2. The players load it when
// they first load their files, so the program starts without the audio
// library and the libraries it brings. They load one sound at a time,
// each on a thread of its own, while the window's thread plays the sounds
// that are loaded already.
#include <SDL.h>

#include <cstddef>
#include <memory>
#include <utility>

#include "sound/loaded_sound.h"
#include "sound/sdl/audio_device.h"
#include "sound/sdl/samples.h"

#ifdef _WIN32
#define KHRESTYKY_EXPORT extern "C" __declspec(dllexport)
#else
#define KHRESTYKY_EXPORT extern "C" __attribute__((visibility("default")))
#endif

namespace sound {
namespace {

class SdlSound final : public LoadedSound {
 public:
  SdlSound(std::shared_ptr<AudioDevice> device, Samples samples, int play_count)
      : device_(std::move(device)), voice_(std::move(samples), play_count) {}
  ~SdlSound() override { device_->Stop(voice_); }

  // A start on the player's own voice cuts short what still sounds there,
  // so the sound always begins at its top.
  void Play() override { device_->Start(voice_); }
  bool Playing() const override { return device_->Playing(voice_); }

 private:
  // The voice is declared after the device so that it is freed first.
  std::shared_ptr<AudioDevice> device_;
  Voice voice_;
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
  sound::Samples samples = sound::AudioDevice::Decode(bytes, size);  // WAVE or MP3
  if (!samples.bytes) {
    *reason = SDL_GetError();  // SDL keeps it for each thread
    return nullptr;
  }
  return new sound::SdlSound(std::move(device), std::move(samples), play_count);
}

KHRESTYKY_EXPORT void khrestyky_set_sound_ended_hook(sound::SoundEndedHook hook) {
  sound::AudioDevice::SetEndedHook(hook);
}
