#include "platform/desktop/sdl_audio.hpp"

#include <SDL.h>
#include <dlfcn.h>

#include <atomic>
#include <string>

#include "platform/audio/wave_clip.hpp"
#include "platform/system/complain.hpp"

namespace platform {

namespace {

// About 23 ms at 22050 Hz: short enough that a tap and its sound feel as one,
// long enough not to starve on a busy desktop.
constexpr Uint16 DeviceBufferFrames = 512;

void IgnoreAlsaReport(const char*, int, const char*, int, const char*, ...) {}

// ALSA writes a dozen lines to the terminal on a machine with no sound card,
// at every try; the game says it once, in a line of its own. The library stays
// loaded, so the quiet handler holds when SDL loads it too.
void QuietenAlsa() {
  static bool done = false;
  if (done) return;
  done = true;
  void* alsa = dlopen("libasound.so.2", RTLD_NOW);
  if (!alsa) return;
  using Report = void (*)(const char*, int, const char*, int, const char*, ...);
  using SetReport = int (*)(Report);
  if (auto set = reinterpret_cast<SetReport>(dlsym(alsa, "snd_lib_error_set_handler"))) {
    set(&IgnoreAlsaReport);
  }
}

void SayNoSound(const std::string& why) {
  static bool said = false;
  if (said) return;
  said = true;
  Complain("no sound device could be opened (%s); playing without sound", why.c_str());
}

class SdlAudioOutput final : public AudioOutput {
 public:
  SdlAudioOutput(AudioFill fill, void* user) : fill_(fill), user_(user) {}

  ~SdlAudioOutput() override {
    SDL_DelEventWatch(&SdlAudioOutput::Watch, this);
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
    SDL_AddEventWatch(&SdlAudioOutput::Watch, this);
    SDL_PauseAudioDevice(device_, 0);
    return true;
  }

  void Lock() override { SDL_LockAudioDevice(device_); }
  void Unlock() override { SDL_UnlockAudioDevice(device_); }
  bool Lost() const override { return lost_.load(); }

 private:
  static void Callback(void* self, Uint8* stream, int bytes) {
    auto* output = static_cast<SdlAudioOutput*>(self);
    output->fill_(output->user_, reinterpret_cast<std::int16_t*>(stream),
                  static_cast<std::size_t>(bytes) / sizeof(std::int16_t));
  }

  // Sees every event as it is posted, on whatever thread posts it: an unplugged
  // card is reported from SDL's own threads, not through the program's loop.
  static int Watch(void* self, SDL_Event* event) {
    auto* output = static_cast<SdlAudioOutput*>(self);
    if (event->type == SDL_AUDIODEVICEREMOVED && event->adevice.iscapture == 0 &&
        event->adevice.which == output->device_) {
      output->lost_.store(true);
    }
    return 0;
  }

  AudioFill fill_;
  void* user_;
  SDL_AudioDeviceID device_ = 0;
  std::atomic<bool> lost_{false};
};

}  // namespace

std::unique_ptr<AudioOutput> OpenSdlAudio(bool stereo, AudioFill fill, void* user) {
  if (!fill) return nullptr;
  QuietenAlsa();
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    SayNoSound(SDL_GetError());
    return nullptr;
  }
  // From here the output owns one reference to the audio subsystem.
  auto output = std::make_unique<SdlAudioOutput>(fill, user);
  if (!output->Open(stereo)) {
    SayNoSound(SDL_GetError());
    return nullptr;
  }
  return output;
}

}  // namespace platform
