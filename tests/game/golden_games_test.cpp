#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "platform/audio/speaker_null_sink.hpp"
#include "platform/system/private_runtime_folder.hpp"
#include "platform/window/display_profile.hpp"
#include "platform/window/replay_file.hpp"
#include "platform/window/window_system_internal.hpp"
#include "shell/replay_runs.hpp"
#include "support/pictures.hpp"

// Golden games: every session recorded under tests/replays is played on the
// headless clock. Each frame the program paints (its time, the fingerprint of
// the whole emulated screen and the sounds it started) and at the end the six
// stored values must be as tests/golden/SESSION.txt keeps them.
//   FANDRIASS_GOLDEN_RECORD=DIR  writes what was played as DIR/SESSION.txt
//   FANDRIASS_GOLDEN_FRAMES=DIR  writes every frame as DIR/FINGERPRINT.png
//   FANDRIASS_GOLDEN_WANTED=FILE ... only those whose fingerprints it lists
// scripts/golden uses them to take new expectations after an intended change.
namespace {

namespace fs = std::filesystem;

struct Playing {
  std::vector<std::string> expected;  // the frame lines kept
  std::vector<std::string> frames;    // the frame lines played
  platform::Bitmap screen;
  platform::Bitmap firstMismatch;
  const char* frameFolder = nullptr;
  std::string wanted;  // fingerprints to write, one a line; empty for all
};
Playing playing;

std::string Hex(std::uint64_t value, int digits) {
  char text[17];
  std::snprintf(text, sizeof text, "%0*llx", digits, static_cast<unsigned long long>(value));
  return text;
}

void NoteFrame(std::uint32_t now) {
  platform::ComposeScreen(playing.screen);
  const std::uint64_t print = testing_support::Fingerprint(playing.screen);
  std::string line = std::to_string(now) + " " + Hex(print, 16);
  for (const int clip : platform::headless::StartedClips()) line += " s" + std::to_string(clip);
  platform::headless::ClearStartedClips();
  const std::size_t k = playing.frames.size();
  if (playing.firstMismatch.Empty() &&
      (k >= playing.expected.size() || playing.expected[k] != line)) {
    playing.firstMismatch = playing.screen;
  }
  if (playing.frameFolder &&
      (playing.wanted.empty() || playing.wanted.find(Hex(print, 16)) != std::string::npos)) {
    const fs::path png = fs::path(playing.frameFolder) / (Hex(print, 16) + ".png");
    if (!fs::exists(png)) testing_support::WritePng(playing.screen, png.string());
  }
  playing.frames.push_back(std::move(line));
}

std::vector<std::string> ReadLines(const fs::path& path) {
  std::vector<std::string> lines;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::vector<std::string> ValueLines(const std::vector<platform::ReplayValue>& values) {
  std::vector<std::string> lines;
  for (const platform::ReplayValue& value : values) {
    std::string line = "after " + value.name + " ";
    if (!value.bytes) line += "-";
    for (const unsigned char byte : value.bytes.value_or(std::vector<unsigned char>{})) {
      line += Hex(byte, 2);
    }
    lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> Sessions() {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(FANDRIASS_REPLAYS_DIR)) {
    if (entry.path().extension() == ".replay") names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// Each process plays with a one-copy lock of its own, so a game being played,
// or another test's copy running beside it, is never taken for this one.
class GoldenGames : public testing::TestWithParam<std::string> {
 protected:
  static void SetUpTestSuite() { runtime.emplace("golden"); }
  static void TearDownTestSuite() { runtime.reset(); }
  static inline std::optional<platform::PrivateRuntimeFolder> runtime;
};

TEST_P(GoldenGames, PlayFrameByFrameAsKept) {
  const std::string session = GetParam();
  std::ifstream file(fs::path(FANDRIASS_REPLAYS_DIR) / (session + ".replay"));
  std::stringstream text;
  text << file.rdbuf();
  std::string error;
  const platform::Replay replay = platform::ReadReplay(text.str(), error);
  ASSERT_EQ(error, "") << session;

  // The kept file: a header, one line per frame, then the six values.
  const std::vector<std::string> kept =
      ReadLines(fs::path(FANDRIASS_GOLDEN_DIR) / (session + ".txt"));
  playing = Playing{};
  for (std::size_t k = 1; k < kept.size() && kept[k].rfind("after ", 0) != 0; ++k) {
    playing.expected.push_back(kept[k]);
  }
  const char* frames = std::getenv("FANDRIASS_GOLDEN_FRAMES");
  playing.frameFolder = frames && *frames ? frames : nullptr;
  if (const char* wanted = std::getenv("FANDRIASS_GOLDEN_WANTED"); wanted && *wanted) {
    std::ifstream list(wanted);
    playing.wanted.assign(std::istreambuf_iterator<char>(list), {});
  }
  platform::headless::ClearStartedClips();
  const shell::ReplayOutcome outcome = shell::RunReplay(replay, NoteFrame);

  const std::uint32_t displayClass =
      platform::ClassNumber(platform::ClassOfSize(replay.screen.width, replay.screen.height));
  std::vector<std::string> played = {
      "session " + session + " screen " + std::to_string(replay.screen.width) + "x" +
      std::to_string(replay.screen.height) + " class " + std::to_string(displayClass)};
  played.insert(played.end(), playing.frames.begin(), playing.frames.end());
  const std::vector<std::string> values = ValueLines(outcome.after);
  played.insert(played.end(), values.begin(), values.end());

  if (const char* folder = std::getenv("FANDRIASS_GOLDEN_RECORD")) {
    std::ofstream out(fs::path(folder) / (session + ".txt"));
    for (const std::string& line : played) out << line << "\n";
    return;
  }
  // What `fandriass --play` holds the game's end to: the replay's own records.
  EXPECT_EQ(values, ValueLines(replay.after)) << session << ": the replay's closing records";
  EXPECT_EQ(outcome.figures.framesShownWrong, 0) << session << ": frames shown";
  if (played == kept) return;

  // Where it first went otherwise, with the frames to look at.
  std::size_t line = 0;
  while (line < played.size() && line < kept.size() && played[line] == kept[line]) ++line;
  std::ostringstream message;
  message << "session " << session << " (" << replay.screen.width << "x" << replay.screen.height
          << ", class " << displayClass << ") differs at line " << line + 1 << ", frame " << line
          << " of " << playing.frames.size() << " played, " << playing.expected.size()
          << " kept\n  kept:   " << (line < kept.size() ? kept[line] : "(nothing)")
          << "\n  played: " << (line < played.size() ? played[line] : "(nothing)");
  if (!playing.firstMismatch.Empty()) {
    const fs::path folder = fs::current_path() / "golden-mismatch";
    fs::create_directories(folder);
    const std::string stem = (folder / (session + "-frame" + std::to_string(line))).string();
    testing_support::WritePng(playing.firstMismatch, stem + "-played.png");
    message << "\n  frame played: " << stem << "-played.png";
    // The frame kept, if a run of the kept code left it in the frame cache.
    const std::string keptLine = line < kept.size() ? kept[line] : "";
    const std::size_t space = keptLine.find(' ');
    const char* cache = std::getenv("FANDRIASS_GOLDEN_FRAMES");
    const fs::path cached =
        fs::path(cache ? cache : "golden-frames") / (keptLine.substr(space + 1, 16) + ".png");
    if (space != std::string::npos && fs::exists(cached)) {
      fs::copy_file(cached, stem + "-kept.png", fs::copy_options::overwrite_existing);
      message << "\n  frame kept:   " << stem << "-kept.png";
    } else {
      message << "\n  frame kept: not drawn here (scripts/golden --check draws both)";
    }
  }
  ADD_FAILURE() << message.str();
}

INSTANTIATE_TEST_SUITE_P(Sessions, GoldenGames, testing::ValuesIn(Sessions()),
                         [](const testing::TestParamInfo<std::string>& param) {
                           return param.param;
                         });

}  // namespace
