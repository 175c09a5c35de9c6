// The balls: the brightest things on the board. Each is shaded per pixel as a
// sphere lit from the top left, so the small and the VGA set share one model.

#include <algorithm>
#include <cmath>

#include "drawings.hpp"
#include "palette.hpp"

namespace art {

namespace {

constexpr double kDiameter = 27.0;

struct Vec {
  double x, y, z;
};

Vec Normalise(Vec v) {
  const double l = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
  return Vec{v.x / l, v.y / l, v.z / l};
}
double Dot(Vec a, Vec b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}

const Vec kLight = Normalise(Vec{-0.55, -0.65, 0.6});
const Vec kHalf = Normalise(Vec{kLight.x, kLight.y, kLight.z + 1.0});
const Vec kBounce = Normalise(Vec{0.65, 0.7, 0.25});

// The joker's swirl of the six paint colours, by position on the unit disc.
Rgb JokerColour(double dx, double dy) {
  const double d = std::sqrt(dx * dx + dy * dy);
  double angle = std::atan2(dy, dx) + 2.4 * d + M_PI / 6;
  angle = std::fmod(angle + 8 * M_PI, 2 * M_PI);
  const int sector = static_cast<int>(angle / (M_PI / 3)) % 6;
  return kPaint[kWheelOrder[sector]];
}

Rgb BaseColour(int colour, double dx, double dy) {
  return colour == 0 ? JokerColour(dx, dy) : kPaint[colour];
}

// Never let a ball pixel reach pure black: black is the balls' key.
Rgba Finish(Rgb c) {
  return Rgba{std::max(c.r, 4 / 255.0), std::max(c.g, 4 / 255.0), std::max(c.b, 4 / 255.0), 1};
}

Rgba Shiny(int colour, double dx, double dy) {
  const double d2 = dx * dx + dy * dy;
  const Vec n{dx, dy, std::sqrt(std::max(0.0, 1 - d2))};
  const Rgb base = BaseColour(colour, dx, dy);
  const double diffuse = std::max(0.0, Dot(n, kLight));
  Rgb c = Scale(base, 0.28 + 0.86 * diffuse);
  // A darker rim makes the sphere round; bounced light lifts the lower right.
  c = Scale(c, 1.0 - 0.3 * std::pow(d2, 3));
  const double bounce = std::pow(std::max(0.0, Dot(n, kBounce)), 3) * 0.35;
  c = Mix(c, Pale(base, 0.35), bounce);
  const double glint = std::pow(std::max(0.0, Dot(n, kHalf)), 40);
  c = Mix(c, kWhite, std::min(1.0, glint * 0.9));
  // The crisp window reflection, top left.
  const double sx = (dx + 0.36) / 0.22, sy = (dy + 0.42) / 0.15;
  const double spot = sx * sx + sy * sy;
  if (spot < 1) c = Mix(c, kWhite, std::min(1.0, (1 - spot) * 2.2) * 0.92);
  return Finish(c);
}

// A crater's effect on brightness: the wall facing away from the light is in
// shadow, the far wall and the rim catch it.
double Craters(double dx, double dy, unsigned seed) {
  struct Crater {
    double x, y, r;
  };
  const Crater craters[4] = {
      {0.28, 0.18, 0.22}, {-0.22, 0.42, 0.16}, {0.05, -0.35, 0.13}, {-0.45, -0.05, 0.11}};
  double light = 1.0;
  for (int i = 0; i < 4; ++i) {
    Crater c = craters[i];
    c.x += (Hash01(seed, static_cast<unsigned>(i), 1) - 0.5) * 0.12;
    c.y += (Hash01(seed, static_cast<unsigned>(i), 2) - 0.5) * 0.12;
    const double vx = (dx - c.x) / c.r, vy = (dy - c.y) / c.r;
    const double t = std::sqrt(vx * vx + vy * vy);
    if (t > 1.25) continue;
    const double towardLight = -(vx * -0.64 + vy * -0.76);  // + on the lower right wall
    if (t < 1.0) {
      light *= 0.9 + 0.16 * towardLight * t;
    } else {
      light *= 1.0 - 0.1 * towardLight * (1.25 - t) * 4;  // the raised rim
    }
  }
  return light;
}

Rgba Moon(int colour, double dx, double dy, unsigned seed) {
  const double d2 = dx * dx + dy * dy;
  const Vec n{dx, dy, std::sqrt(std::max(0.0, 1 - d2))};
  const Rgb base = Pale(BaseColour(colour, dx, dy), colour == 7 ? 0.25 : 0.42);
  const double diffuse = std::max(0.0, Dot(n, kLight));
  double light = 0.42 + 0.66 * diffuse;
  light *= Craters(dx, dy, seed);
  light *= 0.95 + 0.1 * FractalNoise(dx * 9 + 50, dy * 9, seed + 7, 3);
  Rgb c = Scale(base, light);
  c = Scale(c, 1.0 - 0.22 * std::pow(d2, 3));
  return Finish(c);
}

// Rough stone: a handful of flat facets, each tilted its own way, with cracks
// between them and grit over all.
Rgba Rock(int colour, double dx, double dy, unsigned seed) {
  const double d2 = dx * dx + dy * dy;
  const Vec n{dx, dy, std::sqrt(std::max(0.0, 1 - d2))};
  double best = 9, second = 9;
  int cell = 0;
  for (int i = 0; i < 14; ++i) {
    const double px = Hash01(seed, static_cast<unsigned>(i), 3) * 2.2 - 1.1;
    const double py = Hash01(seed, static_cast<unsigned>(i), 4) * 2.2 - 1.1;
    const double dd = (dx - px) * (dx - px) + (dy - py) * (dy - py);
    if (dd < best) {
      second = best;
      best = dd;
      cell = i;
    } else if (dd < second) {
      second = dd;
    }
  }
  const double tx = (Hash01(seed, static_cast<unsigned>(cell), 5) - 0.5) * 0.95;
  const double ty = (Hash01(seed, static_cast<unsigned>(cell), 6) - 0.5) * 0.95;
  const Vec f = Normalise(Vec{n.x + tx, n.y + ty, n.z});
  const Rgb base = Scale(BaseColour(colour, dx, dy), colour == 7 ? 0.85 : 0.72);
  double light = 0.3 + 0.8 * std::max(0.0, Dot(f, kLight));
  light *= 0.82 + 0.3 * FractalNoise(dx * 14 + 9, dy * 14, seed + 11, 3);
  const double edge = std::sqrt(second) - std::sqrt(best);
  if (edge < 0.05) light *= 0.65 + 0.35 * edge / 0.05;
  Rgb c = Scale(base, light);
  c = Scale(c, 1.0 - 0.3 * std::pow(d2, 3));
  return Finish(c);
}

}  // namespace

void PaintBall(cairo_t* cr, int style, int colour, double cx, double cy, double diameter,
               double squeeze) {
  const double r = diameter / 2;
  const double rx = r * squeeze;
  const unsigned seed = static_cast<unsigned>(colour * 7 + style * 131);
  PaintShader(cr, cx - r - 1, cy - r - 1, diameter + 2, diameter + 2, [=](double x, double y) {
    double dx = (x - cx) / rx, dy = (y - cy) / r;
    double d2 = dx * dx + dy * dy;
    if (style == 3) {
      // Stone is not quite round.
      const double a = std::atan2(dy, dx);
      const double wobble = 0.96 + 0.05 * Noise(a * 2.2 + 20, 3, seed + 2);
      dx /= wobble;
      dy /= wobble;
      d2 = dx * dx + dy * dy;
    }
    if (d2 >= 1) return Rgba{};
    switch (style) {
      case 2:
        return Moon(colour, dx, dy, seed);
      case 3:
        return Rock(colour, dx, dy, seed);
      default:
        return Shiny(colour, dx, dy);
    }
  });
}

namespace {

// Ball entry k of a style: colours 1..6 round then narrow, then the grey ball.
void DrawBallEntry(Art& a, int style) {
  const int colour = a.index < 12 ? a.index / 2 + 1 : 7;
  const bool narrow = a.index < 12 && a.index % 2 == 1;
  PaintBall(a.cr, style, colour, 15, 15, kDiameter, narrow ? 0.7 : 1.0);
}

}  // namespace

void DrawShinyBall(Art& a) {
  DrawBallEntry(a, 1);
}
void DrawMoonBall(Art& a) {
  DrawBallEntry(a, 2);
}
void DrawRockBall(Art& a) {
  DrawBallEntry(a, 3);
}

void DrawJoker(Art& a) {
  const int styles[3] = {2, 3, 1};  // Moon, Rock, Shiny
  PaintBall(a.cr, styles[a.index], 0, 15, 15, kDiameter);
}

}  // namespace art
