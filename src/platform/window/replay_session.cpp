#include "platform/window/replay_session.hpp"

#include <algorithm>
#include <memory>

#include "platform/window/window_system_internal.hpp"

namespace platform {

namespace {

// The recording clock over a real (or headless) back end. While the inner back
// end waits, the first look at the clock fixes the tick of whatever arrives in
// that wait; a wait that ends with no input moves the clock by the time asked,
// never more, so timers are never late on it.
class RecordingClock final : public Backend {
 public:
  explicit RecordingClock(Backend* inner) : inner_(inner), now_(inner->Now()) {}

  std::uint32_t Now() override {
    if (!waiting_) return now_;
    if (!stamped_) {
      stamped_ = true;
      const std::uint32_t elapsed = inner_->Now() - waitStart_;
      stamp_ = now_ + (waitTimeout_ == 0 ? 0 : std::min(elapsed, waitTimeout_ - 1));
    }
    return stamp_;
  }

  void WaitForInput(std::uint32_t timeoutMs) override {
    ++waits_;
    waiting_ = true;
    stamped_ = false;
    waitStart_ = inner_->Now();
    waitTimeout_ = timeoutMs;
    inner_->WaitForInput(timeoutMs);
    waiting_ = false;
    if (stamped_) {
      now_ = stamp_;
    } else {
      now_ += std::min(inner_->Now() - waitStart_, timeoutMs);
    }
  }

  void Present(const Bitmap& screen, const FrameChanges& changes) override {
    inner_->Present(screen, changes);
  }
  std::uint32_t RefreshInterval() override { return inner_->RefreshInterval(); }
  void Sleep(std::uint32_t ms) override {
    inner_->Sleep(ms);
    now_ += ms;
  }
  bool CreateDesktopWindow(const char* title) override {
    return inner_->CreateDesktopWindow(title);
  }
  void RaiseWindow() override { inner_->RaiseWindow(); }
  // Neither the Control key's state nor the clipboard is in a replay: while
  // recording they read as on a device without them, so playback agrees.
  bool ControlHeld() override { return false; }
  std::string ClipboardText() override { return {}; }
  void WantTextInput(bool on) override { inner_->WantTextInput(on); }
  std::unique_ptr<AudioOutput> OpenAudio(bool stereo, AudioFill fill, void* user) override {
    return inner_->OpenAudio(stereo, fill, user);
  }
  int ShowDesktopBox(const DesktopBox& box) override { return inner_->ShowDesktopBox(box); }

  Backend* inner_;
  std::uint32_t now_;
  bool waiting_ = false;
  bool stamped_ = false;
  std::uint32_t stamp_ = 0;
  std::uint32_t waitStart_ = 0;
  std::uint32_t waitTimeout_ = 0;
  std::uint64_t waits_ = 0;
};

struct Recording {
  std::unique_ptr<RecordingClock> clock;
  Replay replay;
  std::uint64_t waitsAtLastEvent = 0;
};
Recording recording;

void NoteInput(ReplayInput input, int a, int b) {
  RecordingClock& clock = *recording.clock;
  ReplayEvent event{clock.Now(), false, input, a, b};
  event.withPrevious =
      !recording.replay.events.empty() && clock.waits_ == recording.waitsAtLastEvent;
  recording.waitsAtLastEvent = clock.waits_;
  recording.replay.events.push_back(event);
}

// Plays a replay: waits move the virtual clock, and the inputs of one wait of
// the recording arrive together in one wait here.
class PlaybackBackend final : public Backend {
 public:
  PlaybackBackend(const Replay& replay, FrameObserver observer)
      : replay_(replay), observer_(observer), now_(replay.start) {}

  std::uint32_t Now() override { return now_; }

  void WaitForInput(std::uint32_t timeoutMs) override {
    const auto waitStart = std::chrono::steady_clock::now();
    if (PaintsDelivered() != paintsAtWake_) {
      figures_.frames.push_back(waitStart - wokeAt_);
      if (observer_) observer_(now_);
    }
    const std::vector<ReplayEvent>& events = replay_.events;
    if (next_ < events.size() && events[next_].time - now_ < std::max(timeoutMs, 1u)) {
      now_ = events[next_].time;
      do {
        Inject(events[next_++]);
      } while (next_ < events.size() && events[next_].withPrevious);
    } else if (timeoutMs != kForever && timeoutMs <= replay_.end - now_) {
      now_ += timeoutMs;
    } else {
      // The session ended here; nothing more can come.
      now_ = replay_.end;
      PostQuitMessage(0);
    }
    paintsAtWake_ = PaintsDelivered();
    wokeAt_ = std::chrono::steady_clock::now();
  }

  void Present(const Bitmap& screen, const FrameChanges& changes) override {
    ++figures_.presents;
    if (observer_ && !FrameIsRight(shown_, screen, changes)) ++figures_.framesShownWrong;
    if (observer_) shown_ = screen;
  }
  std::uint32_t RefreshInterval() override { return 16; }
  void Sleep(std::uint32_t ms) override { now_ += ms; }

  PlaybackFigures Figures() {
    figures_.virtualMs = now_ - replay_.start;
    figures_.ticks = TimersDelivered();
    figures_.paints = PaintsDelivered();
    return figures_;
  }

 private:
  static void Inject(const ReplayEvent& e) {
    switch (e.input) {
      case ReplayInput::StylusDown:
        return QueueStylus(msg::StylusDown, e.a, e.b);
      case ReplayInput::StylusMove:
        return QueueStylus(msg::StylusMove, e.a, e.b);
      case ReplayInput::StylusUp:
        return QueueStylus(msg::StylusUp, e.a, e.b);
      case ReplayInput::KeyDown:
        return QueueKey(msg::KeyDown, static_cast<unsigned>(e.a));
      case ReplayInput::KeyHeld:
        return QueueKey(msg::KeyDown, static_cast<unsigned>(e.a), true);
      case ReplayInput::KeyUp:
        return QueueKey(msg::KeyUp, static_cast<unsigned>(e.a));
      case ReplayInput::Char:
        return QueueChar(static_cast<char16_t>(e.a));
      case ReplayInput::Focus:
        return DesktopFocusChanged(e.a != 0);
      case ReplayInput::Close:
        return DesktopCloseRequested();
    }
  }

  const Replay& replay_;
  FrameObserver observer_;
  Bitmap shown_;
  std::uint32_t now_;
  std::size_t next_ = 0;
  PlaybackFigures figures_;
  std::uint64_t paintsAtWake_ = 0;
  std::chrono::steady_clock::time_point wokeAt_ = std::chrono::steady_clock::now();
};

std::unique_ptr<PlaybackBackend> playback;

}  // namespace

std::vector<ReplayValue> ReadStoredValues(ValueStore& store,
                                          const std::vector<std::string_view>& names) {
  std::vector<ReplayValue> values;
  const bool open = store.OpenKey();
  std::vector<unsigned char> buffer(1 << 16);
  for (std::string_view name : names) {
    ReplayValue value{std::string(name), std::nullopt};
    std::size_t size = 0;
    if (open && store.QueryValue(name, buffer.data(), buffer.size(), &size) == QueryOutcome::Read) {
      value.bytes.emplace(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(size));
    }
    values.push_back(std::move(value));
  }
  if (open) store.CloseKey();
  return values;
}

void StartRecording(std::vector<ReplayValue> before) {
  recording = Recording{};
  recording.clock = std::make_unique<RecordingClock>(ActiveBackend());
  recording.replay.programVersion = FANDRIASS_VERSION;
  recording.replay.screen = ActiveScreen();
  recording.replay.start = recording.clock->Now();
  recording.replay.before = std::move(before);
  InstallBackend(recording.clock.get(), ActiveScreen());
  SetInputObserver(NoteInput);
}

Replay FinishRecording(std::vector<ReplayValue> after) {
  SetInputObserver(nullptr);
  Replay replay = std::move(recording.replay);
  if (recording.clock) {
    replay.end = recording.clock->Now();
    InstallBackend(recording.clock->inner_, ActiveScreen());
  }
  replay.after = std::move(after);
  recording = Recording{};
  return replay;
}

void StartPlaying(const Replay& replay, FrameObserver observer) {
  playback = std::make_unique<PlaybackBackend>(replay, observer);
  InstallBackend(playback.get(), replay.screen);
}

PlaybackFigures StopPlaying() {
  PlaybackFigures figures;
  if (!playback) return figures;
  figures = playback->Figures();
  ResetWindowSystem();
  InstallBackend(nullptr, ScreenConfig{});
  playback.reset();
  return figures;
}

}  // namespace platform
