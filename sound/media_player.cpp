// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "sound/media_player.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>
#include <utility>

#include "sound/audio_device.h"

namespace sound {
namespace {

void ReportSilent(const std::string& file_name, const char* why) {
  std::fprintf(stderr, "khrestyky: no sound from %s: %s\n", file_name.c_str(), why);
}

Mix_Chunk* Decode(const std::filesystem::path& path) {
  const std::u8string utf8 = path.u8string();  // SDL takes UTF-8 names everywhere
  SDL_RWops* file = SDL_RWFromFile(reinterpret_cast<const char*>(utf8.c_str()), "rb");
  if (file == nullptr) {
    return nullptr;
  }
  // Reads WAV and, through the music decoders, MP3 alike; closes the file.
  return Mix_LoadWAV_RW(file, 1);
}

}  // namespace

void MediaPlayer::ChunkDeleter::operator()(Mix_Chunk* chunk) const {
  Mix_FreeChunk(chunk);
}

MediaPlayer::MediaPlayer(std::string stored_name, int play_count)
    : file_name_(std::move(stored_name)), play_count_(play_count) {}

MediaPlayer::~MediaPlayer() {
  if (chunk_) {
    device_->ReleaseChannel(channel_);
  }
}

void MediaPlayer::Load(const SearchPath& search) {
  if (chunk_) {
    return;
  }
  const auto path = search.Find(file_name_);
  if (path.empty()) {
    ReportSilent(file_name_, "file not found");
    return;
  }
  auto device = AudioDevice::Share();
  if (!device) {
    return;
  }
  chunk_.reset(Decode(path));
  if (!chunk_) {
    ReportSilent(file_name_, SDL_GetError());
    return;
  }
  device_ = std::move(device);
  channel_ = device_->ClaimChannel();
}

void MediaPlayer::Play() {
  ++starts_;
  if (!chunk_) {
    return;
  }
  // A start on the player's own channel cuts short what still sounds
  // there, so the sound always begins at its top. Mix loops count the
  // repeats after the first play; -1 repeats without end.
  const int loops = play_count_ > 0 ? play_count_ - 1 : -1;
  Mix_PlayChannel(channel_, chunk_.get(), loops);
}

bool MediaPlayer::playing() const {
  return chunk_ && Mix_Playing(channel_) != 0;
}

}  // namespace sound
