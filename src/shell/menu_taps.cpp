#include "shell/menu_taps.hpp"

#include "engine/game_state.hpp"
#include "platform/window/display_profile.hpp"
#include "platform/window/logical_invalidation.hpp"
#include "popup/popup.hpp"
#include "render/screen_state.hpp"
#include "shell/main_menu.hpp"
#include "shell/quit_program.hpp"
#include "shell/screen_flow.hpp"

namespace shell {

namespace {

bool Within(int v, int low, int high) {
  return v >= low && v <= high;
}

// An area of the menu, inclusive, for offsets (0, 0): x moves by the offset x,
// y by minus the offset y.
struct Area {
  int left;
  int top;
  int right;
  int bottom;
};

bool InArea(const Area& a, const MenuOffsets& o, int x, int y) {
  return Within(x, a.left + o.x, a.right + o.x) && Within(y, a.top - o.y, a.bottom - o.y);
}

constexpr Area kModeAreas[5] = {
    {128, 169, 205, 195},  // EASY
    {128, 199, 213, 224},  // HARD
    {128, 228, 218, 254},  // PANIC
    {128, 257, 212, 283},  // HEAT
    {128, 286, 238, 312},  // CHROMA
};
constexpr Area kHiScoresArea{4, 286, 118, 310};
constexpr Area kSettingsArea{4, 259, 114, 283};

bool OnQuitIcon(const MenuOffsets& o, int x, int y) {
  if (!Within(y, 0, 17)) return false;
  if (o.x == 0) return Within(x, 222, 240);
  if (o.x == 40) return Within(x, 302, 320);
  return false;
}

}  // namespace

void MainMenuTap(platform::Window* window, int x, int y) {
  const MenuOffsets o = MainMenuOffsets(platform::Display.DisplayClass);
  for (int k = 0; k < 5; ++k) {
    if (InArea(kModeAreas[k], o, x, y)) {
      StartGame(window, engine::mode::Easy + k);
      return;
    }
  }
  if (InArea(kHiScoresArea, o, x, y)) {
    render::ButtonPressed = 0;
    ShowScreen(render::screen::HiScoreTable);
    return;
  }
  if (InArea(kSettingsArea, o, x, y)) {
    // OK still counts as held after a visit that left on its release, and the
    // lift of this very tap may land on it.
    render::ButtonPressed = 0;
    ShowScreen(render::screen::Settings);
    return;
  }
  if (OnQuitIcon(o, x, y)) {
    QuitProgram();
    return;
  }
  // The title window, at the same height on every shape.
  if (Within(x, o.x, o.x + 240) && Within(y, 10, 88)) {
    popup::OpenPopup(popup::kind::About);
    return;
  }
  ShowScreen(render::screen::MainMenu);
}

}  // namespace shell
