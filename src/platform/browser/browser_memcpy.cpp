// The web build's memcpy: one memory.copy instruction, which the browser runs
// natively. The C library's own hands every copy of 512 bytes or more to the
// page's script, a crossing that costs more than the copy for the rows of a
// picture, which are most of what the game copies.
#include <cstddef>

extern "C" void* memcpy(void* __restrict destination, const void* __restrict source,
                        std::size_t size) {
  __builtin_memcpy(destination, source, size);
  return destination;
}
