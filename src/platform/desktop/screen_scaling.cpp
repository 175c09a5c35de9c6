#include "platform/desktop/screen_scaling.hpp"

#include <algorithm>

namespace platform {

namespace {

constexpr std::uint32_t kOpaque = 0xFF000000u;

std::uint32_t Converted(Colour c, bool redHigh) {
  if (!redHigh) return c | kOpaque;
  return ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu) | kOpaque;
}

void FillRows(const PixelTarget& t, int top, int bottom, int left, int right) {
  for (int y = std::max(top, 0); y < std::min(bottom, t.height); ++y) {
    std::uint32_t* row = t.pixels + static_cast<std::ptrdiff_t>(y) * t.pitch;
    std::fill(row + std::max(left, 0), row + std::min(right, t.width), kOpaque);
  }
}

void DrawBars(const PixelTarget& t, const Rect& picture) {
  if (picture.Empty()) {
    FillRows(t, 0, t.height, 0, t.width);
    return;
  }
  FillRows(t, 0, picture.top, 0, t.width);
  FillRows(t, picture.bottom, t.height, 0, t.width);
  FillRows(t, picture.top, picture.bottom, 0, picture.left);
  FillRows(t, picture.top, picture.bottom, picture.right, t.width);
}

// Whether the window already shows a screen row: one window pixel of each
// screen pixel is enough, as rows are only ever drawn whole.
bool RowShown(const Colour* source, int width, const std::uint32_t* out, int zoom, bool redHigh) {
  for (int x = 0; x < width; ++x, out += zoom) {
    if (*out != Converted(source[x], redHigh)) return false;
  }
  return true;
}

// One screen row becomes `zoom` window rows: the first is drawn, the rest
// copied. Most frames of a game change a few rows, so unless `all` the rows
// the window already shows are left alone. Returns the rows drawn.
Rect DrawWholeZoom(const Bitmap& screen, const Rect& picture, int zoom, const PixelTarget& t,
                   bool all) {
  Rect drawn;
  for (int y = 0; y < screen.Height(); ++y) {
    const Colour* source = screen.Row(y);
    std::uint32_t* first = t.pixels + static_cast<std::ptrdiff_t>(picture.top + y * zoom) * t.pitch;
    std::uint32_t* out = first + picture.left;
    if (!all && RowShown(source, screen.Width(), out, zoom, t.redHigh)) continue;
    for (int x = 0; x < screen.Width(); ++x) {
      out = std::fill_n(out, zoom, Converted(source[x], t.redHigh));
    }
    for (int copy = 1; copy < zoom; ++copy) {
      std::copy(first + picture.left, first + picture.right, first + copy * t.pitch + picture.left);
    }
    const int top = picture.top + y * zoom;
    drawn = Union(drawn, Rect{picture.left, top, picture.right, top + zoom});
  }
  return drawn;
}

// The screen pixels [from, to) that window pixel i of n covers; never none.
void Span(int i, int n, int size, int& from, int& to) {
  from = static_cast<int>(std::int64_t{i} * size / n);
  to = std::max(static_cast<int>(std::int64_t{i + 1} * size / n), from + 1);
}

// Shrinking by dropping pixels would lose thin lines and text strokes at random;
// averaging keeps every one as a shade.
void DrawShrunk(const Bitmap& screen, const Rect& picture, const PixelTarget& t) {
  const int w = picture.Width();
  const int h = picture.Height();
  for (int j = 0; j < h; ++j) {
    int top = 0;
    int bottom = 0;
    Span(j, h, screen.Height(), top, bottom);
    std::uint32_t* out = t.pixels + static_cast<std::ptrdiff_t>(picture.top + j) * t.pitch;
    for (int i = 0; i < w; ++i) {
      int left = 0;
      int right = 0;
      Span(i, w, screen.Width(), left, right);
      std::uint32_t red = 0;
      std::uint32_t green = 0;
      std::uint32_t blue = 0;
      for (int y = top; y < bottom; ++y) {
        const Colour* row = screen.Row(y);
        for (int x = left; x < right; ++x) {
          red += row[x] & 0xFFu;
          green += (row[x] >> 8) & 0xFFu;
          blue += (row[x] >> 16) & 0xFFu;
        }
      }
      const auto count = static_cast<std::uint32_t>((bottom - top) * (right - left));
      const auto mean = [count](std::uint32_t sum) { return (sum + count / 2) / count; };
      out[picture.left + i] =
          Converted(mean(red) | (mean(green) << 8) | (mean(blue) << 16), t.redHigh);
    }
  }
}

}  // namespace

Rect DrawScaledScreen(const Bitmap& screen, const ViewportMapping& mapping,
                      const PixelTarget& target, bool whole) {
  const Rect everything{0, 0, target.width, target.height};
  if (!target.pixels || everything.Empty()) return {};
  // A picture that does not fit what it is drawn into (a window that changed
  // size since it was measured) waits for the next frame.
  const Rect& picture = mapping.picture;
  const bool fits = !picture.Empty() && !screen.Empty() && picture.left >= 0 && picture.top >= 0 &&
                    picture.right <= target.width && picture.bottom <= target.height;
  if (whole || !fits) DrawBars(target, fits ? picture : Rect{});
  if (!fits) return everything;
  if (mapping.zoom >= 1 && picture.Width() == screen.Width() * mapping.zoom &&
      picture.Height() == screen.Height() * mapping.zoom) {
    const Rect drawn = DrawWholeZoom(screen, picture, mapping.zoom, target, whole);
    return whole ? everything : drawn;
  }
  DrawShrunk(screen, picture, target);
  return whole ? everything : picture;
}

}  // namespace platform
