#pragma once

// Turns a drawing into the pixels the game loads: opaque RGB, keyed pixels set
// to exactly the key colour, and the key colour never used anywhere else.

#include <cairo.h>

#include <cstdint>
#include <string>

#include "recipes.hpp"

namespace art {

// Draws a picture of w x h logical pixels at a scale; key is an RGB value
// (red + 256 green + 65536 blue) or negative for none. The caller destroys the
// returned RGB24 surface.
cairo_surface_t* RenderPicture(const Recipe& recipe, int index, int w, int h, int scale,
                               std::int32_t key);

bool WritePng(cairo_surface_t* surface, const std::string& path);

}  // namespace art
