#pragma once

#include <cstdint>

namespace platform {

// The game's random generator: the classic 15-bit linear congruential one, so a
// seed gives the same game everywhere. Values 0..32767.
void Srand(std::uint32_t seed);
int Rand();

// Milliseconds since start; on the headless back end the virtual clock.
std::uint32_t GetTickCount();
void Sleep(std::uint32_t ms);

}  // namespace platform
