#include "sound/sound_bank.hpp"

#include "platform/resources/resources.hpp"

namespace sound {

// The clips are defined before the speaker so that, at the end of the process,
// the speaker stops playing before any clip it plays from goes away.
platform::SoundClip SoundBank[SoundBankSize];
platform::Speaker Speaker;

void LoadSoundBank() {
  // Clips are only replaced under a closed speaker, so no voice ever plays
  // from samples that have gone. At start-up it is not open yet anyway.
  Speaker.Close();
  for (int slot = 0; slot < SoundBankSize; ++slot) {
    const int id = kSoundTable[slot].id;
    SoundBank[slot].Load(platform::WaveResource(id), id);
  }
}

void OpenSpeaker() {
  Speaker.Open(SpeakerRate, SpeakerBits, true, 0, SpeakerVoices);
  for (platform::SoundClip& clip : SoundBank) clip.SetVolume(ClipVolume);
}

void CloseSpeaker() {
  Speaker.Close();
}

const platform::SoundClip* BankSound(int resourceId) {
  for (int slot = 0; slot < SoundBankSize; ++slot) {
    if (kSoundTable[slot].id == resourceId) return &SoundBank[slot];
  }
  return nullptr;
}

}  // namespace sound
