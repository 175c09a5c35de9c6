#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "platform/speaker.hpp"
#include "platform/speaker_null_sink.hpp"
#include "sound/wave_bytes.hpp"

namespace {

using platform::SoundClip;
using platform::Speaker;
using platform::SpeakerOutput;

// A clip holding the given samples (interleaved when stereo).
SoundClip ClipOf(int tag, const std::vector<std::uint8_t>& samples, int channels) {
  SoundClip clip;
  const auto format = channels == 2 ? wave_bytes::Stereo() : wave_bytes::Format{};
  EXPECT_EQ(clip.Load(wave_bytes::Wave(format, samples), tag), platform::WaveFault::None);
  return clip;
}

// A mono clip of `frames` samples all at `level`.
SoundClip Clip(int tag, std::uint8_t level, std::size_t frames = 64) {
  return ClipOf(tag, std::vector<std::uint8_t>(frames, level), 1);
}

std::vector<std::int16_t> Render(Speaker& speaker, std::size_t frames) {
  std::vector<std::int16_t> out(2 * frames);
  speaker.Render(out);
  return out;
}

class SpeakerTest : public ::testing::Test {
 protected:
  void SetUp() override { platform::headless::ClearStartedClips(); }
  void TearDown() override {
    platform::SetWaveOutVolume(platform::MasterFull);
    platform::headless::ClearStartedClips();
  }
};

TEST_F(SpeakerTest, NullSinkNotesWhatStartsOnlyWhileOpen) {
  const SoundClip a = Clip(745, 140), b = Clip(753, 140), empty;
  Speaker speaker;
  EXPECT_FALSE(speaker.PlaySound(a, 0x10000000));
  // Only the clips' own format is played.
  EXPECT_FALSE(speaker.Open(44100, 8, true, 0, 8, SpeakerOutput::NullSink));
  EXPECT_FALSE(speaker.Open(22050, 16, true, 0, 8, SpeakerOutput::NullSink));
  ASSERT_TRUE(speaker.Open(22050, 8, true, 0, 8, SpeakerOutput::NullSink));
  EXPECT_FALSE(speaker.PlaysOnDevice());
  EXPECT_TRUE(speaker.PlaySound(a, 0x10000000));
  EXPECT_FALSE(speaker.PlaySound(empty, 0x10000000));
  EXPECT_TRUE(speaker.PlaySound(b, 0x10000000));
  EXPECT_TRUE(speaker.PlaySound(a, 0x10000000));
  EXPECT_EQ(speaker.SoundingVoices(), 2);
  speaker.Close();
  EXPECT_EQ(speaker.SoundingVoices(), 0);
  EXPECT_FALSE(speaker.PlaySound(b, 0x10000000));
  EXPECT_EQ(platform::headless::StartedClips(), (std::vector<int>{745, 753, 745}));
}

TEST_F(SpeakerTest, ANinthClipSilencesTheOldestAndAllSoundTogether) {
  const SoundClip first = Clip(1, 255, 1000);
  std::vector<SoundClip> others;
  for (int i = 0; i < 8; ++i) others.push_back(Clip(2 + i, 138, 1000));
  Speaker speaker;
  ASSERT_TRUE(speaker.Open(22050, 8, true, 0, 8, SpeakerOutput::NullSink));
  speaker.PlaySound(first, 0);
  const auto alone = Render(speaker, 1);
  EXPECT_EQ(alone[0], 16255);
  for (const SoundClip& clip : others) speaker.PlaySound(clip, 0);
  EXPECT_EQ(speaker.SoundingVoices(), 8);
  // Eight voices of +10 each: the first clip is gone from the mix.
  const auto mixed = Render(speaker, 1);
  EXPECT_NEAR(mixed[0], 8 * 10 * 128, 8);
  EXPECT_EQ(mixed[0], mixed[1]);
}

TEST_F(SpeakerTest, AClipAskedForAgainAtOnceRestartsInsteadOfDoubling) {
  const SoundClip knock = Clip(750, 200, 5000);
  Speaker speaker;
  ASSERT_TRUE(speaker.Open(22050, 8, true, 0, 8, SpeakerOutput::NullSink));
  for (int i = 0; i < 6; ++i) speaker.PlaySound(knock, 0);
  EXPECT_EQ(speaker.SoundingVoices(), 1);
  EXPECT_EQ(platform::headless::StartedClips().size(), 6u);  // every request is still noted
  // Once it has been heard for a while, a new knock sounds alongside it.
  Render(speaker, platform::RestartWindowFrames);
  speaker.PlaySound(knock, 0);
  EXPECT_EQ(speaker.SoundingVoices(), 2);
}

TEST_F(SpeakerTest, WaveOutVolumeIsOneLevelForBothChannels) {
  EXPECT_EQ(platform::GetWaveOutVolume(), platform::MasterFull);
  // Sound in the right channel only, as the stereo pipe variants have it.
  std::vector<std::uint8_t> right(200, 128);
  for (std::size_t i = 1; i < right.size(); i += 2) right[i] = 228;
  const SoundClip rightOnly = ClipOf(757, right, 2);
  Speaker speaker;
  ASSERT_TRUE(speaker.Open(22050, 8, true, 0, 8, SpeakerOutput::NullSink));
  platform::SetWaveOutVolume(24247);  // what the game sets for 37 %
  EXPECT_EQ(platform::GetWaveOutVolume(), 24247u);
  speaker.PlaySound(rightOnly, 0);
  const auto out = Render(speaker, 1);
  EXPECT_EQ(out[0], 0);
  EXPECT_NEAR(out[1], 100 * 128 * 24247 / 65535, 2);

  platform::SetWaveOutVolume(0x12345678);  // beyond 16 bits: full, not a wrapped level
  EXPECT_EQ(platform::GetWaveOutVolume(), platform::MasterFull);
}

TEST_F(SpeakerTest, OpensAndPlaysOnARealSoundDevice) {
  // SDL's dummy driver takes the place of a sound card: the whole device path
  // runs, and a machine without audio does not fail the test.
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  const SoundClip clip = Clip(750, 200, 2205);
  Speaker speaker;
  ASSERT_TRUE(speaker.Open(22050, 8, true, 0, 8, SpeakerOutput::Device));
  EXPECT_TRUE(speaker.PlaysOnDevice());
  EXPECT_TRUE(speaker.PlaySound(clip, 0x10000000));
  speaker.Close();
  EXPECT_FALSE(speaker.IsOpen());
  // A closed device can be opened again, and the device path notes nothing.
  ASSERT_TRUE(speaker.Open(22050, 8, false, 0, 8, SpeakerOutput::Device));
  EXPECT_TRUE(speaker.PlaySound(clip, 0));
  EXPECT_TRUE(platform::headless::StartedClips().empty());
  unsetenv("SDL_AUDIODRIVER");
}

}  // namespace
