#include "picture_output.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

namespace art {

namespace {

cairo_surface_t* Draw(DrawFn fn, cairo_format_t format, int index, int w, int h, int scale) {
  cairo_surface_t* s = cairo_image_surface_create(format, w * scale, h * scale);
  cairo_t* cr = cairo_create(s);
  cairo_set_source_rgb(cr, 0, 0, 0);
  if (format == CAIRO_FORMAT_RGB24) cairo_paint(cr);
  cairo_scale(cr, scale, scale);
  if (fn) {
    Art a{cr, scale, index};
    fn(a);
  }
  cairo_destroy(cr);
  cairo_surface_flush(s);
  return s;
}

std::uint32_t Channel(std::uint32_t pixel, int shift) {
  return (pixel >> shift) & 0xFF;
}

// Tiny see-through specks left inside a shape where thin strokes meet would
// show whatever is behind as a stray dot: fill every patch of key pixels that
// does not reach the picture's edge and is smaller than a few pixels. Larger
// enclosed patches (the inside of a letter O) stay transparent.
template <typename Fill>
void FillPinholes(const std::vector<char>& isKey, int w, int h, Fill fill) {
  std::vector<int> region(isKey.size(), 0);  // 0 unvisited, 1 outside, 2 enclosed
  std::vector<int> stack, patch;
  auto flood = [&](int start, int mark, std::vector<int>* members) {
    stack.assign(1, start);
    region[static_cast<std::size_t>(start)] = mark;
    while (!stack.empty()) {
      const int i = stack.back();
      stack.pop_back();
      if (members) members->push_back(i);
      const int x = i % w, y = i / w;
      const int next[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
      for (const auto& n : next) {
        if (n[0] < 0 || n[1] < 0 || n[0] >= w || n[1] >= h) continue;
        const int j = n[1] * w + n[0];
        if (!isKey[static_cast<std::size_t>(j)] || region[static_cast<std::size_t>(j)]) continue;
        region[static_cast<std::size_t>(j)] = mark;
        stack.push_back(j);
      }
    }
  };
  for (int x = 0; x < w; ++x)
    for (int y : {0, h - 1})
      if (isKey[static_cast<std::size_t>(y * w + x)] &&
          !region[static_cast<std::size_t>(y * w + x)])
        flood(y * w + x, 1, nullptr);
  for (int y = 0; y < h; ++y)
    for (int x : {0, w - 1})
      if (isKey[static_cast<std::size_t>(y * w + x)] &&
          !region[static_cast<std::size_t>(y * w + x)])
        flood(y * w + x, 1, nullptr);
  const int largest = 5;
  for (int i = 0; i < w * h; ++i) {
    if (!isKey[static_cast<std::size_t>(i)] || region[static_cast<std::size_t>(i)]) continue;
    patch.clear();
    flood(i, 2, &patch);
    if (static_cast<int>(patch.size()) <= largest)
      for (int p : patch) fill(p % w, p / w);
  }
}

}  // namespace

cairo_surface_t* RenderPicture(const Recipe& recipe, int index, int w, int h, int scale,
                               std::int32_t key) {
  cairo_surface_t* back = Draw(recipe.backdrop, CAIRO_FORMAT_RGB24, index, w, h, scale);
  cairo_surface_t* front = Draw(recipe.draw, CAIRO_FORMAT_ARGB32, index, w, h, scale);
  cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_RGB24, w * scale, h * scale);
  cairo_surface_flush(out);

  // cairo keeps pixels as 0xAARRGGBB; the key arrives as red + 256 green + 65536 blue.
  const bool keyed = key >= 0;
  const std::uint32_t keyPixel = keyed ? ((static_cast<std::uint32_t>(key) & 0xFF) << 16) |
                                             (static_cast<std::uint32_t>(key) & 0xFF00) |
                                             ((static_cast<std::uint32_t>(key) >> 16) & 0xFF)
                                       : 0;
  const int threshold = static_cast<int>(std::lround(recipe.keyBelow * 255.0));
  const int stride = cairo_image_surface_get_stride(out);
  const int dw = w * scale, dh = h * scale;
  unsigned char* fd = cairo_image_surface_get_data(front);
  unsigned char* bd = cairo_image_surface_get_data(back);
  unsigned char* od = cairo_image_surface_get_data(out);
  auto at = [&](unsigned char* base, int x, int y) {
    return reinterpret_cast<std::uint32_t*>(base + y * stride) + x;
  };
  // The picture over what it sits on, pixel by pixel.
  auto composite = [&](int x, int y) {
    const std::uint32_t f = *at(fd, x, y), b = *at(bd, x, y);
    const std::uint32_t alpha = f >> 24;
    std::uint32_t px = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
      const std::uint32_t c = Channel(f, shift) + (Channel(b, shift) * (255 - alpha) + 127) / 255;
      px |= std::min<std::uint32_t>(c, 255) << shift;
    }
    // A drawn pixel that happens to match the key would turn transparent:
    // move it one step, which no eye can see.
    if (keyed && px == keyPixel) {
      const std::uint32_t g = Channel(px, 8);
      px = (px & 0xFF00FFu) | ((g > 0 ? g - 1 : 1) << 8);
    }
    return px;
  };
  std::vector<char> isKey(static_cast<std::size_t>(dw * dh), 0);
  for (int y = 0; y < dh; ++y) {
    for (int x = 0; x < dw; ++x) {
      const bool clear = keyed && static_cast<int>(*at(fd, x, y) >> 24) < threshold;
      isKey[static_cast<std::size_t>(y * dw + x)] = clear;
      *at(od, x, y) = clear ? keyPixel : composite(x, y);
    }
  }
  if (keyed) FillPinholes(isKey, dw, dh, [&](int x, int y) { *at(od, x, y) = composite(x, y); });
  cairo_surface_mark_dirty(out);
  cairo_surface_destroy(front);
  cairo_surface_destroy(back);
  return out;
}

bool WritePng(cairo_surface_t* surface, const std::string& path) {
  return cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace art
