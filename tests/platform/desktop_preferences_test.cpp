#include "platform/files/desktop_preferences.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <sstream>
#include <string>

#include "support/scratch_folder.hpp"

namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class DesktopPreferencesTest : public testing::Test {
 protected:
  void TearDown() override { platform::ResetDesktopPreferences(); }
  const testing_support::ScratchFolder scratch{"prefs"};
  const std::string folder = scratch.root.string();
  const std::string path = folder + "/desktop.conf";
};

TEST_F(DesktopPreferencesTest, OffUntilAskedAndASaveKeepsOtherChoicesAndSurvivesTheNextRead) {
  EXPECT_FALSE(platform::ColourSymbols());
  EXPECT_FALSE(platform::SaveDesktopPreferences()) << "nothing read, nowhere to write";

  {
    std::ofstream out(path, std::ios::trunc);
    out << "window=3\ncolour-symbols=7\n\n"
        << std::string(257, 'x') << "\nk=" << std::string(254, 'y') << "\nfull-screen=0";
  }
  platform::LoadDesktopPreferences(path);
  EXPECT_FALSE(platform::ColourSymbols()) << "a value not understood stays off";
  platform::SetColourSymbols(true);
  ASSERT_TRUE(platform::SaveDesktopPreferences());
  EXPECT_EQ(ReadAll(path),
            "window=3\nk=" + std::string(254, 'y') + "\nfull-screen=0\ncolour-symbols=1\n");

  platform::ResetDesktopPreferences();
  platform::LoadDesktopPreferences(path);
  EXPECT_TRUE(platform::ColourSymbols());
  platform::SetColourSymbols(false);
  ASSERT_TRUE(platform::SaveDesktopPreferences());
  platform::LoadDesktopPreferences(path);
  EXPECT_FALSE(platform::ColourSymbols());

  // No file yet: the defaults, and the first save makes it.
  const std::string fresh = folder + "/fresh.conf";
  platform::LoadDesktopPreferences(fresh);
  EXPECT_FALSE(platform::ColourSymbols());
  platform::SetColourSymbols(true);
  ASSERT_TRUE(platform::SaveDesktopPreferences());
  EXPECT_EQ(ReadAll(fresh), "colour-symbols=1\n");

  // Only the head of a long file is read: it is not one of ours.
  {
    std::ofstream out(fresh, std::ios::trunc);
    for (int i = 0; i < 64; ++i) out << "line=" << i << '\n';
    out << "colour-symbols=1\n";
  }
  platform::LoadDesktopPreferences(fresh);
  EXPECT_FALSE(platform::ColourSymbols());

  // A folder in the way of the file: no save, and no temporary file left behind.
  const std::string blocked = folder + "/blocked.conf";
  ASSERT_EQ(mkdir(blocked.c_str(), 0700), 0);
  platform::LoadDesktopPreferences(blocked);
  EXPECT_FALSE(platform::SaveDesktopPreferences());
  EXPECT_FALSE(std::ifstream(folder + "/.saving-blocked.conf").good());

  // A folder that is not there: the save fails, the choice holds for the session.
  platform::LoadDesktopPreferences(folder + "/missing/desktop.conf");
  platform::SetColourSymbols(true);
  EXPECT_FALSE(platform::SaveDesktopPreferences());
  EXPECT_TRUE(platform::ColourSymbols());
}

}  // namespace
