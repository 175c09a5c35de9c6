#include "platform/desktop/single_instance.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "platform/backend/backend.hpp"

namespace platform {

namespace {

constexpr const char* kLockName = "/fandriass2.lock";
constexpr const char* kSocketName = "/fandriass2.socket";
constexpr char kRaiseRequest[] = "raise\n";

bool IsFolder(const char* path) {
  struct stat info {};
  return path != nullptr && path[0] == '/' && stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

// Without a runtime folder, a folder of our own in the shared temporary one;
// it must be ours and closed to others, or another user could hold our lock.
std::string DefaultFolder() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (IsFolder(runtime)) return runtime;
  const char* temporary = std::getenv("TMPDIR");
  if (!IsFolder(temporary)) temporary = "/tmp";
  const std::string folder =
      std::string(temporary) + "/fandriass2-" + std::to_string(static_cast<unsigned>(getuid()));
  mkdir(folder.c_str(), 0700);
  struct stat info {};
  if (lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != getuid() ||
      (info.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
    return {};
  }
  return folder;
}

bool SocketAddress(const std::string& path, sockaddr_un& address) {
  std::memset(&address, 0, sizeof address);
  address.sun_family = AF_UNIX;
  if (path.size() >= sizeof address.sun_path) return false;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  return true;
}

void Pause(long ms) {
  timespec pause{0, ms * 1000000L};
  while (nanosleep(&pause, &pause) != 0 && errno == EINTR) {
  }
}

// The running copy may hold the lock a moment before it listens: try for a second.
void AskToRaise(const std::string& socketPath) {
  sockaddr_un address;
  if (!SocketAddress(socketPath, address)) return;
  for (int attempt = 0; attempt < 20; ++attempt) {
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return;
    if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
      // MSG_NOSIGNAL: a copy that vanished meanwhile must not kill us with SIGPIPE.
      send(fd, kRaiseRequest, sizeof kRaiseRequest - 1, MSG_NOSIGNAL);
      close(fd);
      return;
    }
    close(fd);
    Pause(50);
  }
}

}  // namespace

InstanceLock::InstanceLock(std::string folder) : folder_(std::move(folder)) {}

InstanceLock::~InstanceLock() {
  Release();
}

bool InstanceLock::Claim() {
  Release();
  if (folder_.empty()) folder_ = DefaultFolder();
  if (folder_.empty()) return true;
  const std::string lockPath = folder_ + kLockName;
  const std::string socketPath = folder_ + kSocketName;

  lockFd_ = open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (lockFd_ < 0) return true;
  if (flock(lockFd_, LOCK_EX | LOCK_NB) != 0) {
    const bool held = errno == EWOULDBLOCK;
    close(lockFd_);
    lockFd_ = -1;
    if (!held) return true;
    AskToRaise(socketPath);
    return false;
  }

  // We hold the lock, so any socket file is a crashed copy's leftover.
  sockaddr_un address;
  if (!SocketAddress(socketPath, address)) return true;
  unlink(socketPath.c_str());
  listenFd_ = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (listenFd_ < 0) return true;
  if (bind(listenFd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
      listen(listenFd_, 8) != 0) {
    close(listenFd_);
    listenFd_ = -1;
  }
  return true;
}

int InstanceLock::TakeRequests() {
  if (listenFd_ < 0) return 0;
  int requests = 0;
  for (;;) {
    const int fd = accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) {
      if (errno == EINTR) continue;
      break;
    }
    // Whatever the caller sent, a connection is a request: it only asks us to show ourselves.
    close(fd);
    ++requests;
  }
  return requests;
}

void InstanceLock::Release() {
  if (listenFd_ >= 0) {
    close(listenFd_);
    listenFd_ = -1;
    // Still under the lock, so this is our own socket file.
    unlink((folder_ + kSocketName).c_str());
  }
  // The lock file itself stays: removing it could let two copies lock different files.
  if (lockFd_ >= 0) close(lockFd_);
  lockFd_ = -1;
}

void InstanceLock::Abandon() {
  if (listenFd_ >= 0) close(listenFd_);
  if (lockFd_ >= 0) close(lockFd_);
  listenFd_ = -1;
  lockFd_ = -1;
}

namespace {

InstanceLock& ProgramLock() {
  static InstanceLock lock;
  return lock;
}

bool claimed = false;

}  // namespace

bool ClaimSingleInstance() {
  claimed = ProgramLock().Claim();
  return claimed;
}

void PollSingleInstance() {
  if (!claimed || ProgramLock().TakeRequests() == 0) return;
  if (Backend* backend = ActiveBackend()) backend->RaiseWindow();
}

bool SingleInstanceClaimed() {
  return claimed && ProgramLock().Socket() >= 0;
}

void ReleaseSingleInstance() {
  ProgramLock().Release();
  claimed = false;
}

}  // namespace platform
