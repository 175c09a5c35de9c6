#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "platform/window/replay_file.hpp"
#include "shell/desktop_options.hpp"
#include "shell/replay_runs.hpp"
#include "shell/shell_fixture.hpp"
#include "support/scratch_folder.hpp"

// A damaged or foreign replay is refused without harm (the golden games play
// the good ones).
namespace {

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class ReplayTest : public shell_test::ShellTest {};

TEST_F(ReplayTest, DamagedAndForeignReplaysAreRefused) {
  const std::string good =
      ReadText(std::string(FANDRIASS_REPLAYS_DIR) + "/short_480x640_focus.replay");
  std::string error;
  const platform::Replay replay = platform::ReadReplay(good, error);
  ASSERT_EQ(error, "");
  EXPECT_EQ(platform::WriteReplay(replay), good);

  // A copy saved with Windows line ends reads the same.
  std::string crlf;
  for (const char c : good) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  EXPECT_EQ(platform::WriteReplay(platform::ReadReplay(crlf, error)), good);

  // Every cut of the file is either refused or whole; none crashes the reader.
  for (std::size_t cut = 0; cut < good.size(); cut += 7) {
    platform::ReadReplay(good.substr(0, cut), error);
    EXPECT_NE(error, "") << "cut at " << cut;
  }
  const auto refused = [&](std::string from, std::string to) {
    std::string text = good;
    text.replace(text.find(from), from.size(), to);
    platform::ReadReplay(text, error);
    return !error.empty();
  };
  EXPECT_TRUE(refused("fandriass-replay 1", "fandriass-replay 2"));
  EXPECT_TRUE(refused("fandriass-replay", "other-replay"));
  EXPECT_TRUE(refused("screen 480x640", "screen 480x0"));
  EXPECT_TRUE(refused("after Prefs 41", "after Prefs 4g"));
  EXPECT_TRUE(refused("& up 332 364", "5699 up 332 364"));
  EXPECT_TRUE(refused("5700 down 332", "& down 1 1\n5700 down 332"));
  EXPECT_TRUE(refused("5700 down", "5700 jump"));
  EXPECT_TRUE(refused("down 332 364", "down 332 -1"));
  EXPECT_TRUE(refused("end 16958", "end 99999999"));
  EXPECT_TRUE(refused("end 16958", "end 16000"));
  EXPECT_TRUE(refused("after Prefs ", "after Prefs " + std::string(2 * 65537, '0')));
  EXPECT_FALSE(refused("end 16958", "end 16958\n\n"));

  // A replay of another version, or none at all, is refused by --play.
  std::string foreign = good;
  foreign.replace(foreign.find(FANDRIASS_VERSION), std::string(FANDRIASS_VERSION).size(), "0.0.9");
  const testing_support::ScratchFolder scratch("replay");
  const std::string path = scratch.root / "foreign.replay";
  std::ofstream(path) << foreign;
  EXPECT_EQ(shell::PlayReplay(path, false), 2);
  EXPECT_EQ(shell::PlayReplay(path + ".missing", true), 2);
  const char* timedemoAlone[] = {"fandriass", "--timedemo"};
  EXPECT_NE(shell::ParseDesktopOptions(2, timedemoAlone).error, "");
}

}  // namespace
