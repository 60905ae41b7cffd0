// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include <memory>
#include <string>

#include "sound/search_path.h"

struct Mix_Chunk;

namespace sound {

class AudioDevice;

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
  ~MediaPlayer();
  MediaPlayer(const MediaPlayer&) = delete;
  MediaPlayer& operator=(const MediaPlayer&) = delete;

  // Finds the file along search, opens the audio output unless another
  // player holds it already, and decodes the whole sound into memory, so
  // that Play never reads or decodes. Once loaded, further calls do nothing.
  void Load(const SearchPath& search);

  // Starts the sound from its beginning, also while it still sounds, and
  // returns at once; the sound plays on by itself.
  void Play();

  const std::string& file_name() const { return file_name_; }
  int play_count() const { return play_count_; }
  // How many times Play was called, whether anything sounded or not.
  int starts() const { return starts_; }
  bool loaded() const { return chunk_ != nullptr; }
  // Whether the player's sound is being heard now.
  bool playing() const;

 private:
  struct ChunkDeleter {
    void operator()(Mix_Chunk* chunk) const;
  };

  std::string file_name_;
  int play_count_;
  int starts_ = 0;
  // The chunk is declared after the device so that it is freed first.
  std::shared_ptr<AudioDevice> device_;
  std::unique_ptr<Mix_Chunk, ChunkDeleter> chunk_;
  int channel_ = -1;
};

}  // namespace sound
