#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/text_drawing.hpp"
#include "popup/popup.hpp"
#include "popup_fixture.hpp"
#include "records/export_code.hpp"
#include "records/hiscore_table.hpp"
#include "support/drawn_texts.hpp"

namespace {

using namespace popup_test;

using Drawn = testing_support::DrawnTexts::Text;

class ExportPanelTest : public PopupTest {
 protected:
  void TearDown() override {
    std::memset(&records::HiScoreTables, 0, sizeof records::HiScoreTables);
    PopupTest::TearDown();
  }
  // The panel of a mode as the hi-score screen opens it; the texts of its first paint.
  void Open(std::uint32_t mode) {
    render::HiScoreTab = mode;
    drawn.Clear();
    ASSERT_TRUE(popup::OpenPopup(popup::kind::ExportCode));
    platform::headless::Pump();
  }
  const Drawn* Find(std::u16string_view text) const { return drawn.Find(text); }
  // The code's first line.
  const Drawn* CodeDrawn() const {
    for (const Drawn& d : drawn.texts()) {
      if (d.rect.top == 114) return &d;
    }
    return nullptr;
  }

  testing_support::DrawnTexts drawn;
};

TEST_F(ExportPanelTest, DefaultTablesExplainAndABeatenOneShowsItsCodeWhole) {
  records::ResetHiScores();
  Open(4);
  using platform::Rect;
  const auto expectAt = [this](std::u16string_view text, Rect where) {
    const Drawn* d = Find(text);
    ASSERT_NE(d, nullptr) << platform::Utf16ToUtf8(text);
    EXPECT_EQ(d->rect, where) << platform::Utf16ToUtf8(text);
  };
  expectAt(u"Here you will be able to export your best Hi-Score by a special CODE.",
           Rect{12, 38, 228, 82});
  expectAt(u"Click this icon again when you beat the first Hi-Score of HEAT MODE!",
           Rect{12, 88, 228, 140});
  EXPECT_EQ(Find(u"WELL DONE!"), nullptr);
  // The OK button spans (80,146)-(160,168).
  TapPopup(160, 157);
  TapPopup(120, 145);
  TapPopup(120, 168);
  EXPECT_EQ(popup::PopupKind, popup::kind::ExportCode);
  TapPopup(80, 146);
  EXPECT_EQ(popup::PopupKind, popup::kind::None);

  // The worked example: HARD, 1234567 points, 250 games, a 240x320 screen.
  records::GameStatus.GamesPlayed = 250;
  records::TableOfMode(2)->Entry[0].Score = 1234567;
  Open(2);
  expectAt(u"WELL DONE!", Rect{12, 38, 228, 58});
  expectAt(u"To export your Score,\ninput this code at our website:", Rect{12, 58, 228, 90});
  expectAt(u"www.example.org/fandriass", Rect{12, 92, 228, 114});
  const Drawn* code = CodeDrawn();
  ASSERT_NE(code, nullptr);
  EXPECT_EQ(code->text, u"760!13809!0012D6370234552");
  EXPECT_EQ(code->colour, platform::Rgb(255, 0, 0));
  EXPECT_EQ(code->rect, (Rect{12, 114, 228, 134}));
  EXPECT_EQ(code->font, &render::FontTable[render::Font18Heavy]);
  TapPopup(120, 157);

  // The longest code a table can give fits no font on one line: it goes whole on
  // two, above the OK button.
  records::GameStatus.GamesPlayed = 4294967295u;
  records::TableOfMode(1)->Entry[0].Score = 2147483647;
  Open(1);
  const Drawn* first = CodeDrawn();
  ASSERT_NE(first, nullptr);
  const Drawn* second = first + 1;
  EXPECT_EQ(first->text + second->text, records::BuildExportCode(2147483647, u"032", u"09"));
  EXPECT_EQ(first->text.size(), 17u);
  EXPECT_EQ(first->rect, (Rect{12, 114, 228, 130}));
  EXPECT_EQ(second->rect, (Rect{12, 130, 228, 146}));  // clear of the OK button
  for (const Drawn* line : {first, second}) {
    EXPECT_EQ(line->font, &render::FontTable[render::Font16Heavy]);
    EXPECT_LE(platform::MeasureText(*line->font, line->text), 216);
  }
}

}  // namespace
