// The fittings of the game screen's frame: the small buttons, coils, hazard
// sign, paint pot, next-colour pills, the reserve gauge, score box, time label
// and level tiles.

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "drawings.hpp"
#include "palette.hpp"

namespace art {

namespace {

const Rgb kIcon = Rgb8(214, 222, 234);

// The 17x17 plate the small buttons share.
void ButtonPlate(cairo_t* cr, double x, double y, double w, double h) {
  RoundPlate(cr, x, y, w, h, 3, Rgb8(58, 68, 88), Rgb8(110, 124, 150), Rgb8(10, 12, 18));
}

void SpeakerPath(cairo_t* cr, double x, double y, double s) {
  // A speaker box with its cone, facing right; s is its height.
  cairo_move_to(cr, x, y + s * 0.32);
  cairo_line_to(cr, x + s * 0.28, y + s * 0.32);
  cairo_line_to(cr, x + s * 0.62, y);
  cairo_line_to(cr, x + s * 0.62, y + s);
  cairo_line_to(cr, x + s * 0.28, y + s * 0.68);
  cairo_line_to(cr, x, y + s * 0.68);
  cairo_close_path(cr);
}

void Cross(cairo_t* cr, double cx, double cy, double half, double width, Rgb c) {
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, cx - half, cy - half);
  cairo_line_to(cr, cx + half, cy + half);
  cairo_move_to(cr, cx + half, cy - half);
  cairo_line_to(cr, cx - half, cy + half);
  SetColour(cr, c);
  cairo_stroke(cr);
}

void BackArrow(cairo_t* cr, double cx, double cy, double s, double width, Rgb c) {
  // A curved arrow turning back to the left.
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_arc(cr, cx + s * 0.05, cy + s * 0.1, s * 0.42, -M_PI * 0.85, M_PI * 0.55);
  SetColour(cr, c);
  cairo_stroke(cr);
  const double tx = cx - s * 0.34, ty = cy - s * 0.2;
  cairo_move_to(cr, tx - s * 0.26, ty - s * 0.05);
  cairo_line_to(cr, tx + s * 0.2, ty - s * 0.28);
  cairo_line_to(cr, tx + s * 0.12, ty + s * 0.22);
  cairo_close_path(cr);
  cairo_fill(cr);
}

}  // namespace

void DrawSoundIcon(Art& a) {
  cairo_t* cr = a.cr;
  ButtonPlate(cr, 0, 0, 17, 17);
  SpeakerPath(cr, 3, 4.5, 8);
  SetColour(cr, kIcon);
  cairo_fill(cr);
  if (a.index == 1) {
    cairo_set_line_width(cr, 1.1);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < 2; ++i) {
      cairo_arc(cr, 8.5, 8.5, 2.6 + 2.4 * i, -M_PI * 0.3, M_PI * 0.3);
      SetColour(cr, kIcon);
      cairo_stroke(cr);
    }
  } else {
    Cross(cr, 12.2, 8.5, 2.0, 1.4, Rgb8(255, 96, 80));
  }
}

void DrawCloseButton(Art& a) {
  ButtonPlate(a.cr, 0, 0, 17, 17);
  Cross(a.cr, 8.5, 8.5, 3.6, 1.8, kIcon);
}

void DrawBackButton(Art& a) {
  ButtonPlate(a.cr, 0, 0, 17, 17);
  BackArrow(a.cr, 8.5, 8.5, 10, 1.6, kIcon);
}

void DrawMenuButton(Art& a) {
  // Abandon (left half) and exit (right half), for the square layouts.
  cairo_t* cr = a.cr;
  ButtonPlate(cr, 0, 0, 12, 12);
  ButtonPlate(cr, 12, 0, 12, 12);
  BackArrow(cr, 6, 6, 7, 1.2, kIcon);
  Cross(cr, 18, 6, 2.4, 1.4, kIcon);
}

void ButtonBedBackdrop(Art& a) {
  FillRect(a.cr, 0, 0, 60, 60, kButtonBed);
}
void ReserveTopBackdrop(Art& a) {
  FillRect(a.cr, 0, 0, 60, 60, kButtonBed);
}

// ---- Coils ------------------------------------------------------------------

void PaintCoil(cairo_t* cr, int frame, double x, double y) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  const bool lit = frame == 0;
  // Housing.
  Recess(cr, 0, 0, 30, 24, Rgb8(16, 19, 28));
  // Core rod and terminals.
  TubeShade(cr, 2, 8, 26, 7, Rgb8(120, 126, 138), true);
  FillRect(cr, 1, 6, 3, 11, kBrassDark);
  FillRect(cr, 26, 6, 3, 11, kBrassDark);
  FillRect(cr, 1.5, 6.5, 1, 10, kBrass);
  FillRect(cr, 26.5, 6.5, 1, 10, kBrass);
  // Windings: copper, glowing orange-hot when lit.
  const Rgb wire = lit ? Rgb8(255, 150, 60) : kCopper;
  for (int i = 0; i < 10; ++i) {
    const double wx = 5.2 + i * 2.0;
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 4, 0, 19);
    const Rgb top = lit ? Rgb8(255, 230, 160) : kCopperLight;
    const Rgb bottom = lit ? Rgb8(190, 60, 10) : kCopperDark;
    cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(p, 0.45, wire.r, wire.g, wire.b);
    cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
    RoundedRectPath(cr, wx, 4.5, 1.7, 14, 0.85);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
  }
  if (lit) {
    cairo_pattern_t* g = cairo_pattern_create_radial(15, 11.5, 2, 15, 11.5, 15);
    cairo_pattern_add_color_stop_rgba(g, 0, 1.0, 0.6, 0.2, 0.35);
    cairo_pattern_add_color_stop_rgba(g, 1, 1.0, 0.4, 0.1, 0.0);
    cairo_rectangle(cr, 1, 1, 28, 17);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
  // The base: a steel lamp bar, all the top bar shows of the second coil, so
  // it reads on its own: three lamps in brass bezels, dark red glass when
  // out, amber when lit.
  FillVertical(cr, 0, 18, 30, 6, kSteelShine, kSteel);
  FillRect(cr, 0, 18, 30, 1, Mix(kSteelShine, kWhite, 0.3));
  for (int i = 0; i < 3; ++i) {
    const double lx = 8 + i * 7, ly = 21;
    CirclePath(cr, lx, ly, 2.4);
    SetColour(cr, kBrassDark);
    cairo_fill(cr);
    CirclePath(cr, lx, ly, 1.7);
    SetColour(cr, lit ? Rgb8(255, 176, 48) : Rgb8(110, 26, 18));
    cairo_fill(cr);
    CirclePath(cr, lx - 0.6, ly - 0.6, 0.7);
    SetColour(cr, lit ? Rgb8(255, 246, 210) : Rgb8(220, 130, 110), lit ? 1.0 : 0.7);
    cairo_fill(cr);
  }
  cairo_restore(cr);
}

void DrawCoil(Art& a) {
  PaintCoil(a.cr, a.index, 0, 0);
}

// ---- Hazard sign ------------------------------------------------------------

void PaintHazard(cairo_t* cr, int frame, double x, double y) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  const bool lit = frame == 1;
  SteelPlate(cr, 0, 0, 29, 30);
  if (lit) {
    cairo_pattern_t* g = cairo_pattern_create_radial(14.5, 17, 2, 14.5, 17, 15);
    cairo_pattern_add_color_stop_rgba(g, 0, 1.0, 0.85, 0.2, 0.55);
    cairo_pattern_add_color_stop_rgba(g, 1, 1.0, 0.7, 0.1, 0.0);
    cairo_rectangle(cr, 1, 1, 27, 28);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
  auto triangle = [&](double inset) {
    cairo_move_to(cr, 14.5, 3.5 + inset * 1.6);
    cairo_line_to(cr, 26.5 - inset * 1.4, 25.5 - inset * 0.8);
    cairo_line_to(cr, 2.5 + inset * 1.4, 25.5 - inset * 0.8);
    cairo_close_path(cr);
  };
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  triangle(0);
  cairo_set_line_width(cr, 2.4);
  SetColour(cr, kHazardBlack);
  cairo_stroke_preserve(cr);
  cairo_fill(cr);
  triangle(1.6);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 6, 0, 25);
  const Rgb top = lit ? Rgb8(255, 246, 150) : Rgb8(236, 190, 40);
  const Rgb bottom = lit ? Rgb8(255, 200, 40) : Rgb8(190, 140, 20);
  cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  // The exclamation mark.
  cairo_move_to(cr, 13.3, 10);
  cairo_line_to(cr, 15.7, 10);
  cairo_line_to(cr, 15.1, 18.2);
  cairo_line_to(cr, 13.9, 18.2);
  cairo_close_path(cr);
  SetColour(cr, kHazardBlack);
  cairo_fill(cr);
  CirclePath(cr, 14.5, 21.2, 1.4);
  cairo_fill(cr);
  cairo_restore(cr);
}

void DrawHazardSign(Art& a) {
  PaintHazard(a.cr, a.index, 0, 0);
}

// ---- Paint pot --------------------------------------------------------------

void PaintPot(cairo_t* cr, int frame, double x, double y) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  // The bottom panel's own shading at rows 29..53, so the pot sits in it unseen.
  FillVertical(cr, 0, 0, 19, 24, kPotBackdropTop, kPotBackdropBottom);
  const Rgb paint = kPaint[3];
  // Handle.
  cairo_set_line_width(cr, 1.0);
  cairo_new_path(cr);
  cairo_arc(cr, 9.5, 6, 5.2, M_PI * 1.05, M_PI * 1.95);
  SetColour(cr, kSteelShine);
  cairo_stroke(cr);
  // The can, a little narrower at the foot, lit from the left.
  cairo_move_to(cr, 3.5, 6);
  cairo_line_to(cr, 15.5, 6);
  cairo_line_to(cr, 14.6, 16.5);
  cairo_curve_to(cr, 12, 17.6, 7, 17.6, 4.4, 16.5);
  cairo_close_path(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(3.5, 0, 15.5, 0);
  cairo_pattern_add_color_stop_rgb(p, 0, 0.55, 0.6, 0.68);
  cairo_pattern_add_color_stop_rgb(p, 0.3, 0.86, 0.89, 0.94);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.36, 0.4, 0.48);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  // A paint label band and the paint showing at the rim, running over the lip.
  FillRect(cr, 4, 9.5, 11, 4, paint);
  FillRect(cr, 4, 9.5, 11, 1, Pale(paint, 0.4));
  cairo_save(cr);
  cairo_scale(cr, 1, 0.35);
  CirclePath(cr, 9.5, 6 / 0.35, 6);
  cairo_restore(cr);
  SetColour(cr, Scale(paint, 0.8));
  cairo_fill(cr);
  cairo_move_to(cr, 11.5, 6.2);
  cairo_line_to(cr, 13.4, 6.2);
  cairo_line_to(cr, 13.2, 9.0);
  cairo_arc(cr, 12.5, 9.0, 0.8, 0, M_PI);
  cairo_close_path(cr);
  SetColour(cr, paint);
  cairo_fill(cr);
  // A hole in the foot lets the reserve drip: forming, falling, splashing.
  FillRect(cr, 8.8, 16.8, 1.4, 1, Scale(paint, 0.6));
  if (frame == 1) {
    CirclePath(cr, 9.5, 18.6, 1.1);
    SetColour(cr, paint);
    cairo_fill(cr);
  } else if (frame == 2) {
    cairo_move_to(cr, 9.5, 18.8);
    cairo_curve_to(cr, 10.3, 20, 10.8, 20.7, 10.8, 21.2);
    cairo_arc(cr, 9.5, 21.2, 1.3, 0, M_PI);
    cairo_curve_to(cr, 8.2, 20.7, 8.7, 20, 9.5, 18.8);
    SetColour(cr, paint);
    cairo_fill(cr);
  } else if (frame == 3) {
    cairo_save(cr);
    cairo_scale(cr, 1, 0.4);
    CirclePath(cr, 9.5, 23.0 / 0.4, 3.0);
    cairo_restore(cr);
    SetColour(cr, paint);
    cairo_fill(cr);
    CirclePath(cr, 6.2, 21.2, 0.7);
    CirclePath(cr, 12.8, 21.0, 0.7);
    cairo_fill(cr);
  }
  cairo_restore(cr);
}

void DrawPaintPot(Art& a) {
  PaintPot(a.cr, a.index, 0, 0);
}

// ---- Next-colour pill -------------------------------------------------------

namespace {

void PaintPill(cairo_t* cr, int colour) {
  const Rgb c = kPaint[colour];
  Recess(cr, 0, 0, 18, 25, kSlot);
  // A glossy capsule, lit from the top left.
  RoundedRectPath(cr, 3.5, 2, 11, 21, 5.5);
  SetColour(cr, Scale(c, 0.35));
  cairo_fill(cr);
  cairo_save(cr);
  RoundedRectPath(cr, 4, 2.5, 10, 20, 5);
  cairo_clip(cr);
  TubeShade(cr, 4, 2.5, 10, 20, c, false);
  cairo_pattern_t* v = cairo_pattern_create_linear(0, 2.5, 0, 22.5);
  cairo_pattern_add_color_stop_rgba(v, 0, 1, 1, 1, 0.25);
  cairo_pattern_add_color_stop_rgba(v, 0.4, 1, 1, 1, 0.0);
  cairo_pattern_add_color_stop_rgba(v, 1, 0, 0, 0, 0.3);
  cairo_rectangle(cr, 4, 2.5, 10, 20);
  cairo_set_source(cr, v);
  cairo_fill(cr);
  cairo_pattern_destroy(v);
  cairo_restore(cr);
  RoundedRectPath(cr, 6, 4.5, 2.2, 9, 1.1);
  SetColour(cr, kWhite, 0.75);
  cairo_fill(cr);
}

}  // namespace

void DrawPaintPill(Art& a) {
  PaintPill(a.cr, a.index + 1);
}

void DrawBlackPaintPill(Art& a) {
  PaintPill(a.cr, 7);
}

// ---- Reserve gauge ----------------------------------------------------------

namespace {

void TubeGlass(cairo_t* cr, double h) {
  FillRect(cr, 0, 0, 13, h, Rgb8(20, 24, 34));
  FillRect(cr, 0, 0, 1, h, kSteelLight);
  FillRect(cr, 12, 0, 1, h, kSteelShadow);
  FillRect(cr, 1, 0, 1, h, Rgb8(70, 80, 100));
  FillRect(cr, 11, 0, 1, h, Rgb8(50, 58, 74));
}

void TubeHighlight(cairo_t* cr, double h) {
  FillRect(cr, 3, 0, 1.2, h, kWhite, 0.28);
  FillRect(cr, 9.2, 0, 0.8, h, kWhite, 0.1);
}

}  // namespace

void DrawGaugePiece(Art& a) {
  cairo_t* cr = a.cr;
  if (a.index >= 2) {
    const double h = 116;
    TubeGlass(cr, h);
    if (a.index == 3) {
      // Full: the six paints stacked, red on top.
      cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, h);
      for (int i = 0; i < 6; ++i) {
        const Rgb c = kPaint[kWheelOrder[i]];
        cairo_pattern_add_color_stop_rgb(p, (i + 0.5) / 6.0, c.r, c.g, c.b);
      }
      cairo_rectangle(cr, 2, 0, 9, h);
      cairo_set_source(cr, p);
      cairo_fill(cr);
      cairo_pattern_destroy(p);
      cairo_pattern_t* s = cairo_pattern_create_linear(2, 0, 11, 0);
      cairo_pattern_add_color_stop_rgba(s, 0, 0, 0, 0, 0.35);
      cairo_pattern_add_color_stop_rgba(s, 0.4, 0, 0, 0, 0.0);
      cairo_pattern_add_color_stop_rgba(s, 1, 0, 0, 0, 0.4);
      cairo_rectangle(cr, 2, 0, 9, h);
      cairo_set_source(cr, s);
      cairo_fill(cr);
      cairo_pattern_destroy(s);
    } else {
      // Empty: scale marks on the back wall.
      for (int i = 1; i < 12; ++i) FillRect(cr, 7, i * 9.7, 3, 0.8, kSteelLight, 0.6);
    }
    TubeHighlight(cr, h);
    return;
  }
  // The level marker: the paint's surface, blinking between a white foam and
  // an amber glow.
  TubeGlass(cr, 13);
  const Rgb glow = a.index == 0 ? Rgb8(250, 252, 255) : Rgb8(255, 190, 40);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, 13);
  cairo_pattern_add_color_stop_rgba(p, 0, glow.r, glow.g, glow.b, 1.0);
  cairo_pattern_add_color_stop_rgba(p, 0.35, glow.r, glow.g, glow.b, 0.85);
  cairo_pattern_add_color_stop_rgba(p, 1, glow.r, glow.g, glow.b, 0.15);
  cairo_rectangle(cr, 2, 0, 9, 13);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  // Pointers on both sides of the tube.
  cairo_move_to(cr, 0, 0);
  cairo_line_to(cr, 3, 2);
  cairo_line_to(cr, 0, 4);
  cairo_close_path(cr);
  cairo_move_to(cr, 13, 0);
  cairo_line_to(cr, 10, 2);
  cairo_line_to(cr, 13, 4);
  cairo_close_path(cr);
  SetColour(cr, a.index == 0 ? kAmber : Rgb8(255, 80, 40));
  cairo_fill(cr);
  TubeHighlight(cr, 13);
}

// ---- Score box, time label, level tiles -------------------------------------

void DrawScoreBox(Art& a) {
  cairo_t* cr = a.cr;
  FillRect(cr, 0, 0, 60, 20, kSteelShadow);
  FillRect(cr, 1, 1, 59, 19, kSteelLight);
  FillRect(cr, 1, 1, 58, 18, Rgb8(60, 70, 60));
  FillVertical(cr, 2, 2, 56, 16, Rgb8(200, 214, 172), kLcd);
  FillRect(cr, 2, 2, 56, 1, Rgb8(160, 176, 136));
  FillRect(cr, 2, 2, 1, 16, Rgb8(176, 190, 150));
}

void DrawTimeLabel(Art& a) {
  cairo_t* cr = a.cr;
  FillRect(cr, 0, 0, 30, 25, kSteelShadow);
  FillRect(cr, 1, 1, 29, 24, kSteelLight);
  FillRect(cr, 1, 1, 28, 23, Rgb8(90, 60, 40));
  FillVertical(cr, 2, 2, 26, 15, Rgb8(236, 212, 160), Rgb8(250, 232, 190));
  FillRect(cr, 2, 2, 26, 1, Rgb8(200, 170, 120));
  // The word along the bottom, under the seconds: square pixel letters, which
  // stay sharp at this size where outline text would blur. Every letter pixel
  // lands on whole pixels of either set (a half-pixel start smears a 5-pixel
  // M into a blot), and one red row above keeps the tops of T, M and E off
  // the pale face.
  FillRect(cr, 2, 17, 26, 6, Rgb8(140, 20, 14));
  static const char* const kGlyphs[4][5] = {
      {"###", ".#.", ".#.", ".#.", ".#."},
      {"#", "#", "#", "#", "#"},
      {"#...#", "##.##", "#.#.#", "#...#", "#...#"},
      {"###", "#..", "##.", "#..", "###"},
  };
  int wordWidth = -1;
  for (const auto& glyph : kGlyphs) wordWidth += static_cast<int>(std::strlen(glyph[0])) + 1;
  int gx = 2 + (26 - wordWidth) / 2;
  for (const auto& glyph : kGlyphs) {
    const int width = static_cast<int>(std::strlen(glyph[0]));
    for (int row = 0; row < 5; ++row)
      for (int col = 0; col < width; ++col)
        if (glyph[row][col] == '#') FillRect(cr, gx + col, 18 + row, 1, 1, Rgb8(255, 236, 200));
    gx += width + 1;
  }
}

void DrawMultiplierTiles(Art& a) {
  cairo_t* cr = a.cr;
  FillRect(cr, 0, 0, 180, 20, kSlot);
  for (int i = 0; i < 9; ++i) {
    const double x = 20 * i;
    RoundPlate(cr, x, 0, 20, 20, 3, kBrass, kBrassLight, kBrassDark);
    const std::string text = "x" + std::to_string(i + 1);
    UseFace(cr, Face::Bold, 13.5);
    CentredTextPath(cr, text, x + 10.5, 15.3);
    SetColour(cr, Rgb8(255, 236, 170), 0.7);
    cairo_fill(cr);
    CentredTextPath(cr, text, x + 10, 14.8);
    SetColour(cr, Rgb8(52, 32, 6));
    cairo_fill(cr);
  }
}

// ---- Colour wheel icon ------------------------------------------------------

void DrawColourWheelIcon(Art& a) {
  cairo_t* cr = a.cr;
  CirclePath(cr, 10, 10, 9.5);
  SetColour(cr, kInk);
  cairo_fill(cr);
  for (int i = 0; i < 6; ++i) {
    const double a0 = -M_PI / 2 - M_PI / 6 + i * M_PI / 3;
    cairo_move_to(cr, 10, 10);
    cairo_arc(cr, 10, 10, 8.5, a0, a0 + M_PI / 3);
    cairo_close_path(cr);
    SetColour(cr, kPaint[kWheelOrder[i]]);
    cairo_fill(cr);
  }
  CirclePath(cr, 10, 10, 2.6);
  SetColour(cr, Rgb8(230, 232, 236));
  cairo_fill(cr);
  cairo_pattern_t* g = cairo_pattern_create_radial(7, 6, 0.5, 10, 10, 9);
  cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, 0.45);
  cairo_pattern_add_color_stop_rgba(g, 0.6, 1, 1, 1, 0.0);
  CirclePath(cr, 10, 10, 8.5);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

}  // namespace art
