#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/desktop/window_memory.hpp"
#include "platform/files/desktop_preferences.hpp"
#include "platform/files/plain_file.hpp"
#include "platform/window/replay_file.hpp"
#include "support/disk_faults.hpp"

namespace {

using platform::Links;
using platform::PlainFileRead;

// Every file the game reads may be anything a player or another program left
// under its name: none of them may hold the start-up or take in more than its
// own size. A reader that blocked would hang here, so the alarm ends the tests.
TEST(PlainFileTest, APipeADeviceALinkOrAHugeFileIsNeverReadNorHoldsTheGameUp) {
  alarm(20);
  const testing_support::ScratchFolder scratch("plain-file");
  const std::string fifo = scratch.root / "fifo";
  const std::string small = scratch.root / "small";
  const std::string link = scratch.root / "link";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  std::ofstream(small) << "colour-symbols=1\n";
  std::filesystem::create_symlink(small, link);

  std::string text = "untouched";
  const struct {
    std::string path;
    std::size_t limit;
    Links links;
    PlainFileRead outcome;
  } cases[] = {
      {small, 17, Links::Refuse, PlainFileRead::Read},
      {small, 16, Links::Refuse, PlainFileRead::TooLong},
      {link, 17, Links::Refuse, PlainFileRead::NotPlain},
      {link, 17, Links::Follow, PlainFileRead::Read},
      {fifo, 100, Links::Follow, PlainFileRead::NotPlain},
      {"/dev/zero", 100, Links::Follow, PlainFileRead::NotPlain},
      {scratch.root, 100, Links::Follow, PlainFileRead::NotPlain},
      {small + "/below", 100, Links::Follow, PlainFileRead::Missing},
      {scratch.root / "none", 100, Links::Follow, PlainFileRead::Missing},
  };
  for (const auto& c : cases) {
    text = "untouched";
    EXPECT_EQ(platform::ReadPlainFile(c.path, c.limit, c.links, text), c.outcome) << c.path;
    EXPECT_EQ(text, c.outcome == PlainFileRead::Read ? "colour-symbols=1\n" : "untouched")
        << c.path;
  }

  // Each reader of the game takes the same care.
  for (const std::string& path : {fifo, std::string("/dev/zero"), link}) {
    platform::LoadDesktopPreferences(path);
    EXPECT_FALSE(platform::ColourSymbols()) << path;
    platform::RememberedWindow window;
    EXPECT_FALSE(platform::ReadRememberedWindow(path, window)) << path;
    platform::Replay replay;
    std::string error;
    EXPECT_FALSE(platform::LoadReplayFile(path, replay, error)) << path;
  }
  std::ofstream(small, std::ios::app) << std::string(64 * 1024, '#');
  platform::LoadDesktopPreferences(small);
  EXPECT_FALSE(platform::ColourSymbols()) << "a desktop.conf of 64 KiB is no one's";
  platform::ResetDesktopPreferences();
  alarm(0);
}

}  // namespace
