#include "shell/keys.hpp"

#include <algorithm>

#include "engine/game_state.hpp"
#include "engine/painting.hpp"
#include "engine/screen_items.hpp"
#include "engine/show_sequences.hpp"
#include "platform/window/display_profile.hpp"
#include "platform/window/logical_invalidation.hpp"
#include "platform/window/message_box.hpp"
#include "platform/window/messages.hpp"
#include "popup/popup.hpp"
#include "records/game_status_record.hpp"
#include "render/game_screen.hpp"
#include "render/screen_state.hpp"
#include "shell/game_taps.hpp"
#include "shell/main_menu.hpp"
#include "shell/quit_program.hpp"
#include "shell/screen_flow.hpp"
#include "shell/settings_taps.hpp"

namespace shell {

namespace {

namespace vk = platform::vk;

// The cell the game cursor first shows on: row 2, column 3.
constexpr std::int32_t FirstCursorCell = 15;
constexpr int Columns = 6;

// Which way an arrow moves: -1 back (up, left), +1 on (down, right), 0 not an arrow.
int Step(unsigned key) {
  if (key == vk::Up || key == vk::Left) return -1;
  if (key == vk::Down || key == vk::Right) return 1;
  return 0;
}

// The menu marker: entries 1 settings, 2 hi-scores, 3..7 the modes.
void MenuKey(platform::Window* window, unsigned key) {
  std::int32_t& entry = render::CursorPos;
  const bool selected = entry >= 1 && entry <= 7;
  if (key == vk::Escape) {
    if (platform::MessageBox(window, MenuExitQuestion, u"Exit the Game?",
                             platform::message_box::YesNo |
                                 platform::message_box::IconExclamation) == platform::IdYes) {
      QuitProgram();
    }
    return;
  }
  if (key == vk::Return) {
    if (!selected) {
      // The first press only shows where the marker starts.
      entry = 1;
      InvalidateMenuMarker(window, entry);
    } else if (entry == 1) {
      render::ButtonPressed = 0;
      ShowScreen(render::screen::Settings);
    } else if (entry == 2) {
      render::ButtonPressed = 0;
      ShowScreen(render::screen::HiScoreTable);
    } else {
      StartGame(window, engine::mode::Easy + entry - 3);
    }
    return;
  }
  const int step = Step(key);
  if (step == 0) return;
  std::int32_t next = 1;
  if (selected) next = std::clamp(entry + step, 1, 7);
  if (next == entry) return;
  InvalidateMenuMarker(window, entry);
  entry = next;
  InvalidateMenuMarker(window, entry);
}

void InvalidateCell(platform::Window* window, std::int32_t cell) {
  if (cell < 0 || cell >= engine::CellCount) return;
  const platform::Rect at = engine::CellOn(cell, platform::Display.DisplayClass);
  platform::InvalidateLogicalRect(window, at.left, at.top, at.right, at.bottom);
}

// The board cursor: cells 0..35, six to a row; it stops at the edges.
void GameKey(platform::Window* window, unsigned key) {
  // The keyboard's only way out of a game, as the exit icon is the stylus's.
  if (key == vk::Escape) {
    AskToExit(window);
    return;
  }
  std::int32_t& cell = render::CursorPos;
  if (key == vk::Return) {
    // The board takes no paint while the end of the game is being shown; the
    // action key moves the show on instead.
    if (engine::Game.Phase == engine::phase::GameOver) {
      engine::HurryTheShow();
    } else {
      engine::PaintCell(cell);
    }
    return;
  }
  // The end of the game is on show: a moved cursor would redraw a cell over it.
  if (Step(key) == 0 || engine::Game.Phase == engine::phase::GameOver) return;
  std::int32_t next = cell;
  if (cell < 0 || cell >= engine::CellCount) {
    next = FirstCursorCell;
  } else if (key == vk::Up && cell >= Columns) {
    next = cell - Columns;
  } else if (key == vk::Down && cell < engine::CellCount - Columns) {
    next = cell + Columns;
  } else if (key == vk::Left && cell % Columns != 0) {
    next = cell - 1;
  } else if (key == vk::Right && cell % Columns != Columns - 1) {
    next = cell + 1;
  }
  if (next == cell) return;
  InvalidateCell(window, cell);
  cell = next;
  InvalidateCell(window, cell);
}

void HiScoreKey(platform::Window* window, unsigned key) {
  if (key == vk::Return) {
    render::ButtonPressed = 0;
    ShowScreen(render::screen::MainMenu);
    records::GameStatus.Mode = engine::mode::None;
    return;
  }
  const int step = Step(key);
  if (step == 0) return;
  std::uint32_t& tab = render::HiScoreTab;
  // A tab outside 1..5 stays where it is; the screen is drawn again all the same.
  if (tab >= 1 && tab <= 5) {
    if (step < 0) {
      tab = tab == 1 ? 5 : tab - 1;
    } else {
      tab = tab == 5 ? 1 : tab + 1;
    }
  }
  platform::InvalidateScreen(window, platform::Display.DisplayClass);
}

void SettingsKey(unsigned key) {
  if (key != vk::Return) return;
  ApplyVolumeSetting();
  ShowScreen(render::screen::MainMenu);
}

}  // namespace

void OnKey(platform::Window* window, unsigned virtualKey, bool keyUp, bool repeat) {
  if (records::GameStatus.UseJoystick != 1) return;
  // Everything acts on the way down: the key-up of the press that opened a box
  // must not open it again once the box is answered.
  if (keyUp) return;
  // A held arrow walks on; a held Enter or Escape acts once per press (a held
  // Enter would otherwise spend the paint reserve many times a second).
  if (repeat && Step(virtualKey) == 0) return;
  // A controller's Start leaves from the menu as Escape does, and does nothing
  // elsewhere (Escape in a game is the controller's east button).
  if (virtualKey == vk::PadStart) {
    if (render::ScreenState != render::screen::MainMenu) return;
    virtualKey = vk::Escape;
  }
  // While a popup is up, the screen under it waits, as it does for the stylus.
  if (popup::PopupKind != popup::kind::None) return;
  switch (render::ScreenState) {
    case render::screen::MainMenu:
      MenuKey(window, virtualKey);
      break;
    case render::screen::Game:
      GameKey(window, virtualKey);
      break;
    case render::screen::HiScoreTable:
      HiScoreKey(window, virtualKey);
      break;
    case render::screen::Settings:
      SettingsKey(virtualKey);
      break;
    default:
      // The name entry takes its keys in its own field.
      break;
  }
}

}  // namespace shell
