#include "platform/files/desktop_preferences.hpp"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

#include "platform/files/file_store.hpp"
#include "platform/files/plain_file.hpp"
#include "platform/system/complain.hpp"

namespace platform {

namespace {

constexpr const char* kColourSymbolsName = "colour-symbols";
constexpr std::size_t LongestFile = 64 * 1024;

struct Preferences {
  bool colourSymbols = false;
  std::string path;                // empty: nothing to save to
  std::vector<std::string> other;  // lines this module does not own, kept as read
};
Preferences current;

}  // namespace

bool ColourSymbols() {
  return current.colourSymbols;
}

void SetColourSymbols(bool on) {
  current.colourSymbols = on;
}

void LoadDesktopPreferences(const std::string& path) {
  current = Preferences{};
  current.path = path;
  std::string text;
  // A damaged file gives at worst a few unknown lines; a huge one is not ours,
  // and neither is a pipe or a device put under its name.
  if (ReadPlainFile(path, LongestFile, Links::Refuse, text) != PlainFileRead::Read) return;
  std::istringstream in(text);
  std::string line;
  for (int count = 0; count < 64 && std::getline(in, line); ++count) {
    const std::size_t equals = line.find('=');
    if (equals != std::string::npos && line.compare(0, equals, kColourSymbolsName) == 0) {
      const std::string value = line.substr(equals + 1);
      if (value == "1" || value == "0") current.colourSymbols = value == "1";
    } else if (!line.empty() && line.size() <= 256) {
      current.other.push_back(line);
    }
  }
}

bool SaveDesktopPreferences() {
  if (current.path.empty()) return false;
  std::ostringstream text;
  for (const std::string& line : current.other) text << line << '\n';
  text << kColourSymbolsName << '=' << (current.colourSymbols ? 1 : 0) << '\n';
  // Written aside and renamed, so a crash never leaves half a file; the
  // records' own sweep clears a name with this prefix left by a crash.
  const std::size_t slash = current.path.rfind('/');
  const std::size_t nameAt = slash == std::string::npos ? 0 : slash + 1;
  const std::string temporary =
      current.path.substr(0, nameAt) + ".saving-" + current.path.substr(nameAt);
  {
    std::ofstream out(temporary, std::ios::trunc);
    out << text.str();
    out.flush();
    if (!out) {
      Complain("cannot save %s", current.path.c_str());
      std::remove(temporary.c_str());
      return false;
    }
  }
  if (std::rename(temporary.c_str(), current.path.c_str()) != 0) {
    Complain("cannot save %s", current.path.c_str());
    std::remove(temporary.c_str());
    return false;
  }
  if (!WriteThrough()) {
    Complain("cannot keep %s", current.path.c_str());
    return false;
  }
  return true;
}

std::string DesktopPreferencesPath() {
  const std::string folder = DefaultStoreFolder();
  return folder.empty() ? std::string() : folder + "/desktop.conf";
}

void ResetDesktopPreferences() {
  current = Preferences{};
}

}  // namespace platform
