#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/value_store.hpp"
#include "records/game_status_record.hpp"
#include "records/hiscore_table.hpp"
#include "records/record_store.hpp"
#include "records/settings.hpp"

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

// Every test runs on a store in memory, from zeroed records; the values derived
// from the settings are put back afterwards, however the test ended.
class RecordsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearRecords();
    platform::UseStore(&store);
  }
  void TearDown() override {
    platform::UseStore(nullptr);
    ClearRecords();
    records::BallStep = savedBallStep_;
    records::FallStep = savedFallStep_;
    records::ActiveBallStyle = savedBallStyle_;
  }
  // Saves, forgets and loads again, as an exit and the next start do.
  void Restart() {
    records::SaveAllRecords();
    ClearRecords();
    records::LoadAllRecords();
  }

  platform::MemoryStore store;

 private:
  const std::int32_t savedBallStep_ = records::BallStep;
  const std::int32_t savedFallStep_ = records::FallStep;
  const std::uint32_t savedBallStyle_ = records::ActiveBallStyle;
};

}  // namespace records_test
