// What the window and the page show alike, made by the engine: the
// 組合せ候補 hint's texts and choices, the lists' first selection, the
// mask edit of a unit shown from the hint, and the note of a search that
// finds nothing.
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "engine/catalogue.h"
#include "engine/fill_in.h"
#include "engine/list_choices.h"
#include "engine/partner_choices.h"
#include "engine/search_note.h"

namespace tamrisk {
namespace {

PartnerUnit U(std::string_view unit, int formulas, bool hidden = false) {
  return {UnitIdOf(unit), formulas, hidden};
}

std::vector<std::string> Texts(const PartnerColumn& column) {
  std::vector<std::string> texts;
  for (const PartnerItem& item : column.items) texts.push_back(item.text);
  return texts;
}

TEST(PartnerPopupTest, HeadingColumnsAndFocus) {
  const std::vector<PartnerUnit> forUnit1 = {U(" ", 1), U("℃", 1), U("dB", 1, true)};
  const std::vector<PartnerUnit> forUnit2 = {U("A", 1), U("Ω", 3)};
  PartnerSituation s{"V", "Hz", " 指定なし", forUnit1, forUnit2};

  PartnerPopupTexts popup = PartnerPopupFor(s);
  EXPECT_EQ(popup.heading,
            "単位を選ぶと、もう一方のパラメータの単位に設定します。\n"
            "（非表示）の単位は、一覧に表示するかどうかを確認します。");
  EXPECT_EQ(popup.column1.parameter, 1);
  EXPECT_EQ(popup.column1.title, "「Hz」と組み合わせる単位\n（パラメータ１に設定）");
  EXPECT_EQ(Texts(popup.column1),
            (std::vector<std::string>{"単位なし　1式", "℃　1式", "dB　1式　（非表示）"}));
  EXPECT_EQ(popup.column1.items[0].unit, " ");
  EXPECT_TRUE(popup.column1.items[2].hidden);
  EXPECT_EQ(popup.column1.empty, "");
  EXPECT_EQ(popup.column2.parameter, 2);
  EXPECT_EQ(popup.column2.title, "「V」と組み合わせる単位\n（パラメータ２に設定）");
  EXPECT_EQ(Texts(popup.column2), (std::vector<std::string>{"A　1式", "Ω　3式"}));
  EXPECT_EQ(popup.focusParameter, 2);

  // After "no formula", under a filter; the blank unit named; a column
  // without units says so, and the keys start in the other one.
  s.noFormula = true;
  s.filter = "W";
  s.unit1 = " ";
  s.forUnit1 = {};
  s.forUnit2 = forUnit1;
  popup = PartnerPopupFor(s);
  EXPECT_EQ(popup.heading,
            "この組合せで答えが出る計算式はありません。\n次の単位なら答えが出ます。"
            "結果単位「W」の計算式に限っています。\n"
            "（非表示）の単位は、一覧に表示するかどうかを確認します。");
  EXPECT_EQ(popup.column2.title, "「単位なし」と組み合わせる単位\n（パラメータ２に設定）");
  EXPECT_TRUE(popup.column1.items.empty());
  EXPECT_EQ(popup.column1.empty, "候補はありません");
  EXPECT_EQ(popup.focusParameter, 2);
  s.forUnit1 = forUnit2;
  s.forUnit2 = {};
  EXPECT_EQ(PartnerPopupFor(s).focusParameter, 1);
}

TEST(PartnerNoteTest, Lines) {
  const std::vector<PartnerUnit> forUnit1 = {U(" ", 1), U("℃", 1), U("dB", 1, true), U("K", 1, true)};
  const std::vector<PartnerUnit> forUnit2 = {U("A", 1), U("Ω", 3)};
  PartnerSituation s{"V", "Hz", "W", forUnit1, forUnit2, true};
  EXPECT_EQ(PartnerNote(s),
            "この組合せで答えが出る計算式はありません。次の単位なら答えが出ます。"
            "結果単位「W」の計算式に限っています。\n"
            "パラメータ１の単位に：単位なし、℃、dB（非表示）、K（非表示）\n"
            "パラメータ２の単位に：A、Ω");

  // The tip at other times: no filter; more units than the line names.
  std::vector<PartnerUnit> many;
  for (std::string_view unit : UnitCatalogue)
    if (!unit.empty() && many.size() < 14) many.push_back(U(unit, 1, unit == "in"));
  s = {"V", "Hz", " 指定なし", many, {}, false};
  EXPECT_EQ(PartnerNote(s),
            "選んだ単位と組み合わせて計算できる単位を表示\n"
            "パラメータ１の単位に：m、in（非表示）、ft、yd、mile、g、oz、lbs、deg、rad、sec、min、ほか2単位\n"
            "パラメータ２の単位に：候補はありません");
}

TEST(ShowUnitQuestionTest, AskedForCatalogueUnitsOnly) {
  const auto henry = AskToShowUnit(1, "H");
  ASSERT_TRUE(henry);
  EXPECT_EQ(henry->text, "単位「H」は一覧に表示されていません。\n一覧に表示して、パラメータ１の単位に設定しますか？");
  EXPECT_EQ(henry->yes, "表示する");
  EXPECT_EQ(henry->no, "表示しない");
  EXPECT_EQ(henry->position, 36);
  const auto gallon = AskToShowUnit(2, "gal UK");
  ASSERT_TRUE(gallon);
  EXPECT_EQ(gallon->text, "単位「gal UK」は一覧に表示されていません。\n一覧に表示して、パラメータ２の単位に設定しますか？");
  EXPECT_EQ(gallon->position, 56);
  // Nothing a list could show: the blank unit, a spare position's empty
  // text, any other text.
  for (std::string_view unit : {" ", "", "xyz", "Ω "}) EXPECT_FALSE(AskToShowUnit(1, unit)) << unit;
}

TEST(FillInTest, OnePass) {
  EXPECT_EQ(FillIn("%1　%2式", {"Ω", "6"}), "Ω　6式");
  // A value is put in as it is; a place without a value stays.
  EXPECT_EQ(FillIn("「%1」%2", {"%2", "x"}), "「%2」x");
  EXPECT_EQ(FillIn("%1 %3 100%", {"a"}), "a %3 100%");
}

TEST(ListChoicesTest, FirstSelection) {
  struct C {
    std::string prefixMask;
    std::string unitMask;
    int prefixIndex;
  };
  const C cases[] = {
      {std::string(DefaultPrefixMask), std::string(DefaultUnitMask), 3},
      {std::string(20, '0'), std::string(80, '0'), 0},
      {std::string(20, '1'), std::string(80, '1'), 10},
      {"11111", "1", 5},
  };
  for (const C& c : cases) {
    const ListChoices choices = ListChoicesFor(c.prefixMask, c.unitMask);
    EXPECT_EQ(choices.prefixIndex, c.prefixIndex) << c.prefixMask;
    EXPECT_EQ(choices.lists.prefixes[static_cast<size_t>(choices.prefixIndex)], NoPrefix);
    EXPECT_EQ(choices.lists.units[static_cast<size_t>(choices.unitIndex)], NoUnit);
    EXPECT_EQ(choices.lists.filters[static_cast<size_t>(choices.filterIndex)], NoFilter);
  }
}

TEST(UnitMaskShowingTest, SetsOnePosition) {
  std::string mask(DefaultUnitMask);
  const std::string shown = UnitMaskShowing(mask, 36);
  mask[35] = '1';
  EXPECT_EQ(shown, mask);
  EXPECT_EQ(UnitMaskShowing(shown, 36), shown);
  // A short mask is filled up with "0" first; the rest stays as it was.
  EXPECT_EQ(UnitMaskShowing("1x", 5), "1x001");
  EXPECT_EQ(UnitMaskShowing("", 1), "1");
  EXPECT_EQ(UnitMaskShowing("101", 0), "101");
}

TEST(SearchMissNoteTest, WhyNothingWasFound) {
  const std::u16string_view document = u"\r\n抵抗の計算\r\n抵抗値\r\n";
  EXPECT_EQ(SearchMissNote(document, u"DB", true), "｢DB｣は見つかりません");
  EXPECT_EQ(SearchMissNote(document, u"抵抗", true), "｢抵抗｣はこれより下にはありません");
  EXPECT_EQ(SearchMissNote(document, u"抵抗", false), "｢抵抗｣はこれより上にはありません");
  // The search text as UTF-8: a character beyond the first plane whole, a
  // lone surrogate as U+FFFD.
  EXPECT_EQ(SearchMissNote(document, u"\U0001F4D6", true), "｢\U0001F4D6｣は見つかりません");
  const char16_t lone[] = {u'a', 0xD800, u'b'};
  EXPECT_EQ(SearchMissNote(document, std::u16string_view(lone, 3), true), "｢a\uFFFDb｣は見つかりません");
}

}  // namespace
}  // namespace tamrisk
