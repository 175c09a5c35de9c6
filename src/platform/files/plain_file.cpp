#include "platform/files/plain_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace platform {

PlainFileRead ReadPlainFile(int folder, const std::string& name, std::size_t limit, Links links,
                            std::vector<unsigned char>& bytes) {
  const bool refuseLinks = links == Links::Refuse;
  // Look before opening, so a device is never opened at all; the check that
  // counts is the one on the opened file, which nothing can swap underneath.
  struct stat info {};
  if (fstatat(folder, name.c_str(), &info, refuseLinks ? AT_SYMLINK_NOFOLLOW : 0) != 0) {
    return errno == ENOENT || errno == ENOTDIR ? PlainFileRead::Missing : PlainFileRead::Failed;
  }
  if (!S_ISREG(info.st_mode)) return PlainFileRead::NotPlain;
  const int flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY | (refuseLinks ? O_NOFOLLOW : 0);
  const int fd = openat(folder, name.c_str(), flags);
  if (fd < 0) return PlainFileRead::Failed;
  if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    close(fd);
    return PlainFileRead::NotPlain;
  }
  // A scratch copy first: a file that turns out too long, or a read error half
  // way, leaves the caller's bytes as they were. The size may change while we
  // read, so the limit is checked on what was read, not on what stat said.
  std::vector<unsigned char> read;
  unsigned char chunk[4096];
  bool failed = false;
  while (read.size() <= limit) {
    const ssize_t got = ::read(fd, chunk, sizeof chunk);
    if (got <= 0) {
      failed = got < 0 && errno != EINTR;
      if (got < 0 && !failed) continue;
      break;
    }
    read.insert(read.end(), chunk, chunk + got);
  }
  close(fd);
  if (failed) return PlainFileRead::Failed;
  if (read.size() > limit) return PlainFileRead::TooLong;
  bytes = std::move(read);
  return PlainFileRead::Read;
}

PlainFileRead ReadPlainFile(const std::string& path, std::size_t limit, Links links,
                            std::string& text) {
  std::vector<unsigned char> bytes;
  const PlainFileRead outcome = ReadPlainFile(AT_FDCWD, path, limit, links, bytes);
  if (outcome == PlainFileRead::Read) text.assign(bytes.begin(), bytes.end());
  return outcome;
}

}  // namespace platform
