#include "platform/audio/speaker_null_sink.hpp"

#include <cstddef>
#include <deque>

namespace platform {

namespace {
constexpr std::size_t LogLimit = 1024;
std::deque<int> startedClips;
}  // namespace

void NoteClipStarted(int tag) {
  if (startedClips.size() == LogLimit) startedClips.pop_front();
  startedClips.push_back(tag);
}

namespace headless {

std::vector<int> StartedClips() {
  return {startedClips.begin(), startedClips.end()};
}

void ClearStartedClips() {
  startedClips.clear();
}

}  // namespace headless

}  // namespace platform
