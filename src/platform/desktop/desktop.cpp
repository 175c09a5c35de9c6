#include "platform/desktop/desktop.hpp"

#include <SDL.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <iterator>
#include <thread>

#include "platform/backend/start_probe.hpp"
#include "platform/desktop/screen_scaling.hpp"
#include "platform/desktop/sdl_audio.hpp"
#include "platform/desktop/sdl_gamepad.hpp"
#include "platform/desktop/single_instance.hpp"
#include "platform/desktop/viewport_mapping.hpp"
#include "platform/desktop/window_memory.hpp"
#include "platform/drawing/text_drawing.hpp"
#include "platform/resources/resources.hpp"
#include "platform/system/complain.hpp"
#include "platform/window/message_box.hpp"
#include "platform/window/window_system_internal.hpp"

namespace platform {

namespace {

// Keys of the desktop keyboard as the game's virtual-key codes.
unsigned VirtualKeyOf(SDL_Keycode key) {
  switch (key) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
      return vk::Return;
    case SDLK_ESCAPE:
      return vk::Escape;
    case SDLK_LEFT:
      return vk::Left;
    case SDLK_UP:
      return vk::Up;
    case SDLK_RIGHT:
      return vk::Right;
    case SDLK_DOWN:
      return vk::Down;
    case SDLK_BACKSPACE:
      return 8;
    case SDLK_TAB:
      return 9;
    case SDLK_END:
      return 35;
    case SDLK_HOME:
      return 36;
    case SDLK_DELETE:
      return 46;
    case SDLK_F2:
      return vk::F2;
    default:
      if (key >= SDLK_a && key <= SDLK_z) return static_cast<unsigned>('A' + (key - SDLK_a));
      return 0;
  }
}

// Terminate, interrupt and hang-up (the session ending, Ctrl+C, the terminal
// closing) end the game as its own exit does, saving everything and asking
// nothing. A signal handler may do almost nothing, so it knocks on a pipe; a
// thread waiting on the pipe posts an event, which wakes the loop at once.
// Until the game has its window the signals keep their usual meaning: there
// is nothing to save yet.
constexpr int EndSignals[] = {SIGTERM, SIGINT, SIGHUP};
std::atomic<int> endKnockFd{-1};

void KnockOnEnd(int) {
  const int saved = errno;
  const char knock = 1;
  // A pipe too full to take it holds knocks enough already.
  [[maybe_unused]] const ssize_t written = write(endKnockFd.load(), &knock, 1);
  errno = saved;
}

class EndSignalWatch {
 public:
  EndSignalWatch(const EndSignalWatch&) = delete;
  EndSignalWatch& operator=(const EndSignalWatch&) = delete;
  EndSignalWatch() = default;
  ~EndSignalWatch() { Stop(); }

  // Without an event type (SDL had none left) the signals keep their usual meaning.
  void Start(Uint32 eventType) {
    if (eventType == static_cast<Uint32>(-1)) return;
    if (pipe2(pipe_, O_CLOEXEC) != 0) return;
    fcntl(pipe_[1], F_SETFL, O_NONBLOCK);
    endKnockFd.store(pipe_[1]);
    watcher_ = std::thread([fd = pipe_[0], eventType] { Watch(fd, eventType); });
    struct sigaction action {};  // nothing else blocked while it runs
    action.sa_handler = &KnockOnEnd;
    // Calls under way (the game's file calls, the watcher's read) carry on
    // rather than fail.
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(EndSignals); ++i) {
      // A signal ignored by whoever started the game (nohup, a script's
      // background job) stays ignored.
      sigaction(EndSignals[i], nullptr, &previous_[i]);
      if (previous_[i].sa_handler == SIG_IGN) continue;
      installed_[i] = sigaction(EndSignals[i], &action, nullptr) == 0;
    }
    watching_ = true;
  }

  void Stop() {
    if (!watching_) return;
    for (std::size_t i = 0; i < std::size(EndSignals); ++i) {
      if (installed_[i]) sigaction(EndSignals[i], &previous_[i], nullptr);
      installed_[i] = false;
    }
    const char stop = 0;
    while (write(pipe_[1], &stop, 1) < 0 && errno == EAGAIN) std::this_thread::yield();
    watcher_.join();
    endKnockFd.store(-1);
    close(pipe_[0]);
    close(pipe_[1]);
    watching_ = false;
  }

 private:
  static void Watch(int fd, Uint32 eventType) {
    for (;;) {
      char knock = 0;
      if (read(fd, &knock, 1) != 1 || knock == 0) return;
      SDL_Event event{};
      event.type = eventType;
      SDL_PushEvent(&event);
    }
  }

  bool watching_ = false;
  int pipe_[2] = {-1, -1};
  std::thread watcher_;
  struct sigaction previous_[std::size(EndSignals)]{};
  bool installed_[std::size(EndSignals)] = {};
};

class SdlBackend final : public Backend {
 public:
  explicit SdlBackend(const DesktopOptions& options) : options_(options) {
    ReadRememberedWindow(RememberedWindowPath(), remembered_);
  }

  ~SdlBackend() override {
    if (!window_) return;
    RememberWindow();
    SDL_DestroyWindow(window_);
  }

  std::uint32_t Now() override { return SDL_GetTicks(); }

  void WaitForInput(std::uint32_t timeoutMs) override {
    int timeout = timeoutMs == kForever ? -1 : static_cast<int>(std::min(timeoutMs, kLongestWait));
    // A second copy may knock at any time; look for it a few times a second.
    const bool listening = SingleInstanceClaimed();
    if (listening && (timeout < 0 || timeout > static_cast<int>(SingleInstancePollMs))) {
      timeout = static_cast<int>(SingleInstancePollMs);
    }
    SDL_Event event;
    if (SDL_WaitEventTimeout(&event, timeout)) {
      Handle(event);
      while (SDL_PollEvent(&event)) Handle(event);
    }
    if (listening) PollSingleInstance();
  }

  // The frame is scaled straight into the window's own memory: no renderer, so
  // none of a GL stack is loaded or fed to show a few hundred thousand pixels.
  void Present(const Bitmap& screen, const FrameChanges&) override {
    SDL_Surface* surface = window_ ? SDL_GetWindowSurface(window_) : nullptr;
    if (!surface) return;
    const ViewportMapping mapping = Mapping();
    const bool redHigh = surface->format->Rmask == 0x00FF0000u;
    if (surface->format->BytesPerPixel != 4 ||
        (!redHigh && surface->format->Rmask != 0x000000FFu)) {
      return;
    }
    if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0) return;
    const PixelTarget target{static_cast<std::uint32_t*>(surface->pixels), surface->w, surface->h,
                             surface->pitch / 4, redHigh};
    const Rect changed = DrawScaledScreen(screen, mapping, target, barsStale_);
    if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
    // Only what changed goes to the display; most frames of a game are a few rows.
    if (!changed.Empty()) {
      const SDL_Rect rect{changed.left, changed.top, changed.Width(), changed.Height()};
      SDL_UpdateWindowSurfaceRects(window_, &rect, 1);
    }
    barsStale_ = false;
    NoteFramePresented();
  }

  std::uint32_t RefreshInterval() override { return refreshInterval_; }
  void Sleep(std::uint32_t ms) override { SDL_Delay(ms); }

  bool CreateDesktopWindow(const char* title) override {
    if (window_) return true;
    const ScreenConfig& screen = ActiveScreen();
    SDL_Rect usable{0, 0, 0, 0};
    SDL_GetDisplayUsableBounds(0, &usable);
    const WindowPlan plan = PlanWindow(options_, remembered_, usable.w, usable.h);
    windowedWidth_ = plan.width;
    windowedHeight_ = plan.height;
    Uint32 flags = SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
    if (plan.fullscreen) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    // X draws a window's own pixels directly (shared memory when it can); only
    // where the video driver has no such way does SDL take a renderer for it.
    if (const char* driver = SDL_GetCurrentVideoDriver();
        driver && std::strcmp(driver, "x11") == 0) {
      SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    }
    window_ = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, plan.width,
                               plan.height, flags);
    if (!window_) {
      Complain("cannot open a window: %s", SDL_GetError());
      return false;
    }
    SDL_SetWindowMinimumSize(window_, std::min(screen.width, 240), std::min(screen.height, 240));
    SetIcon();
    if (!SDL_GetWindowSurface(window_)) {
      Complain("cannot draw in the window: %s", SDL_GetError());
      SDL_DestroyWindow(window_);
      window_ = nullptr;
      return false;
    }
    SDL_DisplayMode mode;
    if (SDL_GetCurrentDisplayMode(SDL_GetWindowDisplayIndex(window_), &mode) == 0 &&
        mode.refresh_rate > 0) {
      refreshInterval_ = static_cast<std::uint32_t>(std::max(1000 / mode.refresh_rate, 1));
    }
    // A window that opens behind another application has no focus until the
    // desktop gives it one (FOCUS_GAINED follows then).
    if ((SDL_GetWindowFlags(window_) & SDL_WINDOW_INPUT_FOCUS) == 0) DesktopFocusChanged(false);
    MarkFrameLost();
    endEvent_ = SDL_RegisterEvents(1);
    endSignals_.Start(endEvent_);
    return true;
  }

  void RaiseWindow() override {
    if (!window_) return;
    SDL_RestoreWindow(window_);
    SDL_RaiseWindow(window_);
  }

  bool ControlHeld() override { return (SDL_GetModState() & KMOD_CTRL) != 0; }

  std::string ClipboardText() override {
    char* text = SDL_GetClipboardText();
    std::string result = text ? text : "";
    SDL_free(text);
    return result;
  }

  std::unique_ptr<AudioOutput> OpenAudio(bool stereo, AudioFill fill, void* user) override {
    return OpenSdlAudio(stereo, fill, user);
  }

  int ShowDesktopBox(const DesktopBox& box) override {
    const std::string text(box.utf8Text);
    const std::string caption(box.utf8Caption);
    const Uint32 both =
        SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT;
    const SDL_MessageBoxButtonData yesNo[] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, IdYes, "Yes"},
        {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, IdNo, "No"}};
    const SDL_MessageBoxButtonData ok[] = {{both, IdOk, "OK"}};
    SDL_MessageBoxData data{};
    data.flags = box.warning ? SDL_MESSAGEBOX_WARNING : SDL_MESSAGEBOX_INFORMATION;
    data.window = window_;
    data.title = caption.c_str();
    data.message = text.c_str();
    data.numbuttons = box.yesNo ? 2 : 1;
    data.buttons = box.yesNo ? yesNo : ok;
    int chosen = 0;
    if (SDL_ShowMessageBox(&data, &chosen) != 0) return 0;
    return chosen > 0 ? chosen : 0;
  }

  void WantTextInput(bool on) override {
    if (on) {
      SDL_StartTextInput();
    } else {
      SDL_StopTextInput();
    }
  }

 private:
  void SetIcon() {
    Bitmap icon = LoadIconResource(MainIconId);
    if (icon.Empty()) return;
    // The pixels are red + 256 green + 65536 blue in a 32-bit word, as XBGR8888 packs them.
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<Colour*>(icon.Pixels().data()), icon.Width(), icon.Height(), 32,
        icon.Width() * 4, SDL_PIXELFORMAT_XBGR8888);
    if (!surface) return;
    SDL_SetWindowIcon(window_, surface);
    SDL_FreeSurface(surface);
  }

  bool FullScreen() const { return (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN) != 0; }

  void ToggleFullScreen() {
    const bool leaving = FullScreen();
    if (!leaving) SDL_GetWindowSize(window_, &windowedWidth_, &windowedHeight_);
    SDL_SetWindowFullscreen(window_, leaving ? 0 : SDL_WINDOW_FULLSCREEN_DESKTOP);
    barsStale_ = true;
    MarkFrameLost();
  }

  // F11, and Alt+Enter as many desktop games have it; the game never sees them.
  bool FullScreenKey(const SDL_Event& event) {
    if (event.type != SDL_KEYDOWN && event.type != SDL_KEYUP) return false;
    const SDL_Keycode key = event.key.keysym.sym;
    const bool enter = key == SDLK_RETURN || key == SDLK_KP_ENTER;
    if (key != SDLK_F11 && !(enter && (event.key.keysym.mod & KMOD_ALT))) return false;
    if (event.type == SDL_KEYDOWN && !event.key.repeat && window_) ToggleFullScreen();
    return true;
  }

  void RememberWindow() {
    // The emulated screen is no longer installed when the desktop stops.
    const ScreenConfig& screen = options_.screen;
    RememberedWindow window{screen.width, screen.height, windowedWidth_, windowedHeight_,
                            FullScreen()};
    if (!window.fullscreen) SDL_GetWindowSize(window_, &window.width, &window.height);
    WriteRememberedWindow(RememberedWindowPath(), window);
  }

  // Drawing and taps both go through this, so they agree on every display: the
  // window's size is in points, its surface in pixels.
  ViewportMapping Mapping() const {
    int windowW = 0;
    int windowH = 0;
    int drawableW = 0;
    int drawableH = 0;
    if (window_) SDL_GetWindowSize(window_, &windowW, &windowH);
    if (SDL_Surface* surface = window_ ? SDL_GetWindowSurface(window_) : nullptr) {
      drawableW = surface->w;
      drawableH = surface->h;
    }
    const ScreenConfig& screen = ActiveScreen();
    return MapViewport(windowW, windowH, drawableW, drawableH, screen.width, screen.height);
  }

  void Handle(const SDL_Event& event) {
    if (FullScreenKey(event) || HandleControllerEvent(event)) return;
    if (event.type == endEvent_) {
      DesktopCloseRequested(CloseReason::EndRequested);
      return;
    }
    switch (event.type) {
      // The window's close button: SDL's own signal handlers are off, so
      // nothing else brings this.
      case SDL_QUIT:
        DesktopCloseRequested(CloseReason::Button);
        break;
      case SDL_WINDOWEVENT:
        switch (event.window.event) {
          case SDL_WINDOWEVENT_FOCUS_GAINED:
            DesktopFocusChanged(true);
            break;
          case SDL_WINDOWEVENT_FOCUS_LOST:
            DesktopFocusChanged(false);
            break;
          case SDL_WINDOWEVENT_EXPOSED:
          case SDL_WINDOWEVENT_SIZE_CHANGED:
            barsStale_ = true;
            MarkFrameLost();
            break;
          default:
            break;
        }
        break;
      // A press in the letterbox touches nothing. A stylus that went down on
      // the screen is followed to its edge and lifted there, so whatever it
      // holds (a button, the volume slider) is let go.
      case SDL_MOUSEBUTTONDOWN: {
        Point p;
        if (event.button.button == SDL_BUTTON_LEFT &&
            Mapping().ToDevice(event.button.x, event.button.y, p)) {
          stylusDown_ = true;
          QueueStylus(msg::StylusDown, p.x, p.y);
        }
        break;
      }
      case SDL_MOUSEMOTION:
        if (stylusDown_ && (event.motion.state & SDL_BUTTON_LMASK)) {
          const Point p = Mapping().ToDeviceClamped(event.motion.x, event.motion.y);
          QueueStylus(msg::StylusMove, p.x, p.y);
        }
        break;
      case SDL_MOUSEBUTTONUP:
        if (stylusDown_ && event.button.button == SDL_BUTTON_LEFT) {
          stylusDown_ = false;
          const Point p = Mapping().ToDeviceClamped(event.button.x, event.button.y);
          QueueStylus(msg::StylusUp, p.x, p.y);
        }
        break;
      case SDL_KEYDOWN:
      case SDL_KEYUP:
        if (const unsigned key = VirtualKeyOf(event.key.keysym.sym)) {
          const bool down = event.type == SDL_KEYDOWN;
          QueueKey(down ? msg::KeyDown : msg::KeyUp, key, down && event.key.repeat != 0);
        }
        break;
      case SDL_TEXTINPUT:
        for (char16_t unit : Utf8ToUtf16(event.text.text)) QueueChar(unit);
        break;
      default:
        break;
    }
  }

  DesktopOptions options_;
  SDL_Window* window_ = nullptr;
  RememberedWindow remembered_;
  int windowedWidth_ = 0;  // points; what leaving full screen returns to
  int windowedHeight_ = 0;
  bool barsStale_ = true;  // the letterbox must be drawn again
  std::uint32_t refreshInterval_ = 16;
  bool stylusDown_ = false;  // the left button went down on the screen
  Uint32 endEvent_ = static_cast<Uint32>(-1);
  EndSignalWatch endSignals_;  // stops before SDL does, with the back end
};

SdlBackend* desktop = nullptr;

}  // namespace

bool StartDesktop(const DesktopOptions& options) {
  // SDL would make an end signal a click on the close button; the game tells them apart.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
    Complain("cannot start SDL: %s", SDL_GetError());
    return false;
  }
  desktop = new SdlBackend(options);
  InstallBackend(desktop, options.screen);
  // Controllers are a bonus: without them (no device access, say) the keys and
  // the mouse still play. Those already plugged in come as events.
  if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
    Complain("no game controllers: %s", SDL_GetError());
  }
  return true;
}

void StopDesktop() {
  CloseControllers();
  ResetWindowSystem();
  InstallBackend(nullptr, ScreenConfig{});
  delete desktop;
  desktop = nullptr;
  SDL_Quit();
}

}  // namespace platform
