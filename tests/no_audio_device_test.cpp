// SPDX-FileCopyrightText: 2026 The Khrestyky-nolyky developers
// SPDX-License-Identifier: MIT
//
// Runs with an audio driver that does not exist: a machine without sound.
#include <gtest/gtest.h>

#include <string>

#include "sound/media_player.h"
#include "support/shipped_sounds.h"

namespace {

using testing_support::BuildTree;
using testing_support::kShippedSounds;

// The device is tried once for all the players, and the reason told once.
TEST(NoAudioDevice, EveryPlayerStaysSilentAndCountsItsStarts) {
  testing::internal::CaptureStderr();
  const sound::SearchPath search = BuildTree();
  for (const auto& shipped : kShippedSounds) {
    sound::MediaPlayer player(shipped.stored_name, shipped.play_count);
    player.Load(search);
    player.Load(search);  // trying again finds no device either

    player.Play();
    player.Play();
    EXPECT_FALSE(player.loaded()) << shipped.stored_name;
    EXPECT_FALSE(player.playing()) << shipped.stored_name;
    EXPECT_EQ(player.starts(), 2) << shipped.stored_name;
  }
  const std::string told = testing::internal::GetCapturedStderr();
  EXPECT_EQ(told.find("no sound"), told.rfind("no sound")) << told;
  EXPECT_NE(told.find("no sound"), std::string::npos) << told;
}

}  // namespace
