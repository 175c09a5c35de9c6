// Plays many whole games on the headless back end with a random player: taps,
// keys, focus changes, every way out (and deaths without one), and restarts on
// the files the game wrote. After every start the records must hold exactly what
// was last saved: the tables as its own copy of the insertion rule makes them,
// the settings, and a kept game that resumes as it was. During play the name
// entry must come exactly when a score beats the fifth place, nothing may tick
// while the window is away, and no unexpected box may appear.
// Usage: fandriass_soak [--seed N] [--games N]
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "engine/board_geometry.hpp"
#include "engine/game_state.hpp"
#include "engine/screen_items.hpp"
#include "platform/desktop/single_instance.hpp"
#include "platform/drawing/text_drawing.hpp"
#include "platform/files/file_store.hpp"
#include "platform/headless/headless.hpp"
#include "platform/window/child_controls.hpp"
#include "platform/window/display_profile.hpp"
#include "platform/window/message_box.hpp"
#include "platform/window/window_system_internal.hpp"
#include "popup/popup.hpp"
#include "records/game_status_record.hpp"
#include "records/hiscore_table.hpp"
#include "render/game_layout.hpp"
#include "render/screen_state.hpp"
#include "screens/hiscore_screen.hpp"
#include "screens/new_hiscore_screen.hpp"
#include "screens/settings_screen.hpp"
#include "shell/game_taps.hpp"
#include "shell/keys.hpp"
#include "shell/main_menu.hpp"
#include "shell/start_up.hpp"
#include "sound/sound_bank.hpp"
#include "support/aimed_player.hpp"

namespace {

namespace headless = platform::headless;
namespace screen = render::screen;
namespace vk = platform::vk;

constexpr int kScreens[7][2] = {{240, 320}, {320, 240}, {480, 640}, {640, 480},
                                {240, 240}, {480, 480}, {320, 320}};
constexpr char16_t kResetQuestion[] = u"Are you sure you want to erase all Hi-Scores?";
constexpr char16_t kResetDone[] =
    u"The High Score tables have been reset.\n\nThe Default scores have been saved.";
constexpr unsigned kBackspace = 8;
// A game that has not ended after this long is played by a tired player, who
// taps anything, so that every game ends.
constexpr std::uint32_t kTiredAfterMs = 10 * 60 * 1000;

// The soak's own model of a hi-score table, kept apart from the game's code.
struct Table {
  std::array<std::u16string, 5> name;
  std::array<std::int32_t, 5> score{};
  std::int32_t lastInsert = 0;
  bool operator==(const Table&) const = default;
};
using Tables = std::array<Table, 5>;  // EASY .. CHROMA

// A result goes in below every entry it does not beat, unless it earns no place
// or the same name with the same score stands just above; names keep 10 units.
void Insert(Table& table, std::u16string name, std::int32_t score) {
  name.resize(std::min<std::size_t>(name.size(), 10));
  int place = 5;
  while (place > 0 && score > table.score[place - 1]) --place;
  if (place == 5) return;
  if (place > 0 && table.name[place - 1] == name && table.score[place - 1] == score) return;
  for (int i = 4; i > place; --i) {
    table.name[i] = table.name[i - 1];
    table.score[i] = table.score[i - 1];
  }
  table.name[place] = name;
  table.score[place] = score;
  table.lastInsert = place;
}

Tables TablesNow() {
  Tables tables;
  for (int m = 0; m < 5; ++m) {
    const records::HiScoreTable& stored = records::HiScoreTables[m];
    for (int i = 0; i < 5; ++i) {
      const char16_t* units = stored.Entry[i].Name;
      tables[m].name[i].assign(units, std::find(units, units + records::NameFieldUnits, u'\0'));
      tables[m].score[i] = stored.Entry[i].Score;
    }
    tables[m].lastInsert = stored.LastInsertIndex;
  }
  return tables;
}

// The settings (volume, help, joystick, sound, stereo, speed, style), then the
// kept game's mode and, when there is one, its score, level, reserve, paint and board.
std::vector<std::int32_t> SettingsAndKeptGame() {
  const records::GameStatusRecord& r = records::GameStatus;
  std::vector<std::int32_t> fields{r.VolumePercent,
                                   r.HelpEnabled,
                                   r.UseJoystick,
                                   r.SoundOn,
                                   r.StereoSound,
                                   static_cast<std::int32_t>(r.GameSpeed),
                                   static_cast<std::int32_t>(r.BallStyle),
                                   r.Mode};
  if (r.Mode != 0) {
    fields.insert(fields.end(), {r.Score, r.Level, r.Reserve, r.PaintColour});
    fields.insert(fields.end(), std::begin(r.BallColour), std::end(r.BallColour));
  }
  return fields;
}

std::string Text(const Table& t) {
  std::string text;
  for (int i = 0; i < 5; ++i) {
    text += platform::Utf16ToUtf8(t.name[i]) + " " + std::to_string(t.score[i]) + ", ";
  }
  return text + "last " + std::to_string(t.lastInsert);
}

std::string Text(const std::vector<std::int32_t>& fields) {
  std::string text;
  for (std::int32_t f : fields) text += std::to_string(f) + " ";
  return text;
}

enum class NameAction { None, Take, Cancel };

unsigned seed = 0;
int target = 0;
std::string folder;
std::mt19937 rng;
std::deque<std::string> history;  // the latest inputs, shown with a failure

Tables defaultTables;  // the first run's tables
Tables model;          // as the game should hold them now
Tables savedTables;    // and as the store should hold them
std::vector<std::int32_t> savedFields;
bool firstRun = true;

// The session.
platform::ScreenClass displayClass = platform::ScreenClass::None;
int width = 0, height = 0;
bool focused = true;
bool quitExpected = false;
bool quitAllowed = false;   // a tap on the menu may hit its quit icon
std::int32_t gameMode = 0;  // of the game on screen
std::uint32_t gameMs = 0;
// The player of this game: how often it looks for a line, and how often it
// taps any ball when it finds none (each tap costs paint).
int aim = 50, waste = 50;
// The name entry on screen: the field as the soak made it, and how it left.
bool entryOpen = false, entryTyped = false, entryAnswered = false;
std::u16string typed;
std::int32_t entryScore = 0;
NameAction nameAction = NameAction::None;

int gamesEnded = 0, sessions = 0, abruptEnds = 0, resumed = 0, names = 0, resets = 0;
std::uint64_t virtualMs = 0;
long stepsSinceGameEnd = 0;

int Pick(int n) {
  return static_cast<int>(rng() % static_cast<unsigned>(n));
}

bool Chance(int perMille) {
  return Pick(1000) < perMille;
}

void Note(std::string what) {
  if (history.size() == 40) history.pop_front();
  history.push_back(std::move(what));
}

[[noreturn]] void Fail(const std::string& what) {
  for (const std::string& line : history) std::fprintf(stderr, "soak:   %s\n", line.c_str());
  std::fprintf(stderr,
               "soak: FAILED after %d games, in session %d on a %dx%d screen: %s\n"
               "soak: replay with --seed %u --games %d; the store is left in %s\n",
               gamesEnded, sessions, width, height, what.c_str(), seed, target, folder.c_str());
  std::exit(1);
}

// Input in logical pixels of the screen's layout.
int Unit() {
  return platform::IsVga(displayClass) ? 2 : 1;
}

void TapDevice(int x, int y) {
  Note("tap " + std::to_string(x) + "," + std::to_string(y));
  headless::Tap(x, y);
}

void Tap(int x, int y) {
  TapDevice(x * Unit(), y * Unit());
}

void TapAnywhere() {
  TapDevice(Pick(width), Pick(height));
}

void Key(unsigned key) {
  Note("key " + std::to_string(key));
  headless::Key(key);
}

// A modal box waits: the soak answers as a player would, by key, or closes the
// desktop window under it.
void AnswerBox() {
  if (Chance(30)) {
    Note("box: desktop close");
    platform::DesktopCloseRequested();
    quitExpected = true;
    return;
  }
  const unsigned key = Chance(500) ? vk::Return : vk::Escape;
  Note(key == vk::Return ? "box: Enter" : "box: Escape");
  headless::KeyDown(key);
  headless::KeyUp(key);
}

// Taps the first child control of a window with the id (0: any).
void TapControl(const platform::Window* parent, int id) {
  for (const platform::Window* w : platform::TopLevelWindows()) {
    if (w->alive && w->kind == platform::WindowKind::Child && w->parent == parent &&
        (id == 0 || platform::ControlId(w) == id)) {
      return TapDevice((w->rect.left + w->rect.right) / 2, (w->rect.top + w->rect.bottom) / 2);
    }
  }
}

void ActOnMenu() {
  quitAllowed = true;
  const shell::MenuOffsets o = shell::MainMenuOffsets(displayClass);
  // The mode entries, then hi-scores and settings, as (left, top) of each area.
  static constexpr int kEntries[7][2] = {{128, 169}, {128, 199}, {128, 228}, {128, 257},
                                         {128, 286}, {4, 286},   {4, 259}};
  const int r = Pick(100);
  if (r < 60) {
    const int* e = kEntries[r < 45 ? Pick(5) : 5 + Pick(2)];
    Tap(o.x + e[0] + 10 + Pick(60), e[1] - o.y + 3 + Pick(20));
  } else if (r < 64) {
    Tap(o.x + Pick(240), 10 + Pick(79));  // the title: About
  } else if (r < 65) {
    Tap(o.x == 40 ? 311 : 231, 8);  // the quit icon
  } else if (r < 67) {
    Key(vk::Escape);
  } else if (r < 82) {
    static constexpr unsigned kKeys[] = {vk::Up, vk::Down, vk::Left, vk::Right, vk::Return};
    Key(kKeys[Pick(5)]);
  } else {
    TapAnywhere();
  }
}

// A cell that makes a line of three at a pipe when painted, when the player
// aims and sees one; else perhaps any cell, else -1.
int ChooseCell() {
  if (Pick(100) < aim) {
    if (const int c = testing_support::CellMakingALine(); c >= 0) return c;
  }
  return Pick(100) < waste || gameMs > kTiredAfterMs ? Pick(engine::CellCount) : -1;
}

void ActOnGame() {
  const engine::GameLayout l = engine::GameLayoutOf(displayClass);
  const bool square = platform::IsSquare(displayClass);
  const int r = Pick(1000);
  if (r < 600) {
    if (const int c = ChooseCell(); c >= 0) {
      Tap(l.ScreenOffsetX + 18 + 30 * engine::ColumnOf(c) + 5 + Pick(20),
          l.ScreenOffsetY + 18 + 30 * engine::RowOf(c) + 5 + Pick(20));
    }
  } else if (r < 750) {
    static constexpr unsigned kKeys[] = {vk::Up,    vk::Down,   vk::Left,
                                         vk::Right, vk::Return, vk::Escape};
    Key(kKeys[Pick(6)]);
  } else if (r < 753) {
    square ? Tap(234, 6) : Tap(l.IconBarX + 8, l.IconBarY + 8);  // exit
  } else if (r < 756) {
    square ? Tap(221, 6) : Tap(l.IconBarX - 9, l.IconBarY + 8);  // abandon
  } else if (r < 800) {
    Tap(l.IconBarX - 27, l.IconBarY + 8);  // sound
  } else if (r < 830) {
    Tap(l.ScreenOffsetX + 226, l.ScreenOffsetY + 226);  // the colour wheel of CHROMA
  } else if (r < 870) {
    TapAnywhere();
  }
}

void ActOnTable() {
  const screens::HiScoreLayout l = screens::HiScoreLayoutOf(displayClass);
  const int r = Pick(100);
  if (r < 25) {
    Tap(l.tabX + 30 * Pick(5) + 15, l.tabY + 15);
  } else if (r < 29) {
    Tap(17, l.tabY + 16);  // export
  } else if (r < 32) {
    Tap(25, 8);  // reset
  } else if (r < 45) {
    Key(Chance(500) ? vk::Left : vk::Right);
  } else if (r < 60) {
    Key(vk::Return);
  } else {
    TapAnywhere();
  }
}

void ActOnSettings() {
  const screens::SettingsLayout l = screens::SettingsLayoutOf(displayClass);
  const int y0 = l.offsetY;
  switch (Pick(12)) {
    case 0:
      return Tap(226, 13);  // close
    case 1:
      return Tap(24, 62);  // the joystick
    case 2:
      return Tap(Chance(500) ? 24 : 134, 104 - y0);  // help, stereo
    case 3:
    case 4:
      return Tap(Chance(500) ? 65 : 175, 148 + 22 * Pick(3) - y0);  // speed, style
    case 5:
      return Tap(185, 240 - y0);  // mute
    case 6:
    case 7: {
      // The volume slider, dragged.
      const int u = Unit();
      const int y = (241 - y0) * u;
      Note("slider");
      headless::StylusDown((62 + Pick(101)) * u, y);
      headless::StylusMove((50 + Pick(130)) * u, y);
      return headless::StylusUp((50 + Pick(130)) * u, y);
    }
    case 8:
      return Tap(120, 293 - l.buttonOffsetY);  // OK
    case 9:
      return Key(vk::Return);
    default:
      return TapAnywhere();
  }
}

std::string RandomName() {
  static const char* const kPieces[] = {"a", "e", "o", "n", "r", "s", "t", "L", "M", "Z",
                                        " ", "-", "'", "é", "ß", "Ø", "x", "i", "K", "u"};
  std::string name;
  const auto length = rng() % 15;
  for (std::size_t i = 0; i < length; ++i) name += kPieces[rng() % 20];
  return name;
}

// First the name: the proposal kept, typed over, or cleared and typed; then
// Enter, OK or Cancel.
void ActOnNameEntry() {
  if (!entryTyped) {
    entryTyped = true;
    const int r = Pick(3);
    if (r == 0) return;
    const std::string name = RandomName();
    if (r == 2) {
      Key(kBackspace);
      typed.clear();
    }
    // The proposal is selected, so typing replaces it; the field takes 10 units.
    if (r == 1 && !name.empty()) typed.clear();
    typed += platform::Utf8ToUtf16(name);
    typed.resize(std::min<std::size_t>(typed.size(), 10));
    Note("type \"" + name + "\"");
    headless::TypeText(name);
    return;
  }
  entryAnswered = true;
  const int r = Pick(10);
  nameAction = r < 8 ? NameAction::Take : NameAction::Cancel;
  if (r < 6) {
    Key(vk::Return);
  } else {
    TapControl(platform::MainWindow(),
               r < 8 ? screens::NameOkButtonId : screens::NameCancelButtonId);
  }
}

void ActOnPopup() {
  const platform::Window* p = popup::PopupWindow;
  if (!p) Fail("a popup kind without its window");
  const int u = Unit();
  const int r = Pick(10);
  if (popup::PopupKind == popup::kind::Help && r < 7) {
    TapControl(p, 0);  // OK
  } else if (popup::PopupKind == popup::kind::Help && r < 8) {
    TapDevice(p->rect.left + 19 * u, p->rect.top + 220 * u);  // show again
  } else if (r < 8) {
    TapDevice(p->rect.left + 227 * u, p->rect.top + 13 * u);  // close
  } else if (r < 9) {
    Key(vk::Return);
  } else {
    TapAnywhere();
  }
}

void CheckTables(const Tables& expected, const char* when) {
  const Tables held = TablesNow();
  for (int m = 0; m < 5; ++m) {
    if (held[m] != expected[m]) {
      Fail(std::string(when) + "the table of mode " + std::to_string(m + 1) + " is [" +
           Text(held[m]) + "], expected [" + Text(expected[m]) + "]");
    }
  }
}

// What the last step did, told by the boxes shown, the screen now and the quit.
void Observe(std::uint32_t before) {
  for (const std::string& fault : headless::TakeFaults()) Fail("headless fault: " + fault);
  bool saved = false, abandoned = false;
  for (const platform::ShownMessageBox& box : platform::TakeShownMessageBoxes()) {
    const bool yes = box.answer == platform::IdYes;
    if (box.text == kResetQuestion) {
      if (yes) {
        model = defaultTables;
        saved = true;
        ++resets;
      }
    } else if (box.text == shell::ExitQuestion || box.text == shell::MenuExitQuestion) {
      quitExpected = quitExpected || yes;
    } else if (box.text == shell::AbandonQuestion) {
      abandoned = yes;
    } else if (box.text != kResetDone) {
      Fail("a box said \"" + platform::Utf16ToUtf8(box.text) + "\"");
    }
  }
  const std::uint32_t now = render::ScreenState;
  const bool quit = headless::QuitPosted();

  if (entryOpen && now != screen::NewHiScore) {
    // Off the name entry: by OK or Enter with a name, by Cancel, or by the close.
    const bool take = quit ? !typed.empty() : nameAction == NameAction::Take;
    if (!quit && nameAction == NameAction::None) Fail("the name entry closed by itself");
    if (!quit && take && typed.empty()) Fail("the name entry took an empty name");
    if (take) {
      Insert(model[gameMode - 1], typed, entryScore);
      saved = true;
      ++names;
    }
    entryOpen = false;
    gameMode = 0;
  } else if (entryOpen && entryAnswered) {
    if (nameAction == NameAction::Cancel || !typed.empty()) Fail("the name entry stayed");
    entryTyped = entryAnswered = false;  // an empty name is refused: type again
  }

  if (before == screen::Game && now == screen::MainMenu) {
    if (!abandoned) Fail("the game went back to the menu unasked");
    gameMode = 0;
  } else if (before == screen::Game && now != screen::Game) {
    // The end of a game: the name entry exactly when the score beats the fifth place.
    const Table& table = model[gameMode - 1];
    const std::int32_t score = engine::Kept.Score;
    const bool place = score > table.score[4];
    if (now != (place ? screen::NewHiScore : screen::HiScoreTable) ||
        render::HiScoreTab != static_cast<std::uint32_t>(gameMode)) {
      Fail("a game of mode " + std::to_string(gameMode) + " scoring " + std::to_string(score) +
           " ended on screen " + std::to_string(now) + ", tab " +
           std::to_string(render::HiScoreTab));
    }
    ++gamesEnded;
    stepsSinceGameEnd = 0;
    entryOpen = place;
    if (place) {
      // The entry proposes the name of the latest insertion.
      entryTyped = entryAnswered = false;
      nameAction = NameAction::None;
      typed = table.lastInsert >= 0 && table.lastInsert <= 4 ? table.name[table.lastInsert]
                                                             : std::u16string();
      entryScore = score;
    } else {
      gameMode = 0;
    }
  }
  if (now == screen::Game && engine::Kept.Mode != 0) {
    if (gameMode != engine::Kept.Mode) {
      gameMs = 0;
      aim = Pick(100);
      waste = Pick(60);
    }
    gameMode = engine::Kept.Mode;
  }
  if (entryOpen && !quit) {
    char16_t text[32];
    const std::u16string shown(text, platform::GetWindowText(screens::NameField(), text, 32));
    if (shown != typed) {
      Fail("the name field shows \"" + platform::Utf16ToUtf8(shown) + "\", expected \"" +
           platform::Utf16ToUtf8(typed) + "\"");
    }
  }

  CheckTables(model, "");
  if (quit && !quitExpected && !quitAllowed) Fail("the program quit unasked");
  if (!quit && quitExpected) Fail("the program did not quit");
  quitAllowed = false;
  if (quit || saved) {
    savedTables = model;
    savedFields = SettingsAndKeptGame();
  }
  if (++stepsSinceGameEnd > 200000) Fail("no game ended in 200000 steps");
}

void StartSession() {
  ++sessions;
  Note("start " + std::to_string(sessions));
  const int k = Pick(7);
  width = kScreens[k][0];
  height = kScreens[k][1];
  // Now and then the clock starts just before the wrap of the tick count.
  const std::uint32_t clock = Chance(100) ? 0xFFFFFFFFu - static_cast<std::uint32_t>(Pick(600000))
                                          : static_cast<std::uint32_t>(rng());
  headless::Start(platform::ScreenConfig{width, height, 0, 0}, clock);
  headless::SetModalWaitHandler(&AnswerBox);
  if (shell::StartUp() != shell::StartOutcome::Run) Fail("the program did not start");
  displayClass = platform::Display.DisplayClass;
  focused = platform::DesktopHasFocus();

  if (firstRun) {  // nothing stored yet: the first run's records are the defaults
    firstRun = false;
    defaultTables = savedTables = TablesNow();
    savedFields = SettingsAndKeptGame();
  }
  CheckTables(savedTables, "after the start, ");
  if (const std::vector<std::int32_t> fields = SettingsAndKeptGame(); fields != savedFields) {
    Fail("after the start, the settings and kept game are [" + Text(fields) + "], expected [" +
         Text(savedFields) + "]");
  }
  model = savedTables;
  const bool kept = records::GameStatus.Mode != 0;
  if (render::ScreenState != (kept ? screen::Game : screen::MainMenu)) {
    Fail("the first screen is " + std::to_string(render::ScreenState));
  }
  resumed += kept;
  headless::Pump();
  Observe(render::ScreenState);
}

void EndSession(bool abrupt) {
  if (abrupt) {
    // As if the process were killed: nothing saved, the device and lock let go.
    ++abruptEnds;
    Note("abrupt end");
    sound::CloseSpeaker();
  }
  popup::ResetPopup();
  platform::ReleaseSingleInstance();
  headless::Stop();
  platform::TakeShownMessageBoxes();
  // A new process starts with nothing read and nothing shown.
  std::memset(&records::GameStatus, 0, sizeof records::GameStatus);
  std::memset(&records::HiScoreTables, 0, sizeof records::HiScoreTables);
  shell::ResetShell();
  gameMode = 0;
  entryOpen = false;
  quitExpected = false;
}

void Step() {
  const std::uint32_t before = render::ScreenState;
  Note("at " + std::to_string(headless::Now()) + " screen " + std::to_string(before) + " popup " +
       std::to_string(popup::PopupKind) + " phase " + std::to_string(engine::Game.Phase));
  if (!focused) {
    if (Chance(300)) {
      Note("focus gained");
      headless::FocusGained();
      focused = true;
    }
  } else if (Chance(10)) {
    Note("focus lost");
    headless::FocusLost();
    focused = false;
  } else if (Chance(1)) {
    Note("desktop close");
    platform::DesktopCloseRequested();
    quitExpected = true;
  } else if (popup::PopupKind != popup::kind::None) {
    ActOnPopup();
  } else if (before == screen::MainMenu) {
    ActOnMenu();
  } else if (before == screen::Game) {
    ActOnGame();
  } else if (before == screen::HiScoreTable) {
    ActOnTable();
  } else if (before == screen::Settings) {
    ActOnSettings();
  } else if (before == screen::NewHiScore) {
    ActOnNameEntry();
  } else {
    Fail("unknown screen " + std::to_string(before));
  }
  // While the desktop window is away the game must stand still.
  const bool frozen = !focused && before == screen::Game;
  std::int32_t countdowns[engine::countdown::Count];
  std::memcpy(countdowns, engine::Game.TickCountdown, sizeof countdowns);
  const std::uint32_t ms =
      10 + static_cast<std::uint32_t>(Pick(before == screen::Game ? 300 : 150));
  headless::Advance(ms);
  virtualMs += ms;
  if (before == screen::Game) gameMs += ms;
  if (frozen && !focused &&
      std::memcmp(countdowns, engine::Game.TickCountdown, sizeof countdowns) != 0) {
    Fail("the game ran on while the window was away");
  }
  Observe(before);
}

void Run() {
  const auto start = std::chrono::steady_clock::now();
  StartSession();
  while (gamesEnded < target) {
    if (Chance(1)) {
      // Now and then the process dies without any way out.
      EndSession(true);
      StartSession();
      continue;
    }
    Step();
    if (headless::QuitPosted()) {
      EndSession(false);
      StartSession();
    }
  }
  // The last way out saves too, and one more start checks it.
  Note("desktop close");
  platform::DesktopCloseRequested();
  quitExpected = true;
  headless::Pump();
  Observe(render::ScreenState);
  EndSession(false);
  StartSession();
  EndSession(false);
  std::printf(
      "soak: %d games in %.1f s (%.1f virtual hours), %d sessions (%d after an abrupt end), "
      "%d kept games resumed, %d names entered, %d resets\n",
      gamesEnded, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
      static_cast<double>(virtualMs) / 3.6e6, sessions, abruptEnds, resumed, names, resets);
}

}  // namespace

int main(int argc, char** argv) {
  seed = std::random_device{}();
  target = 100;
  for (int i = 1; i < argc; i += 2) {
    const char* value = i + 1 < argc ? argv[i + 1] : "";
    if (std::strcmp(argv[i], "--seed") == 0) {
      seed = static_cast<unsigned>(std::strtoul(value, nullptr, 10));
    } else {
      target = std::strcmp(argv[i], "--games") == 0 ? std::atoi(value) : 0;
    }
  }
  if (target <= 0) {
    std::fprintf(stderr, "usage: fandriass_soak [--seed N] [--games N]\n");
    return 2;
  }
  std::printf("soak: seed %u, %d games\n", seed, target);
  std::fflush(stdout);
  rng.seed(seed);

  char root[] = "/tmp/fandriass-soak-XXXXXX";
  if (!mkdtemp(root)) {
    std::perror("soak: no temporary folder");
    return 2;
  }
  // The store and the one-copy lock both live in the private folder.
  setenv("XDG_RUNTIME_DIR", root, 1);
  folder = std::string(root) + "/store";
  {
    platform::FileStore store(folder);
    platform::UseStore(&store);
    Run();
    platform::UseStore(nullptr);
  }
  std::filesystem::remove_all(root);
  return 0;
}
