#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/wave_clip.hpp"
#include "sound/wave_bytes.hpp"

namespace {

using platform::WaveFault;
using namespace wave_bytes;

WaveFault Fault(const Bytes& bytes) {
  platform::WaveData data;
  return platform::ParseWave(bytes, &data);
}

TEST(WaveClip, ReadsMonoAndStereoPcmAroundOtherChunks) {
  // An odd mono clip, a chunk the game does not know before the samples, and
  // the format after a list chunk: all found where they are.
  Bytes chunks;
  PutChunk(chunks, "LIST", {'I', 'N', 'F', 'O', 1});
  PutChunk(chunks, "fmt ", FormatBody({}));
  PutChunk(chunks, "data", {1, 2, 3});
  const Bytes file = Riff(chunks);
  platform::WaveData data;
  ASSERT_EQ(platform::ParseWave(file, &data), WaveFault::None);
  EXPECT_EQ(data.channels, 1);
  EXPECT_EQ(Bytes(data.samples.begin(), data.samples.end()), (Bytes{1, 2, 3}));

  platform::SoundClip clip;
  ASSERT_EQ(clip.Load(Wave(Stereo(), {10, 20, 30, 40}), 736), WaveFault::None);
  EXPECT_EQ(clip.Channels(), 2);
  EXPECT_EQ(clip.Frames(), 2u);
  EXPECT_EQ(clip.Tag(), 736);
  EXPECT_EQ(clip.Samples(), (Bytes{10, 20, 30, 40}));

  // Writers often leave out the pad byte of an odd last chunk.
  Bytes unpadded;
  PutChunk(unpadded, "fmt ", FormatBody({}));
  PutChunk(unpadded, "data", {7, 8, 9}, /*pad=*/false);
  EXPECT_EQ(Fault(Riff(unpadded)), WaveFault::None);

  // Refused data leaves an empty clip that plays nothing.
  EXPECT_EQ(clip.Load(Wave(Stereo(), {1}), 736), WaveFault::PartialFrame);
  EXPECT_TRUE(clip.Empty());
}

TEST(WaveClip, RefusesEachKindOfForeignOrDamagedData) {
  const Bytes samples = {128, 129, 130, 131};
  EXPECT_EQ(Fault({}), WaveFault::NotRiffWave);
  EXPECT_EQ(Fault({'R', 'I', 'F', 'F', 4, 0}), WaveFault::Truncated);
  Bytes rifx = Wave({}, samples);
  rifx[3] = 'X';
  EXPECT_EQ(Fault(rifx), WaveFault::NotRiffWave);

  EXPECT_EQ(Fault(Wave({3, 1, 22050, 22050, 1, 8}, samples)), WaveFault::NotPcm);
  EXPECT_EQ(Fault(Wave({0xFFFE, 1, 22050, 22050, 1, 8}, samples)), WaveFault::NotPcm);
  EXPECT_EQ(Fault(Wave({1, 1, 44100, 44100, 1, 8}, samples)), WaveFault::WrongFormat);
  EXPECT_EQ(Fault(Wave({1, 1, 22050, 44100, 2, 16}, samples)), WaveFault::WrongFormat);
  EXPECT_EQ(Fault(Wave({1, 3, 22050, 66150, 3, 8}, samples)), WaveFault::WrongFormat);
  EXPECT_EQ(Fault(Wave({1, 0, 22050, 0, 0, 8}, samples)), WaveFault::WrongFormat);
  EXPECT_EQ(Fault(Wave({1, 2, 22050, 22050, 1, 8}, samples)), WaveFault::WrongFormat);

  EXPECT_EQ(Fault(Wave(Stereo(), {1, 2, 3})), WaveFault::PartialFrame);
  EXPECT_EQ(Fault(Wave({}, {})), WaveFault::NoSamples);

  Bytes noData;
  PutChunk(noData, "fmt ", FormatBody({}));
  EXPECT_EQ(Fault(Riff(noData)), WaveFault::NoSamples);
  Bytes noFormat;
  PutChunk(noFormat, "data", samples);
  EXPECT_EQ(Fault(Riff(noFormat)), WaveFault::NoFormat);
  Bytes shortFormat;
  PutChunk(shortFormat, "fmt ", {1, 0, 1, 0});
  PutChunk(shortFormat, "data", samples);
  EXPECT_EQ(Fault(Riff(shortFormat)), WaveFault::NoFormat);

  // Sizes that point past the end, including ones that would wrap a 32-bit sum.
  Bytes longRiff = Wave({}, samples);
  longRiff[4] = 0xFF;
  EXPECT_EQ(Fault(longRiff), WaveFault::Truncated);
  for (std::uint32_t size : {0x7FFFFFFFu, 0xFFFFFFF0u, 0xFFFFFFFFu, 5u}) {
    Bytes liar = Wave({}, samples);
    const std::size_t dataSize = liar.size() - samples.size() - 4;
    for (int i = 0; i < 4; ++i) liar[dataSize + i] = static_cast<std::uint8_t>(size >> (8 * i));
    EXPECT_EQ(Fault(liar), WaveFault::Truncated) << size;
  }
}

TEST(WaveClip, NoPrefixOrDamagedByteOfAGoodFileEverReadsOutsideIt) {
  const Bytes good = Wave(Stereo(), {1, 2, 3, 4, 5, 6});
  // Every cut short: refused, since the data chunk ends the file.
  for (std::size_t n = 0; n < good.size(); ++n) {
    const Bytes cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n));
    EXPECT_NE(Fault(cut), WaveFault::None) << n;
  }
  // Every header byte set to a few telling values: whatever is accepted must
  // still be a well-formed clip lying inside the bytes (sanitizers watch the reads).
  for (std::size_t at = 0; at < 44; ++at) {
    for (int value : {0x00, 0x01, 0x7F, 0x80, 0xFF}) {
      Bytes bent = good;
      bent[at] = static_cast<std::uint8_t>(value);
      platform::WaveData data;
      if (platform::ParseWave(bent, &data) != WaveFault::None) continue;
      EXPECT_TRUE(data.channels == 1 || data.channels == 2);
      EXPECT_GE(data.samples.data(), bent.data());
      EXPECT_LE(data.samples.data() + data.samples.size(), bent.data() + bent.size());
      EXPECT_EQ(data.samples.size() % data.channels, 0u);
    }
  }
}

}  // namespace
