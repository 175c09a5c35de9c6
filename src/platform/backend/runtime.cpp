#include "platform/backend/runtime.hpp"

#include "platform/backend/backend.hpp"

namespace platform {

namespace {
std::uint32_t randomState = 1;
}

void Srand(std::uint32_t seed) {
  randomState = seed;
}

int Rand() {
  randomState = randomState * 214013u + 2531011u;
  return static_cast<int>((randomState >> 16) & 0x7FFF);
}

std::uint32_t GetTickCount() {
  Backend* backend = ActiveBackend();
  return backend ? backend->Now() : 0;
}

void Sleep(std::uint32_t ms) {
  if (Backend* backend = ActiveBackend()) backend->Sleep(ms);
}

}  // namespace platform
