#pragma once

#include <ctime>

// The thread's own processor time in microseconds: on a shared machine the wall
// clock also counts other programs' turns, which made the worst paint meaningless.
inline double ThreadMicroseconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e6 + static_cast<double>(t.tv_nsec) / 1e3;
}
