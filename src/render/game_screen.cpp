#include "render/game_screen.hpp"

namespace render {

bool FullRedrawRequested = false;
bool BoardRedrawRequested = false;
bool LateBoardRedrawRequested = false;
std::int32_t CursorPos = 500;

void PaintGameScreen(platform::Window*, platform::DeviceContext&) {}

void ResetGameScreen() {
  FullRedrawRequested = false;
  BoardRedrawRequested = false;
  LateBoardRedrawRequested = false;
  CursorPos = 500;
}

}  // namespace render
