#include "platform/speaker.hpp"

#include <SDL.h>

#include <algorithm>
#include <atomic>

#include "platform/speaker_null_sink.hpp"

namespace platform {

namespace {

std::atomic<unsigned> waveOutLevel{MasterFull};

// About 23 ms at 22050 Hz: short enough that a tap and its sound feel as one,
// long enough not to starve on a busy desktop.
constexpr Uint16 DeviceBufferFrames = 512;

std::uint32_t OpenDevice(void* self, bool stereo, void (*callback)(void*, Uint8*, int)) {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;
  SDL_AudioSpec want{};
  want.freq = WaveSampleRate;
  want.format = AUDIO_S16SYS;
  want.channels = stereo ? 2 : 1;
  want.samples = DeviceBufferFrames;
  want.callback = callback;
  want.userdata = self;
  // No changes allowed: SDL converts to whatever the card wants, so the
  // callback always fills exactly this format.
  SDL_AudioSpec have{};
  const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
  if (device == 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return 0;
  }
  SDL_PauseAudioDevice(device, 0);
  return device;
}

}  // namespace

void SetWaveOutVolume(std::uint32_t level) {
  waveOutLevel.store(std::min<std::uint32_t>(level, MasterFull));
}

std::uint32_t GetWaveOutVolume() {
  return waveOutLevel.load();
}

bool Speaker::Open(unsigned rate, unsigned bits, bool stereo, unsigned /*flags*/, unsigned voices,
                   SpeakerOutput output) {
  Close();
  if (rate != WaveSampleRate || bits != WaveBitsPerSample) return false;
  stereo_ = stereo;
  voiceCount_ = std::clamp(voices, MinVoices, MaxVoices);
  voices_.fill(Voice{});
  if (output == SpeakerOutput::Automatic && SDL_WasInit(SDL_INIT_VIDEO) == 0) {
    output = SpeakerOutput::NullSink;
  }
  if (output != SpeakerOutput::NullSink) {
    device_ = OpenDevice(this, stereo, &Speaker::DeviceCallback);
    // A desktop without a sound card plays on in silence.
    if (device_ == 0 && output == SpeakerOutput::Device) return false;
  }
  open_ = true;
  return true;
}

void Speaker::Close() {
  if (device_ != 0) {
    // Closing waits for a callback in progress, so no voice is touched after this.
    SDL_CloseAudioDevice(device_);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    device_ = 0;
  }
  voices_.fill(Voice{});
  open_ = false;
}

bool Speaker::PlaySound(const SoundClip& clip, unsigned /*flags*/) {
  if (!open_ || clip.Empty()) return false;
  if (device_ == 0) NoteClipStarted(clip.Tag());
  if (device_ != 0) SDL_LockAudioDevice(device_);
  Voice& voice = ClaimVoice(std::span(voices_.data(), voiceCount_), clip.Samples().data());
  voice.samples = clip.Samples().data();
  voice.frames = static_cast<std::uint32_t>(clip.Frames());
  voice.position = 0;
  voice.channels = clip.Channels();
  voice.gain = clip.Volume();
  voice.startedAt = starts_++;
  if (device_ != 0) SDL_UnlockAudioDevice(device_);
  return true;
}

void Speaker::MixInto(std::span<std::int16_t> out) {
  MixVoices(std::span(voices_.data(), voiceCount_), waveOutLevel.load(std::memory_order_relaxed),
            out);
}

void Speaker::Render(std::span<std::int16_t> stereoOut) {
  if (device_ != 0) SDL_LockAudioDevice(device_);
  MixInto(stereoOut);
  if (device_ != 0) SDL_UnlockAudioDevice(device_);
}

int Speaker::SoundingVoices() const {
  if (device_ != 0) SDL_LockAudioDevice(device_);
  const auto sounding = std::count_if(voices_.begin(), voices_.end(),
                                      [](const Voice& v) { return v.samples != nullptr; });
  if (device_ != 0) SDL_UnlockAudioDevice(device_);
  return static_cast<int>(sounding);
}

void Speaker::DeviceCallback(void* self, std::uint8_t* stream, int bytes) {
  auto* speaker = static_cast<Speaker*>(self);
  auto* out = reinterpret_cast<std::int16_t*>(stream);
  const std::size_t samples = static_cast<std::size_t>(bytes) / sizeof(std::int16_t);
  if (speaker->stereo_) {
    speaker->MixInto(std::span(out, samples));
    return;
  }
  // A mono card hears both sides of the mix at half weight each.
  std::int16_t stereo[2 * 256];
  for (std::size_t done = 0; done < samples;) {
    const std::size_t frames = std::min<std::size_t>(samples - done, 256);
    speaker->MixInto(std::span(stereo, 2 * frames));
    for (std::size_t i = 0; i < frames; ++i) {
      out[done + i] = static_cast<std::int16_t>((stereo[2 * i] + stereo[2 * i + 1]) / 2);
    }
    done += frames;
  }
}

}  // namespace platform
