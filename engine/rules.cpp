// The definitions behind engine/rule_row.h, engine/line_template.h and
// engine/formula_domain.h, in one file so that their headers are compiled
// once.
#include <charconv>
#include <cstdint>

#include "engine/catalogue.h"
#include "engine/formula_domain.h"
#include "engine/line_template.h"
#include "engine/rule_row.h"

namespace tamrisk {

// What a table author writes.

void RuleMistake(const char* reason) { throw RuleDefinitionError(reason); }

std::string Hex(Num x) {
  const auto bits = static_cast<std::uint32_t>(RoundToInt32(x));
  char buf[8];
  const auto res = std::to_chars(buf, buf + sizeof buf, bits, 16);
  std::string s(buf, res.ptr);
  for (char& c : s) {
    if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
  }
  return s;
}

int Ctx::ParamOf(std::string_view name) const {
  const int slot = row_.SlotOf(name);
  if (slot < 0) throw RuleDefinitionError("unknown parameter name in a rule: " + std::string(name));
  return ParamOfSlot(slot);
}

Num Ctx::Value(std::string_view name) const {
  return ParamOf(name) == 1 ? Num(in_.value1) : Num(in_.value2);
}

const std::string& Ctx::Label(std::string_view name) const {
  return ParamOf(name) == 1 ? in_.label1 : in_.label2;
}

const std::string& Ctx::Unit(std::string_view name) const {
  return ParamOf(name) == 1 ? in_.unit1 : in_.unit2;
}

bool Ctx::Unfiltered() const { return in_.filter == NoFilter; }

// The line template.

std::string_view LineTemplate::Text() const { return {text_, size_}; }

void LineTemplate::AppendTo(std::string& out, const Values& values) const {
  const char* p = text_;
  for (std::size_t k = 0; k < count_; ++k) {
    const Part part = PartAt(k);
    out.append(p, part.literal);
    p += part.literal + part.braces;
    switch (part.code) {
      case Label0: out += values.labels[0]; break;
      case Label1: out += values.labels[1]; break;
      case UnitText: out += values.unit; break;
      case CrLf: out += "\r\n"; break;
      default: out += values.results[part.code]; break;
    }
  }
  out.append(p, static_cast<std::size_t>(text_ + size_ - p));
}

// The domain and its matcher.

bool FormulaDomain::strictRules = false;

RunUnits RunUnitsOf(const CalcInput& in) {
  RunUnits u;
  u.unit1 = UnitIdOf(in.unit1);
  u.unit2 = UnitIdOf(in.unit2);
  u.unfiltered = in.filter == NoFilter;
  u.filter = u.unfiltered ? OtherUnit : UnitIdOf(in.filter);
  return u;
}

namespace {

// A value condition only decides whether a rule fires: when its own
// arithmetic fails the condition does not hold, and nothing has failed. A
// wrongly written condition is still a wrongly written rule.
bool ConditionHolds(Condition condition, const Ctx& ctx) {
  try {
    return condition(ctx);
  } catch (const CalcFailure&) {
    return false;
  }
}

// Tries one rule whose units match: its filter, its condition, then its
// computation and line.
void TryRule(const RuleTable& table, std::size_t rowIndex, int order, const CalcInput& in,
             const RunUnits& units, int thisYear, bool& invalidInput, std::string& block,
             RuleLineSink* sink) {
  const RuleRow& row = table.rows[rowIndex];
  if (!units.unfiltered && !row.filter.units.Has(units.filter)) return;
  const Ctx ctx(row, order, in, thisYear);
  try {
    if (row.condition && !ConditionHolds(row.condition, ctx)) return;
    row.compute.Call([&](auto compute) {
      // Every figure is computed before anything of the line is written.
      const auto results = compute(ctx);
      // Slot 0, the first-named parameter, is parameter 1 in order 0.
      const bool firstIsParam1 = order == 0;
      const LineTemplate::Values values{
          results.texts.data(),
          {firstIsParam1 ? in.label1 : in.label2, firstIsParam1 ? in.label2 : in.label1},
          firstIsParam1 ? in.unit1 : in.unit2};
      const std::size_t start = block.size();
      row.line.AppendTo(block, values);
      block += "\r\n";
      if (sink) {
        std::size_t lineCount = 0;
        for (std::size_t at = block.find("\r\n", start); at != std::string::npos;
             at = block.find("\r\n", at + 2)) {
          ++lineCount;
        }
        sink->Wrote(table, rowIndex, order, in, results.texts.data(), lineCount);
      }
    });
  } catch (const CalcFailure&) {
    invalidInput = true;
  } catch (const RuleDefinitionError&) {
    if (FormulaDomain::strictRules) throw;
    invalidInput = true;
  }
}

bool OpenRuleMatches(const RuleRow& row, int order, const RunUnits& units) {
  const AcceptedUnits& at1 = order == 0 ? row.first : row.second;
  const AcceptedUnits& at2 = order == 0 ? row.second : row.first;
  return at1.Matches(units.unit1) && at2.Matches(units.unit2);
}

// The rules of one table that take the run's units, in table order: those
// of its unit pair merged with those of several units.
void EvaluateTable(const RuleTable& table, const RunUnits& units, const CalcInput& in,
                   int thisYear, bool& invalidInput, std::string& block, RuleLineSink* sink) {
  // The rules of parameter 1's unit, sorted by parameter 2's.
  std::span<const PairRule> pair = table.PairRulesOf(units.unit1);
  const UnitPair key(units.unit1, units.unit2);
  std::size_t lo = 0, hi = pair.size();
  while (lo < hi) {
    const std::size_t mid = lo + (hi - lo) / 2;
    if (pair[mid].pair < key) lo = mid + 1;
    else hi = mid;
  }
  std::size_t end = lo;
  while (end < pair.size() && pair[end].pair == key) ++end;
  pair = pair.subspan(lo, end - lo);
  std::span<const RuleNumber> open = table.openRules;
  while (!pair.empty() || !open.empty()) {
    RuleNumber number;
    if (!open.empty() && (pair.empty() || open.front() < pair.front().rule)) {
      number = open.front();
      open = open.subspan(1);
      if (!OpenRuleMatches(table.rows[number.Row()], number.Order(), units)) continue;
    } else {
      number = pair.front().rule;
      pair = pair.subspan(1);
    }
    TryRule(table, number.Row(), number.Order(), in, units, thisYear, invalidInput, block, sink);
  }
}

}  // namespace

std::vector<Section> FormulaDomain::Sections() const {
  std::vector<Section> sections;
  for (const RuleTable* table : Tables()) {
    for (std::size_t i = 0; i < table->sectionEnds.size(); ++i) sections.push_back(table->SectionAt(i));
  }
  return sections;
}

std::size_t FormulaDomain::RuleCount() const {
  std::size_t n = 0;
  for (const RuleTable* table : Tables()) n += table->RuleCount();
  return n;
}

std::string FormulaDomain::Evaluate(const CalcInput& in, int thisYear, bool& invalidInput) const {
  std::string block;
  EvaluateInto(RunUnitsOf(in), in, thisYear, invalidInput, block);
  return block;
}

void FormulaDomain::EvaluateInto(const RunUnits& units, const CalcInput& in, int thisYear,
                                 bool& invalidInput, std::string& block, RuleLineSink* sink) const {
  for (const RuleTable* table : Tables()) {
    if (table->PairRulesOf(units.unit1).empty() && table->openRules.empty()) continue;
    EvaluateTable(*table, units, in, thisYear, invalidInput, block, sink);
  }
}

}  // namespace tamrisk
