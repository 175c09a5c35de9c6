#pragma once

namespace platform {

// Writes one line on standard error: "fandriass: " and the formatted text (no
// newline of its own needed), in one write so lines of two threads never mix.
[[gnu::format(printf, 1, 2)]] void Complain(const char* format, ...);

}  // namespace platform
