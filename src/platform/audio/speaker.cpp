#include "platform/audio/speaker.hpp"

#include <algorithm>
#include <atomic>
#include <iterator>

#include "platform/audio/speaker_null_sink.hpp"

namespace platform {

namespace {

std::atomic<unsigned> waveOutLevel{MasterFull};

// Holds the sound card's thread out of the voices while the caller touches them.
class CardLock {
 public:
  explicit CardLock(AudioOutput* output) : output_(output) {
    if (output_) output_->Lock();
  }
  ~CardLock() {
    if (output_) output_->Unlock();
  }
  CardLock(const CardLock&) = delete;
  CardLock& operator=(const CardLock&) = delete;

 private:
  AudioOutput* output_;
};

}  // namespace

void SetWaveOutVolume(std::uint32_t level) {
  waveOutLevel.store(std::min<std::uint32_t>(level, MasterFull));
}

std::uint32_t GetWaveOutVolume() {
  return waveOutLevel.load();
}

bool Speaker::Open(unsigned rate, unsigned bits, bool stereo, unsigned /*flags*/, unsigned voices) {
  Close();
  if (rate != WaveSampleRate || bits != WaveBitsPerSample) return false;
  stereo_ = stereo;
  voiceCount_ = std::clamp(voices, MinVoices, MaxVoices);
  voices_.fill(Voice{});
  cardRetryMs_ = FirstRetryMs;
  if (Backend* backend = ActiveBackend()) {
    lastCardTry_ = backend->Now();
    output_ = backend->OpenAudio(stereo, &Speaker::Fill, this);
  }
  open_ = true;
  return true;
}

void Speaker::LookAfterCard() {
  Backend* backend = ActiveBackend();
  if (!backend) return;
  const std::uint32_t now = backend->Now();
  if (output_ && output_->Lost()) {
    // Letting it go waits for a fill in progress; the voices stay ours.
    output_.reset();
    lastCardTry_ = now;
    cardRetryMs_ = FirstRetryMs;
    return;
  }
  if (output_ || now - lastCardTry_ < cardRetryMs_) return;
  lastCardTry_ = now;
  output_ = backend->OpenAudio(stereo_, &Speaker::Fill, this);
  if (!output_) cardRetryMs_ = std::min(2 * cardRetryMs_, LongestRetryMs);
}

void Speaker::Close() {
  // Letting the card go waits for a fill in progress, so no voice is touched after this.
  output_.reset();
  voices_.fill(Voice{});
  open_ = false;
}

bool Speaker::PlaySound(const SoundClip& clip, unsigned /*flags*/) {
  if (!open_ || clip.Empty()) return false;
  LookAfterCard();
  if (!output_) NoteClipStarted(clip.Tag());
  const CardLock lock(output_.get());
  Voice& voice = ClaimVoice(std::span(voices_.data(), voiceCount_), clip.Samples().data());
  voice.samples = clip.Samples().data();
  voice.frames = static_cast<std::uint32_t>(clip.Frames());
  voice.position = 0;
  voice.channels = clip.Channels();
  voice.gain = clip.Volume();
  voice.startedAt = starts_++;
  return true;
}

void Speaker::MixInto(std::span<std::int16_t> out) {
  MixVoices(std::span(voices_.data(), voiceCount_), waveOutLevel.load(std::memory_order_relaxed),
            out);
}

void Speaker::Render(std::span<std::int16_t> stereoOut) {
  const CardLock lock(output_.get());
  MixInto(stereoOut);
}

int Speaker::SoundingVoices() const {
  const CardLock lock(output_.get());
  const auto sounding = std::count_if(voices_.begin(), voices_.end(),
                                      [](const Voice& v) { return v.samples != nullptr; });
  return static_cast<int>(sounding);
}

void Speaker::Fill(void* self, std::int16_t* out, std::size_t samples) {
  auto* speaker = static_cast<Speaker*>(self);
  if (speaker->stereo_) {
    speaker->MixInto(std::span(out, samples));
    return;
  }
  // A mono card hears both sides of the mix at half weight each.
  // The round's length comes from the buffer itself, so the two cannot disagree.
  std::int16_t stereo[512];
  constexpr std::size_t RoundFrames = std::size(stereo) / 2;
  for (std::size_t done = 0; done < samples;) {
    const std::size_t frames = std::min(samples - done, RoundFrames);
    speaker->MixInto(std::span(stereo, 2 * frames));
    for (std::size_t i = 0; i < frames; ++i) {
      out[done + i] = static_cast<std::int16_t>((stereo[2 * i] + stereo[2 * i + 1]) / 2);
    }
    done += frames;
  }
}

}  // namespace platform
