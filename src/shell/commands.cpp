#include "shell/commands.hpp"

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/game_entries.hpp"
#include "engine/game_state.hpp"
#include "engine/new_game_and_supply.hpp"
#include "platform/window/child_controls.hpp"
#include "platform/window/full_screen.hpp"
#include "platform/window/window_system.hpp"
#include "records/game_status_record.hpp"
#include "records/hiscore_table.hpp"
#include "records/record_store.hpp"
#include "render/screen_state.hpp"
#include "screens/new_hiscore_screen.hpp"
#include "shell/screen_flow.hpp"

namespace shell {

namespace {

// The field's text is read as the device read it: 15 units and the closing zero.
constexpr std::size_t NameBufferUnits = 16;

bool OnNameEntry() {
  return render::ScreenState == render::screen::NewHiScore;
}

// Both ways off the name entry: the controls go, a name given goes into the
// table of the shown mode, that table comes on, and the finished game is wiped.
void LeaveNameEntry(platform::Window* window, std::u16string_view name) {
  platform::SetFullScreen(window, platform::full_screen::HideInputPanelButton);
  screens::DestroyNameEntryControls();
  if (!name.empty()) {
    records::InsertHiScore(name, records::GameStatus.Score, true,
                           static_cast<int>(render::HiScoreTab));
  }
  ShowScreen(render::screen::HiScoreTable);
  engine::ParkGame();
}

// False when the field is empty: the name entry stays.
bool TakeName(platform::Window* window) {
  char16_t name[NameBufferUnits];
  const std::size_t length = platform::GetWindowText(screens::NameField(), name, NameBufferUnits);
  if (length == 0) return false;
  LeaveNameEntry(window, std::u16string_view(name, length));
  // A new best is the one thing a crash before the next exit must not take.
  records::SaveAllRecords();
  return true;
}

}  // namespace

platform::LResult OnCommand(platform::Window* window, unsigned message, platform::WParam wParam,
                            platform::LParam lParam) {
  switch (platform::CommandId(wParam)) {
    case screens::NameOkButtonId:
      if (OnNameEntry()) TakeName(window);
      return 1;
    case screens::NameCancelButtonId:
      if (OnNameEntry()) LeaveNameEntry(window, {});
      return 1;
    default:
      return platform::DefWindowProc(window, message, wParam, lParam);
  }
}

void FinishNameEntryOnClose(platform::Window* window) {
  if (!OnNameEntry()) return;
  // Closed before the entry's first paint made its field: the score goes in
  // under the name the field would have proposed, rather than being lost.
  if (!screens::NameField()) {
    const std::u16string proposed(records::LastInsertedName(static_cast<int>(render::HiScoreTab)));
    LeaveNameEntry(window, proposed);
    return;
  }
  if (!TakeName(window)) LeaveNameEntry(window, {});
}

void NameEntryTap(platform::Window* window, int x, int y) {
  if (x >= 218 && x <= 236 && y >= 5 && y <= 22) FinishNameEntryOnClose(window);
}

}  // namespace shell
