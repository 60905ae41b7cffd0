// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "sound/sdl/audio_device.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <climits>
#include <cstdint>
#include <cstdio>

#include "sound/sdl/samples.h"

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

// Converts the samples, in place, into the mixer's format.
bool ConvertForMixer(Samples& samples) {
  SDL_AudioCVT conversion;
  if (SDL_BuildAudioCVT(&conversion, samples.format.format, samples.format.channels,
                        samples.format.freq, kFormat, kOutputChannels, kFrequency) < 0) {
    return false;
  }
  const Uint32 frame = SDL_AUDIO_BITSIZE(samples.format.format) / 8 * samples.format.channels;
  const Uint32 wholeFrames = samples.size - samples.size % frame;
  if (wholeFrames == 0 || static_cast<std::uint64_t>(wholeFrames) * conversion.len_mult > INT_MAX) {
    SDL_SetError(wholeFrames == 0 ? "the sound holds no samples" : "the sound is too long");
    return false;
  }
  // SDL converts in a buffer large enough for every step of the conversion.
  const std::size_t room = std::size_t{wholeFrames} * static_cast<std::size_t>(conversion.len_mult);
  auto* buffer = static_cast<Uint8*>(SDL_realloc(samples.bytes.get(), room));
  if (!buffer) {
    SDL_OutOfMemory();
    return false;
  }
  static_cast<void>(samples.bytes.release());  // moved by the reallocation
  samples.bytes.reset(buffer);
  conversion.buf = buffer;
  conversion.len = static_cast<int>(wholeFrames);
  if (SDL_ConvertAudio(&conversion) < 0) return false;
  samples.size = static_cast<Uint32>(conversion.len_cvt);
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
  Samples samples = DecodeSamples(bytes, size);
  if (!samples.bytes || !ConvertForMixer(samples)) return nullptr;
  Mix_Chunk* chunk = Mix_QuickLoad_RAW(samples.bytes.get(), samples.size);
  if (!chunk) return nullptr;
  // Mix_FreeChunk frees the samples with the chunk, as it does for the
  // chunks the mixer loads itself.
  chunk->allocated = 1;
  static_cast<void>(samples.bytes.release());
  return chunk;
}

void AudioDevice::Start(int channel, Mix_Chunk* chunk, int loops) {
  Mix_PlayChannel(channel, chunk, loops);
}

int AudioDevice::ClaimChannel() {
  const int channel = nextChannel_++;
  Mix_Volume(channel, MIX_MAX_VOLUME);
  return channel;
}

void AudioDevice::ReleaseChannel(int channel) { Mix_HaltChannel(channel); }

}  // namespace sound
