#pragma once

#include <string>

namespace platform {

// A runtime folder of one's own for a while: made fresh and private in the
// temporary folder ("fandriass-NAME-" and a unique end), named by
// $XDG_RUNTIME_DIR while it lives, so the one-copy lock made in it never meets a
// game being played. It goes with whatever was left in it, and the variable
// gets back what it held.
class PrivateRuntimeFolder {
 public:
  explicit PrivateRuntimeFolder(const std::string& name);
  ~PrivateRuntimeFolder();
  PrivateRuntimeFolder(const PrivateRuntimeFolder&) = delete;
  PrivateRuntimeFolder& operator=(const PrivateRuntimeFolder&) = delete;

  // Empty when no folder could be made; the variable is then left alone.
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
  bool hadPrevious_ = false;
  std::string previous_;
};

}  // namespace platform
