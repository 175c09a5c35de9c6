#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "platform/resources.hpp"
#include "platform/wave_clip.hpp"
#include "sound/sound_table.hpp"

namespace {

// Each clip as the game finds it in the executable: its exact format and length,
// silence at both ends (no click), the silent side of a side variant untouched,
// and a peak of about -3 dBFS, well clear of clipping.
TEST(GeneratedClips, EveryEffectIsEmbeddedCleanInItsExactFormatAndLength) {
  platform::UseEmbeddedResources();
  for (const sound::SoundRow& e : sound::kSoundTable) {
    SCOPED_TRACE(e.id);
    platform::WaveData wave;
    ASSERT_EQ(platform::ParseWave(platform::WaveResource(e.id), &wave), platform::WaveFault::None);
    EXPECT_EQ(wave.channels, e.channels);
    ASSERT_EQ(wave.samples.size(), static_cast<std::size_t>(e.dataBytes));
    const auto s = wave.samples;
    const std::size_t n = s.size();
    const std::size_t ch = static_cast<std::size_t>(e.channels);
    for (std::size_t c = 0; c < ch; ++c) {
      EXPECT_EQ(s[c], 128);
      EXPECT_EQ(s[n - ch + c], 128);
    }
    int peak = 0;
    for (std::size_t i = 0; i < n; ++i) {
      const bool silentSide = (e.ear == sound::Ear::LeftOnly && i % 2 == 1) ||
                              (e.ear == sound::Ear::RightOnly && i % 2 == 0);
      if (silentSide) {
        ASSERT_EQ(s[i], 128) << "sound in the silent channel at " << i;
        continue;
      }
      peak = std::max(peak, std::abs(s[i] - 128));
    }
    EXPECT_GE(peak, 86);
    EXPECT_LE(peak, 96);
  }
}

}  // namespace
