#include "platform/sdl_audio.hpp"

#include <SDL.h>

#include "platform/wave_clip.hpp"

namespace platform {

namespace {

// About 23 ms at 22050 Hz: short enough that a tap and its sound feel as one,
// long enough not to starve on a busy desktop.
constexpr Uint16 DeviceBufferFrames = 512;

class SdlAudioOutput final : public AudioOutput {
 public:
  SdlAudioOutput(AudioFill fill, void* user) : fill_(fill), user_(user) {}

  ~SdlAudioOutput() override {
    if (device_ != 0) SDL_CloseAudioDevice(device_);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }

  bool Open(bool stereo) {
    SDL_AudioSpec want{};
    want.freq = WaveSampleRate;
    want.format = AUDIO_S16SYS;
    want.channels = stereo ? 2 : 1;
    want.samples = DeviceBufferFrames;
    want.callback = &SdlAudioOutput::Callback;
    want.userdata = this;
    // No changes allowed: SDL converts to whatever the card wants, so the
    // fill always gets exactly this format.
    SDL_AudioSpec have{};
    device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (device_ == 0) return false;
    SDL_PauseAudioDevice(device_, 0);
    return true;
  }

  void Lock() override { SDL_LockAudioDevice(device_); }
  void Unlock() override { SDL_UnlockAudioDevice(device_); }

 private:
  static void Callback(void* self, Uint8* stream, int bytes) {
    auto* output = static_cast<SdlAudioOutput*>(self);
    output->fill_(output->user_, reinterpret_cast<std::int16_t*>(stream),
                  static_cast<std::size_t>(bytes) / sizeof(std::int16_t));
  }

  AudioFill fill_;
  void* user_;
  SDL_AudioDeviceID device_ = 0;
};

}  // namespace

std::unique_ptr<AudioOutput> OpenSdlAudio(bool stereo, AudioFill fill, void* user) {
  if (!fill || SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return nullptr;
  // From here the output owns one reference to the audio subsystem.
  auto output = std::make_unique<SdlAudioOutput>(fill, user);
  if (!output->Open(stereo)) return nullptr;
  return output;
}

}  // namespace platform
