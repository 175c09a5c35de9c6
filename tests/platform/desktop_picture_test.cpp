#include "platform/desktop/screen_scaling.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "platform/desktop/viewport_mapping.hpp"
#include "support/headless_fixture.hpp"
#include "support/table_file.hpp"

namespace {

using platform::Bitmap;
using platform::MapViewport;
using platform::PixelTarget;
using platform::Rgb;

constexpr std::uint32_t kBlack = 0xFF000000u;
constexpr std::uint32_t kStale = 0x12345678u;

struct Window {
  int width;
  int height;
  int pitch;
  std::vector<std::uint32_t> pixels;
  Window(int w, int h)
      : width(w), height(h), pitch(w + 3), pixels(std::size_t(pitch) * h, kStale) {}
  PixelTarget Target(bool redHigh) { return {pixels.data(), width, height, pitch, redHigh}; }
  std::uint32_t& At(int x, int y) { return pixels[std::size_t(y) * pitch + x]; }
};

TEST(ScreenScaling, EachPixelBecomesAWholeSquareInTheWindowsByteOrderInsideABlackLetterbox) {
  Bitmap screen(4, 3, Rgb(10, 20, 30));
  screen.SetPixel(1, 2, Rgb(200, 100, 50));
  for (const bool redHigh : {false, true}) {
    SCOPED_TRACE(redHigh);
    // 4x3 at zoom 3 is 12x9 in a 17x11 window: 2 and 3 columns left and right, 1 row above and
    // below.
    Window w(17, 11);
    const auto mapping = MapViewport(17, 11, 17, 11, 4, 3);
    ASSERT_EQ(mapping.zoom, 3);
    EXPECT_EQ(platform::DrawScaledScreen(screen, mapping, w.Target(redHigh), true),
              (platform::Rect{0, 0, 17, 11}));
    const std::uint32_t odd = redHigh ? 0xFFC86432u : 0xFF3264C8u;
    const std::uint32_t plain = redHigh ? 0xFF0A141Eu : 0xFF1E140Au;
    for (int y = 0; y < 11; ++y) {
      for (int x = 0; x < 17; ++x) {
        const bool inside = x >= 2 && x < 14 && y >= 1 && y < 10;
        const bool oddOne = x >= 2 + 3 && x < 2 + 6 && y >= 1 + 6 && y < 1 + 9;
        EXPECT_EQ(w.At(x, y), !inside ? kBlack : oddOne ? odd : plain) << x << "," << y;
      }
    }
    // The padding past each row is none of the window's.
    EXPECT_EQ(w.pixels[17], kStale);
    // Afterwards only the rows that changed are drawn, and the letterbox never.
    EXPECT_TRUE(platform::DrawScaledScreen(screen, mapping, w.Target(redHigh), false).Empty());
    Bitmap changed = screen;
    changed.SetPixel(3, 1, Rgb(1, 2, 3));
    w.At(0, 0) = kStale;
    EXPECT_EQ(platform::DrawScaledScreen(changed, mapping, w.Target(redHigh), false),
              (platform::Rect{2, 4, 14, 7}));
    EXPECT_EQ(w.At(0, 0), kStale);
    EXPECT_EQ(w.At(13, 6), redHigh ? 0xFF010203u : 0xFF030201u);
    EXPECT_EQ(w.At(13, 3), plain);
    // At zoom 1 too.
    Window exact(4, 3);
    const auto one = MapViewport(4, 3, 4, 3, 4, 3);
    platform::DrawScaledScreen(screen, one, exact.Target(redHigh), true);
    EXPECT_TRUE(platform::DrawScaledScreen(screen, one, exact.Target(redHigh), false).Empty());
  }
}

TEST(ScreenScaling, AWindowTooSmallForZoomOneAveragesWhatEachPixelCovers) {
  // Stripes one pixel wide, white and black: halved, every pixel is their mean.
  Bitmap screen(8, 8);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; x += 2) screen.SetPixel(x, y, Rgb(255, 255, 255));
  }
  Window w(4, 6);
  const auto mapping = MapViewport(4, 6, 4, 6, 8, 8);
  ASSERT_EQ(mapping.zoom, 0);
  platform::DrawScaledScreen(screen, mapping, w.Target(false), true);
  // A shrunk picture has no whole rows to compare: it is drawn again whole.
  EXPECT_EQ(platform::DrawScaledScreen(screen, mapping, w.Target(false), false),
            (platform::Rect{0, 1, 4, 5}));
  for (int x = 0; x < 4; ++x) {
    EXPECT_EQ(w.At(x, 0), kBlack);
    EXPECT_EQ(w.At(x, 1), 0xFF808080u);
    EXPECT_EQ(w.At(x, 4), 0xFF808080u);
    EXPECT_EQ(w.At(x, 5), kBlack);
  }
  // 3x3 into 2x2: the corner pixel covers one screen pixel, and keeps its colour exactly.
  Bitmap odd(3, 3, Rgb(0, 0, 0));
  odd.SetPixel(0, 0, Rgb(10, 20, 30));
  Window corner(2, 2);
  platform::DrawScaledScreen(odd, MapViewport(2, 2, 2, 2, 3, 3), corner.Target(true), true);
  EXPECT_EQ(corner.At(0, 0), 0xFF0A141Eu);
  EXPECT_EQ(corner.At(1, 1), kBlack);
  // A mapping measured before the window shrank draws only the black.
  Window smaller(3, 3);
  EXPECT_EQ(platform::DrawScaledScreen(screen, MapViewport(8, 8, 8, 8, 8, 8), smaller.Target(false),
                                       false),
            (platform::Rect{0, 0, 3, 3}));
  EXPECT_EQ(smaller.At(0, 0), kBlack);
  EXPECT_EQ(smaller.At(2, 2), kBlack);
}

// Rows of window sizes and the pixels taps reach (tests/data/viewport_mapping.txt).
TEST(ViewportMapping, EachWindowShowsAndMapsAsItsRowsSay) {
  platform::ViewportMapping m;
  const auto point = [](const testing_support::Row& row) {
    return row[3] == "-"
               ? platform::Point{-1, -1}
               : platform::Point{static_cast<int>(row.Int(3)), static_cast<int>(row.Int(4))};
  };
  for (const testing_support::Row& row : testing_support::ReadTable("viewport_mapping.txt")) {
    SCOPED_TRACE(row.where);
    const auto at = [&](std::size_t k) { return static_cast<int>(row.Int(k)); };
    if (row[0] == "map") {
      m = MapViewport(at(1), at(2), at(3), at(4), at(5), at(6));
      EXPECT_EQ(m.zoom, row[7] == "-" ? m.zoom : at(7));
      const platform::Rect shown{at(8), at(9), at(10), at(11)};
      EXPECT_EQ(m.picture, row[8] == "-" ? platform::Rect{} : shown);
    } else if (row[0] == "tap") {
      platform::Point p{-1, -1};
      if (!m.ToDevice(at(1), at(2), p)) p = {-1, -1};
      EXPECT_EQ(p, point(row));
    } else {
      EXPECT_EQ(m.ToDeviceClamped(at(1), at(2)), point(row));
    }
  }
}

// Screens said to be 96 or 131 dots per inch were laid out for unscaled
// drawing; any other density scales by dpi / 96 (0: the screen's own).
TEST(DisplayProfile, DotsPerInchGiveTheScales) {
  const std::pair<int, double> cases[] = {{0, 2.0}, {96, 1.0}, {131, 1.0}, {192, 2.0}, {144, 1.5}};
  for (const auto& [dpi, scale] : cases) {
    testing_support::StartScreen(480, 640, dpi);
    EXPECT_EQ(platform::Display.ScaleX, scale) << dpi;
    EXPECT_EQ(platform::Display.ScaleY, scale) << dpi;
    platform::headless::Stop();
  }
}

}  // namespace
