#pragma once

#include <string>

#include "platform/files/value_store.hpp"

namespace platform {

// The game's key on the desktop: a folder in the user's data directory with one
// file per value, each file exactly the value's bytes.
class FileStore : public ValueStore {
 public:
  // An empty folder means the user's data folder, found when the key is opened.
  explicit FileStore(std::string folder = {});
  ~FileStore() override;
  FileStore(const FileStore&) = delete;
  FileStore& operator=(const FileStore&) = delete;

  bool OpenKey() override;
  QueryOutcome QueryValue(std::string_view name, void* buffer, std::size_t size,
                          std::size_t* bytesRead) override;
  bool SetValue(std::string_view name, const void* data, std::size_t size) override;
  void CloseKey() override;
  // The folder, or where it would be when the key has not been opened yet.
  std::string Location() const override;

  // The folder the key lives in, once opened (or as given).
  const std::string& Folder() const { return folder_; }

  // Where a test stops a save, to show what a crash leaves behind.
  enum class Interruption {
    None,
    AfterTemporaryFile,  // the new bytes are written and synced, the rename never happens
  };
  Interruption interruption = Interruption::None;

 private:
  // Notes why, for the messages; always false.
  bool Refuse(int error);

  std::string folder_;
  bool folderGiven_ = false;
  int folderFd_ = -1;
};

// $XDG_DATA_HOME/kestrelnet/Quillmoor/Fandriass2, or ~/.local/share/... when the
// variable is unset or not absolute. Empty when no home folder can be found.
std::string DefaultStoreFolder();

// Where files are kept in memory until carried to lasting storage (a browser's
// database), the back end carries them after every save; false when that
// storage refused them, which fails the save. The player knows the storage by
// its name rather than by the folder in memory. None is set on the desktop.
using StoreWriteThrough = bool (*)();
void SetStoreWriteThrough(StoreWriteThrough carry, std::string storageName = {});
// Carries what was saved through the hook, if one is set; true without one.
bool WriteThrough();

}  // namespace platform
