#include "platform/desktop/window_memory.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "platform/files/file_store.hpp"
#include "platform/files/plain_file.hpp"

namespace platform {

namespace {

constexpr const char* kFileName = "desktop-window.txt";
// Changes of meaning get a new first line; a file with another one is not ours to read.
constexpr const char* kFirstLine = "Fandriass II desktop window 1";
constexpr int kLargest = 16384;
constexpr std::size_t kLongestFile = 1024;

bool Plausible(int width, int height) {
  return width > 0 && height > 0 && width <= kLargest && height <= kLargest;
}

bool Parse(const std::string& text, RememberedWindow& window) {
  std::istringstream in(text);
  std::string line;
  if (!std::getline(in, line) || line != kFirstLine) return false;
  RememberedWindow read;
  bool screen = false;
  bool size = false;
  bool fullscreen = false;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string key;
    words >> key;
    int first = 0;
    int second = 0;
    if (key == "screen" && words >> first >> second && Plausible(first, second)) {
      read.screenWidth = first;
      read.screenHeight = second;
      screen = true;
    } else if (key == "size" && words >> first >> second && Plausible(first, second)) {
      read.width = first;
      read.height = second;
      size = true;
    } else if (key == "fullscreen" && words >> first && (first == 0 || first == 1)) {
      read.fullscreen = first == 1;
      fullscreen = true;
    } else {
      return false;
    }
    std::string rest;
    if (words >> rest) return false;
  }
  if (!screen || !size || !fullscreen) return false;
  window = read;
  return true;
}

}  // namespace

std::string RememberedWindowPath() {
  const std::string folder = DefaultStoreFolder();
  return folder.empty() ? folder : folder + "/" + kFileName;
}

bool ReadRememberedWindow(const std::string& path, RememberedWindow& window) {
  std::string text;
  return !path.empty() &&
         ReadPlainFile(path, kLongestFile, Links::Refuse, text) == PlainFileRead::Read &&
         Parse(text, window);
}

bool WriteRememberedWindow(const std::string& path, const RememberedWindow& window) {
  if (path.empty()) return false;
  std::ostringstream out;
  out << kFirstLine << "\nscreen " << window.screenWidth << ' ' << window.screenHeight << "\nsize "
      << window.width << ' ' << window.height << "\nfullscreen " << (window.fullscreen ? 1 : 0)
      << '\n';
  const std::string text = out.str();
  // The records' own sweep removes what a crash leaves under this prefix.
  const std::size_t slash = path.rfind('/');
  std::string temporary = path.substr(0, slash + 1) + ".saving-" + kFileName + "-XXXXXX";
  const int fd = mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return false;
  const bool written = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
  if (close(fd) != 0 || !written || rename(temporary.c_str(), path.c_str()) != 0) {
    unlink(temporary.c_str());
    return false;
  }
  return true;
}

WindowPlan PlanWindow(const DesktopOptions& options, const RememberedWindow& remembered,
                      int usableWidth, int usableHeight) {
  const ScreenConfig& screen = options.screen;
  WindowPlan plan;
  // A zoom asked for is a window asked for, unless full screen is asked too.
  plan.fullscreen = options.fullscreen || (options.zoom == 0 && remembered.fullscreen);
  int zoom = options.zoom;
  // A remembered size that cannot show the screen whole at zoom 1 (a file
  // edited, or written by a desktop that shrank the window) is not used.
  if (zoom == 0 && remembered.screenWidth == screen.width &&
      remembered.screenHeight == screen.height && Plausible(remembered.width, remembered.height) &&
      remembered.width >= screen.width && remembered.height >= screen.height &&
      remembered.width <= usableWidth && remembered.height <= usableHeight) {
    plan.width = remembered.width;
    plan.height = remembered.height;
    return plan;
  }
  // Leave room for the window frame.
  if (zoom == 0 && screen.width > 0 && screen.height > 0) {
    zoom = std::min((usableWidth - 16) / screen.width, (usableHeight - 48) / screen.height);
  }
  zoom = std::max(zoom, 1);
  plan.width = screen.width * zoom;
  plan.height = screen.height * zoom;
  return plan;
}

}  // namespace platform
