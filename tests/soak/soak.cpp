// Plays many whole games on the headless back end with a random player: taps,
// keys, focus changes, every way out (and deaths without one), and restarts on
// the files the game wrote. After every start it checks that the records hold
// exactly what was last saved. Usage: fandriass_soak [--seed N] [--games N]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <random>
#include <string>

#include "engine/board_geometry.hpp"
#include "engine/game_state.hpp"
#include "engine/painting.hpp"
#include "platform/child_controls.hpp"
#include "platform/display_profile.hpp"
#include "platform/file_store.hpp"
#include "platform/headless.hpp"
#include "platform/message_box.hpp"
#include "platform/message_box_log.hpp"
#include "platform/single_instance.hpp"
#include "platform/text_drawing.hpp"
#include "platform/window_system_internal.hpp"
#include "popup/popup.hpp"
#include "records/game_status_record.hpp"
#include "records/hiscore_screen.hpp"
#include "records/hiscore_table.hpp"
#include "records/new_hiscore_screen.hpp"
#include "records/settings_screen.hpp"
#include "render/game_layout.hpp"
#include "render/screen_state.hpp"
#include "shell/game_taps.hpp"
#include "shell/keys.hpp"
#include "shell/main_menu.hpp"
#include "shell/start_up.hpp"
#include "soak/expected_records.hpp"
#include "sound/sound_bank.hpp"

namespace {

using namespace soak;
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

class Soak {
 public:
  Soak(unsigned seed, int games, std::string folder)
      : seed_(seed), target_(games), folder_(std::move(folder)), random_(seed), store_(folder_) {}

  void Run();
  void AnswerBox();

 private:
  enum class NameAction { None, Take, Cancel };

  [[noreturn]] void Fail(const std::string& what);
  int Pick(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }
  bool Chance(int perMille) { return Pick(1000) < perMille; }

  void StartSession();
  void EndSession(bool abrupt);
  void CheckLoaded();
  void Step();
  void Observe(std::uint32_t before);

  void ActOnMenu();
  void ActOnGame();
  void ActOnTable();
  void ActOnSettings();
  void ActOnNameEntry();
  void ActOnPopup();

  // Input in logical pixels of the screen's layout.
  int Unit() const { return platform::IsVgaClass(displayClass_) ? 2 : 1; }
  void Tap(int x, int y) { TapDevice(x * Unit(), y * Unit()); }
  void TapAnywhere() { TapDevice(Pick(width_), Pick(height_)); }
  void TapDevice(int x, int y) {
    Note("tap " + std::to_string(x) + "," + std::to_string(y));
    headless::Tap(x, y);
  }
  void Key(unsigned key) {
    Note("key " + std::to_string(key));
    headless::Key(key);
  }
  // The latest inputs, shown with a failure.
  void Note(std::string what) {
    if (history_.size() == 40) history_.pop_front();
    history_.push_back(std::move(what));
  }
  bool TapControl(const platform::Window* parent, int id);
  int ChooseCell();

  const unsigned seed_;
  const int target_;
  const std::string folder_;
  std::mt19937 random_;
  platform::FileStore store_;
  std::deque<std::string> history_;

  Tables defaults_;  // the first run's tables
  Tables tables_;    // as the game should hold them now
  Records saved_;    // as the store should hold them
  bool firstRun_ = true;

  // The session.
  std::uint32_t displayClass_ = 0;
  int width_ = 0, height_ = 0;
  bool focused_ = true;
  bool quitExpected_ = false;
  bool quitAllowed_ = false;  // a tap on the menu may hit its quit icon
  bool savedThisStep_ = false;
  std::int32_t gameMode_ = 0;  // of the game on screen
  std::uint32_t gameMs_ = 0;
  // The player of this game: how often it looks for a line, and how often it
  // taps any ball when it finds none (each tap costs paint).
  int aim_ = 50, waste_ = 50;
  // The name entry on screen: the field as the soak made it, and how it left.
  bool entryOpen_ = false, entryTyped_ = false, entryAnswered_ = false;
  std::u16string field_;
  std::int32_t entryScore_ = 0;
  NameAction nameAction_ = NameAction::None;

  // What was done.
  int finished_[5][7] = {};
  int games_ = 0, sessions_ = 0, abrupt_ = 0, resumed_ = 0, abandoned_ = 0, names_ = 0, resets_ = 0,
      boxes_ = 0, focusLosses_ = 0;
  std::uint64_t ticks_ = 0, paints_ = 0, virtualMs_ = 0;
  long steps_ = 0, stepsSinceGameEnd_ = 0;
};

Soak* active = nullptr;

void Soak::Fail(const std::string& what) {
  for (const std::string& line : history_) std::fprintf(stderr, "soak:   %s\n", line.c_str());
  std::fprintf(stderr,
               "soak: FAILED after %d games, in session %d on a %dx%d screen: %s\n"
               "soak: replay with --seed %u --games %d; the store is left in %s\n",
               games_, sessions_, width_, height_, what.c_str(), seed_, target_, folder_.c_str());
  std::exit(1);
}

// A modal box waits: the soak answers as a player would, by key, or closes the
// desktop window under it.
void Soak::AnswerBox() {
  ++boxes_;
  if (Chance(30)) {
    Note("box: desktop close");
    platform::DesktopCloseRequested();
    quitExpected_ = true;
    return;
  }
  const unsigned key = Chance(500) ? vk::Return : vk::Escape;
  Note(key == vk::Return ? "box: Enter" : "box: Escape");
  headless::KeyDown(key);
  headless::KeyUp(key);
}

void AnswerTheBox() {
  active->AnswerBox();
}

void Soak::StartSession() {
  ++sessions_;
  Note("start " + std::to_string(sessions_));
  const int k = Pick(7);
  width_ = kScreens[k][0];
  height_ = kScreens[k][1];
  // Now and then the clock starts just before the wrap of the tick count.
  const std::uint32_t clock = Chance(100) ? 0xFFFFFFFFu - static_cast<std::uint32_t>(Pick(600000))
                                          : static_cast<std::uint32_t>(random_());
  headless::Start(platform::ScreenConfig{width_, height_, 0, 0}, clock);
  headless::SetModalWaitHandler(&AnswerTheBox);
  if (shell::StartUp() != shell::StartOutcome::Run) Fail("the program did not start");
  displayClass_ = platform::Display.DisplayClass;
  focused_ = platform::DesktopHasFocus();
  CheckLoaded();
  headless::Pump();
  Observe(render::ScreenState);
}

void Soak::CheckLoaded() {
  const Records loaded{TablesNow(), SettingsNow(), KeptNow()};
  if (firstRun_) {
    // Nothing stored yet: the first-run tables, whatever their names.
    firstRun_ = false;
    saved_ = Records{loaded.tables, kDefaultSettings, {}};
    for (int m = 0; m < 5; ++m) {
      std::copy(std::begin(kDefaultScores[m]), std::end(kDefaultScores[m]),
                saved_.tables[m].score.begin());
      saved_.tables[m].lastInsert = 4;
    }
    defaults_ = saved_.tables;
  }
  const std::string difference = Difference(loaded, saved_);
  if (!difference.empty()) Fail("after the start, the " + difference);
  tables_ = saved_.tables;
  const std::uint32_t first = saved_.kept.mode != 0 ? screen::Game : screen::MainMenu;
  if (render::ScreenState != first) {
    Fail("the first screen is " + std::to_string(render::ScreenState) + ", expected " +
         std::to_string(first));
  }
  resumed_ += saved_.kept.mode != 0;
}

void Soak::EndSession(bool abrupt) {
  ticks_ += platform::TimersDelivered();
  paints_ += platform::PaintsDelivered();
  if (abrupt) {
    // As if the process were killed: nothing saved, the device and lock let go.
    ++abrupt_;
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
  gameMode_ = 0;
  entryOpen_ = false;
  quitExpected_ = false;
}

bool Soak::TapControl(const platform::Window* parent, int id) {
  for (const platform::Window* w : platform::TopLevelWindows()) {
    if (w->alive && w->kind == platform::WindowKind::Child && w->parent == parent &&
        (id == 0 || platform::ControlId(w) == id)) {
      TapDevice((w->rect.left + w->rect.right) / 2, (w->rect.top + w->rect.bottom) / 2);
      return true;
    }
  }
  return false;
}

void Soak::ActOnMenu() {
  quitAllowed_ = true;
  const shell::MenuOffsets o = shell::MainMenuOffsets(displayClass_);
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

bool Tappable(int c) {
  const int ball = engine::Kept.BallColour[c];
  return ball != 0 && ball != engine::Kept.PaintColour &&
         (c >= 30 || engine::Kept.BallColour[c + 6] != 0);
}

// A cell that makes a line of three at a pipe when painted, when the player
// aims and sees one; else perhaps any cell, else -1.
int Soak::ChooseCell() {
  using engine::Kept;
  if (Pick(100) < aim_) {
    for (int p = 1; p <= engine::PipeCount; ++p) {
      if (Kept.Mode == engine::mode::Heat && engine::PipeActive(p) != 1) continue;
      const auto& line = engine::PipeLines[p];
      for (int gap = 0; gap < 3; ++gap) {
        const int c = line[gap];
        if (!Tappable(c)) continue;
        const int paint = Kept.Mode == engine::mode::Chroma
                              ? engine::MixedColour(Kept.BallColour[c], Kept.PaintColour)
                              : Kept.PaintColour;
        if (paint == Kept.BallColour[line[(gap + 1) % 3]] &&
            paint == Kept.BallColour[line[(gap + 2) % 3]]) {
          return c;
        }
      }
    }
  }
  return Pick(100) < waste_ || gameMs_ > kTiredAfterMs ? Pick(engine::CellCount) : -1;
}

void Soak::ActOnGame() {
  const render::GameLayout l = render::GameLayoutOf(displayClass_);
  const bool square = displayClass_ == 5 || displayClass_ == 6;
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

void Soak::ActOnTable() {
  const records::HiScoreLayout l = records::HiScoreLayoutOf(displayClass_);
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

void Soak::ActOnSettings() {
  const records::SettingsLayout l = records::SettingsLayoutOf(displayClass_);
  const int y0 = l.offsetY;
  switch (Pick(12)) {
    case 0:
      Tap(226, 13);  // close
      break;
    case 1:
      Tap(24, 62);  // the joystick
      break;
    case 2:
      Tap(Chance(500) ? 24 : 134, 104 - y0);  // help, stereo
      break;
    case 3:
    case 4:
      Tap(Chance(500) ? 65 : 175, 148 + 22 * Pick(3) - y0);  // speed, style
      break;
    case 5:
      Tap(185, 240 - y0);  // mute
      break;
    case 6:
    case 7: {
      // The volume slider, dragged.
      const int u = Unit();
      const int y = (241 - y0) * u;
      Note("slider");
      headless::StylusDown((62 + Pick(101)) * u, y);
      headless::StylusMove((50 + Pick(130)) * u, y);
      headless::StylusUp((50 + Pick(130)) * u, y);
      break;
    }
    case 8:
      Tap(120, 293 - l.buttonOffsetY);  // OK
      break;
    case 9:
      Key(vk::Return);
      break;
    default:
      TapAnywhere();
      break;
  }
}

std::string RandomName(std::mt19937& random) {
  static const char* const kPieces[] = {"a", "e", "o", "n", "r", "s", "t", "L", "M", "Z",
                                        " ", "-", "'", "é", "ß", "Ø", "x", "i", "K", "u"};
  std::string name;
  const auto length = random() % 15;
  for (std::size_t i = 0; i < length; ++i) name += kPieces[random() % 20];
  return name;
}

// First the name: the proposal kept, typed over, or cleared and typed; then
// Enter, OK or Cancel.
void Soak::ActOnNameEntry() {
  if (!entryTyped_) {
    entryTyped_ = true;
    const int r = Pick(3);
    if (r == 0) return;
    const std::string name = RandomName(random_);
    if (r == 2) {
      Key(kBackspace);
      field_.clear();
    }
    // The proposal is selected, so typing replaces it; the field takes 10 units.
    if (r == 1 && !name.empty()) field_.clear();
    field_ += platform::Utf8ToUtf16(name);
    field_.resize(std::min<std::size_t>(field_.size(), 10));
    Note("type \"" + name + "\"");
    headless::TypeText(name);
    return;
  }
  entryAnswered_ = true;
  const int r = Pick(10);
  nameAction_ = r < 8 ? NameAction::Take : NameAction::Cancel;
  if (r < 6) {
    Key(vk::Return);
  } else {
    TapControl(platform::MainWindow(),
               r < 8 ? records::NameOkButtonId : records::NameCancelButtonId);
  }
}

void Soak::ActOnPopup() {
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

void Soak::Step() {
  const std::uint32_t before = render::ScreenState;
  Note("at " + std::to_string(headless::Now()) + " screen " + std::to_string(before) + " popup " +
       std::to_string(popup::PopupKind) + " phase " + std::to_string(engine::Game.Phase));
  if (!focused_) {
    if (Chance(300)) {
      Note("focus gained");
      headless::FocusGained();
      focused_ = true;
    }
  } else if (Chance(10)) {
    Note("focus lost");
    headless::FocusLost();
    focused_ = false;
    ++focusLosses_;
  } else if (Chance(1)) {
    Note("desktop close");
    platform::DesktopCloseRequested();
    quitExpected_ = true;
  } else if (popup::PopupKind != popup::kind::None) {
    ActOnPopup();
  } else {
    switch (before) {
      case screen::MainMenu:
        ActOnMenu();
        break;
      case screen::Game:
        ActOnGame();
        break;
      case screen::HiScoreTable:
        ActOnTable();
        break;
      case screen::Settings:
        ActOnSettings();
        break;
      case screen::NewHiScore:
        ActOnNameEntry();
        break;
      default:
        Fail("unknown screen " + std::to_string(before));
    }
  }
  // While the desktop window is away the game must stand still.
  const bool frozen = !focused_ && before == screen::Game;
  std::int32_t countdowns[engine::countdown::Count];
  std::memcpy(countdowns, engine::Game.TickCountdown, sizeof countdowns);
  const std::uint32_t ms =
      10 + static_cast<std::uint32_t>(Pick(before == screen::Game ? 300 : 150));
  headless::Advance(ms);
  virtualMs_ += ms;
  if (before == screen::Game) gameMs_ += ms;
  if (frozen && !focused_ &&
      std::memcmp(countdowns, engine::Game.TickCountdown, sizeof countdowns) != 0) {
    Fail("the game ran on while the window was away");
  }
  Observe(before);
}

// What the last step did, told by the boxes shown, the screen now and the quit.
void Soak::Observe(std::uint32_t before) {
  ++steps_;
  for (const std::string& fault : headless::TakeFaults()) Fail("headless fault: " + fault);
  savedThisStep_ = false;
  bool abandoned = false;
  for (const platform::ShownMessageBox& box : platform::TakeShownMessageBoxes()) {
    const bool yes = box.answer == platform::IdYes;
    if (box.text == kResetQuestion) {
      if (yes) {
        tables_ = defaults_;
        savedThisStep_ = true;
        ++resets_;
      }
    } else if (box.text == shell::ExitQuestion || box.text == shell::MenuExitQuestion) {
      quitExpected_ = quitExpected_ || yes;
    } else if (box.text == shell::AbandonQuestion) {
      abandoned = yes;
    } else if (box.text != kResetDone) {
      Fail("a box said \"" + platform::Utf16ToUtf8(box.text) + "\"");
    }
  }
  const std::uint32_t now = render::ScreenState;
  const bool quit = headless::QuitPosted();

  if (entryOpen_ && now != screen::NewHiScore) {
    // Off the name entry: by OK or Enter with a name, by Cancel, or by the close.
    const bool take = quit ? !field_.empty() : nameAction_ == NameAction::Take;
    if (!quit && nameAction_ == NameAction::None) Fail("the name entry closed by itself");
    if (!quit && take && field_.empty()) Fail("the name entry took an empty name");
    if (take) {
      Insert(tables_[gameMode_ - 1], field_, entryScore_);
      savedThisStep_ = true;
      ++names_;
    }
    entryOpen_ = false;
    gameMode_ = 0;
  } else if (entryOpen_ && entryAnswered_) {
    if (nameAction_ == NameAction::Cancel || !field_.empty()) Fail("the name entry stayed");
    entryTyped_ = entryAnswered_ = false;  // an empty name is refused: type again
  }

  if (before == screen::Game && now == screen::MainMenu) {
    if (!abandoned) Fail("the game went back to the menu unasked");
    ++abandoned_;
    gameMode_ = 0;
  } else if (before == screen::Game && now != screen::Game) {
    // The end of a game: the name entry exactly when the score beats the fifth place.
    const std::int32_t score = engine::Kept.Score;
    const bool place = score > tables_[gameMode_ - 1].score[4];
    if (now != (place ? screen::NewHiScore : screen::HiScoreTable) ||
        render::HiScoreTab != static_cast<std::uint32_t>(gameMode_)) {
      Fail("a game of mode " + std::to_string(gameMode_) + " scoring " + std::to_string(score) +
           " ended on screen " + std::to_string(now) + ", tab " +
           std::to_string(render::HiScoreTab));
    }
    ++finished_[gameMode_ - 1][displayClass_ - 1];
    ++games_;
    stepsSinceGameEnd_ = 0;
    entryOpen_ = place;
    if (place) {
      entryTyped_ = entryAnswered_ = false;
      nameAction_ = NameAction::None;
      field_ = Proposal(tables_[gameMode_ - 1]);
      entryScore_ = score;
    } else {
      gameMode_ = 0;
    }
  }
  if (now == screen::Game && engine::Kept.Mode != 0) {
    if (gameMode_ != engine::Kept.Mode) {
      gameMs_ = 0;
      aim_ = Pick(100);
      waste_ = Pick(60);
    }
    gameMode_ = engine::Kept.Mode;
  }
  if (entryOpen_ && !quit) {
    char16_t text[32];
    const std::u16string shown(text, platform::GetWindowText(records::NameField(), text, 32));
    if (shown != field_) {
      Fail("the name field shows \"" + platform::Utf16ToUtf8(shown) + "\", expected \"" +
           platform::Utf16ToUtf8(field_) + "\"");
    }
  }

  if (const std::string d = Difference(TablesNow(), tables_); !d.empty()) Fail("the " + d);
  if (quit && !quitExpected_ && !quitAllowed_) Fail("the program quit unasked");
  if (!quit && quitExpected_) Fail("the program did not quit");
  quitAllowed_ = false;
  if (quit || savedThisStep_) saved_ = Records{tables_, SettingsNow(), KeptNow()};
  if (++stepsSinceGameEnd_ > 200000) Fail("no game ended in 200000 steps");
}

void Soak::Run() {
  const auto start = std::chrono::steady_clock::now();
  platform::UseStore(&store_);
  StartSession();
  while (games_ < target_) {
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
  quitExpected_ = true;
  headless::Pump();
  Observe(render::ScreenState);
  EndSession(false);
  StartSession();
  EndSession(false);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  std::printf("soak: seed %u: %d games in %.1f s (%.1f virtual hours), %ld steps\n", seed_, games_,
              seconds, static_cast<double>(virtualMs_) / 3.6e6, steps_);
  std::printf("soak: games ended per mode and screen:\n              ");
  for (const auto& s : kScreens)
    std::printf("%8s", (std::to_string(s[0]) + "x" + std::to_string(s[1])).c_str());
  static const char* const kModes[] = {"EASY", "HARD", "PANIC", "HEAT", "CHROMA"};
  for (int m = 0; m < 5; ++m) {
    std::printf("\n      %-8s", kModes[m]);
    for (int c = 0; c < 7; ++c) std::printf("%8d", finished_[m][c]);
  }
  std::printf(
      "\nsoak: %d sessions (%d restarts, %d after an abrupt end), %d kept games resumed, %d "
      "abandoned, %d names entered, %d resets, %d boxes answered, %d focus losses\n"
      "soak: %llu timer ticks, %llu paints\n",
      sessions_, sessions_ - 1, abrupt_, resumed_, abandoned_, names_, resets_, boxes_,
      focusLosses_, static_cast<unsigned long long>(ticks_),
      static_cast<unsigned long long>(paints_));
}

}  // namespace

int main(int argc, char** argv) {
  unsigned seed = std::random_device{}();
  int games = 100;
  for (int i = 1; i < argc; i += 2) {
    const char* value = i + 1 < argc ? argv[i + 1] : "";
    if (std::strcmp(argv[i], "--seed") == 0) {
      seed = static_cast<unsigned>(std::strtoul(value, nullptr, 10));
    } else if (std::strcmp(argv[i], "--games") == 0) {
      games = std::atoi(value);
    } else {
      games = 0;
    }
  }
  if (games <= 0) {
    std::fprintf(stderr, "usage: fandriass_soak [--seed N] [--games N]\n");
    return 2;
  }
  std::printf("soak: seed %u, %d games\n", seed, games);
  std::fflush(stdout);

  char name[] = "/tmp/fandriass-soak-XXXXXX";
  if (!mkdtemp(name)) {
    std::perror("soak: no temporary folder");
    return 2;
  }
  // The store and the one-copy lock both live in the private folder.
  setenv("XDG_RUNTIME_DIR", name, 1);
  {
    Soak soak(seed, games, std::string(name) + "/store");
    active = &soak;
    soak.Run();
    platform::UseStore(nullptr);
  }
  std::filesystem::remove_all(name);
  return 0;
}
