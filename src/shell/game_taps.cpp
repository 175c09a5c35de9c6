#include "shell/game_taps.hpp"

#include "engine/game_state.hpp"
#include "engine/painting.hpp"
#include "engine/screen_items.hpp"
#include "engine/show_sequences.hpp"
#include "platform/window/display_profile.hpp"
#include "platform/window/logical_invalidation.hpp"
#include "platform/window/message_box.hpp"
#include "platform/window/popup_window.hpp"
#include "platform/window/window_system.hpp"
#include "popup/popup.hpp"
#include "records/game_status_record.hpp"
#include "render/screen_state.hpp"
#include "shell/commands.hpp"
#include "shell/hiscore_taps.hpp"
#include "shell/menu_taps.hpp"
#include "shell/press_guard.hpp"
#include "shell/quit_program.hpp"
#include "shell/settings_taps.hpp"

namespace shell {

namespace {

int AskYesNo(platform::Window* window, std::u16string_view text, std::u16string_view caption) {
  return platform::MessageBox(
      window, text, caption, platform::message_box::YesNo | platform::message_box::IconExclamation);
}

void RepaintAfterNo(platform::Window* window) {
  render::RepaintAll = 1;
  platform::InvalidateScreen(window, platform::Display.DisplayClass);
}

void AskToExitHere(platform::Window* window) {
  if (AskYesNo(window, ExitQuestion, u"Exit the Game?") == platform::IdYes) {
    // The kept mode stays in the records: the next start resumes this game.
    platform::KillTimer(window, engine::GameTimer);
    QuitProgram();
  } else {
    RepaintAfterNo(window);
  }
}

void AskToAbandon(platform::Window* window) {
  if (AskYesNo(window, AbandonQuestion, u"Abandon this Game?") == platform::IdYes) {
    platform::KillTimer(window, engine::GameTimer);
    render::ScreenPhase = 0;
    render::ScreenState = render::screen::MainMenu;
    render::ButtonPressed = 0;
    platform::InvalidateScreen(window, platform::Display.DisplayClass);
    records::GameStatus.Mode = engine::mode::None;
  } else {
    RepaintAfterNo(window);
  }
}

void GameScreenTap(platform::Window* window, int x, int y) {
  const platform::ScreenClass displayClass = platform::Display.DisplayClass;
  const auto on = [&](engine::Item item) {
    return engine::ItemOn(item, displayClass).Contains(x, y);
  };
  if (records::GameStatus.Mode == engine::mode::Chroma && on(engine::Item::ColourWheel)) {
    popup::OpenPopup(popup::kind::ColourWheel);
  }
  if (const int cell = engine::CellAt(x, y, displayClass); cell >= 0) {
    // The board takes no paint during the end's show; a tap there moves on.
    if (engine::Game.Phase == engine::phase::GameOver) {
      engine::HurryTheShow();
    } else {
      engine::PaintCell(cell);
    }
  }
  if (on(engine::Item::CloseButton)) AskToExitHere(window);
  if (on(engine::Item::BackButton)) AskToAbandon(window);
  if (on(engine::Item::SoundIcon)) {
    records::GameStatus.SoundOn = records::GameStatus.SoundOn ? 0 : 1;
    render::SoundIconChanged = 1;
    engine::InvalidateItem(window, engine::Item::SoundIcon);
  }
}

}  // namespace

namespace {

// The settings screen's press in progress: only one that went down on that
// screen may slide its volume or release its OK (a press on the menu's entry
// that slides on would otherwise carry on over the slider).
bool settingsPress = false;

}  // namespace

void AskToExit(platform::Window* window) {
  AskToExitHere(window);
}

void OnStylusDown(platform::Window* window, int x, int y, bool secondOfDoubleClick) {
  settingsPress = false;
  // While a popup is open, whatever lies under it waits: a tap only brings
  // the popup back in front.
  if (popup::PopupKind != popup::kind::None) {
    if (popup::PopupWindow) platform::ShowWindow(popup::PopupWindow);
    return;
  }
  if (!PressMayAct(secondOfDoubleClick)) return;
  settingsPress = render::ScreenState == render::screen::Settings;
  if (platform::IsVga(platform::Display.DisplayClass)) {
    x /= 2;
    y /= 2;
  }
  switch (render::ScreenState) {
    case render::screen::MainMenu:
      MainMenuTap(window, x, y);
      break;
    case render::screen::Game:
      GameScreenTap(window, x, y);
      break;
    case render::screen::HiScoreTable:
      HiScoreTap(window, x, y);
      break;
    case render::screen::Settings:
      SettingsStylusDown(window, x, y);
      break;
    case render::screen::NewHiScore:
      NameEntryTap(window, x, y);
      break;
    default:
      break;
  }
}

namespace {

// Moves and releases matter only to the settings screen, and never while a
// popup holds the input.
bool SettingsHasTheStylus(int& x, int& y) {
  if (!settingsPress || render::ScreenState != render::screen::Settings) return false;
  if (popup::PopupKind != popup::kind::None) return false;
  if (platform::IsVga(platform::Display.DisplayClass)) {
    x /= 2;
    y /= 2;
  }
  return true;
}

}  // namespace

void OnStylusMove(platform::Window* window, int x, int y) {
  if (SettingsHasTheStylus(x, y)) SettingsStylusMove(window, x, y);
}

void OnStylusUp(platform::Window* window, int x, int y) {
  if (SettingsHasTheStylus(x, y)) SettingsStylusUp(window, x, y);
}

}  // namespace shell
