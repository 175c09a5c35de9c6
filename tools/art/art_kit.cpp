#include "art_kit.hpp"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <vector>

#include "palette.hpp"

namespace art {

Rgb Mix(Rgb a, Rgb b, double t) {
  return Rgb{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb Scale(Rgb a, double f) {
  return Rgb{std::clamp(a.r * f, 0.0, 1.0), std::clamp(a.g * f, 0.0, 1.0),
             std::clamp(a.b * f, 0.0, 1.0)};
}

Rgb Pale(Rgb a, double t) {
  return Mix(a, Rgb{1, 1, 1}, t);
}

void SetColour(cairo_t* cr, Rgb c, double alpha) {
  cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

void FillRect(cairo_t* cr, double x, double y, double w, double h, Rgb c, double alpha) {
  cairo_new_path(cr);
  cairo_rectangle(cr, x, y, w, h);
  SetColour(cr, c, alpha);
  cairo_fill(cr);
}

void RoundedRectPath(cairo_t* cr, double x, double y, double w, double h, double radius) {
  const double r = std::min({radius, w / 2, h / 2});
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void CirclePath(cairo_t* cr, double cx, double cy, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_close_path(cr);
}

void FillPathVertical(cairo_t* cr, double y1, double y2, Rgb top, Rgb bottom) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y1, 0, y2);
  cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void FillVertical(cairo_t* cr, double x, double y, double w, double h, Rgb top, Rgb bottom) {
  cairo_new_path(cr);
  cairo_rectangle(cr, x, y, w, h);
  FillPathVertical(cr, y, y + h, top, bottom);
}

void FillHorizontal(cairo_t* cr, double x, double y, double w, double h, Rgb left, Rgb right) {
  cairo_pattern_t* p = cairo_pattern_create_linear(x, 0, x + w, 0);
  cairo_pattern_add_color_stop_rgb(p, 0, left.r, left.g, left.b);
  cairo_pattern_add_color_stop_rgb(p, 1, right.r, right.g, right.b);
  cairo_new_path(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void SteelPlate(cairo_t* cr, double x, double y, double w, double h) {
  FillVertical(cr, x, y, w, h, kSteel, kSteelDark);
  FillRect(cr, x, y, w, 1, kSteelLight);
  FillRect(cr, x, y, 1, h, kSteelLight);
  FillRect(cr, x, y + h - 1, w, 1, kSteelShadow);
  FillRect(cr, x + w - 1, y, 1, h, kSteelShadow);
}

void RoundPlate(cairo_t* cr, double x, double y, double w, double h, double radius, Rgb face,
                Rgb light, Rgb dark) {
  // Dark rim, then the lit upper-left lip, then the face.
  RoundedRectPath(cr, x, y, w, h, radius);
  SetColour(cr, dark);
  cairo_fill(cr);
  RoundedRectPath(cr, x, y, w - 1, h - 1, radius);
  SetColour(cr, light);
  cairo_fill(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y + 1, 0, y + h - 1);
  const Rgb top = Mix(face, light, 0.25);
  const Rgb bottom = Mix(face, dark, 0.35);
  cairo_pattern_add_color_stop_rgb(p, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(p, 1, bottom.r, bottom.g, bottom.b);
  RoundedRectPath(cr, x + 1, y + 1, w - 2, h - 2, std::max(0.0, radius - 1));
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void Recess(cairo_t* cr, double x, double y, double w, double h, Rgb inside) {
  FillRect(cr, x, y, w, h, inside);
  FillRect(cr, x, y, w, 1, Scale(inside, 0.45));
  FillRect(cr, x, y, 1, h, Scale(inside, 0.55));
  FillRect(cr, x + 1, y + 1, w - 1, 1, Scale(inside, 0.75));
  FillRect(cr, x, y + h - 1, w, 1, kSteelLight);
  FillRect(cr, x + w - 1, y, 1, h, kSteelLight);
}

void Rivet(cairo_t* cr, double cx, double cy, double diameter) {
  const double r = diameter / 2;
  CirclePath(cr, cx + 0.4, cy + 0.5, r);
  SetColour(cr, kSteelShadow, 0.8);
  cairo_fill(cr);
  cairo_pattern_t* p =
      cairo_pattern_create_radial(cx - r * 0.35, cy - r * 0.35, r * 0.1, cx, cy, r);
  cairo_pattern_add_color_stop_rgb(p, 0, 0.78, 0.81, 0.86);
  cairo_pattern_add_color_stop_rgb(p, 0.6, 0.42, 0.46, 0.54);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.22, 0.25, 0.31);
  CirclePath(cr, cx, cy, r);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

void HazardStripes(cairo_t* cr, double x, double y, double w, double h, double pitch) {
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  FillRect(cr, x, y, w, h, kHazardYellow);
  SetColour(cr, kHazardBlack);
  for (double s = x - h - pitch * 2; s < x + w + h; s += pitch * 2) {
    cairo_move_to(cr, s, y + h);
    cairo_line_to(cr, s + pitch, y + h);
    cairo_line_to(cr, s + pitch + h, y);
    cairo_line_to(cr, s + h, y);
    cairo_close_path(cr);
  }
  cairo_fill(cr);
  cairo_restore(cr);
}

void TubeShade(cairo_t* cr, double x, double y, double w, double h, Rgb base, bool horizontal) {
  cairo_pattern_t* p = horizontal ? cairo_pattern_create_linear(0, y, 0, y + h)
                                  : cairo_pattern_create_linear(x, 0, x + w, 0);
  const Rgb stops[] = {Scale(base, 0.55), Pale(base, 0.55), base, Scale(base, 0.62),
                       Scale(base, 0.38)};
  const double at[] = {0.0, 0.22, 0.5, 0.82, 1.0};
  for (int i = 0; i < 5; ++i)
    cairo_pattern_add_color_stop_rgb(p, at[i], stops[i].r, stops[i].g, stops[i].b);
  cairo_new_path(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
}

// ---- Text -------------------------------------------------------------------

namespace {
FT_Library library = nullptr;
FT_Face faces[2] = {nullptr, nullptr};
cairo_font_face_t* cairoFaces[2] = {nullptr, nullptr};
}  // namespace

bool LoadFaces(const std::string& regularPath, const std::string& boldPath) {
  if (FT_Init_FreeType(&library) != 0) return false;
  const std::string paths[2] = {regularPath, boldPath};
  for (int i = 0; i < 2; ++i) {
    if (FT_New_Face(library, paths[i].c_str(), 0, &faces[i]) != 0) return false;
    cairoFaces[i] = cairo_ft_font_face_create_for_ft_face(faces[i], FT_LOAD_NO_HINTING);
  }
  return true;
}

void ReleaseFaces() {
  for (int i = 0; i < 2; ++i) {
    if (cairoFaces[i]) cairo_font_face_destroy(cairoFaces[i]);
    cairoFaces[i] = nullptr;
  }
  // cairo may still hold a scaled font that refers to the faces; let it go first.
  cairo_debug_reset_static_data();
  for (int i = 0; i < 2; ++i) {
    if (faces[i]) FT_Done_Face(faces[i]);
    faces[i] = nullptr;
  }
  if (library) FT_Done_FreeType(library);
  library = nullptr;
}

void UseFace(cairo_t* cr, Face face, double emSize) {
  cairo_set_font_face(cr, cairoFaces[face == Face::Bold ? 1 : 0]);
  cairo_set_font_size(cr, emSize);
  cairo_font_options_t* o = cairo_font_options_create();
  cairo_font_options_set_hint_style(o, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(o, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_antialias(o, CAIRO_ANTIALIAS_GRAY);
  cairo_set_font_options(cr, o);
  cairo_font_options_destroy(o);
}

double TextWidth(cairo_t* cr, const std::string& text) {
  cairo_text_extents_t e;
  cairo_text_extents(cr, text.c_str(), &e);
  return e.x_advance;
}

void CentredTextPath(cairo_t* cr, const std::string& text, double cx, double baseline) {
  cairo_text_extents_t e;
  cairo_text_extents(cr, text.c_str(), &e);
  // Centre the ink, not the advance, so letters with side bearings sit true.
  cairo_move_to(cr, cx - e.x_bearing - e.width / 2, baseline);
  cairo_text_path(cr, text.c_str());
}

void CentredText(cairo_t* cr, const std::string& text, double cx, double baseline, Rgb c) {
  CentredTextPath(cr, text, cx, baseline);
  SetColour(cr, c);
  cairo_fill(cr);
}

double FitEm(cairo_t* cr, Face face, const std::string& text, double width, double maxEm) {
  UseFace(cr, face, 100);
  cairo_text_extents_t e;
  cairo_text_extents(cr, text.c_str(), &e);
  const double em = std::min(maxEm, 100 * width / std::max(1.0, e.width));
  UseFace(cr, face, em);
  return em;
}

void OutlinedText(cairo_t* cr, const std::string& text, double cx, double baseline, Rgb top,
                  Rgb bottom, Rgb outline, double outlineWidth, double shadow) {
  cairo_save(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  if (shadow > 0) {
    CentredTextPath(cr, text, cx + shadow, baseline + shadow);
    cairo_set_line_width(cr, outlineWidth * 2);
    SetColour(cr, kInk, 0.55);
    cairo_stroke_preserve(cr);
    cairo_fill(cr);
  }
  CentredTextPath(cr, text, cx, baseline);
  cairo_set_line_width(cr, outlineWidth * 2);
  SetColour(cr, outline);
  cairo_stroke_preserve(cr);
  double x1, y1, x2, y2;
  cairo_fill_extents(cr, &x1, &y1, &x2, &y2);
  FillPathVertical(cr, y1, y2, top, bottom);
  cairo_restore(cr);
}

// ---- Per-pixel shading ------------------------------------------------------

void PaintShader(cairo_t* cr, double x, double y, double w, double h, const Shader& shader,
                 int ss) {
  cairo_matrix_t m;
  cairo_get_matrix(cr, &m);
  double dx0 = x, dy0 = y, dx1 = x + w, dy1 = y + h;
  cairo_user_to_device(cr, &dx0, &dy0);
  cairo_user_to_device(cr, &dx1, &dy1);
  const int ix0 = static_cast<int>(std::floor(std::min(dx0, dx1)));
  const int iy0 = static_cast<int>(std::floor(std::min(dy0, dy1)));
  const int ix1 = static_cast<int>(std::ceil(std::max(dx0, dx1)));
  const int iy1 = static_cast<int>(std::ceil(std::max(dy0, dy1)));
  const int pw = ix1 - ix0, ph = iy1 - iy0;
  if (pw <= 0 || ph <= 0) return;
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, pw, ph);
  cairo_surface_flush(s);
  unsigned char* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  cairo_matrix_t inv = m;
  cairo_matrix_invert(&inv);
  for (int py = 0; py < ph; ++py) {
    auto* row = reinterpret_cast<std::uint32_t*>(data + py * stride);
    for (int px = 0; px < pw; ++px) {
      double r = 0, g = 0, b = 0, a = 0;
      for (int sy = 0; sy < ss; ++sy) {
        for (int sx = 0; sx < ss; ++sx) {
          double ux = ix0 + px + (sx + 0.5) / ss;
          double uy = iy0 + py + (sy + 0.5) / ss;
          cairo_matrix_transform_point(&inv, &ux, &uy);
          if (ux < x || uy < y || ux >= x + w || uy >= y + h) continue;
          const Rgba c = shader(ux, uy);
          const double ca = std::clamp(c.a, 0.0, 1.0);
          r += std::clamp(c.r, 0.0, 1.0) * ca;
          g += std::clamp(c.g, 0.0, 1.0) * ca;
          b += std::clamp(c.b, 0.0, 1.0) * ca;
          a += ca;
        }
      }
      const double n = ss * ss;
      auto q = [](double v) { return static_cast<std::uint32_t>(std::lround(v * 255.0)); };
      row[px] = (q(a / n) << 24) | (q(r / n) << 16) | (q(g / n) << 8) | q(b / n);
    }
  }
  cairo_surface_mark_dirty(s);
  cairo_save(cr);
  cairo_identity_matrix(cr);
  cairo_set_source_surface(cr, s, ix0, iy0);
  cairo_paint(cr);
  cairo_restore(cr);
  cairo_surface_destroy(s);
}

double Hash01(std::uint32_t a, std::uint32_t b, std::uint32_t c) {
  std::uint32_t h =
      a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA77u ^ (c + 0x165667B1u) * 0xC2B2AE3Du;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return (h & 0xFFFFFF) / static_cast<double>(0x1000000);
}

double Noise(double x, double y, std::uint32_t seed) {
  const double fx = std::floor(x), fy = std::floor(y);
  const auto ix = static_cast<std::uint32_t>(static_cast<std::int32_t>(fx) + 4096);
  const auto iy = static_cast<std::uint32_t>(static_cast<std::int32_t>(fy) + 4096);
  const double tx = x - fx, ty = y - fy;
  const double sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
  const double a = Hash01(ix, iy, seed), b = Hash01(ix + 1, iy, seed);
  const double c = Hash01(ix, iy + 1, seed), d = Hash01(ix + 1, iy + 1, seed);
  return (a + (b - a) * sx) + ((c + (d - c) * sx) - (a + (b - a) * sx)) * sy;
}

double FractalNoise(double x, double y, std::uint32_t seed, int octaves) {
  double sum = 0, amp = 0.5, norm = 0, f = 1;
  for (int i = 0; i < octaves; ++i) {
    sum += amp * Noise(x * f, y * f, seed + static_cast<std::uint32_t>(i) * 101u);
    norm += amp;
    amp *= 0.5;
    f *= 2;
  }
  return sum / norm;
}

}  // namespace art
