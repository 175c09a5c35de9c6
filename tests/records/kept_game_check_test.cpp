#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "records/game_status_record.hpp"
#include "records/kept_game_check.hpp"
#include "records_test_support.hpp"
#include "support/kept_game_fixture.hpp"

using records::GameStatus;
using Change = std::function<void(records::GameStatusRecord&)>;

namespace {

class KeptGameTest : public records_test::RecordsTest {
 protected:
  // A HEAT game as a player could have left it, with odd bytes in the spare places.
  void PrepareGame() {
    records_test::ClearRecords();
    fixture::KeptGame game{.mode = 4, .score = 4321, .level = 3, .paintColour = 5, .reserve = 47};
    game.board = "RYB.GO/P.K.RY/BGOP../RRYYBB/GGOOPP/KRYBGO";
    game.letters = "1...2./....../..7.../....../.....3/......";
    game.word = "100100000";
    game.hotPipes = "100000 000001 000000 010000";
    game.pipeHeat = "012345 6789A0 000000 00000A";
    std::string error;
    ASSERT_TRUE(fixture::PutKeptGame(game, &error)) << error;
    GameStatus.GamesPlayed = 31;
    GameStatus.reserved10[3] = 0x5A, GameStatus.spare190 = -12345, GameStatus.padding275[2] = 7;
  }
};

TEST_F(KeptGameTest, AnUnplayableKeptGameIsDroppedAndNothingElseChanges) {
  using R = records::GameStatusRecord&;
  const std::vector<std::pair<const char*, Change>> faults = {
      {"colour", [](R r) { r.BallColour[35] = 8; }},
      {"colour", [](R r) { r.BallColour[0] = -1; }},
      {"letter", [](R r) { r.BallLetter[20] = 8; }},
      {"mode", [](R r) { r.Mode = 6; }},
      {"mode", [](R r) { r.Mode = -1; }},
      {"level", [](R r) { r.Level = 0; }},
      {"level", [](R r) { r.Level = 10; }},
      {"heat", [](R r) { r.PipeHeatRight[5] = 11; }},
      {"heat", [](R r) { r.PipeHeatBottom[0] = -1; }},
      {"heat", [](R r) { r.PipeHeatBottom[2] = 11; }},
      {"heat", [](R r) { r.PipeHeatTop[1] = 11; }},
      {"heat", [](R r) { r.PipeHeatLeft[4] = 11; }},
      {"reserve", [](R r) { r.Reserve = 100; }},
      {"reserve", [](R r) { r.Reserve = -19; }},
      {"reserve", [](R r) { r.Reserve = INT32_MIN; }},
      {"paint", [](R r) { r.PaintColour = 0; }},
      {"paint", [](R r) { r.PaintColour = 8; }},
      {"clock", [](R r) { r.Mode = 3, r.PanicTime = 100; }},
      {"clock", [](R r) { r.Mode = 3, r.PanicTime = -1; }},
      {"supply flag", [](R r) { r.SupplyStart = 2; }},
      {"word flag", [](R r) { r.WordSlot[8] = 2; }},
      {"hot flag", [](R r) { r.PipeActive[23] = -1; }},
      {"hot flag", [](R r) { r.PipeActive[0] = 2; }},
  };
  for (const auto& [name, fault] : faults) {
    PrepareGame();
    fault(GameStatus);
    records::GameStatusRecord expected = GameStatus;
    expected.Mode = 0;
    Restart();
    EXPECT_EQ(records_test::StatusBytes(), records_test::BytesOf(&expected, sizeof expected))
        << name;
  }
}

TEST_F(KeptGameTest, TheEdgesOfWhatPlayLeavesStillResume) {
  using R = records::GameStatusRecord&;
  const std::vector<std::pair<const char*, Change>> edges = {
      {"as left", [](R) {}},
      {"run-out reserve", [](R r) { r.Reserve = 0; }},
      {"just below 0", [](R r) { r.Reserve = -1; }},
      {"lowest reserve", [](R r) { r.Reserve = records::KeptReserveLowest; }},
      {"overflow", [](R r) { r.Reserve = 99; }},
      {"all black",
       [](R r) { std::fill_n(r.BallColour, 36, 7), std::fill_n(r.BallLetter, 36, 0); }},
      {"top values", [](R r) { r.Level = 9, r.PaintColour = 7, r.SupplyStart = 1; }},
      {"bottom values", [](R r) { r.Level = 1, r.PaintColour = 1; }},
      {"first mode", [](R r) { r.Mode = 1; }},
      {"clock out", [](R r) { r.Mode = 3, r.PanicTime = 0; }},
      // What an earlier record left in the clock of a mode without one.
      {"no clock", [](R r) { r.PanicTime = -1330597712; }},
  };
  for (const auto& [name, edge] : edges) {
    PrepareGame();
    edge(GameStatus);
    const auto before = records_test::StatusBytes();
    Restart();
    EXPECT_EQ(records_test::StatusBytes(), before) << name;
  }
}

TEST_F(KeptGameTest, LettersOnEmptyCellsAreClearedUnlessTheGameIsDropped) {
  PrepareGame();
  GameStatus.BallLetter[3] = 5;  // cell 3 is empty
  GameStatus.BallColour[0] = 0;  // the first cell counts too
  records::GameStatusRecord expected = GameStatus;
  expected.BallLetter[3] = 0;
  expected.BallLetter[0] = 0;
  Restart();
  EXPECT_EQ(records_test::StatusBytes(), records_test::BytesOf(&expected, sizeof expected));

  PrepareGame();
  GameStatus.BallLetter[3] = 5;
  GameStatus.Level = 0;
  Restart();
  EXPECT_EQ(GameStatus.Mode, 0);
  EXPECT_EQ(GameStatus.BallLetter[3], 5);
}

TEST_F(KeptGameTest, TheCheckSaysWhetherAKeptGameRemains) {
  PrepareGame();
  EXPECT_TRUE(records::CheckKeptGame());
  GameStatus.Mode = 1;
  EXPECT_TRUE(records::CheckKeptGame());
  GameStatus.Level = 10;
  EXPECT_FALSE(records::CheckKeptGame());
  EXPECT_EQ(GameStatus.Mode, 0);
  EXPECT_FALSE(records::CheckKeptGame());  // no game at all
}

TEST_F(KeptGameTest, TheFixtureLaysOutTheGameAndRefusesMalformedText) {
  PrepareGame();
  EXPECT_EQ(GameStatus.Mode, 4);
  EXPECT_EQ(GameStatus.BallColour[8], 7);
  EXPECT_EQ(GameStatus.BallLetter[14], 7);
  // Pipe 12 is the right-hand pipe of the bottom row, 20 the second on the left.
  EXPECT_EQ(GameStatus.PipeActive[11] + GameStatus.PipeActive[19], 2);
  EXPECT_EQ(GameStatus.PipeHeatRight[4] + GameStatus.PipeHeatLeft[5], 20);

  const auto before = records_test::StatusBytes();
  fixture::KeptGame game;
  game.board = "RYB";  // three cells, not 36
  std::string error;
  EXPECT_FALSE(fixture::WriteKeptGame(game, &error));
  EXPECT_NE(error.find("board"), std::string::npos);
  EXPECT_TRUE(store.values.empty());
  EXPECT_EQ(records_test::StatusBytes(), before);
}

}  // namespace
