#pragma once

#include <cstdint>
#include <span>
#include <vector>

// One face of the game's typeface at one cell height, rasterised when the game
// is built: every glyph's coverage and place, the pairs that kern, and the few
// figures the text code sizes lines by. The glyph tool writes it into the
// resource pack; the game reads it there. No font engine runs while the game
// does, so every back end draws the same pixels.
namespace platform {

// Weights from 600 up take the bold face; 400 to 599 the regular one.
constexpr bool IsBoldWeight(int weight) {
  return weight >= 600;
}

// The pack identifier of the face at a cell height and weight.
constexpr std::uint32_t FaceId(int cellHeight, bool bold) {
  return static_cast<std::uint32_t>(cellHeight) * 2 + (bold ? 1u : 0u);
}

// One glyph. Places are in pixels from the pen position on the line's top; the
// advance is in 64ths of a pixel, as the font engine positioned glyphs.
struct Glyph {
  std::uint16_t codePoint = 0;  // 0: the glyph drawn for characters the face lacks
  std::int16_t left = 0;
  std::int16_t row = 0;
  std::uint16_t width = 0;
  std::uint16_t rows = 0;
  std::int16_t spaceAfter = 0;  // blank between the ink and the advance
  std::int32_t advance = 0;
  const std::uint8_t* coverage = nullptr;  // width * rows, row by row
};

struct Kerning {
  std::uint16_t first = 0;
  std::uint16_t second = 0;
  std::int32_t adjust = 0;  // 64ths of a pixel added to the first glyph's advance
};

// Two code points the shaper sets as the one glyph of a third (a ligature, or a
// letter and its accent composed).
struct Composition {
  std::uint16_t first = 0;
  std::uint16_t second = 0;
  std::uint16_t result = 0;
};

// The figures of a whole face.
struct FaceFigures {
  std::int16_t glyphTop = 0;  // how far below the cell's top the line's top sits
  // Extra ink spread to the right: whole pixels plus 256ths of one.
  std::uint16_t emboldenWhole = 0;
  std::uint16_t emboldenFraction = 0;
};

// A read-only view of a face blob. A damaged or foreign blob reads as empty.
class GlyphFace {
 public:
  GlyphFace() = default;
  explicit GlyphFace(std::span<const std::uint8_t> blob);

  bool Empty() const { return glyphCount_ == 0; }
  const FaceFigures& Figures() const { return figures_; }
  // The glyph of a code point, or the missing-character glyph.
  Glyph Find(char32_t codePoint) const;
  // The kerning between two code points, in 64ths of a pixel.
  std::int32_t KerningOf(char32_t first, char32_t second) const;
  // The code point two code points are set as, or 0 when they stay two.
  char32_t ComposedOf(char32_t first, char32_t second) const;

 private:
  Glyph GlyphAt(std::uint32_t index) const;
  // Where the pair is in a table of 8-byte pair records, or 0.
  std::size_t FindPair(std::size_t table, std::uint32_t count, char32_t first,
                       char32_t second) const;

  std::span<const std::uint8_t> blob_;
  FaceFigures figures_;
  std::uint32_t glyphCount_ = 0;
  std::uint32_t kerningCount_ = 0;
  std::uint32_t compositionCount_ = 0;
};

// What the glyph tool hands over to be written; glyphs and pairs in any order.
struct FaceBuild {
  FaceFigures figures;
  std::vector<Glyph> glyphs;  // coverage points at width * rows bytes each
  std::vector<Kerning> kerning;
  std::vector<Composition> compositions;
};
std::vector<std::uint8_t> WriteGlyphFace(FaceBuild face);

}  // namespace platform
