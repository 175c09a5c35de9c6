#include "wave_file.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace sounds {

namespace {

constexpr double FadeIn = 0.002;
constexpr double FadeOut = 0.010;
// -3 dBFS of the 8-bit range, measured against 128 steps as players do.
const double PeakLevel = std::pow(10.0, -3.0 / 20.0);

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void PutU16(std::vector<std::uint8_t>& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void PutId(std::vector<std::uint8_t>& out, const char* id) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(id[i]));
}

}  // namespace

std::vector<std::uint8_t> Finish(Signal signal, Placement placement) {
  const std::size_t frames = signal.size();
  // The fades reach exactly 0 on the first and the last sample.
  for (std::size_t i = 0; i < frames; ++i) {
    const double t = Seconds(i);
    const double tail = frames > 1 ? Seconds(frames - 1 - i) : 0;
    signal[i] *= Ramp(t, 0, FadeIn) * Ramp(tail, 0, FadeOut);
  }
  double peak = 0;
  for (double v : signal) peak = std::max(peak, std::abs(v));
  const double gain = peak > 0 ? PeakLevel / peak : 0;

  const int channels = placement == Placement::Mono ? 1 : 2;
  std::vector<std::uint8_t> samples(frames * channels, 128);
  for (std::size_t i = 0; i < frames; ++i) {
    const long value = std::lround(128 + 128 * gain * signal[i]);
    const auto sample = static_cast<std::uint8_t>(std::clamp(value, 0L, 255L));
    switch (placement) {
      case Placement::Mono:
        samples[i] = sample;
        break;
      case Placement::LeftOnly:
        samples[2 * i] = sample;
        break;
      case Placement::RightOnly:
        samples[2 * i + 1] = sample;
        break;
    }
  }
  return samples;
}

std::vector<std::uint8_t> WaveFile(const std::vector<std::uint8_t>& samples, int channels) {
  const auto dataSize = static_cast<std::uint32_t>(samples.size());
  const std::uint32_t pad = dataSize & 1u;
  std::vector<std::uint8_t> out;
  PutId(out, "RIFF");
  PutU32(out, 4 + (8 + 16) + (8 + dataSize + pad));
  PutId(out, "WAVE");
  PutId(out, "fmt ");
  PutU32(out, 16);
  PutU16(out, 1);  // PCM
  PutU16(out, static_cast<std::uint16_t>(channels));
  PutU32(out, static_cast<std::uint32_t>(Rate));
  PutU32(out, static_cast<std::uint32_t>(Rate) * static_cast<std::uint32_t>(channels));
  PutU16(out, static_cast<std::uint16_t>(channels));
  PutU16(out, 8);
  PutId(out, "data");
  PutU32(out, dataSize);
  out.insert(out.end(), samples.begin(), samples.end());
  // An odd chunk is padded to even length. The pad is silence, in case a
  // careless reader takes it for one more sample.
  if (pad) out.push_back(128);
  return out;
}

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

}  // namespace sounds
