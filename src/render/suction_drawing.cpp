#include "render/suction_drawing.hpp"

#include <algorithm>

#include "engine/board_geometry.hpp"
#include "engine/game_state.hpp"
#include "engine/paint_advance.hpp"
#include "render/board_cells.hpp"
#include "render/board_drawing_internal.hpp"

// The balls of a sucked line slide towards their pipe, which bulges as each
// ball goes in. The line is drawn from the game state on every paint: its
// cells are laid bare, then the remaining balls are drawn moved towards the
// pipe by the distance the leading ball has travelled.
namespace render {

using namespace board;
using engine::Game;
using engine::Kept;

namespace {

// The pipe's frame for the distance the leading ball still has to go.
int PipeFrameOf(int progress) {
  if (progress >= 30) return 1;
  switch (progress) {
    case 24:
    case 20:
      return 2;
    case 18:
      return 3;
    case 15:
    case 12:
    case 10:
      return 4;
    case 6:
      return 5;
    default:
      return 6;
  }
}

}  // namespace

void DrawSuctionLine(const engine::SuctionFrame& frame) {
  platform::DeviceContext dc = BoardContext();
  const int p = frame.Pipe;
  const int before = frame.Before;
  const int now = std::clamp(Game.RunLength[p], 0, 6);
  const int travelled = frame.Swallowed ? 0 : std::clamp(30 - Game.LineProgress[p], 0, 30);
  const auto& line = engine::PipeLines[p];

  for (int i = 0; i < before; ++i) {
    if (i < now) {
      const platform::Point at = CellPoint(line[i]);
      DrawEmptyCell(dc, at.x, at.y);
    } else {
      RedrawCell(line[i]);  // emptied by the swallow
    }
  }
  int dx = 0;
  int dy = 0;
  switch (engine::SideOfPipe(p)) {
    case engine::side::Top:
      dy = -travelled;
      break;
    case engine::side::Bottom:
      dy = travelled;
      break;
    case engine::side::Left:
      dx = -travelled;
      break;
    default:
      dx = travelled;
      break;
  }
  // A pipe of heat 10 or more turns every ball it takes into the joker.
  const int heat = engine::PipeHeat(p);
  for (int i = 0; i < now; ++i) {
    const platform::Point at = CellPoint(line[i]);
    DrawBall(dc, BallPicture(Kept.BallColour[line[i]], heat), Kept.BallLetter[line[i]], at.x + dx,
             at.y + dy);
  }
  DrawPipe(dc, p, frame.Swallowed ? 6 : PipeFrameOf(Game.LineProgress[p]));
}

// Pipes at rest show frame 1 in the tint of their heat: those that cooled, were
// heated or finished a run are drawn again. A column's top pipe with a ball
// coming out of it is left to the drop.
void DrawPipesAtRest(int side, unsigned sucked) {
  platform::DeviceContext dc = BoardContext();
  const int first = engine::FirstPipeOf(side);
  for (int n = 0; n < 6; ++n) {
    const int p = first + n;
    if (sucked & (1u << n)) continue;
    if (side == engine::side::Top && Game.DropRecord[n + 1].Active) continue;
    if (Painter.ShownPipe[p] != PipePicture(engine::PipeHeat(p), 1, side)) DrawPipe(dc, p, 1);
  }
}

}  // namespace render
