#include "shell/screen_flow.hpp"

#include "engine/game_entries.hpp"
#include "engine/game_state.hpp"
#include "platform/backend/runtime.hpp"
#include "platform/window/display_profile.hpp"
#include "platform/window/logical_invalidation.hpp"
#include "platform/window/window_system.hpp"
#include "popup/popup.hpp"
#include "records/game_status_record.hpp"
#include "records/settings.hpp"
#include "render/game_screen.hpp"
#include "render/screen_state.hpp"

namespace shell {

void ShowScreen(std::uint32_t state) {
  render::ScreenState = state;
  render::ScreenPhase = 0;
  platform::InvalidateScreen(platform::MainWindow(), platform::Display.DisplayClass);
}

void StartGame(platform::Window* window, int mode) {
  if (mode < engine::mode::Easy || mode > engine::mode::Chroma) return;
  if (popup::PopupKind != popup::kind::None) return;
  if (records::GameStatus.HelpEnabled == 1 && popup::HelpShown == 0) {
    popup::HelpDemoStep = 0;
    popup::PendingMode = static_cast<std::uint32_t>(mode);
    popup::OpenPopup(popup::kind::Help);
    return;
  }
  records::GameStatus.Mode = mode;
  records::GameStatus.GamesPlayed += 1;
  render::ScreenState = render::screen::Game;
  render::ScreenPhase = 0;
  render::ButtonPressed = 0;
  engine::ReadyNewGame();
  render::FullRedrawRequested = true;
  platform::InvalidateScreen(window, platform::Display.DisplayClass);
}

void StartGameAfterHelp(platform::Window* window, std::uint32_t mode) {
  if (mode > static_cast<std::uint32_t>(engine::mode::Chroma)) return;
  StartGame(window, static_cast<int>(mode));
}

void ResumeKeptGame() {
  render::ScreenState = render::screen::Game;
  render::ScreenPhase = 0;
  engine::ReadyKeptGame();
  render::FullRedrawRequested = true;
  // Every resume would otherwise deal the same balls from the same seed.
  platform::Srand(platform::GetTickCount());
  records::ApplySettings();
}

void OnGameOver(int gameMode, int nextScreen) {
  if (gameMode >= engine::mode::Easy && gameMode <= engine::mode::Chroma) {
    render::HiScoreTab = static_cast<std::uint32_t>(gameMode);
  }
  switch (nextScreen) {
    case 3:
      ShowScreen(render::screen::NewHiScore);
      break;
    case 2:
      ShowScreen(render::screen::HiScoreTable);
      break;
    default:
      // A mode with no table of its own has nothing to show: back to the menu.
      ShowScreen(render::screen::MainMenu);
      break;
  }
}

}  // namespace shell
