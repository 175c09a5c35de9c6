#pragma once

#include <cstdint>
#include <string_view>

#include "platform/backend.hpp"
#include "platform/bitmap.hpp"

// The headless back end: no window, a virtual clock that moves only when told,
// injected stylus and keys. The whole program runs on it unchanged.
namespace platform::headless {

void Start(const ScreenConfig& screen = {});
// Destroys every window and forgets queue, timers, focus and clock.
void Stop();

std::uint32_t Now();
// Delivers everything that is due now, without moving the clock.
void Pump();
// Moves the clock forward, delivering every message as it falls due on the way.
void Advance(std::uint32_t ms);

// Input in device pixels of the emulated screen.
void StylusDown(int x, int y);
void StylusMove(int x, int y);
void StylusUp(int x, int y);
void Tap(int x, int y);
void KeyDown(unsigned virtualKey);
void KeyUp(unsigned virtualKey);
void Key(unsigned virtualKey);
void TypeText(std::string_view utf8);
// The desktop window losing and regaining the focus.
void FocusLost();
void FocusGained();

// What the player would see now: every surface composed as at present time.
Bitmap Screen();
int PresentCount();
bool QuitPosted();
int QuitCode();

}  // namespace platform::headless
