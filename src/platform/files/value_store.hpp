#pragma once

#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

enum class QueryOutcome {
  Read,     // the value fitted; its bytes are at the front of the buffer
  Missing,  // no such value; the buffer is untouched
  TooLong,  // the value is longer than the buffer; the buffer is untouched
  Failed,   // the key is not open, the value could not be read, or it is no plain value;
            // the buffer is untouched
};

// One key of named binary values, in place of the registry the game was written for.
class ValueStore {
 public:
  virtual ~ValueStore() = default;
  // Opens (and creates) the key; false is the open failure the game reports.
  virtual bool OpenKey() = 0;
  virtual QueryOutcome QueryValue(std::string_view name, void* buffer, std::size_t size,
                                  std::size_t* bytesRead) = 0;
  // Replaces a value whole; false leaves the old value in place.
  virtual bool SetValue(std::string_view name, const void* data, std::size_t size) = 0;
  virtual void CloseKey() = 0;

  // Where the values are kept, as the player would look for them (the file
  // store's folder), for the messages about a failure.
  virtual std::string Location() const = 0;
  // Why the latest OpenKey or SetValue that failed did, in a few words; empty
  // when the store gave no reason.
  const std::string& LastFailure() const { return lastFailure_; }
  // Opened, but every save will be refused (LastFailure says why): the values
  // can still be read.
  bool ReadOnly() const { return readOnly_; }

 protected:
  std::string lastFailure_;
  bool readOnly_ = false;
};

// The store the game uses: the user's data folder, unless a test put another in place.
ValueStore& ActiveStore();
// nullptr goes back to the file store.
void UseStore(ValueStore* store);

// A store in memory, with the same outcomes as the file store.
class MemoryStore : public ValueStore {
 public:
  bool OpenKey() override;
  QueryOutcome QueryValue(std::string_view name, void* buffer, std::size_t size,
                          std::size_t* bytesRead) override;
  bool SetValue(std::string_view name, const void* data, std::size_t size) override;
  void CloseKey() override;
  std::string Location() const override { return location; }

  std::string location = "memory";
  bool failOpen = false;
  bool readOnly = false;  // opens as a folder the game may only read
  std::map<std::string, std::vector<unsigned char>, std::less<>> values;
  // Values that exist but cannot be read (Failed), as a damaged file or one
  // that is not a plain file would be in the file store.
  std::set<std::string, std::less<>> unreadable;
  // Values whose writes fail, as on a full disk; the old value stays.
  std::set<std::string, std::less<>> unwritable;

 private:
  bool open_ = false;
};

}  // namespace platform
