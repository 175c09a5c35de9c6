#pragma once

#include "platform/drawing/colour.hpp"

namespace platform {

// How the emulated screen sits in the desktop window. The window's size is in
// points, which is what mouse positions come in; its drawable is in pixels, of
// which a hi-DPI display has several per point. The zoom is chosen in pixels
// so the picture stays crisp, and taps go back through the very same numbers.
struct ViewportMapping {
  int windowWidth = 0;  // points
  int windowHeight = 0;
  int screenWidth = 0;  // device pixels of the emulated screen
  int screenHeight = 0;
  // Where the screen is drawn, in drawable pixels; empty when nothing is shown.
  Rect picture;
  // The whole zoom drawn at, or 0 when the window is too small for even 1 and
  // the picture is scaled down to fit.
  int zoom = 0;
  int drawableWidth = 0;  // pixels
  int drawableHeight = 0;

  // The device pixel under a window point; false in the letterbox around the
  // picture, or when no picture is shown.
  bool ToDevice(int x, int y, Point& device) const;
  // The same, pulled onto the nearest edge pixel: a drag that left the picture.
  Point ToDeviceClamped(int x, int y) const;
};

// The largest whole zoom of the screen that fits the drawable, centred; a
// drawable too small for that gets the largest fit that keeps the screen's shape.
ViewportMapping MapViewport(int windowWidth, int windowHeight, int drawableWidth,
                            int drawableHeight, int screenWidth, int screenHeight);

}  // namespace platform
