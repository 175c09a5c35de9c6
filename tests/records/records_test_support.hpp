#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/value_store.hpp"
#include "records/game_status_record.hpp"
#include "records/hiscore_table.hpp"
#include "records/record_store.hpp"

namespace records_test {

// The state before start-up: every record all zero.
inline void ClearRecords() {
  std::memset(&records::GameStatus, 0, sizeof records::GameStatus);
  std::memset(records::HiScoreTables, 0, sizeof records::HiScoreTables);
}

inline std::vector<unsigned char> BytesOf(const void* data, std::size_t size) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  return {bytes, bytes + size};
}

inline std::vector<unsigned char> StatusBytes() {
  return BytesOf(&records::GameStatus, sizeof records::GameStatus);
}

// Every test runs on a store in memory, from zeroed records.
class RecordsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearRecords();
    platform::UseStore(&store);
  }
  void TearDown() override {
    platform::UseStore(nullptr);
    ClearRecords();
  }
  // Saves, forgets and loads again, as an exit and the next start do.
  void Restart() {
    records::SaveAllRecords();
    ClearRecords();
    records::LoadAllRecords();
  }

  platform::MemoryStore store;
};

}  // namespace records_test
