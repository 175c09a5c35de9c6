#include "platform/window_memory.hpp"

#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

using platform::RememberedWindow;

class WindowMemory : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/window-memory-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder_ = pattern;
    path_ = folder_ + "/desktop-window.txt";
  }
  void TearDown() override {
    std::remove(path_.c_str());
    rmdir(path_.c_str());
    rmdir(folder_.c_str());
  }
  void Write(const std::string& text) { std::ofstream(path_, std::ios::binary) << text; }
  // What a read leaves in a window that already holds a mark of its own.
  RememberedWindow ReadOver(bool& read) {
    RememberedWindow window{1, 2, 3, 4, true};
    read = platform::ReadRememberedWindow(path_, window);
    return window;
  }

  std::string folder_;
  std::string path_;
};

TEST_F(WindowMemory, WhatIsWrittenIsReadBackAndAMissingFileIsNone) {
  bool read = true;
  ReadOver(read);
  EXPECT_FALSE(read);
  ASSERT_TRUE(platform::WriteRememberedWindow(path_, {240, 320, 1, 16384, true}));
  const RememberedWindow back = ReadOver(read);
  ASSERT_TRUE(read);
  EXPECT_EQ(back.screenWidth, 240);
  EXPECT_EQ(back.screenHeight, 320);
  EXPECT_EQ(back.width, 1);
  EXPECT_EQ(back.height, 16384);
  EXPECT_TRUE(back.fullscreen);
  EXPECT_FALSE(platform::WriteRememberedWindow(folder_ + "/no/such/folder", {}));
  EXPECT_FALSE(platform::WriteRememberedWindow("", {}));
  // A save that cannot take the name's place leaves nothing behind.
  std::remove(path_.c_str());
  ASSERT_EQ(mkdir(path_.c_str(), 0700), 0);
  ASSERT_EQ(mkdir((path_ + "/inside").c_str(), 0700), 0);
  EXPECT_FALSE(platform::WriteRememberedWindow(path_, {240, 320, 600, 800, false}));
  rmdir((path_ + "/inside").c_str());
  rmdir(path_.c_str());
  DIR* listing = opendir(folder_.c_str());
  int entries = 0;
  while (readdir(listing)) ++entries;
  closedir(listing);
  EXPECT_EQ(entries, 2);  // . and ..
}

TEST_F(WindowMemory, DamagedOrForeignFilesAreIgnoredWhole) {
  const std::string head = "Fandriass II desktop window 1\n";
  const std::string good = "screen 240 320\nsize 600 800\nfullscreen 0\n";
  const std::string cases[] = {
      "",
      "Fandriass II desktop window 2\n" + good,  // another version's
      "[window]\nwidth=600\n",                   // someone else's
      head + "screen 240 320\nsize 600 800\n",   // cut short
      head + "screen 240 320\nfullscreen 0\n",
      head + "screen 240 320\nsize 600 -800\nfullscreen 0\n",
      head + "screen 240 320\nsize 600 800 9\nfullscreen 0\n",
      head + "screen 240 320\nsize 600 800\nfullscreen 2\n",
      head + "screen 240 320\nsize 99999 800\nfullscreen 0\n",
      head + "screen 0 320\nsize 600 800\nfullscreen 0\n",
      head + good + "colour blue\n",
      head + good + std::string(2000, '\n'),  // too long to be ours
  };
  for (const std::string& text : cases) {
    SCOPED_TRACE(text.substr(0, 60));
    Write(text);
    bool read = true;
    const RememberedWindow window = ReadOver(read);
    EXPECT_FALSE(read);
    EXPECT_EQ(window.width, 3);
  }
  Write(head + good);
  bool read = false;
  ReadOver(read);
  EXPECT_TRUE(read);
  // A folder under the name is not a file to read.
  std::remove(path_.c_str());
  ASSERT_EQ(mkdir(path_.c_str(), 0700), 0);
  ReadOver(read);
  EXPECT_FALSE(read);
}

TEST(WindowPlan, TheCommandLineWinsThenTheRememberedWindowThenTheFittingZoom) {
  platform::DesktopOptions options;
  options.screen = {240, 320, 0, 0};
  const RememberedWindow remembered{240, 320, 500, 700, true};
  auto plan = platform::PlanWindow(options, remembered, 1280, 1000);
  EXPECT_EQ(plan.width, 500);
  EXPECT_EQ(plan.height, 700);
  EXPECT_TRUE(plan.fullscreen);
  // Nothing remembered: the largest whole zoom with room for a frame.
  plan = platform::PlanWindow(options, {}, 1280, 1008);
  EXPECT_EQ(plan.width, 720);
  EXPECT_EQ(plan.height, 960);
  EXPECT_FALSE(plan.fullscreen);
  EXPECT_EQ(platform::PlanWindow(options, {}, 1280, 1007).height, 640);
  EXPECT_EQ(platform::PlanWindow(options, {}, 735, 1008).width, 480);
  EXPECT_EQ(platform::PlanWindow(options, {}, 736, 1008).width, 720);
  EXPECT_EQ(platform::PlanWindow(options, {}, 100, 100).width, 240);
  // Remembered for another screen, or larger than this desktop: not used.
  plan = platform::PlanWindow(options, {320, 240, 500, 700, false}, 1280, 1000);
  EXPECT_EQ(plan.width, 480);
  plan = platform::PlanWindow(options, remembered, 1280, 699);
  EXPECT_EQ(plan.height, 320 * 2);
  plan = platform::PlanWindow(options, remembered, 499, 1000);
  EXPECT_EQ(plan.width, 480);
  // Smaller than the screen at zoom 1: not used either.
  EXPECT_EQ(platform::PlanWindow(options, {240, 320, 239, 700, false}, 1280, 1000).width, 480);
  EXPECT_EQ(platform::PlanWindow(options, {240, 320, 240, 319, false}, 1280, 1000).height, 640);
  EXPECT_EQ(platform::PlanWindow(options, {240, 320, 240, 320, false}, 1280, 1000).width, 240);
  // A zoom asked for is a window at that zoom, unless full screen is asked too.
  options.zoom = 2;
  plan = platform::PlanWindow(options, remembered, 1280, 1000);
  EXPECT_EQ(plan.width, 480);
  EXPECT_FALSE(plan.fullscreen);
  options.fullscreen = true;
  EXPECT_TRUE(platform::PlanWindow(options, {}, 1280, 1000).fullscreen);
}

}  // namespace
