#include "platform/audio/mixer.hpp"

#include <algorithm>
#include <cstddef>

namespace platform {

Voice& ClaimVoice(std::span<Voice> voices, const std::uint8_t* samples) {
  for (Voice& voice : voices) {
    if (voice.samples == samples && voice.position < RestartWindowFrames) return voice;
  }
  Voice* oldest = &voices.front();
  for (Voice& voice : voices) {
    if (!voice.samples) return voice;
    // Start stamps are unsigned and may wrap: compare by distance, not by value.
    if (static_cast<std::int32_t>(voice.startedAt - oldest->startedAt) < 0) oldest = &voice;
  }
  return *oldest;
}

namespace {

constexpr std::size_t BlockFrames = 256;

std::int16_t Saturate(std::int64_t value) {
  return static_cast<std::int16_t>(std::clamp<std::int64_t>(value, -32768, 32767));
}

// Sums one block of every voice into left/right accumulators of sample x gain.
void Accumulate(std::span<Voice> voices, std::int32_t* left, std::int32_t* right,
                std::size_t frames) {
  for (Voice& voice : voices) {
    if (!voice.samples) continue;
    const std::size_t remaining = voice.position < voice.frames ? voice.frames - voice.position : 0;
    const std::size_t count = std::min(frames, remaining);
    const auto gain = static_cast<std::int32_t>(std::min(voice.gain, 64u));
    const std::uint8_t* s = voice.samples + std::size_t{voice.position} * voice.channels;
    if (voice.channels == 2) {
      for (std::size_t i = 0; i < count; ++i) {
        left[i] += (s[2 * i] - 128) * gain;
        right[i] += (s[2 * i + 1] - 128) * gain;
      }
    } else {
      for (std::size_t i = 0; i < count; ++i) {
        const std::int32_t v = (s[i] - 128) * gain;
        left[i] += v;
        right[i] += v;
      }
    }
    voice.position += static_cast<std::uint32_t>(count);
    if (voice.position >= voice.frames) voice = Voice{};
  }
}

}  // namespace

void MixVoices(std::span<Voice> voices, unsigned masterLevel, std::span<std::int16_t> stereoOut) {
  const std::int64_t master = std::min(masterLevel, MasterFull);
  std::size_t frames = stereoOut.size() / 2;
  std::int16_t* out = stereoOut.data();
  std::int32_t left[BlockFrames];
  std::int32_t right[BlockFrames];
  while (frames > 0) {
    const std::size_t block = std::min(frames, BlockFrames);
    std::fill_n(left, block, 0);
    std::fill_n(right, block, 0);
    Accumulate(voices, left, right, block);
    // sample (-128..127) x gain 64 x master 65535 >> 15 is sample x 128 at full.
    for (std::size_t i = 0; i < block; ++i) {
      *out++ = Saturate((left[i] * master) >> 15);
      *out++ = Saturate((right[i] * master) >> 15);
    }
    frames -= block;
  }
  if (stereoOut.size() % 2) stereoOut.back() = 0;
}

}  // namespace platform
