#pragma once

// Every drawing of the game. Each draws one catalogue entry (Art::index picks
// the entry inside its group) in logical pixels from (0, 0).

#include "art_kit.hpp"

namespace art {

// Board pieces (board_pieces.cpp).
void DrawEmptyCell(Art& a);
void DrawFrameCorner(Art& a);  // index 0..3: top left, top right, bottom left, bottom right
void DrawDimCoin(Art& a);      // index 0..6: F, A, N, D, R, I, S
void DrawBrightCoin(Art& a);
void DrawCursorFrame(Art& a);
void DrawSplatSheet(Art& a);  // index 0: colours 1-3, 1: colours 4-6
void SplatSheetBackdrop(Art& a);
void CoinBackdrop(Art& a);

// Colour symbols (colour_symbols.cpp): one 16x16 shape per paint colour 1..6.
void DrawColourSymbols(Art& a);
void ColourSymbolBackdrop(Art& a);

// Balls (balls.cpp). Ball index 0..12: colours 1..6 round and narrow, then grey.
void DrawMoonBall(Art& a);
void DrawRockBall(Art& a);
void DrawShinyBall(Art& a);
void DrawJoker(Art& a);  // index 0..2: Moon, Rock, Shiny
// A ball of a style (1 Shiny, 2 Moon, 3 Rock) and colour code 1..7 centred on
// (cx, cy) with its diameter; colour 0 draws the style's joker.
void PaintBall(cairo_t* cr, int style, int colour, double cx, double cy, double diameter,
               double squeeze = 1.0);

// Pipes (pipes.cpp).
void DrawVerticalPipe(Art& a);    // index 0..47: left side, then right side
void DrawHorizontalPipe(Art& a);  // index 0..47: bottom side, then top side
// A pipe of a side (1 top, 2 bottom, 3 right, 4 left), tint 0 pale .. 3 red and
// frame 1..6, drawn in its own 30x18 or 18x30 box at (x, y).
void PaintPipe(cairo_t* cr, int side, int tint, int frame, double x, double y);
// The steel ring behind the pipes, for a side, over a length.
void PaintRing(cairo_t* cr, int side, double x, double y, double length);

// Frame of the game screen (frame_panels.cpp).
void DrawTopBar(Art& a);
void DrawBottomPanel(Art& a);
void DrawSidePanel(Art& a);      // index 0 left 31x240, 1 right 49x240
void DrawReserveColumn(Art& a);  // index 0 empty, 1 full
void DrawClass7Corner(Art& a);   // index 0..3
void ButtonBedBackdrop(Art& a);
void ReserveTopBackdrop(Art& a);
void BottomPanelWheelBackdrop(Art& a);

// Fittings of the frame (frame_parts.cpp).
void DrawSoundIcon(Art& a);  // index 0 off, 1 on
void DrawCloseButton(Art& a);
void DrawBackButton(Art& a);
void DrawMenuButton(Art& a);
void DrawCoil(Art& a);            // index 0, 1
void DrawHazardSign(Art& a);      // index 0, 1
void DrawPaintPot(Art& a);        // index 0..3
void DrawPaintPill(Art& a);       // index 0..5: colours 1..6
void DrawBlackPaintPill(Art& a);  // colour 7, the grey of the "black" balls
void DrawGaugePiece(Art& a);      // index 0, 1 markers; 2 empty tube; 3 full tube
void DrawScoreBox(Art& a);
void DrawTimeLabel(Art& a);
void DrawMultiplierTiles(Art& a);
void DrawColourWheelIcon(Art& a);
// Used by the panels so the first frame matches what the blinks draw later.
void PaintCoil(cairo_t* cr, int frame, double x, double y);
void PaintHazard(cairo_t* cr, int frame, double x, double y);
void PaintPot(cairo_t* cr, int frame, double x, double y);

// Banners and labels (banners.cpp).
void DrawBonusBanner(Art& a);
void DrawGameOverBanner(Art& a);
void DrawTimeUpBanner(Art& a);
void DrawLevelUpBanner(Art& a);
void DrawExtraLabel(Art& a);
void DrawResultPanel(Art& a);
void BannerBackdrop(Art& a);
void ResultBackdrop(Art& a);

// Screens: hi-scores, about, colour wheel, icon (screens.cpp).
void DrawHiScoreBackground(Art& a);
void DrawModeTitle(Art& a);  // index 0..4: CHROMA, EASY, HARD, HEAT, PANIC
void ModeTitleBackdrop(Art& a);
void DrawTrophy(Art& a);
void DrawResetButton(Art& a);
void DrawExportIcon(Art& a);
void ExportIconBackdrop(Art& a);
void DrawMakerLogo(Art& a);
void DrawColourWheel(Art& a);
void DrawWindowIcon(Art& a);

// Device-style widgets: settings page, popup panels, help (widgets.cpp).
void DrawCheckBox(Art& a);        // index 0 empty, 1 ticked
void DrawSettingsCorner(Art& a);  // index 0..3
void DrawSettingsCloseBox(Art& a);
void DrawVolumePiece(Art& a);  // index 0 track, 1 knob, 2 loud, 3 medium, 4 quiet, 5 speaker
void DrawDropDownArrow(Art& a);
void DrawPanelPiece(Art& a);  // index 0 bottom, 1 left, 2 right, 3 title bar

// Main menus (main_menu.cpp). index 0 square, 1 landscape, 2 320x320, 3 portrait.
void DrawMainMenu(Art& a);

}  // namespace art
