#pragma once

#include <cstdint>

// The ways out of the program.
namespace shell {

// The device volume found at start-up, put back on every way out.
extern std::uint32_t SavedWaveVolume;

// The orderly way out that keeps the records: saves all six, puts the device
// volume back, closes the speaker and posts the quit message. The window stays;
// the message loop ends. Only the first call does anything.
void QuitProgram();

// The way out without saving (the main window destroyed): the volume back, the
// speaker closed and the quit posted, unless a way out already did so.
void LeaveWithoutSaving();

// True once a way out has run.
bool Leaving();

void ResetQuitState();

}  // namespace shell
