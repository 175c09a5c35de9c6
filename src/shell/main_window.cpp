#include "shell/main_window.hpp"

#include "engine/game_state.hpp"
#include "engine/game_tick.hpp"
#include "platform/window/display_profile.hpp"
#include "platform/window/logical_invalidation.hpp"
#include "platform/window/window_system.hpp"
#include "render/bitmap_catalogue.hpp"
#include "render/game_screen.hpp"
#include "render/screen_state.hpp"
#include "screens/hiscore_screen.hpp"
#include "screens/new_hiscore_screen.hpp"
#include "screens/settings_screen.hpp"
#include "shell/colour_symbols_key.hpp"
#include "shell/commands.hpp"
#include "shell/game_taps.hpp"
#include "shell/keys.hpp"
#include "shell/main_menu.hpp"
#include "shell/press_guard.hpp"
#include "shell/quit_program.hpp"
#include "shell/start_up.hpp"

namespace shell {

std::uint8_t WindowInactive = 0;

namespace {

// The settings-change code of the input panel, which changes nothing here.
constexpr platform::WParam InputPanelChanged = 224;
// A close with this is the session ending (a terminate or hang-up signal):
// nobody is there to answer a question.
constexpr platform::WParam CloseWithoutAsking = 1;

// The main window holds the keyboard focus: told by SetFocus and KillFocus, so a
// box, the popup or another application in front all count as away.
bool focused = false;
bool timerHeld = false;

bool GameRunning() {
  return render::ScreenState == render::screen::Game &&
         (engine::Game.Phase == engine::phase::Playing ||
          engine::Game.Phase == engine::phase::GameOver);
}

void HoldGameTimer(platform::Window* window) {
  if (!GameRunning()) return;
  platform::KillTimer(window, engine::GameTimer);
  timerHeld = true;
}

// Whatever came between (a settings change, a box, a popup), a held game goes on
// as soon as the main window itself has the focus again (the focus comes right
// after the activation, and only to the window in front).
void ReleaseGameTimer(platform::Window* window) {
  if (!timerHeld) return;
  timerHeld = false;
  if (GameRunning()) platform::SetTimer(window, engine::GameTimer, 2);
}

void OnTimer(platform::Window* window) {
  // The engine starts the timer itself on the game's first paint, which may come
  // while the window has no focus: the game waits for it.
  if (!focused) {
    platform::KillTimer(window, engine::GameTimer);
    if (GameRunning()) timerHeld = true;
    return;
  }
  engine::GameTick(window);
}

}  // namespace

void PaintDispatch(platform::Window* window) {
  platform::DeviceContext dc = platform::BeginPaint(window);
  platform::RederiveDisplayClass();
  const std::uint32_t painting = render::ScreenState;
  switch (painting) {
    case render::screen::MainMenu:
      PaintMainMenu(dc);
      break;
    case render::screen::Game:
      render::PaintGameScreen(window, dc);
      break;
    case render::screen::HiScoreTable:
      screens::PaintHiScoreScreen(dc);
      break;
    case render::screen::NewHiScore:
      screens::PaintNewHiScoreScreen(window, dc);
      break;
    case render::screen::Settings:
      screens::PaintSettingsScreen(dc);
      break;
    default:
      break;
  }
  // The game's full redraw may end a finished game's show and move on: the
  // next screen has not been painted, and a press must wait for it.
  if (render::ScreenState == painting) NoteScreenPainted();
  platform::EndPaint(window);
}

platform::LResult MainWndProc(platform::Window* window, unsigned message, platform::WParam wParam,
                              platform::LParam lParam) {
  switch (message) {
    case platform::msg::Create:
      return 0;
    case platform::msg::Destroy:
      render::ReleaseCatalogue();
      LeaveWithoutSaving();
      return 0;
    case platform::msg::Close:
      // The desktop's close button (or the session ending) is the exit question
      // answered Yes: everything is saved and a running game is kept.
      platform::KillTimer(window, engine::GameTimer);
      FinishNameEntryOnClose(window);
      QuitProgram(wParam == CloseWithoutAsking ? UnsavedExit::Leave : UnsavedExit::Ask);
      return 0;
    case platform::msg::Activate:
      if (WindowInactive == 1) {
        InitialiseWindow(init_mode::Reactivate, window);
        WindowInactive = 0;
      }
      return 0;
    case platform::msg::SetFocus:
      focused = true;
      render::PausedNoticeShown = 0;
      NoteFocusChange();
      platform::InvalidateScreen(window, platform::Display.DisplayClass);
      ReleaseGameTimer(window);
      return 0;
    case platform::msg::KillFocus:
      focused = false;
      NoteFocusChange();
      WindowInactive = 1;
      HoldGameTimer(window);
      // Away in another application, a held game would look frozen: it says
      // it is paused. A box or the popup taking the focus needs no notice.
      if (GameRunning() && !platform::DesktopHasFocus()) {
        render::PausedNoticeShown = 1;
        platform::InvalidateScreen(window, platform::Display.DisplayClass);
      }
      return 0;
    case platform::msg::Paint:
      PaintDispatch(window);
      return 0;
    case platform::msg::SettingChange:
      if (wParam != InputPanelChanged) {
        InitialiseWindow(init_mode::Reactivate, window);
        WindowInactive = 0;
      }
      return 0;
    case platform::msg::WindowPosChanged:
      platform::InvalidateScreen(window, platform::Display.DisplayClass);
      return 0;
    case platform::msg::Timer:
      OnTimer(window);
      return 0;
    case platform::msg::StylusDown:
      OnStylusDown(window, platform::PointX(lParam), platform::PointY(lParam),
                   (wParam & platform::stylus::DoubleClick) != 0);
      return 0;
    case platform::msg::StylusMove:
      OnStylusMove(window, platform::PointX(lParam), platform::PointY(lParam));
      return 0;
    case platform::msg::KeyDown:
    case platform::msg::KeyUp: {
      const auto key = static_cast<unsigned>(wParam);
      const bool keyUp = message == platform::msg::KeyUp;
      const bool repeat = (lParam & platform::KeyRepeat) != 0;
      if (!OnColourSymbolsKey(window, key, keyUp, repeat)) OnKey(window, key, keyUp, repeat);
      return 0;
    }
    case platform::msg::Command:
      if (OnCommand(window, message, wParam, lParam) != 0) {
        return platform::DefWindowProc(window, message, wParam, lParam);
      }
      return 0;
    case platform::msg::StylusUp:
      OnStylusUp(window, platform::PointX(lParam), platform::PointY(lParam));
      return 0;
    default:
      return platform::DefWindowProc(window, message, wParam, lParam);
  }
}

void ResetMainWindow() {
  WindowInactive = 0;
  ResetPressGuard();
  focused = false;
  timerHeld = false;
}

}  // namespace shell
