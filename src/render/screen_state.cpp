#include "render/screen_state.hpp"

namespace render {

std::uint32_t ScreenState = screen::MainMenu;
std::uint32_t ScreenPhase = 0;
std::uint32_t RepaintAll = 0;
std::uint32_t SoundIconChanged = 0;
std::uint32_t PausedNoticeShown = 0;
std::uint32_t HiScoreTab = 1;
std::uint32_t ButtonPressed = 0;

void ResetScreenState() {
  ScreenState = screen::MainMenu;
  ScreenPhase = 0;
  RepaintAll = 0;
  SoundIconChanged = 0;
  PausedNoticeShown = 0;
  HiScoreTab = 1;
  ButtonPressed = 0;
}

}  // namespace render
