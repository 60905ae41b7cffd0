// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>

#include "sound/loaded_sound.h"
#include "sound/search_path.h"

namespace sound {

// One sound player of the game window, bound to one sound file. Its
// settings are fixed: it never starts by itself, plays at full volume and
// normal rate, and is never muted.
//
// A player that cannot sound (its file is missing or cannot be decoded, or
// there is no audio output) stays silent: Play still counts and returns,
// and nothing is thrown or shown.
class MediaPlayer {
 public:
  // stored_name is the file's name as the game stores it, with
  // backslashes. play_count 1 plays the sound once on each start; 0 repeats
  // it without end. Making a player touches no audio at all.
  MediaPlayer(std::string stored_name, int play_count);
  MediaPlayer(const MediaPlayer&) = delete;
  MediaPlayer& operator=(const MediaPlayer&) = delete;

  // Finds the file along search, loads the sound module from there the
  // first time, opens the audio output unless another player holds it
  // already, and decodes the whole sound into memory, so that Play never
  // reads or decodes. Once loaded, further calls do nothing.
  void Load(const SearchPath& search);

  // Starts the sound from its beginning, also while it still sounds, and
  // returns at once; the sound plays on by itself.
  void Play();

  const std::string& file_name() const { return file_name_; }
  int play_count() const { return play_count_; }
  // How many times Play was called, whether anything sounded or not.
  int starts() const { return starts_; }
  bool loaded() const { return sound_ != nullptr; }
  // Whether the player's sound is being heard now.
  bool playing() const;

 private:
  std::string file_name_;
  int play_count_;
  int starts_ = 0;
  std::unique_ptr<LoadedSound> sound_;
};

}  // namespace sound
