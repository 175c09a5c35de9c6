#include "popup/popup.hpp"
#include "engine/game_entries.hpp"
#include "platform/backend/backend.hpp"
#include "platform/window/child_controls.hpp"
#include "platform/window/display_profile.hpp"
#include "platform/window/logical_invalidation.hpp"
#include "platform/window/popup_window.hpp"
#include "platform/window/window_system.hpp"

#include "engine/game_state.hpp"
#include "platform/backend/backend.hpp"
#include "platform/window/child_controls.hpp"
#include "platform/window/display_profile.hpp"
#include "platform/window/logical_invalidation.hpp"
#include "platform/window/popup_window.hpp"
#include "platform/window/window_system.hpp"
#include "popup/about_panel.hpp"
#include "popup/colour_wheel_panel.hpp"
#include "popup/export_panel.hpp"
#include "popup/help_panel.hpp"
#include "popup/panel_drawing.hpp"
#include "records/game_status_record.hpp"
#include "render/game_screen.hpp"
#include "render/screen_state.hpp"

namespace popup {

std::int32_t PopupKind = kind::None;
std::uint32_t PopupStep = 0;
platform::Window* PopupWindow = nullptr;
std::int32_t PopupHeight = 0;
std::uint32_t PendingMode = 0;
std::uint8_t HelpShown = 0;
std::uint32_t HelpDemoStep = 0;

namespace {

StartGameHandler startGame = nullptr;

// The popup's logical rectangle (x, y, width, height) per kind: the first
// for the tall screens and the 320x320 one, the second for the others.
struct Placement {
  int x, y, width, height;
};
bool PlacementOf(std::int32_t kind, Placement& placement) {
  const platform::ScreenClass displayClass = platform::Display.DisplayClass;
  const bool tall = platform::IsTall(displayClass) || platform::IsLarge(displayClass);
  const bool wide = platform::IsWide(displayClass) || platform::IsSquare(displayClass);
  if (!tall && !wide) return false;
  switch (kind) {
    case kind::About:
    case kind::Help:
      placement = tall ? Placement{0, 38, 240, 240} : Placement{0, 0, 240, 240};
      return true;
    case kind::ExportCode:
      placement = tall ? Placement{0, 140, 240, 180} : Placement{0, 60, 240, 180};
      return true;
    case kind::ColourWheel:
      placement = tall ? Placement{0, 38, 240, 210} : Placement{0, 30, 240, 210};
      return true;
    default:
      return false;
  }
}

platform::LResult PopupWndProc(platform::Window* window, unsigned message, platform::WParam wParam,
                               platform::LParam lParam);

bool CreatePopup(int x, int y, int width, int height) {
  platform::Display.MenuBarHeight = 26;
  PopupHeight = platform::ScaleRuleY(height);
  const int left = platform::ScaleRuleX(x);
  const int top = platform::ScaleRuleY(y);
  PopupWindow = platform::CreatePopupWindow(
      platform::Rect{left, top, left + platform::ScaleRuleX(width), top + PopupHeight},
      &PopupWndProc);
  if (!PopupWindow) return false;
  platform::ShowWindow(PopupWindow);
  platform::UpdateWindow(PopupWindow);
  return true;
}

void InvalidateMain() {
  platform::InvalidateScreen(platform::MainWindow(), platform::Display.DisplayClass);
}

void Close() {
  PopupKind = kind::None;
  PopupStep = 0;
  platform::Window* window = PopupWindow;
  PopupWindow = nullptr;
  platform::DestroyWindow(window);
}

void BackToTheMenu() {
  platform::SetActiveWindow(platform::MainWindow());
  render::ScreenState = render::screen::MainMenu;
  render::ScreenPhase = 0;
  InvalidateMain();
}

// OK and the close box; only help tells them apart.
void CloseByButton(bool ok) {
  switch (PopupKind) {
    case kind::About:
      Close();
      BackToTheMenu();
      break;
    case kind::ExportCode:
      Close();
      InvalidateMain();
      break;
    case kind::ColourWheel:
      Close();
      // The game under the wheel comes back as it was, drawn whole.
      engine::KeepGameAsItIs();
      render::FullRedrawRequested = true;
      InvalidateMain();
      break;
    case kind::Help:
      platform::KillTimer(PopupWindow, HelpTimerId);
      Close();
      BackToTheMenu();
      if (ok) {
        HelpShown = 1;
        if (startGame) startGame(platform::MainWindow(), PendingMode);
      }
      break;
    default:
      break;
  }
}

bool Within(int v, int low, int high) {
  return v >= low && v <= high;
}

void OnPopupStylusDown(platform::Window* window, int x, int y) {
  if (platform::IsVga(platform::Display.DisplayClass)) {
    x /= 2;
    y /= 2;
  }
  if (Within(x, 218, 236) && Within(y, 5, 22)) {
    CloseByButton(false);
    return;
  }
  if (PopupKind != kind::Help) return;
  if (Within(x, 10, 29) && Within(y, 212, 228)) {
    records::GameStatus.HelpEnabled = records::GameStatus.HelpEnabled ? 0 : 1;
    platform::InvalidateLogicalRect(window, 10, 212, 29, 228);
  } else if (Within(x, DemoLeft, DemoRight) && Within(y, DemoTop, DemoBottom)) {
    if (HelpDemoEnded()) HelpDemoStep = 0;
    platform::InvalidateLogicalRect(window, DemoLeft, DemoTop, DemoRight, DemoBottom);
  }
}

// On a desktop Enter is a panel's OK and Escape its close box. Only a fresh
// press counts, so the key that brought the panel up, still held or coming
// up, never closes it.
void OnPopupKeyDown(unsigned key, bool repeat) {
  if (repeat) return;
  if (key == platform::vk::Return) {
    CloseByButton(true);
  } else if (key == platform::vk::Escape) {
    CloseByButton(false);
  }
}

void PopupPaintDispatch(platform::Window* window) {
  platform::DeviceContext dc = platform::BeginPaint(window);
  platform::RederiveDisplayClass();
  switch (PopupKind) {
    case kind::About:
      PaintAboutPanel(window, dc);
      break;
    case kind::ColourWheel:
      PaintColourWheelPanel(window, dc);
      break;
    case kind::Help:
      PaintHelpPanel(window, dc);
      break;
    case kind::ExportCode:
      PaintExportPanel(window, dc);
      break;
    default:
      break;
  }
  platform::EndPaint(window);
}

platform::LResult PopupWndProc(platform::Window* window, unsigned message, platform::WParam wParam,
                               platform::LParam lParam) {
  switch (message) {
    case platform::msg::Create:
    case platform::msg::Destroy:
    case platform::msg::StylusMove:
    case platform::msg::StylusUp:
      return 0;
    case platform::msg::Activate:
    case platform::msg::SetFocus:
    case platform::msg::SettingChange:
    case platform::msg::WindowPosChanged:
      platform::InvalidateScreen(window, platform::Display.DisplayClass);
      return 0;
    case platform::msg::Paint:
      PopupPaintDispatch(window);
      return 0;
    case platform::msg::KeyDown:
      OnPopupKeyDown(static_cast<unsigned>(wParam), (lParam & platform::KeyRepeat) != 0);
      return 0;
    case platform::msg::Command:
      if (platform::CommandId(wParam) == OkButtonId) CloseByButton(true);
      return 0;
    case platform::msg::Timer:
      // Only the help panel runs a timer here. The slides move on this tick
      // alone, so a paint for any other reason shows the same slide again.
      if (PopupKind == kind::Help) AdvanceHelpDemo();
      platform::InvalidateLogicalRect(window, DemoLeft, DemoTop, DemoRight, DemoBottom);
      return 0;
    case platform::msg::StylusDown:
      OnPopupStylusDown(window, platform::PointX(lParam), platform::PointY(lParam));
      return 0;
    default:
      return platform::DefWindowProc(window, message, wParam, lParam);
  }
}

}  // namespace

bool OpenPopup(std::int32_t kind) {
  // One popup at a time: whatever asks while one is up is refused.
  if (PopupKind != kind::None) return false;
  Placement placement;
  if (!PlacementOf(kind, placement)) return false;
  PopupKind = kind;
  PopupStep = 0;
  if (CreatePopup(placement.x, placement.y, placement.width, placement.height)) return true;
  // Left set, the kind would make the menu and the tables ignore every tap.
  PopupKind = kind::None;
  return false;
}

void SetStartGameHandler(StartGameHandler handler) {
  startGame = handler;
}

void ResetPopup() {
  // A stopped back end has already forgotten its windows.
  if (PopupWindow && platform::ActiveBackend()) platform::DestroyWindow(PopupWindow);
  PopupKind = kind::None;
  PopupStep = 0;
  PopupWindow = nullptr;
  PopupHeight = 0;
  PendingMode = 0;
  HelpShown = 0;
  HelpDemoStep = 0;
}

}  // namespace popup
