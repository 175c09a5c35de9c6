#pragma once

#include <vector>

#include "platform/drawing/colour.hpp"

namespace platform {

// A 32-bit picture in memory. An empty bitmap (0x0) stands for a picture that
// failed to load: drawing it draws nothing.
class Bitmap {
 public:
  Bitmap() = default;
  Bitmap(int width, int height, Colour fill = Rgb(0, 0, 0));

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return width_ <= 0 || height_ <= 0; }

  Colour Pixel(int x, int y) const { return pixels_[Index(x, y)]; }
  void SetPixel(int x, int y, Colour c) { pixels_[Index(x, y)] = c; }
  Colour* Row(int y) { return pixels_.data() + Index(0, y); }
  const Colour* Row(int y) const { return pixels_.data() + Index(0, y); }
  const std::vector<Colour>& Pixels() const { return pixels_; }

 private:
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }

  int width_ = 0;
  int height_ = 0;
  std::vector<Colour> pixels_;
};

}  // namespace platform
