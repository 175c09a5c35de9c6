// Records a sample game on the headless back end, for the replay tests and the
// benchmark: the first menu entry, then taps on the board at a steady pace
// until the game is over or the time given is used up, then the close button.
//   record_sample_game WxH SECONDS OUT [focus]
#include <cstdio>
#include <cstdlib>
#include <string>

#include "engine/game_state.hpp"
#include "platform/headless.hpp"
#include "platform/replay_session.hpp"
#include "platform/window_system_internal.hpp"
#include "records/record_store.hpp"
#include "shell/start_up.hpp"

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
  platform::headless::Key(platform::vk::Return);
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
