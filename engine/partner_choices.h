// The 組合せ候補 hint: which units go with the chosen ones, as the window and
// the page show it. The units themselves come from the catalogue
// (UnitsBeside); what is said about them, and how a hidden one is offered
// to the lists, is made here, in finished UTF-8 texts, so that every front
// end says the same.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/unit_ids.h"

namespace tamrisk {

// The hint's texts. %1 and %2 are filled in.
namespace partner_texts {
inline constexpr std::string_view HintTip = "選んだ単位と組み合わせて計算できる単位を表示";
inline constexpr std::string_view NoFormula = "この組合せで答えが出る計算式はありません。";
inline constexpr std::string_view WouldAnswer = "次の単位なら答えが出ます。";
inline constexpr std::string_view ForUnit1Line = "パラメータ１の単位に：";
inline constexpr std::string_view ForUnit2Line = "パラメータ２の単位に：";
inline constexpr std::string_view Separator = "、";
inline constexpr std::string_view MoreUnits = "ほか%1単位";
inline constexpr std::string_view NoUnitName = "単位なし";
inline constexpr std::string_view None = "候補はありません";
inline constexpr std::string_view PopupHeading = "単位を選ぶと、もう一方のパラメータの単位に設定します。";
inline constexpr std::string_view HiddenNote = "（非表示）の単位は、一覧に表示するかどうかを確認します。";
inline constexpr std::string_view FilterNote = "結果単位「%1」の計算式に限っています。";
inline constexpr std::string_view ColumnTitle = "「%1」と組み合わせる単位";
inline constexpr std::string_view SetsUnit1 = "（パラメータ１に設定）";
inline constexpr std::string_view SetsUnit2 = "（パラメータ２に設定）";
inline constexpr std::string_view Item = "%1　%2式";
// After a unit of the lists; in the tip's lines of units, right after the
// unit.
inline constexpr std::string_view HiddenMark = "　（非表示）";
inline constexpr std::string_view HiddenTipMark = "（非表示）";
inline constexpr std::string_view ShowQuestion =
    "単位「%1」は一覧に表示されていません。\n一覧に表示して、パラメータ%2の単位に設定しますか？";
inline constexpr std::string_view ShowYes = "表示する";
inline constexpr std::string_view ShowNo = "表示しない";
}  // namespace partner_texts

// The units named in the tip's line of a parameter before "ほかn単位".
inline constexpr std::size_t PartnerTipUnits = 12;

// A unit that a parameter may take beside the other parameter's unit, how
// many formulas then answer, and whether the user's lists leave it out (as
// the catalogue's UnitsBeside gives them).
struct PartnerUnit {
  UnitId unit = OtherUnit;
  int formulas = 0;
  bool hidden = false;
};

// What the hint is asked about: the units and the filter chosen now, the
// units each parameter may take beside the other's, and whether the last
// calculation gave the "no formula" message for these units.
struct PartnerSituation {
  std::string_view unit1;
  std::string_view unit2;
  std::string_view filter;
  std::span<const PartnerUnit> forUnit1;  // parameter 1's units, beside unit2
  std::span<const PartnerUnit> forUnit2;  // parameter 2's units, beside unit1
  bool noFormula = false;
};

// One unit of a column as shown: "Ω　6式", a hidden one marked.
struct PartnerItem {
  std::string unit;  // the unit text to set
  std::string text;
  bool hidden = false;
};

// The units one parameter may take.
struct PartnerColumn {
  int parameter = 0;  // the parameter a choice sets
  std::string title;  // two lines: the other unit, and which parameter is set
  std::vector<PartnerItem> items;
  // Shown in place of the items when there are none; empty otherwise.
  std::string empty;
};

// The small window of the hint: a heading, parameter 1's column on the left
// and parameter 2's on the right.
struct PartnerPopupTexts {
  std::string heading;
  PartnerColumn column1;
  PartnerColumn column2;
  // The column the keys act on first: parameter 2's when it offers a unit
  // (the unit looked for is more often the second one), else parameter 1's.
  int focusParameter = 2;
};

PartnerPopupTexts PartnerPopupFor(const PartnerSituation& situation);

// The hint's tip, and after "no formula" the note that says which units
// would answer: a first line (what the lines are, under the filter if one is
// chosen), then a line for each parameter naming its units, hidden ones
// marked, at most PartnerTipUnits of them. Lines are separated by "\n".
std::string PartnerNote(const PartnerSituation& situation);

// The question asked before a hidden unit is shown in the lists, and the
// captions of its two answers.
struct ShowUnitQuestion {
  std::string text;
  std::string yes;
  std::string no;
  int position = 0;  // the unit's catalogue position (1..80)
};

// The question for `unit` chosen for parameter `parameter` (1 or 2);
// nothing for a text that is no catalogue unit, which no list can show.
std::optional<ShowUnitQuestion> AskToShowUnit(int parameter, std::string_view unit);

}  // namespace tamrisk
