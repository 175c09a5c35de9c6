#include <gtest/gtest.h>

#include <string>

#include "records/export_code.hpp"
#include "records/game_status_record.hpp"
#include "records/hiscore_table.hpp"
#include "records_test_support.hpp"

namespace {

class ExportCodeTest : public records_test::RecordsTest {
 protected:
  std::u16string Code(std::uint32_t played, std::int32_t score, std::u16string_view modeTag,
                      std::u16string_view screenTag) {
    records::GameStatus.GamesPlayed = played;
    const std::u16string_view code = records::BuildExportCode(score, modeTag, screenTag);
    EXPECT_EQ(code.data()[code.size()], 0);  // handed on as a zero-ended string
    return std::u16string(code);
  }
};

TEST_F(ExportCodeTest, TheWorkedExamplesComeOutExactly) {
  using records::ExportModeTag, records::ExportScreenTag;
  EXPECT_EQ(Code(12, 9000, ExportModeTag(1), ExportScreenTag(1)), u"09!03009!0200232821");
  EXPECT_EQ(Code(3, 12345, ExportModeTag(4), ExportScreenTag(4)), u"2100010!05003339!3");
  EXPECT_EQ(Code(1, 2436, ExportModeTag(5), ExportScreenTag(7)), u"4209012!06000384!1");
  EXPECT_EQ(Code(250, 1234567, ExportModeTag(2), ExportScreenTag(2)), u"760!13809!0012D6370234552");
  // Screen tags by class 0..8; the same score reads differently on 240x320 and 480x640.
  const char16_t* tags[9] = {u"09", u"09", u"09", u"10", u"10", u"11", u"12", u"12", u"09"};
  for (std::uint32_t c = 0; c < 9; ++c) EXPECT_EQ(ExportScreenTag(c), tags[c]) << c;
  EXPECT_TRUE(ExportModeTag(0).empty() && ExportModeTag(6).empty());
}

TEST_F(ExportCodeTest, ACodeIsEarnedOnlyAboveTheBestDefaultScore) {
  records::ResetHiScores();
  for (int mode = 0; mode <= 6; ++mode) EXPECT_FALSE(records::ExportCodeEarned(mode)) << mode;
  records::HiScoreTables[0].Entry[0].Score = 8570;
  EXPECT_TRUE(records::ExportCodeEarned(1));
}

TEST_F(ExportCodeTest, ExtremeInputsStayInsideTheBuffer) {
  // Most games, most negative score, tags too long or empty: a code, never an overrun.
  EXPECT_EQ(Code(4294967295u, INT32_MIN, u"0320000", u"0999"),
            u"6394967295!17-09!80000000220434824");
  EXPECT_EQ(Code(0, 9000, u"", u"").size(), 13u);
}

}  // namespace
