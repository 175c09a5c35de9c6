// Device-style widgets: the settings page's check boxes, close box, corners
// and volume slider, the popup panels' frame, and the help pages' arrow. The
// page colours are the game's own, so these stay plain and crisp.

#include <cmath>

#include "drawings.hpp"
#include "palette.hpp"

namespace art {

namespace {

const Rgb kPage = Rgb8(222, 223, 222);
const Rgb kTitleGrey = Rgb8(198, 199, 198);
const Rgb kFrameGrey = Rgb8(57, 56, 57);
const Rgb kRuleGrey = Rgb8(115, 117, 115);
const Rgb kPanelBlue = Rgb8(16, 56, 148);
const Rgb kPanelBlueDeep = Rgb8(8, 30, 96);
const Rgb kPanelBlueLight = Rgb8(70, 120, 220);

void Tick(cairo_t* cr, double x, double y, double s, double width) {
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  cairo_move_to(cr, x, y + s * 0.5);
  cairo_line_to(cr, x + s * 0.35, y + s * 0.85);
  cairo_line_to(cr, x + s, y);
  SetColour(cr, Rgb8(0, 0, 0));
  cairo_stroke(cr);
}

}  // namespace

void DrawCheckBox(Art& a) {
  // Fully opaque: it is drawn keyed on the help panel and opaque on the settings page.
  cairo_t* cr = a.cr;
  FillRect(cr, 0, 0, 19, 16, Rgb8(132, 130, 132));
  FillRect(cr, 1, 1, 17, 14, Rgb8(66, 65, 66));
  FillRect(cr, 2, 2, 15, 12, kWhite);
  if (a.index == 1) Tick(cr, 5, 4.5, 9, 2.0);
}

void DrawSettingsCorner(Art& a) {
  cairo_t* cr = a.cr;
  // Rounded corners of the page frame: black outside, the frame, then the
  // title bar (top corners) or the page (bottom corners) inside.
  const bool right = a.index % 2 == 1, bottom = a.index >= 2;
  FillRect(cr, 0, 0, 4, 4, Rgb8(0, 0, 0));
  const double ox = right ? -4 : 0, oy = bottom ? -4 : 0;
  RoundedRectPath(cr, ox, oy, 8, 8, 4);
  SetColour(cr, kFrameGrey);
  cairo_fill(cr);
  RoundedRectPath(cr, ox + 2, oy + 2, 4, 4, 2);
  SetColour(cr, bottom ? kPage : kTitleGrey);
  cairo_fill(cr);
}

void DrawSettingsCloseBox(Art& a) {
  cairo_t* cr = a.cr;
  FillRect(cr, 0, 0, 17, 17, kTitleGrey);
  RoundedRectPath(cr, 0.5, 0.5, 16, 16, 2);
  SetColour(cr, kRuleGrey);
  cairo_fill(cr);
  cairo_save(cr);
  RoundedRectPath(cr, 1.5, 1.5, 14, 14, 1.5);
  cairo_clip(cr);
  FillVertical(cr, 0, 0, 17, 17, kWhite, kPage);
  cairo_restore(cr);
  cairo_set_line_width(cr, 2.0);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  cairo_move_to(cr, 5, 5);
  cairo_line_to(cr, 12, 12);
  cairo_move_to(cr, 12, 5);
  cairo_line_to(cr, 5, 12);
  SetColour(cr, Rgb8(0, 0, 0));
  cairo_stroke(cr);
}

void DrawVolumePiece(Art& a) {
  cairo_t* cr = a.cr;
  const double w[6] = {113, 13, 12, 12, 12, 20};
  FillRect(cr, 0, 0, w[a.index], 23, kPage);
  switch (a.index) {
    case 0: {  // the track: a groove with tick marks, the knob's centre travels 6.5..106.5
      FillRect(cr, 4, 9, 105, 1, kRuleGrey);
      FillRect(cr, 4, 10, 105, 3, Rgb8(66, 65, 66));
      FillRect(cr, 4, 13, 105, 1, kWhite);
      for (int i = 0; i <= 10; ++i) FillRect(cr, 6 + i * 10, 17, 1, i % 5 == 0 ? 4 : 2, kRuleGrey);
      break;
    }
    case 1: {  // the knob: a pointed thumb
      cairo_move_to(cr, 1, 1.5);
      cairo_line_to(cr, 12, 1.5);
      cairo_line_to(cr, 12, 15.5);
      cairo_line_to(cr, 6.5, 21.5);
      cairo_line_to(cr, 1, 15.5);
      cairo_close_path(cr);
      SetColour(cr, Rgb8(0, 0, 0));
      cairo_fill(cr);
      cairo_move_to(cr, 2, 2.5);
      cairo_line_to(cr, 11, 2.5);
      cairo_line_to(cr, 11, 15.1);
      cairo_line_to(cr, 6.5, 20);
      cairo_line_to(cr, 2, 15.1);
      cairo_close_path(cr);
      cairo_save(cr);
      cairo_clip(cr);
      FillHorizontal(cr, 2, 0, 9, 23, kWhite, Rgb8(160, 162, 166));
      FillRect(cr, 5, 7, 3, 1, kRuleGrey);
      FillRect(cr, 5, 10, 3, 1, kRuleGrey);
      cairo_restore(cr);
      break;
    }
    case 5:  // the speaker
      cairo_move_to(cr, 3, 8.5);
      cairo_line_to(cr, 7, 8.5);
      cairo_line_to(cr, 13, 3.5);
      cairo_line_to(cr, 13, 19.5);
      cairo_line_to(cr, 7, 14.5);
      cairo_line_to(cr, 3, 14.5);
      cairo_close_path(cr);
      SetColour(cr, Rgb8(0, 0, 0));
      cairo_fill(cr);
      break;
    default: {  // loudness: three, two or one arcs
      const int arcs = 5 - a.index;
      cairo_set_line_width(cr, 1.6);
      cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
      for (int i = 0; i < arcs; ++i) {
        cairo_new_path(cr);
        cairo_arc(cr, -1, 11.5, 3.5 + 3.4 * i, -M_PI * 0.32, M_PI * 0.32);
        SetColour(cr, Rgb8(0, 0, 0));
        cairo_stroke(cr);
      }
      break;
    }
  }
}

void DrawDropDownArrow(Art& a) {
  cairo_t* cr = a.cr;
  FillRect(cr, 0, 0, 18, 23, kWhite);
  // A fat arrow pointing down, for the help pages' "here".
  cairo_move_to(cr, 6, 1.5);
  cairo_line_to(cr, 12, 1.5);
  cairo_line_to(cr, 12, 11);
  cairo_line_to(cr, 16.5, 11);
  cairo_line_to(cr, 9, 21.5);
  cairo_line_to(cr, 1.5, 11);
  cairo_line_to(cr, 6, 11);
  cairo_close_path(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr, 1.2);
  SetColour(cr, Rgb8(0, 30, 120));
  cairo_stroke_preserve(cr);
  cairo_save(cr);
  cairo_clip(cr);
  FillHorizontal(cr, 0, 0, 18, 23, Rgb8(90, 150, 255), Rgb8(10, 60, 200));
  cairo_restore(cr);
}

void DrawPanelPiece(Art& a) {
  cairo_t* cr = a.cr;
  switch (a.index) {
    case 0:  // bottom border
      FillRect(cr, 0, 0, 240, 4, kPanelBlue);
      FillRect(cr, 0, 0, 240, 1, kPanelBlueLight);
      FillRect(cr, 0, 3, 240, 1, kPanelBlueDeep);
      break;
    case 1:  // left border
      FillRect(cr, 0, 0, 4, 30, kPanelBlue);
      FillRect(cr, 0, 0, 1, 30, kPanelBlueLight);
      FillRect(cr, 3, 0, 1, 30, kPanelBlueDeep);
      break;
    case 2:  // right border
      FillRect(cr, 0, 0, 4, 30, kPanelBlue);
      FillRect(cr, 0, 0, 1, 30, kPanelBlueLight);
      FillRect(cr, 3, 0, 1, 30, kPanelBlueDeep);
      break;
    default: {  // title bar with its close box at 218..236 x 5..22
      FillVertical(cr, 0, 0, 240, 26, Rgb8(40, 96, 200), kPanelBlueDeep);
      FillRect(cr, 0, 0, 240, 1, Rgb8(110, 160, 240));
      FillRect(cr, 0, 25, 240, 1, Rgb8(4, 16, 60));
      RoundedRectPath(cr, 218.5, 5.5, 17, 16, 2.5);
      SetColour(cr, Rgb8(30, 80, 190));
      cairo_fill_preserve(cr);
      SetColour(cr, kWhite);
      cairo_set_line_width(cr, 1.0);
      cairo_stroke(cr);
      cairo_set_line_width(cr, 2.0);
      cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
      cairo_move_to(cr, 223, 9.5);
      cairo_line_to(cr, 231, 17.5);
      cairo_move_to(cr, 231, 9.5);
      cairo_line_to(cr, 223, 17.5);
      cairo_stroke(cr);
      break;
    }
  }
}

}  // namespace art
