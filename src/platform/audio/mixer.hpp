#pragma once

#include <cstdint>
#include <span>

namespace platform {

// One clip sounding. The samples are unsigned 8-bit with 128 as silence,
// interleaved left first when there are two channels; a mono clip sounds
// equally in both ears.
struct Voice {
  const std::uint8_t* samples = nullptr;  // null: the voice is free
  std::uint32_t frames = 0;
  std::uint32_t position = 0;  // next frame to play
  int channels = 1;
  unsigned gain = 64;           // 0..64, 64 = the recorded level
  std::uint32_t startedAt = 0;  // start order, so the oldest can make room
};

// The master level that leaves the mix as loud as it was recorded.
constexpr unsigned MasterFull = 65535;

// A clip asked for again within this many frames (50 ms) of its own start
// restarts instead of piling up: a row of balls landing in one tick knocks
// once, not six times as loud into distortion.
constexpr std::uint32_t RestartWindowFrames = 1102;

// A voice for a new clip: the same clip's voice if it started moments ago,
// else a free one, else the one that started longest ago.
Voice& ClaimVoice(std::span<Voice> voices, const std::uint8_t* samples);

// Adds every sounding voice into signed 16-bit stereo frames (left first) and
// scales the sum by the master level (0..65535, both channels alike). A clip
// at full gain and full master comes out at its 8-bit sample x 128, which
// leaves 6 dB of headroom so that two effects meeting do not saturate. The sum
// is kept wide and saturates at the 16-bit limits instead of wrapping. Voices
// move on by the frames written and are freed when they end. The output is
// overwritten, so silence comes out when nothing sounds.
void MixVoices(std::span<Voice> voices, unsigned masterLevel, std::span<std::int16_t> stereoOut);

}  // namespace platform
