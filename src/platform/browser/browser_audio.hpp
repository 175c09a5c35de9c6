#pragma once

#include <memory>

#include "platform/backend/backend.hpp"

namespace platform {

// The page's Web Audio, fed from the speaker's own mix; null when the browser
// has no sound.
std::unique_ptr<AudioOutput> OpenPageAudio(bool stereo, AudioFill fill, void* user);

}  // namespace platform
