#include "engine/partner_choices.h"

#include <algorithm>

#include "engine/catalogue.h"
#include "engine/fill_in.h"

namespace tamrisk {

namespace {

using namespace partner_texts;

// How a unit is named in the hint: the blank unit as 単位なし.
std::string_view UnitName(std::string_view unit) { return unit == NoUnit ? NoUnitName : unit; }

std::string FilterLine(std::string_view filter) {
  return filter == NoFilter ? std::string() : FillIn(FilterNote, {filter});
}

bool AnyHidden(std::span<const PartnerUnit> units) {
  return std::any_of(units.begin(), units.end(), [](const PartnerUnit& u) { return u.hidden; });
}

PartnerColumn Column(int parameter, std::string_view otherUnit, std::span<const PartnerUnit> units) {
  PartnerColumn column;
  column.parameter = parameter;
  column.title = FillIn(ColumnTitle, {UnitName(otherUnit)}) + '\n' +
                 std::string(parameter == 1 ? SetsUnit1 : SetsUnit2);
  for (const PartnerUnit& u : units) {
    const std::string_view unit = UnitTexts[u.unit];
    PartnerItem item{std::string(unit),
                     FillIn(Item, {UnitName(unit), std::to_string(u.formulas)}), u.hidden};
    if (u.hidden) item.text += HiddenMark;
    column.items.push_back(std::move(item));
  }
  if (units.empty()) column.empty = None;
  return column;
}

// The units of one parameter by name, at most `limit` of them.
std::string Summary(std::span<const PartnerUnit> units, std::size_t limit) {
  if (units.empty()) return std::string(None);
  std::string summary;
  for (std::size_t i = 0; i < units.size() && i < limit; ++i) {
    if (i > 0) summary += Separator;
    summary += UnitName(UnitTexts[units[i].unit]);
    if (units[i].hidden) summary += HiddenTipMark;
  }
  if (units.size() > limit) {
    summary += Separator;
    summary += FillIn(MoreUnits, {std::to_string(units.size() - limit)});
  }
  return summary;
}

}  // namespace

PartnerPopupTexts PartnerPopupFor(const PartnerSituation& situation) {
  PartnerPopupTexts popup;
  popup.heading = situation.noFormula ? std::string(NoFormula) + '\n' + std::string(WouldAnswer)
                                      : std::string(PopupHeading);
  popup.heading += FilterLine(situation.filter);
  if (AnyHidden(situation.forUnit1) || AnyHidden(situation.forUnit2)) {
    popup.heading += '\n';
    popup.heading += HiddenNote;
  }
  popup.column1 = Column(1, situation.unit2, situation.forUnit1);
  popup.column2 = Column(2, situation.unit1, situation.forUnit2);
  popup.focusParameter = situation.forUnit2.empty() ? 1 : 2;
  return popup;
}

std::string PartnerNote(const PartnerSituation& situation) {
  std::string note = situation.noFormula ? std::string(NoFormula) + std::string(WouldAnswer)
                                         : std::string(HintTip);
  note += FilterLine(situation.filter);
  note += '\n';
  note += ForUnit1Line;
  note += Summary(situation.forUnit1, PartnerTipUnits);
  note += '\n';
  note += ForUnit2Line;
  note += Summary(situation.forUnit2, PartnerTipUnits);
  return note;
}

std::optional<ShowUnitQuestion> AskToShowUnit(int parameter, std::string_view unit) {
  const int position = UnitPositionOf(unit);
  if (position == 0) return std::nullopt;
  return ShowUnitQuestion{FillIn(ShowQuestion, {unit, parameter == 1 ? "１" : "２"}),
                          std::string(ShowYes), std::string(ShowNo), position};
}

}  // namespace tamrisk
