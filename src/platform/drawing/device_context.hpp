#pragma once

#include "platform/drawing/bitmap.hpp"

namespace platform {

class Font;

// A pen of width 0 or style Null draws no outline.
struct Pen {
  enum class Style { Solid, Null };
  Style style = Style::Solid;
  int width = 1;
  Colour colour = Rgb(0, 0, 0);
};

struct Brush {
  bool null = false;
  Colour colour = Rgb(255, 255, 255);
};

enum class BackgroundMode { Transparent = 1, Opaque = 2 };

// What a drawing call draws on, and with what. A memory context is simply one
// whose surface is a bitmap of the caller's; objects are held by value, so
// "selecting" one is an assignment and restoring it another.
struct DeviceContext {
  Bitmap* surface = nullptr;
  Pen pen;
  Brush brush;
  const Font* font = nullptr;
  Colour textColour = Rgb(0, 0, 0);
  Colour backgroundColour = Rgb(255, 255, 255);
  BackgroundMode backgroundMode = BackgroundMode::Opaque;
};

inline DeviceContext MemoryContext(Bitmap& bitmap) {
  DeviceContext dc;
  dc.surface = &bitmap;
  return dc;
}

}  // namespace platform
