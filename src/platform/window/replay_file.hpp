#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/backend/backend.hpp"

// A replay: what the player did in one session and when, on the program's tick
// clock, plus the stored values as they were before and after. Kept as a small
// line-based text file so that a damaged one can be told apart from a good one.
namespace platform {

// What reached the window system from the desktop.
enum class ReplayInput {
  StylusDown,
  StylusMove,
  StylusUp,
  KeyDown,
  KeyHeld,  // a held key's further key-downs
  KeyUp,
  Char,
  Focus,  // a = 1 gained, 0 lost
  Close,  // the desktop's close button
};

struct ReplayEvent {
  std::uint32_t time = 0;
  // Arrived together with the one before (in the same wait), so it is queued
  // with it before the program handles either.
  bool withPrevious = false;
  ReplayInput input = ReplayInput::Close;
  int a = 0;  // x, virtual key, UTF-16 unit or focus
  int b = 0;  // y
};

// One stored value; absent when the store did not have it.
struct ReplayValue {
  std::string name;
  std::optional<std::vector<unsigned char>> bytes;
  bool operator==(const ReplayValue&) const = default;
};

struct Replay {
  std::string programVersion;
  ScreenConfig screen;
  std::uint32_t start = 0;  // the tick count when the program started
  std::uint32_t end = 0;    // ... and when its loop ended
  std::vector<ReplayValue> before;
  std::vector<ReplayEvent> events;
  std::vector<ReplayValue> after;
};

// The first word of every replay, and the layout's own number.
inline constexpr std::string_view kReplayMagic = "fandriass-replay";
inline constexpr int kReplayFormat = 1;
// A longer session is damage, not a game: it would keep a timedemo busy for hours.
inline constexpr std::uint32_t kLongestReplayMs = 4 * 3600 * 1000;

std::string WriteReplay(const Replay& replay);
// Empty error on success; otherwise what is wrong and on which line.
Replay ReadReplay(std::string_view text, std::string& error);

bool LoadReplayFile(const std::string& path, Replay& replay, std::string& error);
bool SaveReplayFile(const std::string& path, const Replay& replay, std::string& error);

}  // namespace platform
