#include "support/kept_game_fixture.hpp"

#include <array>
#include <cstring>

#include "records/game_status_record.hpp"
#include "records/hiscore_defaults.hpp"
#include "records/hiscore_table.hpp"
#include "records/record_store.hpp"
#include "records/settings.hpp"

namespace fixture {

namespace {

bool Fail(std::string* error, std::string reason) {
  if (error != nullptr) *error = std::move(reason);
  return false;
}

bool IsFiller(char c) {
  return c == ' ' || c == '|' || c == '/' || c == '\n';
}

// Reads up to `count` cells of a text; `decode` gives the code of a character or -1.
template <std::size_t N, typename Decode>
bool ReadCells(std::string_view text, std::size_t count, bool exact,
               std::array<std::int32_t, N>& out, Decode decode, const char* what,
               std::string* error) {
  std::size_t cell = 0;
  for (char c : text) {
    if (IsFiller(c)) continue;
    const int code = decode(c);
    if (code < 0) return Fail(error, std::string(what) + ": unknown character '" + c + "'");
    if (cell == count)
      return Fail(error, std::string(what) + ": more than " + std::to_string(count) + " cells");
    out[cell++] = code;
  }
  if (exact && cell != 0 && cell != count) {
    return Fail(error, std::string(what) + ": " + std::to_string(cell) + " cells, not " +
                           std::to_string(count));
  }
  return true;
}

int ColourCode(char c) {
  if (c == '.') return 0;
  if (c >= '0' && c <= '7') return c - '0';
  constexpr std::string_view names = "RYBGPOK";
  const std::size_t at = names.find(c);
  return at == std::string_view::npos ? -1 : static_cast<int>(at) + 1;
}

int LetterCode(char c) {
  if (c == '.') return 0;
  return (c >= '0' && c <= '7') ? c - '0' : -1;
}

int FlagCode(char c) {
  return (c == '0' || c == '1') ? c - '0' : -1;
}

int HeatCode(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  return c == 'A' ? 10 : -1;
}

}  // namespace

bool PutKeptGame(const KeptGame& game, std::string* error) {
  std::array<std::int32_t, 36> colours{};
  std::array<std::int32_t, 36> letters{};
  std::array<std::int32_t, 9> word{};
  std::array<std::int32_t, 24> hot{};
  std::array<std::int32_t, 24> heat{};
  if (!ReadCells(game.board, 36, true, colours, ColourCode, "board", error) ||
      !ReadCells(game.letters, 36, true, letters, LetterCode, "letters", error) ||
      !ReadCells(game.word, 9, false, word, FlagCode, "word", error) ||
      !ReadCells(game.hotPipes, 24, false, hot, FlagCode, "hot pipes", error) ||
      !ReadCells(game.pipeHeat, 24, false, heat, HeatCode, "pipe heat", error)) {
    return false;
  }

  records::GameStatusRecord& r = records::GameStatus;
  if (r.Initialised == 0) {
    records::DefaultSettings();
    records::ResetHiScores();
    for (records::HiScoreTable& table : records::HiScoreTables) table.LastInsertIndex = 4;
  }
  r.Mode = game.mode;
  r.reserved34 = 0;
  r.Score = game.score;
  r.Level = game.level;
  r.SupplyStart = 0;
  r.PaintColour = game.paintColour;
  r.Reserve = game.reserve;
  std::memcpy(r.BallColour, colours.data(), sizeof r.BallColour);
  std::memcpy(r.BallLetter, letters.data(), sizeof r.BallLetter);
  r.spare174 = r.spare190 = r.spare1AC = r.spare1C8 = r.spare1E4 = r.spare210 = 0;
  // Pipes 1..6 top, 7..12 right, 13..18 bottom, 19..24 left; stored top, bottom, left, right.
  for (int i = 0; i < 6; ++i) {
    r.PipeHeatTop[i] = heat[static_cast<std::size_t>(i)];
    r.PipeHeatRight[i] = heat[static_cast<std::size_t>(6 + i)];
    r.PipeHeatBottom[i] = heat[static_cast<std::size_t>(12 + i)];
    r.PipeHeatLeft[i] = heat[static_cast<std::size_t>(18 + i)];
  }
  std::memcpy(r.WordSlot, word.data(), sizeof r.WordSlot);
  r.PanicTime = game.panicTime;
  std::memcpy(r.PipeActive, hot.data(), sizeof r.PipeActive);
  return true;
}

bool WriteKeptGame(const KeptGame& game, std::string* error) {
  if (!PutKeptGame(game, error)) return false;
  records::SaveAllRecords();
  return true;
}

}  // namespace fixture
