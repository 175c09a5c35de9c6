#include "popup/help_page_easy.hpp"

#include <algorithm>

#include "popup/panel_drawing.hpp"

namespace popup {

namespace {

using render::Font14;
using render::Font14Bold;

// A row of the board as the pictures show it: the left pipe, then three cells.
constexpr int kRowY = 150;
constexpr int kCellX[3] = {28, 58, 88};
// Left-side pipe pictures by heat: cool, warm, hot, extra hot.
constexpr int kCool = 0, kWarm = 4, kHot = 7, kExtraHot = 10;
constexpr int kLeftSide = 4;

void DrawBall(platform::DeviceContext& dc, int colour, int x, int y) {
  DrawPanelBitmap(dc, render::BallPicture(colour, 0), x, y, render::kBlackKey);
}

void DrawLeftPipe(platform::DeviceContext& dc, int heat, int x, int y) {
  DrawPanelBitmap(dc, render::PipePicture(heat, 1, kLeftSide), x, y, render::kNoKey);
}

// The tap: red paint on a yellow ball between two red ones.
void TapSlide(platform::DeviceContext& dc) {
  DrawPanelText(dc, Font14, u"You have to make groups of 3 or more balls of the same color.", Black,
                10, 40, 230, 120);
  DrawPanelText(dc, Font14,
                u"These groups must be made next to a pipe. Paint balls by tapping on them.", Red,
                10, 70, 230, 120);
  DrawPanelText(dc, Font14Bold, u"next:", Blue, 163, 130, 230, 150);
  DrawLeftPipe(dc, kCool, 10, kRowY);
  DrawBall(dc, 1, kCellX[0], kRowY);
  DrawBall(dc, 2, kCellX[1], kRowY);
  DrawBall(dc, 1, kCellX[2], kRowY);
  DrawPanelPicture(dc, render::DropDownArrow, 64, 125);
  DrawPanelPicture(dc, render::PaintPills, 170, 150);
}

// The painted line, then the same row once the pipe has taken it.
void SuctionSlide(platform::DeviceContext& dc, bool taken) {
  DrawPanelText(dc, Font14,
                u"When you click on the ball you wish to paint, the ball changes color and", Black,
                10, 40, 230, 120);
  DrawPanelText(dc, Font14, u"the group gets sucked into the pipe.", Red, 10, 70, 230, 120);
  DrawLeftPipe(dc, taken ? kWarm : kCool, 10, kRowY);
  for (const int x : kCellX) {
    if (taken) {
      DrawPanelPicture(dc, render::EmptyCell, x, kRowY);
    } else {
      DrawBall(dc, 1, x, kRowY);
    }
  }
  if (!taken) DrawPanelPicture(dc, render::DropDownArrow, 64, 125);
}

// The pipe warming up tint by tint, and on the second slide the multi-coloured ball.
void HeatSlide(platform::DeviceContext& dc, bool joker) {
  DrawPanelText(dc, Font14,
                u"Using the same pipe makes it hot. If a pipe becomes extra hot the balls", Black,
                10, 40, 230, 120);
  DrawPanelText(dc, Font14,
                u"are transformed into multi-color which gives you extra points & life.", Red, 10,
                82, 230, 120);
  constexpr int kPipeX[4] = {12, 51, 87, 123};
  constexpr int kHeat[4] = {kCool, kWarm, kHot, kExtraHot};
  for (int i = 0; i < 4; ++i) DrawLeftPipe(dc, kHeat[i], kPipeX[i], 154);
  for (const int x : {32, 68, 104}) {
    DrawPanelText(dc, Font14Bold, u">", Red, x, 158, x + 20, 180);
  }
  if (joker) {
    DrawPanelBitmap(dc, render::BallPicture(1, kExtraHot), 150, 154, render::kBlackKey);
    DrawPanelBitmap(dc, render::BallPicture(3, kExtraHot), 180, 154, render::kBlackKey);
  }
}

void LetterLines(platform::DeviceContext& dc) {
  DrawPanelText(dc, Font14, u"Letters appear on some balls. When balls are grouped, the letter",
                Black, 10, 40, 230, 120);
  DrawPanelText(dc, Font14,
                u"taken, complete the word 'Fandriass on the bottom. When all word is completed a "
                u"big bonus is earned!",
                Red, 10, 70, 230, 130);
}

// The bonus word as coins; `bright` of its nine letters are collected.
void WordCoins(platform::DeviceContext& dc, int bright, int y) {
  for (int position = 0; position < 9; ++position) {
    DrawPanelBitmap(dc, render::WordPositionCoin(position, position < bright), 4 + 24 * position, y,
                    render::kColourKey);
  }
}

void LetterSlide(platform::DeviceContext& dc, bool collected) {
  LetterLines(dc);
  if (!collected) {
    // A lettered ball in a line of three.
    DrawLeftPipe(dc, kCool, 10, kRowY);
    for (const int x : kCellX) DrawBall(dc, 2, x, kRowY);
    DrawPanelBitmap(dc, render::LetterCoin(1, true), kCellX[1], kRowY, render::kColourKey);
  } else {
    WordCoins(dc, 1, 145);
  }
}

// The word complete, and the invitation to watch again. The last slide is
// this one too: every paint clears the area, so it is drawn whole.
void ReplaySlide(platform::DeviceContext& dc) {
  LetterLines(dc);
  WordCoins(dc, 9, 125);
  DrawPanelText(dc, Font14Bold, u"-Click for Replay-", Blue, 100, 160, 230, 180, 1);
}

}  // namespace

void PaintEasyPage(platform::DeviceContext& dc, std::uint32_t slide) {
  switch (std::min<std::uint32_t>(slide, 8)) {
    case 0:
      TapSlide(dc);
      break;
    case 1:
    case 2:
      SuctionSlide(dc, slide == 2);
      break;
    case 3:
    case 4:
      HeatSlide(dc, slide == 4);
      break;
    case 5:
    case 6:
      LetterSlide(dc, slide == 6);
      break;
    default:
      ReplaySlide(dc);
      break;
  }
}

}  // namespace popup
