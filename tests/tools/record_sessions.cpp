// Records the golden sessions in tests/replays: each is a player's visit of
// the game, played here on the headless back end through the same recording
// clock as `fandriass --record`. Run it again when a session should do other
// things (then take the new expectations with scripts/golden), not when the
// game's pictures change.
//   record_sessions OUT-DIR [NAME...]
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "engine/board_geometry.hpp"
#include "engine/game_state.hpp"
#include "engine/screen_items.hpp"
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
bool Square() {
  return platform::IsSquare(platform::Display.DisplayClass);
}

// Input, each followed by the time a player takes before the next.
void Wait(std::uint32_t ms) {
  headless::Advance(ms);
}
void Tap(int x, int y, std::uint32_t then = 400) {
  headless::Tap(x * Unit(), y * Unit());
  Wait(then);
}
void Press(unsigned key, std::uint32_t then = 300) {
  headless::Key(key);
  Wait(then);
}
void Type(const char* text) {
  headless::TypeText(text);
  Wait(500);
}
void Drag(int x0, int y, int x1, std::uint32_t then = 400) {
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
// Two presses at one logical point, the second within a double-click's time.
void DoubleTap(int x, int y, std::uint32_t gap = 100, std::uint32_t then = 400) {
  headless::Tap(x * Unit(), y * Unit());
  Wait(gap);
  Tap(x, y, then);
}
// A key held down for a while, repeating as a held key does.
void Hold(unsigned key, std::uint32_t ms, std::uint32_t then = 300) {
  headless::KeyDown(key);
  for (std::uint32_t held = 0; held < ms; held += 50) {
    Wait(50);
    headless::KeyDownRepeated(key);
  }
  headless::KeyUp(key);
  Wait(then);
}
void Close(std::uint32_t then = 1000) {
  platform::DesktopCloseRequested();
  Wait(then);
}
void AwayFor(std::uint32_t ms) {
  headless::FocusLost();
  Wait(ms);
  headless::FocusGained();
  Wait(400);
}

// The boxes that a tap or key brings up are answered with these keys, one
// each, once they show; kCloseButton is the desktop's close button instead.
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
void Answering(std::vector<unsigned> keys, const std::function<void()>& ask,
               std::uint32_t after = 500) {
  boxAnswers = std::move(keys);
  ask();
  if (!boxAnswers.empty()) {
    std::fprintf(stderr, "record_sessions: a box never came at %u ms\n", headless::Now());
  }
  boxAnswers.clear();
  // Past a double-click's time: the next press is a press of its own.
  Wait(after);
}

// The menu: 0..4 the modes, 5 hi-scores, 6 settings, 7 the title (About),
// 8 the quit icon.
void Menu(int entry, std::uint32_t then = 400) {
  static constexpr int kCentres[9][2] = {{166, 182}, {170, 211}, {173, 241}, {170, 270},
                                         {183, 299}, {61, 298},  {59, 271},  {120, 50}};
  const shell::MenuOffsets o = shell::MainMenuOffsets(platform::Display.DisplayClass);
  if (entry == 8) return Tap(o.x == 40 ? 311 : 231, 8, then);
  Tap(kCentres[entry][0] + o.x, entry == 7 ? 50 : kCentres[entry][1] - o.y, then);
}

// A tap at a logical point of the popup's panel.
void TapPopup(int x, int y, std::uint32_t then = 400) {
  const platform::Rect r = platform::WindowRect(popup::PopupWindow);
  headless::Tap(r.left + platform::DoublingRule(x), r.top + platform::DoublingRule(y));
  Wait(then);
}
void HelpOk() {
  TapPopup(203, 218);
}

// A push button by its id, or the popup's own when the id is 0.
void TapControl(int id, std::uint32_t then = 400) {
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
void GameIcon(int k) {  // 0 exit, 1 abandon, 2 sound
  const engine::GameLayout l = engine::GameLayoutOf(platform::Display.DisplayClass);
  if (Square() && k < 2) return Tap(k == 0 ? 234 : 221, 6);
  Tap(l.IconBarX + 8 - 18 * k, l.IconBarY + 8);
}
void ColourWheelButton() {
  const engine::GameLayout l = engine::GameLayoutOf(platform::Display.DisplayClass);
  Tap(l.ScreenOffsetX + 226, l.ScreenOffsetY + 226);
}

// Plays the game on screen: lines whenever the player sees one for aimMs,
// then any ball, until the game is over and its show has ended (or has begun).
void PlayToTheEnd(std::uint32_t aimMs, bool onlyToTheShow = false) {
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
  if (onlyToTheShow) return;
  for (int k = 0; k < 600 && render::ScreenState == screen::Game; ++k) Wait(100);
  Wait(600);
}

struct Session {
  const char* name;
  int width, height;
  std::function<void()> before;  // sets up the store's values
  std::function<void()> play;
  bool abrupt = false;  // ends as a killed program does, with no way out
  // Changes the recorded input afterwards, for what a player does while a
  // modal box waits (the recorder itself answers boxes from its wait handler).
  std::function<void(platform::Replay&)> edit = nullptr;
};

// Puts input in before the first key-down of `key` at or after `from` ms into
// the session, at the given offsets from it, and moves that key and all that
// follows it by `delay`.
void InsertBeforeKey(platform::Replay& replay, unsigned key, std::uint32_t delay,
                     const std::vector<platform::ReplayEvent>& inserted) {
  auto& events = replay.events;
  for (std::size_t k = 0; k < events.size(); ++k) {
    if (events[k].input != platform::ReplayInput::KeyDown || events[k].a != static_cast<int>(key)) {
      continue;
    }
    const std::uint32_t at = events[k].time;
    for (std::size_t j = k; j < events.size(); ++j) events[j].time += delay;
    replay.end += delay;
    std::vector<platform::ReplayEvent> added = inserted;
    for (platform::ReplayEvent& e : added) e.time += at;
    events.insert(events.begin() + static_cast<std::ptrdiff_t>(k), added.begin(), added.end());
    events[k + added.size()].withPrevious = false;
    return;
  }
}

// The hi-score tables with the fifth place of every mode at a score, so a
// short game reaches the name entry (or never does).
void FifthPlacesAt(std::int32_t score) {
  records::LoadAllRecords();
  for (int mode = 1; mode <= 5; ++mode) records::TableOfMode(mode)->Entry[4].Score = score;
}

void Kept(const fixture::KeptGame& game) {
  fixture::PutKeptGame(game);
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
constexpr const char* kFullBoard = "RYBGPO OPYRBG BGPOYR YROBGP GORYPB RRYPBG";

void HiScoreTab(int k, std::uint32_t then = 700) {
  const screens::HiScoreLayout l = screens::HiScoreLayoutOf(platform::Display.DisplayClass);
  Tap(l.tabX + 30 * k + 15, l.tabY + 15, then);
}
void ExportButton() {
  Tap(17, screens::HiScoreLayoutOf(platform::Display.DisplayClass).tabY + 16, 1500);
}
// The settings screen's controls at their places on this layout.
int SettingsY(int y) {
  return y - screens::SettingsLayoutOf(platform::Display.DisplayClass).offsetY;
}
void SettingsOk() {
  Tap(120, 293 - screens::SettingsLayoutOf(platform::Display.DisplayClass).buttonOffsetY, 800);
}
void NameEntered(const char* name, bool byOk) {
  if (render::ScreenState != screen::NewHiScore) return;
  Type(name);
  byOk ? TapControl(screens::NameOkButtonId, 1500) : Press(vk::Return, 1500);
}

const std::vector<Session>& Sessions() {
  static const std::vector<Session> sessions = {
      // A first visit on the tall screen: the EASY help, a whole game, a name.
      {"easy_240x320", 240, 320, nullptr,
       [] {
         Wait(1500);
         Menu(0, 25000);
         HelpOk();
         PlayToTheEnd(20000);
         NameEntered("Ann", false);
         Tap(120, 160, 1000);
         Menu(8);
       }},
      // HARD on the wide screen: the help ticked off, the icons and both
      // questions answered No, the window away and back, a game that ends on
      // the table, a second game without help abandoned, Escape's question.
      {"hard_320x240", 320, 240, [] { FifthPlacesAt(90000); },
       [] {
         Wait(1000);
         Menu(1, 2500);
         TapPopup(19, 220);
         HelpOk();
         Wait(6000);
         GameIcon(2);
         Wait(1500);
         GameIcon(2);
         Answering({vk::Escape}, [] { GameIcon(0); });
         Answering({vk::Escape}, [] { GameIcon(1); });
         AwayFor(2000);
         PlayToTheEnd(12000, true);
         Wait(2500);
         TapCell(14, 400);  // once the result has been read, a tap moves the show on
         for (int k = 0; k < 100 && render::ScreenState == screen::Game; ++k) Wait(100);
         Wait(600);
         Tap(120, 200, 800);
         Menu(1, 1500);
         Answering({vk::Return}, [] { GameIcon(1); });
         Wait(1000);
         Answering({vk::Escape}, [] { Press(vk::Escape); });
         Answering({vk::Return}, [] { Press(vk::Escape); });
       }},
      // PANIC on the small square: a whole game and a long name taken by OK.
      {"panic_240x240", 240, 240, [] { FifthPlacesAt(300); },
       [] {
         Wait(800);
         Menu(2, 1500);
         HelpOk();
         PlayToTheEnd(15000);
         NameEntered(
             "Zo\xC3\xAB \xC3\x98"
             "degaard-Lund",
             true);
         Tap(120, 120, 800);
         Menu(8);
       }},
      // HEAT on 320x320, left by the desktop's close button on the table.
      {"heat_320x320", 320, 320, nullptr,
       [] {
         Wait(800);
         Menu(3, 1500);
         HelpOk();
         PlayToTheEnd(15000);
         NameEntered("Heat", false);
         Wait(1500);
       }},
      // CHROMA on the wide VGA screen: the colour wheel opened in play.
      {"chroma_640x480", 640, 480, [] { FifthPlacesAt(300); },
       [] {
         Wait(800);
         Menu(4, 1500);
         HelpOk();
         Wait(3000);
         ColourWheelButton();
         Wait(800);
         TapCell(14, 800);  // the wheel only comes back to the front
         TapControl(0);
         PlayToTheEnd(6000);
         if (render::ScreenState == screen::NewHiScore) {
           TapControl(screens::NameCancelButtonId, 1000);
         }
         Tap(120, 120, 800);
         Menu(8);
       }},
      // Every menu entry on the tall VGA screen, then a game by the keys.
      {"menu_480x640", 480, 640, nullptr,
       [] {
         Wait(1000);
         Menu(7, 1500);
         TapPopup(227, 13);
         Menu(7, 1500);
         Press(vk::Return, 800);
         Menu(5, 1000);
         for (int k = 0; k < 5; ++k) HiScoreTab(k);
         ExportButton();
         TapPopup(227, 13);
         Answering({vk::Escape}, [] { Tap(25, 8, 800); });
         Answering({vk::Return, vk::Return}, [] { Tap(25, 8, 800); });
         Tap(120, 150, 800);
         Menu(6, 1000);
         Tap(24, 62);
         Tap(24, 62);
         Tap(24, SettingsY(104));
         Tap(134, SettingsY(104));
         Tap(65, SettingsY(170));
         Tap(175, SettingsY(192));
         Tap(185, SettingsY(240));
         Tap(185, SettingsY(240));
         Drag(80, SettingsY(241), 150);
         Tap(226, 13, 800);
         Menu(6, 1000);
         Tap(65, SettingsY(148));
         Drag(150, SettingsY(241), 100);
         SettingsOk();
         // The direction pad: the marker shown, the table's tabs, the
         // settings left by Enter, then EASY (its help now off) and a game.
         for (const unsigned key : {vk::Return, vk::Down, vk::Return, vk::Right, vk::Right,
                                    vk::Left, vk::Return, vk::Return, vk::Return, vk::Return,
                                    vk::Return, vk::Down, vk::Down, vk::Down, vk::Up, vk::Return}) {
           Press(key, 500);
         }
         Wait(1500);
         for (const unsigned key : {vk::Left, vk::Left, vk::Down, vk::Return, vk::Right, vk::Up,
                                    vk::Return, vk::Down, vk::Down, vk::Return}) {
           Press(key, 500);
         }
         Answering({vk::Return}, [] { GameIcon(0); });
       }},
      // Every mode's help pages to their last slide on the large square.
      {"help_480x480", 480, 480, nullptr,
       [] {
         Wait(800);
         for (int mode = 0; mode < 5; ++mode) {
           Menu(mode, mode == 3 ? 3000 : 42000);
           if (mode == 3) {
             // Neither a tap on the running show, nor the check box, nor a
             // switch to another application moves the slides on; a tap
             // on the ended show plays it again.
             TapPopup(120, 100, 2000);
             TapPopup(19, 220, 1000);
             TapPopup(19, 220, 1000);
             AwayFor(3000);
             Wait(40000);
             TapPopup(120, 100, 12000);
           }
           TapPopup(227, 13, 800);
         }
         Menu(8);
       }},
      // The EASY help's nine slides to the end, and its replay, on the tall screen.
      {"easy_help_slides_240x320", 240, 320, nullptr,
       [] {
         Wait(800);
         Menu(0, 92000);
         TapPopup(120, 100, 21000);
         TapPopup(227, 13, 800);
         Menu(8);
       }},
      // A kept HEAT game resumed on the wide screen, left by the exit question.
      {"resume_heat_320x240", 320, 240,
       [] {
         fixture::PutKeptGame({.mode = 4,
                               .score = 1200,
                               .level = 3,
                               .paintColour = 2,
                               .reserve = 50,
                               .board = "RYBGPO OYRBGP BGPOYR YRBGPO GPORYB POYRBG",
                               .letters = "...... ..1... ...... ....3. ...... ......",
                               .word = "110000000",
                               .hotPipes = "100000 001000 000100 010000",
                               .pipeHeat = "500000 003000 000700 090000"});
       },
       [] {
         Wait(500);
         PlayToTheEnd(0);
       }},
      // A kept PANIC game resumed with three seconds left: the time runs out,
      // and the desktop's close button on the name entry keeps the name.
      {"panic_time_up_320x320", 320, 320,
       [] {
         fixture::PutKeptGame({.mode = 3,
                               .score = 5000,
                               .level = 2,
                               .paintColour = 3,
                               .reserve = 60,
                               .panicTime = 3,
                               .board = "RYBGPO OYRBGP BGPOYR YRBGPO GPORYB POYRBG"});
       },
       [] {
         Wait(9000);
         Type("Last");
       }},
      // The second press of a double-click never acts on what its first
      // brought up: the colour wheel's OK over the board, the abandon box's
      // Yes over About; one that changes nothing acts twice.
      {"double_click_240x320", 240, 320,
       [] {
         Kept({.mode = 5,
               .paintColour = 1,
               .reserve = 60,
               .board = "...... ...... ...... ...... ...... ..Y..."});
         records::GameStatus.HelpEnabled = 0;
       },
       [] {
         Wait(800);
         ColourWheelButton();
         Wait(800);
         DoubleTap(100, 220);
         Tap(100, 220, 800);
         Answering(
             {vk::Return},
             [] {
               headless::Tap(207, 18);
               Wait(150);
             },
             0);
         Wait(150);
         Tap(207, 18, 800);
         Menu(0, 800);
         DoubleTap(187, 18);
       }},
      // A double-click on a menu entry whose help's OK lies under it shows the
      // help and starts nothing; one on the title whose About's close box
      // lies under it leaves About open.
      {"double_click_help_240x320", 240, 320, nullptr,
       [] {
         Wait(800);
         DoubleTap(190, 260, 100, 1500);
         HelpOk();
         Wait(1000);
         Answering({vk::Return}, [] { GameIcon(1); });
         Wait(600);
         DoubleTap(227, 51, 100, 1500);
         TapControl(0);
       }},
      // A press before the new screen's first paint does nothing.
      {"first_paint_240x320", 240, 320,
       [] {
         records::LoadAllRecords();
         records::GameStatus.HelpEnabled = 0;
       },
       [] {
         Wait(1000);
         const shell::MenuOffsets o = shell::MainMenuOffsets(platform::Display.DisplayClass);
         headless::Tap(166 + o.x, 182 - o.y);
         headless::Tap(222, 18);
         Wait(800);
         Answering({vk::Escape}, [] { Tap(222, 18); });
         Answering({vk::Return}, [] { GameIcon(0); });
       }},
      // Two splashes at once each keep their own ball; CHROMA's opposite
      // colours splash black without splat frames; a refresh during it.
      {"splashes_320x240", 320, 240,
       [] { Kept({.mode = 5, .paintColour = 2, .reserve = 70, .board = kFullBoard}); },
       [] {
         Wait(600);
         Press(vk::F2, 400);
         TapCell(12, 20);
         TapCell(13, 20);
         TapCell(20, 300);
         TapCell(4, 30);
         Answering({vk::Escape}, [] { GameIcon(0); });
         Wait(1500);
         Press(vk::F2, 400);
         Answering({vk::Return}, [] { GameIcon(0); });
       }},
      // A resumed CHROMA game whose paint is black.
      {"black_paint_240x240", 240, 240,
       [] { Kept({.mode = 5, .paintColour = 7, .reserve = 40, .board = kFullBoard}); },
       [] {
         Wait(800);
         TapCell(3, 1500);
         Answering({vk::Return}, [] { GameIcon(0); });
       }},
      // A HARD game on the small square: the paint pot drips in the corner
      // after the score, the only one of the panel's places left in sight.
      {"pot_on_square_240x240", 240, 240,
       [] {
         Kept({.mode = 2, .score = 200, .paintColour = 2, .reserve = 60, .board = kFullBoard});
       },
       [] {
         Wait(5000);
         Answering({vk::Return}, [] { GameIcon(0); });
       }},
      // The last letter of the bonus word: the word blinks, its banner shows.
      {"bonus_word_320x320", 320, 320,
       [] {
         Kept({.mode = 1,
               .score = 700,
               .paintColour = 1,
               .reserve = 50,
               .board = kFullBoard,
               .letters = "...... ...... ...... ...... ...... 7.....",
               .word = "111111110"});
       },
       [] {
         Wait(600);
         Press(vk::F2, 400);
         TapCell(32, 6000);
         Answering({vk::Return}, [] { GameIcon(0); });
       }},
      // A line taken with the reserve one short of its top: the level rises
      // under its banner.
      {"level_up_240x320", 240, 320,
       [] {
         Kept({.mode = 1,
               .score = 700,
               .paintColour = 1,
               .reserve = 76,
               .board = "...... ...... ...... ...... ...... RRRYBG"});
       },
       [] {
         Wait(6000);
         Answering({vk::Return}, [] { GameIcon(0); });
       }},
      // A PANIC game that times out while the completed word blinks: the
      // end's banner is not covered by the BONUS one.
      {"time_up_in_the_blink_240x320", 240, 320,
       [] {
         FifthPlacesAt(90000);
         Kept({.mode = 3,
               .score = 700,
               .paintColour = 1,
               .reserve = 50,
               .panicTime = 3,
               .board = kFullBoard,
               .letters = "...... ...... ...... ...... ...... 7.....",
               .word = "111111110"});
       },
       [] {
         Wait(300);
         TapCell(32, 9000);
       }},
      // The game ends while a line is still being sucked through the rows of
      // the end's banner: the banner stays whole.
      {"end_while_sucking_480x480", 480, 480,
       [] {
         FifthPlacesAt(90000);
         Kept({.mode = 3,
               .score = 100,
               .paintColour = 1,
               .reserve = 60,
               .panicTime = 2,
               .board = "RYBGPO OPYRBG BGPOYR YRYBGP GORYPB PBRPBG"});
       },
       [] {
         // The line is made in the last second, so the clock runs out as it is found.
         for (int k = 0; k < 300 && engine::Kept.PanicTime != 1; ++k) Wait(10);
         TapCell(20, 6000);
       }},
      // Numbers beyond their boxes, the gauge at its top, a table of the
      // widest names and largest scores, an earned export code.
      {"extremes_480x640", 480, 640,
       [] {
         ExtremeTables();
         Kept({.mode = 2,
               .score = 123456789,
               .level = 9,
               .paintColour = 3,
               .reserve = 90,
               .board = kFullBoard});
       },
       [] {
         Wait(1500);
         PlayToTheEnd(0);
         Press(vk::Return, 1000);
         HiScoreTab(0);
         ExportButton();
         TapControl(0);
         HiScoreTab(1);
         ExportButton();
         Press(vk::Return, 600);
         Tap(120, 150, 800);
         Menu(8);
       }},
      // A box open when the window goes away and comes back keeps the game
      // still until answered; it takes every tap meanwhile; the desktop's
      // close under a box answers it No, then saves the game.
      {"focus_box_320x240", 320, 240,
       [] {
         Kept({.mode = 2, .score = 400, .paintColour = 4, .reserve = 60, .board = kFullBoard});
         records::GameStatus.BallStyle = 2;  // drawn in the player's style from the first paint
       },
       [] {
         Wait(1000);
         Answering({vk::Escape}, [] { GameIcon(0); });
         Wait(1000);
         Answering({kCloseButton}, [] { GameIcon(0); });
       },
       false,
       [](platform::Replay& replay) {
         // Away and back with the exit question up, then a tap on the board.
         using platform::ReplayInput;
         InsertBeforeKey(replay, vk::Escape, 2500,
                         {{100, false, ReplayInput::Focus, 0, 0},
                          {1600, false, ReplayInput::Focus, 1, 0},
                          {1900, false, ReplayInput::StylusDown, 100, 130},
                          {1950, false, ReplayInput::StylusUp, 100, 130}});
       }},
      // The settings' OK left held by its own release does not leave the
      // screen again when a tap on the menu's entry lifts over it.
      {"settings_ok_240x320", 240, 320, nullptr,
       [] {
         Wait(800);
         Menu(6, 800);
         SettingsOk();
         headless::StylusDown(100, 282);
         Wait(80);
         headless::StylusUp(100, 282);
         Wait(800);
         Tap(226, 13, 800);
         // A press on the menu's entry that slides up over the volume slider
         // moves nothing there.
         headless::StylusDown(59, 271);
         for (const int y : {266, 258, 250, 244}) {
           Wait(60);
           headless::StylusMove(59 + (271 - y) * 3, y);
         }
         Wait(60);
         headless::StylusUp(140, 244);
         Wait(800);
         Tap(226, 13, 800);
         Menu(8);
       }},
      // The settings and the table on the wide VGA screen.
      {"settings_640x480", 640, 480, nullptr,
       [] {
         Wait(800);
         Menu(6, 800);
         Tap(24, SettingsY(104));
         Tap(175, SettingsY(170));
         Drag(60, SettingsY(241), 169);
         SettingsOk();
         Menu(5, 800);
         HiScoreTab(3);
         Tap(120, 150, 800);
         Press(vk::Return, 600);
         Press(vk::Right, 600);
         Menu(8);
       }},
      // The settings, the table and its export panel on the other two shapes.
      {"screens_320x240", 320, 240, [] { ExtremeTables(); },
       [] {
         Wait(800);
         Menu(6, 800);
         Tap(134, SettingsY(104));
         Tap(65, SettingsY(192));
         Tap(175, SettingsY(170));
         Drag(150, SettingsY(241), 56);
         Tap(185, SettingsY(240));
         SettingsOk();
         Menu(5, 800);
         HiScoreTab(2);
         ExportButton();
         TapPopup(227, 13);
         Tap(120, 150, 800);
       }},
      {"screens_320x320", 320, 320, [] { ExtremeTables(); },
       [] {
         Wait(800);
         Menu(6, 800);
         Tap(24, 62);
         Tap(24, SettingsY(104));
         Tap(65, SettingsY(192));
         Tap(175, SettingsY(148));
         Drag(60, SettingsY(241), 120);
         Tap(226, 13, 800);
         Menu(5, 800);
         HiScoreTab(4);
         ExportButton();
         TapControl(0);
         Tap(120, 150, 800);
         Menu(7, 1000);
         TapControl(0);
       }},
      // By the keyboard alone: the help closed by Escape, then taken by
      // Enter; Escape in the game asks the exit question.
      {"keyboard_only_240x320", 240, 320, nullptr,
       [] {
         Wait(800);
         for (const unsigned key : {vk::Return, vk::Down, vk::Down, vk::Return}) Press(key, 500);
         Press(vk::Escape, 800);
         for (const unsigned key : {vk::Return, vk::Down, vk::Down, vk::Return}) Press(key, 500);
         Press(vk::Return, 1500);
         for (const unsigned key : {vk::Left, vk::Return, vk::Up, vk::Return}) Press(key, 600);
         Answering({vk::Escape}, [] { Press(vk::Escape); });
         Wait(1000);
         Answering({vk::Return}, [] { Press(vk::Escape); });
       }},
      // Held keys act once per press: Escape's question on the menu is not
      // answered by its own repeats; Enter paints once; F2's symbols; the
      // action key paints nothing in the show; an Enter held into the name
      // entry does not answer it.
      {"held_keys_480x480", 480, 480,
       [] {
         FifthPlacesAt(150);
         records::GameStatus.HelpEnabled = 0;
       },
       [] {
         Wait(800);
         Answering({vk::Escape}, [] { Hold(vk::Escape, 800); });
         for (const unsigned key : {vk::Return, vk::Down, vk::Down, vk::Return}) Press(key, 400);
         Wait(1000);
         Press(vk::Down);
         Hold(vk::Return, 600);
         Press(vk::F2, 1500);
         PlayToTheEnd(3000, true);
         Press(vk::Left, 200);
         Press(vk::Up, 200);
         Hold(vk::Return, 5000);
         Type("Held");
         Press(vk::Return, 1000);
         Press(vk::F2, 600);
         Tap(120, 120, 800);
         Menu(8);
       },
       false,
       [](platform::Replay& replay) {
         // The recorder answered Escape's question at its first wait, under
         // the held key; the player answers it once the key is let go.
         using platform::ReplayInput;
         auto& e = replay.events;
         std::size_t answer = 1;
         while (answer < e.size() && e[answer].input != ReplayInput::KeyDown) ++answer;
         std::size_t let = answer + 2;
         while (let < e.size() && e[let].input != ReplayInput::KeyUp) ++let;
         const std::vector<platform::ReplayEvent> moved(e.begin() + answer, e.begin() + answer + 2);
         const std::uint32_t at = e[let].time + 300;
         e.erase(e.begin() + answer, e.begin() + answer + 2);
         std::vector<platform::ReplayEvent> later = moved;
         later[0].time = later[1].time = at;
         later[0].withPrevious = false;
         e.insert(e.begin() + (let - 1), later.begin(), later.end());
         e[answer].withPrevious = false;
       }},
      // The colour wheel closed as the game's end show finishes: the name
      // entry still gets its field and buttons.
      {"wheel_at_the_end_240x320", 240, 320,
       [] {
         FifthPlacesAt(300);
         Kept({.mode = 5,
               .score = 3000,
               .reserve = 1,
               .board = "KKKKKK KKKKKK KKKKKK KKKKKK KKKKKK KKKKKK"});
       },
       [] {
         Wait(600);
         TapCell(1, 10);  // paint on a black ball spends the last drop
         for (int k = 0; k < 20000 && engine::Game.RunOutCounter != 10; ++k) Wait(1);
         ColourWheelButton();
         TapPopup(227, 13, 800);
         Type("Wheel");
         Press(vk::Return, 1000);
       }},
      // A new entry and a reset are kept at once: the program dies after
      // each without a way out, and the records already hold them.
      {"saved_at_once_320x320", 320, 320,
       [] {
         FifthPlacesAt(300);
         Kept({.mode = 1, .score = 3000, .paintColour = 2, .reserve = 1, .board = kFullBoard});
       },
       [] {
         Wait(600);
         PlayToTheEnd(0);
         Type("Kept");
         TapControl(screens::NameOkButtonId, 1000);
       },
       true},
      {"reset_at_once_240x240", 240, 240, [] { FifthPlacesAt(300); },
       [] {
         Wait(600);
         Menu(5, 800);
         Answering({vk::Return, vk::Return}, [] { Tap(25, 8, 800); });
       },
       true},
      // A game kept during its run-out, with less than no paint: the gauge's
      // marker stays at the bottom of its tube.
      {"run_out_kept_240x240", 240, 240,
       [] {
         Kept({.mode = 1, .score = 100, .paintColour = 3, .reserve = -10, .board = kFullBoard});
       },
       [] { Wait(6000); }},
      // A PANIC game that times out, then a new one: its clock starts at 99.
      {"panic_again_320x240", 320, 240,
       [] {
         FifthPlacesAt(90000);
         records::GameStatus.HelpEnabled = 0;
         Kept({.mode = 3,
               .score = 300,
               .paintColour = 3,
               .reserve = 60,
               .panicTime = 2,
               .board = kFullBoard});
       },
       [] {
         Wait(8000);
         Tap(120, 150, 800);
         Menu(2, 3000);
         Answering({vk::Return}, [] { GameIcon(1); });
       }},
      // The name entry's close box keeps the typed name, as the desktop's close does.
      {"close_box_entry_240x240", 240, 240,
       [] {
         FifthPlacesAt(300);
         Kept({.mode = 1, .score = 1500, .paintColour = 2, .reserve = -5, .board = kFullBoard});
       },
       [] {
         Wait(6000);
         Type("Box");
         Tap(227, 13, 1000);
       },
       true},
      // An emptied name: OK refuses it; the close then ends the entry with nothing.
      {"empty_name_320x240", 320, 240,
       [] {
         FifthPlacesAt(300);
         Kept({.mode = 4,
               .score = 2000,
               .paintColour = 2,
               .reserve = 1,
               .board = kFullBoard,
               .hotPipes = "100000 000000 000000 000000"});
       },
       [] {
         Wait(600);
         PlayToTheEnd(0);
         Press(8, 300);
         TapControl(screens::NameOkButtonId, 600);
         Press(vk::Return, 600);
         Tap(227, 13, 800);  // the panel's close box: an empty field inserts nothing
         Close();
       }},
  };
  return sessions;
}

bool Record(const Session& s, const std::string& folder) {
  std::printf("%s\n", s.name);
  std::fflush(stdout);
  platform::MemoryStore store;
  platform::UseStore(&store);
  headless::Start(platform::ScreenConfig{s.width, s.height, 0, 0}, 5000);
  platform::MeasureDisplay();
  std::memset(&records::GameStatus, 0, sizeof records::GameStatus);
  std::memset(&records::HiScoreTables, 0, sizeof records::HiScoreTables);
  if (s.before) {
    s.before();
    records::SaveAllRecords();
  }
  std::memset(&records::GameStatus, 0, sizeof records::GameStatus);
  std::memset(&records::HiScoreTables, 0, sizeof records::HiScoreTables);
  const auto names = records::StoredValueNames();
  headless::SetModalWaitHandler(AnswerBox);
  platform::StartRecording(platform::ReadStoredValues(store, names));
  if (shell::StartUp() != shell::StartOutcome::Run) return false;
  s.play();
  if (!s.abrupt && !headless::QuitPosted()) {
    platform::DesktopCloseRequested();
    Wait(2000);
  }
  platform::Replay replay = platform::FinishRecording(platform::ReadStoredValues(store, names));
  for (const std::string& fault : headless::TakeFaults()) {
    std::fprintf(stderr, "record_sessions: %s: %s\n", s.name, fault.c_str());
  }
  popup::ResetPopup();
  platform::ReleaseSingleInstance();
  headless::Stop();
  shell::ResetShell();
  platform::UseStore(nullptr);
  if (s.edit) {
    s.edit(replay);
    replay.after = shell::RunReplay(replay).after;
  }
  std::string error;
  const std::string path = folder + "/" + s.name + ".replay";
  if (!platform::SaveReplayFile(path, replay, error)) {
    std::fprintf(stderr, "record_sessions: %s\n", error.c_str());
    return false;
  }
  std::printf("%s: %zu inputs over %u ms\n", s.name, replay.events.size(),
              replay.end - replay.start);
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
  bool ok = true;
  for (const Session& s : Sessions()) {
    bool wanted = argc == 2;
    for (int k = 2; k < argc; ++k) wanted = wanted || s.name == std::string(argv[k]);
    if (wanted) ok = Record(s, argv[1]) && ok;
  }
  return ok ? 0 : 1;
}
