#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "platform/mixer.hpp"

namespace {

using platform::Voice;

Voice Sounding(const std::vector<std::uint8_t>& samples, int channels, unsigned gain = 64,
               std::uint32_t startedAt = 0) {
  Voice v;
  v.samples = samples.data();
  v.frames = static_cast<std::uint32_t>(samples.size() / channels);
  v.channels = channels;
  v.gain = gain;
  v.startedAt = startedAt;
  return v;
}

std::vector<std::int16_t> Mix(std::span<Voice> voices, std::size_t frames,
                              unsigned master = platform::MasterFull) {
  std::vector<std::int16_t> out(2 * frames, 12345);
  platform::MixVoices(voices, master, out);
  return out;
}

TEST(SpeakerMixer, MonoSoundsInBothEarsAndStereoKeepsItsSide) {
  const std::vector<std::uint8_t> mono = {128, 255, 0};
  const std::vector<std::uint8_t> rightOnly = {128, 200, 128, 56};
  std::array<Voice, 2> voices = {Sounding(mono, 1), Sounding(rightOnly, 2)};
  const auto out = Mix(voices, 4);
  // 128 is silence; one 8-bit step is about 128 on the 16-bit output.
  EXPECT_EQ(out, (std::vector<std::int16_t>{0, 9215, 16255, 16255 - 9216, -16384, -16384, 0, 0}));
}

TEST(SpeakerMixer, ClipGainAndMasterLevelScaleBothChannelsAlike) {
  const std::vector<std::uint8_t> loud = {228, 28};  // +100 left, -100 right
  std::array<Voice, 1> voices = {Sounding(loud, 2, 32)};
  const auto half = Mix(voices, 1);
  EXPECT_NEAR(half[0], 100 * 64, 1);
  EXPECT_NEAR(half[1], -100 * 64, 1);

  // The game's 50 % is 32767 and must reach the right channel as well as the left.
  voices = {Sounding(loud, 2)};
  const auto quiet = Mix(voices, 1, 32767);
  EXPECT_NEAR(quiet[0], 100 * 64, 1);
  EXPECT_NEAR(quiet[1], -100 * 64, 1);
  voices = {Sounding(loud, 2)};
  EXPECT_EQ(Mix(voices, 1, 0), (std::vector<std::int16_t>{0, 0}));
}

TEST(SpeakerMixer, ManyLoudVoicesSaturateInsteadOfWrapping) {
  const std::vector<std::uint8_t> high(4, 255), low(4, 0);
  std::array<Voice, 8> voices;
  for (auto& v : voices) v = Sounding(high, 1);
  for (std::int16_t s : Mix(voices, 4)) EXPECT_EQ(s, 32767);
  for (auto& v : voices) v = Sounding(low, 1);
  for (std::int16_t s : Mix(voices, 4)) EXPECT_EQ(s, -32768);
}

TEST(SpeakerMixer, VoicesRunAcrossCallsAndAreFreedWhenTheyEnd) {
  std::vector<std::uint8_t> ramp(600);
  for (std::size_t i = 0; i < ramp.size(); ++i) ramp[i] = static_cast<std::uint8_t>(129 + i % 100);
  std::array<Voice, 1> voices = {Sounding(ramp, 1)};
  const auto first = Mix(voices, 400);  // more than one internal block
  EXPECT_EQ(voices[0].position, 400u);
  EXPECT_EQ(first[2 * 399], (129 + 399 % 100 - 128) * 128 - 1);
  const auto second = Mix(voices, 300);
  EXPECT_EQ(second[2 * 199], (129 + 599 % 100 - 128) * 128 - 1);
  EXPECT_EQ(second[2 * 200], 0);  // the clip is over: silence, not old samples
  EXPECT_EQ(voices[0].samples, nullptr);
}

TEST(SpeakerMixer, ANewClipTakesAFreeVoiceElseTheOldest) {
  const std::vector<std::uint8_t> s = {130}, other = {130};
  std::array<Voice, 3> voices = {Sounding(s, 1, 64, 7), Voice{}, Sounding(s, 1, 64, 5)};
  voices[0].position = voices[2].position = platform::RestartWindowFrames;
  EXPECT_EQ(&platform::ClaimVoice(voices, other.data()), &voices[1]);
  voices[1] = Sounding(s, 1, 64, 8);
  voices[1].position = platform::RestartWindowFrames;
  EXPECT_EQ(&platform::ClaimVoice(voices, other.data()), &voices[2]);
  // The same clip asked for again just after its start takes its own voice back.
  voices[0].position = platform::RestartWindowFrames - 1;
  EXPECT_EQ(&platform::ClaimVoice(voices, s.data()), &voices[0]);
  // Start stamps wrap after four billion clips; the oldest is still found.
  voices = {Sounding(s, 1, 64, 2), Sounding(s, 1, 64, 0xFFFFFFF0u), Sounding(s, 1, 64, 1)};
  for (auto& v : voices) v.position = platform::RestartWindowFrames;
  EXPECT_EQ(&platform::ClaimVoice(voices, other.data()), &voices[1]);
}

}  // namespace
