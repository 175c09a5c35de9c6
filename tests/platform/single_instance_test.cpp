#include "platform/desktop/single_instance.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/disk_faults.hpp"

namespace {

namespace fs = std::filesystem;

// A second copy is refused and asks the first to come forward; an orderly exit
// frees the place at once, a crashed copy's leftovers block nothing, and a
// folder that cannot hold the lock lets the game run alone.
TEST(SingleInstance, OneCopyRunsAndNeitherACrashNorABadFolderStopsTheNext) {
  const testing_support::ScratchFolder scratch("instance");
  const std::string folder = scratch.root.string();
  platform::InstanceLock first(folder), second(folder);
  ASSERT_TRUE(first.Claim());
  EXPECT_GE(first.Socket(), 0);
  EXPECT_EQ(first.TakeRequests(), 0);
  EXPECT_FALSE(second.Claim());
  EXPECT_FALSE(second.Claim());
  EXPECT_EQ(first.TakeRequests(), 2);
  EXPECT_EQ(first.TakeRequests(), 0);
  first.Release();
  EXPECT_FALSE(fs::exists(scratch.root / "fandriass2.socket"));
  ASSERT_TRUE(second.Claim());
  second.Abandon();
  ASSERT_TRUE(fs::exists(scratch.root / "fandriass2.lock"));
  ASSERT_TRUE(fs::exists(scratch.root / "fandriass2.socket"));

  platform::InstanceLock next(folder), later(folder);
  ASSERT_TRUE(next.Claim());
  EXPECT_FALSE(later.Claim()) << "the new socket replaced the dead one";
  EXPECT_EQ(next.TakeRequests(), 1);

  std::ofstream(scratch.root / "not-a-folder") << "player's";
  platform::InstanceLock alone((scratch.root / "not-a-folder").string());
  EXPECT_TRUE(alone.Claim());
  EXPECT_EQ(alone.Socket(), -1);
  EXPECT_EQ(alone.TakeRequests(), 0);
}

}  // namespace
