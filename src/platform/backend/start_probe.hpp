#pragma once

namespace platform {

// For measuring the start-up from outside: with FANDRIASS_EXIT_AFTER_FIRST_FRAME
// set, the program ends as soon as its first frame is on the screen, after
// printing how long that took and its peak memory on standard error. Players
// never set it, so the game is untouched.
void NoteFramePresented();

}  // namespace platform
