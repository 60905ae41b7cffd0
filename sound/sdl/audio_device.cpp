// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "sound/sdl/audio_device.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <utility>

namespace sound {
namespace {

// Every sound is decoded into memory in the output's format, so the format
// is chosen small: 22.05 kHz mono, 16-bit, which is also what the game's
// files hold. Buffers of 512 samples (23 ms) keep the click close to the
// press of the mouse.
constexpr Uint16 kFormat = AUDIO_S16SYS;
constexpr int kOutputChannels = 1;
constexpr Uint32 kFrameBytes = SDL_AUDIO_BITSIZE(kFormat) / 8 * kOutputChannels;
constexpr int kBufferSamples = 512;

std::atomic<SoundEndedHook> endedHook{nullptr};

// The device's opening and its end take turns, so that the audio system
// is never started on one thread while it is shut down on another. Only
// plain data is static here: its end runs no SDL. Recursive, for a device
// that ends within Share, when its sharing cannot be set up.
std::recursive_mutex sharing;
std::weak_ptr<AudioDevice> shared;
bool failed = false;

void TellEnded(long framesHeard) {
  if (const SoundEndedHook hook = endedHook.load()) hook(framesHeard);
}

void ReportNoSound(const char* why) { std::fprintf(stderr, "khrestyky: no sound: %s\n", why); }

// Converts the samples, in place, into the output's format.
bool ConvertForOutput(Samples& samples) {
  SDL_AudioCVT conversion;
  if (SDL_BuildAudioCVT(&conversion, samples.format.format, samples.format.channels,
                        samples.format.freq, kFormat, kOutputChannels, kOutputFrequency) < 0) {
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
  if (samples.size == 0) {  // a sample or two at a higher rate
    SDL_SetError("the sound is shorter than one sample");
    return false;
  }
  samples.format.freq = kOutputFrequency;
  samples.format.format = kFormat;
  samples.format.channels = kOutputChannels;
  return true;
}

}  // namespace

Voice::Voice(Samples samples, int play_count)
    : samples_(std::move(samples)), playCount_(std::max(play_count, 0)) {}

std::shared_ptr<AudioDevice> AudioDevice::Share() {
  const std::lock_guard lock(sharing);
  if (auto device = shared.lock()) return device;
  if (failed) return nullptr;
  std::unique_ptr<AudioDevice> opened = Open();
  failed = !opened;
  if (failed) return nullptr;
  std::shared_ptr<AudioDevice> device(opened.release(), [](AudioDevice* last) {
    const std::lock_guard lock(sharing);
    delete last;
  });
  shared = device;
  return device;
}

std::unique_ptr<AudioDevice> AudioDevice::Open() {
  SDL_SetMainReady();  // the window toolkit owns main()
  // The program's own handlers decide what Ctrl+C does, not SDL.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    ReportNoSound(SDL_GetError());
    return nullptr;
  }
  // From here on the device's end closes what was opened.
  std::unique_ptr<AudioDevice> device(new AudioDevice);
  SDL_AudioSpec wanted{};
  wanted.freq = kOutputFrequency;
  wanted.format = kFormat;
  wanted.channels = kOutputChannels;
  wanted.samples = kBufferSamples;
  wanted.callback = Mix;
  wanted.userdata = device.get();
  // No format changes allowed: the callback always gets the format above,
  // the sounds' own, and SDL converts for the hardware where it must.
  SDL_AudioSpec obtained{};
  device->id_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
  if (device->id_ == 0) {
    ReportNoSound(SDL_GetError());
    return nullptr;
  }
  device->silence_ = obtained.silence;
  SDL_PauseAudioDevice(device->id_, 0);
  return device;
}

AudioDevice::~AudioDevice() {
  if (id_ != 0) SDL_CloseAudioDevice(id_);  // waits for the callback to return
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

Samples AudioDevice::Decode(const void* bytes, std::size_t size) {
  Samples samples = DecodeSamples(bytes, size);
  if (!samples.bytes || !ConvertForOutput(samples)) return {};
  return samples;
}

// On the output's thread, with the output locked: silence, then each
// sounding voice's next samples added at full volume. A voice that comes
// to its end starts again while plays are left, or else leaves the list.
void SDLCALL AudioDevice::Mix(void* device, Uint8* stream, int length) {
  static_cast<AudioDevice*>(device)->MixInto(stream, static_cast<Uint32>(length));
}

void AudioDevice::MixInto(Uint8* stream, Uint32 length) {
  SDL_memset(stream, silence_, length);
  for (Voice* voice = first_; voice;) {
    Voice* const next = voice->next_;  // the voice may leave the list
    for (Uint32 mixed = 0; mixed < length && voice->sounding_;) {
      const Uint32 part = std::min(length - mixed, voice->samples_.size - voice->position_);
      SDL_MixAudioFormat(stream + mixed, voice->samples_.bytes.get() + voice->position_, kFormat,
                         part, SDL_MIX_MAXVOLUME);
      mixed += part;
      voice->position_ += part;
      voice->framesHeard_ += static_cast<long>(part / kFrameBytes);
      if (voice->position_ < voice->samples_.size) continue;
      if (voice->playCount_ == 0 || --voice->playsLeft_ > 0) {
        voice->position_ = 0;
      } else {
        voice->sounding_ = false;
        Unlink(*voice);
        TellEnded(voice->framesHeard_);
      }
    }
    voice = next;
  }
}

void AudioDevice::Start(Voice& voice) {
  SDL_LockAudioDevice(id_);
  const bool cutShort = voice.sounding_;
  const long heard = voice.framesHeard_;
  if (!cutShort) Link(voice);
  voice.sounding_ = true;
  voice.position_ = 0;
  voice.playsLeft_ = voice.playCount_;
  voice.framesHeard_ = 0;
  SDL_UnlockAudioDevice(id_);
  if (cutShort) TellEnded(heard);
}

void AudioDevice::Stop(Voice& voice) {
  SDL_LockAudioDevice(id_);
  const bool wasSounding = voice.sounding_;
  const long heard = voice.framesHeard_;
  if (wasSounding) Unlink(voice);
  voice.sounding_ = false;
  SDL_UnlockAudioDevice(id_);
  if (wasSounding) TellEnded(heard);
}

bool AudioDevice::Playing(const Voice& voice) const {
  SDL_LockAudioDevice(id_);
  const bool sounding = voice.sounding_;
  SDL_UnlockAudioDevice(id_);
  return sounding;
}

void AudioDevice::SetEndedHook(SoundEndedHook hook) { endedHook = hook; }

void AudioDevice::Link(Voice& voice) {
  voice.previous_ = nullptr;
  voice.next_ = first_;
  if (first_) first_->previous_ = &voice;
  first_ = &voice;
}

void AudioDevice::Unlink(Voice& voice) {
  (voice.previous_ ? voice.previous_->next_ : first_) = voice.next_;
  if (voice.next_) voice.next_->previous_ = voice.previous_;
  voice.previous_ = voice.next_ = nullptr;
}

}  // namespace sound
