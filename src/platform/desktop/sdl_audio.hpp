#pragma once

#include <memory>

#include "platform/backend/backend.hpp"

namespace platform {

// The desktop's sound card through SDL audio, started on first use; null when
// there is no card to be had (said once on standard error), and the speaker
// then plays on in silence.
std::unique_ptr<AudioOutput> OpenSdlAudio(bool stereo, AudioFill fill, void* user);

}  // namespace platform
