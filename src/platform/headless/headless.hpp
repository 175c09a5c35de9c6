#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/backend/backend.hpp"
#include "platform/drawing/bitmap.hpp"
#include "platform/window/gamepad.hpp"

// The headless back end: no window, a virtual clock that moves only when told,
// injected stylus and keys. The whole program runs on it unchanged.
namespace platform::headless {

// The clock starts at clockStart milliseconds (a test may start it just before
// the wrap of the 32-bit tick count).
void Start(const ScreenConfig& screen = {}, std::uint32_t clockStart = 0);
// Destroys every window and forgets queue, timers, focus, clock and wait handler.
void Stop();

std::uint32_t Now();
// Puts the clock at a chosen time without running anything, so that many starts
// in one process see the same times. Timers still set keep their due times.
void SetClock(std::uint32_t now);
// Runs the program's message loop over everything due now, without moving the clock.
void Pump();
// Runs the program's message loop while the clock moves forward ms milliseconds,
// delivering every message as it falls due on the way.
void Advance(std::uint32_t ms);

// What went wrong that a test would not see otherwise, oldest first (emptied by
// the call): a message box nobody answered, a loop that never went idle, a wait
// for input that can never come. Each is also written to standard error.
std::vector<std::string> TakeFaults();
// Called when a modal box waits and the time given to Advance is used up: it
// may look at the screen and queue the input that answers the box. Without one
// the wait is a fault and the box is answered with Escape.
using ModalWaitHandler = void (*)();
void SetModalWaitHandler(ModalWaitHandler handler);

// Input in device pixels of the emulated screen.
void StylusDown(int x, int y);
void StylusMove(int x, int y);
void StylusUp(int x, int y);
void Tap(int x, int y);
void KeyDown(unsigned virtualKey);
// A key-down that a held key sends after its first.
void KeyDownRepeated(unsigned virtualKey);
void KeyUp(unsigned virtualKey);
void Key(unsigned virtualKey);
void TypeText(std::string_view utf8);
// A game controller: a button, the left stick (-32768..32767 each way), all unplugged.
void PadButton(platform::PadButton button, bool down);
void PadStick(int x, int y);
void PadUnplugged();
// The desktop window losing and regaining the focus.
void FocusLost();
void FocusGained();
// The device's screen takes a new size (at least a pixel each way), as when it
// is turned on its side; the game sees it at its next paint.
void ChangeScreenSize(int width, int height);

// What the player would see now: every surface composed as at present time.
Bitmap Screen();
// The frame last presented, as the display shows it; every one was checked
// against the windows as they stood then (a fault otherwise).
Bitmap Shown();
int PresentCount();
bool QuitPosted();
int QuitCode();

}  // namespace platform::headless
