#include "render/board_drawing.hpp"

// Placeholders until the board painters land.
namespace render {

void RedrawBoard() {}
void RedrawCell(int) {}
void DrawPipes() {}
void DrawLetterStrip(platform::DeviceContext&) {}
void DrawNextColour(platform::DeviceContext&) {}
void DrawLevelTile(platform::DeviceContext&) {}
void DrawScoreBox(platform::DeviceContext&) {}
void DrawPanicClock(platform::DeviceContext&) {}
void DrawFalls(platform::DeviceContext&) {}
void DrawDrops(platform::DeviceContext&) {}
void DrawSplashes(platform::DeviceContext&) {}
void DrawGauge(platform::DeviceContext&) {}
void DrawScoreAndClock(platform::DeviceContext&) {}
void DrawBonusCellMarker(platform::DeviceContext&) {}
void DrawGameOverShow(platform::DeviceContext&) {}
void DrawSuction(int, platform::DeviceContext&) {}
void DrawExtraLabel(platform::DeviceContext&) {}
void ResetBoardDrawing() {}

}  // namespace render
