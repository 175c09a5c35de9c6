#include "render/moves_drawing.hpp"

#include "engine/board_geometry.hpp"
#include "engine/game_state.hpp"
#include "engine/paint_advance.hpp"
#include "render/board_cells.hpp"
#include "render/board_drawing_internal.hpp"

// Balls on the move are drawn straight into the board buffer. Each paint first
// puts back what the ball passes over (the cells, the top pipe), so the ball
// leaves no trail and nothing under its path is lost.
namespace render {

using namespace board;
using engine::Kept;

void DrawFall(const engine::FallFrame& fall) {
  const int source = fall.Source;
  if (source < 0 || source + 6 >= engine::CellCount) return;
  const int below = source + 6;
  if (fall.Landed) {
    RedrawCell(source);
    RedrawCell(below);
    return;
  }
  platform::DeviceContext dc = BoardContext();
  const platform::Point from = CellPoint(source);
  const platform::Point to = CellPoint(below);
  DrawEmptyCell(dc, from.x, from.y);
  DrawEmptyCell(dc, to.x, to.y);
  // The falling ball is the one in the source cell until it lands.
  DrawBall(dc, BallPicture(Kept.BallColour[source], 0), Kept.BallLetter[source], to.x,
           to.y - fall.Progress);
}

void DrawDrop(const engine::DropFrame& drop) {
  platform::DeviceContext dc = BoardContext();
  const int top = drop.Column - 1;
  // The ball comes out of the column's top pipe: the pipe goes back under it.
  DrawPipe(dc, engine::TopPipe(top), 1);
  if (drop.Landed) {
    RedrawCell(top);
    return;
  }
  const platform::Point cell = CellPoint(top);
  DrawEmptyCell(dc, cell.x, cell.y);
  DrawBall(dc, BallPicture(drop.Colour, 0), drop.Letter, cell.x, cell.y - drop.Position);
}

}  // namespace render
