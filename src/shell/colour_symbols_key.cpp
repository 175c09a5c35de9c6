#include "shell/colour_symbols_key.hpp"

#include "engine/game_entries.hpp"
#include "engine/game_state.hpp"
#include "platform/files/desktop_preferences.hpp"
#include "platform/window/display_profile.hpp"
#include "platform/window/logical_invalidation.hpp"
#include "platform/window/messages.hpp"
#include "render/game_screen.hpp"
#include "render/screen_state.hpp"

namespace shell {

bool OnColourSymbolsKey(platform::Window* window, unsigned virtualKey, bool keyUp, bool repeat) {
  if (virtualKey != platform::vk::F2) return false;
  if (keyUp || repeat) return true;
  platform::SetColourSymbols(!platform::ColourSymbols());
  platform::SaveDesktopPreferences();
  // The other screens show no paint; the game screen draws its balls and pill again.
  if (render::ScreenState == render::screen::Game) {
    render::BoardRedrawRequested = true;
    engine::RedrawNextColour();
    platform::InvalidateScreen(window, platform::Display.DisplayClass);
  }
  return true;
}

}  // namespace shell
