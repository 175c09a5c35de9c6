#pragma once

#include <chrono>
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/files/value_store.hpp"
#include "platform/window/replay_file.hpp"

// Recording a session and playing it back. Both run the program on a virtual
// clock that moves from wait to wait: a timer fires exactly when it falls due,
// and an input arrives at its own tick, strictly before the next timer. Playing
// back follows the same rule, so the program sees the same ticks in the same
// order and the game (its random seed is the tick count of the new game)
// unfolds identically.
namespace platform {

// The named values as the store holds them now (absent when it has none).
std::vector<ReplayValue> ReadStoredValues(ValueStore& store,
                                          const std::vector<std::string_view>& names);

// Wraps the installed back end in the recording clock and notes every input.
void StartRecording(std::vector<ReplayValue> before);
// Puts the wrapped back end back and hands over what was noted.
Replay FinishRecording(std::vector<ReplayValue> after);

// What a playback did, for the timedemo.
struct PlaybackFigures {
  std::uint32_t virtualMs = 0;
  std::uint64_t ticks = 0;   // timer messages
  std::uint64_t paints = 0;  // paint messages
  int presents = 0;
  // Frames shown other than the windows stood, or changed outside the changes
  // they came with (counted only for a watched playback).
  int framesShownWrong = 0;
  // The time the program worked between two waits, for each wake that painted.
  std::vector<std::chrono::nanoseconds> frames;
};

// Told of every frame the program painted, as it goes to wait for the next
// input (the frame is what the window system would compose now). A playback
// watched this way also checks every frame it is given to show.
using FrameObserver = void (*)(std::uint32_t now);

// Installs a back end that plays the replay's input at its ticks; the program
// then runs its own message loop, which ends at the replay's end at the latest.
void StartPlaying(const Replay& replay, FrameObserver observer = nullptr);
PlaybackFigures StopPlaying();

}  // namespace platform
