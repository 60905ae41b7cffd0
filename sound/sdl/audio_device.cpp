// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "sound/sdl/audio_device.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>

namespace sound {
namespace {

// Every sound is decoded into memory in the mixer's format, so the format
// is chosen small: 22.05 kHz mono, 16-bit, which is also what the game's
// files hold. Buffers of 512 samples (23 ms) keep the click close to the
// press of the mouse.
constexpr int kFrequency = 22050;
constexpr Uint16 kFormat = AUDIO_S16SYS;
constexpr int kOutputChannels = 1;
constexpr int kBufferSamples = 512;

void ReportNoSound(const char* why) { std::fprintf(stderr, "khrestyky: no sound: %s\n", why); }

bool Open() {
  SDL_SetMainReady();  // the window toolkit owns main()
  // The program's own handlers decide what Ctrl+C does, not the mixer.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    ReportNoSound(SDL_GetError());
    return false;
  }
  // No format changes allowed: SDL converts for the device, and the
  // decoded sounds stay in the small format above.
  if (Mix_OpenAudioDevice(kFrequency, kFormat, kOutputChannels, kBufferSamples,
                          nullptr, 0) != 0) {
    ReportNoSound(Mix_GetError());
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  return true;
}

}  // namespace

std::shared_ptr<AudioDevice> AudioDevice::Share() {
  static const std::shared_ptr<AudioDevice> device(Open() ? new AudioDevice : nullptr);
  return device;
}

AudioDevice::~AudioDevice() {
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

Mix_Chunk* AudioDevice::Decode(const void* bytes, std::size_t size) {
  const std::lock_guard lock(decoding_);
  SDL_RWops* memory = SDL_RWFromConstMem(bytes, static_cast<int>(size));
  return memory ? Mix_LoadWAV_RW(memory, 1) : nullptr;
}

void AudioDevice::Start(int channel, Mix_Chunk* chunk, int loops) {
  const std::unique_lock lock(decoding_, std::try_to_lock);
  if (lock.owns_lock()) Mix_PlayChannel(channel, chunk, loops);
}

int AudioDevice::ClaimChannel() {
  const int channel = nextChannel_++;
  Mix_Volume(channel, MIX_MAX_VOLUME);
  return channel;
}

void AudioDevice::ReleaseChannel(int channel) { Mix_HaltChannel(channel); }

}  // namespace sound
