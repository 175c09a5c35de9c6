#pragma once

// Where everything sits on the main menu pictures. The menu is one picture per
// screen shape, and taps are tested against fixed rectangles that move with
// the shape's layout offsets; so every element is drawn from the same
// rectangles and the same offset rules as the menu's tap handling uses, and
// nothing is placed by hand.

namespace art {

struct MenuLayout {
  int width;
  int height;
  int offsetX;  // added to x
  int offsetY;  // subtracted from y
};

// In the catalogue's order of the menu pictures.
enum { kSquareLayout, kLandscapeLayout, k320Layout, kPortraitLayout, kMenuLayoutCount };

inline constexpr MenuLayout kMenuLayouts[kMenuLayoutCount] = {
    {240, 240, 0, 80},
    {320, 240, 40, 80},
    {320, 320, 40, 0},
    {240, 320, 0, 0},
};

enum class MenuRole { Easy, Hard, Panic, Heat, Chroma, HiScores, Settings, Quit, About };

// How an element follows the layout offsets.
enum class Anchor {
  Offsets,      // x + offsetX, y - offsetY
  OffsetXOnly,  // x + offsetX; stays at the same height on every shape
  QuitCorner,   // the top right corner: 222..240 when offsetX is 0, 302..320 when it is 40
};

// Rectangles with inclusive bounds, as the tap handling tests them, for
// offsets (0, 0). The marker is the direction-pad selection square's place.
struct MenuElement {
  MenuRole role;
  int left;
  int top;
  int right;
  int bottom;
  Anchor anchor;
  bool marker;
  int markerX;
  int markerY;
};

inline constexpr MenuElement kMenuElements[] = {
    {MenuRole::Easy, 128, 169, 205, 195, Anchor::Offsets, true, 136, 178},
    {MenuRole::Hard, 128, 199, 213, 224, Anchor::Offsets, true, 135, 207},
    {MenuRole::Panic, 128, 228, 218, 254, Anchor::Offsets, true, 134, 236},
    {MenuRole::Heat, 128, 257, 212, 283, Anchor::Offsets, true, 133, 265},
    {MenuRole::Chroma, 128, 286, 238, 312, Anchor::Offsets, true, 133, 294},
    {MenuRole::HiScores, 4, 286, 118, 310, Anchor::Offsets, true, 11, 293},
    {MenuRole::Settings, 4, 259, 114, 283, Anchor::Offsets, true, 11, 266},
    {MenuRole::Quit, 222, 0, 240, 17, Anchor::QuitCorner, false, 0, 0},
    {MenuRole::About, 0, 10, 240, 88, Anchor::OffsetXOnly, false, 0, 0},
};

struct HotRect {
  int left;
  int top;
  int right;  // inclusive
  int bottom;
};

constexpr HotRect HotRectOf(const MenuElement& e, const MenuLayout& l) {
  switch (e.anchor) {
    case Anchor::Offsets:
      return {e.left + l.offsetX, e.top - l.offsetY, e.right + l.offsetX, e.bottom - l.offsetY};
    case Anchor::OffsetXOnly:
      return {e.left + l.offsetX, e.top, e.right + l.offsetX, e.bottom};
    case Anchor::QuitCorner:
      return l.offsetX == 0 ? HotRect{222, 0, 240, 17} : HotRect{302, 0, 320, 17};
  }
  return {0, 0, 0, 0};
}

// The quit corner exists only for the two offsets the tap handling knows.
constexpr bool ElementShown(const MenuElement& e, const MenuLayout& l) {
  return e.anchor != Anchor::QuitCorner || l.offsetX == 0 || l.offsetX == 40;
}

}  // namespace art
