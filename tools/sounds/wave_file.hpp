#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "synthesis.hpp"

namespace sounds {

enum class Placement { Mono, LeftOnly, RightOnly };

// Turns a signal into the game's 8-bit unsigned samples: a 2 ms fade in and
// a 10 ms fade out so neither end clicks, the peak set to about -3 dBFS, and
// for a side variant the other channel left at silence (128).
std::vector<std::uint8_t> Finish(Signal signal, Placement placement);

// A complete RIFF/WAVE file: PCM, 22050 Hz, 8 bits, one or two channels.
std::vector<std::uint8_t> WaveFile(const std::vector<std::uint8_t>& samples, int channels);

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace sounds
