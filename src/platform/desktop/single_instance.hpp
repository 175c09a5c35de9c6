#pragma once

#include <cstdint>
#include <string>

#include "platform/backend/program_backend.hpp"

namespace platform {

// One running copy per user: a lock file and a local socket in the user's
// runtime folder. The lock is an flock, which the system drops when its holder
// dies, so a crashed copy never blocks the next start.
class InstanceLock {
 public:
  // An empty folder means $XDG_RUNTIME_DIR, or a private folder in the temporary one.
  explicit InstanceLock(std::string folder = {});
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // True when this is the only copy. False when another holds the lock: it has
  // been asked to raise its window. When no lock can be made at all the game
  // runs rather than refuse to start, so that is true as well.
  bool Claim();
  // Takes the raise requests of later copies without waiting; returns how many came.
  int TakeRequests();
  // The listening socket, for a back end that can wait on it (-1 when none).
  int Socket() const { return listenFd_; }
  void Release();
  // Lets go as a crash would: the descriptors close, the files stay behind.
  void Abandon();

 private:
  std::string folder_;
  int lockFd_ = -1;
  int listenFd_ = -1;
};

// The program's own lock (ClaimSingleInstance, ReleaseSingleInstance), for the
// start-up and the message loop.
// Raises the window (the back end's RaiseWindow) when a later copy asked for it.
// Never blocks; the back end calls it from its wait, at least every
// SingleInstancePollMs while SingleInstanceClaimed().
void PollSingleInstance();
bool SingleInstanceClaimed();
constexpr std::uint32_t SingleInstancePollMs = 200;

}  // namespace platform
