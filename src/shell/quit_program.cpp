#include "shell/quit_program.hpp"

#include <string_view>

#include "platform/audio/speaker.hpp"
#include "platform/drawing/text_drawing.hpp"
#include "platform/files/value_store.hpp"
#include "platform/window/display_profile.hpp"
#include "platform/window/logical_invalidation.hpp"
#include "platform/window/message_box.hpp"
#include "platform/window/window_system.hpp"
#include "records/record_store.hpp"
#include "render/screen_state.hpp"
#include "sound/sound_bank.hpp"

namespace shell {

std::uint32_t SavedWaveVolume = 0;

namespace {

// A box breaks its text only at spaces, and a folder has none: about this many
// characters fit on a line of the narrowest box.
constexpr std::size_t BoxLineLength = 24;

// A second quit may already be queued behind the first (the exit question's
// Yes and the desktop's close button together): it must not save again over
// what the first wrote, nor close the speaker twice.
bool leaving = false;
// The question about a failed save is up; another way out the player chose
// waits for its answer rather than asking again on top of it.
bool asking = false;

// A way out whose save failed ends with 1, so whatever ended the session (a
// script, the desktop's log) hears that the latest results were lost.
void PutBackVolumeAndQuit(bool saved) {
  platform::SetWaveOutVolume(SavedWaveVolume);
  sound::CloseSpeaker();
  platform::PostQuitMessage(saved ? 0 : 1);
}

bool LeaveAnyway() {
  const std::u16string text = u"The scores could not be saved in\n" + StoreLocationForABox() +
                              u"\n\nDo you want to exit anyway? What changed since the last save "
                              u"will be lost.";
  asking = true;
  const int answer =
      platform::MessageBox(platform::MainWindow(), text, u"Scores Not Saved",
                           platform::message_box::YesNo | platform::message_box::IconExclamation);
  asking = false;
  return answer == platform::IdYes;
}

// As after the exit question's No: the screen comes back whole (also when the
// desktop gave the window no activation to refresh it), and a game in progress
// goes on (its timer comes back with the focus after the box).
void Stay() {
  platform::Window* main = platform::MainWindow();
  if (render::ScreenState == render::screen::Game) render::RepaintAll = 1;
  platform::InvalidateScreen(main, platform::Display.DisplayClass);
}

}  // namespace

void QuitProgram(UnsavedExit unsaved) {
  if (leaving || (unsaved == UnsavedExit::Ask && asking)) return;
  const bool saved = records::SaveAllRecords();
  const bool leave = saved || unsaved == UnsavedExit::Leave || LeaveAnyway();
  // A way out that asks nobody (the session ending) may have run while the
  // question was up: the program is already on its way out.
  if (leaving) return;
  if (!leave) {
    Stay();
    return;
  }
  leaving = true;
  PutBackVolumeAndQuit(saved);
}

void LeaveWithoutSaving() {
  if (leaving) return;
  leaving = true;
  PutBackVolumeAndQuit(true);
}

bool Leaving() {
  return leaving;
}

void ResetQuitState() {
  leaving = false;
  asking = false;
  SavedWaveVolume = 0;
}

std::u16string StoreLocationForABox() {
  const std::string location = platform::ActiveStore().Location();
  std::string lines;
  std::size_t lineStart = 0;
  // Each piece is a slash and the name after it; a new line starts before a
  // piece that would make the line too long.
  std::size_t pieceStart = 0;
  while (pieceStart < location.size()) {
    std::size_t pieceEnd = location.find('/', pieceStart + 1);
    if (pieceEnd == std::string::npos) pieceEnd = location.size();
    if (lines.size() > lineStart &&
        lines.size() - lineStart + pieceEnd - pieceStart > BoxLineLength) {
      lines += '\n';
      lineStart = lines.size();
    }
    lines.append(location, pieceStart, pieceEnd - pieceStart);
    pieceStart = pieceEnd;
  }
  return platform::Utf8ToUtf16(lines);
}

}  // namespace shell
