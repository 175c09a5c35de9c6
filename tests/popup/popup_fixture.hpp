#pragma once

#include <gtest/gtest.h>

#include <cstring>

#include "engine/game_state.hpp"
#include "platform/headless.hpp"
#include "platform/logical_invalidation.hpp"
#include "platform/window.hpp"
#include "popup/popup.hpp"
#include "records/game_status_record.hpp"
#include "render/bitmap_catalogue.hpp"
#include "render/game_screen.hpp"
#include "render/screen_state.hpp"
#include "support/headless_fixture.hpp"

namespace popup_test {

struct StartedGame {
  int calls = 0;
  platform::Window* window = nullptr;
  std::uint32_t mode = 0;
};
inline StartedGame started;

inline void RecordStart(platform::Window* window, std::uint32_t mode) {
  ++started.calls;
  started.window = window;
  started.mode = mode;
}

inline platform::LResult QuietMain(platform::Window* window, unsigned message,
                                   platform::WParam wParam, platform::LParam lParam) {
  if (message == platform::msg::Paint) {
    platform::BeginPaint(window);
    platform::EndPaint(window);
    return 0;
  }
  return platform::DefWindowProc(window, message, wParam, lParam);
}

// A main window that draws nothing, the catalogue, and the popup layer on its own.
class PopupTest : public testing_support::HeadlessTest {
 protected:
  void SetUp() override { StartOn(240, 320); }
  void TearDown() override {
    popup::ResetPopup();
    render::ReleaseCatalogue();
    testing_support::HeadlessTest::TearDown();
  }

  void StartOn(int width, int height) {
    popup::ResetPopup();
    platform::headless::Stop();
    testing_support::StartScreen(width, height);
    render::LoadCatalogue();
    std::memset(&records::GameStatus, 0, sizeof records::GameStatus);
    records::GameStatus.HelpEnabled = 1;
    records::GameStatus.UseJoystick = 1;
    render::ResetScreenState();
    render::FullRedrawRequested = false;
    engine::Game.RestoreKeptGame = 0;
    started = StartedGame{};
    popup::SetStartGameHandler(&RecordStart);
    main = platform::CreateMainWindow(u"Fandriass II", &QuietMain);
    platform::headless::Pump();
  }

  // The help panel as the menu opens it.
  bool OpenHelp(std::uint32_t mode) {
    popup::PendingMode = mode;
    popup::HelpDemoStep = 0;
    return popup::OpenPopup(popup::kind::Help);
  }

  // A tap at a logical point of the popup.
  static void TapPopup(int x, int y) {
    const platform::Rect r = platform::WindowRect(popup::PopupWindow);
    const int scale = platform::DoublingRule(1);
    platform::headless::Tap(r.left + x * scale, r.top + y * scale);
    platform::headless::Pump();
  }
  static void TapCloseBox() { TapPopup(227, 13); }
  // The centre of the panel's OK button (logical, unscaled by dpi on these screens).
  static void TapOk() {
    switch (popup::PopupKind) {
      case popup::kind::About:
        return TapPopup(120, 217);
      case popup::kind::ColourWheel:
        return TapPopup(124, 187);
      default:
        return TapPopup(203, 218);
    }
  }

  platform::Window* main = nullptr;
};

}  // namespace popup_test
