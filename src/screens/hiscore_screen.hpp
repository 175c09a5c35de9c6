#pragma once

#include <cstdint>

#include "platform/drawing/colour.hpp"
#include "platform/drawing/device_context.hpp"
#include "platform/window/display_profile.hpp"

// The hi-score table screen: one mode's five best results, the five mode tabs,
// the games played, the reset and export buttons.
namespace screens {

// Where the screen's parts sit on a display class, in logical pixels.
struct HiScoreLayout {
  int offsetY;     // the screen's vertical layout offset
  int tabX, tabY;  // top-left of the tab row (tab k spans x tabX+30k .. +30)
  int frameX;      // left of the table frame; its top is at y 70
  int rowY;        // y of the first row
  int rowPitch;
  int placeX;  // the place-number column
  int scoreX;  // the score column's reference x
};
HiScoreLayout HiScoreLayoutOf(platform::ScreenClass displayClass);

// The screen's buttons as it draws them; its taps take them from here too.
enum class HiScoreButton { Reset, Export };
platform::Rect HiScoreButtonOn(HiScoreButton button, platform::ScreenClass displayClass);
// The tab of GameMode 1..5.
platform::Rect HiScoreTabOn(int mode, platform::ScreenClass displayClass);

// The colour of a GameMode 1..5 (the tab marker, the table frame and the mode
// title); false outside 1..5.
bool ModeColour(int mode, int& red, int& green, int& blue);

// Draws the whole screen from the tables on every paint, for render::HiScoreTab.
void PaintHiScoreScreen(platform::DeviceContext& dc);

}  // namespace screens
