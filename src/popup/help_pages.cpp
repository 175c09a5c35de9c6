#include "popup/help_pages.hpp"

#include <algorithm>

#include "engine/game_state.hpp"
#include "popup/panel_drawing.hpp"

namespace popup {

namespace {

using render::Font14;
using render::Font14Bold;

constexpr unsigned kCentred = 1;
constexpr int kLeftSide = 4;

void Replay(platform::DeviceContext& dc) {
  DrawPanelText(dc, Font14Bold, u"-Click for Replay-", Blue, 100, 150, 230, 180, kCentred);
}

// The paint pot beside the reserve: full, then with its paint dripping away.
void Pot(platform::DeviceContext& dc, std::uint32_t slide, int x) {
  DrawPanelPicture(dc, render::PaintPots + (slide == 0 ? 0 : 3), x, 160);
}

void HardPage(platform::DeviceContext& dc, std::uint32_t slide) {
  DrawPanelText(dc, Font14, u"The Hard game works exactly like the Easy game, but you have to play",
                Black, 10, 40, 230, 120);
  DrawPanelText(dc, Font14,
                u"fast because your paint reserve is dripping! If it runs out, you lose.", Red, 10,
                84, 230, 120);
  DrawPanelText(dc, Font14Bold, u"Dripping:", Blue, 25, 140, 80, 160);
  Pot(dc, slide, 40);
  if (slide >= 2) Replay(dc);
}

void PanicPage(platform::DeviceContext& dc, std::uint32_t slide) {
  DrawPanelText(dc, Font14, u"In Panic mode you have 100 sec. to score as much as possible.", Black,
                10, 40, 230, 120);
  DrawPanelText(dc, Font14, u"Also your paint reserve is dripping and there are no black balls.",
                Red, 10, 70, 230, 120);
  DrawPanelText(dc, Font14, u"This makes it easier to make groups.", Black, 10, 100, 230, 130);
  Pot(dc, slide, 50);
  DrawPanelText(dc, Font14Bold, u"Dripping:", Blue, 35, 140, 90, 160);
  if (slide < 2) {
    DrawPanelPicture(dc, render::TimeLabel, 156, 160);
    DrawPanelText(dc, Font14Bold, u"Time:", Blue, 155, 140, 240, 160);
    DrawPanelText(dc, Font14Bold, slide == 0 ? u"99" : u"98", Red, 164, 160, 200, 180);
  } else {
    Replay(dc);
  }
}

// Three balls beside the left pipe, the tap and the paint to come; the pipe
// is hot on the first slide and has moved on after it.
void HeatPage(platform::DeviceContext& dc, std::uint32_t slide) {
  if (slide == 0) {
    DrawPanelText(dc, Font14,
                  u"In this mode, ball groups are taken only when they are next to a hot", Black,
                  10, 40, 230, 120);
    DrawPanelText(dc, Font14, u"(red) pipe. Each time this happens active (red) pipes are moved.",
                  Red, 10, 70, 230, 120);
  } else {
    DrawPanelText(dc, Font14, u"There are no black balls, which makes it easier to make groups.",
                  Black, 10, 40, 230, 120);
    DrawPanelText(dc, Font14, u"This mode needs planning!", Red, 10, 70, 230, 120);
  }
  DrawPanelBitmap(dc, render::PipePicture(slide == 0 ? 10 : 0, 1, kLeftSide), 10, 150,
                  render::kNoKey);
  const int middle = slide == 0 ? 6 : 1;
  DrawPanelBitmap(dc, render::BallPicture(1, 0), 28, 150, render::kBlackKey);
  DrawPanelBitmap(dc, render::BallPicture(middle, 0), 58, 150, render::kBlackKey);
  DrawPanelBitmap(dc, render::BallPicture(1, 0), 88, 150, render::kBlackKey);
  DrawPanelPicture(dc, render::DropDownArrow, 64, 125);
  DrawPanelPicture(dc, render::PaintPills, 170, 150);
  if (slide == 0) DrawPanelText(dc, Font14Bold, u"next:", Blue, 163, 130, 230, 150);
  if (slide >= 2) {
    // The invitation lies over the foot of the pill: a white edge keeps it clear.
    constexpr Ink kWhite{255, 255, 255};
    constexpr int kEdge[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    for (const auto& d : kEdge) {
      DrawPanelText(dc, Font14Bold, u"-Click \nfor Replay-", kWhite, 150 + d[0], 160 + d[1],
                    220 + d[0], 190 + d[1], kCentred);
    }
    DrawPanelText(dc, Font14Bold, u"-Click \nfor Replay-", Blue, 150, 160, 220, 190, kCentred);
  }
}

// Yellow paint on a blue ball gives a green one; then the wheel that says so.
void ChromaPage(platform::DeviceContext& dc, std::uint32_t slide) {
  if (slide == 0) {
    DrawPanelText(dc, Font14, u"In the Chroma mode you will have to play using color combinations",
                  Red, 10, 40, 230, 120);
    DrawPanelText(dc, Font14,
                  u"e.g.: if you have yellow paint and the ball you want to paint is blue", Black,
                  10, 70, 230, 120);
    DrawPanelText(dc, Font14Bold, u"next:", Blue, 163, 130, 230, 150);
    DrawPanelPicture(dc, render::PaintPills + 1, 170, 150);
    DrawPanelBitmap(dc, render::BallPicture(3, 0), 58, 150, render::kBlackKey);
    DrawPanelPicture(dc, render::DropDownArrow, 64, 125);
  } else if (slide == 1) {
    DrawPanelText(dc, Font14, u"\nBlue and yellow will be: Green", Black, 10, 40, 230, 120);
    DrawPanelText(dc, Font14, u"Use the color wheel to keep track.", Red, 10, 70, 230, 120);
    DrawPanelBitmap(dc, render::BallPicture(3, 0), 28, 150, render::kBlackKey);
    DrawPanelPicture(dc, render::PaintPills + 1, 64, 152);
    DrawPanelText(dc, Font14Bold, u">", Red, 86, 158, 106, 180, kCentred);
    DrawPanelBitmap(dc, render::BallPicture(4, 0), 110, 150, render::kBlackKey);
    DrawPanelPicture(dc, render::ColourWheelIcon, 170, 155);
  } else {
    DrawColourWheel(dc, 10, 40);
    DrawPanelText(dc, Font14Bold, u"CHROMA WHEEL", Black, 140, 55, 230, 120);
    DrawPanelText(dc, Font14, u"If you mix opposite colors you get black", Red, 140, 85, 230, 260);
    DrawPanelText(dc, Font14Bold, u"Click for help>", Red, 50, 172, 240, 190);
    DrawPanelPicture(dc, render::ColourWheelIcon, 160, 170);
  }
}

}  // namespace

void PaintModePage(platform::DeviceContext& dc, std::uint32_t mode, std::uint32_t slide) {
  slide = std::min<std::uint32_t>(slide, 3);
  switch (mode) {
    case engine::mode::Hard:
      HardPage(dc, slide);
      break;
    case engine::mode::Panic:
      PanicPage(dc, slide);
      break;
    case engine::mode::Heat:
      HeatPage(dc, slide);
      break;
    case engine::mode::Chroma:
      ChromaPage(dc, slide);
      break;
    default:
      break;
  }
}

}  // namespace popup
