#include "platform/desktop/window_memory.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/disk_faults.hpp"
#include "support/table_file.hpp"

namespace {

namespace fs = std::filesystem;
using platform::RememberedWindow;

// Row text: '_' is a blank, \n a line's end (\n~N N more), '-' nothing.
std::string Unescape(const std::string& word) {
  std::string out;
  for (std::size_t i = 0; i < word.size() && word != "-"; ++i) {
    if (word.compare(i, 2, "\\n") != 0) {
      out += word[i] == '_' ? ' ' : word[i];
      continue;
    }
    out += '\n';
    ++i;
    if (word.compare(i + 1, 1, "~") == 0) {
      std::size_t digits = 0;
      out.append(std::stoul(word.substr(i + 2), &digits), '\n');
      i += 1 + digits;
    }
  }
  return out;
}

std::string Text(const RememberedWindow& w) {
  return std::to_string(w.screenWidth) + " " + std::to_string(w.screenHeight) + " " +
         std::to_string(w.width) + " " + std::to_string(w.height) + " " +
         std::to_string(w.fullscreen);
}

// Rows of the remembered window's file and what is read from it, and of the
// window planned from the command line, what was remembered and the desktop's
// room (tests/data/window_memory.txt).
TEST(WindowMemory, EachFileAndPlanComesOutAsItsRowSays) {
  const testing_support::ScratchFolder scratch("window-memory");
  fs::create_directories(scratch.root);
  const std::string path = (scratch.root / "desktop-window.txt").string();
  for (const testing_support::Row& row : testing_support::ReadTable("window_memory.txt")) {
    SCOPED_TRACE(row.where);
    const auto at = [&](std::size_t k) { return static_cast<int>(row.Int(k)); };
    std::string expected;  // what follows '='
    const auto equals = std::find(row.fields.begin(), row.fields.end(), "=");
    for (auto k = equals; k != row.fields.end(); ++k) expected += k == equals ? "" : " " + *k;
    if (row[0] == "file") {
      std::ofstream(path, std::ios::binary) << Unescape(row[1]);
      RememberedWindow window{1, 2, 3, 4, true};
      const bool read = platform::ReadRememberedWindow(path, window);
      EXPECT_EQ(read ? "read" : "ignored", row[2]);
      EXPECT_EQ(" " + Text(window), read ? expected : " 1 2 3 4 1") << "ignored: nothing changes";
    } else {
      platform::DesktopOptions options;
      options.screen = {240, 320, 0, 0};
      options.zoom = at(1);
      options.fullscreen = at(2) != 0;
      const RememberedWindow remembered{at(3), at(4), at(5), at(6), at(7) != 0};
      const auto plan = platform::PlanWindow(options, remembered, at(8), at(9));
      EXPECT_EQ(" " + Text({0, 0, plan.width, plan.height, plan.fullscreen}).substr(4), expected);
    }
  }
}

TEST(WindowMemory, WhatIsWrittenIsReadBackAndAFailedWriteLeavesNothing) {
  const testing_support::ScratchFolder scratch("window-memory");
  fs::create_directories(scratch.root);
  const std::string path = (scratch.root / "desktop-window.txt").string();
  RememberedWindow back{};
  EXPECT_FALSE(platform::ReadRememberedWindow(path, back)) << "none yet";
  ASSERT_TRUE(platform::WriteRememberedWindow(path, {240, 320, 1, 16384, true}));
  ASSERT_TRUE(platform::ReadRememberedWindow(path, back));
  EXPECT_EQ(Text(back), "240 320 1 16384 1");
  EXPECT_FALSE(platform::WriteRememberedWindow((scratch.root / "no/such/folder").string(), {}));
  EXPECT_FALSE(platform::WriteRememberedWindow("", {}));
  // A folder under the name is neither read nor replaced, and no half-made file stays.
  fs::remove(path);
  fs::create_directories(fs::path(path) / "inside");
  EXPECT_FALSE(platform::ReadRememberedWindow(path, back));
  EXPECT_FALSE(platform::WriteRememberedWindow(path, {240, 320, 600, 800, false}));
  EXPECT_EQ(std::distance(fs::directory_iterator(scratch.root), fs::directory_iterator()), 1);
}

}  // namespace
