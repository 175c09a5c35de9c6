// The golden games on the web build: the same runner, on the headless back
// end compiled to WebAssembly and run by Node.js, with the pack a native
// build made (the web build links none in).
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "platform/resources/resources.hpp"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  std::ifstream file(FANDRIASS_NATIVE_PACK, std::ios::binary);
  static const std::vector<std::uint8_t> pack{std::istreambuf_iterator<char>(file),
                                              std::istreambuf_iterator<char>()};
  if (pack.empty()) {
    std::fprintf(stderr, "cannot read %s\n", FANDRIASS_NATIVE_PACK);
    return 1;
  }
  platform::UseDownloadedResources(pack);
  return RUN_ALL_TESTS();
}
