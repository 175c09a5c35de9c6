#include "platform/audio/wave_clip.hpp"

#include <cstring>

namespace platform {

namespace {

std::uint32_t ReadU32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::uint16_t ReadU16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

bool HasId(const std::uint8_t* p, const char* id) {
  return std::memcmp(p, id, 4) == 0;
}

}  // namespace

WaveFault ParseWave(std::span<const std::uint8_t> bytes, WaveData* out) {
  *out = {};
  const std::uint8_t* base = bytes.data();
  const std::size_t size = bytes.size();
  if (size < 12) {
    return size >= 4 && HasId(base, "RIFF") ? WaveFault::Truncated : WaveFault::NotRiffWave;
  }
  if (!HasId(base, "RIFF") || !HasId(base + 8, "WAVE")) return WaveFault::NotRiffWave;

  // Sizes are 32-bit and come from the data itself, so every sum is done in
  // 64 bits and checked against what is really there before anything is read.
  const std::uint64_t end = 8 + static_cast<std::uint64_t>(ReadU32(base + 4));
  if (end < 12) return WaveFault::Truncated;
  if (end > size) return WaveFault::Truncated;

  const std::uint8_t* format = nullptr;
  std::uint32_t formatSize = 0;
  const std::uint8_t* data = nullptr;
  std::uint32_t dataSize = 0;
  std::uint64_t at = 12;
  while (at < end) {
    if (end - at < 8) return WaveFault::Truncated;
    const std::uint8_t* chunk = base + at;
    const std::uint32_t chunkSize = ReadU32(chunk + 4);
    if (chunkSize > end - at - 8) return WaveFault::Truncated;
    if (HasId(chunk, "fmt ") && !format) {
      format = chunk + 8;
      formatSize = chunkSize;
    } else if (HasId(chunk, "data") && !data) {
      data = chunk + 8;
      dataSize = chunkSize;
    }
    // Odd chunks are padded to an even length; writers often leave out the pad
    // byte of the last chunk, which costs nothing to forgive.
    at += 8 + static_cast<std::uint64_t>(chunkSize) + (chunkSize & 1u);
  }

  if (!format || formatSize < 16) return WaveFault::NoFormat;
  if (ReadU16(format) != 1) return WaveFault::NotPcm;
  const int channels = ReadU16(format + 2);
  const std::uint32_t rate = ReadU32(format + 4);
  const std::uint32_t byteRate = ReadU32(format + 8);
  const int blockAlign = ReadU16(format + 12);
  const int bits = ReadU16(format + 14);
  if ((channels != 1 && channels != 2) || rate != WaveSampleRate || bits != WaveBitsPerSample ||
      blockAlign != channels || byteRate != rate * static_cast<std::uint32_t>(channels)) {
    return WaveFault::WrongFormat;
  }
  if (!data || dataSize == 0) return WaveFault::NoSamples;
  if (dataSize % static_cast<std::uint32_t>(channels) != 0) return WaveFault::PartialFrame;

  out->channels = channels;
  out->samples = std::span<const std::uint8_t>(data, dataSize);
  return WaveFault::None;
}

WaveFault SoundClip::Load(std::span<const std::uint8_t> bytes, int tag) {
  Unload();
  WaveData wave;
  const WaveFault fault = ParseWave(bytes, &wave);
  if (fault != WaveFault::None) return fault;
  samples_.assign(wave.samples.begin(), wave.samples.end());
  channels_ = wave.channels;
  tag_ = tag;
  return WaveFault::None;
}

void SoundClip::Unload() {
  samples_.clear();
  samples_.shrink_to_fit();
  channels_ = 0;
  tag_ = 0;
}

}  // namespace platform
