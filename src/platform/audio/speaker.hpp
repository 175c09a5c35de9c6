#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "platform/audio/mixer.hpp"
#include "platform/audio/wave_clip.hpp"
#include "platform/backend/backend.hpp"

namespace platform {

// The output the game's effects are played through, in place of the closed
// sound library the game was written against: any number of clips may sound
// at once, up to the voice count given at open; beyond that the clip that
// started longest ago makes room. A clip asked for again just after it started
// restarts rather than doubling (see RestartWindowFrames).
// The running back end decides where the mix goes: the desktop's sound card,
// or the null sink (headless, no back end, or no card), which plays nothing
// and notes every clip started. A card that goes away is let go at once and the
// game plays on in silence; while there is no card, a sound asks for one again
// once FirstRetryMs have passed, and after each failed try waits twice as long
// (at most LongestRetryMs), so a card plugged back in is heard again.
class Speaker {
 public:
  static constexpr unsigned MinVoices = 8;
  static constexpr unsigned MaxVoices = 32;
  static constexpr std::uint32_t FirstRetryMs = 3000;
  static constexpr std::uint32_t LongestRetryMs = 60000;

  Speaker() = default;
  ~Speaker() { Close(); }
  Speaker(const Speaker&) = delete;
  Speaker& operator=(const Speaker&) = delete;

  // The clips' rate and sample width (only 22050 Hz and 8 bits are played),
  // stereo or mono output, flags (none are defined) and the number of voices
  // (at least 8, at most 32). An open speaker is closed first.
  bool Open(unsigned rate, unsigned bits, bool stereo, unsigned flags, unsigned voices);
  // Silences everything and lets the sound card go.
  void Close();
  bool IsOpen() const { return open_; }
  bool PlaysOnDevice() const { return output_ != nullptr; }

  // Starts the clip at once at the clip's volume, mixed with those already
  // sounding. The flags say nothing to this speaker: every clip plays once.
  // False when the speaker is closed or the clip is empty.
  bool PlaySound(const SoundClip& clip, unsigned flags);

  // The next frames of the mix as the sound card would take them (signed
  // 16-bit stereo, left first). The card's own callback does this; on the null
  // sink nothing moves unless a test asks here.
  void Render(std::span<std::int16_t> stereoOut);
  int SoundingVoices() const;

 private:
  void MixInto(std::span<std::int16_t> out);
  static void Fill(void* self, std::int16_t* out, std::size_t samples);
  void LookAfterCard();

  std::array<Voice, MaxVoices> voices_{};
  unsigned voiceCount_ = 0;
  std::uint32_t starts_ = 0;
  std::unique_ptr<AudioOutput> output_;
  bool open_ = false;
  bool stereo_ = true;
  std::uint32_t lastCardTry_ = 0;
  std::uint32_t cardRetryMs_ = FirstRetryMs;
};

// The player's loudness, standing in for the device's wave-out volume that the
// game sets from its percent and restores on the way out. One level 0..65535
// applies to both channels alike: the old device read the right channel from
// the high word, which the game leaves 0, and taking it literally would
// silence every right-only clip. Values above 65535 are taken as full.
// It starts full, as a device does before anyone changes it.
void SetWaveOutVolume(std::uint32_t level);
std::uint32_t GetWaveOutVolume();

}  // namespace platform
