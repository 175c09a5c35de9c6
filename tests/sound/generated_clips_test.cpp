#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "platform/resources.hpp"
#include "platform/wave_clip.hpp"

namespace {

struct Expected {
  int id;
  int channels;
  std::size_t dataBytes;
  int side;  // 0 both ears, 1 left only, 2 right only
};

constexpr Expected Clips[] = {
    {735, 1, 6468, 0},  {736, 2, 12936, 1}, {737, 2, 12936, 2}, {738, 1, 3357, 0},
    {739, 2, 6714, 1},  {740, 2, 6714, 2},  {741, 1, 5261, 0},  {742, 2, 24512, 1},
    {743, 2, 24512, 2}, {744, 1, 15904, 0}, {745, 1, 4048, 0},  {746, 1, 6382, 0},
    {747, 1, 25649, 0}, {748, 1, 13693, 0}, {749, 1, 10032, 0}, {750, 1, 7761, 0},
    {751, 1, 4368, 0},  {752, 1, 4368, 0},  {753, 1, 2896, 0},  {754, 1, 12256, 0},
    {755, 1, 9694, 0},  {756, 2, 19388, 1}, {757, 2, 19388, 2},
};

// Each clip as the game finds it in the executable: its exact format and length,
// silence at both ends (no click), the silent side of a side variant untouched,
// and a peak of about -3 dBFS, well clear of clipping.
TEST(GeneratedClips, EveryEffectIsEmbeddedCleanInItsExactFormatAndLength) {
  platform::UseEmbeddedResources();
  for (const Expected& e : Clips) {
    SCOPED_TRACE(e.id);
    platform::WaveData wave;
    ASSERT_EQ(platform::ParseWave(platform::WaveResource(e.id), &wave), platform::WaveFault::None);
    EXPECT_EQ(wave.channels, e.channels);
    ASSERT_EQ(wave.samples.size(), e.dataBytes);
    const auto s = wave.samples;
    const std::size_t n = s.size();
    const std::size_t ch = static_cast<std::size_t>(e.channels);
    for (std::size_t c = 0; c < ch; ++c) {
      EXPECT_EQ(s[c], 128);
      EXPECT_EQ(s[n - ch + c], 128);
    }
    int peak = 0;
    for (std::size_t i = 0; i < n; ++i) {
      const bool silentSide = (e.side == 1 && i % 2 == 1) || (e.side == 2 && i % 2 == 0);
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
