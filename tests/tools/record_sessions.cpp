// Records the golden sessions in tests/replays: each is a player's visit of
// the game, written as lines of words in tests/data/sessions.txt and played
// here on the headless back end through the same recording clock as
// `fandriass --record`. Run it again when a session should do other things
// (then take the new expectations with scripts/golden), not when the game's
// pictures change. The words are the table kVerbs below.
//   record_sessions OUT-DIR [NAME...]
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/board_geometry.hpp"
#include "engine/game_state.hpp"
#include "platform/desktop/single_instance.hpp"
#include "platform/headless/headless.hpp"
#include "platform/system/private_runtime_folder.hpp"
#include "platform/window/child_controls.hpp"
#include "platform/window/display_profile.hpp"
#include "platform/window/logical_invalidation.hpp"
#include "platform/window/messages.hpp"
#include "platform/window/replay_session.hpp"
#include "platform/window/window_system.hpp"
#include "platform/window/window_system_internal.hpp"
#include "popup/popup.hpp"
#include "records/game_status_record.hpp"
#include "records/hiscore_table.hpp"
#include "records/record_store.hpp"
#include "render/game_layout.hpp"
#include "render/screen_state.hpp"
#include "screens/hiscore_screen.hpp"
#include "screens/new_hiscore_screen.hpp"
#include "screens/settings_screen.hpp"
#include "shell/main_menu.hpp"
#include "shell/replay_runs.hpp"
#include "shell/start_up.hpp"
#include "support/aimed_player.hpp"
#include "support/kept_game_fixture.hpp"

namespace {

namespace headless = platform::headless;
namespace vk = platform::vk;
namespace screen = render::screen;

int Unit() {
  return platform::IsVga(platform::Display.DisplayClass) ? 2 : 1;
}

// Input, each followed by the time a player takes before the next; kNoWait
// lets the next input come at once, before the program has seen this one.
constexpr std::uint32_t kNoWait = 0xFFFFFFFF;
void Wait(std::uint32_t ms) {
  if (ms != kNoWait) headless::Advance(ms);
}
void Tap(int x, int y, std::uint32_t then) {
  headless::Tap(x * Unit(), y * Unit());
  Wait(then);
}
void Drag(int x0, int y, int x1, std::uint32_t then) {
  const int u = Unit();
  headless::StylusDown(x0 * u, y * u);
  for (int k = 1; k <= 4; ++k) {
    Wait(60);
    headless::StylusMove((x0 + (x1 - x0) * k / 4) * u, y * u);
  }
  Wait(60);
  headless::StylusUp(x1 * u, y * u);
  Wait(then);
}
// A key held down for a while, repeating as a held key does.
void Hold(unsigned key, std::uint32_t ms, std::uint32_t then) {
  headless::KeyDown(key);
  for (std::uint32_t held = 0; held < ms; held += 50) {
    Wait(50);
    headless::KeyDownRepeated(key);
  }
  headless::KeyUp(key);
  Wait(then);
}

// The boxes that a step brings up are answered with these keys, one each,
// once they show; kCloseButton is the desktop's close button instead.
constexpr unsigned kCloseButton = 0xFFFF;
std::vector<unsigned> boxAnswers;
void AnswerBox() {
  if (boxAnswers.empty()) {
    std::fprintf(stderr, "record_sessions: a box nobody expected at %u ms\n", headless::Now());
    boxAnswers = {vk::Escape};
  }
  if (boxAnswers.front() == kCloseButton) {
    platform::DesktopCloseRequested();
  } else {
    headless::KeyDown(boxAnswers.front());
    headless::KeyUp(boxAnswers.front());
  }
  boxAnswers.erase(boxAnswers.begin());
}

// A tap at a logical point of the popup's panel.
void TapPopup(int x, int y, std::uint32_t then) {
  const platform::Rect r = platform::WindowRect(popup::PopupWindow);
  headless::Tap(r.left + platform::DoublingRule(x), r.top + platform::DoublingRule(y));
  Wait(then);
}

// A push button by its id, or the popup's own when the id is 0.
void TapControl(int id, std::uint32_t then) {
  for (const platform::Window* w : platform::TopLevelWindows()) {
    if (w->alive && w->kind == platform::WindowKind::Child &&
        (id == 0 ? w->parent == popup::PopupWindow : platform::ControlId(w) == id)) {
      headless::Tap((w->rect.left + w->rect.right) / 2, (w->rect.top + w->rect.bottom) / 2);
      return Wait(then);
    }
  }
  std::fprintf(stderr, "record_sessions: no control %d\n", id);
}

void TapCell(int c, std::uint32_t then) {
  const engine::GameLayout l = engine::GameLayoutOf(platform::Display.DisplayClass);
  Tap(l.ScreenOffsetX + 18 + 30 * engine::ColumnOf(c) + 15,
      l.ScreenOffsetY + 18 + 30 * engine::RowOf(c) + 15, then);
}

// Waits `step` ms at a time, at most `most` ms, until `done` holds.
template <typename Done>
void Until(Done done, std::uint32_t step, std::uint32_t most) {
  for (std::uint32_t k = 0; k < most / step && !done(); ++k) Wait(step);
}
bool GameLeft() {
  return render::ScreenState != screen::Game;
}

// Plays the game on screen: lines whenever the player sees one for aimMs,
// then any ball, until the game is over (its show has begun).
void PlayToTheShow(std::uint32_t aimMs) {
  std::uint32_t played = 0;
  std::uint32_t draw = 12345;
  while (render::ScreenState == screen::Game && engine::Game.Phase != engine::phase::GameOver &&
         played < 600000) {
    draw = draw * 214013 + 2531011;
    const std::uint32_t pause = 160 + (draw >> 16) % 5 * 40;
    int cell = played < aimMs ? testing_support::CellMakingALine() : -1;
    if (cell < 0 && (played >= aimMs || (draw >> 8) % 4 == 0)) {
      cell = static_cast<int>((draw >> 12) % engine::CellCount);
    }
    if (cell >= 0) {
      TapCell(cell, pause);
    } else {
      Wait(pause);
    }
    played += pause;
  }
}

// Taps anywhere on the screen at a steady pace, four a second, until the
// game is over or the seconds have gone; `away` loses the focus for a while
// half-way.
void TapAnywhere(int seconds, bool away) {
  const auto width = static_cast<std::uint32_t>(platform::Display.ScreenWidth);
  const auto height = static_cast<std::uint32_t>(platform::Display.ScreenHeight);
  std::uint32_t draw = 12345;
  for (int step = 0; step < seconds * 4; ++step) {
    Wait(173 + step % 7 * 20);
    if (engine::Game.Phase == engine::phase::GameOver) return;
    draw = draw * 214013 + 2531011;
    headless::Tap(static_cast<int>((draw >> 16) % width),
                  static_cast<int>(height / 8 + (draw >> 8) % (height * 3 / 4)));
    if (away && step == seconds * 2) {
      headless::FocusLost();
      Wait(1500);
      headless::FocusGained();
    }
  }
}

// The hi-score tables with the fifth place of every mode at a score, so a
// short game reaches the name entry (or never does).
void FifthPlacesAt(std::int32_t score) {
  records::LoadAllRecords();
  for (int mode = 1; mode <= 5; ++mode) records::TableOfMode(mode)->Entry[4].Score = score;
}
// A table of extremes: the widest names, a first place far beyond the
// defaults (so its export code is earned) and a count of games past 2^31.
void ExtremeTables() {
  records::LoadAllRecords();
  for (int mode = 1; mode <= 5; ++mode) {
    records::HiScoreTable& t = *records::TableOfMode(mode);
    for (int k = 0; k < 5; ++k) {
      for (int i = 0; i < 10; ++i) t.Entry[k].Name[i] = k == 0 ? u'W' : u'M';
      t.Entry[k].Name[10] = 0;
    }
    t.Entry[0].Score = 2147483000;
    t.Entry[1].Score = 99999999;
  }
  records::GameStatus.GamesPlayed = 4294967000u;
}

// A line of the sessions file that does not say what it means.
struct BadLine : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// The words of a line: blanks part them, a '#' outside quotes ends the line,
// and a word in double quotes may hold blanks.
std::vector<std::string> Words(const std::string& line, const std::string& where) {
  std::vector<std::string> words;
  std::string word;
  bool quoted = false, inWord = false;
  for (const char c : line) {
    if (c == '"') {
      quoted = !quoted;
      inWord = true;
    } else if (!quoted && c == '#') {
      break;
    } else if (!quoted && std::isspace(static_cast<unsigned char>(c))) {
      if (inWord) words.push_back(word);
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (quoted) throw BadLine(where + ": a quote that never ends");
  if (inWord) words.push_back(word);
  return words;
}

// The words after a line's verb, read as the verb needs them.
struct Args {
  std::string where;  // FILE:LINE
  std::vector<std::string> words;

  std::size_t size() const { return words.size(); }
  const std::string& operator[](std::size_t k) const { return words.at(k); }
  [[noreturn]] void Fail(const std::string& what) const { throw BadLine(where + ": " + what); }
  int Int(std::size_t k) const {
    char* end = nullptr;
    const long n = std::strtol(words.at(k).c_str(), &end, 10);
    if (words[k].empty() || *end != '\0') Fail("not a number: " + words[k]);
    return static_cast<int>(n);
  }
  // The time taken after the step: word k, `otherwise` when absent, none for '-'.
  std::uint32_t Then(std::size_t k, std::uint32_t otherwise) const {
    if (k >= size()) return otherwise;
    if (words[k] == "-") return kNoWait;
    if (Int(k) < 0) Fail("a time before now: " + words[k]);
    return static_cast<std::uint32_t>(Int(k));
  }
  // Word k as its place among `names`.
  template <std::size_t N>
  int OneOf(std::size_t k, const char* const (&names)[N]) const {
    for (std::size_t n = 0; n < N; ++n) {
      if (words.at(k) == names[n]) return static_cast<int>(n);
    }
    Fail("unknown word: " + words[k]);
  }
  unsigned Key(std::size_t k) const {
    static constexpr const char* kNames[] = {"Return", "Escape", "Left",      "Up",
                                             "Right",  "Down",   "Backspace", "F2"};
    static constexpr unsigned kKeys[] = {vk::Return, vk::Escape, vk::Left, vk::Up,
                                         vk::Right,  vk::Down,   8,        vk::F2};
    return kKeys[OneOf(k, kNames)];
  }
};

// The menu: the five modes, the hi-scores, the settings, the title (About)
// and the quit icon.
constexpr const char* kMenuEntries[] = {"easy",     "hard",     "panic", "heat", "chroma",
                                        "hiscores", "settings", "about", "quit"};
void Menu(const Args& a) {
  static constexpr int kCentres[8][2] = {{166, 182}, {170, 211}, {173, 241}, {170, 270},
                                         {183, 299}, {61, 298},  {59, 271},  {120, 50}};
  const int entry = a.OneOf(0, kMenuEntries);
  const shell::MenuOffsets o = shell::MainMenuOffsets(platform::Display.DisplayClass);
  if (entry == 8) return Tap(o.x == 40 ? 311 : 231, 8, a.Then(1, 400));
  Tap(kCentres[entry][0] + o.x, entry == 7 ? 50 : kCentres[entry][1] - o.y, a.Then(1, 400));
}

void Icon(const Args& a) {
  static constexpr const char* kIcons[] = {"exit", "abandon", "sound"};
  const int k = a.OneOf(0, kIcons);
  const engine::GameLayout l = engine::GameLayoutOf(platform::Display.DisplayClass);
  if (platform::IsSquare(platform::Display.DisplayClass) && k < 2) {
    return Tap(k == 0 ? 234 : 221, 6, 400);
  }
  Tap(l.IconBarX + 8 - 18 * k, l.IconBarY + 8, 400);
}

void Control(const Args& a) {
  static constexpr const char* kControls[] = {"popup", "name-ok", "name-cancel"};
  static constexpr int kIds[] = {0, screens::NameOkButtonId, screens::NameCancelButtonId};
  TapControl(kIds[a.OneOf(0, kControls)], a.Then(1, 400));
}

void Press(const Args& a) {
  const bool timed =
      a[a.size() - 1] == "-" || std::isdigit(static_cast<unsigned char>(a[a.size() - 1][0]));
  const std::size_t keys = timed ? a.size() - 1 : a.size();
  for (std::size_t k = 0; k < keys; ++k) {
    headless::Key(a.Key(k));
    Wait(a.Then(keys, 300));
  }
}

void NameEntered(const Args& a) {
  static constexpr const char* kBy[] = {"return", "ok"};
  const int byOk = a.OneOf(1, kBy);
  if (render::ScreenState != screen::NewHiScore) return;
  headless::TypeText(a[0].c_str());
  Wait(500);
  byOk ? TapControl(screens::NameOkButtonId, 1500) : (headless::Key(vk::Return), Wait(1500));
}

void UntilSeen(const Args& a) {
  if (a.Int(1) <= 0 || a.Int(2) < 0) a.Fail("until CONDITION STEP-MS MOST-MS, the step not 0");
  const auto step = static_cast<std::uint32_t>(a.Int(1));
  const auto most = static_cast<std::uint32_t>(a.Int(2));
  const std::string& what = a[0];
  const std::size_t is = what.find('=');
  const int value = is == std::string::npos ? 0 : Args{a.where, {what.substr(is + 1)}}.Int(0);
  if (what == "game-left") return Until(GameLeft, step, most);
  if (what.starts_with("panic-time=")) {
    return Until([value] { return engine::Kept.PanicTime == value; }, step, most);
  }
  if (what.starts_with("run-out=")) {
    return Until([value] { return engine::Game.RunOutCounter == value; }, step, most);
  }
  a.Fail("unknown condition: " + what);
}

void PutKept(const Args& a) {
  static constexpr const char* kModes[] = {"easy", "hard", "panic", "heat", "chroma"};
  using Game = fixture::KeptGame;
  static constexpr std::pair<const char*, std::int32_t Game::*> kNumbers[] = {
      {"score", &Game::score},
      {"level", &Game::level},
      {"paint", &Game::paintColour},
      {"reserve", &Game::reserve},
      {"time", &Game::panicTime}};
  static constexpr std::pair<const char*, std::string_view Game::*> kTexts[] = {
      {"board", &Game::board},
      {"letters", &Game::letters},
      {"word", &Game::word},
      {"hot", &Game::hotPipes},
      {"heat", &Game::pipeHeat}};
  Game game;
  for (const std::string& field : a.words) {
    const std::size_t is = field.find('=');
    if (is == std::string::npos) a.Fail("not FIELD=VALUE: " + field);
    const std::string key = field.substr(0, is);
    const Args value{a.where, {field.substr(is + 1)}};
    bool known = key == "mode";
    if (known) game.mode = value.OneOf(0, kModes) + 1;
    for (const auto& [name, number] : kNumbers) {
      if (key == name) {
        known = true;
        game.*number = value.Int(0);
      }
    }
    for (const auto& [name, text] : kTexts) {
      if (key == name) {
        known = true;
        game.*text = std::string_view(field).substr(is + 1);
      }
    }
    if (!known) a.Fail("unknown field of a kept game: " + field);
  }
  std::string error;
  if (!fixture::PutKeptGame(game, &error)) a.Fail(error);
}

// The recorded input, for the edits to change.
platform::Replay recorded;

// Puts input in before the first key-down of a key, at the given offsets from
// it, and moves that key and all that follows it later by a delay.
void InsertBeforeKey(const Args& a) {
  static constexpr const char* kInputs[] = {"down", "move", "up", "keydown", "keyup", "focus"};
  static constexpr platform::ReplayInput kAs[] = {
      platform::ReplayInput::StylusDown, platform::ReplayInput::StylusMove,
      platform::ReplayInput::StylusUp,   platform::ReplayInput::KeyDown,
      platform::ReplayInput::KeyUp,      platform::ReplayInput::Focus};
  const int key = static_cast<int>(a.Key(0));
  const std::uint32_t delay = a.Then(1, 0);
  auto& events = recorded.events;
  std::size_t k = 0;
  while (k < events.size() &&
         (events[k].input != platform::ReplayInput::KeyDown || events[k].a != key)) {
    ++k;
  }
  if (k == events.size()) a.Fail("the session never pressed " + a[0]);
  const std::uint32_t at = events[k].time;
  for (std::size_t j = k; j < events.size(); ++j) events[j].time += delay;
  recorded.end += delay;
  std::vector<platform::ReplayEvent> added;
  for (std::size_t w = 2; w < a.size(); ++w) {
    const Args e{a.where, Words(a[w], a.where)};
    if (e.size() < 3 || e.size() > 4) a.Fail("an input is TIME INPUT A [B]: " + a[w]);
    added.push_back({at + e.Then(0, 0), false, kAs[e.OneOf(1, kInputs)], e.Int(2),
                     e.size() == 4 ? e.Int(3) : 0});
  }
  events.insert(events.begin() + static_cast<std::ptrdiff_t>(k), added.begin(), added.end());
  events[k + added.size()].withPrevious = false;
}

// The answer to the first box (the first key pressed and let go after the
// session's first input) given only a while after the next key is let go.
void AnswerAfterKeyUp(const Args& a) {
  using platform::ReplayInput;
  auto& e = recorded.events;
  std::size_t answer = 1;
  while (answer < e.size() && e[answer].input != ReplayInput::KeyDown) ++answer;
  std::size_t let = answer + 2;
  while (let < e.size() && e[let].input != ReplayInput::KeyUp) ++let;
  if (let >= e.size()) a.Fail("no key let go after the first answer");
  const std::vector<platform::ReplayEvent> moved(e.begin() + answer, e.begin() + answer + 2);
  const std::uint32_t at = e[let].time + static_cast<std::uint32_t>(a.Int(0));
  e.erase(e.begin() + answer, e.begin() + answer + 2);
  std::vector<platform::ReplayEvent> later = moved;
  later[0].time = later[1].time = at;
  later[0].withPrevious = false;
  e.insert(e.begin() + (let - 1), later.begin(), later.end());
  e[answer].withPrevious = false;
}

template <void (*Input)(int, int)>
void Stylus(const Args& a) {
  Input(a.Int(0) * Unit(), a.Int(1) * Unit());
  Wait(a.Then(2, kNoWait));
}

int SettingsY(int y) {
  return y - screens::SettingsLayoutOf(platform::Display.DisplayClass).offsetY;
}
screens::HiScoreLayout HiScoreLayout() {
  return screens::HiScoreLayoutOf(platform::Display.DisplayClass);
}

// What a line of a session may say: the stored values set up before the
// program starts, the player's steps, the edits of the recorded input.
enum class Kind { SetUp, Step, Edit };
struct Verb {
  const char* name;
  Kind kind;
  std::size_t least, most;  // words after the verb
  void (*run)(const Args&);
};
constexpr std::size_t kMany = 99;
const Verb kVerbs[] = {
    // The defaults of a player who never played.
    {"defaults", Kind::SetUp, 0, 0, [](const Args&) { records::LoadAllRecords(); }},
    {"help-off", Kind::SetUp, 0, 0, [](const Args&) { records::GameStatus.HelpEnabled = 0; }},
    {"ball-style", Kind::SetUp, 1, 1,
     [](const Args& a) { records::GameStatus.BallStyle = a.Int(0); }},
    {"fifth-places", Kind::SetUp, 1, 1, [](const Args& a) { FifthPlacesAt(a.Int(0)); }},
    {"extreme-tables", Kind::SetUp, 0, 0, [](const Args&) { ExtremeTables(); }},
    // kept FIELD=VALUE...: mode (easy..chroma), score, level, paint, reserve,
    // time (PANIC's), board, letters, word, hot, heat as the kept-game
    // fixture reads them; a game in the records that a start resumes.
    {"kept", Kind::SetUp, 1, kMany, PutKept},

    {"wait", Kind::Step, 1, 1, [](const Args& a) { Wait(a.Then(0, 0)); }},
    {"tap", Kind::Step, 2, 3, [](const Args& a) { Tap(a.Int(0), a.Int(1), a.Then(2, 400)); }},
    // down|move|up X Y [THEN]: the stylus alone, the next input at once unless THEN.
    {"down", Kind::Step, 2, 3, Stylus<headless::StylusDown>},
    {"move", Kind::Step, 2, 3, Stylus<headless::StylusMove>},
    {"up", Kind::Step, 2, 3, Stylus<headless::StylusUp>},
    // double-tap X Y [GAP [THEN]]: the second press within a double-click's time.
    {"double-tap", Kind::Step, 2, 4,
     [](const Args& a) {
       headless::Tap(a.Int(0) * Unit(), a.Int(1) * Unit());
       Wait(a.Then(2, 100));
       Tap(a.Int(0), a.Int(1), a.Then(3, 400));
     }},
    // drag X0 Y X1 [THEN]: across in four moves.
    {"drag", Kind::Step, 3, 4,
     [](const Args& a) { Drag(a.Int(0), a.Int(1), a.Int(2), a.Then(3, 400)); }},
    // The settings screen's controls at their places on this layout.
    {"settings-tap", Kind::Step, 2, 3,
     [](const Args& a) { Tap(a.Int(0), SettingsY(a.Int(1)), a.Then(2, 400)); }},
    {"settings-drag", Kind::Step, 3, 4,
     [](const Args& a) { Drag(a.Int(0), SettingsY(a.Int(1)), a.Int(2), a.Then(3, 400)); }},
    {"settings-ok", Kind::Step, 0, 0,
     [](const Args&) {
       Tap(120, 293 - screens::SettingsLayoutOf(platform::Display.DisplayClass).buttonOffsetY, 800);
     }},
    // press KEY... [THEN]: each key in turn, THEN after each.
    {"press", Kind::Step, 1, kMany, Press},
    {"hold", Kind::Step, 2, 3, [](const Args& a) { Hold(a.Key(0), a.Then(1, 0), a.Then(2, 300)); }},
    {"type", Kind::Step, 1, 1,
     [](const Args& a) {
       headless::TypeText(a[0].c_str());
       Wait(500);
     }},
    // The desktop's close button.
    {"close", Kind::Step, 0, 1,
     [](const Args& a) {
       platform::DesktopCloseRequested();
       Wait(a.Then(0, 1000));
     }},
    // away MS: another application has the focus for a while.
    {"away", Kind::Step, 1, 1,
     [](const Args& a) {
       headless::FocusLost();
       Wait(a.Then(0, 0));
       headless::FocusGained();
       Wait(400);
     }},
    // menu easy|hard|panic|heat|chroma|hiscores|settings|about|quit [THEN]
    {"menu", Kind::Step, 1, 2, Menu},
    // A point of the popup's panel.
    {"tap-popup", Kind::Step, 2, 3,
     [](const Args& a) { TapPopup(a.Int(0), a.Int(1), a.Then(2, 400)); }},
    {"help-ok", Kind::Step, 0, 0, [](const Args&) { TapPopup(203, 218, 400); }},
    // tap-control popup|name-ok|name-cancel [THEN]: a push button at its middle.
    {"tap-control", Kind::Step, 1, 2, Control},
    // tap-cell CELL [THEN]: a cell of the board, 0..35 row by row.
    {"tap-cell", Kind::Step, 1, 2, [](const Args& a) { TapCell(a.Int(0), a.Then(1, 400)); }},
    // icon exit|abandon|sound: the game screen's icons.
    {"icon", Kind::Step, 1, 1, Icon},
    {"wheel", Kind::Step, 0, 0,
     [](const Args&) {
       const engine::GameLayout l = engine::GameLayoutOf(platform::Display.DisplayClass);
       Tap(l.ScreenOffsetX + 226, l.ScreenOffsetY + 226, 400);
     }},
    {"hiscore-tab", Kind::Step, 1, 2,
     [](const Args& a) {
       Tap(HiScoreLayout().tabX + 30 * a.Int(0) + 15, HiScoreLayout().tabY + 15, a.Then(1, 700));
     }},
    {"export", Kind::Step, 0, 0, [](const Args&) { Tap(17, HiScoreLayout().tabY + 16, 1500); }},
    // play-to-the-show AIM-MS: lines whenever the player sees one for AIM-MS,
    // then any ball, until the game is over; play-to-the-end goes on until
    // the game screen is left.
    {"play-to-the-show", Kind::Step, 1, 1, [](const Args& a) { PlayToTheShow(a.Then(0, 0)); }},
    {"play-to-the-end", Kind::Step, 1, 1,
     [](const Args& a) {
       PlayToTheShow(a.Then(0, 0));
       Until(GameLeft, 100, 60000);
       Wait(600);
     }},
    // tap-anywhere SECONDS [away]
    {"tap-anywhere", Kind::Step, 1, 2,
     [](const Args& a) {
       static constexpr const char* kAway[] = {"away"};
       TapAnywhere(a.Int(0), a.size() == 2 && a.OneOf(1, kAway) == 0);
     }},
    // until game-left|panic-time=N|run-out=N STEP-MS MOST-MS
    {"until", Kind::Step, 3, 3, UntilSeen},
    // name TEXT return|ok: typed into the name entry, if it shows, and taken.
    {"name", Kind::Step, 2, 2, NameEntered},
    {"cancel-name", Kind::Step, 0, 0,
     [](const Args&) {
       if (render::ScreenState == screen::NewHiScore) {
         TapControl(screens::NameCancelButtonId, 1000);
       }
     }},

    // edit-before-key KEY MS "TIME INPUT A [B]"...: input (down, move, up,
    // keydown, keyup, focus) TIME ms after the key's first press, which
    // comes MS later with all that follows it.
    {"edit-before-key", Kind::Edit, 2, kMany, InsertBeforeKey},
    {"edit-answer-after-key-up", Kind::Edit, 1, 1, AnswerAfterKeyUp},
};

// One line of a session; "answering" answers the boxes its step brings up.
struct Step {
  const Verb* verb = nullptr;
  Args args;
  bool answering = false;
  std::vector<unsigned> answers;
  std::uint32_t after = 500;
};

struct Session {
  std::string name;
  int width = 0, height = 0;
  bool abrupt = false;  // ends as a killed program does, with no way out
  std::vector<Step> steps;
};

Step ReadStep(Args a) {
  Step s;
  if (a[0] == "answering") {
    if (a.size() < 3) a.Fail("answering KEY[,KEY...] [after MS] STEP");
    s.answering = true;
    for (std::size_t from = 0, to; from <= a[1].size(); from = to + 1) {
      to = std::min(a[1].find(',', from), a[1].size());
      const Args key{a.where, {a[1].substr(from, to - from)}};
      s.answers.push_back(key[0] == "close" ? kCloseButton : key.Key(0));
    }
    a.words.erase(a.words.begin(), a.words.begin() + 2);
    if (a[0] == "after" && a.size() > 2) {
      s.after = a.Then(1, 500);
      a.words.erase(a.words.begin(), a.words.begin() + 2);
    }
  }
  for (const Verb& v : kVerbs) {
    if (a[0] == v.name) s.verb = &v;
  }
  if (s.verb == nullptr) a.Fail("unknown word: " + a[0]);
  a.words.erase(a.words.begin());
  if (a.size() < s.verb->least || a.size() > s.verb->most) {
    a.Fail(std::string("a wrong number of words after ") + s.verb->name);
  }
  if (s.answering && s.verb->kind != Kind::Step) a.Fail("only a step brings up boxes");
  s.args = std::move(a);
  return s;
}

std::vector<Session> ReadSessions(const std::string& path) {
  std::ifstream in(path);
  if (!in.good()) throw BadLine("cannot read " + path);
  std::vector<Session> sessions;
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    const std::string where = path + ":" + std::to_string(++number);
    const Args a{where, Words(line, where)};
    if (a.size() == 0) continue;
    if (a[0] == "session") {
      Session s;
      if (a.size() < 3 || a.size() > 4 || (a.size() == 4 && a[3] != "abrupt") ||
          std::sscanf(a[2].c_str(), "%dx%d", &s.width, &s.height) != 2) {
        a.Fail("session NAME WIDTHxHEIGHT [abrupt]");
      }
      s.name = a[1];
      s.abrupt = a.size() == 4;
      sessions.push_back(std::move(s));
      continue;
    }
    if (sessions.empty()) a.Fail("a line before the first session");
    Step step = ReadStep(a);
    auto& steps = sessions.back().steps;
    if (!steps.empty() && steps.back().verb->kind > step.verb->kind) {
      a.Fail("the set-up comes first, then the steps, then the edits");
    }
    steps.push_back(std::move(step));
  }
  return sessions;
}

void Run(const Session& s, Kind kind) {
  for (const Step& step : s.steps) {
    if (step.verb->kind != kind) continue;
    if (!step.answering) {
      step.verb->run(step.args);
      continue;
    }
    boxAnswers = step.answers;
    step.verb->run(step.args);
    if (!boxAnswers.empty()) {
      std::fprintf(stderr, "record_sessions: a box never came at %u ms\n", headless::Now());
    }
    boxAnswers.clear();
    // Past a double-click's time: the next press is a press of its own.
    Wait(step.after);
  }
}

bool Record(const Session& s, const std::string& folder) {
  std::printf("%s\n", s.name.c_str());
  std::fflush(stdout);
  platform::MemoryStore store;
  platform::UseStore(&store);
  headless::Start(platform::ScreenConfig{s.width, s.height, 0, 0}, 5000);
  platform::MeasureDisplay();
  std::memset(&records::GameStatus, 0, sizeof records::GameStatus);
  std::memset(&records::HiScoreTables, 0, sizeof records::HiScoreTables);
  if (!s.steps.empty() && s.steps.front().verb->kind == Kind::SetUp) {
    Run(s, Kind::SetUp);
    records::SaveAllRecords();
  }
  std::memset(&records::GameStatus, 0, sizeof records::GameStatus);
  std::memset(&records::HiScoreTables, 0, sizeof records::HiScoreTables);
  const auto names = records::StoredValueNames();
  headless::SetModalWaitHandler(AnswerBox);
  platform::StartRecording(platform::ReadStoredValues(store, names));
  if (shell::StartUp() != shell::StartOutcome::Run) return false;
  Run(s, Kind::Step);
  if (!s.abrupt && !headless::QuitPosted()) {
    platform::DesktopCloseRequested();
    Wait(2000);
  }
  recorded = platform::FinishRecording(platform::ReadStoredValues(store, names));
  for (const std::string& fault : headless::TakeFaults()) {
    std::fprintf(stderr, "record_sessions: %s: %s\n", s.name.c_str(), fault.c_str());
  }
  popup::ResetPopup();
  platform::ReleaseSingleInstance();
  headless::Stop();
  shell::ResetShell();
  platform::UseStore(nullptr);
  if (!s.steps.empty() && s.steps.back().verb->kind == Kind::Edit) {
    Run(s, Kind::Edit);
    recorded.after = shell::RunReplay(recorded).after;
  }
  std::string error;
  const std::string path = folder + "/" + s.name + ".replay";
  if (!platform::SaveReplayFile(path, recorded, error)) {
    std::fprintf(stderr, "record_sessions: %s\n", error.c_str());
    return false;
  }
  std::printf("%s: %zu inputs over %u ms\n", s.name.c_str(), recorded.events.size(),
              recorded.end - recorded.start);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs("usage: record_sessions OUT-DIR [NAME...]\n", stderr);
    return 2;
  }
  // A lock of its own, away from a game being played.
  const platform::PrivateRuntimeFolder runtime("record");
  try {
    const std::vector<Session> sessions = ReadSessions(FANDRIASS_TEST_DATA_DIR "/sessions.txt");
    bool ok = true;
    for (int k = 2; k < argc; ++k) {
      const auto named = [&](const Session& s) { return s.name == argv[k]; };
      if (std::none_of(sessions.begin(), sessions.end(), named)) {
        std::fprintf(stderr, "record_sessions: no session %s\n", argv[k]);
        ok = false;
      }
    }
    for (const Session& s : sessions) {
      bool wanted = argc == 2;
      for (int k = 2; k < argc; ++k) wanted = wanted || s.name == argv[k];
      if (wanted) ok = Record(s, argv[1]) && ok;
    }
    return ok ? 0 : 1;
  } catch (const BadLine& bad) {
    std::fprintf(stderr, "record_sessions: %s\n", bad.what());
    return 2;
  }
}
