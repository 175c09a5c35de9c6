// The small pieces of the board: the empty slot, the letter coins, the
// direction-pad cursor and the paint splats.

#include <algorithm>
#include <cmath>
#include <string>

#include "drawings.hpp"
#include "palette.hpp"

namespace art {

void DrawEmptyCell(Art& a) {
  cairo_t* cr = a.cr;
  // The lip between slots: one pixel on every edge, so 2x2 tiles join cleanly.
  FillRect(cr, 0, 0, 30, 30, Rgb8(36, 43, 58));
  // The hole, darker at the top where the lip shades it.
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 1, 0, 29);
  cairo_pattern_add_color_stop_rgb(p, 0, kSlotDeep.r, kSlotDeep.g, kSlotDeep.b);
  cairo_pattern_add_color_stop_rgb(p, 0.25, kSlot.r, kSlot.g, kSlot.b);
  const Rgb low = Rgb8(24, 29, 42);
  cairo_pattern_add_color_stop_rgb(p, 1, low.r, low.g, low.b);
  RoundedRectPath(cr, 1, 1, 28, 28, 4);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  // Inner shadow along the top and left, a thin light edge bottom right.
  cairo_save(cr);
  RoundedRectPath(cr, 1, 1, 28, 28, 4);
  cairo_clip(cr);
  cairo_set_line_width(cr, 2.0);
  RoundedRectPath(cr, 1.5 + 1.4, 1.5 + 1.4, 28, 28, 4);
  SetColour(cr, kSlotLip, 0.9);
  cairo_set_line_width(cr, 1.0);
  cairo_stroke(cr);
  RoundedRectPath(cr, 1 - 1.2, 1 - 1.2, 28, 28, 4.5);
  cairo_set_line_width(cr, 3.0);
  SetColour(cr, kSlotDeep, 0.9);
  cairo_stroke(cr);
  cairo_restore(cr);
  // A faint pool of light where a ball would rest.
  cairo_pattern_t* g = cairo_pattern_create_radial(15, 17, 1, 15, 17, 12);
  cairo_pattern_add_color_stop_rgba(g, 0, 0.30, 0.36, 0.48, 0.22);
  cairo_pattern_add_color_stop_rgba(g, 1, 0.30, 0.36, 0.48, 0.0);
  CirclePath(cr, 15, 17, 12);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

// ---- Letter coins -----------------------------------------------------------

namespace {

const char* const kLetters[7] = {"F", "A", "N", "D", "R", "I", "S"};

void Coin(Art& a, bool bright) {
  cairo_t* cr = a.cr;
  const double cx = 15, cy = 15, r = 9;
  // A dark edge so the coin reads on any ball.
  CirclePath(cr, cx, cy, r);
  SetColour(cr, bright ? Rgb8(74, 44, 8) : Rgb8(26, 19, 12));
  cairo_fill(cr);
  cairo_pattern_t* p = cairo_pattern_create_radial(cx - 3, cy - 3.5, 0.5, cx, cy, r - 0.8);
  if (bright) {
    cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.95, 0.66);
    cairo_pattern_add_color_stop_rgb(p, 0.45, 0.96, 0.78, 0.22);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.70, 0.46, 0.08);
  } else {
    // Dull, dark bronze: clearly not the gold of a collected letter.
    cairo_pattern_add_color_stop_rgb(p, 0, 0.34, 0.26, 0.18);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.19, 0.14, 0.09);
  }
  CirclePath(cr, cx, cy, r - 0.9);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  // The raised rim: light on the upper left, shade on the lower right.
  cairo_set_line_width(cr, 0.8);
  cairo_arc(cr, cx, cy, r - 2.2, M_PI * 0.75, M_PI * 1.75);
  SetColour(cr, bright ? Rgb8(150, 96, 20) : Rgb8(22, 16, 10), 0.9);
  cairo_stroke(cr);
  cairo_arc(cr, cx, cy, r - 2.2, -M_PI * 0.25, M_PI * 0.75);
  SetColour(cr, bright ? Rgb8(255, 236, 160) : Rgb8(104, 82, 58), 0.8);
  cairo_stroke(cr);
  // The letter, embossed. A gold coin has a dark letter with a light edge below
  // right; a dim one has a pale, unpolished letter with a dark edge, which
  // keeps every letter readable in the strip while the face stays dull.
  const std::string letter = kLetters[a.index];
  UseFace(cr, Face::Bold, 12.5);
  CentredTextPath(cr, letter, cx + 0.55, cy + 4.9);
  SetColour(cr, bright ? Rgb8(255, 240, 170) : Rgb8(12, 8, 4), bright ? 0.9 : 0.8);
  cairo_fill(cr);
  CentredTextPath(cr, letter, cx, cy + 4.4);
  SetColour(cr, bright ? Rgb8(78, 40, 4) : Rgb8(206, 178, 134));
  cairo_fill(cr);
  if (bright) {
    // A small glint, top left.
    const double gx = 10.0, gy = 9.0;
    cairo_move_to(cr, gx - 2.6, gy);
    cairo_line_to(cr, gx, gy - 0.6);
    cairo_line_to(cr, gx + 2.6, gy);
    cairo_line_to(cr, gx, gy + 0.6);
    cairo_close_path(cr);
    cairo_move_to(cr, gx, gy - 2.6);
    cairo_line_to(cr, gx + 0.6, gy);
    cairo_line_to(cr, gx, gy + 2.6);
    cairo_line_to(cr, gx - 0.6, gy);
    cairo_close_path(cr);
    SetColour(cr, Rgb8(255, 255, 240), 0.95);
    cairo_fill(cr);
  }
}

}  // namespace

void DrawDimCoin(Art& a) {
  Coin(a, false);
}
void DrawBrightCoin(Art& a) {
  Coin(a, true);
}

// Coins sit on balls and in the dark letter strip: edges blend into the dark.
void CoinBackdrop(Art& a) {
  FillRect(a.cr, 0, 0, 30, 30, kStrip);
}

// ---- Cursor -----------------------------------------------------------------

void DrawCursorFrame(Art& a) {
  cairo_t* cr = a.cr;
  // Dark contours inside and out keep the amber readable on bright balls.
  cairo_set_line_width(cr, 4.0);
  RoundedRectPath(cr, 2, 2, 26, 26, 3);
  SetColour(cr, kInk, 0.75);
  cairo_stroke(cr);
  cairo_set_line_width(cr, 2.0);
  RoundedRectPath(cr, 2, 2, 26, 26, 3);
  SetColour(cr, kAmber);
  cairo_stroke(cr);
  // Corner ticks pointing in.
  for (int i = 0; i < 4; ++i) {
    const double x = (i % 2) ? 27 : 3, y = (i / 2) ? 27 : 3;
    const double dx = (i % 2) ? -1 : 1, dy = (i / 2) ? -1 : 1;
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + 5 * dx, y);
    cairo_line_to(cr, x + 5 * dx, y + 1.5 * dy);
    cairo_line_to(cr, x + 1.5 * dx, y + 1.5 * dy);
    cairo_line_to(cr, x + 1.5 * dx, y + 5 * dy);
    cairo_line_to(cr, x, y + 5 * dy);
    cairo_close_path(cr);
    SetColour(cr, Rgb8(255, 226, 120));
    cairo_fill(cr);
  }
}

// ---- Splats -----------------------------------------------------------------

namespace {

// An irregular blob: a circle whose radius wanders with a few waves.
void BlobPath(cairo_t* cr, double cx, double cy, double r, double wobble, int spikes,
              double spikeLength, unsigned seed) {
  const int steps = 96;
  for (int i = 0; i <= steps; ++i) {
    const double t = 2 * M_PI * i / steps;
    double rr = r;
    for (int k = 2; k <= 5; ++k)
      rr += wobble * (Hash01(seed, static_cast<unsigned>(k)) - 0.5) *
            std::sin(k * t + 6.28 * Hash01(seed, static_cast<unsigned>(k), 9));
    if (spikes > 0) {
      const double s = std::pow(std::max(0.0, std::cos(spikes * t + seed)), 8);
      rr += spikeLength * s * (0.6 + 0.4 * Hash01(seed, static_cast<unsigned>(i * spikes / steps)));
    }
    const double x = cx + rr * std::cos(t), y = cy + rr * std::sin(t);
    if (i == 0)
      cairo_move_to(cr, x, y);
    else
      cairo_line_to(cr, x, y);
  }
  cairo_close_path(cr);
}

// Wet paint: the colour with a darker rim and a bright wet highlight.
void FillPaint(cairo_t* cr, Rgb c, double cx, double cy, double r) {
  cairo_pattern_t* p = cairo_pattern_create_radial(cx - r * 0.35, cy - r * 0.4, 0, cx, cy, r);
  const Rgb hi = Pale(c, 0.45), mid = c, lo = Scale(c, 0.7);
  cairo_pattern_add_color_stop_rgb(p, 0, hi.r, hi.g, hi.b);
  cairo_pattern_add_color_stop_rgb(p, 0.35, mid.r, mid.g, mid.b);
  cairo_pattern_add_color_stop_rgb(p, 1, lo.r, lo.g, lo.b);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void Droplet(cairo_t* cr, Rgb c, double x, double y, double r) {
  CirclePath(cr, x, y, r);
  FillPaint(cr, c, x, y, r);
}

void Drop(cairo_t* cr, Rgb c, double cx, double cy, double size) {
  // A falling teardrop, pointed at the top.
  cairo_move_to(cr, cx, cy - size * 1.5);
  cairo_curve_to(cr, cx + size * 0.2, cy - size * 0.8, cx + size, cy - size * 0.3, cx + size, cy);
  cairo_arc(cr, cx, cy, size, 0, M_PI);
  cairo_curve_to(cr, cx - size, cy - size * 0.3, cx - size * 0.2, cy - size * 0.8, cx,
                 cy - size * 1.5);
  cairo_close_path(cr);
  FillPaint(cr, c, cx, cy - size * 0.3, size * 1.4);
}

void SplatFrame(cairo_t* cr, Rgb c, int frame, unsigned seed) {
  switch (frame) {
    case 0:  // the drop arrives
      Drop(cr, c, 15, 15, 5.0);
      Droplet(cr, c, 16.5, 4.5, 1.5);
      break;
    case 1:  // it bursts
      BlobPath(cr, 15, 15, 8.5, 3.0, 7, 4.5, seed);
      FillPaint(cr, c, 15, 15, 12);
      for (int i = 0; i < 5; ++i) {
        const double t = 2 * M_PI * (i + Hash01(seed, static_cast<unsigned>(i), 2)) / 5;
        const double d = 11.5 + 1.5 * Hash01(seed, static_cast<unsigned>(i), 3);
        Droplet(cr, c, 15 + d * std::cos(t), 15 + d * std::sin(t), 1.3);
      }
      break;
    case 2: {  // the cell is flooded (drawn without a key: every pixel painted)
      Art cell{cr, 1, 0};
      DrawEmptyCell(cell);
      BlobPath(cr, 15, 15, 12.8, 2.2, 9, 1.8, seed);
      FillPaint(cr, c, 15, 15, 15);
      break;
    }
    default:  // drips run down and fade
      for (int i = 0; i < 3; ++i) {
        const double x = 8 + 7 * i + 2 * Hash01(seed, static_cast<unsigned>(i), 4);
        const double len = 5 + 8 * Hash01(seed, static_cast<unsigned>(i), 5);
        const double top = 3 + 2 * Hash01(seed, static_cast<unsigned>(i), 6);
        cairo_move_to(cr, x - 1.0, top);
        cairo_line_to(cr, x - 0.8, top + len);
        cairo_arc_negative(cr, x, top + len + 0.4, 1.7, M_PI * 1.1, M_PI * -0.1);
        cairo_line_to(cr, x + 1.0, top);
        cairo_arc_negative(cr, x, top, 1.0, 0, M_PI);
        cairo_close_path(cr);
        FillPaint(cr, c, x, top + len / 2, len);
      }
      Droplet(cr, c, 15, 26, 1.3);
      break;
  }
}

}  // namespace

void DrawSplatSheet(Art& a) {
  for (int col = 0; col < 3; ++col) {
    const int colour = a.index * 3 + col + 1;
    for (int frame = 0; frame < 4; ++frame) {
      cairo_save(a.cr);
      cairo_translate(a.cr, col * 30, frame * 30);
      cairo_rectangle(a.cr, 0, 0, 30, 30);
      cairo_clip(a.cr);
      SplatFrame(a.cr, kPaint[colour], frame, static_cast<unsigned>(colour * 17 + frame));
      cairo_restore(a.cr);
    }
  }
}

// Splat edges blend into a deep shade of their own paint, so they stay clean
// over any ball; the flooded frame covers an empty slot.
void SplatSheetBackdrop(Art& a) {
  for (int col = 0; col < 3; ++col) {
    const int colour = a.index * 3 + col + 1;
    for (int frame = 0; frame < 4; ++frame)
      FillRect(a.cr, col * 30, frame * 30, 30, 30, Scale(kPaint[colour], 0.45));
  }
}

}  // namespace art
