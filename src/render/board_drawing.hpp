#pragma once

#include "platform/drawing/device_context.hpp"

// The board and the panels around it, drawn from the game state. Board items
// go into the board back buffer (copied to the screen at the end of every
// paint); panel items go straight to the screen, at canvas positions shifted
// up by the current layout's ViewShiftY.
namespace render {

// All 36 cells from the game state: empty cell, ball, letter coin.
void RedrawBoard();
// One cell from the game state.
void RedrawCell(int cell);
// All 24 pipes in the tint of their heat (outside HEAT the board buffer is
// cleared black first).
void DrawPipes();
// The nine coins of the bonus word over the strip background saved by the last
// full redraw. Clears WordRedraw.
void DrawLetterStrip(platform::DeviceContext& screen);
// The "next:" pill of the current paint colour 1..7 (nothing for others). Clears SwatchRedraw.
void DrawNextColour(platform::DeviceContext& screen);
// The level tile x1..x9 at the foot of the reserve column.
void DrawLevelTile(platform::DeviceContext& screen);
// The score box and, in PANIC, the clock, with their current values.
void DrawScoreBox(platform::DeviceContext& screen);
void DrawPanicClock(platform::DeviceContext& screen);

// Per-paint painters, each looking at the state and serving its own request.
void DrawFalls(platform::DeviceContext& screen);
void DrawDrops(platform::DeviceContext& screen);
void DrawSplashes(platform::DeviceContext& screen);
void DrawGauge(platform::DeviceContext& screen);  // serves GaugeRedraw
// Serves ScoreRedraw: the PANIC clock moves one second, then both boxes are drawn.
void DrawScoreAndClock(platform::DeviceContext& screen);
void DrawBonusCellMarker(platform::DeviceContext& screen);
void DrawGameOverShow(platform::DeviceContext& screen);

// The suction of the pipes of one side (engine::side codes), and the extra
// points label over a taken bonus cell (drawn on the screen after the board).
void DrawSuction(int side, platform::DeviceContext& screen);
void DrawExtraLabel(platform::DeviceContext& screen);

// Forgets the painters' own counters (gauge blink, marker blink, label countdown).
void ResetBoardDrawing();

}  // namespace render
