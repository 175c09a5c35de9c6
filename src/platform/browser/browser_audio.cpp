#include "platform/browser/browser_audio.hpp"

#include <emscripten.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/browser/browser_page.hpp"

namespace platform {

namespace {

// About 46 ms at 22050 Hz: the page's script runs between frames of the game,
// so a shorter buffer would go hungry whenever a frame takes long.
constexpr int BufferFrames = 1024;
constexpr int SilentBuffersBeforeRest = 22050 / BufferFrames;

class PageAudioOutput;
PageAudioOutput* playing = nullptr;

// The page has one thread: the fill never runs while the program changes what
// it reads, so there is nothing to lock.
class PageAudioOutput final : public AudioOutput {
 public:
  PageAudioOutput(bool stereo, AudioFill fill, void* user)
      : channels_(stereo ? 2 : 1),
        fill_(fill),
        user_(user),
        buffer_(static_cast<std::size_t>(BufferFrames * channels_)) {}
  ~PageAudioOutput() override {
    fandriass_page_audio_close();
    playing = nullptr;
  }
  bool Open() {
    if (!fandriass_page_audio_open(channels_, buffer_.data(), BufferFrames)) return false;
    playing = this;
    return true;
  }
  void Lock() override {}
  // The speaker changed what sounds: the page plays again if it had stopped.
  void Unlock() override { fandriass_page_audio_wake(); }
  // Silence for a second stops the page playing, so an idle game costs nothing.
  void Fill() {
    fill_(user_, buffer_.data(), buffer_.size());
    const bool silent =
        std::all_of(buffer_.begin(), buffer_.end(), [](std::int16_t s) { return s == 0; });
    silentBuffers_ = silent ? silentBuffers_ + 1 : 0;
    if (silentBuffers_ == SilentBuffersBeforeRest) fandriass_page_audio_rest();
  }

 private:
  int channels_;
  AudioFill fill_;
  void* user_;
  std::vector<std::int16_t> buffer_;
  int silentBuffers_ = 0;
};

}  // namespace

std::unique_ptr<AudioOutput> OpenPageAudio(bool stereo, AudioFill fill, void* user) {
  if (!fill || playing) return nullptr;
  auto output = std::make_unique<PageAudioOutput>(stereo, fill, user);
  if (!output->Open()) return nullptr;
  return output;
}

}  // namespace platform

extern "C" EMSCRIPTEN_KEEPALIVE void fandriass_page_fill_audio() {
  if (platform::playing) platform::playing->Fill();
}
