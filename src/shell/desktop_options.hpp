#pragma once

#include <string>

#include "platform/backend/program_backend.hpp"

namespace shell {

struct ParsedOptions {
  platform::DesktopOptions desktop;
  bool showHelp = false;
  bool showVersion = false;
  std::string recordFile;  // --record: the session's input goes there
  std::string playFile;    // --play: a recorded session to play back
  bool timedemo = false;   // with --play: as fast as possible, with figures
  std::string error;       // non-empty when the command line could not be understood
};

ParsedOptions ParseDesktopOptions(int argc, const char* const* argv);
const char* UsageText();

}  // namespace shell
