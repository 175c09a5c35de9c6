#pragma once

#include <cstdint>

#include "platform/drawing/bitmap.hpp"
#include "platform/drawing/device_context.hpp"
#include "render/bitmap_catalogue.hpp"

// What the board painters share: the painters' own counters and the few
// drawing steps they all use. Positions are logical; pictures are drawn at
// their own size (the VGA set is already doubled).
namespace render::board {

// The painters' own state, kept here rather than in the game state.
struct PainterState {
  int GaugeBlink = 0;      // 0..7, advanced on every gauge paint
  int MarkerBlink = 0;     // bonus-cell marker: own picture, then the joker
  int MarkedCell = -1;     // the cell the marker last drew on, or -1
  int LabelCountdown = 0;  // paints left for the EXTRA label
  int LabelCell = -1;      // the cell the EXTRA label sits over
  // Per pipe 1..24, the picture it shows in the board buffer; null = unknown.
  const platform::Bitmap* ShownPipe[25] = {};
};
extern PainterState Painter;

// The board buffer as a drawing context; its surface is null until the game
// screen has created the buffers.
platform::DeviceContext BoardContext();

// A catalogue picture at its own size, opaque or keyed with an RGB key value.
void DrawPicture(platform::DeviceContext& dc, const platform::Bitmap* picture, int x, int y);
void DrawPictureKeyed(platform::DeviceContext& dc, const platform::Bitmap* picture, int x, int y,
                      std::int32_t key);
// A part of a picture (logical source rectangle), keyed.
void DrawPicturePartKeyed(platform::DeviceContext& dc, const platform::Bitmap* picture, int sourceX,
                          int sourceY, int width, int height, int x, int y, std::int32_t key);

// The top-left of a cell 0..35 in the board buffer.
platform::Point CellPoint(int cell);
// A cell's face at a point: the empty cell, then the ball (if any) and the
// bright coin of a letter 1..7.
void DrawCellFace(platform::DeviceContext& dc, const platform::Bitmap* ball, int letter, int x,
                  int y);
void DrawEmptyCell(platform::DeviceContext& dc, int x, int y);
// A moving ball (keyed over what is already there) with its letter coin.
void DrawBall(platform::DeviceContext& dc, const platform::Bitmap* ball, int letter, int x, int y);
// The symbol of paint colour 1..6 centred on a logical point, while the
// player has the colour symbols on; nothing for any other colour.
// The small symbol fits a ball's corner beside its letter coin.
void DrawColourSymbol(platform::DeviceContext& dc, int colour, int centreX, int centreY,
                      bool small = false);
// Paint colour 1..6 of a ball picture of the current set; 0 for jokers and grey.
int PaintColourOfBall(const platform::Bitmap* ball);
// Pipe 1..24 in the tint of its heat, frame 1..6, at its place on the board.
void DrawPipe(platform::DeviceContext& dc, int pipe, int frame);

// A number in the largest game font, no larger than `font`, whose text fits
// the logical rectangle; the smallest font when none does (the rectangle clips).
void DrawFittedNumber(platform::DeviceContext& dc, FontSlot font, int number, int red, int green,
                      int blue, int left, int top, int right, int bottom, unsigned format);

}  // namespace render::board
