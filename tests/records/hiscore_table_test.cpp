#include <gtest/gtest.h>

#include <set>
#include <string>

#include "records/hiscore_table.hpp"
#include "records_test_support.hpp"

using records::InsertHiScore;

namespace {

class HiScoreTableTest : public records_test::RecordsTest {
 protected:
  // The EASY table with the scores given, named "P0".."P4".
  void SetScores(std::initializer_list<std::int32_t> scores) {
    int i = 0;
    for (std::int32_t score : scores) {
      easy.Entry[i] = {{u'P', static_cast<char16_t>(u'0' + i)}, score};
      ++i;
    }
    easy.LastInsertIndex = 4;
  }
  std::u16string Name(int entry) { return std::u16string(records::HiScoreName(easy.Entry[entry])); }
  std::vector<unsigned char> Tables() {
    return records_test::BytesOf(records::HiScoreTables, sizeof records::HiScoreTables);
  }

  records::HiScoreTable& easy = records::HiScoreTables[0];
};

TEST_F(HiScoreTableTest, ResetBuildsTheFiveDefaultTables) {
  records::ResetHiScores();
  const std::int32_t expected[5][5] = {{8569, 6853, 5896, 3596, 2685},
                                       {7852, 5695, 4156, 2856, 1365},
                                       {7695, 6896, 5487, 4586, 3654},
                                       {3984, 3526, 2963, 2045, 1023},
                                       {2435, 2036, 1985, 1654, 1023}};
  std::set<std::u16string_view> names;
  for (int t = 0; t < 5; ++t) {
    EXPECT_EQ(records::HiScoreTables[t].LastInsertIndex, 4);
    for (int e = 0; e < 5; ++e) {
      EXPECT_EQ(records::HiScoreTables[t].Entry[e].Score, expected[t][e]) << t << "/" << e;
      names.insert(records::HiScoreName(records::HiScoreTables[t].Entry[e]));
    }
  }
  EXPECT_EQ(names.size(), 25u);  // all different, none empty, none cut
  EXPECT_EQ(names.count(u""), 0u);
}

TEST_F(HiScoreTableTest, TiesStayBelowAndOnlyABetterScoreThanTheFifthGetsIn) {
  SetScores({500, 400, 300, 200, 100});
  const auto before = Tables();
  EXPECT_FALSE(records::EarnsHiScorePlace(1, 100));
  EXPECT_TRUE(records::EarnsHiScorePlace(1, 101));
  for (int mode : {1, 0, 6}) InsertHiScore(u"Tie", 100, true, mode);
  InsertHiScore(u"Low", -5, true, 1);
  EXPECT_EQ(Tables(), before);

  InsertHiScore(u"New", 300, true, 1);
  EXPECT_EQ(Name(2), u"P2");
  EXPECT_EQ(Name(3), u"New");
  EXPECT_EQ(Name(4), u"P3");  // the old fifth fell out
  EXPECT_EQ(easy.LastInsertIndex, 3);

  SetScores({-10, -20, -30, -40, -50});  // signed comparison
  InsertHiScore(u"Less", -45, true, 1);
  EXPECT_EQ(Name(4), u"Less");
}

TEST_F(HiScoreTableTest, AnAllZeroTableTakesAnyPositiveScoreAtTheTop) {
  InsertHiScore(u"Zero", 0, true, 1);
  EXPECT_EQ(easy.Entry[0].Name[0], 0);
  InsertHiScore(u"One", 1, true, 1);
  EXPECT_EQ(Name(0), u"One");
  EXPECT_EQ(easy.LastInsertIndex, 0);
}

TEST_F(HiScoreTableTest, TheSameResultJustAboveIsRefused) {
  SetScores({500, 400, 300, 200, 100});
  InsertHiScore(u"Ann", 350, true, 1);
  InsertHiScore(u"Ann", 350, true, 1);
  EXPECT_EQ(Name(3), u"P2");
  InsertHiScore(u"ann", 350, true, 1);  // case counts
  InsertHiScore(u"Ann", 360, true, 1);  // so does the score
  EXPECT_EQ(Name(2), u"Ann");
  EXPECT_EQ(Name(3), u"Ann");
  EXPECT_EQ(Name(4), u"ann");
  InsertHiScore(u"Ann", 360, false, 1);  // unchecked, the same result goes in again
  EXPECT_EQ(Name(3), u"Ann");
  EXPECT_EQ(easy.Entry[3].Score, 360);
  EXPECT_EQ(easy.LastInsertIndex, 3);
}

TEST_F(HiScoreTableTest, NamesAreCutToTenUnitsAndTheRestOfTheFieldIsKept) {
  SetScores({500, 400, 300, 200, 100});
  easy.Entry[0].Name[11] = u'~';                  // left by an earlier, longer name
  InsertHiScore(u"Bartholomew Q", 900, true, 1);  // 14 units
  EXPECT_EQ(Name(0), u"Bartholome");
  EXPECT_EQ(easy.Entry[0].Name[11], u'~');
  EXPECT_EQ(easy.Entry[1].Name[11], u'~');  // moved down whole
  InsertHiScore(u"Al", 950, true, 1);
  EXPECT_EQ(Name(0), u"Al");
  EXPECT_EQ(easy.Entry[0].Name[3], u't');
  // Nine units and a surrogate pair would be eleven: the pair goes whole.
  InsertHiScore(u"ABCDEFGHI\U0001F600", 990, true, 1);
  EXPECT_EQ(Name(0), u"ABCDEFGHI");
  EXPECT_EQ(easy.Entry[0].Name[9], 0);
}

TEST_F(HiScoreTableTest, ForeignNameFieldsAndIndexesAreReadWithinTheTable) {
  for (char16_t& unit : easy.Entry[0].Name) unit = u'X';  // no zero unit at all
  easy.Entry[0].Score = 700;
  EXPECT_EQ(Name(0), u"XXXXXXXXXX");
  InsertHiScore(u"XXXXXXXXXXXX", 700, true, 1);  // the same ten units: a duplicate
  EXPECT_EQ(easy.Entry[1].Score, 0);

  easy.LastInsertIndex = 0;
  EXPECT_EQ(records::LastInsertedName(1), u"XXXXXXXXXX");
  records::ResetHiScores();  // names everywhere, so a read past the table would show one
  for (std::int32_t index : {-1, 5, INT32_MIN}) {
    easy.LastInsertIndex = index;
    EXPECT_TRUE(records::LastInsertedName(1).empty()) << index;
  }
  EXPECT_TRUE(records::LastInsertedName(6).empty());
}

TEST_F(HiScoreTableTest, ANameNeverEndsInHalfASurrogatePair) {
  const std::u16string pair = u"\U0001F600";  // D83D DE00
  const std::pair<std::u16string, std::u16string> names[] = {
      {{0xD800, 0xD800}, u""},  // two first halves: the whole name was halves
      {{u'A', u'B', 0xDBFF, 0xD800}, u"AB"},
      {{u'A', 0xDC00}, u"A"},  // a second half on its own
      {{0xDFFF, 0xDC00}, u""},
      {u"A" + pair, u"A" + pair},
      {pair, pair},
      {{0, u'A'}, u""},  // an empty name, whatever lies behind its zero
      {{u'A', 0xD800, 0xD800, 0xDC00}, {u'A', 0xD800, 0xD800, 0xDC00}},  // ends in a whole pair
      {{u'A', 0xD7FF}, {u'A', 0xD7FF}},  // either side of the halves is plain text
      {{u'A', 0xE000}, {u'A', 0xE000}},
  };
  for (const auto& [stored, shown] : names) {
    std::fill_n(easy.Entry[0].Name, records::NameFieldUnits, 0);
    std::copy(stored.begin(), stored.end(), easy.Entry[0].Name);
    easy.LastInsertIndex = 0;
    EXPECT_EQ(records::LastInsertedName(1), shown) << stored.size();
    EXPECT_EQ(Name(0), shown) << stored.size();
  }

  // What the name entry proposes is what gets stored.
  std::fill_n(easy.Entry[0].Name, records::NameFieldUnits, 0);
  easy.Entry[0].Name[0] = u'Z';
  easy.Entry[0].Name[1] = 0xD800;
  easy.Entry[0].Name[2] = 0xD800;
  const std::u16string proposed(records::LastInsertedName(1));
  InsertHiScore(proposed, 50, true, 1);
  EXPECT_EQ(proposed, u"Z");
  EXPECT_EQ(Name(0), u"Z");
  EXPECT_EQ(easy.Entry[0].Name[1], 0);
}

}  // namespace
