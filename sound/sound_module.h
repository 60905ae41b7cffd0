// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
#pragma once

#include "sound/loaded_sound.h"
#include "sound/search_path.h"

namespace sound {

// The sound module's entry point, from the module found along `search`
// and loaded the first time it is asked for; it stays loaded until the
// program ends. Null when there is no module to load (told once on
// stderr): the players are then silent. Safe to call from any thread.
DecodeSoundFunction SoundModule(const SearchPath& search);

// For the tests: has the sound module, found and loaded as above, call
// `hook` each time a sound stops sounding (loaded_sound.h); null calls
// nothing. False when there is no module or it has no such hook.
bool SetSoundEndedHook(const SearchPath& search, SoundEndedHook hook);

}  // namespace sound
