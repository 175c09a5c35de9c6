#include "render/board_drawing.hpp"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <string>

#include "engine/board_geometry.hpp"
#include "engine/game_state.hpp"
#include "platform/drawing/software_drawing.hpp"
#include "platform/drawing/text_drawing.hpp"
#include "platform/files/desktop_preferences.hpp"
#include "platform/window/display_profile.hpp"
#include "platform/window/logical_invalidation.hpp"
#include "render/board_drawing_internal.hpp"
#include "render/drawing_primitives.hpp"

namespace render {

namespace board {

PainterState Painter;

namespace {

platform::Colour KeyColour(std::int32_t key) {
  return platform::Rgb(key & 0xFF, (key >> 8) & 0xFF, (key >> 16) & 0xFF);
}

// Numbers shrink through these, largest first, from the font they are meant for.
constexpr FontSlot kNumberFonts[] = {Font20Bold, Font20, Font18Bold, Font16Bold,
                                     Font15Bold, Font15, Font14Bold, Font14};

}  // namespace

platform::DeviceContext BoardContext() {
  return platform::MemoryContext(BackBuffers[BoardBuffer]);
}

void DrawPicture(platform::DeviceContext& dc, const platform::Bitmap* picture, int x, int y) {
  if (!picture) return;
  platform::CopyBits(dc, platform::DoublingRule(x), platform::DoublingRule(y), picture->Width(),
                     picture->Height(), *picture, 0, 0);
}

void DrawPictureKeyed(platform::DeviceContext& dc, const platform::Bitmap* picture, int x, int y,
                      std::int32_t key) {
  if (!picture) return;
  platform::CopyBitsKeyed(dc, platform::DoublingRule(x), platform::DoublingRule(y),
                          picture->Width(), picture->Height(), *picture, 0, 0, picture->Width(),
                          picture->Height(), KeyColour(key));
}

void DrawPicturePartKeyed(platform::DeviceContext& dc, const platform::Bitmap* picture, int sourceX,
                          int sourceY, int width, int height, int x, int y, std::int32_t key) {
  if (!picture) return;
  const int w = platform::DoublingRule(width);
  const int h = platform::DoublingRule(height);
  platform::CopyBitsKeyed(dc, platform::DoublingRule(x), platform::DoublingRule(y), w, h, *picture,
                          platform::DoublingRule(sourceX), platform::DoublingRule(sourceY), w, h,
                          KeyColour(key));
}

platform::Point CellPoint(int cell) {
  platform::Point point{};
  CellOrigin(cell, point);
  return point;
}

void DrawColourSymbol(platform::DeviceContext& dc, int colour, int centreX, int centreY,
                      bool small) {
  if (!platform::ColourSymbols() || colour < 1 || colour > 6) return;
  // The full symbols are a row of 16x16 cells; the small ones, 10x10, lie under them.
  const int side = small ? 10 : 16;
  DrawPicturePartKeyed(dc, PictureOf(ColourSymbols), side * (colour - 1), small ? 16 : 0, side,
                       side, centreX - side / 2, centreY - side / 2, kColourKey);
}

int PaintColourOfBall(const platform::Bitmap* ball) {
  for (int colour = 1; colour <= 6; ++colour) {
    if (ball && BallSet[2 * (colour - 1)] == ball) return colour;
  }
  return 0;
}

void DrawBall(platform::DeviceContext& dc, const platform::Bitmap* ball, int letter, int x, int y) {
  DrawPictureKeyed(dc, ball, x, y, kBlackKey);
  if (!ball) return;
  const platform::Bitmap* coin = LetterCoin(letter, true);
  DrawPictureKeyed(dc, coin, x, y, kColourKey);
  // A letter coin covers the middle: a small symbol keeps to the ball's lower
  // right, over the coin's rim and clear of its letter.
  if (coin) {
    DrawColourSymbol(dc, PaintColourOfBall(ball), x + 24, y + 24, true);
  } else {
    DrawColourSymbol(dc, PaintColourOfBall(ball), x + 15, y + 15);
  }
}

void DrawCellFace(platform::DeviceContext& dc, const platform::Bitmap* ball, int letter, int x,
                  int y) {
  DrawEmptyCell(dc, x, y);
  DrawBall(dc, ball, letter, x, y);
}

void DrawEmptyCell(platform::DeviceContext& dc, int x, int y) {
  DrawPicture(dc, PictureOf(EmptyCell), x, y);
}

void DrawPipe(platform::DeviceContext& dc, int pipe, int frame) {
  const int side = engine::SideOfPipe(pipe);
  const int along = 18 + 30 * ((pipe - 1) % 6);
  const bool across = side == engine::side::Top || side == engine::side::Bottom;
  const bool far = side == engine::side::Bottom || side == engine::side::Right;
  const platform::Bitmap* picture = PipePicture(engine::PipeHeat(pipe), frame, side);
  DrawPicture(dc, picture, across ? along : far ? 198 : 0, across ? (far ? 198 : 0) : along);
  Painter.ShownPipe[pipe] = picture;
}

void DrawFittedNumber(platform::DeviceContext& dc, FontSlot font, int number, int red, int green,
                      int blue, int left, int top, int right, int bottom, unsigned format) {
  if (!dc.surface) return;
  char digits[16];
  const int length = std::snprintf(digits, sizeof digits, "%d", number);
  const std::u16string text(digits, digits + length);
  const int room = platform::DoublingRule(right - left);
  // A font outside the list (none is) starts from the largest.
  const FontSlot* candidate = std::find(std::begin(kNumberFonts), std::end(kNumberFonts), font);
  if (candidate == std::end(kNumberFonts)) candidate = std::begin(kNumberFonts);
  while (candidate + 1 != std::end(kNumberFonts) &&
         platform::MeasureText(FontTable[*candidate], text) > room) {
    ++candidate;
  }
  const platform::Font* saved = dc.font;
  dc.font = &FontTable[*candidate];
  DrawNumberRect(dc, number, red, green, blue, 0, 0, 0, left, top, right, bottom, 1, format);
  dc.font = saved;
}

}  // namespace board

void ResetBoardDrawing() {
  board::Painter = board::PainterState{};
}

}  // namespace render
