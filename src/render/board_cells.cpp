#include "render/board_cells.hpp"

#include "engine/board_geometry.hpp"
#include "engine/game_state.hpp"
#include "render/board_drawing_internal.hpp"
#include "render/drawing_primitives.hpp"

namespace render {

using namespace board;

void RedrawCell(int cell) {
  if (cell < 0 || cell >= engine::CellCount) return;
  platform::DeviceContext dc = BoardContext();
  const platform::Point at = CellPoint(cell);
  DrawCellFace(dc, BallPicture(engine::Kept.BallColour[cell], 0), engine::Kept.BallLetter[cell],
               at.x, at.y);
}

void RedrawBoard() {
  for (int cell = 0; cell < engine::CellCount; ++cell) RedrawCell(cell);
}

void DrawPipes() {
  platform::DeviceContext dc = BoardContext();
  if (engine::Kept.Mode != engine::mode::Heat) FillRectRGB(dc, 0, 0, 0, 0, 0, 216, 216);
  for (int pipe = 1; pipe <= engine::PipeCount; ++pipe) DrawPipe(dc, pipe, 1);
}

}  // namespace render
