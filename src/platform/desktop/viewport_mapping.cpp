#include "platform/desktop/viewport_mapping.hpp"

#include <algorithm>
#include <cstdint>

namespace platform {

namespace {

// One axis of a window point in device pixels, or -1 before the picture. The
// point-to-pixel and pixel-to-device steps are one fraction, so nothing is
// rounded twice.
std::int64_t DeviceAlong(int point, int window, int drawable, int start, int extent, int screen) {
  const std::int64_t offset =
      std::int64_t{point} * drawable - std::int64_t{start} * window;  // pixels x window
  if (offset < 0) return -1;
  return offset * screen / (std::int64_t{window} * extent);
}

}  // namespace

ViewportMapping MapViewport(int windowWidth, int windowHeight, int drawableWidth,
                            int drawableHeight, int screenWidth, int screenHeight) {
  ViewportMapping m;
  m.windowWidth = windowWidth;
  m.windowHeight = windowHeight;
  m.drawableWidth = drawableWidth;
  m.drawableHeight = drawableHeight;
  m.screenWidth = screenWidth;
  m.screenHeight = screenHeight;
  // A minimised window has nothing to draw in and nothing to tap.
  if (windowWidth <= 0 || windowHeight <= 0 || drawableWidth <= 0 || drawableHeight <= 0 ||
      screenWidth <= 0 || screenHeight <= 0) {
    return m;
  }
  const int zoom = std::min(drawableWidth / screenWidth, drawableHeight / screenHeight);
  std::int64_t w = std::int64_t{screenWidth} * zoom;
  std::int64_t h = std::int64_t{screenHeight} * zoom;
  if (zoom >= 1) {
    m.zoom = zoom;
  } else if (std::int64_t{drawableWidth} * screenHeight <=
             std::int64_t{drawableHeight} * screenWidth) {
    w = drawableWidth;
    h = std::max<std::int64_t>(std::int64_t{screenHeight} * drawableWidth / screenWidth, 1);
  } else {
    h = drawableHeight;
    w = std::max<std::int64_t>(std::int64_t{screenWidth} * drawableHeight / screenHeight, 1);
  }
  const int left = static_cast<int>((drawableWidth - w) / 2);
  const int top = static_cast<int>((drawableHeight - h) / 2);
  m.picture = Rect{left, top, left + static_cast<int>(w), top + static_cast<int>(h)};
  return m;
}

bool ViewportMapping::ToDevice(int x, int y, Point& device) const {
  if (picture.Empty()) return false;
  const std::int64_t dx =
      DeviceAlong(x, windowWidth, drawableWidth, picture.left, picture.Width(), screenWidth);
  const std::int64_t dy =
      DeviceAlong(y, windowHeight, drawableHeight, picture.top, picture.Height(), screenHeight);
  if (dx < 0 || dy < 0 || dx >= screenWidth || dy >= screenHeight) return false;
  device = Point{static_cast<int>(dx), static_cast<int>(dy)};
  return true;
}

Point ViewportMapping::ToDeviceClamped(int x, int y) const {
  if (picture.Empty()) return Point{};
  const std::int64_t dx =
      DeviceAlong(x, windowWidth, drawableWidth, picture.left, picture.Width(), screenWidth);
  const std::int64_t dy =
      DeviceAlong(y, windowHeight, drawableHeight, picture.top, picture.Height(), screenHeight);
  return Point{static_cast<int>(std::clamp<std::int64_t>(dx, 0, screenWidth - 1)),
               static_cast<int>(std::clamp<std::int64_t>(dy, 0, screenHeight - 1))};
}

}  // namespace platform
