#pragma once

#include <span>

#include "platform/drawing/device_context.hpp"

namespace platform {

// All of these clip to the destination surface and, for copies, to the source
// bitmap: pictures are often drawn at negative or partly outside positions.

// Fills [left, right) x [top, bottom) with a colour, no outline.
void FillRect(DeviceContext& dc, const Rect& rect, Colour colour);

// The classic rectangle: brush inside, pen on the border, right and bottom edges excluded.
void DrawRectangle(DeviceContext& dc, int left, int top, int right, int bottom);

// Rectangle with corners rounded by an ellipse of ellipseWidth x ellipseHeight.
void DrawRoundRect(DeviceContext& dc, int left, int top, int right, int bottom, int ellipseWidth,
                   int ellipseHeight);

// Joins the points with the current pen; the last point itself is not drawn.
void DrawPolyline(DeviceContext& dc, std::span<const Point> points);

// Opaque copy of a w x h block of the source to (x, y).
void CopyBits(DeviceContext& dc, int x, int y, int width, int height, const Bitmap& source,
              int sourceX, int sourceY);

// Nearest-neighbour stretch of a source block onto a destination block.
void StretchBits(DeviceContext& dc, int x, int y, int width, int height, const Bitmap& source,
                 int sourceX, int sourceY, int sourceWidth, int sourceHeight);

// Like StretchBits, but source pixels exactly equal to the key stay transparent.
void CopyBitsKeyed(DeviceContext& dc, int x, int y, int width, int height, const Bitmap& source,
                   int sourceX, int sourceY, int sourceWidth, int sourceHeight, Colour key);

}  // namespace platform
