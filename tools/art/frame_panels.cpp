// The steel frame of the game screen: top bar, reserve column, bottom panel,
// the side panels of the landscape and square layouts and the 320x320 corners.
// Places the game draws over are kept calm, and where a picture is later
// swapped in (coils, hazard sign, paint pot, score box) its first frame is
// painted in already, so nothing jumps when the blinking starts.

#include <cmath>

#include "drawings.hpp"
#include "palette.hpp"

namespace art {

namespace {

// The flat bed behind the three small buttons.
void ButtonBed(cairo_t* cr, double x, double y, double w, double h) {
  FillRect(cr, x, y, w, h, kButtonBed);
}

void Vents(cairo_t* cr, double x, double y, double w, int count) {
  for (int i = 0; i < count; ++i) {
    RoundedRectPath(cr, x, y + i * 4.0, w, 2, 1);
    SetColour(cr, kSteelShadow);
    cairo_fill(cr);
    FillRect(cr, x + 1, y + i * 4.0 + 2, w - 2, 0.8, kSteelLight, 0.6);
  }
}

// A copper pipe between fittings, horizontal or vertical.
void CopperRun(cairo_t* cr, double x, double y, double length, double width, bool horizontal) {
  if (horizontal) {
    TubeShade(cr, x, y, length, width, kCopper, true);
  } else {
    TubeShade(cr, x, y, width, length, kCopper, false);
  }
}

void Flange(cairo_t* cr, double x, double y, double w, double h) {
  RoundPlate(cr, x, y, w, h, 1, kBrass, kBrassLight, kBrassDark);
}

void NamePlate(cairo_t* cr, double x, double y, double w, double h, const char* text, double em) {
  RoundPlate(cr, x, y, w, h, 2, kBrass, kBrassLight, kBrassDark);
  Rivet(cr, x + 3, y + h / 2, 2.2);
  Rivet(cr, x + w - 3, y + h / 2, 2.2);
  UseFace(cr, Face::Bold, em);
  const double baseline = y + h / 2 + em * 0.36;
  CentredTextPath(cr, text, x + w / 2 + 0.5, baseline + 0.5);
  SetColour(cr, kBrassLight, 0.8);
  cairo_fill(cr);
  CentredTextPath(cr, text, x + w / 2, baseline);
  SetColour(cr, Rgb8(60, 40, 8));
  cairo_fill(cr);
}

}  // namespace

void DrawTopBar(Art& a) {
  cairo_t* cr = a.cr;
  SteelPlate(cr, 0, 0, 240, 31);
  FillRect(cr, 0, 30, 240, 1, kSteelShadow);
  // The second coil's lamp bar shows through a brass-rimmed slot in the top edge.
  FillRect(cr, 45, 0, 34, 8, kBrassDark);
  FillRect(cr, 46, 0, 32, 7, kBrass);
  FillRect(cr, 46, 6, 32, 1, kBrassLight);
  cairo_save(cr);
  cairo_rectangle(cr, 47, 0, 30, 6);
  cairo_clip(cr);
  PaintCoil(cr, 1, 47, -18);
  cairo_restore(cr);
  // The game's name, small, in brass.
  UseFace(cr, Face::Bold, 12.5);
  OutlinedText(cr, "Fandriass II", 44, 24.5, kBrassLight, kBrass, kInk, 1.0, 0.8);
  // Warning stripes between the name and the buttons.
  FillRect(cr, 95, 12, 72, 11, kSteelShadow);
  HazardStripes(cr, 96, 13, 70, 9, 4.5);
  Rivet(cr, 89, 17.5, 3.2);
  Rivet(cr, 172, 17.5, 3.2);
  Rivet(cr, 4, 4, 3);
  // The buttons' bed at the right end.
  ButtonBed(cr, 177, 0, 63, 30);
  FillRect(cr, 176, 0, 1, 30, kSteelShadow);
  FillRect(cr, 177, 0, 63, 1, kSteelDark);
}

void DrawReserveColumn(Art& a) {
  cairo_t* cr = a.cr;
  const bool full = a.index == 1;
  SteelPlate(cr, 0, 17, 24, 199);
  // Plain at the top, where the square layouts put the menu button.
  ButtonBed(cr, 0, 0, 24, 18);
  // Next-colour window, gauge window and level-tile seat.
  cairo_save(cr);
  cairo_translate(cr, 1, 17);
  Recess(cr, 0, 0, 18, 25, kSlot);
  cairo_restore(cr);
  FillRect(cr, 3, 60, 15, 118, kSteelShadow);
  cairo_save(cr);
  cairo_translate(cr, 4, 61);
  Art tube{cr, a.scale, 2};
  DrawGaugePiece(tube);
  cairo_restore(cr);
  Recess(cr, 0, 185, 21, 22, kSlot);
  // A lamp that shows whether the reserve is full.
  CirclePath(cr, 21.3, 29, 1.7);
  SetColour(cr, kSteelShadow);
  cairo_fill(cr);
  CirclePath(cr, 21.3, 29, 1.2);
  SetColour(cr, full ? Rgb8(120, 255, 110) : Rgb8(80, 24, 20));
  cairo_fill(cr);
  Rivet(cr, 5, 51, 3);
  Rivet(cr, 19, 51, 3);
  Rivet(cr, 20.5, 181, 2.6);
  Rivet(cr, 12, 211, 3);
}

void DrawBottomPanel(Art& a) {
  cairo_t* cr = a.cr;
  SteelPlate(cr, 0, 0, 240, 73);
  // The letter strip: a flat dark recess, edged outside the 122x18 the game saves.
  FillRect(cr, 8, 0, 124, 19, kSteelShadow);
  FillRect(cr, 9, 0, 122, 18, kStrip);
  FillRect(cr, 8, 19, 124, 1, kSteelLight);
  FillRect(cr, 132, 0, 1, 20, kSteelLight);
  // Score box, in place from the start.
  cairo_save(cr);
  cairo_translate(cr, 146, 3);
  Art box{cr, a.scale, 0};
  DrawScoreBox(box);
  cairo_restore(cr);
  // The corner where PANIC shows its clock, CHROMA its wheel button and the
  // square layouts their paint pot: shaded as the pot picture's own backdrop.
  FillRect(cr, 209, 0, 31, 26, kSteelShadow);
  FillVertical(cr, 210, 0, 30, 24, kPotBackdropTop, kPotBackdropBottom);
  FillRect(cr, 210, 24, 30, 1, kPotBackdropBottom);
  // Pipes joining the coil, the hazard sign and the paint pot.
  CopperRun(cr, 128, 46, 40, 5, true);
  CopperRun(cr, 190, 42, 30, 5, true);
  Flange(cr, 140, 44.5, 3, 8);
  Flange(cr, 205, 40.5, 3, 8);
  // Name plate and vents on the left.
  NamePlate(cr, 8, 25, 86, 15, "FANDRIASS", 10);
  Vents(cr, 12, 47, 78, 5);
  PaintCoil(cr, 0, 101, 37);
  PaintHazard(cr, 0, 164, 34);
  PaintPot(cr, 0, 217, 29);
  Rivet(cr, 4, 68, 3);
  Rivet(cr, 98, 68, 3);
  Rivet(cr, 140, 66, 3);
  Rivet(cr, 200, 66, 3);
  Rivet(cr, 236, 68, 3);
}

void BottomPanelWheelBackdrop(Art& a) {
  FillVertical(a.cr, 0, 0, 20, 20, kPotBackdropTop,
               Mix(kPotBackdropTop, kPotBackdropBottom, 20 / 24.0));
}

void DrawSidePanel(Art& a) {
  cairo_t* cr = a.cr;
  if (a.index == 0) {
    SteelPlate(cr, 0, 0, 31, 240);
    FillRect(cr, 13, 8, 7, 224, kSteelShadow, 0.5);
    CopperRun(cr, 12, 8, 224, 7, false);
    for (int i = 0; i < 4; ++i) Flange(cr, 10, 20 + i * 62, 11, 4);
    for (int i = 0; i < 4; ++i) {
      Rivet(cr, 5, 6 + i * 76, 3);
      Rivet(cr, 26, 6 + i * 76, 3);
    }
    return;
  }
  SteelPlate(cr, 0, 0, 49, 240);
  // The buttons line up along the top.
  ButtonBed(cr, 0, 0, 49, 20);
  FillRect(cr, 0, 20, 49, 1, kSteelShadow);
  // A pressure dial, a copper feed and a strip of warning stripes.
  CirclePath(cr, 27, 46, 13);
  SetColour(cr, kBrassDark);
  cairo_fill(cr);
  CirclePath(cr, 27, 46, 11.5);
  SetColour(cr, Rgb8(232, 228, 210));
  cairo_fill(cr);
  cairo_set_line_width(cr, 0.8);
  for (int i = 0; i <= 8; ++i) {
    const double t = M_PI * (0.75 + 1.5 * i / 8);
    cairo_move_to(cr, 27 + 8.5 * std::cos(t), 46 + 8.5 * std::sin(t));
    cairo_line_to(cr, 27 + 10.5 * std::cos(t), 46 + 10.5 * std::sin(t));
  }
  SetColour(cr, kInk);
  cairo_stroke(cr);
  cairo_set_line_width(cr, 1.4);
  cairo_move_to(cr, 27, 46);
  cairo_line_to(cr, 27 + 8 * std::cos(-0.5), 46 + 8 * std::sin(-0.5));
  SetColour(cr, Rgb8(200, 20, 20));
  cairo_stroke(cr);
  CirclePath(cr, 27, 46, 1.6);
  SetColour(cr, kInk);
  cairo_fill(cr);
  // The feed runs down into the bay where the wide layouts stand the paint
  // pot; the bay's inside is the pot picture's own backdrop.
  CopperRun(cr, 24, 59, 150, 7, false);
  for (int i = 0; i < 3; ++i) Flange(cr, 22, 80 + i * 54, 11, 4);
  FillRect(cr, 16, 208, 23, 28, kSteelShadow);
  FillRect(cr, 17, 209, 22, 27, kSteelLight);
  FillVertical(cr, 17, 209, 21, 26, Mix(kPotBackdropTop, kPotBackdropBottom, -1 / 24.0),
               Mix(kPotBackdropTop, kPotBackdropBottom, 25 / 24.0));
  Flange(cr, 22, 205, 11, 4);
  FillRect(cr, 5, 28, 8, 204, kSteelShadow);
  HazardStripes(cr, 6, 29, 6, 202, 4);
  Rivet(cr, 43, 28, 3);
}

void DrawClass7Corner(Art& a) {
  cairo_t* cr = a.cr;
  const double w = (a.index % 2) ? 49 : 31, h = (a.index / 2) ? 49 : 31;
  SteelPlate(cr, 0, 0, w, h);
  switch (a.index) {
    case 0:
      Rivet(cr, 15.5, 15.5, 5);
      break;
    case 1:
      ButtonBed(cr, 0, 0, w, 20);
      FillRect(cr, 0, 20, w, 1, kSteelShadow);
      Rivet(cr, 8, 26, 3);
      Rivet(cr, 41, 26, 3);
      break;
    case 2:
      Rivet(cr, 15.5, 15, 4);
      Vents(cr, 6, 27, 19, 4);
      break;
    default:
      FillRect(cr, 5, 5, 39, 39, kSteelShadow);
      HazardStripes(cr, 6, 6, 37, 37, 5);
      Rivet(cr, 3, 3, 2.4);
      Rivet(cr, 46, 46, 2.4);
      break;
  }
}

}  // namespace art
