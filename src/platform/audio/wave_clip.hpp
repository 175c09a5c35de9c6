#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace platform {

// The one sample format the game's effects come in.
constexpr int WaveSampleRate = 22050;
constexpr int WaveBitsPerSample = 8;

// Why a piece of WAVE data was refused.
enum class WaveFault {
  None,
  NotRiffWave,   // no "RIFF" ... "WAVE" header
  Truncated,     // a header or chunk runs past the end of the data
  NoFormat,      // no "fmt " chunk, or one too short to hold the PCM fields
  NotPcm,        // compressed or extensible format
  WrongFormat,   // not 8-bit 22050 Hz mono or stereo, or inconsistent block sizes
  NoSamples,     // no "data" chunk, or an empty one
  PartialFrame,  // the data does not hold a whole number of frames
};

// What the parser found: the samples stay in the caller's bytes.
struct WaveData {
  int channels = 0;
  std::span<const std::uint8_t> samples;  // unsigned 8-bit, interleaved left first
};

// Reads RIFF/WAVE data holding 8-bit unsigned PCM at 22050 Hz, mono or stereo.
// Anything else, however it is damaged, is refused with its fault.
WaveFault ParseWave(std::span<const std::uint8_t> bytes, WaveData* out);

// A clip decoded once and kept for the whole run, as the old sound library's
// clip objects were. The volume is 0..64, linear: 64 plays the samples at their
// recorded level, 32 at half the amplitude, 0 not at all; larger values are
// taken as 64, so a clip is never pushed beyond what was recorded.
class SoundClip {
 public:
  static constexpr unsigned FullVolume = 64;

  // Replaces the clip with the one in the bytes. Refused data leaves an empty
  // clip (which plays nothing). The tag names the clip in the null sink's log.
  WaveFault Load(std::span<const std::uint8_t> bytes, int tag);
  void Unload();

  bool Empty() const { return samples_.empty(); }
  int Channels() const { return channels_; }
  std::size_t Frames() const { return channels_ ? samples_.size() / channels_ : 0; }
  const std::vector<std::uint8_t>& Samples() const { return samples_; }
  int Tag() const { return tag_; }

  void SetVolume(unsigned volume) { volume_ = volume < FullVolume ? volume : FullVolume; }
  unsigned Volume() const { return volume_; }

 private:
  std::vector<std::uint8_t> samples_;
  int channels_ = 0;
  int tag_ = 0;
  unsigned volume_ = FullVolume;
};

}  // namespace platform
