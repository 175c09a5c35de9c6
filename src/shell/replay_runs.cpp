#include "shell/replay_runs.hpp"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "platform/backend/program_backend.hpp"
#include "platform/files/desktop_preferences.hpp"
#include "platform/files/value_store.hpp"
#include "platform/system/complain.hpp"
#include "platform/system/private_runtime_folder.hpp"
#include "platform/window/window_system.hpp"
#include "popup/popup.hpp"
#include "records/game_status_record.hpp"
#include "records/hiscore_table.hpp"
#include "records/record_store.hpp"
#include "shell/start_up.hpp"

namespace shell {

namespace {

std::vector<platform::ReplayValue> StoredNow(platform::ValueStore& store) {
  return platform::ReadStoredValues(store, records::StoredValueNames());
}

// What a new process starts with, so one process can play several replays.
// The desktop's own preferences are not part of a replay: none are in force.
void ForgetTheLastRun() {
  platform::SetColourSymbols(false);
  popup::ResetPopup();
  std::memset(&records::GameStatus, 0, sizeof records::GameStatus);
  std::memset(&records::HiScoreTables, 0, sizeof records::HiScoreTables);
  ResetShell();
}

double Milliseconds(std::chrono::nanoseconds ns) {
  return std::chrono::duration<double, std::milli>(ns).count();
}

}  // namespace

void BeginRecording() {
  platform::StartRecording(StoredNow(platform::ActiveStore()));
}

bool EndRecording(const std::string& path) {
  const platform::Replay replay = platform::FinishRecording(StoredNow(platform::ActiveStore()));
  std::string error;
  if (platform::SaveReplayFile(path, replay, error)) return true;
  platform::Complain("%s", error.c_str());
  return false;
}

ReplayOutcome RunReplay(const platform::Replay& replay, platform::FrameObserver observer) {
  platform::MemoryStore store;
  for (const platform::ReplayValue& value : replay.before) {
    if (value.bytes) store.values[value.name] = *value.bytes;
  }
  platform::UseStore(&store);
  ForgetTheLastRun();
  const auto began = std::chrono::steady_clock::now();
  platform::StartPlaying(replay, observer);
  if (StartUp() == StartOutcome::Run) platform::RunMessageLoop();
  ReplayOutcome outcome;
  outcome.took = std::chrono::steady_clock::now() - began;
  outcome.after = StoredNow(store);
  popup::ResetPopup();
  platform::ReleaseSingleInstance();
  outcome.figures = platform::StopPlaying();
  platform::UseStore(nullptr);
  ForgetTheLastRun();
  return outcome;
}

int PlayReplay(const std::string& path, bool timedemo) {
  platform::Replay replay;
  std::string error;
  if (!platform::LoadReplayFile(path, replay, error)) {
    platform::Complain("cannot play the replay: %s", error.c_str());
    return 2;
  }
  if (replay.programVersion != FANDRIASS_VERSION) {
    platform::Complain(
        "%s was recorded with Fandriass II %s; this is %s, which plays only "
        "its own replays",
        path.c_str(), replay.programVersion.c_str(), FANDRIASS_VERSION);
    return 2;
  }
  // A lock of its own: a replay never meets (nor raises) a game being played.
  const platform::PrivateRuntimeFolder runtime("replay");
  const ReplayOutcome outcome = RunReplay(replay);
  if (timedemo) {
    std::vector<std::chrono::nanoseconds> frames = outcome.figures.frames;
    std::sort(frames.begin(), frames.end());
    const double median = frames.empty() ? 0 : Milliseconds(frames[frames.size() / 2]);
    const double worst = frames.empty() ? 0 : Milliseconds(frames.back());
    std::printf(
        "ticks %llu, paints %llu, presents %d over %.2f s of play; took %.1f ms; frame median "
        "%.3f ms, worst %.3f ms\n",
        static_cast<unsigned long long>(outcome.figures.ticks),
        static_cast<unsigned long long>(outcome.figures.paints), outcome.figures.presents,
        outcome.figures.virtualMs / 1000.0, Milliseconds(outcome.took), median, worst);
  }
  const bool same = outcome.after == replay.after;
  std::printf("%s\n", same ? "the records end as they did when recorded"
                           : "the records end otherwise than they did when recorded");
  return same ? 0 : 1;
}

}  // namespace shell
