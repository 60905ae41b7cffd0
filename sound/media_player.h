// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <atomic>
#include <future>
#include <memory>
#include <string>

#include "sound/loaded_sound.h"
#include "sound/search_path.h"

namespace sound {

// One sound player of the game window, bound to one sound file. Its
// settings are fixed: it never starts by itself, plays at full volume and
// normal rate, and is never muted.
//
// A player that cannot sound (its file is missing, too large or cannot be
// decoded, or there is no audio output) stays silent: Play still counts
// and returns, and nothing is thrown or shown; the reason goes to stderr.
class MediaPlayer {
 public:
  // stored_name is the file's name as the game stores it, with
  // backslashes. play_count 1 plays the sound once on each start; 0 repeats
  // it without end. Making a player touches no audio at all.
  MediaPlayer(std::string stored_name, int play_count);
  // Waits for a load under way; one still waiting for its turn is dropped.
  ~MediaPlayer();
  MediaPlayer(const MediaPlayer&) = delete;
  MediaPlayer& operator=(const MediaPlayer&) = delete;

  // Starts loading and returns at once. On a thread of its own, the
  // player finds the file along search, reads it, loads the sound module
  // from there the first time, opens the audio output unless it is open
  // already, and decodes the whole sound into memory, so that Play never
  // reads or decodes. The players load one after another, in the order
  // they were asked. While a load is under way or once the sound is
  // loaded, further calls do nothing; after a failure they try again.
  void Load(const SearchPath& search);

  // Starts the sound from its beginning, also while it still sounds, and
  // returns at once; the sound plays on by itself. Until the sound is
  // loaded, a start is silent.
  void Play();

  const std::string& file_name() const { return file_name_; }
  int play_count() const { return play_count_; }
  // How many times Play was called, whether anything sounded or not.
  int starts() const { return starts_; }
  // Whether the player has its sound; waits for a load under way.
  bool loaded() const;
  // Whether the player's sound is being heard now.
  bool playing() const;

 private:
  // Takes the sound of a load that has ended; never waits.
  bool Ready() const;

  std::string file_name_;
  int play_count_;
  int starts_ = 0;
  std::atomic<bool> abandoned_{false};
  mutable std::future<std::unique_ptr<LoadedSound>> loading_;
  mutable std::unique_ptr<LoadedSound> sound_;
};

}  // namespace sound
