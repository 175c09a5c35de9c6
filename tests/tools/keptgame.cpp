// fandriass_keptgame: writes the stored records with a kept game in them, so the
// next start of the game resumes that game.
//
//   fandriass_keptgame [--folder DIR] [--mode N] [--score N] [--level N] [--paint N]
//                      [--reserve N] [--panic N] [--board CELLS] [--letters CELLS]
//                      [--word BITS] [--hot BITS] [--heat DIGITS]
//
// Without --folder the game's own store is used ($XDG_DATA_HOME/kestrelnet/...).
// Settings and tables already stored are kept; a store never written gets the defaults.
#include <charconv>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

#include "platform/files/file_store.hpp"
#include "platform/files/value_store.hpp"
#include "records/record_store.hpp"
#include "support/kept_game_fixture.hpp"

namespace {

constexpr const char* Usage =
    "usage: fandriass_keptgame [--folder DIR] [--mode N] [--score N] [--level N] [--paint N]\n"
    "                          [--reserve N] [--panic N] [--board CELLS] [--letters CELLS]\n"
    "                          [--word BITS] [--hot BITS] [--heat DIGITS]\n"
    "  --board    36 cells row by row from the top: . empty, 1-7 or R Y B G P O K\n"
    "  --letters  36 cells: . none, 1-7 letter code\n"
    "  --word     9 bonus-word flags; --hot 24 hot-pipe flags; --heat 24 heats 0-9, A = 10\n"
    "             (pipes 1-6 top, 7-12 right, 13-18 bottom, 19-24 left)\n";

bool ReadNumber(std::string_view text, std::int32_t& out) {
  const char* end = text.data() + text.size();
  const auto [stop, failure] = std::from_chars(text.data(), end, out);
  return failure == std::errc{} && stop == end;
}

}  // namespace

int main(int argc, char** argv) {
  fixture::KeptGame game;
  std::string folder;
  const std::pair<std::string_view, std::int32_t*> numbers[] = {
      {"--mode", &game.mode},         {"--score", &game.score},     {"--level", &game.level},
      {"--paint", &game.paintColour}, {"--reserve", &game.reserve}, {"--panic", &game.panicTime}};
  const std::pair<std::string_view, std::string_view*> texts[] = {{"--board", &game.board},
                                                                  {"--letters", &game.letters},
                                                                  {"--word", &game.word},
                                                                  {"--hot", &game.hotPipes},
                                                                  {"--heat", &game.pipeHeat}};
  for (int i = 1; i < argc; i += 2) {
    const std::string_view option = argv[i];
    if (option == "--help") {
      std::fputs(Usage, stdout);
      return 0;
    }
    if (i + 1 >= argc) {
      std::fprintf(stderr, "fandriass_keptgame: %s wants a value\n%s", argv[i], Usage);
      return 2;
    }
    const std::string_view value = argv[i + 1];
    bool known = option == "--folder";
    if (known) folder = value;
    for (const auto& [name, field] : texts) {
      if (option == name) {
        *field = value;
        known = true;
      }
    }
    for (const auto& [name, field] : numbers) {
      if (option != name) continue;
      if (!ReadNumber(value, *field)) {
        std::fprintf(stderr, "fandriass_keptgame: %s is not a number\n", argv[i + 1]);
        return 2;
      }
      known = true;
    }
    if (!known) {
      std::fprintf(stderr, "fandriass_keptgame: unknown option %s\n%s", argv[i], Usage);
      return 2;
    }
  }

  platform::FileStore chosen(folder);
  if (!folder.empty()) platform::UseStore(&chosen);
  platform::ValueStore& store = platform::ActiveStore();
  if (!store.OpenKey()) {
    std::fprintf(stderr, "fandriass_keptgame: cannot open the store\n");
    platform::UseStore(nullptr);
    return 1;
  }
  store.CloseKey();
  // What is stored already (settings, tables, games played) stays as it was.
  records::LoadAllRecords();
  std::string error;
  const bool written = fixture::WriteKeptGame(game, &error);
  platform::UseStore(nullptr);
  if (!written) {
    std::fprintf(stderr, "fandriass_keptgame: %s\n", error.c_str());
    return 2;
  }
  return 0;
}
