// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#include "sound/media_player.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <exception>
#include <mutex>
#include <system_error>
#include <utility>

#include "sound/sound_file.h"
#include "sound/sound_module.h"

namespace sound {
namespace {

// The loads take turns in the order they were asked for: the click is
// heard first, and the audio library never decodes two sounds at once.
class Turns {
 public:
  void Join(const void* who) {
    const std::lock_guard lock(mutex_);
    waiting_.push_back(who);
  }
  void WaitFor(const void* who) {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] { return waiting_.front() == who; });
  }
  void Leave(const void* who) {
    {
      const std::lock_guard lock(mutex_);
      waiting_.erase(std::find(waiting_.begin(), waiting_.end(), who));
    }
    changed_.notify_all();
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<const void*> waiting_;
};

Turns& LoadTurns() {
  static Turns turns;
  return turns;
}

// A load's turn, from the wait for it to the end of the load, whatever
// ends it.
class Turn {
 public:
  explicit Turn(const void* who) : who_(who) { LoadTurns().WaitFor(who_); }
  ~Turn() { LoadTurns().Leave(who_); }
  Turn(const Turn&) = delete;
  Turn& operator=(const Turn&) = delete;

 private:
  const void* who_;
};

void Tell(const std::string& where, const std::string& why) {
  std::fprintf(stderr, "khrestyky: no sound from %s: %s\n", where.c_str(), why.c_str());
}

// Every place the file was looked for, so that the user sees where to put it.
std::string Places(const SearchPath& search, const std::string& stored_name) {
  std::string places;
  for (const auto& place : search.Places(stored_name)) {
    places += (places.empty() ? "" : " or ") + Printable(place);
  }
  return places;
}

std::unique_ptr<LoadedSound> LoadSound(const SearchPath& search, const std::string& stored_name,
                                       int play_count) {
  const auto path = search.Find(stored_name);
  if (path.empty()) {
    Tell(Places(search, stored_name), std::generic_category().message(ENOENT));
    return nullptr;
  }
  try {
    const SoundFile file = ReadSoundFile(path);
    if (!file.error.empty()) {
      Tell(Printable(path), file.error);
      return nullptr;
    }
    const DecodeSoundFunction decode = SoundModule(search);
    if (!decode) return nullptr;
    const char* reason = nullptr;
    std::unique_ptr<LoadedSound> sound(
        decode(file.bytes.data(), file.bytes.size(), play_count, &reason));
    if (!sound && reason) Tell(Printable(path), reason);
    return sound;
  } catch (const std::exception& error) {  // out of memory, mostly
    Tell(Printable(path), error.what());
    return nullptr;
  }
}

}  // namespace

MediaPlayer::MediaPlayer(std::string stored_name, int play_count)
    : file_name_(std::move(stored_name)), play_count_(play_count) {}

MediaPlayer::~MediaPlayer() {
  abandoned_ = true;
  if (loading_.valid()) loading_.wait();
}

void MediaPlayer::Load(const SearchPath& search) {
  if (Ready() || loading_.valid()) return;
  LoadTurns().Join(this);
  try {
    loading_ = std::async(std::launch::async, [this, search]() -> std::unique_ptr<LoadedSound> {
      const Turn turn(this);
      if (abandoned_) return nullptr;
      return LoadSound(search, file_name_, play_count_);
    });
  } catch (...) {  // no thread to load on
    LoadTurns().Leave(this);
    throw;
  }
}

bool MediaPlayer::Ready() const {
  using namespace std::chrono_literals;
  if (loading_.valid() && loading_.wait_for(0s) == std::future_status::ready) {
    sound_ = loading_.get();
  }
  return sound_ != nullptr;
}

void MediaPlayer::Play() {
  ++starts_;
  if (Ready()) sound_->Play();
}

bool MediaPlayer::loaded() const {
  if (loading_.valid()) loading_.wait();
  return Ready();
}

bool MediaPlayer::playing() const { return Ready() && sound_->Playing(); }

}  // namespace sound
