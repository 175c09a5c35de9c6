#include "shell/quit_program.hpp"

#include "platform/speaker.hpp"
#include "platform/window.hpp"
#include "records/record_store.hpp"
#include "sound/sound_bank.hpp"

namespace shell {

std::uint32_t SavedWaveVolume = 0;

namespace {

// A second quit may already be queued behind the first (the exit question's
// Yes and the desktop's close button together): it must not save again over
// what the first wrote, nor close the speaker twice.
bool leaving = false;

void PutBackVolumeAndQuit() {
  platform::SetWaveOutVolume(SavedWaveVolume);
  sound::CloseSpeaker();
  platform::PostQuitMessage(0);
}

}  // namespace

void QuitProgram() {
  if (leaving) return;
  leaving = true;
  records::SaveAllRecords();
  PutBackVolumeAndQuit();
}

void LeaveWithoutSaving() {
  if (leaving) return;
  leaving = true;
  PutBackVolumeAndQuit();
}

bool Leaving() {
  return leaving;
}

void ResetQuitState() {
  leaving = false;
  SavedWaveVolume = 0;
}

}  // namespace shell
