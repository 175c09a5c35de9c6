#include "platform/backend/start_probe.hpp"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/system/complain.hpp"

namespace platform {

namespace {

// As early as a static can be: after the libraries are loaded, before main.
const auto started = std::chrono::steady_clock::now();
const bool exitAfterFirstFrame = std::getenv("FANDRIASS_EXIT_AFTER_FIRST_FRAME") != nullptr;

// The kernel's figure, in kB, or -1 when it cannot be read.
long StatusKb(const char* field) {
  std::FILE* status = std::fopen("/proc/self/status", "r");
  if (!status) return -1;
  char line[256];
  long kb = -1;
  const std::size_t length = std::strlen(field);
  while (std::fgets(line, sizeof line, status)) {
    if (std::strncmp(line, field, length) == 0 && line[length] == ':') {
      kb = std::strtol(line + length + 1, nullptr, 10);
      break;
    }
  }
  std::fclose(status);
  return kb;
}

}  // namespace

void NoteFramePresented() {
  if (!exitAfterFirstFrame) return;
  const std::chrono::duration<double, std::milli> ms = std::chrono::steady_clock::now() - started;
  Complain("first frame after %.1f ms; VmHWM %ld kB, VmRSS %ld kB", ms.count(), StatusKb("VmHWM"),
           StatusKb("VmRSS"));
  // Nothing of the game is worth saving yet, and tearing down is not start-up.
  _exit(0);
}

}  // namespace platform
