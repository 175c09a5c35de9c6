#include "shell/press_guard.hpp"

#include <cstdint>

#include "popup/popup.hpp"
#include "render/screen_state.hpp"

namespace shell {

namespace {

// What the player sees: the screen, whether it still has its entry ahead of it,
// and the popup over it.
struct Scene {
  std::uint32_t state;
  std::uint32_t phase;
  std::int32_t popup;
  bool operator==(const Scene&) const = default;
};

Scene Current() {
  return Scene{render::ScreenState, render::ScreenPhase, popup::PopupKind};
}

// Nothing has been painted before the first paint.
constexpr Scene kNothing{~0u, ~0u, -1};

Scene painted = kNothing;
Scene atLastPress = kNothing;
bool focusMovedSincePress = false;

}  // namespace

void NoteFocusChange() {
  focusMovedSincePress = true;
}

void NoteScreenPainted() {
  painted = Current();
}

bool PressMayAct(bool secondOfDoubleClick) {
  const Scene now = Current();
  const bool changed = focusMovedSincePress || !(now == atLastPress);
  focusMovedSincePress = false;
  atLastPress = now;
  if (!(now == painted)) return false;
  return !(secondOfDoubleClick && changed);
}

void ResetPressGuard() {
  painted = kNothing;
  atLastPress = kNothing;
  focusMovedSincePress = false;
}

}  // namespace shell
