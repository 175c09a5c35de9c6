#include <gtest/gtest.h>

#include "platform/font.hpp"
#include "platform/software_drawing.hpp"
#include "platform/text_drawing.hpp"

namespace {

using namespace platform;

constexpr Colour kWhite = Rgb(255, 255, 255);
constexpr Colour kRed = Rgb(255, 0, 0);
constexpr Colour kBlue = Rgb(0, 0, 255);

int CountColour(const Bitmap& b, Colour c) {
  int n = 0;
  for (Colour p : b.Pixels()) n += p == c;
  return n;
}

TEST(SoftwareDrawing, RectanglesExcludeTheirRightAndBottomEdges) {
  Bitmap b(10, 10, kWhite);
  DeviceContext dc = MemoryContext(b);
  FillRect(dc, Rect{2, 3, 5, 7}, kRed);
  EXPECT_EQ(CountColour(b, kRed), 3 * 4);
  EXPECT_EQ(b.Pixel(4, 6), kRed);
  EXPECT_EQ(b.Pixel(5, 6), kWhite);
  EXPECT_EQ(b.Pixel(4, 7), kWhite);

  dc.pen = Pen{Pen::Style::Solid, 1, kBlue};
  dc.brush = Brush{false, kRed};
  Bitmap framed(10, 10, kWhite);
  DeviceContext fdc = MemoryContext(framed);
  fdc.pen = dc.pen;
  fdc.brush = dc.brush;
  DrawRectangle(fdc, 0, 0, 5, 5);
  EXPECT_EQ(framed.Pixel(0, 0), kBlue);
  EXPECT_EQ(framed.Pixel(4, 4), kBlue);
  EXPECT_EQ(framed.Pixel(2, 2), kRed);
  EXPECT_EQ(framed.Pixel(5, 5), kWhite);

  // A null pen leaves only the brush.
  fdc.pen.style = Pen::Style::Null;
  DrawRectangle(fdc, 5, 5, 10, 10);
  EXPECT_EQ(framed.Pixel(5, 5), kRed);
}

TEST(SoftwareDrawing, RoundedCornersStayClearAndWidePensStayInside) {
  Bitmap b(20, 20, kWhite);
  DeviceContext dc = MemoryContext(b);
  dc.pen = Pen{Pen::Style::Solid, 3, kBlue};
  dc.brush = Brush{false, kRed};
  DrawRoundRect(dc, 0, 0, 20, 20, 10, 10);
  EXPECT_EQ(b.Pixel(0, 0), kWhite);
  EXPECT_EQ(b.Pixel(19, 19), kWhite);
  EXPECT_EQ(b.Pixel(10, 0), kBlue);
  EXPECT_EQ(b.Pixel(10, 2), kBlue);
  EXPECT_EQ(b.Pixel(10, 3), kRed);
  EXPECT_EQ(b.Pixel(10, 10), kRed);
}

TEST(SoftwareDrawing, PolylinesLeaveOutTheirLastPoint) {
  Bitmap b(10, 10, kWhite);
  DeviceContext dc = MemoryContext(b);
  dc.pen = Pen{Pen::Style::Solid, 1, kBlue};
  const Point line[] = {{1, 1}, {6, 1}, {6, 5}};
  DrawPolyline(dc, line);
  EXPECT_EQ(CountColour(b, kBlue), 5 + 4);
  EXPECT_EQ(b.Pixel(6, 1), kBlue);
  EXPECT_EQ(b.Pixel(6, 5), kWhite);
}

TEST(SoftwareDrawing, CopiesClipToSourceAndDestination) {
  Bitmap source(4, 4, kRed);
  source.SetPixel(0, 0, kBlue);
  source.SetPixel(3, 3, kBlue);
  Bitmap dest(6, 6, kWhite);
  DeviceContext dc = MemoryContext(dest);
  // Partly off the top-left, and asking for more than the source holds.
  CopyBits(dc, -2, -2, 10, 10, source, 0, 0);
  EXPECT_EQ(dest.Pixel(0, 0), kRed);
  EXPECT_EQ(dest.Pixel(1, 1), kBlue);
  EXPECT_EQ(dest.Pixel(2, 2), kWhite);
  EXPECT_EQ(CountColour(dest, kWhite), 36 - 4);

  // Off the bottom-right edge of the destination.
  Bitmap edge(6, 6, kWhite);
  DeviceContext edc = MemoryContext(edge);
  CopyBits(edc, 4, 4, 4, 4, source, 0, 0);
  EXPECT_EQ(edge.Pixel(4, 4), kBlue);
  EXPECT_EQ(CountColour(edge, kWhite), 36 - 4);
}

TEST(SoftwareDrawing, KeyedCopiesSkipOnlyTheExactKeyAndStretchesDouble) {
  const Colour key = Rgb(255, 204, 255);
  Bitmap source(2, 1, key);
  source.SetPixel(1, 0, Rgb(255, 204, 254));  // one step off the key is drawn
  Bitmap dest(4, 2, kWhite);
  DeviceContext dc = MemoryContext(dest);
  CopyBitsKeyed(dc, 0, 0, 4, 2, source, 0, 0, 2, 1, key);
  EXPECT_EQ(dest.Pixel(0, 0), kWhite);
  EXPECT_EQ(dest.Pixel(1, 1), kWhite);
  EXPECT_EQ(dest.Pixel(2, 0), Rgb(255, 204, 254));
  EXPECT_EQ(dest.Pixel(3, 1), Rgb(255, 204, 254));
}

// The copies clip once and walk their pixels without checks; they must still
// land every pixel exactly where the plain per-pixel rule puts it, whatever the
// scale, the clipping at any edge, or a source block reaching outside its bitmap.
Colour Noise(std::uint32_t& seed) {
  seed = seed * 1664525u + 1013904223u;
  // The key's pixels carry a stray top byte, which the key ignores.
  return (seed >> 8) % 3 == 0 ? Rgb(1, 2, 3) | 0x7F000000u : (seed >> 4) & 0xFFFFFFu;
}

int Between(std::uint32_t& seed, int low, int high) {
  seed = seed * 1664525u + 1013904223u;
  return low + static_cast<int>((seed >> 8) % static_cast<std::uint32_t>(high - low + 1));
}

void ReferenceStretch(Bitmap& dest, int x, int y, int w, int h, const Bitmap& source, int sx,
                      int sy, int sw, int sh, bool keyed, Colour key) {
  if (w <= 0 || h <= 0 || sw <= 0 || sh <= 0) return;
  for (int dy = 0; dy < dest.Height(); ++dy) {
    for (int dx = 0; dx < dest.Width(); ++dx) {
      if (dx < x || dx >= x + w || dy < y || dy >= y + h) continue;
      const int px = sx + ((dx - x) * sw + sw / 2) / w;
      const int py = sy + ((dy - y) * sh + sh / 2) / h;
      if (px < 0 || py < 0 || px >= source.Width() || py >= source.Height()) continue;
      const Colour c = source.Pixel(px, py);
      if (!keyed || (c & 0xFFFFFF) != key) dest.SetPixel(dx, dy, c);
    }
  }
}

TEST(SoftwareDrawing, ClippedAndStretchedCopiesMatchThePlainPixelRule) {
  std::uint32_t seed = 12345;
  for (int round = 0; round < 3000; ++round) {
    Bitmap source(Between(seed, 1, 60), Between(seed, 1, 60));
    for (int py = 0; py < source.Height(); ++py)
      for (int px = 0; px < source.Width(); ++px) source.SetPixel(px, py, Noise(seed));
    Bitmap fast(Between(seed, 1, 80), Between(seed, 1, 80), kWhite);
    const int x = Between(seed, -8, 12), y = Between(seed, -8, 12);
    const int sx = Between(seed, -4, 9), sy = Between(seed, -4, 9);
    // Empty and reversed blocks, on either side, draw nothing.
    const int sw = Between(seed, -1, 70), sh = Between(seed, -1, 70);
    const int kind = round % 3;  // opaque same size, opaque stretch, keyed stretch
    const int w = kind == 0 ? sw : Between(seed, -2, 90);
    const int h = kind == 0 ? sh : Between(seed, -2, 20);
    Bitmap expected = fast;
    DeviceContext dc = MemoryContext(fast);
    if (kind == 0) {
      CopyBits(dc, x, y, w, h, source, sx, sy);
    } else if (kind == 1) {
      StretchBits(dc, x, y, w, h, source, sx, sy, sw, sh);
    } else {
      CopyBitsKeyed(dc, x, y, w, h, source, sx, sy, sw, sh, Rgb(1, 2, 3) | 0xFF000000u);
    }
    ReferenceStretch(expected, x, y, w, h, source, sx, sy, sw, sh, kind == 2, Rgb(1, 2, 3));
    ASSERT_EQ(fast.Pixels(), expected.Pixels())
        << "kind " << kind << " at " << x << "," << y << " " << w << "x" << h << " from " << sx
        << "," << sy << " " << sw << "x" << sh << " of " << source.Width() << "x"
        << source.Height();
  }
}

TEST(SoftwareDrawing, FillsCoverExactlyTheClippedRectangle) {
  std::uint32_t seed = 777;
  for (int round = 0; round < 500; ++round) {
    Bitmap b(Between(seed, 1, 40), Between(seed, 1, 12), kWhite);
    const Rect r{Between(seed, -5, 45), Between(seed, -5, 15), Between(seed, -5, 45),
                 Between(seed, -5, 15)};
    DeviceContext dc = MemoryContext(b);
    FillRect(dc, r, kBlue);
    for (int y = 0; y < b.Height(); ++y)
      for (int x = 0; x < b.Width(); ++x)
        ASSERT_EQ(b.Pixel(x, y), r.Contains(x, y) ? kBlue : kWhite) << x << "," << y;
  }
}

TEST(TextDrawing, FontsHaveTheAskedCellHeightAndTextWrapsAtSpaces) {
  for (int height : {14, 15, 18, 20, 27, 39}) {
    Font font = Font::Create(height, 700);
    ASSERT_FALSE(font.Empty());
    EXPECT_EQ(font.CellHeight(), height);
  }
  Font font = Font::Create(15, 400);
  Bitmap b(200, 100, kWhite);
  DeviceContext dc = MemoryContext(b);
  dc.font = &font;
  dc.backgroundMode = BackgroundMode::Transparent;
  const int width = MeasureText(font, u"Paint the balls");
  ASSERT_GT(width, 40);
  EXPECT_EQ(DrawText(dc, u"Paint the balls", Rect{0, 0, width, 100}, 0), 15);
  EXPECT_EQ(DrawText(dc, u"Paint the balls", Rect{0, 0, width - 1, 100}, text_format::WordBreak),
            30);
  EXPECT_EQ(DrawText(dc, u"one\ntwo\nthree", Rect{0, 0, 200, 100}, 0), 45);
}

TEST(TextDrawing, TextStaysInsideItsRectangleAndCentres) {
  Font font = Font::Create(18, 700);
  Bitmap b(100, 40, kWhite);
  DeviceContext dc = MemoryContext(b);
  dc.font = &font;
  dc.textColour = kBlue;
  dc.backgroundMode = BackgroundMode::Transparent;
  // A word far longer than the line is clipped at the rectangle.
  DrawText(dc, u"Wwwwwwwwwwwwwwwwwwww", Rect{10, 10, 50, 30}, text_format::WordBreak);
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 100; ++x) {
      if (b.Pixel(x, y) != kWhite) {
        ASSERT_TRUE(Rect({10, 10, 50, 30}).Contains(x, y)) << x << "," << y;
      }
    }
  }
  // Centred text leaves the same margin on both sides, give or take a pixel.
  Bitmap c(100, 30, kWhite);
  DeviceContext cdc = MemoryContext(c);
  cdc.font = &font;
  cdc.backgroundMode = BackgroundMode::Opaque;
  cdc.backgroundColour = kRed;
  DrawText(cdc, u"HI", Rect{0, 0, 100, 30}, text_format::Centre | text_format::VerticalCentre);
  int left = 100, right = -1, top = 30, bottom = -1;
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 100; ++x) {
      if (c.Pixel(x, y) == kWhite) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  EXPECT_NEAR(left, 99 - right, 1);
  EXPECT_EQ(bottom - top + 1, 18);  // the opaque background covers one cell
  EXPECT_NEAR(top, 29 - bottom, 1);
}

// Bold text whose face is too light has its ink spread to the right; the spread
// ink, like any other, stays inside the rectangle, also a rectangle that cuts
// the text on its right and at its bottom.
TEST(TextDrawing, SpreadInkReachesItsFractionAndStaysClipped) {
  int width = 3;
  EXPECT_EQ(SpreadInk({200, 0, 0, 0, 0, 80}, width, 2, 1.75),
            (std::vector<int>{200, 200, 150, 0, 0, 0, 0, 80, 80, 60}));
  EXPECT_EQ(width, 5);
  EXPECT_EQ(SpreadInk({0, 90}, width = 2, 1, 2.0), (std::vector<int>{0, 90, 90, 90}));
  EXPECT_EQ(SpreadInk({7, 9}, width = 2, 1, 0.0), (std::vector<int>{7, 9}));
  // A fraction just short of a whole pixel weighs 255/256, never the full ink.
  EXPECT_EQ(SpreadInk({200}, width = 1, 1, 0.999), (std::vector<int>{200, 199}));
  EXPECT_EQ(width, 2);

  Font font = Font::Create(35, 700);
  ASSERT_GT(font.Embolden(), 1.0);
  Bitmap b(100, 60, kWhite);
  DeviceContext dc = MemoryContext(b);
  dc.font = &font;
  dc.backgroundMode = BackgroundMode::Transparent;
  const Rect box{10, 10, 60, 30};
  DrawText(dc, u"WWWWWW", box, text_format::Left);
  int inside = 0;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 100; ++x)
      if (b.Pixel(x, y) != kWhite) {
        ASSERT_TRUE(box.Contains(x, y)) << x << "," << y;
        ++inside;
      }
  EXPECT_GT(inside, 0);
}

// The text is clipped once, not pixel by pixel: the stem of a small crisp H
// still starts on the rectangle's left edge. The smoothed edges of large text
// mix the text colour with what lies under them: red on white keeps its red,
// while green and blue fade together.
TEST(TextDrawing, InkStartsAtTheLeftEdgeAndSmoothedEdgesMixWithTheBackground) {
  for (const int height : {14, 39}) {
    Font font = Font::Create(height, height == 14 ? 400 : 700);
    Bitmap b(120, 80, kWhite);
    DeviceContext dc = MemoryContext(b);
    dc.font = &font;
    dc.textColour = kRed;
    dc.backgroundMode = BackgroundMode::Transparent;
    DrawText(dc, u"HO", Rect{10, 10, 120, 80}, 0);
    int left = 120;
    int partial = 0;
    for (int y = 0; y < 80; ++y) {
      for (int x = 0; x < 120; ++x) {
        const Colour c = b.Pixel(x, y);
        if (c == kWhite) continue;
        left = std::min(left, x);
        ASSERT_EQ(RedOf(c), 255) << x << "," << y;
        ASSERT_EQ(GreenOf(c), BlueOf(c)) << x << "," << y;
        partial += GreenOf(c) > 0;
      }
    }
    if (height == 14) {
      EXPECT_EQ(left, 10);
    } else {
      EXPECT_GT(partial, 20);
    }
  }
}

TEST(TextDrawing, Utf16RoundTripsAndLoneSurrogatesBecomeReplacements) {
  const std::u16string text = u"Zo\u00eb \U0001F600";
  EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(text)), text);
  const char16_t lone[] = {u'a', 0xD800, u'b', 0};
  EXPECT_EQ(Utf16ToUtf8(lone),
            "a\xEF\xBF\xBD"
            "b");
  EXPECT_EQ(Utf8ToUtf16("\xC3"), u"\uFFFD");
}

}  // namespace
