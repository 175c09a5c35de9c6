#pragma once

#include <cstdint>

namespace platform {

using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;

// Message numbers as the game's window procedures know them.
namespace msg {
constexpr unsigned Create = 0x0001;
constexpr unsigned Destroy = 0x0002;
constexpr unsigned Activate = 0x0006;
constexpr unsigned SetFocus = 0x0007;
constexpr unsigned KillFocus = 0x0008;
constexpr unsigned Paint = 0x000F;
constexpr unsigned Close = 0x0010;
constexpr unsigned SettingChange = 0x001A;
constexpr unsigned WindowPosChanged = 0x0047;
constexpr unsigned KeyDown = 0x0100;
constexpr unsigned KeyUp = 0x0101;
constexpr unsigned Char = 0x0102;
constexpr unsigned Command = 0x0111;
constexpr unsigned Timer = 0x0113;
constexpr unsigned StylusMove = 0x0200;
constexpr unsigned StylusDown = 0x0201;
constexpr unsigned StylusUp = 0x0202;
}  // namespace msg

// A stylus press carries DoubleClick in its wParam when it is the second of a
// double-click: it came within DoubleClickMs of the press before it (on any
// window) and within DoubleClickSlop device pixels of it on both axes.
namespace stylus {
constexpr WParam DoubleClick = 0x1;
constexpr std::uint32_t DoubleClickMs = 500;
constexpr int DoubleClickSlop = 8;
}  // namespace stylus

// Virtual-key codes of the keys the game reads.
namespace vk {
constexpr unsigned Return = 13;
constexpr unsigned Escape = 27;
constexpr unsigned Left = 37;
constexpr unsigned Up = 38;
constexpr unsigned Right = 39;
constexpr unsigned Down = 40;
constexpr unsigned F2 = 113;
// A game controller's Start button, which no keyboard has.
constexpr unsigned PadStart = 0xCF;
}  // namespace vk

// A key-down message carries KeyRepeat in its lParam when the key was already
// down (a held key repeating), as bit 30 of the old key messages did.
constexpr LParam KeyRepeat = LParam{1} << 30;

// Stylus messages carry x in the low and y in the high 16 bits, unsigned.
constexpr LParam PackPoint(int x, int y) {
  return static_cast<LParam>((static_cast<std::uint32_t>(y & 0xFFFF) << 16) |
                             static_cast<std::uint32_t>(x & 0xFFFF));
}
constexpr int PointX(LParam l) {
  return static_cast<int>(static_cast<std::uint32_t>(l) & 0xFFFF);
}
constexpr int PointY(LParam l) {
  return static_cast<int>((static_cast<std::uint32_t>(l) >> 16) & 0xFFFF);
}

}  // namespace platform
