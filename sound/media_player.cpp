// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "sound/media_player.h"

#include <cstdio>
#include <utility>

#include "sound/sound_module.h"

namespace sound {

MediaPlayer::MediaPlayer(std::string stored_name, int play_count)
    : file_name_(std::move(stored_name)), play_count_(play_count) {}

void MediaPlayer::Load(const SearchPath& search) {
  if (sound_) return;
  const auto path = search.Find(file_name_);
  if (path.empty()) {
    std::fprintf(stderr, "khrestyky: no sound from %s: file not found\n", file_name_.c_str());
    return;
  }
  if (const OpenSoundFunction open = SoundModule(search)) {
    const std::u8string utf8 = path.u8string();
    sound_.reset(open(reinterpret_cast<const char*>(utf8.c_str()), play_count_));
  }
}

void MediaPlayer::Play() {
  ++starts_;
  if (sound_) sound_->Play();
}

bool MediaPlayer::playing() const { return sound_ && sound_->Playing(); }

}  // namespace sound
