// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <SDL.h>

#include <cstddef>
#include <memory>

#include "sound/loaded_sound.h"
#include "sound/sdl/samples.h"

namespace sound {

// One sound's place in the audio output: its samples, in the output's
// format, and how far it has played. The device starts and stops it; it
// must stay where it is while it sounds.
class Voice {
 public:
  // play_count 1 plays the samples once on each start, 0 (or less)
  // repeats them without end.
  Voice(Samples samples, int play_count);
  Voice(const Voice&) = delete;
  Voice& operator=(const Voice&) = delete;

 private:
  friend class AudioDevice;

  // Fixed once made.
  const Samples samples_;
  const int playCount_;
  // Read and changed with the output locked only.
  bool sounding_ = false;
  Uint32 position_ = 0;  // bytes into the samples
  int playsLeft_ = 0;
  long framesHeard_ = 0;
  // The sounding voices form a list through the voices themselves, so
  // that a start or a stop under the lock never allocates.
  Voice* previous_ = nullptr;
  Voice* next_ = nullptr;
};

// The audio output, shared by the sounds that play on it: opened when a
// sound needs it and none is open, closed, and the audio system with it,
// when the last of them ends. So it belongs to the players, which end
// before the program does, and never to the module's static data, whose
// end on Windows comes when the loader tears the module down, after the
// output's thread is gone. The output takes its samples from a callback
// of its own, which adds up the sounding voices: each player's sound has
// a voice of its own, so a new sound never cuts another player short.
class AudioDevice {
 public:
  // The open device, opened anew when none is; null when there is no
  // audio output (no driver, device busy). A failure is final: it is told
  // once on stderr, with whatever the audio system prints itself, and the
  // game goes on silent. Safe to call from any thread.
  static std::shared_ptr<AudioDevice> Share();

  ~AudioDevice();
  AudioDevice(const AudioDevice&) = delete;
  AudioDevice& operator=(const AudioDevice&) = delete;

  // The sound held in a file's bytes, decoded and converted into the
  // output's format; no bytes when it cannot be (SDL_GetError tells why).
  // It runs on the calling thread and never touches the output, so a
  // sound starts while another is decoded, never waiting for it.
  static Samples Decode(const void* bytes, std::size_t size);

  // Starts the voice from its beginning, cutting short what of it still
  // sounds. The output is locked for a few assignments only.
  void Start(Voice& voice);
  // Silences the voice, so that the output no longer reads its samples.
  void Stop(Voice& voice);
  bool Playing(const Voice& voice) const;

  // The tests' hook (loaded_sound.h), for every voice of the process.
  static void SetEndedHook(SoundEndedHook hook);

 private:
  AudioDevice() = default;
  static std::unique_ptr<AudioDevice> Open();
  static void SDLCALL Mix(void* device, Uint8* stream, int length);
  void MixInto(Uint8* stream, Uint32 length);
  void Link(Voice& voice);
  void Unlink(Voice& voice);

  SDL_AudioDeviceID id_ = 0;
  Uint8 silence_ = 0;
  Voice* first_ = nullptr;  // the sounding voices; with the output locked
};

}  // namespace sound
