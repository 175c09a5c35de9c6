#pragma once

// How each catalogue entry is drawn: its drawing, what it sits on in the game
// (so anti-aliased edges blend into that and not into the key colour), and the
// coverage below which a keyed picture leaves the key.

#include "art_kit.hpp"

namespace art {

struct Recipe {
  DrawFn draw = nullptr;
  // What the picture is drawn over in the game; nullptr for opaque pictures.
  DrawFn backdrop = nullptr;
  // Pixels covered less than this become the key colour (keyed pictures only).
  // 0 keeps every pixel: pictures that are drawn both keyed and opaque.
  double keyBelow = 0.0;
};

// The recipe of a catalogue entry and the entry's position inside its group.
Recipe RecipeFor(int entry, int* index);

}  // namespace art
