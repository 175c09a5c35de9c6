#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>

namespace testing_support {

// A fresh folder of the test's own in the temporary folder, taken away with
// everything in it however the test ends (a folder left read-only too).
struct ScratchFolder {
  explicit ScratchFolder(const std::string& name)
      : root(std::filesystem::temp_directory_path() /
             ("fandriass-" + name + "-" + std::to_string(getpid()))) {
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root, ignored)) {
      if (entry.is_directory()) {
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all, ignored);
      }
    }
    std::filesystem::remove_all(root, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::filesystem::path root;
};

}  // namespace testing_support
