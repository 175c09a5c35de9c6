#include "platform/system/complain.hpp"

#include <cstdarg>
#include <cstdio>
#include <string>

namespace platform {

namespace {

// The program's name, as Unix tools start their complaints with theirs.
constexpr char kPrefix[] = "fandriass: ";

}  // namespace

void Complain(const char* format, ...) {
  std::va_list args;
  va_start(args, format);
  std::va_list again;
  va_copy(again, args);
  const int length = std::vsnprintf(nullptr, 0, format, args);
  va_end(args);
  std::string line = kPrefix;
  if (length > 0) {
    const std::size_t at = line.size();
    line.resize(at + static_cast<std::size_t>(length) + 1);
    std::vsnprintf(line.data() + at, static_cast<std::size_t>(length) + 1, format, again);
    line.pop_back();
  }
  va_end(again);
  line += '\n';
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fflush(stderr);
}

}  // namespace platform
