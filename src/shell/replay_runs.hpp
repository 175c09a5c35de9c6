#pragma once

#include <string>
#include <vector>

#include "platform/window/replay_file.hpp"
#include "platform/window/replay_session.hpp"

namespace shell {

// --record: starts noting the session (call before the start-up) and, once the
// loop ended, writes it with the records as they ended. False when it could not.
void BeginRecording();
bool EndRecording(const std::string& path);

struct ReplayOutcome {
  std::vector<platform::ReplayValue> after;  // the six values as the session left them
  platform::PlaybackFigures figures;
  std::chrono::nanoseconds took{};
};

// Plays a replay on its own virtual clock and a store of its own, as a fresh
// start of the program would: the player's own records are never touched.
// The observer, when given, is told of every frame painted on the way.
ReplayOutcome RunReplay(const platform::Replay& replay, platform::FrameObserver observer = nullptr);

// --play [--timedemo]: the exit code (non-zero for a refused or damaged file,
// or for records that end other than they did).
int PlayReplay(const std::string& path, bool timedemo);

}  // namespace shell
