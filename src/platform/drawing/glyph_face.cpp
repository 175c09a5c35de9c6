#include "platform/drawing/glyph_face.hpp"

#include <algorithm>
#include <cstring>

namespace platform {

namespace {

// "FDRSFACE", version, the figures, the glyph, kerning and composition counts;
// then the glyphs sorted by code point, the kerning pairs and the compositions
// each sorted by first and second code point, and the coverage. Little-endian
// throughout.
constexpr char kMagic[8] = {'F', 'D', 'R', 'S', 'F', 'A', 'C', 'E'};
constexpr std::uint16_t kVersion = 1;
constexpr std::size_t kHeaderSize = 28;
constexpr std::size_t kGlyphSize = 20;
constexpr std::size_t kKerningSize = 8;
constexpr std::size_t kCompositionSize = 8;

std::uint32_t Read(std::span<const std::uint8_t> blob, std::size_t at, int bytes) {
  std::uint32_t value = 0;
  for (int i = 0; i < bytes; ++i) value |= static_cast<std::uint32_t>(blob[at + i]) << (8 * i);
  return value;
}
std::uint16_t Read16(std::span<const std::uint8_t> blob, std::size_t at) {
  return static_cast<std::uint16_t>(Read(blob, at, 2));
}
std::int16_t ReadSigned16(std::span<const std::uint8_t> blob, std::size_t at) {
  return static_cast<std::int16_t>(Read16(blob, at));
}

void Put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::uint32_t PairKey(std::uint32_t first, std::uint32_t second) {
  return first << 16 | second;
}

}  // namespace

GlyphFace::GlyphFace(std::span<const std::uint8_t> blob) {
  if (blob.size() < kHeaderSize || std::memcmp(blob.data(), kMagic, sizeof kMagic) != 0 ||
      Read16(blob, 8) != kVersion)
    return;
  const std::uint64_t glyphs = Read(blob, 16, 4);
  const std::uint64_t pairs = Read(blob, 20, 4);
  const std::uint64_t compositions = Read(blob, 24, 4);
  const std::uint64_t tables =
      kHeaderSize + glyphs * kGlyphSize + pairs * kKerningSize + compositions * kCompositionSize;
  if (glyphs == 0 || tables > blob.size()) return;
  FaceFigures figures;
  figures.glyphTop = ReadSigned16(blob, 10);
  figures.emboldenWhole = Read16(blob, 12);
  figures.emboldenFraction = Read16(blob, 14);
  if (figures.emboldenFraction > 255) return;
  blob_ = blob;
  glyphCount_ = static_cast<std::uint32_t>(glyphs);
  kerningCount_ = static_cast<std::uint32_t>(pairs);
  compositionCount_ = static_cast<std::uint32_t>(compositions);
  // Every glyph's coverage inside the blob, the code points strictly rising
  // from the missing-character glyph, the pairs strictly rising: what the
  // searches below rely on.
  bool sound = GlyphAt(0).codePoint == 0;
  for (std::uint32_t i = 0; sound && i < glyphCount_; ++i) {
    const std::size_t at = kHeaderSize + i * kGlyphSize;
    const std::uint64_t end = std::uint64_t{Read(blob, at + 16, 4)} +
                              std::uint64_t{Read16(blob, at + 6)} * Read16(blob, at + 8);
    sound = end <= blob.size() && (i == 0 || Read16(blob, at) > Read16(blob, at - kGlyphSize));
  }
  const std::size_t pairsAt = kHeaderSize + glyphCount_ * kGlyphSize;
  const std::size_t pairsEnd = pairsAt + kerningCount_ * kKerningSize;
  const std::size_t compositionsEnd = pairsEnd + compositionCount_ * kCompositionSize;
  for (std::size_t at = pairsAt + kKerningSize; sound && at < compositionsEnd; at += 8) {
    if (at == pairsEnd) continue;
    sound = PairKey(Read16(blob, at), Read16(blob, at + 2)) >
            PairKey(Read16(blob, at - 8), Read16(blob, at - 6));
  }
  if (!sound) {
    *this = GlyphFace{};
    return;
  }
  figures_ = figures;
}

Glyph GlyphFace::GlyphAt(std::uint32_t index) const {
  const std::size_t at = kHeaderSize + index * kGlyphSize;
  Glyph glyph;
  glyph.codePoint = Read16(blob_, at);
  glyph.left = ReadSigned16(blob_, at + 2);
  glyph.row = ReadSigned16(blob_, at + 4);
  glyph.width = Read16(blob_, at + 6);
  glyph.rows = Read16(blob_, at + 8);
  glyph.spaceAfter = ReadSigned16(blob_, at + 10);
  glyph.advance = static_cast<std::int32_t>(Read(blob_, at + 12, 4));
  glyph.coverage = blob_.data() + Read(blob_, at + 16, 4);
  return glyph;
}

Glyph GlyphFace::Find(char32_t codePoint) const {
  if (Empty()) return Glyph{};
  std::uint32_t low = 1;
  std::uint32_t high = glyphCount_;
  while (codePoint > 0 && codePoint <= 0xFFFF && low < high) {
    const std::uint32_t middle = low + (high - low) / 2;
    const std::uint16_t found = Read16(blob_, kHeaderSize + middle * kGlyphSize);
    if (found == codePoint) return GlyphAt(middle);
    if (found < codePoint) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  return GlyphAt(0);
}

std::size_t GlyphFace::FindPair(std::size_t table, std::uint32_t count, char32_t first,
                                char32_t second) const {
  if (first > 0xFFFF || second > 0xFFFF) return 0;
  const std::uint32_t key = PairKey(first, second);
  std::uint32_t low = 0;
  std::uint32_t high = count;
  while (low < high) {
    const std::uint32_t middle = low + (high - low) / 2;
    const std::size_t at = table + middle * std::size_t{8};
    const std::uint32_t found = PairKey(Read16(blob_, at), Read16(blob_, at + 2));
    if (found == key) return at;
    if (found < key) {
      low = middle + 1;
    } else {
      high = middle;
    }
  }
  return 0;
}

std::int32_t GlyphFace::KerningOf(char32_t first, char32_t second) const {
  const std::size_t at =
      FindPair(kHeaderSize + glyphCount_ * kGlyphSize, kerningCount_, first, second);
  return at ? static_cast<std::int32_t>(Read(blob_, at + 4, 4)) : 0;
}

char32_t GlyphFace::ComposedOf(char32_t first, char32_t second) const {
  const std::size_t at =
      FindPair(kHeaderSize + glyphCount_ * kGlyphSize + kerningCount_ * kKerningSize,
               compositionCount_, first, second);
  return at ? Read16(blob_, at + 4) : 0;
}

std::vector<std::uint8_t> WriteGlyphFace(FaceBuild face) {
  std::sort(face.glyphs.begin(), face.glyphs.end(),
            [](const Glyph& a, const Glyph& b) { return a.codePoint < b.codePoint; });
  std::sort(face.kerning.begin(), face.kerning.end(), [](const Kerning& a, const Kerning& b) {
    return PairKey(a.first, a.second) < PairKey(b.first, b.second);
  });
  std::sort(face.compositions.begin(), face.compositions.end(),
            [](const Composition& a, const Composition& b) {
              return PairKey(a.first, a.second) < PairKey(b.first, b.second);
            });
  std::vector<std::uint8_t> out(kMagic, kMagic + sizeof kMagic);
  Put(out, kVersion, 2);
  Put(out, static_cast<std::uint16_t>(face.figures.glyphTop), 2);
  Put(out, face.figures.emboldenWhole, 2);
  Put(out, face.figures.emboldenFraction, 2);
  Put(out, static_cast<std::uint32_t>(face.glyphs.size()), 4);
  Put(out, static_cast<std::uint32_t>(face.kerning.size()), 4);
  Put(out, static_cast<std::uint32_t>(face.compositions.size()), 4);
  std::size_t coverageAt = kHeaderSize + face.glyphs.size() * kGlyphSize +
                           face.kerning.size() * kKerningSize +
                           face.compositions.size() * kCompositionSize;
  for (const Glyph& g : face.glyphs) {
    Put(out, g.codePoint, 2);
    Put(out, static_cast<std::uint16_t>(g.left), 2);
    Put(out, static_cast<std::uint16_t>(g.row), 2);
    Put(out, g.width, 2);
    Put(out, g.rows, 2);
    Put(out, static_cast<std::uint16_t>(g.spaceAfter), 2);
    Put(out, static_cast<std::uint32_t>(g.advance), 4);
    Put(out, static_cast<std::uint32_t>(coverageAt), 4);
    coverageAt += std::size_t{g.width} * g.rows;
  }
  for (const Kerning& k : face.kerning) {
    Put(out, k.first, 2);
    Put(out, k.second, 2);
    Put(out, static_cast<std::uint32_t>(k.adjust), 4);
  }
  for (const Composition& c : face.compositions) {
    Put(out, c.first, 2);
    Put(out, c.second, 2);
    Put(out, c.result, 2);
    Put(out, 0, 2);
  }
  for (const Glyph& g : face.glyphs)
    out.insert(out.end(), g.coverage, g.coverage + std::size_t{g.width} * g.rows);
  return out;
}

}  // namespace platform
