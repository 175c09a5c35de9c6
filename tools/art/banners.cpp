// Banners and labels shown over the board: bold lettering with a dark
// outline and a soft shadow, keyed on grey; and the end-of-game result panel.

#include "drawings.hpp"
#include "palette.hpp"

namespace art {

namespace {

// Lettering that fills a w x h banner, its baseline placed for capitals.
void Banner(cairo_t* cr, const char* text, double w, double h, Rgb top, Rgb bottom) {
  const double outline = 1.5;
  const double em = FitEm(cr, Face::Bold, text, w - 2 * outline - 3, (h - 2 * outline - 2) / 0.74);
  const double cap = em * 0.727;
  const double baseline = (h - 1) / 2 + cap / 2;
  OutlinedText(cr, text, w / 2 - 0.5, baseline, top, bottom, Rgb8(28, 8, 6), outline, 1.2);
}

}  // namespace

void DrawGameOverBanner(Art& a) {
  Banner(a.cr, "GAME OVER", 150, 29, Rgb8(255, 120, 100), Rgb8(200, 16, 16));
}

void DrawTimeUpBanner(Art& a) {
  Banner(a.cr, "TIME UP!", 150, 29, Rgb8(255, 210, 120), Rgb8(240, 110, 10));
}

void DrawLevelUpBanner(Art& a) {
  Banner(a.cr, "LEVEL UP!", 150, 30, Rgb8(236, 255, 120), Rgb8(90, 190, 20));
}

void DrawBonusBanner(Art& a) {
  Banner(a.cr, "20.000 pt", 150, 38, Rgb8(255, 246, 170), Rgb8(220, 150, 20));
}

void DrawExtraLabel(Art& a) {
  cairo_t* cr = a.cr;
  RoundedRectPath(cr, 0, 0, 30, 12, 4);
  SetColour(cr, Rgb8(60, 0, 0));
  cairo_fill(cr);
  cairo_save(cr);
  RoundedRectPath(cr, 0.8, 0.8, 28.4, 10.4, 3.4);
  cairo_clip(cr);
  FillVertical(cr, 0, 0, 30, 12, Rgb8(240, 60, 50), Rgb8(160, 8, 8));
  cairo_restore(cr);
  UseFace(cr, Face::Bold, 8.6);
  CentredText(cr, "EXTRA", 15, 9.2, kWhite);
}

// Banners sit on balls; their dark outline is what edges blend into.
void BannerBackdrop(Art& a) {
  FillRect(a.cr, 0, 0, 150, 40, Rgb8(28, 8, 6));
}

void DrawResultPanel(Art& a) {
  cairo_t* cr = a.cr;
  // A brass-rimmed steel frame around the orange plate the game fills in.
  RoundedRectPath(cr, 0, 0, 176, 40, 8);
  SetColour(cr, kBrassDark);
  cairo_fill(cr);
  cairo_save(cr);
  RoundedRectPath(cr, 1, 1, 174, 38, 7);
  cairo_clip(cr);
  FillVertical(cr, 0, 0, 176, 40, kBrassLight, kBrass);
  cairo_restore(cr);
  cairo_save(cr);
  RoundedRectPath(cr, 3, 3, 170, 34, 5.5);
  cairo_clip(cr);
  FillVertical(cr, 0, 0, 176, 40, kSteel, kSteelDark);
  cairo_restore(cr);
  FillRect(cr, 7, 7, 162, 26, kSteelShadow);
  FillRect(cr, 8, 8, 161, 25, kSteelLight);
  FillRect(cr, 8, 8, 160, 24, Rgb8(120, 70, 10));
  FillRect(cr, 9, 9, 158, 22, Rgb8(255, 186, 51));
  Rivet(cr, 4.5, 20, 2.2);
  Rivet(cr, 171.5, 20, 2.2);
}

// The panel sits on a board full of grey balls.
void ResultBackdrop(Art& a) {
  FillRect(a.cr, 0, 0, 176, 40, Rgb8(70, 70, 74));
}

}  // namespace art
