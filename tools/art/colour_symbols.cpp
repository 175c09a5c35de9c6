// The colour symbols: a small white shape with a dark rim for each paint
// colour, drawn over balls, splashes and the next-colour pill for players who
// cannot tell the paints apart. Shapes differ in outline, not only in size, so
// each reads at ball size in either set.

#include <cmath>

#include "drawings.hpp"
#include "palette.hpp"

namespace art {

namespace {

constexpr double kCell = 16;
constexpr double kSmallCell = 10;
constexpr double kRim = 1.4;  // half the dark stroke around each shape
constexpr Rgb kRimColour = Rgb8(22, 24, 34);
constexpr Rgb kFaceTop = Rgb8(255, 255, 255);
constexpr Rgb kFaceBottom = Rgb8(214, 218, 226);

void PolygonPath(cairo_t* cr, const double (*points)[2], int count) {
  cairo_move_to(cr, points[0][0], points[0][1]);
  for (int i = 1; i < count; ++i) cairo_line_to(cr, points[i][0], points[i][1]);
  cairo_close_path(cr);
}

// A regular star or polygon around (cx, cy): `count` outer points, every
// other vertex on the inner radius when inner > 0.
void StarPath(cairo_t* cr, double cx, double cy, int count, double outer, double inner) {
  const int vertices = inner > 0 ? 2 * count : count;
  for (int i = 0; i < vertices; ++i) {
    const double r = inner > 0 && i % 2 ? inner : outer;
    const double angle = -M_PI / 2 + M_PI * 2 * i / vertices;
    const double x = cx + r * std::cos(angle), y = cy + r * std::sin(angle);
    if (i == 0) {
      cairo_move_to(cr, x, y);
    } else {
      cairo_line_to(cr, x, y);
    }
  }
  cairo_close_path(cr);
}

// Colour code 1..6: triangle, circle, square, plus, diamond, star.
void ShapePath(cairo_t* cr, int colour, double cx, double cy) {
  switch (colour) {
    case 1:
      StarPath(cr, cx, cy + 0.8, 3, 5.6, 0);
      break;
    case 2:
      CirclePath(cr, cx, cy, 4.4);
      break;
    case 3:
      cairo_rectangle(cr, cx - 3.9, cy - 3.9, 7.8, 7.8);
      break;
    case 4: {
      const double a = 5.0, w = 1.9;
      const double plus[12][2] = {
          {cx - w, cy - a}, {cx + w, cy - a}, {cx + w, cy - w}, {cx + a, cy - w},
          {cx + a, cy + w}, {cx + w, cy + w}, {cx + w, cy + a}, {cx - w, cy + a},
          {cx - w, cy + w}, {cx - a, cy + w}, {cx - a, cy - w}, {cx - w, cy - w},
      };
      PolygonPath(cr, plus, 12);
      break;
    }
    case 5: {
      const double d = 5.4;
      const double diamond[4][2] = {{cx, cy - d}, {cx + d, cy}, {cx, cy + d}, {cx - d, cy}};
      PolygonPath(cr, diamond, 4);
      break;
    }
    default:
      StarPath(cr, cx, cy + 0.4, 5, 5.9, 2.6);
      break;
  }
}

// One symbol centred on (cx, cy), `size` times its full size.
void DrawSymbol(cairo_t* cr, int colour, double cx, double cy, double size) {
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, size, size);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  // A soft shadow down and right, the same light as every other picture.
  ShapePath(cr, colour, 0.6, 0.6);
  cairo_set_line_width(cr, 2 * kRim);
  SetColour(cr, kRimColour, 0.55);
  cairo_stroke_preserve(cr);
  cairo_fill(cr);
  ShapePath(cr, colour, 0, 0);
  SetColour(cr, kRimColour);
  cairo_stroke_preserve(cr);
  FillPathVertical(cr, -5, 5, kFaceTop, kFaceBottom);
  cairo_restore(cr);
}

}  // namespace

// The full symbols in a row of 16x16 cells; under them the small ones, in
// 10x10 cells, for the corner of a ball that carries a letter coin.
void DrawColourSymbols(Art& a) {
  for (int colour = 1; colour <= 6; ++colour) {
    DrawSymbol(a.cr, colour, kCell * (colour - 1) + kCell / 2, kCell / 2, 1.0);
    DrawSymbol(a.cr, colour, kSmallCell * (colour - 1) + kSmallCell / 2, kCell + kSmallCell / 2,
               kSmallCell / kCell);
  }
}

// The rim's own colour behind: the half-covered edge pixels darken into the
// rim, never towards the key or the colour of one ball.
void ColourSymbolBackdrop(Art& a) {
  FillRect(a.cr, 0, 0, 6 * kCell, kCell + kSmallCell, kRimColour);
}

}  // namespace art
