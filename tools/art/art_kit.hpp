#pragma once

// The small vector kit every drawing of the game is made with. A drawing works
// in logical pixels; the context it gets is already scaled for the set being
// drawn (1 for the small set, 2 for the VGA set), so both sets come from the
// same description.

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <string>

namespace art {

// A colour with channels 0..1.
struct Rgb {
  double r = 0;
  double g = 0;
  double b = 0;
};

constexpr Rgb Rgb8(int r, int g, int b) {
  return Rgb{r / 255.0, g / 255.0, b / 255.0};
}
Rgb Mix(Rgb a, Rgb b, double t);
Rgb Scale(Rgb a, double f);
// Washes a colour towards white by t (0..1).
Rgb Pale(Rgb a, double t);

// What a drawing is given: a context scaled to logical pixels, the set's scale
// and the entry's position inside its catalogue group.
struct Art {
  cairo_t* cr = nullptr;
  int scale = 1;
  int index = 0;
};

using DrawFn = void (*)(Art&);

// ---- Painting helpers (all in logical pixels) -----------------------------

void SetColour(cairo_t* cr, Rgb c, double alpha = 1.0);
void FillRect(cairo_t* cr, double x, double y, double w, double h, Rgb c, double alpha = 1.0);
void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double radius);
void CirclePath(cairo_t* cr, double cx, double cy, double r);
// Fills the current path with a vertical gradient running from y1 to y2.
void FillPathVertical(cairo_t* cr, double y1, double y2, Rgb top, Rgb bottom);
// A vertical (angle 0) or horizontal linear gradient between two colours.
void FillVertical(cairo_t* cr, double x, double y, double w, double h, Rgb top, Rgb bottom);
void FillHorizontal(cairo_t* cr, double x, double y, double w, double h, Rgb left, Rgb right);

// A steel plate with a one-pixel bevel lit from the top left.
void SteelPlate(cairo_t* cr, double x, double y, double w, double h);
// The same, with rounded corners, for buttons and tags.
void RoundPlate(cairo_t* cr, double x, double y, double w, double h, double radius, Rgb face,
                Rgb light, Rgb dark);
// A recess: darker inside, shadow along the top and left, a light lip bottom right.
void Recess(cairo_t* cr, double x, double y, double w, double h, Rgb inside);
// A round rivet head with its diameter in logical pixels.
void Rivet(cairo_t* cr, double cx, double cy, double diameter);
// Yellow and black warning stripes filling a rectangle.
void HazardStripes(cairo_t* cr, double x, double y, double w, double h, double pitch);
// A cylinder lit from the top left, across its width (horizontal=true: the
// tube runs left to right, so shading goes across y).
void TubeShade(cairo_t* cr, double x, double y, double w, double h, Rgb base, bool horizontal);

// ---- Text -------------------------------------------------------------------

enum class Face { Regular, Bold };

// Loads the two faces once; returns false when a face file cannot be read.
bool LoadFaces(const std::string& regularPath, const std::string& boldPath);
void ReleaseFaces();
void UseFace(cairo_t* cr, Face face, double emSize);
double TextWidth(cairo_t* cr, const std::string& text);
// Adds the text outline to the path with its baseline centred on (cx, baseline).
void CentredTextPath(cairo_t* cr, const std::string& text, double cx, double baseline);
// Fills one line of text centred on cx.
void CentredText(cairo_t* cr, const std::string& text, double cx, double baseline, Rgb c);
// Picks the largest em size (up to maxEm) at which the text fits the width.
double FitEm(cairo_t* cr, Face face, const std::string& text, double width, double maxEm);
// Bold lettering with a dark outline and a soft shadow: banners, titles, buttons.
void OutlinedText(cairo_t* cr, const std::string& text, double cx, double baseline, Rgb top,
                  Rgb bottom, Rgb outline, double outlineWidth, double shadow);

// ---- Per-pixel shading ------------------------------------------------------

// Straight colour with its coverage.
struct Rgba {
  double r = 0;
  double g = 0;
  double b = 0;
  double a = 0;
};
using Shader = std::function<Rgba(double x, double y)>;

// Paints the logical rectangle with a shader sampled ss x ss times per device
// pixel, so round edges come out smooth at either scale.
void PaintShader(cairo_t* cr, double x, double y, double w, double h, const Shader& shader,
                 int ss = 4);

// Smooth value noise in 0..1, the same at any scale for the same logical point.
double Noise(double x, double y, std::uint32_t seed);
double FractalNoise(double x, double y, std::uint32_t seed, int octaves);
// A repeatable pseudo-random value 0..1 from integers.
double Hash01(std::uint32_t a, std::uint32_t b = 0, std::uint32_t c = 0);

}  // namespace art
