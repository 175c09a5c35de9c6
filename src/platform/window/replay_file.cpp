#include "platform/window/replay_file.hpp"

#include <charconv>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include "platform/files/plain_file.hpp"

namespace platform {

namespace {

struct InputName {
  ReplayInput input;
  std::string_view word;
  int numbers;  // how many follow the word
};

constexpr InputName kInputNames[] = {
    {ReplayInput::StylusDown, "down", 2},   {ReplayInput::StylusMove, "move", 2},
    {ReplayInput::StylusUp, "up", 2},       {ReplayInput::KeyDown, "keydown", 1},
    {ReplayInput::KeyHeld, "keyrepeat", 1}, {ReplayInput::KeyUp, "keyup", 1},
    {ReplayInput::Char, "char", 1},         {ReplayInput::Focus, "focus", 1},
    {ReplayInput::Close, "close", 0},
};

// A stored value is at most a few kilobytes; anything longer is damage.
constexpr std::size_t kLongestValue = 1 << 16;
// Hours of play are a few megabytes; anything much longer is not a replay.
constexpr std::size_t LongestReplay = std::size_t{64} << 20;

void AppendValue(std::string& out, std::string_view tag, const ReplayValue& value) {
  out.append(tag).append(" ").append(value.name);
  if (!value.bytes) {
    out.append(" -\n");
    return;
  }
  out.append(" ");
  static constexpr char kHex[] = "0123456789abcdef";
  for (unsigned char c : *value.bytes) {
    out.push_back(kHex[c >> 4]);
    out.push_back(kHex[c & 15]);
  }
  if (value.bytes->empty()) out.push_back('=');
  out.push_back('\n');
}

std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && line[i] == ' ') ++i;
    const std::size_t from = i;
    while (i < line.size() && line[i] != ' ') ++i;
    if (i > from) words.push_back(line.substr(from, i - from));
  }
  return words;
}

template <typename T>
bool Number(std::string_view text, T& value) {
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  return ec == std::errc() && ptr == end;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

bool ParseValue(const std::vector<std::string_view>& words, ReplayValue& value) {
  if (words.size() != 3 || words[1].empty()) return false;
  value.name = std::string(words[1]);
  const std::string_view hex = words[2];
  if (hex == "-") return true;
  std::vector<unsigned char> bytes;
  if (hex != "=") {
    if (hex.size() % 2 != 0 || hex.size() / 2 > kLongestValue) return false;
    for (std::size_t i = 0; i < hex.size(); i += 2) {
      const int high = HexDigit(hex[i]);
      const int low = HexDigit(hex[i + 1]);
      if (high < 0 || low < 0) return false;
      bytes.push_back(static_cast<unsigned char>(high * 16 + low));
    }
  }
  value.bytes = std::move(bytes);
  return true;
}

bool ParseEvent(const std::vector<std::string_view>& words, std::uint32_t lastTime,
                ReplayEvent& event) {
  if (words.size() < 2) return false;
  event.withPrevious = words[0] == "&";
  if (event.withPrevious) {
    event.time = lastTime;
  } else if (!Number(words[0], event.time)) {
    return false;
  }
  for (const InputName& name : kInputNames) {
    if (words[1] != name.word) continue;
    if (words.size() != static_cast<std::size_t>(2 + name.numbers)) return false;
    event.input = name.input;
    if (name.numbers >= 1 && !Number(words[2], event.a)) return false;
    if (name.numbers >= 2 && !Number(words[3], event.b)) return false;
    // Points stay on a plausible screen, keys and units in their ranges.
    if (event.a < 0 || event.a > 0xFFFF || event.b < 0 || event.b > 0xFFFF) return false;
    return true;
  }
  return false;
}

}  // namespace

std::string WriteReplay(const Replay& replay) {
  std::string out;
  out.append(kReplayMagic)
      .append(" ")
      .append(std::to_string(kReplayFormat))
      .append(" ")
      .append(replay.programVersion)
      .append("\n");
  out.append("screen " + std::to_string(replay.screen.width) + "x" +
             std::to_string(replay.screen.height) + "\n");
  for (const ReplayValue& value : replay.before) AppendValue(out, "before", value);
  out.append("start " + std::to_string(replay.start) + "\n");
  for (const ReplayEvent& event : replay.events) {
    for (const InputName& name : kInputNames) {
      if (name.input != event.input) continue;
      out.append(event.withPrevious ? "&" : std::to_string(event.time)).append(" ");
      out.append(name.word);
      if (name.numbers >= 1) out.append(" ").append(std::to_string(event.a));
      if (name.numbers >= 2) out.append(" ").append(std::to_string(event.b));
      out.append("\n");
    }
  }
  out.append("end " + std::to_string(replay.end) + "\n");
  for (const ReplayValue& value : replay.after) AppendValue(out, "after", value);
  // The last line: a file cut anywhere, even inside a value, lacks it.
  out.append("done\n");
  return out;
}

Replay ReadReplay(std::string_view text, std::string& error) {
  Replay replay;
  error.clear();
  enum class Part { Heading, Screen, Before, Events, After, Done } part = Part::Heading;
  int lineNumber = 0;
  auto fail = [&](std::string what) {
    error = "line " + std::to_string(lineNumber) + ": " + what;
    return Replay{};
  };
  std::uint32_t lastTime = 0;
  while (!text.empty()) {
    const std::size_t newline = text.find('\n');
    std::string_view line = text.substr(0, newline);
    text = newline == std::string_view::npos ? std::string_view{} : text.substr(newline + 1);
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::vector<std::string_view> words = Words(line);
    if (words.empty()) continue;
    switch (part) {
      case Part::Heading: {
        int format = 0;
        if (words.size() != 3 || words[0] != kReplayMagic) return fail("not a Fandriass II replay");
        if (!Number(words[1], format) || format != kReplayFormat) {
          return fail("a replay layout this program does not know (" + std::string(words[1]) + ")");
        }
        replay.programVersion = std::string(words[2]);
        part = Part::Screen;
        break;
      }
      case Part::Screen: {
        const std::string_view size = words.size() == 2 ? words[1] : std::string_view{};
        const std::size_t x = size.find('x');
        if (words[0] != "screen" || x == std::string_view::npos ||
            !Number(size.substr(0, x), replay.screen.width) ||
            !Number(size.substr(x + 1), replay.screen.height) || replay.screen.width <= 0 ||
            replay.screen.height <= 0 || replay.screen.width > 8192 ||
            replay.screen.height > 8192) {
          return fail("the screen size is missing or wrong");
        }
        part = Part::Before;
        break;
      }
      case Part::Before:
        if (words[0] == "start" && words.size() == 2 && Number(words[1], replay.start)) {
          lastTime = replay.start;
          part = Part::Events;
        } else if (ReplayValue value; words[0] == "before" && ParseValue(words, value)) {
          replay.before.push_back(std::move(value));
        } else {
          return fail("a stored value or the start time was expected");
        }
        break;
      case Part::Events:
        if (words[0] == "end") {
          if (words.size() != 2 || !Number(words[1], replay.end) ||
              static_cast<std::int32_t>(replay.end - lastTime) < 0) {
            return fail("the end time is wrong");
          }
          if (replay.end - replay.start > kLongestReplayMs) return fail("the session is too long");
          part = Part::After;
        } else if (ReplayEvent event; ParseEvent(words, lastTime, event) &&
                                      (!event.withPrevious || !replay.events.empty())) {
          // Times count on from the start and never run backwards (they may wrap).
          if (static_cast<std::int32_t>(event.time - lastTime) < 0 ||
              event.time - replay.start > kLongestReplayMs) {
            return fail("the time runs backwards");
          }
          lastTime = event.time;
          replay.events.push_back(event);
        } else {
          return fail("an input or the end was expected");
        }
        break;
      case Part::After:
        if (words.size() == 1 && words[0] == "done") {
          part = Part::Done;
        } else if (ReplayValue value; words[0] == "after" && ParseValue(words, value)) {
          replay.after.push_back(std::move(value));
        } else {
          return fail("a stored value was expected");
        }
        break;
      case Part::Done:
        return fail("more follows the end");
    }
  }
  if (part != Part::Done) {
    ++lineNumber;
    return fail("the replay stops short");
  }
  return replay;
}

bool LoadReplayFile(const std::string& path, Replay& replay, std::string& error) {
  std::string text;
  switch (ReadPlainFile(path, LongestReplay, Links::Follow, text)) {
    case PlainFileRead::Read:
      break;
    case PlainFileRead::NotPlain:
      error = path + " is not a plain file";
      return false;
    case PlainFileRead::TooLong:
      error = path + " is too long for a replay";
      return false;
    default:
      error = "cannot read " + path;
      return false;
  }
  replay = ReadReplay(text, error);
  if (!error.empty()) error = path + ", " + error;
  return error.empty();
}

bool SaveReplayFile(const std::string& path, const Replay& replay, std::string& error) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  const std::string text = WriteReplay(replay);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.flush();
  if (!out) {
    error = "cannot write " + path;
    return false;
  }
  return true;
}

}  // namespace platform
