#include "records/export_code.hpp"

#include <cstddef>
#include <utility>

#include "records/game_status_record.hpp"
#include "records/hiscore_defaults.hpp"
#include "records/hiscore_table.hpp"

namespace records {

namespace {

// Played (10 digits) + "!" + tags (5) + "!" + 8 hex digits + the scaled score
// (at most 11 with a sign), and the ending zero.
constexpr std::size_t ExportCodeUnits = 48;
char16_t ExportCodeText[ExportCodeUnits];

// Appends text to a buffer without ever running past its end.
struct CodeWriter {
  char16_t* units;
  std::size_t capacity;
  std::size_t length = 0;

  void Put(char16_t unit) {
    if (length < capacity) units[length++] = unit;
  }
  void Put(std::u16string_view text) {
    for (char16_t unit : text) Put(unit);
  }
  void PutDecimal(std::uint64_t value, bool negative) {
    char16_t digits[20];
    std::size_t count = 0;
    do {
      digits[count++] = static_cast<char16_t>(u'0' + value % 10);
      value /= 10;
    } while (value != 0);
    if (negative) Put(u'-');
    while (count > 0) Put(digits[--count]);
  }
};

void Exchange(char16_t* text, std::size_t length, std::size_t a, std::size_t b) {
  if (a < length && b < length) std::swap(text[a], text[b]);
}

}  // namespace

std::u16string_view ExportModeTag(int mode) {
  constexpr std::u16string_view tags[5] = {u"032", u"033", u"034", u"035", u"036"};
  if (mode < 1 || mode > 5) return {};
  return tags[mode - 1];
}

std::u16string_view ExportScreenTag(platform::ScreenClass displayClass) {
  switch (displayClass) {
    case platform::ScreenClass::TallVga:
    case platform::ScreenClass::WideVga:
      return u"10";
    case platform::ScreenClass::Square:
      return u"11";
    case platform::ScreenClass::SquareVga:
    case platform::ScreenClass::Large:
      return u"12";
    default:
      return u"09";
  }
}

bool ExportCodeEarned(int mode) {
  const HiScoreTable* table = TableOfMode(mode);
  return table != nullptr && table->Entry[0].Score > BestDefaultScore(mode);
}

std::u16string_view BuildExportCode(std::int32_t score, std::u16string_view modeTag,
                                    std::u16string_view screenTag) {
  // B: tags, "!", the score in 8 hex digits, then the score scaled down to a few digits.
  char16_t body[ExportCodeUnits];
  CodeWriter b{body, ExportCodeUnits};
  b.Put(modeTag.substr(0, 3));
  b.Put(screenTag.substr(0, 2));
  b.Put(u'!');
  const auto hex = static_cast<std::uint32_t>(score);
  for (int shift = 28; shift >= 0; shift -= 4) {
    b.Put(u"0123456789ABCDEF"[(hex >> shift) & 0xFu]);
  }
  std::int32_t scaled = score;
  if (score < 10000) {
    scaled = score / 100;
  } else if (score < 100000) {
    scaled = score / 1000;
  } else if (score < 1000000) {
    scaled = score / 10000;
  }
  const bool negative = scaled < 0;
  const auto magnitude = static_cast<std::uint64_t>(negative ? -std::int64_t{scaled} : scaled);
  b.PutDecimal(magnitude, negative);

  const std::size_t n = b.length;
  Exchange(body, n, 0, n - 7);
  Exchange(body, n, 1, n - 5);
  Exchange(body, n, 2, n - 9);

  // C: games played, "!", B; then its two ends are exchanged with its start.
  CodeWriter c{ExportCodeText, ExportCodeUnits - 1};
  c.PutDecimal(GameStatus.GamesPlayed, false);
  c.Put(u'!');
  c.Put(std::u16string_view(body, n));
  const std::size_t m = c.length;
  Exchange(ExportCodeText, m, 0, m - 1);
  Exchange(ExportCodeText, m, 1, m - 2);
  ExportCodeText[m] = 0;
  return {ExportCodeText, m};
}

}  // namespace records
