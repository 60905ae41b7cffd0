// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <vector>

namespace sound {

// The audio output and its mixer, opened once for all players and closed
// when the last player that holds it goes. Each player sounds on a mixer
// channel of its own, so a new sound never cuts another player short.
class AudioDevice {
 public:
  // The open device, opened first when no player holds it now; null when
  // there is no audio output (no driver, device busy). The first failure
  // is told on stderr; the game goes on silent.
  static std::shared_ptr<AudioDevice> Share();

  ~AudioDevice();
  AudioDevice(const AudioDevice&) = delete;
  AudioDevice& operator=(const AudioDevice&) = delete;

  // A channel that no other player holds, at full volume.
  int ClaimChannel();
  // Stops the channel and frees it for the next player.
  void ReleaseChannel(int channel);

 private:
  AudioDevice() = default;

  std::vector<bool> claimed_;
};

}  // namespace sound
