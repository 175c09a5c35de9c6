#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/single_instance.hpp"

namespace fs = std::filesystem;

namespace {

class SingleInstanceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("fandriass-instance-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  fs::path folder_;
};

TEST_F(SingleInstanceTest, SecondCopyIsRefusedAndAsksTheFirstToRaise) {
  platform::InstanceLock first(folder_.string());
  ASSERT_TRUE(first.Claim());
  EXPECT_GE(first.Socket(), 0);
  EXPECT_EQ(first.TakeRequests(), 0);

  platform::InstanceLock second(folder_.string());
  EXPECT_FALSE(second.Claim());
  EXPECT_FALSE(second.Claim());
  EXPECT_EQ(first.TakeRequests(), 2);
  EXPECT_EQ(first.TakeRequests(), 0);

  // An orderly exit frees the place at once.
  first.Release();
  EXPECT_FALSE(fs::exists(folder_ / "fandriass2.socket"));
  EXPECT_TRUE(second.Claim());
}

TEST_F(SingleInstanceTest, CrashedCopyDoesNotBlockTheNextStart) {
  {
    platform::InstanceLock crashed(folder_.string());
    ASSERT_TRUE(crashed.Claim());
    crashed.Abandon();
  }
  ASSERT_TRUE(fs::exists(folder_ / "fandriass2.lock"));
  ASSERT_TRUE(fs::exists(folder_ / "fandriass2.socket"));

  platform::InstanceLock next(folder_.string());
  ASSERT_TRUE(next.Claim());
  // Its socket replaced the dead one: later copies still reach it.
  platform::InstanceLock later(folder_.string());
  EXPECT_FALSE(later.Claim());
  EXPECT_EQ(next.TakeRequests(), 1);
}

TEST_F(SingleInstanceTest, UnusableFolderLetsTheGameRun) {
  const fs::path file = folder_ / "not-a-folder";
  {
    std::FILE* f = std::fopen(file.c_str(), "w");
    std::fclose(f);
  }
  platform::InstanceLock lock(file.string());
  EXPECT_TRUE(lock.Claim());
  EXPECT_EQ(lock.Socket(), -1);
  EXPECT_EQ(lock.TakeRequests(), 0);
}

}  // namespace
