// The main menu: one picture per screen shape. Every entry is drawn inside the
// rectangle its tap is tested against (main_menu_layout.hpp), and the free
// space left over is filled with a small piece of the game's machinery.

#include <algorithm>
#include <cmath>
#include <string>

#include "drawings.hpp"
#include "main_menu_layout.hpp"
#include "palette.hpp"

namespace art {

namespace {

struct Box {
  double x, y, w, h;
};

Box BoxOf(const HotRect& r, const MenuLayout& l) {
  // Inclusive bounds; nothing is drawn past the screen's edge.
  const double right = std::min<double>(r.right + 1, l.width);
  const double bottom = std::min<double>(r.bottom + 1, l.height);
  return Box{static_cast<double>(r.left), static_cast<double>(r.top), right - r.left,
             bottom - r.top};
}

void Background(cairo_t* cr, const MenuLayout& l) {
  FillVertical(cr, 0, 0, l.width, l.height, Rgb8(40, 48, 64), Rgb8(20, 25, 36));
  // Plate seams every 80 pixels, with rivets at the crossings.
  for (int y = 80; y < l.height; y += 80) {
    FillRect(cr, 0, y, l.width, 1, kSteelShadow, 0.8);
    FillRect(cr, 0, y + 1, l.width, 1, kSteelLight, 0.25);
  }
  FillRect(cr, 0, 0, l.width, 10, kSteelDark);
  FillRect(cr, 0, 9, l.width, 1, kSteelShadow);
}

// ---- The About area: title and a small scene --------------------------------

void AboutArea(cairo_t* cr, const Box& b) {
  const double x = b.x + 3, y = b.y + 1, w = b.w - 6, h = b.h - 2;
  FillRect(cr, x - 1, y - 1, w + 2, h + 2, kSteelShadow);
  FillRect(cr, x, y, w, h, kSteelLight);
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w - 1, h - 1);
  cairo_clip(cr);
  FillVertical(cr, x, y, w, h, Rgb8(10, 13, 22), Rgb8(30, 38, 58));
  cairo_pattern_t* g =
      cairo_pattern_create_radial(x + w / 2, y + h * 0.45, 4, x + w / 2, y + h * 0.45, w * 0.5);
  cairo_pattern_add_color_stop_rgba(g, 0, 0.95, 0.7, 0.3, 0.22);
  cairo_pattern_add_color_stop_rgba(g, 1, 0.95, 0.7, 0.3, 0.0);
  cairo_rectangle(cr, x, y, w, h);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // A line of balls rolling into a pipe along the bottom of the window.
  const double floor = y + h - 4;
  FillRect(cr, x, floor, w, 4, kSteelDark);
  FillRect(cr, x, floor, w, 1, kSteelLight);
  const int colours[7] = {1, 6, 2, 4, 3, 5, 1};
  for (int i = 0; i < 7; ++i) PaintBall(cr, 1, colours[i], x + 26 + i * 15.5, floor - 7, 14);
  // The pipe that swallows them, running off to the right along the floor.
  const double cy = floor - 7, mouth = x + 26 + 6 * 15.5 + 9;
  FillRect(cr, mouth + 6, cy - 3.5, x + w - mouth - 6, 9, Rgb8(0, 0, 0), 0.35);
  TubeShade(cr, mouth + 6, cy - 4, x + w - mouth - 6, 8, kCopper, true);
  for (double fx = mouth + 26; fx < x + w - 6; fx += 30)
    RoundPlate(cr, fx, cy - 5.5, 3, 11, 1, kBrass, kBrassLight, kBrassDark);
  cairo_move_to(cr, mouth, cy - 8);
  cairo_line_to(cr, mouth + 7, cy - 4);
  cairo_line_to(cr, mouth + 7, cy + 4);
  cairo_line_to(cr, mouth, cy + 8);
  cairo_close_path(cr);
  cairo_pattern_t* bell = cairo_pattern_create_linear(0, cy - 8, 0, cy + 8);
  cairo_pattern_add_color_stop_rgb(bell, 0, 0.55, 0.25, 0.12);
  cairo_pattern_add_color_stop_rgb(bell, 0.25, 0.98, 0.7, 0.5);
  cairo_pattern_add_color_stop_rgb(bell, 1, 0.35, 0.15, 0.06);
  cairo_set_source(cr, bell);
  cairo_fill(cr);
  cairo_pattern_destroy(bell);
  cairo_save(cr);
  cairo_translate(cr, mouth + 0.5, cy);
  cairo_scale(cr, 1.6, 7.2);
  CirclePath(cr, 0, 0, 1);
  cairo_restore(cr);
  SetColour(cr, kSlotDeep);
  cairo_fill(cr);
  cairo_restore(cr);
  // The title.
  UseFace(cr, Face::Bold, 31);
  const double wf = TextWidth(cr, "Fandriass"), wi = TextWidth(cr, "II");
  const double gap = 7, total = wf + gap + wi;
  const double left = x + (w - total) / 2, baseline = y + 40;
  OutlinedText(cr, "Fandriass", left + wf / 2, baseline, kBrassLight, Rgb8(200, 130, 30), kInk, 2.0,
               1.8);
  OutlinedText(cr, "II", left + wf + gap + wi / 2, baseline, Rgb8(255, 130, 110), Rgb8(200, 16, 16),
               kInk, 2.0, 1.8);
  // A little "i": the window opens the About panel. The letter is drawn as
  // whole-pixel blocks, which a 9-pixel bold face smears into a blot.
  const double ix = std::round(x + 10), iy = std::round(y + 10);
  CirclePath(cr, ix, iy, 6);
  SetColour(cr, Rgb8(70, 120, 220));
  cairo_fill_preserve(cr);
  SetColour(cr, kWhite);
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
  FillRect(cr, ix - 1, iy - 4, 2, 2, kWhite);
  FillRect(cr, ix - 1, iy - 1, 2, 5, kWhite);
}

// ---- Buttons ----------------------------------------------------------------

struct ButtonLook {
  Rgb face;
  Rgb light;
  Rgb dark;
  Rgb textTop;
  Rgb textBottom;
};

const ButtonLook kLooks[7] = {
    {Rgb8(44, 110, 56), Rgb8(120, 220, 120), Rgb8(8, 30, 12), Rgb8(230, 255, 210),
     Rgb8(150, 240, 120)},  // EASY
    {Rgb8(82, 94, 116), Rgb8(170, 182, 204), Rgb8(16, 20, 28), Rgb8(250, 252, 255),
     Rgb8(180, 190, 206)},  // HARD
    {Rgb8(140, 26, 24), Rgb8(250, 110, 100), Rgb8(40, 0, 0), Rgb8(255, 236, 220),
     Rgb8(255, 170, 150)},  // PANIC
    {Rgb8(150, 62, 14), Rgb8(255, 170, 80), Rgb8(50, 12, 0), Rgb8(255, 250, 210),
     Rgb8(255, 210, 90)},  // HEAT
    {Rgb8(40, 40, 56), Rgb8(150, 150, 190), Rgb8(6, 6, 14), Rgb8(255, 255, 255),
     Rgb8(220, 220, 240)},  // CHROMA
    {Rgb8(52, 64, 88), Rgb8(140, 156, 190), Rgb8(10, 12, 20), Rgb8(250, 252, 255),
     Rgb8(190, 200, 220)},  // Hi-Scores
    {Rgb8(52, 64, 88), Rgb8(140, 156, 190), Rgb8(10, 12, 20), Rgb8(250, 252, 255),
     Rgb8(190, 200, 220)},  // Settings
};

// The dark socket where the direction-pad marker lights up.
void MarkerSocket(cairo_t* cr, double mx, double my, double extraRight) {
  RoundedRectPath(cr, mx - 2, my - 2, 14 + extraRight, 14, 2.5);
  SetColour(cr, Rgb8(6, 8, 12));
  cairo_fill(cr);
  RoundedRectPath(cr, mx - 1, my - 1, 12 + extraRight, 12, 2);
  SetColour(cr, Rgb8(26, 30, 40));
  cairo_fill(cr);
  FillRect(cr, mx - 1, my + 10.4, 12 + extraRight, 0.6, kSteelLight, 0.6);
}

void Flames(cairo_t* cr, const Box& b) {
  cairo_save(cr);
  RoundedRectPath(cr, b.x + 1, b.y + 1, b.w - 2, b.h - 2, 4);
  cairo_clip(cr);
  const double base = b.y + b.h;
  for (int layer = 0; layer < 2; ++layer) {
    cairo_move_to(cr, b.x + 18, base);
    const int tongues = 7;
    for (int i = 0; i < tongues; ++i) {
      const double x0 = b.x + 18 + (b.w - 18) * i / tongues;
      const double x1 = b.x + 18 + (b.w - 18) * (i + 1) / tongues;
      const double tip = base - b.h * (layer ? 0.42 : 0.7) * (0.7 + 0.3 * Hash01(i, layer, 5));
      cairo_curve_to(cr, x0 + (x1 - x0) * 0.2, base - b.h * 0.2, x0 + (x1 - x0) * 0.3, tip + 4,
                     x0 + (x1 - x0) * 0.55, tip);
      cairo_curve_to(cr, x0 + (x1 - x0) * 0.6, tip + 5, x1 - 1, base - b.h * 0.25, x1, base);
    }
    cairo_close_path(cr);
    if (layer == 0)
      SetColour(cr, Rgb8(230, 90, 10), 0.85);
    else
      SetColour(cr, Rgb8(255, 200, 40), 0.85);
    cairo_fill(cr);
  }
  cairo_restore(cr);
}

void Clock(cairo_t* cr, double cx, double cy, double r) {
  CirclePath(cr, cx, cy, r);
  SetColour(cr, Rgb8(40, 0, 0));
  cairo_fill(cr);
  CirclePath(cr, cx, cy, r - 1.2);
  SetColour(cr, Rgb8(255, 240, 232));
  cairo_fill(cr);
  cairo_set_line_width(cr, 1.2);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, cx, cy);
  cairo_line_to(cr, cx, cy - r * 0.6);
  cairo_move_to(cr, cx, cy);
  cairo_line_to(cr, cx + r * 0.45, cy + r * 0.15);
  SetColour(cr, Rgb8(190, 0, 0));
  cairo_stroke(cr);
}

void Gear(cairo_t* cr, double cx, double cy, double r, Rgb c) {
  cairo_new_path(cr);
  for (int i = 0; i < 32; ++i) {
    const double t = i * 2 * M_PI / 32;
    const double rr = (i / 2) % 2 ? r * 0.72 : r;
    const double x = cx + rr * std::cos(t), y = cy + rr * std::sin(t);
    if (i == 0)
      cairo_move_to(cr, x, y);
    else
      cairo_line_to(cr, x, y);
  }
  cairo_close_path(cr);
  CirclePath(cr, cx, cy, r * 0.32);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  SetColour(cr, c);
  cairo_fill(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
}

void Cup(cairo_t* cr, double cx, double cy, double s, Rgb c) {
  cairo_move_to(cr, cx - s * 0.5, cy - s * 0.5);
  cairo_line_to(cr, cx + s * 0.5, cy - s * 0.5);
  cairo_curve_to(cr, cx + s * 0.5, cy, cx + s * 0.2, cy + s * 0.15, cx + s * 0.08, cy + s * 0.2);
  cairo_line_to(cr, cx + s * 0.08, cy + s * 0.35);
  cairo_line_to(cr, cx + s * 0.3, cy + s * 0.5);
  cairo_line_to(cr, cx - s * 0.3, cy + s * 0.5);
  cairo_line_to(cr, cx - s * 0.08, cy + s * 0.35);
  cairo_line_to(cr, cx - s * 0.08, cy + s * 0.2);
  cairo_curve_to(cr, cx - s * 0.2, cy + s * 0.15, cx - s * 0.5, cy, cx - s * 0.5, cy - s * 0.5);
  cairo_close_path(cr);
  SetColour(cr, c);
  cairo_fill(cr);
  cairo_set_line_width(cr, s * 0.1);
  cairo_arc(cr, cx - s * 0.5, cy - s * 0.25, s * 0.18, M_PI / 2, 3 * M_PI / 2);
  cairo_stroke(cr);
  cairo_arc(cr, cx + s * 0.5, cy - s * 0.25, s * 0.18, -M_PI / 2, M_PI / 2);
  cairo_stroke(cr);
}

void MenuButton(cairo_t* cr, MenuRole role, const Box& b, double mx, double my, double layoutVgaX) {
  const int look = static_cast<int>(role);
  const ButtonLook& k = kLooks[look];
  // Shadow, plate and bevel.
  RoundedRectPath(cr, b.x + 1, b.y + 1.5, b.w - 1, b.h - 1.5, 5);
  SetColour(cr, Rgb8(0, 0, 0), 0.5);
  cairo_fill(cr);
  RoundPlate(cr, b.x, b.y, b.w - 1, b.h - 1, 5, k.face, k.light, k.dark);
  const bool isMode = role <= MenuRole::Chroma;
  const double clear = isMode ? 20 : 24;
  if (role == MenuRole::Heat) Flames(cr, Box{b.x, b.y, b.w - 1, b.h - 1});
  if (role == MenuRole::Chroma) {
    cairo_save(cr);
    RoundedRectPath(cr, b.x + 1, b.y + 1, b.w - 3, b.h - 3, 4);
    cairo_clip(cr);
    cairo_rectangle(cr, b.x + clear, b.y + b.h - 6, b.w - clear, 4);
    cairo_pattern_t* p = cairo_pattern_create_linear(b.x + clear, 0, b.x + b.w - 4, 0);
    for (int i = 0; i < 6; ++i) {
      const Rgb c = kPaint[kWheelOrder[i]];
      cairo_pattern_add_color_stop_rgb(p, (i + 0.5) / 6.0, c.r, c.g, c.b);
    }
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
  }
  if (role == MenuRole::Hard) {
    Rivet(cr, b.x + b.w - 6, b.y + 5, 2.4);
    Rivet(cr, b.x + b.w - 6, b.y + b.h - 7, 2.4);
  }
  // The socket spans the marker's place on the small and the VGA classes.
  const double socketX = std::min(mx, layoutVgaX);
  MarkerSocket(cr, socketX, my, std::fabs(mx - layoutVgaX));
  // The label, centred in what is left.
  static const char* const kLabels[7] = {"EASY",   "HARD",      "PANIC",   "HEAT",
                                         "CHROMA", "Hi-Scores", "Settings"};
  const std::string label = kLabels[look];
  double iconRoom = 0;
  if (role == MenuRole::Panic) iconRoom = 17;
  if (role == MenuRole::HiScores || role == MenuRole::Settings) iconRoom = 15;
  const double areaX = b.x + clear, areaW = b.w - 1 - clear - iconRoom - 2;
  const double em = FitEm(cr, Face::Bold, label, areaW - 6, isMode ? 15 : 13.5);
  const double baseline = b.y + (b.h - 1) / 2 + em * 0.727 / 2;
  if (role == MenuRole::Chroma) {
    OutlinedText(cr, label, areaX + areaW / 2, baseline - 1.5, k.textTop, k.textBottom, kInk, 1.3,
                 1.0);
  } else {
    OutlinedText(cr, label, areaX + areaW / 2, baseline, k.textTop, k.textBottom, kInk, 1.3, 1.0);
  }
  const double iconX = b.x + b.w - 1 - iconRoom / 2 - 3, iconY = b.y + (b.h - 1) / 2;
  if (role == MenuRole::Panic) Clock(cr, iconX, iconY, 6.2);
  if (role == MenuRole::Settings) Gear(cr, iconX, iconY, 6.2, Rgb8(210, 218, 232));
  if (role == MenuRole::HiScores) Cup(cr, iconX, iconY, 11, Rgb8(240, 196, 60));
}

void QuitButton(cairo_t* cr, const Box& b) {
  RoundPlate(cr, b.x, b.y, b.w, b.h, 3, Rgb8(150, 30, 26), Rgb8(250, 120, 110), Rgb8(40, 0, 0));
  cairo_set_line_width(cr, 2.0);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  const double cx = b.x + b.w / 2 - 0.5, cy = b.y + b.h / 2 - 0.5;
  cairo_move_to(cr, cx - 4, cy - 4);
  cairo_line_to(cr, cx + 4, cy + 4);
  cairo_move_to(cr, cx + 4, cy - 4);
  cairo_line_to(cr, cx - 4, cy + 4);
  SetColour(cr, kWhite);
  cairo_stroke(cr);
}

// ---- Machinery in the free space --------------------------------------------

// A scaled-down corner of the board: pipes all round, cells and balls.
void MiniBoard(cairo_t* cr, double x, double y, double w, double h) {
  const double s = 0.8;
  const int cols = 3;
  const int rows = std::min(5, static_cast<int>((h / s - 36) / 30));
  if (rows < 1) return;
  const double bw = (cols * 30 + 36) * s, bh = (rows * 30 + 36) * s;
  cairo_save(cr);
  cairo_translate(cr, x + (w - bw) / 2, y + (h - bh) / 2);
  cairo_scale(cr, s, s);
  FillRect(cr, 2, 3, cols * 30 + 36, rows * 30 + 36, Rgb8(0, 0, 0), 0.5);
  const int tints[6] = {0, 1, 2, 3, 1, 0};
  for (int c = 0; c < cols; ++c) {
    PaintPipe(cr, 1, tints[c], 1, 18 + 30 * c, 0);
    PaintPipe(cr, 2, tints[c + 2], c == 1 ? 4 : 1, 18 + 30 * c, 18 + 30 * rows);
  }
  for (int r = 0; r < rows; ++r) {
    PaintPipe(cr, 4, tints[r % 6], 1, 0, 18 + 30 * r);
    PaintPipe(cr, 3, tints[(r + 3) % 6], r == 1 ? 3 : 1, 18 + 30 * cols, 18 + 30 * r);
  }
  for (int i = 0; i < 4; ++i) {
    cairo_save(cr);
    cairo_translate(cr, (i % 2) ? 18 + 30 * cols : 0, (i / 2) ? 18 + 30 * rows : 0);
    Art corner{cr, 1, i};
    DrawFrameCorner(corner);
    cairo_restore(cr);
  }
  const int balls[15] = {1, 2, 3, 4, 5, 6, 6, 6, 2, 3, 1, 4, 5, 3, 2};
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < cols; ++c) {
      cairo_save(cr);
      cairo_translate(cr, 18 + 30 * c, 18 + 30 * r);
      Art cell{cr, 1, 0};
      DrawEmptyCell(cell);
      cairo_restore(cr);
      const int k = r * cols + c;
      if (k == 4 && rows > 2) continue;  // one empty slot
      PaintBall(cr, 1, balls[k % 15], 33 + 30 * c, 33 + 30 * r, 27);
    }
  }
  cairo_restore(cr);
}

void PillRack(cairo_t* cr, double x, double y, double w) {
  const double pitch = std::min(19.0, w / 6);
  const double left = x + (w - pitch * 6) / 2;
  FillRect(cr, left - 2, y - 2, pitch * 6 + 3, 29, kSteelShadow);
  for (int i = 0; i < 6; ++i) {
    cairo_save(cr);
    cairo_translate(cr, left + i * pitch, y);
    Art pill{cr, 1, kWheelOrder[i] - 1};
    DrawPaintPill(pill);
    cairo_restore(cr);
  }
}

void SidePipe(cairo_t* cr, double x, double y, double h) {
  FillRect(cr, x + 2, y, 8, h, Rgb8(0, 0, 0), 0.35);
  TubeShade(cr, x, y, 8, h, kCopper, false);
  for (double fy = y + 20; fy < y + h - 10; fy += 50)
    RoundPlate(cr, x - 2, fy, 12, 4, 1, kBrass, kBrassLight, kBrassDark);
}

}  // namespace

void DrawMainMenu(Art& a) {
  cairo_t* cr = a.cr;
  const MenuLayout& l = kMenuLayouts[a.index];
  Background(cr, l);
  // The machinery first, so the entries always sit on top.
  const double ox = l.offsetX;
  const double settingsTop = 259 - l.offsetY, easyTop = 169 - l.offsetY;
  MiniBoard(cr, ox + 4, 92, 115, settingsTop - 96);
  if (easyTop - 90 >= 60) PillRack(cr, ox + 130, 100, 108);
  if (easyTop - 90 >= 60) {
    UseFace(cr, Face::Bold, 11);
    OutlinedText(cr, "choose a game", ox + 183, easyTop - 14, kBrassLight, kBrass, kInk, 1.0, 0.6);
  }
  if (l.offsetX >= 40) {
    SidePipe(cr, 16, 18, l.height - 26);
    SidePipe(cr, l.width - 24, 26, l.height - 34);
    for (double ry = 14; ry < l.height; ry += 80) {
      Rivet(cr, 6, ry, 3);
      Rivet(cr, l.width - 6, ry + 8, 3);
    }
  }
  // The About window first: the quit corner overlaps it and wins the tap.
  for (const MenuElement& e : kMenuElements)
    if (e.role == MenuRole::About) AboutArea(cr, BoxOf(HotRectOf(e, l), l));
  for (const MenuElement& e : kMenuElements) {
    if (!ElementShown(e, l) || e.role == MenuRole::About) continue;
    const Box b = BoxOf(HotRectOf(e, l), l);
    switch (e.role) {
      case MenuRole::About:
        break;
      case MenuRole::Quit:
        QuitButton(cr, b);
        break;
      default: {
        // The VGA classes put the mode markers at x 133.
        const bool mode = e.role <= MenuRole::Chroma;
        const double vgaX = (mode ? 133 : e.markerX) + l.offsetX;
        MenuButton(cr, e.role, b, e.markerX + l.offsetX, e.markerY - l.offsetY, vgaX);
        break;
      }
    }
  }
}

}  // namespace art
