#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/audio/speaker_null_sink.hpp"
#include "platform/audio/wave_clip.hpp"
#include "platform/resources/resources.hpp"
#include "records/game_status_record.hpp"
#include "sound/sound_bank.hpp"
#include "sound/sound_effects.hpp"
#include "support/table_file.hpp"

namespace {

class SoundEffectsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    sound::LoadSoundBank();
    sound::OpenSpeaker();
  }
  void TearDown() override {
    sound::CloseSpeaker();
    records::GameStatus = {};
    sound::PipeSoundClass = sound::PipeSoundSide = 0;
    platform::headless::ClearStartedClips();
  }
};

TEST_F(SoundEffectsTest, EventsStartTheClipsTheTableSays) {
  for (const testing_support::Row& row : testing_support::ReadTable("sound_events.txt")) {
    SCOPED_TRACE(row.where);
    platform::headless::ClearStartedClips();
    records::GameStatus.SoundOn = static_cast<std::uint8_t>(row.Int(1));
    records::GameStatus.BallStyle = static_cast<std::uint32_t>(row.Int(2));
    records::GameStatus.StereoSound = static_cast<std::uint8_t>(row.Int(3));
    sound::PipeSoundClass = static_cast<int>(row.Int(4));
    sound::PipeSoundSide = static_cast<int>(row.Int(5));
    const int event = static_cast<int>(row.Int(0)), clip = static_cast<int>(row.Int(6));
    sound::PlaySoundEffect(event);
    EXPECT_EQ(platform::headless::StartedClips(), clip ? std::vector{clip} : std::vector<int>{});
    if (clip) {
      EXPECT_EQ(sound::BankSound(clip)->Volume(), 64u);
    }
  }
}

// Each clip as the game finds it in the executable: 8-bit at 22050 Hz (nothing else
// loads), its channels and exact length, silence at both ends (no click), the silent
// side of a side variant untouched, and a peak of about -3 dBFS, clear of clipping.
TEST(GeneratedClips, EveryEffectIsEmbeddedCleanInItsExactFormatAndLength) {
  for (const sound::SoundRow& e : sound::kSoundTable) {
    SCOPED_TRACE(e.id);
    platform::WaveData wave;
    ASSERT_EQ(platform::ParseWave(platform::WaveResource(e.id), &wave), platform::WaveFault::None);
    EXPECT_EQ(wave.channels, e.channels);
    ASSERT_EQ(wave.samples.size(), static_cast<std::size_t>(e.dataBytes));
    const std::size_t n = wave.samples.size(), ch = static_cast<std::size_t>(e.channels);
    int peak = 0;
    for (std::size_t i = 0; i < n; ++i) {
      const int level = std::abs(wave.samples[i] - 128);
      if (i < ch || i >= n - ch) {
        EXPECT_EQ(level, 0) << "a click at " << i;
      }
      if ((e.ear == sound::Ear::LeftOnly && i % 2) ||
          (e.ear == sound::Ear::RightOnly && !(i % 2))) {
        ASSERT_EQ(level, 0) << "sound in the silent channel at " << i;
      }
      peak = std::max(peak, level);
    }
    EXPECT_GE(peak, 86);
    EXPECT_LE(peak, 96);
  }
}

}  // namespace
