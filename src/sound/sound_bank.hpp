#pragma once

#include "platform/audio/speaker.hpp"
#include "platform/audio/wave_clip.hpp"
#include "sound/sound_table.hpp"

namespace sound {

// Every effect the game has, one slot per row of the sound table, in its order.
extern platform::SoundClip SoundBank[SoundBankSize];

// The one output the effects go through, for the whole run.
extern platform::Speaker Speaker;

// The speaker is opened for 22050 Hz 8-bit clips, stereo, with 8 voices, and
// every clip is set to the full volume 64 (the speaker's scale runs 0..64).
constexpr unsigned SpeakerRate = 22050;
constexpr unsigned SpeakerBits = 8;
constexpr unsigned SpeakerVoices = 8;
constexpr unsigned ClipVolume = 64;

// Start-up: decode the 23 resources in bank order. A missing or damaged one
// stays an empty clip and is simply never heard. Closes the speaker first.
void LoadSoundBank();
// Start-up, after the loads: open the speaker, then set every clip's volume.
void OpenSpeaker();
// Every way out, after the device volume is put back.
void CloseSpeaker();

// The bank clip loaded from a resource, or null for a number not in the bank.
const platform::SoundClip* BankSound(int resourceId);

}  // namespace sound
