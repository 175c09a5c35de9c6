#include "render/splash_drawing.hpp"

#include "engine/game_state.hpp"
#include "engine/paint_advance.hpp"
#include "render/board_cells.hpp"
#include "render/board_drawing_internal.hpp"

namespace render {

using namespace board;
using engine::Kept;

namespace {

// Splat frame 0..3 of paint colour 1..6 over a cell: the two sheets hold three
// colours each, one column of four frames per colour.
void DrawSplat(platform::DeviceContext& dc, int paint, int frame, platform::Point at) {
  if (paint < 1 || paint > 6) return;
  const int sheet = (paint - 1) / 3;
  const int column = (paint - 1) % 3;
  DrawPicturePartKeyed(dc, PictureOf(SplatSheets + sheet), 30 * column, 30 * frame, 30, 30, at.x,
                       at.y, kWhiteKey);
  // The paint in flight names its colour too.
  DrawColourSymbol(dc, paint, at.x + 15, at.y + 15);
}

}  // namespace

void DrawSplash(const engine::SplashFrame& splash) {
  platform::DeviceContext dc = BoardContext();
  const int c = splash.Cell;
  const int paint = splash.Paint;
  const platform::Point at = CellPoint(c);
  // Splashes may overlap in time, so each cell is drawn from the game state,
  // never from a kept copy that another splash may have overwritten.
  switch (splash.Frame) {
    case 1:
    case 3:
    case 5:
      RedrawCell(c);
      DrawSplat(dc, paint, splash.Frame / 2, at);
      break;
    case 7:
      // The paint lands on the ball; a ball that left meanwhile gets none.
      if (Kept.BallColour[c] != engine::colour::None) {
        DrawCellFace(dc, BallPicture(paint, 0), Kept.BallLetter[c], at.x, at.y);
      } else {
        RedrawCell(c);
      }
      DrawSplat(dc, paint, 3, at);
      break;
    default:
      // Frame 9 has applied the paint: the cell is drawn as it now is.
      RedrawCell(c);
      break;
  }
}

}  // namespace render
