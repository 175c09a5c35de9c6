#include "render/bonus_cell_drawing.hpp"

#include <algorithm>

#include "engine/board_geometry.hpp"
#include "engine/game_state.hpp"
#include "render/board_cells.hpp"
#include "render/board_drawing_internal.hpp"
#include "render/game_layout.hpp"

namespace render {

using namespace board;
using engine::Game;
using engine::Kept;

namespace {

// Paints per half of the marker's blink: own picture, then the joker.
constexpr int kMarkerHalf = 20;

// Whether another painter draws the cell on this paint: a sucked line passing
// through it, a splash on it, or a ball falling or dropping into or out of it.
bool CellInMotion(int cell) {
  for (int p = 1; p <= engine::PipeCount; ++p) {
    const int run = std::min(Game.RunLength[p], 6);
    for (int i = 0; i < run; ++i) {
      if (engine::PipeLines[p][i] == cell) return true;
    }
  }
  if (Game.PaintStep[cell] != 0) return true;
  for (int slot = 1; slot <= engine::CellCount; ++slot) {
    const engine::BallFall& fall = Game.FallRecord[slot];
    if (fall.Active && (fall.Source == cell || fall.Source + 6 == cell)) return true;
  }
  return cell < engine::ColumnCount && Game.DropRecord[cell + 1].Active;
}

}  // namespace

void DrawBonusCellMarker(bool restart) {
  if (restart) Painter.MarkerBlink = 0;
  // The level-up ends with a board redraw, and the game-over show owns the board.
  if (Game.LevelUpPending) return;
  if (Game.Phase == engine::phase::GameOver) {
    Painter.MarkedCell = -1;
    return;
  }
  const int bonus = Game.BonusCell;
  const int cell = bonus >= 1 && bonus <= engine::CellCount ? bonus - 1 : -1;
  if (Painter.MarkedCell >= 0 && Painter.MarkedCell != cell) {
    // The mark is over: the cell shows its own ball again, unless it is on the
    // move and so drawn anyway.
    if (!CellInMotion(Painter.MarkedCell)) RedrawCell(Painter.MarkedCell);
    Painter.MarkedCell = -1;
  }
  if (cell < 0 || CellInMotion(cell)) return;
  const bool joker = Painter.MarkerBlink >= kMarkerHalf;
  platform::DeviceContext dc = BoardContext();
  const platform::Point at = CellPoint(cell);
  DrawCellFace(dc, BallPicture(Kept.BallColour[cell], joker ? 10 : 0), Kept.BallLetter[cell], at.x,
               at.y);
  Painter.MarkedCell = cell;
  Painter.MarkerBlink = (Painter.MarkerBlink + 1) % (2 * kMarkerHalf);
}

void StartExtraLabel(int cell) {
  Painter.LabelCountdown = 20;
  Painter.LabelCell = cell;
}

void DrawExtraLabel(platform::DeviceContext& screen) {
  if (Painter.LabelCountdown <= 0) return;
  Painter.LabelCountdown -= 1;
  const int cell = Painter.LabelCell;
  if (cell < 0 || cell >= engine::CellCount) return;
  const platform::Rect at = PlacedCell(cell);
  DrawPictureKeyed(screen, PictureOf(ExtraLabel), at.left, at.top + 4, kGreyKey);
}

}  // namespace render
