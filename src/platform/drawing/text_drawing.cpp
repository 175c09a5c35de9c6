#include "platform/drawing/text_drawing.hpp"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/drawing/font.hpp"

namespace platform {

std::u16string Utf8ToUtf16(std::string_view text) {
  std::u16string out;
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    char32_t cp = 0xFFFD;
    std::size_t length = 1;
    if (c < 0x80) {
      cp = c;
    } else if ((c >> 5) == 0x6) {
      length = 2;
    } else if ((c >> 4) == 0xE) {
      length = 3;
    } else if ((c >> 3) == 0x1E) {
      length = 4;
    }
    if (length > 1) {
      if (i + length > text.size()) {
        length = 1;
      } else {
        cp = c & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
          const auto cc = static_cast<unsigned char>(text[i + k]);
          if ((cc & 0xC0) != 0x80) {
            cp = 0xFFFD;
            length = k;
            break;
          }
          cp = (cp << 6) | (cc & 0x3F);
        }
        if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
      }
    }
    i += length;
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
  }
  return out;
}

namespace {

// The code point at text[i], moving i past a pair's second half; a lone half
// of a pair stands for the replacement character.
char32_t CodePointAt(std::u16string_view text, std::size_t& i) {
  char32_t cp = text[i];
  if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
      text[i + 1] <= 0xDFFF) {
    cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
    ++i;
  } else if (cp >= 0xD800 && cp <= 0xDFFF) {
    cp = 0xFFFD;
  }
  return cp;
}

}  // namespace

std::string Utf16ToUtf8(std::u16string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char32_t cp = CodePointAt(text, i);
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

namespace {

// Code points of UTF-16 text as the face sets them: pairs the face composes
// (a ligature, a letter and its accent) become one, from the left.
void CodePointsOf(const GlyphFace& face, std::u16string_view text, std::vector<char32_t>& out) {
  static std::vector<char32_t> decoded;
  decoded.clear();
  for (std::size_t i = 0; i < text.size(); ++i) decoded.push_back(CodePointAt(text, i));
  out.clear();
  for (std::size_t i = 0; i < decoded.size(); ++i) {
    const char32_t composed =
        i + 1 < decoded.size() ? face.ComposedOf(decoded[i], decoded[i + 1]) : 0;
    out.push_back(composed ? composed : decoded[i]);
    if (composed) ++i;
  }
}

int Floor64(std::int64_t x) {
  return static_cast<int>(x >= 0 ? x / 64 : -((-x + 63) / 64));
}

// A line set as the font engine set it: each glyph at the floor of its pen
// position, the pen moved by each advance and the kerning of each pair. The
// box takes every glyph's ink box and the pen's end; a glyph left of the pen's
// start or above the line's top moves the whole line right or down, into it.
struct LineBox {
  int width = 0;
  int height = 0;
  int xStart = 0;
  int yStart = 0;
};
struct PlacedGlyph {
  Glyph glyph;
  int x = 0;
};
LineBox SetLine(const GlyphFace& face, std::u16string_view line, std::vector<PlacedGlyph>& placed) {
  static std::vector<char32_t> points;
  CodePointsOf(face, line, points);
  placed.clear();
  std::int64_t pen = 0;
  // The engine's box also reached down to its line height; rows below the ink
  // are blank, so the box here stops at the ink.
  int minX = 0, maxX = 0, minY = 0, maxY = 0;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const Glyph glyph = face.Find(points[i]);
    const int x = Floor64(pen) + glyph.left;
    placed.push_back(PlacedGlyph{glyph, x});
    minX = std::min(minX, x);
    maxX = std::max(maxX, x + glyph.width);
    minY = std::min(minY, int{glyph.row});
    maxY = std::max(maxY, glyph.row + glyph.rows);
    pen += glyph.advance;
    if (i + 1 < points.size()) pen += face.KerningOf(points[i], points[i + 1]);
  }
  maxX = std::max(maxX, Floor64(pen));
  return LineBox{maxX - minX, maxY - minY, -minX, -minY};
}

int Width(const GlyphFace& face, std::u16string_view line) {
  static std::vector<PlacedGlyph> placed;
  return line.empty() ? 0 : SetLine(face, line, placed).width;
}

// Breaks text into the lines it is drawn in: at "\n" always, at spaces when
// word breaking and the line would not fit.
std::vector<std::u16string> LayoutLines(const GlyphFace& face, std::u16string_view text,
                                        int maxWidth, unsigned format) {
  std::vector<std::u16string> lines;
  const bool singleLine = format & text_format::SingleLine;
  const bool wrap = (format & text_format::WordBreak) && !singleLine;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = singleLine ? std::u16string_view::npos : text.find(u'\n', start);
    std::u16string paragraph(
        text.substr(start, end == std::u16string_view::npos ? end : end - start));
    if (!paragraph.empty() && paragraph.back() == u'\r') paragraph.pop_back();
    if (!wrap) {
      lines.push_back(paragraph);
    } else {
      std::u16string line;
      std::size_t pos = 0;
      bool first = true;
      while (pos <= paragraph.size()) {
        std::size_t space = paragraph.find(u' ', pos);
        std::u16string word =
            paragraph.substr(pos, space == std::u16string::npos ? space : space - pos);
        std::u16string candidate = first ? word : line + u" " + word;
        if (first || Width(face, candidate) <= maxWidth) {
          line = candidate;
        } else {
          lines.push_back(line);
          line = word;
        }
        first = false;
        if (space == std::u16string::npos) break;
        pos = space + 1;
      }
      lines.push_back(line);
    }
    if (end == std::u16string_view::npos) break;
    start = end + 1;
  }
  return lines;
}

// Spreads `width` x `height` coverage (0..255, row by row) to the right by a
// face's extra ink, `whole` pixels and `fraction` 256ths of one: each pixel
// takes the strongest of the pixels up to that far to its left, the farthest
// weighted by the fraction. The block grows by the whole pixels the ink
// reaches; `out` takes it and the new width is returned. The scratch vector is
// the caller's, so a paint allocates nothing.
int SpreadInkInto(const int* coverage, int width, int height, int whole, int fraction,
                  std::vector<int>& out) {
  const int wider = width + whole + (fraction > 0 ? 1 : 0);
  out.resize(static_cast<std::size_t>(wider) * height);
  for (int y = 0; y < height; ++y) {
    const int* src = coverage + static_cast<std::size_t>(y) * width;
    int* row = out.data() + static_cast<std::size_t>(y) * wider;
    for (int x = 0; x < wider; ++x) {
      int a = 0;
      // The pixels x - whole .. x that lie inside the source row.
      const int lastK = std::min(whole, x);
      for (int k = std::max(0, x - (width - 1)); k <= lastK; ++k) a = std::max(a, src[x - k]);
      // The farthest pixel, weighted (by nothing when there is no fraction); x
      // stops before wider, so it is never right of the row.
      const int far = x - whole - 1;
      if (far >= 0) a = std::max(a, (src[far] * fraction) >> 8);
      row[x] = a;
    }
  }
  return wider;
}

// Draws one line, as set, at (x, y).
void DrawLine(DeviceContext& dc, const GlyphFace& face, const std::vector<PlacedGlyph>& placed,
              const LineBox& box, int x, int y, int lineHeight, const Rect& clip) {
  if (dc.backgroundMode == BackgroundMode::Opaque) {
    const Rect back = Intersect(Rect{x, y, x + box.width, y + lineHeight}, clip);
    for (int yy = back.top; yy < back.bottom; ++yy) {
      std::fill(dc.surface->Row(yy) + back.left, dc.surface->Row(yy) + back.right,
                dc.backgroundColour);
    }
  }
  // Scratch kept between lines: the game draws its numbers on every paint.
  static std::vector<int> coverage;
  static std::vector<int> spread;
  if (box.width == 0) return;
  // Overlapping glyphs keep the bits of both coverages, as the engine's blend did.
  coverage.assign(static_cast<std::size_t>(box.width) * box.height, 0);
  for (const PlacedGlyph& p : placed) {
    const Glyph& g = p.glyph;
    for (int gy = 0; gy < g.rows; ++gy) {
      int* row = coverage.data() + static_cast<std::size_t>(box.yStart + g.row + gy) * box.width +
                 box.xStart + p.x;
      const std::uint8_t* src = g.coverage + static_cast<std::size_t>(gy) * g.width;
      for (int gx = 0; gx < g.width; ++gx) row[gx] |= src[gx];
    }
  }
  const FaceFigures& figures = face.Figures();
  const int coverageWidth = SpreadInkInto(coverage.data(), box.width, box.height,
                                          figures.emboldenWhole, figures.emboldenFraction, spread);
  // The glyph box starts below the cell's top so the baseline sits at the cell's ascent.
  const int glyphY = y + figures.glyphTop;
  const int r = RedOf(dc.textColour);
  const int g = GreenOf(dc.textColour);
  const int b = BlueOf(dc.textColour);
  // Clipped once: the rows and columns of the ink that land inside the clip.
  const int firstRow = std::max(0, clip.top - glyphY);
  const int endRow = std::min(box.height, clip.bottom - glyphY);
  const int firstColumn = std::max(0, clip.left - x);
  const int endColumn = std::min(coverageWidth, clip.right - x);
  for (int gy = firstRow; gy < endRow; ++gy) {
    const int* src = spread.data() + static_cast<std::size_t>(gy) * coverageWidth;
    Colour* dst = dc.surface->Row(glyphY + gy) + x;
    for (int gx = firstColumn; gx < endColumn; ++gx) {
      const int a = src[gx];
      if (a == 0) continue;
      const Colour under = dst[gx];
      auto mix = [a](int top, int bottom) { return (top * a + bottom * (255 - a) + 127) / 255; };
      dst[gx] = Rgb(mix(r, RedOf(under)), mix(g, GreenOf(under)), mix(b, BlueOf(under)));
    }
  }
}

}  // namespace

int MeasureText(const Font& font, std::u16string_view text) {
  return font.Empty() ? 0 : Width(font.Face(), text);
}

int SpaceAfter(const Font& font, char16_t character) {
  return font.Empty() ? 0 : font.Face().Find(character).spaceAfter;
}

int DrawText(DeviceContext& dc, std::u16string_view text, const Rect& rect, unsigned format) {
  // The text ends at its first zero unit, as the game's strings do.
  const std::size_t zero = text.find(u'\0');
  if (zero != std::u16string_view::npos) text = text.substr(0, zero);
  if (!dc.surface || !dc.font || dc.font->Empty()) return 0;
  const GlyphFace& face = dc.font->Face();
  const int lineHeight = dc.font->CellHeight();
  const std::vector<std::u16string> lines = LayoutLines(face, text, rect.Width(), format);
  const int blockHeight = lineHeight * static_cast<int>(lines.size());
  int y = rect.top;
  if (format & text_format::VerticalCentre) y += (rect.Height() - blockHeight) / 2;
  const Rect clip = Intersect(rect, Rect{0, 0, dc.surface->Width(), dc.surface->Height()});
  static std::vector<PlacedGlyph> placed;
  for (const std::u16string& line : lines) {
    // Set once: its width places it, its glyphs draw it.
    const LineBox box = SetLine(face, line, placed);
    const int width = box.width;
    int x = rect.left;
    if (format & text_format::Right) {
      x = rect.right - width;
    } else if (format & text_format::Centre) {
      x = rect.left + (rect.Width() - width) / 2;
    }
    if (!clip.Empty()) DrawLine(dc, face, placed, box, x, y, lineHeight, clip);
    y += lineHeight;
  }
  return blockHeight;
}

}  // namespace platform
