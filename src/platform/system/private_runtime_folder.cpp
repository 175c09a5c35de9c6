#include "platform/system/private_runtime_folder.hpp"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace platform {

PrivateRuntimeFolder::PrivateRuntimeFolder(const std::string& name) {
  std::error_code error;
  std::filesystem::path temporary = std::filesystem::temp_directory_path(error);
  if (error) temporary = "/tmp";
  std::string pattern = (temporary / ("fandriass-" + name + "-XXXXXX")).string();
  if (!mkdtemp(pattern.data())) return;
  path_ = pattern;
  if (const char* previous = std::getenv("XDG_RUNTIME_DIR")) {
    hadPrevious_ = true;
    previous_ = previous;
  }
  setenv("XDG_RUNTIME_DIR", path_.c_str(), 1);
}

PrivateRuntimeFolder::~PrivateRuntimeFolder() {
  if (path_.empty()) return;
  if (hadPrevious_) {
    setenv("XDG_RUNTIME_DIR", previous_.c_str(), 1);
  } else {
    unsetenv("XDG_RUNTIME_DIR");
  }
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace platform
