#pragma once

#include <cstdint>
#include <string>

// The ways out of the program.
namespace shell {

// The device volume found at start-up, put back on every way out.
extern std::uint32_t SavedWaveVolume;

// What a way out does when the records could not be saved.
enum class UnsavedExit {
  Ask,    // the player chose to leave: ask whether to leave anyway
  Leave,  // nobody is there to ask (the session ends): leave, the failure on stderr
};

// The orderly way out that keeps the records: saves all six, puts the device
// volume back, closes the speaker and posts the quit message. The window stays;
// the message loop ends. When the save failed and the player, asked, stays, the
// program goes on as after the exit question's No, and the next way out saves
// again. Once the program is leaving, later calls do nothing.
void QuitProgram(UnsavedExit unsaved = UnsavedExit::Ask);

// The way out without saving (the main window destroyed): the volume back, the
// speaker closed and the quit posted, unless a way out already did so.
void LeaveWithoutSaving();

// True once a way out has run.
bool Leaving();

void ResetQuitState();

// Where the records are kept, in lines short enough for a message box.
std::u16string StoreLocationForABox();

}  // namespace shell
