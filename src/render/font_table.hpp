#pragma once

// The game's fonts: one slot per cell height and weight, with the height in the
// small set and in the VGA set. Plain data, so the glyph tool rasterises
// exactly the faces the game asks for.
namespace render {

// The fonts, in the order they are created.
enum FontSlot : int {
  Font14Bold,
  Font14,
  Font15,
  Font15Bold,
  Font15Heavy,
  Font16Bold,
  Font16Heavy,
  Font18Bold,
  Font18Heavy,
  Font20,
  Font20Bold,
  // Below the game's own sizes, for hi-score names too wide for all of them.
  Font12Bold,
  Font11Bold,
  FontCount
};

struct FontSpec {
  int smallHeight;
  int vgaHeight;
  int weight;
};

constexpr FontSpec kFonts[FontCount] = {
    {14, 27, 700}, {14, 27, 400}, {15, 29, 400}, {15, 29, 700}, {15, 29, 900},
    {16, 31, 700}, {16, 31, 900}, {18, 35, 700}, {18, 35, 900}, {20, 39, 400},
    {20, 39, 700}, {12, 23, 700}, {11, 21, 700},
};

}  // namespace render
