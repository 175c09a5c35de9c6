#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/text_drawing.hpp"
#include "popup/popup.hpp"
#include "popup_fixture.hpp"
#include "records/export_code.hpp"
#include "records/hiscore_table.hpp"

namespace {

using namespace popup_test;

struct Drawn {
  std::u16string text;
  platform::Rect rect;
  const platform::Font* font;
  platform::Colour colour;
};
std::vector<Drawn> drawn;
void Note(const platform::DrawnText& t) {
  drawn.push_back(Drawn{std::u16string(t.text), t.rect, t.font, t.colour});
}
const Drawn* Find(std::u16string_view text) {
  for (const Drawn& d : drawn) {
    if (d.text == text) return &d;
  }
  return nullptr;
}
const Drawn* CodeDrawn() {
  for (const Drawn& d : drawn) {
    if (d.rect.top == 114) return &d;
  }
  return nullptr;
}

class ExportPanelTest : public PopupTest {
 protected:
  void TearDown() override {
    platform::SetTextObserver(nullptr);
    drawn.clear();
    std::memset(&records::HiScoreTables, 0, sizeof records::HiScoreTables);
    PopupTest::TearDown();
  }
  // The panel of a mode as the hi-score screen opens it; the texts of its first paint.
  void Open(std::uint32_t mode) {
    render::HiScoreTab = mode;
    drawn.clear();
    platform::SetTextObserver(&Note);
    ASSERT_TRUE(popup::OpenPopup(popup::kind::ExportCode));
    platform::headless::Pump();
    platform::SetTextObserver(nullptr);
  }
};

TEST_F(ExportPanelTest, DefaultTablesExplainAndABeatenOneShowsItsCodeWhole) {
  records::ResetHiScores();
  Open(4);
  EXPECT_NE(Find(u"Click this icon again when you beat the first Hi-Score of HEAT MODE!"), nullptr);
  EXPECT_EQ(Find(u"WELL DONE!"), nullptr);
  TapPopup(120, 157);
  EXPECT_EQ(popup::PopupKind, popup::kind::None);

  // The worked example: HARD, 1234567 points, 250 games, a 240x320 screen.
  records::GameStatus.GamesPlayed = 250;
  records::TableOfMode(2)->Entry[0].Score = 1234567;
  Open(2);
  EXPECT_NE(Find(u"WELL DONE!"), nullptr);
  const Drawn* code = CodeDrawn();
  ASSERT_NE(code, nullptr);
  EXPECT_EQ(code->text, u"760!13809!0012D6370234552");
  EXPECT_EQ(code->colour, platform::Rgb(255, 0, 0));
  EXPECT_EQ(code->rect, (platform::Rect{12, 114, 228, 134}));
  EXPECT_EQ(code->font, &render::FontTable[render::Font18Heavy]);
  TapPopup(120, 157);

  // The longest code a table can give fits no font on one line: it goes whole on
  // two, above the OK button.
  records::GameStatus.GamesPlayed = 4294967295u;
  records::TableOfMode(1)->Entry[0].Score = 2147483647;
  Open(1);
  const Drawn* longest = CodeDrawn();
  ASSERT_NE(longest, nullptr);
  const std::size_t cut = longest->text.find(u'\n');
  ASSERT_NE(cut, std::u16string::npos);
  const std::u16string first = longest->text.substr(0, cut);
  const std::u16string second = longest->text.substr(cut + 1);
  EXPECT_EQ(first + second, records::BuildExportCode(2147483647, u"032", u"09"));
  EXPECT_EQ(first.size(), 18u);
  EXPECT_LE(platform::MeasureText(*longest->font, first), 216);
  EXPECT_LE(platform::MeasureText(*longest->font, second), 216);
  EXPECT_LE(longest->rect.bottom, 146);
}

}  // namespace
