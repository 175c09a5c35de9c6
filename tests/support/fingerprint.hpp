#pragma once

#include <cstdint>

#include "platform/bitmap.hpp"

namespace testing_support {

// A 64-bit FNV-1a of every pixel's colour: any changed pixel changes it, so a
// whole screen or panel can be held to one number.
inline std::uint64_t Fingerprint(const platform::Bitmap& picture) {
  std::uint64_t hash = 1469598103934665603ull;
  for (const platform::Colour c : picture.Pixels()) {
    hash = (hash ^ (c & 0xFFFFFFu)) * 1099511628211ull;
  }
  return hash;
}

}  // namespace testing_support
