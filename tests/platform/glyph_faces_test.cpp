// Text drawn from the rasterised faces is the text the font engine drew: for
// every face the game asks for and a range of texts, the line's width and every
// pixel match the engine's own rendering of the same line.
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "face_sizing.hpp"
#include "platform/drawing/software_drawing.hpp"
#include "platform/drawing/text_drawing.hpp"
#include "platform/resources/resources.hpp"
#include "platform/window/control_style.hpp"
#include "render/font_table.hpp"

namespace {

using namespace platform;

const char16_t* const kTexts[] = {
    u" !\"#$%&'()*+,-./"
    u"0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~",
    u"\u00A1\u00A2\u00A3\u00A9\u00AB\u00AD\u00B0\u00BB\u00BF\u00C0\u00C5\u00C6\u00C9\u00D6\u00D8"
    u"\u00DF\u00E0\u00E5\u00E6\u00E9\u00F1\u00F6\u00F8\u00FF",
    u"AVATAR WAVY Te To Ty Yo LT P. F, r. \"quoted\" 'Ay' f(j) 7/4 11:01",
    u"\u0141\u00F3d\u017A \u0160koda \u0130stanbul \u0110or\u0111e \u2013 \u2018\u2019 "
    u"\u201C\u201D \u2026 \u20AC \u2122",
    u"\u041F\u0440\u0438\u0432\u0435\u0442 \u0416\u0401\u0436\u0451 \uE000 \U0001F600 \xD800x "
    u"S\u0326t\u0326 ffi fl",
    u"Export your first HiScore, office  WELL DONE!  0094967000!78109!  7FFFFD782440433024",
    u"Played: 4294967000  Level 12  PANIC  HEAT  EASY  Stereo Sound",
};

std::vector<std::uint8_t> ReadFont(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The engine's line as the one glyph of a face with the engine's own figures:
// drawn by the same code, it must come out as the rasterised line does.
Font EngineLine(const glyphs::SizedFace& engine, double embolden, const std::u16string& text,
                int cell, std::vector<std::uint8_t>& blob, std::vector<std::uint8_t>& coverage) {
  FaceBuild build;
  build.figures.glyphTop = static_cast<std::int16_t>(engine.glyphTop);
  build.figures.emboldenWhole = static_cast<std::uint16_t>(embolden);
  build.figures.emboldenFraction = static_cast<std::uint16_t>((embolden - int(embolden)) * 256);
  Glyph line;
  SDL_Surface* s =
      TTF_RenderUTF8_Blended(engine.face, Utf16ToUtf8(text).c_str(), {255, 255, 255, 255});
  if (s) {
    line.width = static_cast<std::uint16_t>(s->w);
    line.rows = static_cast<std::uint16_t>(s->h);
    line.advance = s->w * 64;
    coverage.clear();
    for (int y = 0; y < s->h; ++y) {
      const auto* row =
          reinterpret_cast<const Uint32*>(static_cast<Uint8*>(s->pixels) + y * s->pitch);
      for (int x = 0; x < s->w; ++x) coverage.push_back(static_cast<std::uint8_t>(row[x] >> 24));
    }
    line.coverage = coverage.data();
    SDL_FreeSurface(s);
  }
  build.glyphs.push_back(line);
  blob = WriteGlyphFace(build);
  return Font(GlyphFace(blob), cell);
}

Bitmap Drawn(const Font& font, std::u16string_view text) {
  Bitmap b(1400, 60, Rgb(0, 0, 0));
  DeviceContext dc = MemoryContext(b);
  dc.font = &font;
  dc.textColour = Rgb(255, 255, 255);
  dc.backgroundMode = BackgroundMode::Transparent;
  DrawText(dc, text, Rect{4, 4, 1396, 56}, text_format::SingleLine);
  return b;
}

TEST(GlyphFaces, DrawEveryLineAsTheFontEngineDid) {
  ASSERT_EQ(TTF_Init(), 0);
  const std::vector<std::uint8_t> files[2] = {ReadFont(FANDRIASS_FONT_REGULAR),
                                              ReadFont(FANDRIASS_FONT_BOLD)};
  std::vector<std::pair<int, int>> faces;
  for (const render::FontSpec& f : render::kFonts) {
    faces.emplace_back(f.smallHeight, f.weight);
    faces.emplace_back(f.vgaHeight, f.weight);
  }
  for (int weight : {400, 700}) {
    for (int unit : {1, 2}) faces.emplace_back(style::kWidgetCell * unit, weight);
  }
  std::vector<std::uint8_t> blob, coverage;
  for (const auto& [cell, weight] : faces) {
    const Font font = LoadFontResource(cell, weight);
    ASSERT_FALSE(font.Empty()) << cell << " " << weight;
    const glyphs::SizedFace engine = glyphs::OpenForCell(files[IsBoldWeight(weight)], cell);
    ASSERT_NE(engine.face, nullptr);
    const double embolden =
        IsBoldWeight(weight) ? glyphs::EmboldenFor(engine.face, files[0], engine.em) : 0;
    for (const char16_t* text : kTexts) {
      int w = 0, h = 0;
      TTF_SizeUTF8(engine.face, Utf16ToUtf8(text).c_str(), &w, &h);
      EXPECT_EQ(MeasureText(font, text), w) << cell << " " << weight << " " << Utf16ToUtf8(text);
      const Font line = EngineLine(engine, embolden, text, cell, blob, coverage);
      EXPECT_TRUE(Drawn(font, text).Pixels() == Drawn(line, u"\uE000").Pixels())
          << cell << " " << weight << " " << Utf16ToUtf8(text);
    }
    TTF_CloseFont(engine.face);
  }
  TTF_Quit();
}

}  // namespace

// A damaged face reads as empty (its text draws nothing) rather than reading
// outside its bytes: cut anywhere, glyphs out of order, coverage past the end.
TEST(GlyphFaces, ADamagedFaceReadsAsEmpty) {
  const std::uint8_t ink[6] = {1, 2, 3, 4, 5, 6};
  FaceBuild build;
  build.glyphs = {Glyph{0, 0, 0, 2, 3, 0, 64, ink}, Glyph{'A', 0, 0, 3, 2, 0, 64, ink},
                  Glyph{'B', 0, 0, 1, 1, 0, 64, ink}};
  build.kerning = {Kerning{'A', 'B', -64}, Kerning{'B', 'A', 32}};
  build.compositions = {Composition{'A', 'A', 'B'}};
  build.figures.emboldenFraction = 255;  // the most a fraction of a pixel can be
  const std::vector<std::uint8_t> sound = WriteGlyphFace(build);
  const GlyphFace face(sound);
  ASSERT_FALSE(face.Empty());
  EXPECT_EQ(face.Find('B').advance, 64);
  EXPECT_EQ(face.Find('C').codePoint, 0);
  EXPECT_EQ(face.KerningOf('A', 'B'), -64);
  EXPECT_EQ(face.KerningOf('B', 'A'), 32);
  EXPECT_EQ(face.ComposedOf('A', 'A'), U'B');
  EXPECT_EQ(face.ComposedOf('A', 'B'), 0u);
  for (std::size_t size = 0; size < sound.size(); ++size)
    EXPECT_TRUE(GlyphFace({sound.data(), size}).Empty()) << size;
  // (byte, value): the magic, the version, a glyph's code point out of order,
  // a coverage offset past the end, a kerning pair out of order.
  const std::pair<std::size_t, std::uint8_t> damages[] = {
      {0, 'X'}, {8, 2}, {28 + 20, 'C'}, {28 + 20 + 19, 0xFF}, {28 + 60, 'C'}};
  for (const auto& [at, value] : damages) {
    std::vector<std::uint8_t> damaged = sound;
    damaged[at] = value;
    EXPECT_TRUE(GlyphFace(damaged).Empty()) << at;
  }
  // Counts of pairs beyond the bytes there are, in a face with no coverage after them.
  FaceBuild bare = build;
  for (Glyph& g : bare.glyphs) g.width = g.rows = 0;
  const std::vector<std::uint8_t> tables = WriteGlyphFace(bare);
  ASSERT_FALSE(GlyphFace(tables).Empty());
  for (std::size_t count : {20, 24}) {
    std::vector<std::uint8_t> damaged = tables;
    damaged[count] += 1;
    EXPECT_TRUE(GlyphFace(damaged).Empty()) << count;
  }
}
