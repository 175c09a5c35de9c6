#include "engine/animation_steps.hpp"
#include "engine/board_geometry.hpp"
#include "engine/game_state.hpp"
#include "records/settings.hpp"
#include "render/board_drawing.hpp"
#include "render/board_drawing_internal.hpp"

// Balls on the move are drawn straight into the board buffer. Each paint first
// puts back what the ball passes over (the cells, the top pipe), so the ball
// leaves no trail and nothing under its path is lost.
namespace render {

using namespace board;
using engine::Game;
using engine::Kept;

void DrawFalls(platform::DeviceContext&) {
  platform::DeviceContext dc = BoardContext();
  for (int slot = 1; slot <= engine::CellCount; ++slot) {
    const engine::BallFall& fall = Game.FallRecord[slot];
    if (!fall.Active) continue;
    const int source = fall.Source;
    const bool landed = engine::StepFall(slot, records::FallStep);
    if (source < 0 || source + 6 >= engine::CellCount) continue;
    const int below = source + 6;
    if (landed) {
      RedrawCell(source);
      RedrawCell(below);
      continue;
    }
    const platform::Point from = CellPoint(source);
    const platform::Point to = CellPoint(below);
    DrawEmptyCell(dc, from.x, from.y);
    DrawEmptyCell(dc, to.x, to.y);
    // The falling ball is the one in the source cell until it lands.
    DrawBall(dc, BallPicture(Kept.BallColour[source], 0), Kept.BallLetter[source], to.x,
             to.y - fall.Progress);
  }
}

void DrawDrops(platform::DeviceContext&) {
  platform::DeviceContext dc = BoardContext();
  for (int k = 1; k <= engine::ColumnCount; ++k) {
    const engine::BallDrop& drop = Game.DropRecord[k];
    if (!drop.Active) continue;
    const int ballColour = drop.Colour;
    const int letter = Game.IncomingLetter[k];
    const int top = k - 1;
    const bool landed = engine::StepDrop(k, records::BallStep);
    // The ball comes out of the column's top pipe: the pipe goes back under it.
    DrawPipe(dc, engine::TopPipe(top), 1);
    if (landed) {
      RedrawCell(top);
      continue;
    }
    const platform::Point cell = CellPoint(top);
    DrawEmptyCell(dc, cell.x, cell.y);
    DrawBall(dc, BallPicture(ballColour, 0), letter, cell.x, cell.y - drop.Position);
  }
}

}  // namespace render
