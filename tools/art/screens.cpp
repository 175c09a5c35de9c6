// Pictures of the other screens: the hi-score background and its titles,
// trophy and buttons; the maker's logo; the colour wheel; the window icon.

#include <cmath>
#include <string>

#include "drawings.hpp"
#include "palette.hpp"

namespace art {

namespace {

// The hi-score background: a bar for the top line of text, a lit zone for
// the mode title, a plain middle and a shelf for the tabs. The short layouts
// show the picture with rows 120..199 left out, so everything from row 90 to
// row 230 repeats every 80 rows (rivets every 40, seams every 20) and the
// cut never shows; the bar and the shelf keep their places on every layout.
const Rgb kScoreBar = Rgb8(40, 48, 66);
const Rgb kScoreBarLow = Rgb8(30, 36, 51);
const Rgb kScoreLit = Rgb8(31, 38, 56);
const Rgb kScoreMid = Rgb8(17, 21, 32);
const Rgb kShelf = Rgb8(27, 33, 47);
constexpr double kRuleY = 24;
constexpr double kShelfY = 276;

// The top bar, in the background's own coordinates (the reset button sits in
// its corner and shares it).
void ScoreBar(cairo_t* cr) {
  FillVertical(cr, 0, 0, 240, kRuleY, kScoreBar, kScoreBarLow);
  FillRect(cr, 0, 0, 240, 1, kSteelLight, 0.5);
}

// The light under the rule where the mode title stands, fading into the middle.
void TitleZone(cairo_t* cr, double top) {
  FillVertical(cr, 0, top, 240, 90 - top, kScoreLit, kScoreMid);
}

// The five modes' lettering: each title in its mode's colour (lighter at the
// top), with the mode's character as a detail beside it.
struct ModeLook {
  Rgb colour;
  const char* text;
  double width;
};
const ModeLook kLooks[5] = {
    {Rgb8(255, 0, 255), "CHROMA", 184},  {Rgb8(255, 0, 0), "EASY", 106},
    {Rgb8(255, 255, 0), "HARD", 118},    {Rgb8(0, 255, 0), "HEAT", 116},
    {Rgb8(102, 153, 255), "PANIC", 130},
};

void TitleClock(cairo_t* cr, double cx, double cy, double r, Rgb hand) {
  CirclePath(cr, cx, cy, r);
  SetColour(cr, kInk);
  cairo_fill(cr);
  CirclePath(cr, cx, cy, r - 1.6);
  SetColour(cr, Rgb8(236, 242, 255));
  cairo_fill(cr);
  cairo_set_line_width(cr, 1.0);
  for (int i = 0; i < 12; ++i) {
    const double t = i * M_PI / 6;
    cairo_move_to(cr, cx + 8 * std::cos(t), cy + 8 * std::sin(t));
    cairo_line_to(cr, cx + 10 * std::cos(t), cy + 10 * std::sin(t));
  }
  SetColour(cr, Rgb8(20, 30, 60));
  cairo_stroke(cr);
  cairo_set_line_width(cr, 2.0);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, cx, cy);
  cairo_line_to(cr, cx, cy - 7.5);
  cairo_move_to(cr, cx, cy);
  cairo_line_to(cr, cx + 5, cy + 2);
  SetColour(cr, hand);
  cairo_stroke(cr);
}

// A flame of two tongues, outlined so it reads on the dark background.
void TitleFlame(cairo_t* cr, double cx, double base, double h) {
  const double w = h * 0.62;
  auto tongue = [&](double scale) {
    const double top = base - h * scale, half = w * scale / 2;
    cairo_move_to(cr, cx, top);
    cairo_curve_to(cr, cx + half * 0.3, top + h * scale * 0.3, cx + half * 1.2,
                   base - h * 0.45 * scale, cx + half * 0.8, base - 1);
    cairo_curve_to(cr, cx + half * 0.5, base, cx - half * 0.5, base, cx - half * 0.8, base - 1);
    cairo_curve_to(cr, cx - half * 1.2, base - h * 0.5 * scale, cx - half * 0.1,
                   top + h * scale * 0.4, cx, top);
    cairo_close_path(cr);
  };
  tongue(1.0);
  SetColour(cr, kInk);
  cairo_set_line_width(cr, 3.0);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_stroke_preserve(cr);
  SetColour(cr, Rgb8(236, 84, 10));
  cairo_fill(cr);
  tongue(0.6);
  SetColour(cr, Rgb8(255, 214, 60));
  cairo_fill(cr);
}

// The six paint colours as sectors of a disc, in the wheel's order.
void WheelSectors(cairo_t* cr, double cx, double cy, double r) {
  for (int i = 0; i < 6; ++i) {
    const double a0 = -M_PI / 2 - M_PI / 6 + i * M_PI / 3;
    cairo_move_to(cr, cx, cy);
    cairo_arc(cr, cx, cy, r, a0, a0 + M_PI / 3);
    cairo_close_path(cr);
    SetColour(cr, kPaint[kWheelOrder[i]]);
    cairo_fill(cr);
  }
}

// A little paint wheel of the six colours.
void TitleWheel(cairo_t* cr, double cx, double cy, double r) {
  CirclePath(cr, cx, cy, r + 1.5);
  SetColour(cr, kInk);
  cairo_fill(cr);
  WheelSectors(cr, cx, cy, r);
  CirclePath(cr, cx, cy, r * 0.3);
  SetColour(cr, kWhite);
  cairo_fill(cr);
}

}  // namespace

void DrawHiScoreBackground(Art& a) {
  cairo_t* cr = a.cr;
  FillRect(cr, 0, 0, 240, 320, kScoreMid);
  ScoreBar(cr);
  FillRect(cr, 0, kRuleY, 240, 1, kBrassDark);
  FillRect(cr, 0, kRuleY + 1, 240, 1, Rgb8(0, 0, 0), 0.5);
  TitleZone(cr, kRuleY + 2);
  // Faint diagonal seams, 20 apart, so they repeat every 80 rows.
  cairo_set_line_width(cr, 1.0);
  for (int i = -320; i < 240; i += 20) {
    cairo_move_to(cr, i, kRuleY + 2);
    cairo_line_to(cr, i + 320 - kRuleY - 2, 320);
  }
  SetColour(cr, kWhite, 0.03);
  cairo_stroke(cr);
  // Rivets down both margins, beside the table on every layout.
  for (double y = 60; y < kShelfY - 10; y += 40) {
    Rivet(cr, 8, y, 4);
    Rivet(cr, 232, y, 4);
  }
  // The shelf the tabs and the export button stand on.
  FillRect(cr, 0, kShelfY, 240, 320 - kShelfY, kShelf);
  FillRect(cr, 0, kShelfY, 240, 1, kBrassDark);
  FillRect(cr, 0, kShelfY + 1, 240, 1, Rgb8(0, 0, 0), 0.5);
  FillRect(cr, 0, 319, 240, 1, kSteelShadow);
}

void DrawModeTitle(Art& a) {
  cairo_t* cr = a.cr;
  const ModeLook& look = kLooks[a.index];
  const double w = look.width, h = 40;
  // Room at the left for the detail of the modes that have one.
  double left = 0;
  if (a.index == 4) {
    TitleClock(cr, 17, 20, 13, Rgb8(30, 70, 200));
    left = 33;
  } else if (a.index == 3) {
    TitleFlame(cr, 13, 33, 26);
    left = 26;
  } else if (a.index == 0) {
    TitleWheel(cr, 15, 20, 11);
    left = 30;
  }
  const double em = FitEm(cr, Face::Bold, look.text, w - left - 6, 32 / 0.727);
  const double baseline = h / 2 + em * 0.727 / 2;
  const Rgb top = Mix(look.colour, kWhite, 0.45);
  const Rgb bottom = Scale(look.colour, 0.82);
  OutlinedText(cr, look.text, left + (w - left) / 2, baseline, top, bottom, kInk, 2.0, 1.5);
}

void ModeTitleBackdrop(Art& a) {
  // The titles stand at y 31, on the lit zone.
  cairo_translate(a.cr, 0, -31);
  FillRect(a.cr, 0, 0, 240, 90, kScoreMid);
  TitleZone(a.cr, kRuleY + 2);
}

void DrawTrophy(Art& a) {
  cairo_t* cr = a.cr;
  FillRect(cr, 0, 0, 62, 75, kWhite);
  const Rgb gold = Rgb8(236, 184, 40), light = Rgb8(255, 240, 150), dark = Rgb8(150, 96, 10);
  auto goldFill = [&](double x0, double x1) {
    cairo_pattern_t* p = cairo_pattern_create_linear(x0, 0, x1, 0);
    cairo_pattern_add_color_stop_rgb(p, 0, dark.r, dark.g, dark.b);
    cairo_pattern_add_color_stop_rgb(p, 0.3, light.r, light.g, light.b);
    cairo_pattern_add_color_stop_rgb(p, 0.55, gold.r, gold.g, gold.b);
    cairo_pattern_add_color_stop_rgb(p, 1, dark.r, dark.g, dark.b);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
    SetColour(cr, Rgb8(110, 66, 4));
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
  };
  // Handles.
  for (int side = 0; side < 2; ++side) {
    const double cx = side ? 49 : 13;
    cairo_new_path(cr);
    cairo_arc(cr, cx, 19, 7.5, side ? -M_PI / 2 : M_PI / 2, side ? M_PI / 2 : 3 * M_PI / 2);
    SetColour(cr, Rgb8(110, 66, 4));
    cairo_set_line_width(cr, 4.4);
    cairo_stroke_preserve(cr);
    SetColour(cr, gold);
    cairo_set_line_width(cr, 2.4);
    cairo_stroke(cr);
  }
  // Cup.
  cairo_move_to(cr, 12, 6);
  cairo_line_to(cr, 50, 6);
  cairo_curve_to(cr, 50, 28, 44, 40, 31, 42);
  cairo_curve_to(cr, 18, 40, 12, 28, 12, 6);
  cairo_close_path(cr);
  goldFill(12, 50);
  FillRect(cr, 12, 5, 38, 3, light);
  // Stem, knot and plinth.
  cairo_rectangle(cr, 28, 42, 6, 12);
  goldFill(28, 34);
  RoundedRectPath(cr, 23, 52, 16, 5, 2);
  goldFill(23, 39);
  cairo_rectangle(cr, 15, 57, 32, 5);
  goldFill(15, 47);
  cairo_rectangle(cr, 11, 62, 40, 11);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 62, 0, 73);
  cairo_pattern_add_color_stop_rgb(p, 0, 0.30, 0.20, 0.12);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.16, 0.10, 0.06);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  RoundedRectPath(cr, 21, 64.5, 20, 6, 1);
  SetColour(cr, light);
  cairo_fill(cr);
  // A star on the cup.
  cairo_new_path(cr);
  for (int i = 0; i < 10; ++i) {
    const double t = -M_PI / 2 + i * M_PI / 5;
    const double r = (i % 2) ? 3.2 : 7.5;
    const double x = 31 + r * std::cos(t), y = 21 + r * std::sin(t);
    if (i == 0)
      cairo_move_to(cr, x, y);
    else
      cairo_line_to(cr, x, y);
  }
  cairo_close_path(cr);
  SetColour(cr, Rgb8(255, 252, 220));
  cairo_fill_preserve(cr);
  SetColour(cr, dark);
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
}

void DrawResetButton(Art& a) {
  cairo_t* cr = a.cr;
  ScoreBar(cr);
  RoundedRectPath(cr, 0.5, 0.5, 49, 16, 8);
  SetColour(cr, Rgb8(70, 0, 0));
  cairo_fill(cr);
  cairo_save(cr);
  RoundedRectPath(cr, 1.5, 1.5, 47, 14, 7);
  cairo_clip(cr);
  FillVertical(cr, 0, 1.5, 50, 14, Rgb8(250, 90, 80), Rgb8(170, 10, 10));
  FillRect(cr, 6, 2.5, 38, 4, kWhite, 0.25);
  cairo_restore(cr);
  UseFace(cr, Face::Bold, 10);
  CentredText(cr, "RESET", 25, 12.6, kWhite);
}

void DrawExportIcon(Art& a) {
  cairo_t* cr = a.cr;
  const double cx = 14, cy = 17, r = 11.5;
  // A small globe.
  CirclePath(cr, cx, cy, r);
  SetColour(cr, Rgb8(6, 30, 70));
  cairo_fill(cr);
  cairo_pattern_t* sea = cairo_pattern_create_radial(cx - 4, cy - 4, 1, cx, cy, r);
  cairo_pattern_add_color_stop_rgb(sea, 0, 0.45, 0.75, 1.0);
  cairo_pattern_add_color_stop_rgb(sea, 1, 0.05, 0.25, 0.65);
  CirclePath(cr, cx, cy, r - 1);
  cairo_set_source(cr, sea);
  cairo_fill(cr);
  cairo_pattern_destroy(sea);
  cairo_save(cr);
  CirclePath(cr, cx, cy, r - 1);
  cairo_clip(cr);
  // Land.
  cairo_move_to(cr, cx - 8, cy - 6);
  cairo_curve_to(cr, cx - 3, cy - 10, cx + 1, cy - 6, cx - 1, cy - 2);
  cairo_curve_to(cr, cx - 3, cy + 2, cx - 7, cy + 1, cx - 8, cy - 6);
  cairo_move_to(cr, cx + 2, cy + 1);
  cairo_curve_to(cr, cx + 8, cy - 1, cx + 10, cy + 5, cx + 5, cy + 9);
  cairo_curve_to(cr, cx + 2, cy + 10, cx, cy + 5, cx + 2, cy + 1);
  SetColour(cr, Rgb8(70, 190, 70));
  cairo_fill(cr);
  // Meridians.
  cairo_set_line_width(cr, 0.6);
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, 0.45, 1);
  cairo_arc(cr, 0, 0, r - 1, 0, 2 * M_PI);
  cairo_restore(cr);
  cairo_move_to(cr, cx - r, cy);
  cairo_line_to(cr, cx + r, cy);
  SetColour(cr, kWhite, 0.35);
  cairo_stroke(cr);
  cairo_restore(cr);
  // An arrow leaving it, up and to the right.
  cairo_move_to(cr, 13, 20.5);
  cairo_line_to(cr, 21, 12.5);
  cairo_line_to(cr, 18.5, 10);
  cairo_line_to(cr, 27.5, 4.5);
  cairo_line_to(cr, 26, 14);
  cairo_line_to(cr, 23.5, 11.5);
  cairo_line_to(cr, 15.5, 23);
  cairo_close_path(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  SetColour(cr, Rgb8(60, 20, 0));
  cairo_set_line_width(cr, 1.6);
  cairo_stroke_preserve(cr);
  SetColour(cr, kAmber);
  cairo_fill(cr);
}

void ExportIconBackdrop(Art& a) {
  FillRect(a.cr, 0, 0, 30, 32, kShelf);
}

void DrawMakerLogo(Art& a) {
  cairo_t* cr = a.cr;
  FillRect(cr, 0, 0, 103, 29, kWhite);
  // A kestrel in flight, from the side: body, raised wing, hooked beak.
  const Rgb rust = Rgb8(196, 96, 30), dark = Rgb8(130, 58, 18);
  cairo_move_to(cr, 2, 18);
  cairo_curve_to(cr, 8, 13.5, 15, 12, 20.5, 12.6);
  cairo_arc(cr, 21.5, 13.6, 2.6, -M_PI * 0.6, M_PI * 0.1);
  cairo_line_to(cr, 26, 14.6);
  cairo_line_to(cr, 23.6, 15.4);
  cairo_curve_to(cr, 18, 17.5, 11, 18.2, 6, 18.6);
  cairo_line_to(cr, 0.5, 21.5);
  cairo_line_to(cr, 1.5, 17.2);
  cairo_close_path(cr);
  SetColour(cr, rust);
  cairo_fill(cr);
  cairo_move_to(cr, 8.5, 14.6);
  cairo_curve_to(cr, 7, 9, 5, 5, 3, 2.5);
  cairo_curve_to(cr, 9, 4.5, 14, 8.5, 17, 13);
  cairo_close_path(cr);
  SetColour(cr, dark);
  cairo_fill(cr);
  CirclePath(cr, 22.2, 13.2, 0.8);
  SetColour(cr, Rgb8(30, 20, 10));
  cairo_fill(cr);
  const double em = FitEm(cr, Face::Bold, "kestrelnet", 73, 16);
  const double baseline = 14.5 + em * 0.36;
  cairo_move_to(cr, 28, baseline);
  cairo_text_path(cr, "kestrel");
  SetColour(cr, Rgb8(40, 52, 74));
  cairo_fill(cr);
  cairo_move_to(cr, 28 + TextWidth(cr, "kestrel"), baseline);
  cairo_text_path(cr, "net");
  SetColour(cr, Rgb8(196, 96, 30));
  cairo_fill(cr);
  FillRect(cr, 28, baseline + 3, 72, 1.2, Rgb8(40, 52, 74), 0.6);
}

void DrawColourWheel(Art& a) {
  cairo_t* cr = a.cr;
  FillRect(cr, 0, 0, 116, 122, kWhite);
  const double cx = 58, cy = 61, r = 55;
  static const char* const kNames[6] = {"Red", "Orange", "Yellow", "Green", "Blue", "Purple"};
  CirclePath(cr, cx + 1, cy + 1.5, r);
  SetColour(cr, Rgb8(0, 0, 0), 0.2);
  cairo_fill(cr);
  WheelSectors(cr, cx, cy, r);
  // Gloss, the rim, the spokes and the hub.
  cairo_pattern_t* g = cairo_pattern_create_radial(cx - 20, cy - 24, 4, cx, cy, r);
  cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, 0.35);
  cairo_pattern_add_color_stop_rgba(g, 0.7, 1, 1, 1, 0.0);
  cairo_pattern_add_color_stop_rgba(g, 1, 0, 0, 0, 0.18);
  CirclePath(cr, cx, cy, r);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_set_line_width(cr, 1.2);
  for (int i = 0; i < 6; ++i) {
    const double t = -M_PI / 2 - M_PI / 6 + i * M_PI / 3;
    cairo_move_to(cr, cx, cy);
    cairo_line_to(cr, cx + r * std::cos(t), cy + r * std::sin(t));
  }
  SetColour(cr, kWhite, 0.8);
  cairo_stroke(cr);
  CirclePath(cr, cx, cy, r - 0.6);
  SetColour(cr, Rgb8(40, 44, 56));
  cairo_set_line_width(cr, 1.2);
  cairo_stroke(cr);
  CirclePath(cr, cx, cy, 9);
  SetColour(cr, kWhite);
  cairo_fill_preserve(cr);
  SetColour(cr, Rgb8(40, 44, 56));
  cairo_stroke(cr);
  // The names, each in its wedge.
  UseFace(cr, Face::Bold, 9.5);
  for (int i = 0; i < 6; ++i) {
    const double t = -M_PI / 2 + i * M_PI / 3;
    const double tx = cx + 34 * std::cos(t), ty = cy + 34 * std::sin(t) + 3.4;
    const int code = kWheelOrder[i];
    const bool darkText = code == 2 || code == 4;
    CentredText(cr, kNames[i], tx, ty, darkText ? Rgb8(30, 30, 30) : kWhite);
  }
}

void DrawWindowIcon(Art& a) {
  cairo_t* cr = a.cr;
  FillVertical(cr, 0, 0, 32, 32, kSteel, kSteelDark);
  RoundedRectPath(cr, 1, 1, 30, 30, 4);
  SetColour(cr, kSteelLight);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  PaintBall(cr, 1, 1, 10, 10, 13);
  PaintBall(cr, 1, 2, 22, 10, 13);
  PaintBall(cr, 1, 3, 10, 22, 13);
  PaintBall(cr, 1, 0, 22, 22, 13);
}

}  // namespace art
