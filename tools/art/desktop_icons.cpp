#include "desktop_icons.hpp"

#include <cairo.h>

#include <cstdio>

#include "art_kit.hpp"
#include "drawings.hpp"
#include "picture_output.hpp"

namespace art {

namespace {

// The sizes menus, docks and launchers ask the hicolor theme for.
constexpr int kSizes[] = {16, 32, 48, 64, 128, 256};
// The window icon is described on a 32-pixel square.
constexpr double kDesigned = 32;

bool WriteOne(int size, const std::string& path) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
  cairo_t* cr = cairo_create(s);
  cairo_scale(cr, size / kDesigned, size / kDesigned);
  // A square tile looks pasted on beside the rounded icons of a desktop: keep
  // the window icon's rounded outline and let the corners show through.
  RoundedRectPath(cr, 0.5, 0.5, kDesigned - 1, kDesigned - 1, 4.5);
  cairo_clip(cr);
  // The window icon is drawn in logical units alone; it snaps nothing to pixels.
  Art a{cr, 1, 0};
  DrawWindowIcon(a);
  cairo_destroy(cr);
  cairo_surface_flush(s);
  const bool ok = WritePng(s, path);
  cairo_surface_destroy(s);
  if (!ok) std::fprintf(stderr, "cannot write %s\n", path.c_str());
  return ok;
}

}  // namespace

bool WriteDesktopIcons(const std::string& dir) {
  for (int size : kSizes)
    if (!WriteOne(size, dir + "/" + std::to_string(size) + ".png")) return false;
  return true;
}

}  // namespace art
