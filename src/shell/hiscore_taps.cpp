#include "shell/hiscore_taps.hpp"

#include "engine/game_state.hpp"
#include "platform/window/display_profile.hpp"
#include "platform/window/logical_invalidation.hpp"
#include "platform/window/message_box.hpp"
#include "popup/popup.hpp"
#include "records/game_status_record.hpp"
#include "records/hiscore_defaults.hpp"
#include "records/hiscore_table.hpp"
#include "records/record_store.hpp"
#include "render/screen_state.hpp"
#include "screens/hiscore_screen.hpp"
#include "shell/quit_program.hpp"
#include "shell/screen_flow.hpp"

namespace shell {

namespace {

bool Within(int v, int low, int high) {
  return v >= low && v <= high;
}

constexpr char16_t kResetCaption[] = u"Reset Hi-Scores";

// The reset cannot be undone, so it asks first; the defaults are written at
// once, so a program that dies before its next exit still has them.
void AskToReset(platform::Window* window) {
  const int answer =
      platform::MessageBox(window, u"Are you sure you want to erase all Hi-Scores?", kResetCaption,
                           platform::message_box::YesNo | platform::message_box::IconExclamation);
  if (answer != platform::IdYes) {
    platform::InvalidateScreen(window, platform::Display.DisplayClass);
    return;
  }
  records::ResetHiScores();
  if (records::SaveAllRecords()) {
    platform::MessageBox(
        window, u"The High Score tables have been reset.\n\nThe Default scores have been saved.",
        kResetCaption, platform::message_box::Ok);
  } else {
    platform::MessageBox(
        window,
        u"The High Score tables have been reset, but they could not be saved in\n" +
            StoreLocationForABox() + u"\n\nThe game will try again when you leave it.",
        kResetCaption, platform::message_box::Ok | platform::message_box::IconExclamation);
  }
}

}  // namespace

void HiScoreTap(platform::Window* window, int x, int y) {
  const screens::HiScoreLayout l = screens::HiScoreLayoutOf(platform::Display.DisplayClass);
  for (int k = 0; k < 5; ++k) {
    const int left = l.tabX + 30 * k;
    if (x >= left && x < left + 30 && Within(y, l.tabY, l.tabY + 30)) {
      render::HiScoreTab = static_cast<std::uint32_t>(k + 1);
      render::ScreenPhase = 0;
      platform::InvalidateScreen(window, platform::Display.DisplayClass);
      return;
    }
  }
  if (Within(x, 2, 32) && Within(y, l.tabY, l.tabY + 32)) {
    OpenPanel(popup::kind::ExportCode);
    return;
  }
  if (Within(x, 0, 50) && Within(y, 0, 17)) {
    AskToReset(window);
    return;
  }
  render::ButtonPressed = 0;
  ShowScreen(render::screen::MainMenu);
  records::GameStatus.Mode = engine::mode::None;
}

}  // namespace shell
