#pragma once

#include <cstdint>
#include <vector>

// WAVE data made in the tests, good or deliberately bent.
namespace wave_bytes {

using Bytes = std::vector<std::uint8_t>;

struct Format {
  std::uint16_t tag = 1;
  std::uint16_t channels = 1;
  std::uint32_t rate = 22050;
  std::uint32_t byteRate = 22050;
  std::uint16_t blockAlign = 1;
  std::uint16_t bits = 8;
};

inline Format Stereo() {
  return {1, 2, 22050, 44100, 2, 8};
}

inline void Put(Bytes& b, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

inline void PutChunk(Bytes& b, const char* id, const Bytes& body, bool pad = true) {
  b.insert(b.end(), id, id + 4);
  Put(b, static_cast<std::uint32_t>(body.size()), 4);
  b.insert(b.end(), body.begin(), body.end());
  if (pad && body.size() % 2) b.push_back(0);
}

inline Bytes FormatBody(const Format& f) {
  Bytes body;
  Put(body, f.tag, 2);
  Put(body, f.channels, 2);
  Put(body, f.rate, 4);
  Put(body, f.byteRate, 4);
  Put(body, f.blockAlign, 2);
  Put(body, f.bits, 2);
  return body;
}

// A RIFF file around the given chunks, with a RIFF size that matches them.
inline Bytes Riff(const Bytes& chunks) {
  Bytes b = {'R', 'I', 'F', 'F'};
  Put(b, static_cast<std::uint32_t>(4 + chunks.size()), 4);
  b.insert(b.end(), {'W', 'A', 'V', 'E'});
  b.insert(b.end(), chunks.begin(), chunks.end());
  return b;
}

inline Bytes Wave(const Format& f, const Bytes& samples) {
  Bytes chunks;
  PutChunk(chunks, "fmt ", FormatBody(f));
  PutChunk(chunks, "data", samples);
  return Riff(chunks);
}

}  // namespace wave_bytes
