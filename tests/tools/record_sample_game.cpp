// Records a sample game on the headless back end, for the replay tests and the
// benchmark: a tap on the EASY entry (and on the help panel's OK when it shows),
// then taps on the board at a steady pace until the game is over or the time
// given is used up, then the close button. Return alone would not do: on the
// menu it first only moves the direction-pad marker.
//   record_sample_game WxH SECONDS OUT [focus]
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/game_state.hpp"
#include "platform/display_profile.hpp"
#include "platform/headless.hpp"
#include "platform/logical_invalidation.hpp"
#include "platform/replay_session.hpp"
#include "platform/window.hpp"
#include "platform/window_system_internal.hpp"
#include "popup/popup.hpp"
#include "records/record_store.hpp"
#include "render/screen_state.hpp"
#include "shell/main_menu.hpp"
#include "shell/start_up.hpp"

namespace {

// A tap at a logical point of the main window or of a popup's rectangle.
void TapLogical(const platform::Rect& within, int x, int y) {
  platform::headless::Tap(within.left + platform::DoublingRule(x),
                          within.top + platform::DoublingRule(y));
  platform::headless::Advance(400);
}

}  // namespace

int main(int argc, char** argv) {
  int width = 0;
  int height = 0;
  if (argc < 4 || std::sscanf(argv[1], "%dx%d", &width, &height) != 2) {
    std::fputs("usage: record_sample_game WxH SECONDS OUT [focus]\n", stderr);
    return 2;
  }
  const int seconds = std::atoi(argv[2]);
  const bool focusBreak = argc > 4 && std::string(argv[4]) == "focus";
  char folder[] = "/tmp/fandriass-record-XXXXXX";
  if (mkdtemp(folder)) setenv("XDG_RUNTIME_DIR", folder, 1);
  platform::MemoryStore store;
  platform::UseStore(&store);
  platform::headless::Start(platform::ScreenConfig{width, height, 0, 0}, 5000);
  const auto names = records::StoredValueNames();
  platform::StartRecording(platform::ReadStoredValues(store, names));
  if (shell::StartUp() != shell::StartOutcome::Run) return 1;
  platform::headless::Advance(700);
  const shell::MenuOffsets o = shell::MainMenuOffsets(platform::Display.DisplayClass);
  TapLogical(platform::Rect{}, 166 + o.x, 182 - o.y);  // the centre of EASY
  if (popup::PopupKind == popup::kind::Help) {
    TapLogical(platform::WindowRect(popup::PopupWindow), 203, 218);  // its OK
  }
  if (render::ScreenState != render::screen::Game) {
    std::fputs("record_sample_game: the game did not start\n", stderr);
    return 1;
  }
  std::uint32_t draw = 12345;
  for (int step = 0; step < seconds * 4; ++step) {
    platform::headless::Advance(173 + step % 7 * 20);
    if (engine::Game.Phase == engine::phase::GameOver) break;
    draw = draw * 214013 + 2531011;
    const int x = static_cast<int>((draw >> 16) % static_cast<unsigned>(width));
    const int y =
        height / 8 + static_cast<int>((draw >> 8) % static_cast<unsigned>(height * 3 / 4));
    platform::headless::Tap(x, y);
    if (focusBreak && step == seconds * 2) {
      platform::headless::FocusLost();
      platform::headless::Advance(1500);
      platform::headless::FocusGained();
    }
  }
  platform::headless::Advance(3000);
  platform::DesktopCloseRequested();
  platform::headless::Advance(3000);
  const platform::Replay replay =
      platform::FinishRecording(platform::ReadStoredValues(store, names));
  std::string error;
  if (!platform::SaveReplayFile(argv[3], replay, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  std::printf("%zu inputs over %u ms, quit %d\n", replay.events.size(), replay.end - replay.start,
              platform::headless::QuitPosted() ? 1 : 0);
  return 0;
}
