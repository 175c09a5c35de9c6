#include "platform/drawing/software_drawing.hpp"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace platform {

namespace {

Rect SurfaceRect(const DeviceContext& dc) {
  return dc.surface ? Rect{0, 0, dc.surface->Width(), dc.surface->Height()} : Rect{};
}

void FillSpan(Bitmap& surface, int y, int x0, int x1, Colour colour) {
  if (y < 0 || y >= surface.Height()) return;
  x0 = std::max(x0, 0);
  x1 = std::min(x1, surface.Width());
  if (x0 >= x1) return;
  std::fill(surface.Row(y) + x0, surface.Row(y) + x1, colour);
}

void PlotSquare(Bitmap& surface, int x, int y, int width, Colour colour) {
  const int x0 = x - (width - 1) / 2;
  const int y0 = y - (width - 1) / 2;
  for (int yy = y0; yy < y0 + width; ++yy) FillSpan(surface, yy, x0, x0 + width, colour);
}

bool HasPen(const DeviceContext& dc) {
  return dc.pen.style == Pen::Style::Solid && dc.pen.width > 0;
}

// Whether a pixel centre lies inside a rectangle whose corners are rounded by
// an ellipse of radii rx, ry.
bool InsideRounded(int x, int y, int left, int top, int right, int bottom, double rx, double ry) {
  if (x < left || x >= right || y < top || y >= bottom) return false;
  const double px = x + 0.5;
  const double py = y + 0.5;
  double cx = px;
  double cy = py;
  if (px < left + rx) {
    cx = left + rx;
  } else if (px > right - rx) {
    cx = right - rx;
  }
  if (py < top + ry) {
    cy = top + ry;
  } else if (py > bottom - ry) {
    cy = bottom - ry;
  }
  if (cx == px || cy == py || rx <= 0 || ry <= 0) return true;
  const double dx = (px - cx) / rx;
  const double dy = (py - cy) / ry;
  return dx * dx + dy * dy <= 1.0;
}

struct ClippedCopy {
  int destX, destY, sourceX, sourceY, width, height;
};

// Clips an unscaled copy to both the destination surface and the source bitmap.
bool ClipCopy(const Rect& dest, const Bitmap& source, ClippedCopy& c) {
  if (c.sourceX < 0) {
    c.destX -= c.sourceX;
    c.width += c.sourceX;
    c.sourceX = 0;
  }
  if (c.sourceY < 0) {
    c.destY -= c.sourceY;
    c.height += c.sourceY;
    c.sourceY = 0;
  }
  if (c.destX < dest.left) {
    c.sourceX += dest.left - c.destX;
    c.width -= dest.left - c.destX;
    c.destX = dest.left;
  }
  if (c.destY < dest.top) {
    c.sourceY += dest.top - c.destY;
    c.height -= dest.top - c.destY;
    c.destY = dest.top;
  }
  c.width = std::min({c.width, source.Width() - c.sourceX, dest.right - c.destX});
  c.height = std::min({c.height, source.Height() - c.sourceY, dest.bottom - c.destY});
  return c.width > 0 && c.height > 0;
}

// Fills count >= 1 pixels by doubling a filled run with memcpy: as fast as a memset for
// any colour, and the compiler need not vectorise a loop for it.
void FillPixels(Colour* pixels, int count, Colour colour) {
  pixels[0] = colour;
  for (int done = 1; done < count;) {
    const int chunk = std::min(done, count - done);
    std::memcpy(pixels + done, pixels, static_cast<std::size_t>(chunk) * sizeof(Colour));
    done += chunk;
  }
}

// The smallest step t >= 0 of a stretch whose source offset
// (t * sourceLength + sourceLength / 2) / length reaches `offset`.
long long FirstStepReaching(long long offset, long long sourceLength, long long length) {
  const long long need = offset * length - sourceLength / 2;
  return std::max(0LL, need + sourceLength - 1) / sourceLength;
}

// The steps [first, end) along one axis of a stretch that land both on the
// surface (of `surfaceSize`) and inside the source (of `sourceSize`).
struct StepRange {
  long long first;
  long long end;
};
StepRange StepsInside(int at, int length, int surfaceSize, int sourceAt, int sourceLength,
                      int sourceSize) {
  const long long first =
      std::max({0LL, -static_cast<long long>(at),
                FirstStepReaching(-static_cast<long long>(sourceAt), sourceLength, length)});
  const long long end = std::min(
      {static_cast<long long>(length), static_cast<long long>(surfaceSize) - at,
       FirstStepReaching(static_cast<long long>(sourceSize) - sourceAt, sourceLength, length)});
  return StepRange{first, end};
}

struct OpaqueRule {
  static void Pixel(Colour& d, Colour s) { d = s; }
  static void Row(Colour* d, const Colour* s, int count) {
    std::memmove(d, s, static_cast<std::size_t>(count) * sizeof(Colour));
  }
};

// Source pixels whose colour (the top byte aside) is the key leave the
// destination as it is.
struct KeyedRule {
  Colour key;
  void Pixel(Colour& d, Colour s) const { d = (s & 0xFFFFFF) != key ? s : d; }
  // Four pixels at a time: a select per lane instead of a branch per pixel,
  // which the edges of every ball would mispredict.
  void Row(Colour* d, const Colour* s, int count) const {
    using Lanes = std::uint32_t __attribute__((vector_size(16)));
    constexpr int kLanes = sizeof(Lanes) / sizeof(Colour);
    const Lanes keys = {key, key, key, key};
    int i = 0;
    for (; i + kLanes <= count; i += kLanes) {
      Lanes source;
      Lanes dest;
      std::memcpy(&source, s + i, sizeof source);
      std::memcpy(&dest, d + i, sizeof dest);
      const Lanes drawn = reinterpret_cast<Lanes>((source & 0xFFFFFF) != keys);
      dest = (source & drawn) | (dest & ~drawn);
      std::memcpy(d + i, &dest, sizeof dest);
    }
    for (; i < count; ++i) Pixel(d[i], s[i]);
  }
};

// Nearest-neighbour: destination step t takes the source pixel
// sourceAt + (t * sourceLength + sourceLength / 2) / length. The ranges are
// clipped once, so the inner loop reads and writes without checks; columns step
// by an exact integer walk instead of a division per pixel.
template <typename PixelRule>
void StretchWith(DeviceContext& dc, int x, int y, int width, int height, const Bitmap& source,
                 int sourceX, int sourceY, int sourceWidth, int sourceHeight, PixelRule rule) {
  // An empty or reversed destination block leaves the ranges below empty.
  if (!dc.surface || source.Empty() || sourceWidth <= 0 || sourceHeight <= 0) return;
  Bitmap& surface = *dc.surface;
  const StepRange rows =
      StepsInside(y, height, surface.Height(), sourceY, sourceHeight, source.Height());
  const StepRange columns =
      StepsInside(x, width, surface.Width(), sourceX, sourceWidth, source.Width());
  if (rows.first >= rows.end || columns.first >= columns.end) return;
  const int count = static_cast<int>(columns.end - columns.first);
  const long long start = columns.first * sourceWidth + sourceWidth / 2;
  const long long firstColumn = sourceX + start / width;
  const long long firstRemainder = start % width;
  const long long whole = sourceWidth / width;
  const long long part = sourceWidth % width;
  for (long long t = rows.first; t < rows.end; ++t) {
    const long long sy = sourceY + (t * sourceHeight + sourceHeight / 2) / height;
    const Colour* src = source.Row(static_cast<int>(sy)) + firstColumn;
    Colour* dst = surface.Row(static_cast<int>(y + t)) + (x + columns.first);
    if (sourceWidth == width) {
      rule.Row(dst, src, count);
      continue;
    }
    long long offset = 0;
    long long remainder = firstRemainder;
    for (int i = 0; i < count; ++i) {
      rule.Pixel(dst[i], src[offset]);
      offset += whole;
      remainder += part;
      if (remainder >= width) {
        remainder -= width;
        ++offset;
      }
    }
  }
}

}  // namespace

void FillRect(DeviceContext& dc, const Rect& rect, Colour colour) {
  if (!dc.surface) return;
  const Rect r = Intersect(rect, SurfaceRect(dc));
  if (r.Empty()) return;
  // One row is filled, the others are copies of it.
  Colour* first = dc.surface->Row(r.top) + r.left;
  FillPixels(first, r.Width(), colour);
  const std::size_t bytes = static_cast<std::size_t>(r.Width()) * sizeof(Colour);
  for (int y = r.top + 1; y < r.bottom; ++y) std::memcpy(dc.surface->Row(y) + r.left, first, bytes);
}

void DrawRectangle(DeviceContext& dc, int left, int top, int right, int bottom) {
  DrawRoundRect(dc, left, top, right, bottom, 0, 0);
}

void DrawRoundRect(DeviceContext& dc, int left, int top, int right, int bottom, int ellipseWidth,
                   int ellipseHeight) {
  if (!dc.surface) return;
  if (right < left) std::swap(left, right);
  if (bottom < top) std::swap(top, bottom);
  const double rx = std::min(std::abs(ellipseWidth), right - left) / 2.0;
  const double ry = std::min(std::abs(ellipseHeight), bottom - top) / 2.0;
  const int pen = HasPen(dc) ? dc.pen.width : 0;
  const Rect clip = Intersect(Rect{left, top, right, bottom}, SurfaceRect(dc));
  // The pen runs inside the bounds, so nothing is drawn outside the rectangle.
  for (int y = clip.top; y < clip.bottom; ++y) {
    Colour* row = dc.surface->Row(y);
    for (int x = clip.left; x < clip.right; ++x) {
      if (!InsideRounded(x, y, left, top, right, bottom, rx, ry)) continue;
      const bool inner =
          pen == 0 || InsideRounded(x, y, left + pen, top + pen, right - pen, bottom - pen,
                                    std::max(rx - pen, 0.0), std::max(ry - pen, 0.0));
      if (!inner) {
        row[x] = dc.pen.colour;
      } else if (!dc.brush.null) {
        row[x] = dc.brush.colour;
      }
    }
  }
}

void DrawPolyline(DeviceContext& dc, std::span<const Point> points) {
  if (!dc.surface || !HasPen(dc) || points.size() < 2) return;
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    int x = points[i].x;
    int y = points[i].y;
    const int x1 = points[i + 1].x;
    const int y1 = points[i + 1].y;
    const int dx = std::abs(x1 - x);
    const int dy = -std::abs(y1 - y);
    const int sx = x < x1 ? 1 : -1;
    const int sy = y < y1 ? 1 : -1;
    int error = dx + dy;
    // Each segment stops short of its end point, which the next segment (or
    // nobody, for the last one) draws.
    while (x != x1 || y != y1) {
      PlotSquare(*dc.surface, x, y, dc.pen.width, dc.pen.colour);
      const int e2 = 2 * error;
      if (e2 >= dy) {
        error += dy;
        x += sx;
      }
      if (e2 <= dx) {
        error += dx;
        y += sy;
      }
    }
  }
}

void CopyBits(DeviceContext& dc, int x, int y, int width, int height, const Bitmap& source,
              int sourceX, int sourceY) {
  if (!dc.surface || source.Empty()) return;
  ClippedCopy c{x, y, sourceX, sourceY, width, height};
  if (!ClipCopy(SurfaceRect(dc), source, c)) return;
  for (int row = 0; row < c.height; ++row) {
    const Colour* src = source.Row(c.sourceY + row) + c.sourceX;
    std::copy(src, src + c.width, dc.surface->Row(c.destY + row) + c.destX);
  }
}

void StretchBits(DeviceContext& dc, int x, int y, int width, int height, const Bitmap& source,
                 int sourceX, int sourceY, int sourceWidth, int sourceHeight) {
  if (width == sourceWidth && height == sourceHeight) {
    CopyBits(dc, x, y, width, height, source, sourceX, sourceY);
    return;
  }
  StretchWith(dc, x, y, width, height, source, sourceX, sourceY, sourceWidth, sourceHeight,
              OpaqueRule{});
}

void CopyBitsKeyed(DeviceContext& dc, int x, int y, int width, int height, const Bitmap& source,
                   int sourceX, int sourceY, int sourceWidth, int sourceHeight, Colour key) {
  StretchWith(dc, x, y, width, height, source, sourceX, sourceY, sourceWidth, sourceHeight,
              KeyedRule{key & 0xFFFFFF});
}

}  // namespace platform
