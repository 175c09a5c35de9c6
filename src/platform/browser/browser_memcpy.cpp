// The web build's memcpy. The C library hands every copy of 512 bytes or more
// to the page's script, a crossing that costs more than the copy for the rows
// of a picture, which are most of what the game copies: all copies stay here.
#include <cstddef>
#include <cstdint>

extern "C" __attribute__((no_builtin)) void* memcpy(void* __restrict destination,
                                                    const void* __restrict source,
                                                    std::size_t size) {
  auto* d = static_cast<unsigned char*>(destination);
  const auto* s = static_cast<const unsigned char*>(source);
  if (((reinterpret_cast<std::uintptr_t>(d) ^ reinterpret_cast<std::uintptr_t>(s)) & 7) == 0) {
    while ((reinterpret_cast<std::uintptr_t>(d) & 7) != 0 && size > 0) {
      *d++ = *s++;
      --size;
    }
    for (; size >= 8; size -= 8, d += 8, s += 8) {
      *reinterpret_cast<std::uint64_t*>(d) = *reinterpret_cast<const std::uint64_t*>(s);
    }
  }
  while (size > 0) {
    *d++ = *s++;
    --size;
  }
  return destination;
}
