#include "sound/sound_bank.hpp"

#include "platform/resources.hpp"

namespace sound {

const int SoundBankOrder[SoundBankSize] = {744, 745, 746, 747, 748, 749, 750, 751,
                                           752, 753, 754, 755, 756, 757, 735, 736,
                                           737, 738, 739, 740, 741, 742, 743};

// The clips are defined before the speaker so that, at the end of the process,
// the speaker stops playing before any clip it plays from goes away.
platform::SoundClip SoundBank[SoundBankSize];
platform::Speaker Speaker;

void LoadSoundBank() {
  // Clips are only replaced under a closed speaker, so no voice ever plays
  // from samples that have gone. At start-up it is not open yet anyway.
  Speaker.Close();
  for (int slot = 0; slot < SoundBankSize; ++slot) {
    const int id = SoundBankOrder[slot];
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
    if (SoundBankOrder[slot] == resourceId) return &SoundBank[slot];
  }
  return nullptr;
}

}  // namespace sound
