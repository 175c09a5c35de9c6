// Runs the fuzz target once on every file named, or found in a folder named,
// without the fuzzing engine: the corpus replay of the normal build and CI.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

namespace fs = std::filesystem;

bool Replay(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "cannot read %s\n", file.c_str());
    return false;
  }
  const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
  LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<fs::path> files;
  for (int i = 1; i < argc; ++i) {
    const fs::path given(argv[i]);
    std::error_code error;
    if (fs::is_directory(given, error)) {
      for (const fs::directory_entry& entry : fs::directory_iterator(given, error)) {
        if (entry.is_regular_file()) files.push_back(entry.path());
      }
    } else {
      files.push_back(given);
    }
  }
  if (files.empty()) {
    std::fprintf(stderr, "usage: %s FILE-OR-FOLDER...\n", argv[0]);
    return 2;
  }
  std::sort(files.begin(), files.end());
  int failed = 0;
  for (const fs::path& file : files) {
    if (!Replay(file)) ++failed;
  }
  std::printf("replayed %zu inputs, %d unreadable\n",
              files.size() - static_cast<std::size_t>(failed), failed);
  return failed == 0 ? 0 : 1;
}
