#pragma once

#include <cstdint>

#include "platform/desktop/viewport_mapping.hpp"
#include "platform/drawing/bitmap.hpp"

namespace platform {

// The desktop window's own pixels: 32 bits each, rows `pitch` pixels apart.
struct PixelTarget {
  std::uint32_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  int pitch = 0;
  bool redHigh = false;  // red in bits 16-23 (XRGB), not 0-7 as the game keeps it
};

// Draws the screen where the mapping puts it: each pixel a whole zoom's square,
// or, when the window is too small for zoom 1, every window pixel the average
// of the screen pixels it covers. With `whole` the letterbox around is blacked
// and everything drawn; without, the letterbox is left as the last whole draw
// made it, and so are the rows of a zoomed screen that the window already
// shows. Returns the part of the window that changed (empty: none).
Rect DrawScaledScreen(const Bitmap& screen, const ViewportMapping& mapping,
                      const PixelTarget& target, bool whole);

}  // namespace platform
