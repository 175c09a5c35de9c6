#include <algorithm>
#include <cctype>
#include <cstdint>
#include <limits>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "engine/animation_steps.hpp"
#include "engine/board_geometry.hpp"
#include "engine/difficulty_schedule.hpp"
#include "engine/game_tick.hpp"
#include "engine/groups_and_pipes.hpp"
#include "engine/new_game_and_supply.hpp"
#include "engine/paint_advance.hpp"
#include "engine/painting.hpp"
#include "engine/scoring.hpp"
#include "engine/show_sequences.hpp"
#include "engine_fixture.hpp"
#include "support/table_file.hpp"

// Each row of an engine table is a little game: settings and actions, then
// after "=>" what must hold; "then" goes back to actions. The header of
// tests/data/engine_groups.txt describes the words.
namespace {

using namespace engine;
using engine_test::Events;
using engine_test::GameEngineTest;

int speed = 6, banners = 0, endScreen = -9, mixed = 0, resultShown = 0;

// The engine's part of one paint of the game screen, counting the banners.
struct Seen final : PaintReport {
  void PaintColourChanged() override { Game.SwatchRedraw = 1; }
  void LevelUp(const LevelUpFrameResult& frame) override { banners += frame.ShowBanner; }
  void GameOverShow(const GameOverFrameResult& frame) override { resultShown = frame.ResultShown; }
};
// The paint serves the redraw requests; the tables read them as asked for, so
// they stay set until a row clears them.
void PaintFrame() {
  Seen seen;
  const GameState asked = Game;
  AdvancePaint({speed, speed, false}, seen);
  for (auto request : {&GameState::GaugeRedraw, &GameState::DecorationsRedraw,
                       &GameState::DripRedraw, &GameState::WordRedraw, &GameState::SwatchRedraw}) {
    Game.*request = std::max(Game.*request, asked.*request);
  }
}

// T0..T5 above the columns, R0..R5 right of the rows, B0..B5 below, L0..L5 left.
int PipeOf(const std::string& name) {
  if (std::isdigit(static_cast<unsigned char>(name.at(0)))) return std::stoi(name);
  return 1 + 6 * static_cast<int>(std::string("TRBL").find(name.at(0))) + (name.at(1) - '0');
}
std::string NameOf(int p) {
  return {"TRBL"[(p - 1) / 6], static_cast<char>('0' + (p - 1) % 6)};
}

// "L4:3,T0" -> {{L4, 3}, {T0, 1}}.
std::map<int, int> PipeList(const std::string& text) {
  std::map<int, int> pipes;
  std::istringstream items(text == "-" ? "" : text);
  for (std::string item; std::getline(items, item, ',');) {
    const auto colon = item.find(':');
    pipes[PipeOf(item)] = colon == std::string::npos ? 1 : std::stoi(item.substr(colon + 1));
  }
  return pipes;
}

int ValueOf(const std::string& text) {
  static const std::map<std::string, int> words = {
      {"easy", mode::Easy},
      {"hard", mode::Hard},
      {"panic", mode::Panic},
      {"heat", mode::Heat},
      {"chroma", mode::Chroma},
      {"max", std::numeric_limits<std::int32_t>::max()},
      {"min", std::numeric_limits<std::int32_t>::min()}};
  const auto word = words.find(text);
  return word != words.end() ? word->second : static_cast<int>(std::stol(text, nullptr, 0));
}

std::map<std::string, std::int32_t*> Numbers() {
  return {{"mode", &Kept.Mode},
          {"level", &Kept.Level},
          {"score", &Kept.Score},
          {"reserve", &Kept.Reserve},
          {"paint", &Kept.PaintColour},
          {"panic", &Kept.PanicTime},
          {"refill", &Game.RefillPending},
          {"drain", &Game.DrainPending},
          {"cost", &Game.PaintCost},
          {"interval", &Game.DripInterval},
          {"drip", &Game.DripCountdown},
          {"credit", &Game.TapCredit},
          {"delay", &Game.CoolDelay},
          {"phase", &Game.Phase},
          {"blink", &Game.WordBlinkStep},
          {"bonus", &Game.BonusCell},
          {"life", &Game.BonusLife},
          {"wait", &Game.BonusWait},
          {"taken", &Game.BonusTakenCell},
          {"hazard", &Game.HazardBlink},
          {"timeout", &Game.TimeOut},
          {"pipes", &Game.ActivePipeCount},
          {"step", &Game.GameOverStep},
          {"runout", &Game.RunOutCounter},
          {"pattern", &Game.RunOutPattern},
          {"shown", &Game.BonusShow},
          {"hotredraw", &Game.PipesRedraw},
          {"swatch", &Game.SwatchRedraw},
          {"pipesound", &sound::PipeSoundClass},
          {"pipeside", &sound::PipeSoundSide},
          {"gauge", &Game.GaugeRedraw},
          {"scorebox", &Game.ScoreRedraw},
          {"wordredraw", &Game.WordRedraw},
          {"decorations", &Game.DecorationsRedraw},
          {"dripredraw", &Game.DripRedraw},
          {"marker", &Game.BonusMarkerRestart},
          {"hurried", &Game.ShowHurried},
          {"showticks", &Game.ShowTicks}};
}

std::string Cells(const std::int32_t* values) {
  std::string text;
  for (int c = 0; c < CellCount; ++c) text += values[c] ? static_cast<char>('0' + values[c]) : '.';
  return text;
}

void SetCells(std::int32_t* values, const std::string& text) {
  ASSERT_EQ(text.size(), 36u);
  for (int c = 0; c < CellCount; ++c) values[c] = text[c] == '.' ? 0 : text[c] - '0';
}

// The outcome a row names, as the table writes it; lists are joined by ',', "-" when empty.
std::string Outcome(const std::string& key, const std::string& wanted) {
  if (const auto numbers = Numbers(); numbers.count(key)) return std::to_string(*numbers.at(key));
  const std::map<std::string, int> counts = {{"banners", banners},
                                             {"screen", endScreen},
                                             {"levelup", Game.LevelUpPending},
                                             {"mixed", mixed},
                                             {"resultshown", resultShown}};
  if (counts.count(key)) return std::to_string(counts.at(key));
  if (key == "board") return Cells(Kept.BallColour);
  if (key == "letters") return Cells(Kept.BallLetter);
  std::string digits;
  for (int position = 1; key == "word" && position <= WordLength; ++position) {
    digits += std::to_string(WordSlot(position));
  }
  for (int k = 1; k <= ColumnCount && (key == "ready" || key == "incoming"); ++k) {
    digits += std::to_string(key == "ready" ? Game.SupplyReady[k] : Game.IncomingLetter[k]);
  }
  if (!digits.empty()) return digits;
  std::vector<std::string> items;
  for (const int event : key == "sounds" ? Events : std::vector<int>{}) {
    items.push_back(std::to_string(event));
  }
  for (int p = 1; p <= PipeCount && (key == "runs" || key == "hot"); ++p) {
    if (key == "runs" && Game.RunLength[p])
      items.push_back(NameOf(p) + ":" + std::to_string(Game.RunLength[p]));
    if (key == "hot" && PipeActive(p)) items.push_back(NameOf(p));
  }
  for (const auto& [p, heat] : key == "heat" ? PipeList(wanted) : std::map<int, int>{}) {
    items.push_back(NameOf(p) + ":" + std::to_string(PipeHeat(p)));
  }
  if (!std::set<std::string>{"sounds", "runs", "hot", "heat"}.count(key))
    ADD_FAILURE() << "no such outcome: " << key;
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "" : ",") + item;
  return text.empty() ? "-" : text;
}

void Act(const std::string& key, const std::string& value) {
  const auto numbers = Numbers();
  const auto times = [&](auto&& act) {
    for (int i = ValueOf(value); i > 0; --i) act();
  };
  const auto pair = [&](int& first, int& second) {
    first = std::stoi(value);
    second = std::stoi(value.substr(value.find(':') + 1));
  };
  int a = 0, b = 0;
  if (numbers.count(key)) {
    *numbers.at(key) = ValueOf(value);
  } else if (key == "board") {
    SetCells(Kept.BallColour, value);
  } else if (key == "letters") {
    SetCells(Kept.BallLetter, value);
  } else if (key == "word") {
    for (int position = 1; position <= WordLength; ++position)
      WordSlot(position) = value.at(position - 1) - '0';
  } else if (key == "held" || key == "runs") {
    for (const auto& [p, n] : PipeList(value)) {
      Game.RunLength[p] = n;
      Game.RunHandled[p] = key == "held";
    }
  } else if (key == "hot") {
    for (const auto& [p, n] : PipeList(value)) PipeActive(p) = n;
  } else if (key == "heat") {
    for (const auto& [p, n] : PipeList(value)) PipeHeat(p) = n;
  } else if (key == "drop") {  // column:colour:letter comes in from above
    pair(a, b);
    Game.IncomingColour[a] = b;
    Game.IncomingLetter[a] = std::stoi(value.substr(value.rfind(':') + 1));
  } else if (key == "supplywait") {  // column:ticks, the column deciding no ball
    pair(a, b);
    Game.SupplyReady[a] = 1;
    Game.SupplyWait[a] = b;
  } else if (key == "supply") {
    for (int k = 1; k <= ColumnCount; ++k) Game.SupplyReady[k] = 0;
  } else if (key == "put") {  // cell:colour, as if another rule had moved it
    pair(a, b);
    Kept.BallColour[a] = b;
  } else if (key == "levelup") {
    Game.LevelUpPending = static_cast<std::uint8_t>(ValueOf(value));
  } else if (key == "speed") {
    speed = ValueOf(value);
  } else if (key == "find") {
    times(DetectGroups);
  } else if (key == "detect") {
    times([] { DetectGroups(), ResolveGroups(); });
  } else if (key == "frames") {
    times([] { SupplyAndGravity(), PaintFrame(); });
  } else if (key == "ticks") {
    times([] { GameTick(nullptr), PaintFrame(); });
  } else if (key == "paints") {
    times(PaintFrame);
  } else if (key == "mix") {
    pair(a, b);
    mixed = MixedColour(a, b);
  } else if (key == "hurry") {
    HurryTheShow();
  } else if (key == "newgame") {
    NewGame();
  } else if (key == "offer") {  // a column's lettered ball, offered until it changes
    const int k = ValueOf(value);
    for (int i = 0; i < 40 && Game.IncomingLetter[k] == 0; ++i) OfferMissingLetter(k);
  } else if (key == "splashend") {
    CompletePaint(ValueOf(value));
  } else if (key == "tap") {
    PaintCell(ValueOf(value));
  } else if (key == "collect") {
    CollectLetter(ValueOf(value));
  } else if (key == "swallow") {
    SwallowBall(PipeOf(value));
  } else if (key == "cool") {
    CoolPipes(PipeOf(value));
  } else if (key == "reservesteps") {
    times([] { ReserveStep(nullptr); });
  } else if (key == "seconds") {
    times(PanicSecond);
  } else if (key == "schedule") {
    times([] { DifficultyStep(nullptr); });
  } else if (key == "bonustimer") {
    times(BonusCellTimer);
  } else if (key == "checkbonus") {
    times(CheckBonusCell);
  } else if (key == "blinks") {
    times(WordBlink);
  } else if (key == "hotpipes") {
    times(DrawHotPipes);
  } else if (key == "runoutpattern") {
    StartRunOut(ValueOf(value));
  } else if (key == "seed") {
    platform::Srand(static_cast<unsigned>(ValueOf(value)));
  } else {
    ADD_FAILURE() << "no such word: " << key;
  }
}

void PlayTable(const std::string& name) {
  SetGameOverHandler([](int, int screen) { endScreen = screen; });
  for (const testing_support::Row& row : testing_support::ReadTable(name)) {
    SCOPED_TRACE(row.where);
    engine_test::GameEngineTest::ResetGame();
    // Unless a row says otherwise no new ball comes in, and the game has paint.
    for (int k = 1; k <= ColumnCount; ++k) {
      Game.SupplyReady[k] = 1;
      Game.SupplyWait[k] = 1 << 20;
    }
    Kept.Reserve = 40;
    speed = 6;
    banners = resultShown = 0;
    endScreen = -9;
    bool expecting = false;
    for (const std::string& token : row.fields) {
      if (token == "=>" || token == "then") {
        expecting = token == "=>";
        continue;
      }
      const auto equals = token.find('=');
      const std::string key = token.substr(0, equals);
      std::string value = equals == std::string::npos ? "1" : token.substr(equals + 1);
      // Boards may be written row by row: "....../....../...".
      if (key == "board" || key == "letters") std::erase(value, '/');
      if (expecting) {
        if (Numbers().count(key)) value = std::to_string(ValueOf(value));
        std::string actual = Outcome(key, value);
        // '?' stands for whatever the generator brought.
        for (std::size_t i = 0; i < actual.size() && i < value.size(); ++i) {
          if (value[i] == '?') actual[i] = '?';
        }
        EXPECT_EQ(actual, value) << key;
      } else {
        Act(key, value);
      }
    }
  }
  SetGameOverHandler(nullptr);
}

TEST_F(GameEngineTest, GroupsTheirCompetitorsAndWhatTheyPay) {
  PlayTable("engine_groups.txt");
}
TEST_F(GameEngineTest, BallsComeInFallAndAreSuckedAway) {
  PlayTable("engine_moves.txt");
}
TEST_F(GameEngineTest, PaintAndTheColourWheel) {
  PlayTable("engine_painting.txt");
}
TEST_F(GameEngineTest, LettersTheWordAndTheBonusCell) {
  PlayTable("engine_letters.txt");
}
TEST_F(GameEngineTest, TheReserveLevelsAndTheModeClocks) {
  PlayTable("engine_reserve.txt");
}
TEST_F(GameEngineTest, TheEndOfTheGameAndItsShow) {
  PlayTable("engine_show.txt");
}

}  // namespace
