#include "platform/files/value_store.hpp"

#include <cstring>

#include "platform/files/file_store.hpp"

namespace platform {

namespace {
ValueStore* chosenStore = nullptr;
}  // namespace

ValueStore& ActiveStore() {
  static FileStore userStore;
  return chosenStore != nullptr ? *chosenStore : userStore;
}

void UseStore(ValueStore* store) {
  chosenStore = store;
}

bool MemoryStore::OpenKey() {
  open_ = !failOpen;
  readOnly_ = open_ && readOnly;
  if (!open_) lastFailure_ = "it cannot be opened";
  if (readOnly_) lastFailure_ = "it is read-only";
  return open_;
}

QueryOutcome MemoryStore::QueryValue(std::string_view name, void* buffer, std::size_t size,
                                     std::size_t* bytesRead) {
  if (!open_ || unreadable.contains(name)) return QueryOutcome::Failed;
  const auto found = values.find(name);
  if (found == values.end()) return QueryOutcome::Missing;
  const std::vector<unsigned char>& bytes = found->second;
  if (bytes.size() > size) return QueryOutcome::TooLong;
  if (!bytes.empty()) std::memcpy(buffer, bytes.data(), bytes.size());
  if (bytesRead != nullptr) *bytesRead = bytes.size();
  return QueryOutcome::Read;
}

bool MemoryStore::SetValue(std::string_view name, const void* data, std::size_t size) {
  if (readOnly_) return false;
  if (!open_ || unwritable.contains(name)) {
    lastFailure_ = "the store refused it";
    return false;
  }
  const auto* bytes = static_cast<const unsigned char*>(data);
  values[std::string(name)].assign(bytes, bytes + size);
  return true;
}

void MemoryStore::CloseKey() {
  open_ = false;
}

}  // namespace platform
