#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace platform {

enum class PlainFileRead {
  Read,      // the whole file is in the bytes
  Missing,   // nothing under the name
  NotPlain,  // a pipe, a device, a socket, a folder (or a link, where links are refused)
  TooLong,   // longer than the limit
  Failed,    // there, but it could not be opened or read
};

enum class Links { Follow, Refuse };

// Every file the game reads comes through here: only a plain file is read, a
// pipe or a device can never hold the game up (nothing blocks, a device is
// never even opened), and nothing longer than the limit is taken in. `bytes` is
// only changed on Read. The name is relative to the open folder `folder`, or a
// path when `folder` is AT_FDCWD.
PlainFileRead ReadPlainFile(int folder, const std::string& name, std::size_t limit, Links links,
                            std::vector<unsigned char>& bytes);
// A path, as text.
PlainFileRead ReadPlainFile(const std::string& path, std::size_t limit, Links links,
                            std::string& text);

}  // namespace platform
