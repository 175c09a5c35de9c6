#include "platform/viewport_mapping.hpp"

#include <gtest/gtest.h>

namespace {

using platform::MapViewport;
using platform::Point;
using platform::Rect;

// The device pixel under a window point, or (-1, -1) where a tap is ignored.
Point Tap(const platform::ViewportMapping& m, int x, int y) {
  Point p{-1, -1};
  return m.ToDevice(x, y, p) ? p : Point{-1, -1};
}

TEST(ViewportMapping, AHiDpiWindowZoomsInPixelsAndMapsTapsInPoints) {
  // 750x1000 points are 1500x2000 pixels on a 2x display: zoom 3, not 1 or 6.
  const auto m = MapViewport(750, 1000, 1500, 2000, 480, 640);
  EXPECT_EQ(m.zoom, 3);
  EXPECT_EQ(m.picture, (Rect{30, 40, 1470, 1960}));
  EXPECT_EQ(Tap(m, 15, 20), (Point{0, 0}));
  EXPECT_EQ(Tap(m, 375, 500), (Point{240, 320}));
  EXPECT_EQ(Tap(m, 734, 979), (Point{479, 639}));
  // The letterbox on every side touches nothing.
  EXPECT_EQ(Tap(m, 14, 500), (Point{-1, -1}));
  EXPECT_EQ(Tap(m, 735, 500), (Point{-1, -1}));
  EXPECT_EQ(Tap(m, 300, 19), (Point{-1, -1}));
  EXPECT_EQ(Tap(m, 300, 980), (Point{-1, -1}));
  // A drag that leaves the picture stays on its edge.
  EXPECT_EQ(m.ToDeviceClamped(-40, 5), (Point{0, 0}));
  EXPECT_EQ(m.ToDeviceClamped(900, 2000), (Point{479, 639}));
  EXPECT_EQ(m.ToDeviceClamped(375, 500), (Point{240, 320}));
}

TEST(ViewportMapping, EveryWholeZoomIsCentredAndMapsEachBlockToOnePixel) {
  for (int zoom = 1; zoom <= 6; ++zoom) {
    SCOPED_TRACE(zoom);
    // A little spare room, more across than down, and on a 1x display.
    const int w = 320 * zoom + 9;
    const int h = 240 * zoom + 4;
    const auto m = MapViewport(w, h, w, h, 320, 240);
    EXPECT_EQ(m.zoom, zoom);
    EXPECT_EQ(m.picture, (Rect{4, 2, 4 + 320 * zoom, 2 + 240 * zoom}));
    EXPECT_EQ(Tap(m, 4, 2), (Point{0, 0}));
    EXPECT_EQ(Tap(m, 4 + zoom * 7 + zoom - 1, 2 + zoom * 9), (Point{7, 9}));
    EXPECT_EQ(Tap(m, 4 + zoom * 8, 2 + zoom * 9 + zoom - 1), (Point{8, 9}));
    EXPECT_EQ(Tap(m, 3 + 320 * zoom, 1 + 240 * zoom), (Point{319, 239}));
    EXPECT_EQ(Tap(m, 3, 2), (Point{-1, -1}));
    EXPECT_EQ(Tap(m, 4, 1), (Point{-1, -1}));
    EXPECT_EQ(Tap(m, 4 + 320 * zoom, 2), (Point{-1, -1}));
    EXPECT_EQ(Tap(m, 4, 2 + 240 * zoom), (Point{-1, -1}));
  }
  // The same zoom on a 2x display takes half the points.
  const auto hiDpi = MapViewport(240, 320, 480, 640, 240, 320);
  EXPECT_EQ(hiDpi.zoom, 2);
  EXPECT_EQ(Tap(hiDpi, 100, 150), (Point{100, 150}));
}

TEST(ViewportMapping, AWindowTooSmallForZoomOneKeepsTheScreensShape) {
  // Down-limited: 480x640 in 240x240 is 180x240, letterboxed left and right.
  const auto tall = MapViewport(240, 240, 240, 240, 480, 640);
  EXPECT_EQ(tall.zoom, 0);
  EXPECT_EQ(tall.picture, (Rect{30, 0, 210, 240}));
  EXPECT_EQ(Tap(tall, 30, 0), (Point{0, 0}));
  EXPECT_EQ(Tap(tall, 209, 239), (Point{477, 637}));
  EXPECT_EQ(Tap(tall, 29, 100), (Point{-1, -1}));
  EXPECT_EQ(Tap(tall, 210, 100), (Point{-1, -1}));
  // Across-limited: 640x480 in 320x400 is 320x240, letterboxed above and below.
  const auto wide = MapViewport(320, 400, 320, 400, 640, 480);
  EXPECT_EQ(wide.picture, (Rect{0, 80, 320, 320}));
  EXPECT_EQ(Tap(wide, 160, 200), (Point{320, 240}));
  EXPECT_EQ(Tap(wide, 160, 79), (Point{-1, -1}));
  // A square window on a square screen needs no letterbox.
  EXPECT_EQ(MapViewport(200, 200, 200, 200, 480, 480).picture, (Rect{0, 0, 200, 200}));
  // A sliver still shows one row of pixels rather than nothing.
  EXPECT_EQ(MapViewport(300, 1, 300, 1, 480, 640).picture, (Rect{149, 0, 150, 1}));
  EXPECT_EQ(MapViewport(1, 300, 1, 300, 480, 640).picture, (Rect{0, 149, 1, 150}));
}

TEST(ViewportMapping, NothingShownMeansNothingTapped) {
  // Minimised, or no renderer to ask for a drawable.
  for (const auto& m : {MapViewport(0, 0, 0, 0, 480, 640), MapViewport(480, 640, 0, 0, 480, 640),
                        MapViewport(480, 640, 480, 640, 0, 640)}) {
    EXPECT_TRUE(m.picture.Empty());
    EXPECT_EQ(Tap(m, 0, 0), (Point{-1, -1}));
    EXPECT_EQ(m.ToDeviceClamped(10, 10), (Point{0, 0}));
  }
}

}  // namespace
