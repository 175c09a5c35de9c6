#include "shell/desktop_options.hpp"

#include <charconv>
#include <string_view>

namespace shell {

namespace {

bool ParseInt(std::string_view text, int& value) {
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end;
}

bool ParseScreen(std::string_view text, platform::ScreenConfig& screen) {
  const std::size_t x = text.find_first_of("xX");
  if (x == std::string_view::npos) return false;
  int w = 0;
  int h = 0;
  if (!ParseInt(text.substr(0, x), w) || !ParseInt(text.substr(x + 1), h)) return false;
  if (w <= 0 || h <= 0 || w > 8192 || h > 8192) return false;
  screen.width = w;
  screen.height = h;
  return true;
}

}  // namespace

const char* UsageText() {
  return "Usage: fandriass [options]\n"
         "  --screen WxH    emulated device screen (default 480x640)\n"
         "  --zoom N        window zoom (default: the largest that fits)\n"
         "  --fullscreen    fill the desktop\n"
         "  --record FILE   write this session's input to FILE\n"
         "  --play FILE     play a recorded session back and check its records\n"
         "  --timedemo      with --play: as fast as possible, with timings\n"
         "  --help          show this text\n"
         "  --version       show the version\n"
         "Keys: F2 marks each paint colour with its own symbol (on or off, remembered)\n";
}

ParsedOptions ParseDesktopOptions(int argc, const char* const* argv) {
  ParsedOptions parsed;
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    std::string_view value;
    bool hasValue = false;
    if (const std::size_t eq = arg.find('=');
        arg.starts_with("--") && eq != std::string_view::npos) {
      value = arg.substr(eq + 1);
      arg = arg.substr(0, eq);
      hasValue = true;
    }
    auto takeValue = [&]() -> bool {
      if (hasValue) return true;
      if (i + 1 >= argc) return false;
      value = argv[++i];
      return true;
    };
    if (arg == "--help" || arg == "-h") {
      parsed.showHelp = true;
    } else if (arg == "--version") {
      parsed.showVersion = true;
    } else if (arg == "--fullscreen") {
      parsed.desktop.fullscreen = true;
    } else if (arg == "--record" || arg == "--play") {
      if (!takeValue() || value.empty()) {
        parsed.error = std::string(arg) + " wants a file name";
      } else {
        (arg == "--record" ? parsed.recordFile : parsed.playFile) = std::string(value);
      }
    } else if (arg == "--timedemo") {
      parsed.timedemo = true;
    } else if (arg == "--screen") {
      if (!takeValue() || !ParseScreen(value, parsed.desktop.screen)) {
        parsed.error = "--screen wants a size such as 480x640";
      }
    } else if (arg == "--zoom") {
      int zoom = 0;
      if (!takeValue() || !ParseInt(value, zoom) || zoom < 1 || zoom > 16) {
        parsed.error = "--zoom wants a whole number from 1 to 16";
      } else {
        parsed.desktop.zoom = zoom;
      }
    } else {
      parsed.error = "unknown option " + std::string(arg);
    }
    if (!parsed.error.empty()) break;
  }
  if (parsed.error.empty()) {
    if (parsed.timedemo && parsed.playFile.empty()) parsed.error = "--timedemo goes with --play";
    if (!parsed.playFile.empty() && !parsed.recordFile.empty()) {
      parsed.error = "--play and --record do not go together";
    }
  }
  return parsed;
}

}  // namespace shell
