#include "shell/program.hpp"

#include <cstdio>

#include "platform/display_profile.hpp"
#include "platform/single_instance.hpp"
#include "platform/software_drawing.hpp"
#include "platform/window.hpp"
#include "shell/desktop_options.hpp"

namespace shell {

namespace {

platform::LResult MainWndProc(platform::Window* window, unsigned message, platform::WParam wParam,
                              platform::LParam lParam) {
  switch (message) {
    case platform::msg::Paint: {
      platform::DeviceContext dc = platform::BeginPaint(window);
      platform::FillRect(dc,
                         platform::Rect{0, 0, platform::ScreenWidth(), platform::ScreenHeight()},
                         platform::Rgb(0, 0, 0));
      platform::EndPaint(window);
      return 0;
    }
    case platform::msg::Destroy:
      platform::PostQuitMessage(0);
      return 0;
    default:
      return platform::DefWindowProc(window, message, wParam, lParam);
  }
}

}  // namespace

int RunProgram(int argc, char** argv) {
  const ParsedOptions options = ParseDesktopOptions(argc, argv);
  if (!options.error.empty()) {
    std::fprintf(stderr, "fandriass: %s\n%s", options.error.c_str(), UsageText());
    return 2;
  }
  if (options.showHelp) {
    std::fputs(UsageText(), stdout);
    return 0;
  }
  if (options.showVersion) {
    std::printf("Fandriass II %s\n", FANDRIASS_VERSION);
    return 0;
  }
  const bool desktop = platform::StartDesktop(options.desktop);
  if (!desktop) platform::InstallBackend(nullptr, options.desktop.screen);
  if (!platform::MeasureDisplay()) return 0;
  if (!desktop) return 1;
  // A second start hands over to the copy already running and leaves quietly.
  if (!platform::ClaimSingleInstance()) {
    platform::StopDesktop();
    return 0;
  }
  platform::CreateMainWindow(u"Fandriass II", &MainWndProc);
  const int code = platform::RunMessageLoop();
  platform::ReleaseSingleInstance();
  platform::StopDesktop();
  return code;
}

}  // namespace shell
