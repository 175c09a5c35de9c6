#pragma once

#include "engine/paint_advance.hpp"
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
// full redraw.
void DrawLetterStrip(platform::DeviceContext& screen);
// The "next:" pill of the current paint colour 1..7 (nothing for others).
void DrawNextColour(platform::DeviceContext& screen);
// The level tile x1..x9 at the foot of the reserve column.
void DrawLevelTile(platform::DeviceContext& screen);
// The score box and, in PANIC, the clock, with their current values.
void DrawScoreBox(platform::DeviceContext& screen);
void DrawPanicClock(platform::DeviceContext& screen);

// The painters of the steps of a paint, each drawing what its step did.
void DrawFall(const engine::FallFrame& fall);
void DrawDrop(const engine::DropFrame& drop);
void DrawSplash(const engine::SplashFrame& splash);
void DrawGauge(platform::DeviceContext& screen);
// The gauge as last drawn, from its back buffer.
void ShowGauge(platform::DeviceContext& screen);
// The score box and, in PANIC, the clock.
void DrawScoreAndClock(platform::DeviceContext& screen);
void DrawBonusCellMarker(bool restart);
void DrawGameOverShow(const engine::GameOverFrameResult& frame);

// One sucked line with its pipe; the pipes of a side (engine::side codes) not
// sucked (bit n of `sucked` for its pipe n) whose heat changed their tint.
void DrawSuctionLine(const engine::SuctionFrame& frame);
void DrawPipesAtRest(int side, unsigned sucked);

// The extra points label over a taken bonus cell, for the next 20 paints
// (drawn on the screen after the board).
void StartExtraLabel(int cell);
void DrawExtraLabel(platform::DeviceContext& screen);

// Forgets the painters' own counters (gauge blink, marker blink, label countdown).
void ResetBoardDrawing();

}  // namespace render
