#pragma once

#include <cstdint>

#include "platform/drawing/colour.hpp"
#include "platform/window/display_profile.hpp"

namespace platform {
class Window;
}

// Where the game screen puts each of its items on every display class, in
// logical pixels: the tick invalidates them, the painters draw them there and
// the shell hit-tests them, all from this one table.
namespace engine {

// The frame is composed on a canvas and shown ViewShiftY pixels higher, so a
// canvas point (x, y) shows at (x, y - ViewShiftY).
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

enum class Item {
  Board,        // the board buffer, pipes included
  Cells,        // the 6x6 cells inside the pipes
  NextColour,   // the "next:" pill
  Gauge,        // the reserve tube
  LevelTile,    // x1..x9 under the reserve
  LetterStrip,  // the bonus word
  ScoreBox,
  PanicClock,
  ColourWheel,  // CHROMA's button under the reserve
  PaintPot,     // HARD's and PANIC's drip
  SoundIcon,
  BackButton,  // abandons the game
  CloseButton,
  CoilLow,  // the portrait frame's blinking decorations
  CoilHigh,
  HazardSign,
};

// Where the class shows an item; empty where it shows none.
platform::Rect ItemOn(Item item, platform::ScreenClass displayClass);
// Cell 0..35 on the screen, and the cell under a point (-1 off the cells).
platform::Rect CellOn(int cell, platform::ScreenClass displayClass);
int CellAt(int x, int y, platform::ScreenClass displayClass);

// Asks for a paint of the item where the current display class shows it.
void InvalidateItem(platform::Window* window, Item item);

}  // namespace engine
