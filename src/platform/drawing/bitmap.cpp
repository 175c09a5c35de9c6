#include "platform/drawing/bitmap.hpp"

namespace platform {

Bitmap::Bitmap(int width, int height, Colour fill)
    : width_(width > 0 ? width : 0),
      height_(height > 0 ? height : 0),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

}  // namespace platform
