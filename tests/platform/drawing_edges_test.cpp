#include <gtest/gtest.h>

#include "platform/drawing/font.hpp"
#include "platform/drawing/frame_changes.hpp"
#include "platform/drawing/software_drawing.hpp"
#include "platform/drawing/text_drawing.hpp"
#include "platform/resources/resources.hpp"

// The games draw well inside their surfaces; these are the edges they never
// reach: blocks hanging off any side, reversed or empty, sources smaller than
// the block asked for, text wider than its rectangle.
namespace {

using namespace platform;

constexpr Colour kWhite = Rgb(255, 255, 255);

int Between(std::uint32_t& seed, int low, int high) {
  seed = seed * 1664525u + 1013904223u;
  return low + static_cast<int>((seed >> 8) % static_cast<std::uint32_t>(high - low + 1));
}

// The plain rule, pixel by pixel: destination pixel (dx, dy) of the block
// takes the source pixel nearest its centre, if that is inside the source.
void PlainStretch(Bitmap& dest, int x, int y, int w, int h, const Bitmap& source, int sx, int sy,
                  int sw, int sh, bool keyed, Colour key) {
  if (w <= 0 || h <= 0 || sw <= 0 || sh <= 0) return;
  for (int dy = std::max(y, 0); dy < std::min(y + h, dest.Height()); ++dy) {
    for (int dx = std::max(x, 0); dx < std::min(x + w, dest.Width()); ++dx) {
      const int px = sx + ((dx - x) * sw + sw / 2) / w;
      const int py = sy + ((dy - y) * sh + sh / 2) / h;
      if (px < 0 || py < 0 || px >= source.Width() || py >= source.Height()) continue;
      const Colour c = source.Pixel(px, py);
      if (!keyed || (c & 0xFFFFFF) != key) dest.SetPixel(dx, dy, c);
    }
  }
}

TEST(DrawingEdges, CopiesStretchesAndFillsLandWhereThePlainRuleSays) {
  std::uint32_t seed = 12345;
  const Colour key = Rgb(1, 2, 3);
  for (int round = 0; round < 3000; ++round) {
    Bitmap source(Between(seed, 1, 60), Between(seed, 1, 60));
    for (int py = 0; py < source.Height(); ++py) {
      for (int px = 0; px < source.Width(); ++px) {
        // The key's pixels carry a stray top byte, which the key ignores.
        source.SetPixel(px, py, Between(seed, 0, 2) == 0 ? key | 0x7F000000u : seed & 0xFFFFFFu);
      }
    }
    Bitmap drawn(Between(seed, 1, 80), Between(seed, 1, 80), kWhite);
    const int x = Between(seed, -8, 12), y = Between(seed, -8, 12);
    const int sx = Between(seed, -4, 9), sy = Between(seed, -4, 9);
    const int sw = Between(seed, -1, 70), sh = Between(seed, -1, 70);
    const int kind = round % 3;  // opaque same size, opaque stretch, keyed stretch
    const int w = kind == 0 ? sw : Between(seed, -2, 90);
    const int h = kind == 0 ? sh : Between(seed, -2, 20);
    Bitmap expected = drawn;
    DeviceContext dc = MemoryContext(drawn);
    if (kind == 0) CopyBits(dc, x, y, w, h, source, sx, sy);
    if (kind == 1) StretchBits(dc, x, y, w, h, source, sx, sy, sw, sh);
    if (kind == 2) CopyBitsKeyed(dc, x, y, w, h, source, sx, sy, sw, sh, key | 0xFF000000u);
    PlainStretch(expected, x, y, w, h, source, sx, sy, sw, sh, kind == 2, key);
    ASSERT_EQ(drawn.Pixels(), expected.Pixels())
        << "kind " << kind << " at " << x << "," << y << " " << w << "x" << h << " from " << sx
        << "," << sy << " " << sw << "x" << sh << " of " << source.Width() << "x"
        << source.Height();

    const Rect r{x, y, x + w, y + h};
    FillRect(dc, r, key);
    for (int py = 0; py < drawn.Height(); ++py) {
      for (int px = 0; px < drawn.Width(); ++px) {
        const Colour before = expected.Pixel(px, py);
        ASSERT_EQ(drawn.Pixel(px, py), r.Contains(px, py) ? key : before) << px << "," << py;
      }
    }
  }
}

TEST(DrawingEdges, TextWiderThanItsRectangleIsCutAtItsEveryEdge) {
  Font font = LoadFontResource(18, 700);
  for (const Rect& box : {Rect{10, 10, 50, 30}, Rect{-30, -8, 20, 8}, Rect{80, 30, 140, 60}}) {
    Bitmap b(100, 40, kWhite);
    DeviceContext dc = MemoryContext(b);
    dc.font = &font;
    dc.textColour = Rgb(0, 0, 255);
    dc.backgroundMode = BackgroundMode::Transparent;
    DrawText(dc, u"Wwwwwwwwwwwwwwwwwwww", box, text_format::Centre | text_format::WordBreak);
    int inked = 0;
    int inkedOnTop = 0;  // the surface's first row, which a box above it reaches
    for (int y = 0; y < 40; ++y) {
      for (int x = 0; x < 100; ++x) {
        if (b.Pixel(x, y) == kWhite) continue;
        ++inked;
        inkedOnTop += y == 0 ? 1 : 0;
        ASSERT_TRUE(box.Contains(x, y)) << x << "," << y;
      }
    }
    EXPECT_GT(inked, 20);
    if (box.top < 0) {
      EXPECT_GT(inkedOnTop, 0);
    }
  }
}

// Text reaches the font as UTF-8: half a pair, or a broken UTF-8 sequence,
// becomes the replacement character rather than bytes no decoder accepts.
TEST(DrawingEdges, BrokenTextBecomesReplacementCharacters) {
  const std::u16string text = u"Zo\u00eb \U0001F600";
  EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(text)), text);
  const char16_t lone[] = {u'a', 0xD800, u'b', 0xDC00, 0};
  EXPECT_EQ(Utf16ToUtf8(lone),
            "a\xEF\xBF\xBD"
            "b\xEF\xBF\xBD");
  EXPECT_EQ(Utf8ToUtf16("\xC3|\xED\xA0\x80|\xF4\x90\x80\x80"), u"\uFFFD|\uFFFD|\uFFFD");
}

// Every row length up to forty (two blocks of the search and more) with no changed place, one, or
// two, against the plain rule: the span runs from the first pixel that differs to the last, and the
// row ends as the source.
TEST(DrawingEdges, ChangedPixelsAreCopiedAndSpannedExactly) {
  for (int count = 1; count <= 40; ++count) {
    for (int a = -1; a < count; ++a) {
      for (int b = a; b < count; ++b) {
        std::vector<Colour> from(static_cast<std::size_t>(count), kWhite);
        std::vector<Colour> to = from;
        if (a >= 0) to[static_cast<std::size_t>(a)] = Rgb(0, 0, 0);
        if (b >= 0) to[static_cast<std::size_t>(b)] = Rgb(1, 0, 0);
        const FrameChanges::Span span = CopyChangedPixels(from.data(), to.data(), count);
        const FrameChanges::Span plain =
            b < 0 ? FrameChanges::Span{} : FrameChanges::Span{a < 0 ? b : a, b + 1};
        EXPECT_EQ(span.left, plain.left) << count << " " << a << " " << b;
        EXPECT_EQ(span.right, plain.right) << count << " " << a << " " << b;
        EXPECT_EQ(to, from);
      }
    }
  }
}

// A frame starts with no change or all of it; changes noted widen their row's
// span. A screen with no pixels has no change to show.
TEST(DrawingEdges, FrameChangesGatherEachRowsSpan) {
  const auto spans = [](const FrameChanges& c) {
    std::vector<std::pair<int, int>> out;
    for (int y = 0; y < c.Height(); ++y) out.emplace_back(c.Row(y).left, c.Row(y).right);
    return out;
  };
  using Spans = std::vector<std::pair<int, int>>;
  FrameChanges changes;
  changes.Start(5, 2, true);
  EXPECT_FALSE(changes.None());
  EXPECT_EQ(spans(changes), (Spans{{0, 5}, {0, 5}}));
  changes.Start(5, 3, false);
  EXPECT_TRUE(changes.None());
  changes.Note(1, 3, 3);
  EXPECT_TRUE(changes.None()) << "an empty span is no change";
  changes.Note(1, 2, 4);
  changes.Note(1, 0, 1);
  changes.Note(2, 4, 5);
  EXPECT_FALSE(changes.None());
  EXPECT_EQ(spans(changes), (Spans{{0, 0}, {0, 4}, {4, 5}}));
  for (const auto& [width, height] : {std::pair{0, 3}, std::pair{5, 0}}) {
    changes.Start(width, height, true);
    EXPECT_TRUE(changes.None()) << width << "x" << height;
  }
  changes.Start(1, 1, true);
  EXPECT_FALSE(changes.None());
}

}  // namespace
