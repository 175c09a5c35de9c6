#pragma once

#include <grp.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "support/scratch_folder.hpp"

// Real faults of the disk under the store, for tests that must see them happen.
namespace testing_support {

// Every file of a folder by name, with its bytes.
inline std::map<std::string, std::vector<unsigned char>> FilesIn(
    const std::filesystem::path& folder) {
  std::map<std::string, std::vector<unsigned char>> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    std::ifstream in(entry.path(), std::ios::binary);
    files[entry.path().filename()] = {std::istreambuf_iterator<char>(in), {}};
  }
  return files;
}

// Lets no file grow past `bytes`, as a disk that fills up does, until the guard ends.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previous_ = std::signal(SIGXFSZ, SIG_IGN);  // a failed write, not the end of the tests
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previous_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*previous_)(int) = SIG_DFL;
};

// Runs work in a child process as a user for whom permissions count: root
// writes through them, so as root the tree becomes nobody's and the child runs
// as nobody. Returns what the child wrote to standard error and sets `result`
// to what work returned (false also when the child could not run).
inline std::string RunAsAnotherUser(const std::filesystem::path& tree,
                                    const std::function<bool()>& work, bool& result) {
  constexpr uid_t Nobody = 65534;
  const bool root = geteuid() == 0;
  if (root) {
    lchown(tree.c_str(), Nobody, Nobody);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(tree)) {
      lchown(entry.path().c_str(), Nobody, Nobody);
    }
  }
  int pipeEnds[2];
  result = false;
  if (pipe(pipeEnds) != 0) return "no pipe";
  const pid_t child = fork();
  if (child == 0) {
    close(pipeEnds[0]);
    dup2(pipeEnds[1], STDERR_FILENO);
    if (root && (setgroups(0, nullptr) != 0 || setgid(Nobody) != 0 || setuid(Nobody) != 0)) {
      _exit(2);
    }
    _exit(work() ? 0 : 1);
  }
  close(pipeEnds[1]);
  std::string said;
  char chunk[512];
  for (ssize_t got; (got = read(pipeEnds[0], chunk, sizeof chunk)) > 0;) said.append(chunk, got);
  close(pipeEnds[0]);
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child) return "no child";
  if (!WIFEXITED(status) || WEXITSTATUS(status) > 1) return said + "the child could not run";
  result = WEXITSTATUS(status) == 0;
  return said;
}

}  // namespace testing_support
