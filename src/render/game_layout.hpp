#pragma once

#include "platform/window/display_profile.hpp"

// Where the game screen puts its frame and board on each display class, in
// logical pixels. The frame is composed on a canvas and copied to the screen
// ViewShiftY pixels higher, so a canvas point (x, y) shows at (x, y - ViewShiftY).
namespace render {

struct GameLayout {
  int CanvasWidth;
  int CanvasHeight;
  int ScreenOffsetX;  // the board's top-left on screen
  int ScreenOffsetY;
  int CanvasOffsetX;  // x of the board column inside the canvas
  int ViewShiftY;
  int IconBarX;  // the close button; the back and sound buttons sit left of it
  int IconBarY;
};

// The layout of a display class 1..7; any other class gets the portrait layout.
GameLayout GameLayoutOf(platform::ScreenClass displayClass);

// The layout of the last full redraw.
extern GameLayout CurrentLayout;

}  // namespace render
