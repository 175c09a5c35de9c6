#include <gtest/gtest.h>

#include "platform/logical_invalidation.hpp"
#include "platform/text_drawing.hpp"
#include "platform/window.hpp"
#include "platform/window_system_internal.hpp"
#include "render/drawing_primitives.hpp"
#include "render/screen_offsets.hpp"
#include "support/headless_fixture.hpp"
#include "support/scoped_value.hpp"

namespace {

using namespace platform;
using namespace render;
using testing_support::ScopedValue;

constexpr Colour kWhite = Rgb(255, 255, 255);

class DrawingPrimitivesTest : public testing_support::HeadlessTest {};

LResult Quiet(Window*, unsigned, WParam, LParam) {
  return 0;
}

Rect Bounds(const Bitmap& b, Colour c) {
  Rect r{b.Width(), b.Height(), -1, -1};
  for (int y = 0; y < b.Height(); ++y) {
    for (int x = 0; x < b.Width(); ++x) {
      if (b.Pixel(x, y) != c) continue;
      r = Rect{std::min(r.left, x), std::min(r.top, y), std::max(r.right, x + 1),
               std::max(r.bottom, y + 1)};
    }
  }
  return r;
}

TEST_F(DrawingPrimitivesTest, LogicalInvalidationScalesExceptOnTheSquareScreen) {
  testing_support::StartScreen(480, 640);
  Window* w = CreateMainWindow(u"Fandriass II", &Quiet);
  w->invalid = Rect{};
  InvalidateLogicalRect(w, 10, 20, 30, 40);
  EXPECT_EQ(w->invalid, (Rect{20, 40, 60, 80}));

  // Class 7 takes logical values as device pixels, whatever the scales say.
  testing_support::StartScreen(320, 320, 192);
  ASSERT_EQ(Display.ScaleX, 2.0);
  w = CreateMainWindow(u"Fandriass II", &Quiet);
  w->invalid = Rect{};
  InvalidateLogicalRect(w, 10, 20, 30, 40);
  EXPECT_EQ(w->invalid, (Rect{10, 20, 30, 40}));

  // A VGA screen at 131 dpi draws unscaled.
  testing_support::StartScreen(480, 640, 131);
  w = CreateMainWindow(u"Fandriass II", &Quiet);
  w->invalid = Rect{};
  InvalidateLogicalRect(w, 10, 20, 30, 40);
  EXPECT_EQ(w->invalid, (Rect{10, 20, 30, 40}));
  InvalidateScreen(w, 9);
  EXPECT_EQ(w->invalid, (Rect{10, 20, 30, 40}));
}

TEST_F(DrawingPrimitivesTest, FillDoublesOnVgaAndEndsBeforeRightAndBottom) {
  testing_support::StartScreen(480, 640);
  Bitmap screen(480, 640, kWhite);
  DeviceContext dc = MemoryContext(screen);
  FillRectRGB(dc, 0, 0, 0, 0, 0, 240, 320);
  EXPECT_EQ(Bounds(screen, Rgb(0, 0, 0)), (Rect{0, 0, 480, 640}));

  testing_support::StartScreen(240, 320);
  Bitmap small(240, 320, kWhite);
  DeviceContext sdc = MemoryContext(small);
  FillRectRGB(sdc, 9, 9, 9, 10, 10, 20, 15);
  EXPECT_EQ(Bounds(small, Rgb(9, 9, 9)), (Rect{10, 10, 20, 15}));
}

TEST_F(DrawingPrimitivesTest, KeyedPicturesDoubleTheirPositionButNotTheirSize) {
  testing_support::StartScreen(480, 640);
  Bitmap picture(36, 46, Rgb(1, 1, 1));
  picture.SetPixel(0, 0, Rgb(255, 204, 255));
  Bitmap screen(480, 640, kWhite);
  DeviceContext dc = MemoryContext(screen);
  DrawBitmapKeyed(dc, &picture, 12, 24, 5, 7, 255, 204, 255);
  EXPECT_EQ(Bounds(screen, Rgb(1, 1, 1)), (Rect{10, 14, 22, 38}));
  EXPECT_EQ(screen.Pixel(10, 14), kWhite);  // the key stays transparent

  // The opaque picture draw doubles its size as well, and clips at the screen.
  Bitmap full(480, 640, kWhite);
  DeviceContext fdc = MemoryContext(full);
  DrawBitmap(fdc, &picture, 18, 23, -4, 310);
  EXPECT_EQ(Bounds(full, Rgb(1, 1, 1)), (Rect{0, 620, 28, 640}));
}

TEST_F(DrawingPrimitivesTest, LinesAreTwoPixelsOnVgaAndOneElsewhere) {
  for (auto [w, h, thickness] :
       {std::tuple{480, 640, 2}, std::tuple{240, 320, 1}, std::tuple{320, 320, 1}}) {
    testing_support::StartScreen(w, h);
    Bitmap screen(w, h, kWhite);
    DeviceContext dc = MemoryContext(screen);
    DrawLineRGB(dc, 0, 0, 255, 10, 20, 50, 20);
    const Rect r = Bounds(screen, Rgb(0, 0, 255));
    EXPECT_EQ(r.Height(), thickness) << w << "x" << h;
    EXPECT_EQ(r.left, IsVgaClass(Display.DisplayClass) ? 20 : 10);
  }
}

TEST_F(DrawingPrimitivesTest, TheVolumeSliderSwitchesLoudnessAt41And80) {
  testing_support::StartScreen(240, 320);
  Bitmap quiet(12, 23, Rgb(1, 0, 0)), medium(12, 23, Rgb(2, 0, 0)), loud(12, 23, Rgb(3, 0, 0));
  Bitmap track(113, 23, Rgb(4, 0, 0)), knob(13, 23, Rgb(5, 0, 0)), speaker(20, 23, Rgb(6, 0, 0));
  PrimitiveResources slider;
  slider.sliderQuiet = &quiet;
  slider.sliderMedium = &medium;
  slider.sliderLoud = &loud;
  slider.sliderTrack = &track;
  slider.sliderKnob = &knob;
  slider.sliderSpeaker = &speaker;
  const ScopedValue pictures(Primitives, slider);
  const ScopedValue offset(ScreenOffsetY, 30);
  for (auto [level, expected] : {std::pair{0, 1}, std::pair{40, 1}, std::pair{41, 2},
                                 std::pair{79, 2}, std::pair{80, 3}, std::pair{100, 3}}) {
    Bitmap screen(240, 320, kWhite);
    DeviceContext dc = MemoryContext(screen);
    DrawVolumeSlider(dc, level);
    EXPECT_EQ(screen.Pixel(35, 200), Rgb(expected, 0, 0)) << level;
    EXPECT_EQ(Bounds(screen, Rgb(6, 0, 0)), (Rect{15, 200, 35, 223}));
    // The knob travels over the track's first 100 pixels.
    EXPECT_EQ(Bounds(screen, Rgb(5, 0, 0)), (Rect{56 + level, 200, 69 + level, 223})) << level;
    if (level >= 13) {
      EXPECT_EQ(screen.Pixel(56, 200), Rgb(4, 0, 0)) << "the track's top-left corner";
      EXPECT_EQ(screen.Pixel(56, 222), Rgb(4, 0, 0));
    }
  }
}

// Panel pictures whose first rows are marked, so the strips drawn can be counted.
struct PanelPictures {
  explicit PanelPictures(int scale)
      : titleBar(240 * scale, 26 * scale, Rgb(6, 0, 0)),
        left(4 * scale, 30 * scale, Rgb(7, 0, 0)),
        right(4 * scale, 30 * scale, Rgb(8, 0, 0)),
        bottom(240 * scale, 4 * scale, Rgb(9, 0, 0)) {
    left.SetPixel(0, 0, Rgb(17, 0, 0));
    right.SetPixel(0, 0, Rgb(18, 0, 0));
    resources.panelTitleBar = &titleBar;
    resources.panelLeft = &left;
    resources.panelRight = &right;
    resources.panelBottom = &bottom;
  }
  Bitmap titleBar, left, right, bottom;
  PrimitiveResources resources;
};

int CountInColumn(const Bitmap& b, int x, Colour c) {
  int n = 0;
  for (int y = 0; y < b.Height(); ++y) n += b.Pixel(x, y) == c;
  return n;
}

TEST_F(DrawingPrimitivesTest, PanelFramesRepeatTheirSideStripsByPanelHeight) {
  testing_support::StartScreen(240, 320);
  const PanelPictures pictures(1);
  const ScopedValue uses(Primitives, pictures.resources);
  Bitmap panel(240, 290, kWhite);
  DeviceContext dc = MemoryContext(panel);
  DrawPanelFrame(dc, u"Help", 200, 210, 220, 290);
  EXPECT_EQ(CountInColumn(panel, 0, Rgb(17, 0, 0)), 9);
  EXPECT_EQ(CountInColumn(panel, 236, Rgb(18, 0, 0)), 9);
  EXPECT_EQ(panel.Pixel(0, 26 + 8 * 30), Rgb(17, 0, 0));
  EXPECT_EQ(Bounds(panel, Rgb(9, 0, 0)), (Rect{0, 286, 240, 290}));
  EXPECT_EQ(panel.Pixel(120, 100), Rgb(200, 210, 220));
}

// The new hi-score screen draws a 210-high panel on the whole main window.
TEST_F(DrawingPrimitivesTest, APanelOnALargerSurfaceEndsAtItsOwnHeight) {
  for (int scale : {1, 2}) {
    testing_support::StartScreen(240 * scale, 320 * scale);
    const PanelPictures pictures(scale);
    const ScopedValue uses(Primitives, pictures.resources);
    Bitmap screen(240 * scale, 320 * scale, kWhite);
    DeviceContext dc = MemoryContext(screen);
    DrawPanelFrame(dc, u"New High Score", 255, 255, 255, 210 * scale);
    EXPECT_EQ(Bounds(screen, Rgb(6, 0, 0)), (Rect{0, 0, 240 * scale, 26 * scale})) << scale;
    EXPECT_EQ(screen.Pixel(0, 26 * scale), Rgb(17, 0, 0)) << scale;
    EXPECT_EQ(screen.Pixel(236 * scale, 26 * scale), Rgb(18, 0, 0)) << scale;
    EXPECT_EQ(Bounds(screen, Rgb(9, 0, 0)), (Rect{0, 206 * scale, 240 * scale, 210 * scale}))
        << scale;
    if (scale == 1) {
      // Seven strips a side from y 26, the last one running on past the bottom border.
      EXPECT_EQ(Bounds(screen, Rgb(8, 0, 0)), (Rect{236, 26, 240, 236}));
    }
  }
}

TEST_F(DrawingPrimitivesTest, APanelOnALandscapeScreenCoversOnlyItsOwnWidth) {
  testing_support::StartScreen(320, 240);
  Bitmap screen(320, 240, kWhite);
  DeviceContext dc = MemoryContext(screen);
  DrawPanelFrame(dc, u"", 1, 2, 3, 210);
  EXPECT_EQ(Bounds(screen, Rgb(1, 2, 3)), (Rect{0, 0, 240, 240}));
}

TEST_F(DrawingPrimitivesTest, PanelTitlesAreWhiteAndCentredOnOneLine) {
  for (int scale : {1, 2}) {
    testing_support::StartScreen(240 * scale, 320 * scale);
    const Font heavy = Font::Create(scale == 1 ? 15 : 29, 900);
    PrimitiveResources titleOnly;
    titleOnly.font15Heavy = &heavy;
    const ScopedValue uses(Primitives, titleOnly);
    Bitmap panel(240 * scale, 240 * scale, kWhite);
    DeviceContext dc = MemoryContext(panel);
    DrawPanelFrame(dc, u"Help, and more help, and still more help for the player", 0, 0, 90,
                   240 * scale);

    Bitmap expected(240 * scale, 240 * scale, Rgb(0, 0, 90));
    DeviceContext edc = MemoryContext(expected);
    edc.font = &heavy;
    edc.textColour = kWhite;
    edc.backgroundMode = BackgroundMode::Transparent;
    const int top = scale == 1 ? 7 : 12;
    DrawText(edc, u"Help, and more help, and still more help for the player",
             Rect{0, top, 240 * scale, 25 * scale}, text_format::Centre | text_format::SingleLine);
    for (int y = 0; y < 26 * scale; ++y) {
      for (int x = 0; x < 240 * scale; ++x) {
        ASSERT_EQ(panel.Pixel(x, y), expected.Pixel(x, y)) << x << "," << y << " scale " << scale;
      }
    }
  }
}

TEST_F(DrawingPrimitivesTest, ButtonsBoxesBlitsAndNumbersFollowTheirScalingRule) {
  struct Case {
    int w, h, scale;
  };
  for (const Case& c : {Case{240, 320, 1}, Case{480, 640, 2}, Case{320, 320, 1}}) {
    testing_support::StartScreen(c.w, c.h);
    Font bold = Font::Create(IsVgaClass(Display.DisplayClass) ? 29 : 15, 700);
    const ScopedValue buttonFont(Primitives.font15Bold, static_cast<const Font*>(&bold));
    Bitmap screen(c.w, c.h, kWhite);
    DeviceContext dc = MemoryContext(screen);
    DrawRoundButton(dc, u"OK", 20, 30, 60, 20, 8, 8, 0, 128, 0, 255, 255, 0);
    const Rect button = Bounds(screen, Rgb(0, 0, 0));  // the black pen
    EXPECT_EQ(button.left, 20 * c.scale);
    EXPECT_EQ(button.right, 80 * c.scale);
    EXPECT_EQ(button.bottom, 50 * c.scale);
    EXPECT_EQ(screen.Pixel(21 * c.scale + 3, 40 * c.scale), Rgb(0, 128, 0));
    EXPECT_NE(Bounds(screen, Rgb(255, 255, 0)).right, -1) << "the label is drawn";

    // The round box takes device pixels from its caller; only the pen scales.
    Bitmap box(c.w, c.h, kWhite);
    DeviceContext bdc = MemoryContext(box);
    DrawRoundBox(bdc, 2, 10, 10, 40, 30, 0, 0, 255, 0, 0, 0, 0, 255);
    EXPECT_EQ(Bounds(box, Rgb(0, 0, 255)),
              (Rect{10 + 2 * c.scale, 10 + 2 * c.scale, 50 - 2 * c.scale, 40 - 2 * c.scale}));

    // Back buffers are copied with the scale rule on all six values.
    Bitmap buffer(c.w, c.h, Rgb(3, 3, 3));
    buffer.SetPixel(5 * c.scale, 6 * c.scale, Rgb(4, 4, 4));
    Bitmap target(c.w, c.h, kWhite);
    DeviceContext tdc = MemoryContext(target);
    BlitScaled(tdc, buffer, 5, 6, 100, 110, 10, 10);
    EXPECT_EQ(Bounds(target, Rgb(4, 4, 4)).left, 100 * c.scale);
    EXPECT_EQ(Bounds(target, Rgb(3, 3, 3)).right, 110 * c.scale);

    // A stretched picture doubles its position only; the sizes are device pixels.
    Bitmap wheel(4, 4, Rgb(6, 6, 6));
    Bitmap stretched(c.w, c.h, kWhite);
    DeviceContext sdc = MemoryContext(stretched);
    StretchBitmap(sdc, &wheel, 4, 4, 10, 10, 16, 8);
    const int at = IsVgaClass(Display.DisplayClass) ? 20 : 10;
    EXPECT_EQ(Bounds(stretched, Rgb(6, 6, 6)), (Rect{at, at, at + 16, at + 8}));

    Bitmap number(c.w, c.h, kWhite);
    DeviceContext ndc = MemoryContext(number);
    ndc.font = &bold;
    DrawNumberRect(ndc, -1234, 0, 0, 0, 200, 0, 0, 0, 0, 100, 20, 0, 0);
    EXPECT_EQ(Bounds(number, Rgb(200, 0, 0)).left, 0) << "opaque background";
    EXPECT_LE(Bounds(number, Rgb(0, 0, 0)).right, 100 * (IsVgaClass(Display.DisplayClass) ? 2 : 1));
  }
}

TEST_F(DrawingPrimitivesTest, AShortNumberLeavesNothingOfALongerOneBefore) {
  testing_support::StartScreen(240, 320);
  const Font font = Font::Create(15, 700);
  Bitmap number(100, 20, kWhite), text(100, 20, kWhite);
  DeviceContext ndc = MemoryContext(number), tdc = MemoryContext(text);
  ndc.font = tdc.font = &font;
  DrawNumberRect(ndc, -123456, 0, 0, 0, 0, 0, 0, 0, 0, 50, 20, 1, 0);
  number = Bitmap(100, 20, kWhite);
  DrawNumberRect(ndc, 7, 0, 0, 0, 0, 0, 0, 0, 0, 50, 20, 1, 0);
  DrawTextRect(tdc, u"7", 0, 0, 0, 0, 0, 0, 0, 0, 50, 20, 1, 0);
  EXPECT_EQ(number.Pixels(), text.Pixels());
}

TEST_F(DrawingPrimitivesTest, CellOriginsFollowTheBoardGridAndIgnoreStrayIndices) {
  Point p{-1, -1};
  CellOrigin(0, p);
  EXPECT_EQ(p, (Point{18, 18}));
  CellOrigin(35, p);
  EXPECT_EQ(p, (Point{168, 168}));
  CellOrigin(36, p);
  EXPECT_EQ(p, (Point{168, 168}));
  CellOriginFromOne(8, p);
  EXPECT_EQ(p, (Point{48, 48}));
  CellOriginFromOne(0, p);
  EXPECT_EQ(p, (Point{48, 48}));
}

}  // namespace
