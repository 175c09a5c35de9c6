#include "platform/software_drawing.hpp"

#include <algorithm>
#include <cstdlib>

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

template <typename PixelRule>
void StretchWith(DeviceContext& dc, int x, int y, int width, int height, const Bitmap& source,
                 int sourceX, int sourceY, int sourceWidth, int sourceHeight, PixelRule rule) {
  if (!dc.surface || source.Empty() || width <= 0 || height <= 0 || sourceWidth <= 0 ||
      sourceHeight <= 0) {
    return;
  }
  Bitmap& surface = *dc.surface;
  const int y0 = std::max(y, 0);
  const int y1 = std::min(y + height, surface.Height());
  const int x0 = std::max(x, 0);
  const int x1 = std::min(x + width, surface.Width());
  for (int dy = y0; dy < y1; ++dy) {
    const long long sy =
        sourceY + (static_cast<long long>(dy - y) * sourceHeight + sourceHeight / 2) / height;
    if (sy < 0 || sy >= source.Height()) continue;
    const Colour* src = source.Row(static_cast<int>(sy));
    Colour* dst = surface.Row(dy);
    for (int dx = x0; dx < x1; ++dx) {
      const long long sx =
          sourceX + (static_cast<long long>(dx - x) * sourceWidth + sourceWidth / 2) / width;
      if (sx < 0 || sx >= source.Width()) continue;
      rule(dst[dx], src[sx]);
    }
  }
}

}  // namespace

void FillRect(DeviceContext& dc, const Rect& rect, Colour colour) {
  if (!dc.surface) return;
  const Rect r = Intersect(rect, SurfaceRect(dc));
  for (int y = r.top; y < r.bottom; ++y) FillSpan(*dc.surface, y, r.left, r.right, colour);
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
              [](Colour& d, Colour s) { d = s; });
}

void CopyBitsKeyed(DeviceContext& dc, int x, int y, int width, int height, const Bitmap& source,
                   int sourceX, int sourceY, int sourceWidth, int sourceHeight, Colour key) {
  const Colour k = key & 0xFFFFFF;
  StretchWith(dc, x, y, width, height, source, sourceX, sourceY, sourceWidth, sourceHeight,
              [k](Colour& d, Colour s) {
                if ((s & 0xFFFFFF) != k) d = s;
              });
}

}  // namespace platform
