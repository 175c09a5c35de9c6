// The pipe ring around the board: a steel band with one pipe per row and
// column, each a short funnel whose wide mouth faces the board. Everything is
// shaded in one model (distance from the board edge "u", position along the
// ring "v") and lit in screen space, so all four sides and the corners share
// the same light from the top left and join without seams.

#include <algorithm>
#include <cmath>

#include "drawings.hpp"
#include "palette.hpp"

namespace art {

namespace {

struct Dir {
  double x, y;
};

// Outward direction (away from the board) and the direction along the ring.
Dir Outward(int side) {
  switch (side) {
    case 1:
      return {0, -1};
    case 2:
      return {0, 1};
    case 3:
      return {1, 0};
    default:
      return {-1, 0};
  }
}
Dir Along(int side) {
  return side <= 2 ? Dir{1, 0} : Dir{0, 1};
}

constexpr double kLx = -0.55, kLy = -0.65, kLz = 0.6;

double Lit(double nx, double ny, double nz) {
  const double l = std::sqrt(kLx * kLx + kLy * kLy + kLz * kLz);
  return (nx * kLx + ny * kLy + nz * kLz) / l;
}

// The bare ring at depth u (0 at the board edge, 18 at the outer edge).
Rgb RingColour(int side, double u, double along) {
  const Dir o = Outward(side);
  double nx = 0, ny = 0, nz = 1;
  if (u < 1.0) {  // the inner lip falls towards the board
    nx = -o.x * 0.8;
    ny = -o.y * 0.8;
    nz = 0.6;
  } else if (u > 17.0) {  // the outer bevel
    nx = o.x * 0.8;
    ny = o.y * 0.8;
    nz = 0.6;
  }
  const double flat = Lit(0, 0, 1);
  const double light = Lit(nx, ny, nz) / flat;
  // A faint groove halfway and brushed grain along the ring.
  double groove = 1.0;
  if (u > 8.6 && u < 9.4) groove = 0.86;
  const double grain = 0.96 + 0.08 * Noise(along * 0.15, u * 1.7, 71);
  Rgb base = Mix(kSteelLight, kSteel, std::clamp((u - 1) / 16, 0.0, 1.0) * 0.6 + 0.2);
  return Scale(base, light * groove * grain);
}

// Pipe half-width at depth u for a frame (bulge travelling outward on 2..5).
double HalfWidth(double u, int frame) {
  double r;
  if (u < 4.0) {
    r = 13.8;  // the mouth's flange
  } else if (u < 9.5) {
    const double t = (u - 4.0) / 5.5;
    r = 12.0 - 5.0 * (t * t * (3 - 2 * t));
  } else {
    r = 7.0;
  }
  if (u > 12.5 && u < 14.5) r += 1.3;  // a collar
  if (frame >= 2 && frame <= 5) {
    const double centre[4] = {5.0, 9.0, 12.6, 15.8};
    const double k = (u - centre[frame - 2]) / 2.6;
    const double swollen = std::max(10.6, r + 1.4);
    r += (swollen - r) * std::exp(-k * k);
  }
  return r;
}

const Rgb kTints[4] = {Rgb8(172, 180, 194), Rgb8(200, 116, 64), Rgb8(232, 110, 96),
                       Rgb8(214, 36, 24)};

Rgba PipePixel(int side, int tint, int frame, double u, double v) {
  const double r = HalfWidth(u, frame);
  const double av = std::fabs(v);
  if (u < 0 || u > 18) return Rgba{};
  Rgb c;
  if (av >= r) {
    c = RingColour(side, u, v);
    // The tube's soft shadow on the ring, down and to the right.
    const Dir o = Outward(side), t = Along(side);
    const double shx = 0.9, shy = 1.1;  // screen-space shadow offset
    const double su = u - (shx * o.x + shy * o.y), sv = v - (shx * t.x + shy * t.y);
    if (std::fabs(sv) < HalfWidth(su, frame) && su >= 0 && su <= 18) c = Scale(c, 0.62);
    return Rgba{c.r, c.g, c.b, 1};
  }
  // Across the tube the surface is round; along it the profile slopes.
  const double nv = v / r;
  const double nzc = std::sqrt(std::max(0.0, 1 - nv * nv));
  const double dr = (HalfWidth(u + 0.25, frame) - HalfWidth(u - 0.25, frame)) / 0.5;
  const double nu = -dr * nzc * 0.6;
  const Dir o = Outward(side), t = Along(side);
  double nx = nu * o.x + nv * t.x, ny = nu * o.y + nv * t.y, nz = nzc;
  const double nl = std::sqrt(nx * nx + ny * ny + nz * nz);
  nx /= nl;
  ny /= nl;
  nz /= nl;
  const Rgb tone = kTints[tint];
  const double diffuse = std::max(0.0, Lit(nx, ny, nz));
  c = Scale(tone, 0.32 + 0.78 * diffuse);
  if (tint == 0) c = Scale(c, 0.94 + 0.12 * Noise(u * 0.4 + v * 0.0, v * 2.5, 17));
  // Specular streak along the tube.
  const double hx = kLx, hy = kLy, hz = kLz + 1.3;
  const double hl = std::sqrt(hx * hx + hy * hy + hz * hz);
  const double glint = std::pow(std::max(0.0, (nx * hx + ny * hy + nz * hz) / hl), 24);
  c = Mix(c, kWhite, glint * (tint == 3 ? 0.45 : 0.7));
  if (tint == 3) {
    // A hot pipe glows from inside and catches an orange rim light.
    c = Mix(c, Rgb8(255, 120, 30), 0.18);
    const double rim = std::max(0.0, std::fabs(nv) - 0.6) / 0.4;
    c = Mix(c, Rgb8(255, 170, 60), rim * 0.6);
  }
  // The flange's back edge, then the mouth seen slightly from above: a lit rim
  // around a dark opening that faces the board.
  if (u < 4.2 && u > 3.4) c = Scale(c, 0.7);
  const double mu = (u - 0.4) / 3.0, mv = v / 11.6;
  const double m = mu * mu + mv * mv;
  if (m < 1) {
    const double depth = 1 - m;
    c = Mix(Rgb8(44, 34, 34), kSlotDeep, std::min(1.0, depth * 2.2));
    if (tint == 3) c = Mix(c, Rgb8(150, 40, 10), depth * 0.7);
  } else if (m < 1.45) {
    const double lit = std::clamp(-(mv * Along(side).x * kLx + mv * Along(side).y * kLy) -
                                      (mu * Outward(side).x * kLx + mu * Outward(side).y * kLy),
                                  -1.0, 1.0);
    c = Mix(Scale(tone, 0.55), Pale(tone, 0.45), 0.5 + 0.5 * lit);
  }
  return Rgba{c.r, c.g, c.b, 1};
}

void Puff(cairo_t* cr, int side, double x, double y) {
  const Dir o = Outward(side), t = Along(side);
  // The pipe's outer end in screen space.
  const double cx = x + (side <= 2 ? 15 : (side == 3 ? 15.5 : 2.5));
  const double cy = y + (side <= 2 ? (side == 1 ? 2.5 : 15.5) : 15);
  const double blobs[4][3] = {{0, 0, 3.6}, {-0.8, -3.4, 2.4}, {-0.6, 3.2, 2.6}, {-2.6, 0.5, 2.2}};
  for (const auto& b : blobs) {
    const double bx = cx + b[0] * o.x + b[1] * t.x, by = cy + b[0] * o.y + b[1] * t.y;
    cairo_pattern_t* p = cairo_pattern_create_radial(bx - 0.8, by - 0.8, 0, bx, by, b[2]);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.96, 0.97, 1.0, 0.95);
    cairo_pattern_add_color_stop_rgba(p, 0.7, 0.78, 0.8, 0.86, 0.8);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.6, 0.64, 0.7, 0.0);
    CirclePath(cr, bx, by, b[2]);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
  }
}

}  // namespace

void PaintRing(cairo_t* cr, int side, double x, double y, double length) {
  const bool horizontal = side <= 2;
  const double w = horizontal ? length : 18, h = horizontal ? 18 : length;
  PaintShader(
      cr, x, y, w, h,
      [=](double px, double py) {
        const double lx = px - x, ly = py - y;
        const double u = side == 1 ? 18 - ly : side == 2 ? ly : side == 3 ? lx : 18 - lx;
        const double along = horizontal ? lx : ly;
        const Rgb c = RingColour(side, u, along);
        return Rgba{c.r, c.g, c.b, 1};
      },
      2);
}

void PaintPipe(cairo_t* cr, int side, int tint, int frame, double x, double y) {
  const bool horizontal = side <= 2;
  const double w = horizontal ? 30 : 18, h = horizontal ? 18 : 30;
  PaintShader(cr, x, y, w, h, [=](double px, double py) {
    const double lx = px - x, ly = py - y;
    const double u = side == 1 ? 18 - ly : side == 2 ? ly : side == 3 ? lx : 18 - lx;
    const double v = (horizontal ? lx : ly) - 15;
    return PipePixel(side, tint, frame, u, v);
  });
  if (frame == 6) Puff(cr, side, x, y);
}

namespace {

// Within a side's block of 24 pictures the tints come in the order the heat
// offsets ask for: copper (heat 4-6), red (10+), pale (0-3), light red (7-9).
constexpr int kBlockTint[4] = {1, 3, 0, 2};

}  // namespace

void DrawVerticalPipe(Art& a) {
  const int side = a.index < 24 ? 4 : 3;
  const int k = a.index % 24;
  PaintPipe(a.cr, side, kBlockTint[k / 6], k % 6 + 1, 0, 0);
}

void DrawHorizontalPipe(Art& a) {
  const int side = a.index < 24 ? 2 : 1;
  const int k = a.index % 24;
  PaintPipe(a.cr, side, kBlockTint[k / 6], k % 6 + 1, 0, 0);
}

void DrawFrameCorner(Art& a) {
  // The two rings meet on the diagonal like a mitred picture frame.
  const bool right = a.index == 1 || a.index == 3;
  const bool bottom = a.index >= 2;
  PaintShader(
      a.cr, 0, 0, 18, 18,
      [=](double px, double py) {
        const double uh = right ? px : 18 - px;   // depth into the left or right ring
        const double uv = bottom ? py : 18 - py;  // depth into the top or bottom ring
        const bool vertical = uh > uv;
        const int side = vertical ? (right ? 3 : 4) : (bottom ? 2 : 1);
        const Rgb c = RingColour(side, std::max(uh, uv), vertical ? py : px);
        return Rgba{c.r, c.g, c.b, 1};
      },
      2);
  const double cx = right ? 8.5 : 9.5, cy = bottom ? 8.5 : 9.5;
  Rivet(a.cr, cx, cy, 5.0);
}

}  // namespace art
