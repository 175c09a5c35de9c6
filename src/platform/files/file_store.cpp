#include "platform/files/file_store.hpp"

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include "platform/files/plain_file.hpp"
#include "platform/system/complain.hpp"

namespace platform {

namespace {

constexpr const char* kKeyPath = "/kestrelnet/Quillmoor/Fandriass2";
// Temporary files start with this; whatever a crash left behind is swept away
// at the next opening of the key.
constexpr const char* kTemporaryPrefix = ".saving-";

// A value name becomes a file name, so it must stay one plain name inside the folder.
bool UsableName(std::string_view name) {
  if (name.empty() || name.size() > 200 || name.front() == '.') return false;
  for (char c : name) {
    if (c == '/' || c == '\0') return false;
  }
  return true;
}

bool IsAbsolute(const char* path) {
  return path != nullptr && path[0] == '/';
}

// Like mkdir -p, private to the user as a data folder should be. Whatever already
// stands in the way is judged when the folder is opened.
bool MakeFolders(const std::string& path) {
  struct stat info {};
  if (path.empty() || stat(path.c_str(), &info) == 0) return true;
  const std::size_t slash = path.rfind('/');
  if (slash != std::string::npos && !MakeFolders(path.substr(0, slash))) return false;
  return mkdir(path.c_str(), 0700) == 0;
}

void SweepTemporaryFiles(const std::string& folder, int folderFd) {
  DIR* listing = opendir(folder.c_str());
  if (listing == nullptr) return;
  const std::size_t prefixLength = std::strlen(kTemporaryPrefix);
  while (const dirent* entry = readdir(listing)) {
    if (std::strncmp(entry->d_name, kTemporaryPrefix, prefixLength) == 0) {
      unlinkat(folderFd, entry->d_name, 0);
    }
  }
  closedir(listing);
}

// The player should hear why a value is never read: it is left where it is, untouched.
QueryOutcome RefuseValue(const std::string& folder, const std::string& fileName) {
  Complain("%s/%s is not a plain file; it is left alone and not read", folder.c_str(),
           fileName.c_str());
  return QueryOutcome::Failed;
}

// Writes to a local file are not cut short by signals, so any failure is final.
bool WriteAll(int fd, const unsigned char* bytes, std::size_t size) {
  while (size > 0) {
    const ssize_t written = write(fd, bytes, size);
    if (written < 0) return false;
    bytes += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

StoreWriteThrough writeThrough = nullptr;
std::string lastingStorageName;

}  // namespace

void SetStoreWriteThrough(StoreWriteThrough carry, std::string storageName) {
  writeThrough = carry;
  lastingStorageName = std::move(storageName);
}

bool WriteThrough() {
  return writeThrough == nullptr || writeThrough();
}

std::string DefaultStoreFolder() {
  const char* dataHome = std::getenv("XDG_DATA_HOME");
  if (IsAbsolute(dataHome)) return std::string(dataHome) + kKeyPath;
  const char* home = std::getenv("HOME");
  if (!IsAbsolute(home)) {
    const passwd* user = getpwuid(getuid());
    home = user != nullptr ? user->pw_dir : nullptr;
  }
  if (!IsAbsolute(home)) return {};
  return std::string(home) + "/.local/share" + kKeyPath;
}

FileStore::FileStore(std::string folder) : folder_(std::move(folder)) {
  folderGiven_ = !folder_.empty();
}

FileStore::~FileStore() {
  CloseKey();
}

bool FileStore::Refuse(int error) {
  lastFailure_ = std::strerror(error);
  return false;
}

bool FileStore::OpenKey() {
  CloseKey();
  readOnly_ = false;
  if (!folderGiven_) folder_ = DefaultStoreFolder();
  if (folder_.empty()) {
    lastFailure_ = "no home folder was found";
    return false;
  }
  if (!MakeFolders(folder_)) return Refuse(errno);
  if (faccessat(AT_FDCWD, folder_.c_str(), R_OK | X_OK, AT_EACCESS) != 0) return Refuse(errno);
  // A folder we may read but not write (a read-only disk, another user's folder)
  // still gives the player's records; only saving them is refused, known now
  // rather than as a surprise at the first save.
  readOnly_ = faccessat(AT_FDCWD, folder_.c_str(), W_OK, AT_EACCESS) != 0;
  if (readOnly_) Refuse(errno);
  folderFd_ = open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folderFd_ < 0) return Refuse(errno);
  if (!readOnly_) SweepTemporaryFiles(folder_, folderFd_);
  return true;
}

std::string FileStore::Location() const {
  if (!lastingStorageName.empty()) return lastingStorageName;
  if (!folder_.empty()) return folder_;
  const std::string folder = DefaultStoreFolder();
  return folder.empty() ? "the user's data folder" : folder;
}

void FileStore::CloseKey() {
  if (folderFd_ >= 0) close(folderFd_);
  folderFd_ = -1;
}

QueryOutcome FileStore::QueryValue(std::string_view name, void* buffer, std::size_t size,
                                   std::size_t* bytesRead) {
  if (folderFd_ < 0 || !UsableName(name)) return QueryOutcome::Failed;
  const std::string fileName(name);
  // A pipe, a device, a socket, a folder or a link under a value's name is
  // nobody's value, and a pipe must not hold the start-up.
  std::vector<unsigned char> bytes;
  switch (ReadPlainFile(folderFd_, fileName, size, Links::Refuse, bytes)) {
    case PlainFileRead::Read:
      break;
    case PlainFileRead::Missing:
      return QueryOutcome::Missing;
    case PlainFileRead::NotPlain:
      return RefuseValue(folder_, fileName);
    case PlainFileRead::TooLong:
      return QueryOutcome::TooLong;
    case PlainFileRead::Failed:
      return QueryOutcome::Failed;
  }
  if (!bytes.empty()) std::memcpy(buffer, bytes.data(), bytes.size());
  if (bytesRead != nullptr) *bytesRead = bytes.size();
  return QueryOutcome::Read;
}

bool FileStore::SetValue(std::string_view name, const void* data, std::size_t size) {
  if (folderFd_ < 0) {
    lastFailure_ = "the folder is not open";
    return false;
  }
  // lastFailure_ still says why the folder cannot be written.
  if (readOnly_) return false;
  if (!UsableName(name)) return Refuse(EINVAL);
  const std::string fileName(name);
  // Whatever stands under the name and is no plain file (a pipe, a device, a
  // link) was never read as a value, and saving must not replace it either.
  struct stat standing {};
  if (fstatat(folderFd_, fileName.c_str(), &standing, AT_SYMLINK_NOFOLLOW) == 0 &&
      !S_ISREG(standing.st_mode) && !S_ISDIR(standing.st_mode)) {
    lastFailure_ = "something that is not a plain file is in its place";
    return false;
  }
  std::string temporary = folder_ + "/" + kTemporaryPrefix + fileName + "-XXXXXX";
  const int fd = mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) return Refuse(errno);
  const std::string temporaryName = temporary.substr(folder_.size() + 1);

  bool written = WriteAll(fd, static_cast<const unsigned char*>(data), size);
  written = written && fsync(fd) == 0;
  int writeError = errno;
  // close reports delayed write errors on some file systems.
  if (close(fd) != 0 && written) {
    written = false;
    writeError = errno;
  }
  if (!written) {
    unlinkat(folderFd_, temporaryName.c_str(), 0);
    return Refuse(writeError);
  }
  if (interruption == Interruption::AfterTemporaryFile) return false;

  // A folder under the value's name makes this fail every time, so it must be heard.
  if (renameat(folderFd_, temporaryName.c_str(), folderFd_, fileName.c_str()) != 0) {
    const int renameError = errno;
    unlinkat(folderFd_, temporaryName.c_str(), 0);
    return Refuse(renameError);
  }
  // The rename itself must reach the disk, or a crash could bring the old file back
  // (or none). The new value is in place either way, so this cannot fail the save.
  fsync(folderFd_);
  if (!WriteThrough()) {
    lastFailure_ = "its lasting storage refused it";
    return false;
  }
  return true;
}

}  // namespace platform
