#pragma once

#include <cstdint>

// A game controller played as the device's direction pad and its buttons: the
// back ends report what the controller does, and the game gets the keys it
// knows, with a held arrow walking on as a held key does.
namespace platform {

enum class PadButton { South, East, Start, Up, Down, Left, Right };

// A button went down or up on any controller.
void PadButtonChanged(PadButton button, bool down);
// The left stick's position, each axis -32768..32767 (right and down positive).
// Past the dead zone it is the arrow of the axis pushed furthest.
void PadStickMoved(int x, int y);
// The last controller went away: whatever it held is let go.
void PadsUnplugged();

// Milliseconds until a held arrow repeats (0 if due now), or kForever.
std::uint32_t TimeUntilPadRepeat(std::uint32_t now);
// Sends the repeat that fell due, if one did.
bool FirePadRepeat(std::uint32_t now);
// Nothing held, as at the start.
void ResetGamepad();

// How a held arrow repeats: after this long, then at this pace.
constexpr std::uint32_t PadRepeatDelayMs = 400;
constexpr std::uint32_t PadRepeatEveryMs = 120;
// The stick counts as pushed past this, and as back in the middle under the
// second, so a stick resting near the edge of the dead zone does not chatter.
constexpr int StickPushed = 16000;
constexpr int StickReleased = 8000;

}  // namespace platform
