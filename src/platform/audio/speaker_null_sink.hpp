#pragma once

#include <vector>

// What the null sink heard: tests assert sound events by the tags of the clips
// that were started on a speaker without a sound card.
namespace platform::headless {

// Tags of the clips started since the last clear, oldest first. Only the most
// recent 1024 are kept, so a long replay does not grow without bound.
std::vector<int> StartedClips();
void ClearStartedClips();

}  // namespace platform::headless

namespace platform {

// The speaker's side of the log.
void NoteClipStarted(int tag);

}  // namespace platform
