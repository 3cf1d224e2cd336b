#include "engine/rules.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>

#include "engine/catalogue.h"

namespace tamrisk {

bool FormulaDomain::strictRules = false;

bool AcceptedUnits::Matches(std::string_view unit) const {
  const bool listed = std::find(units.begin(), units.end(), unit) != units.end();
  return kind == Kind::AnyExcept ? !listed : listed;
}

AcceptedUnits AnyOf(std::initializer_list<const char*> units, const char* name) {
  return AcceptedUnits(AcceptedUnits::Kind::AnyOf,
                       std::vector<std::string>(units.begin(), units.end()), name);
}

AcceptedUnits AnyUnitExcept(std::initializer_list<const char*> units, const char* name) {
  return AcceptedUnits(AcceptedUnits::Kind::AnyExcept,
                       std::vector<std::string>(units.begin(), units.end()), name);
}

AcceptedUnits Named(const char* unit, const char* name) {
  return AcceptedUnits(AcceptedUnits::Kind::Exact, {unit}, name);
}

Units Either(AcceptedUnits first, AcceptedUnits second) {
  return {std::move(first), std::move(second), true};
}
Units ThisOrder(AcceptedUnits first, AcceptedUnits second) {
  return {std::move(first), std::move(second), false};
}

RuleRow RuleRow::WithSwappedLine(const char* l) const {
  RuleRow r = *this;
  r.swappedLine = l;
  return r;
}

RuleRow Rule(Units units, Filter filter, Compute compute, const char* line) {
  return RuleRow{std::move(units), std::move(filter), nullptr, compute, line, {}};
}

RuleRow Rule(Units units, Filter filter, Condition condition, Compute compute, const char* line) {
  return RuleRow{std::move(units), std::move(filter), condition, compute, line, {}};
}

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

Section Doc(std::initializer_list<const char*> lines) {
  return Section{std::vector<std::string>(lines.begin(), lines.end())};
}

bool FormulaRule::UnitsMatch(const CalcInput& in) const {
  const std::string& u1 = param[0] == 1 ? in.unit1 : in.unit2;
  const std::string& u2 = param[1] == 1 ? in.unit1 : in.unit2;
  return slot[0]->Matches(u1) && slot[1]->Matches(u2);
}

bool FormulaRule::FilterAllows(const std::string& filter) const {
  if (filter == NoFilter) return true;
  const auto& units = row->filter.units;
  return std::find(units.begin(), units.end(), filter) != units.end();
}

int Ctx::ParamOf(std::string_view name) const {
  if (rule_.name[0] == name) return rule_.param[0];
  if (rule_.name[1] == name) return rule_.param[1];
  throw RuleDefinitionError("unknown parameter name in a rule: " + std::string(name));
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

namespace {

// Splits a line template into literal text, labels, unit texts, results and
// inner line breaks.
std::vector<FormulaRule::Piece> CompileLine(const std::string& line, const std::string names[2],
                                            int& resultCount) {
  std::vector<FormulaRule::Piece> pieces;
  std::vector<std::string_view> results;
  size_t i = 0;
  while (i < line.size()) {
    const size_t open = line.find('{', i);
    if (open != i) {
      const size_t end = open == std::string::npos ? line.size() : open;
      pieces.push_back({FormulaRule::Piece::Kind::Text, std::string_view(line).substr(i, end - i), 0});
      i = end;
      continue;
    }
    const size_t close = line.find('}', open);
    if (close == std::string::npos) throw RuleDefinitionError("unclosed placeholder: " + line);
    const std::string_view key = std::string_view(line).substr(open + 1, close - open - 1);
    if (key == "crlf") {
      pieces.push_back({FormulaRule::Piece::Kind::CrLf, {}, 0});
    } else if (key == names[0] || key == names[1]) {
      pieces.push_back({FormulaRule::Piece::Kind::Label, {}, key == names[0] ? 0 : 1});
    } else if (key == "U") {
      pieces.push_back({FormulaRule::Piece::Kind::UnitText, {}, 0});
    } else {
      auto it = std::find(results.begin(), results.end(), key);
      const int index = static_cast<int>(it - results.begin());
      if (it == results.end()) results.push_back(key);
      pieces.push_back({FormulaRule::Piece::Kind::Result, {}, index});
    }
    i = close + 1;
  }
  resultCount = static_cast<int>(results.size());
  return pieces;
}

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

}  // namespace

size_t FormulaDomain::UnitPairHash::operator()(UnitPairView p) const {
  const size_t h = std::hash<std::string_view>{}(p.first);
  return h ^ (std::hash<std::string_view>{}(p.second) + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2));
}

void FormulaDomain::AddRow(const RuleRow& row) {
  const int orders = row.units.eitherOrder ? 2 : 1;
  for (int order = 0; order < orders; ++order) {
    FormulaRule rule;
    rule.row = &row;
    rule.slot[0] = &row.units.first;
    rule.slot[1] = &row.units.second;
    rule.param[0] = order == 0 ? 1 : 2;
    rule.param[1] = order == 0 ? 2 : 1;
    rule.name[0] = row.units.first.name;
    rule.name[1] = row.units.second.name;
    if (rule.name[0] == rule.name[1]) {
      if (row.units.eitherOrder) {
        throw RuleDefinitionError("a rule with one unit twice must state its order: " + row.line);
      }
      rule.name[0] += "#1";
      rule.name[1] += "#2";
    }
    const std::string& line =
        order == 1 && !row.swappedLine.empty() ? row.swappedLine : row.line;
    rule.pieces = CompileLine(line, rule.name, rule.resultCount);

    const auto index = static_cast<std::uint32_t>(rules_.size());
    const AcceptedUnits& at1 = rule.param[0] == 1 ? *rule.slot[0] : *rule.slot[1];
    const AcceptedUnits& at2 = rule.param[0] == 1 ? *rule.slot[1] : *rule.slot[0];
    const bool any1 = at1.kind == AcceptedUnits::Kind::AnyExcept;
    const bool any2 = at2.kind == AcceptedUnits::Kind::AnyExcept;
    if (any1 && any2) {
      wildcardRules_.push_back(index);
    } else if (any1 || any2) {
      RulesByUnit& bucket = byOneUnit_[any1 ? 1 : 0];
      for (const std::string& u : (any1 ? at2 : at1).units) bucket[u].push_back(index);
    } else {
      for (const std::string& u1 : at1.units) {
        for (const std::string& u2 : at2.units) byUnits_[UnitPair(u1, u2)].push_back(index);
      }
    }
    rules_.push_back(std::move(rule));
  }
}

FormulaDomain::FormulaDomain(std::string name, int category, std::vector<EntryTable> parts)
    : name_(std::move(name)), category_(category), parts_(std::move(parts)) {
  Index();
}

FormulaDomain::FormulaDomain(std::string name, int category,
                             std::initializer_list<EntryTable (*)()> parts)
    : name_(std::move(name)), category_(category) {
  parts_.reserve(parts.size());
  for (EntryTable (*make)() : parts) parts_.push_back(make());
  Index();
}

void FormulaDomain::Index() {
  // The rules point into parts_, which never changes from here on; the
  // sections move out of it into their own list.
  size_t rows = 0, sections = 0;
  for (const EntryTable& table : parts_) {
    for (const Entry& entry : table) {
      if (const RuleRow* row = std::get_if<RuleRow>(&entry)) rows += row->units.eitherOrder ? 2 : 1;
      else ++sections;
    }
  }
  rules_.reserve(rows);
  sections_.reserve(sections);
  for (EntryTable& table : parts_) {
    for (Entry& entry : table) {
      if (Section* s = std::get_if<Section>(&entry)) sections_.push_back(std::move(*s));
      else AddRow(std::get<RuleRow>(entry));
    }
  }
}

std::string FormulaDomain::Evaluate(const CalcInput& in, int thisYear, bool& invalidInput) const {
  std::string block;
  EvaluateInto(in, thisYear, invalidInput, block);
  return block;
}

void FormulaDomain::EvaluateInto(const CalcInput& in, int thisYear, bool& invalidInput,
                                 std::string& block) const {
  static const std::vector<std::uint32_t> none;
  auto found = byUnits_.find(UnitPairView(in.unit1, in.unit2));
  const std::vector<std::uint32_t>* candidates[4] = {
      found == byUnits_.end() ? &none : &found->second, &none, &none, &wildcardRules_};
  for (int p = 0; p < 2; ++p) {
    if (byOneUnit_[p].empty()) continue;
    auto one = byOneUnit_[p].find(std::string_view(p == 0 ? in.unit1 : in.unit2));
    if (one != byOneUnit_[p].end()) candidates[1 + p] = &one->second;
  }

  // Every candidate list is in rule order; walk them together.
  size_t at[4] = {0, 0, 0, 0};
  std::vector<std::string> results;
  while (true) {
    int next = -1;
    for (int k = 0; k < 4; ++k) {
      if (at[k] < candidates[k]->size() &&
          (next < 0 || (*candidates[k])[at[k]] < (*candidates[next])[at[next]])) {
        next = k;
      }
    }
    if (next < 0) break;
    const std::uint32_t index = (*candidates[next])[at[next]++];
    const FormulaRule& rule = rules_[index];
    if (!rule.UnitsMatch(in) || !rule.FilterAllows(in.filter)) continue;

    Ctx ctx(rule, in, thisYear);
    try {
      if (rule.row->condition && !ConditionHolds(rule.row->condition, ctx)) continue;
      results = rule.row->compute(ctx);
      if (static_cast<int>(results.size()) != rule.resultCount) {
        throw RuleDefinitionError("result count does not fit the line: " + rule.row->line);
      }
      // Every figure is computed; writing the line cannot fail any more.
      for (const FormulaRule::Piece& p : rule.pieces) {
        switch (p.kind) {
          case FormulaRule::Piece::Kind::Text: block += p.text; break;
          case FormulaRule::Piece::Kind::Label:
            block += rule.param[p.index] == 1 ? in.label1 : in.label2;
            break;
          case FormulaRule::Piece::Kind::UnitText:
            block += rule.param[p.index] == 1 ? in.unit1 : in.unit2;
            break;
          case FormulaRule::Piece::Kind::Result: block += results[static_cast<size_t>(p.index)]; break;
          case FormulaRule::Piece::Kind::CrLf: block += "\r\n"; break;
        }
      }
      block += "\r\n";
    } catch (const CalcFailure&) {
      invalidInput = true;
    } catch (const RuleDefinitionError&) {
      if (strictRules) throw;
      invalidInput = true;
    }
  }
}

}  // namespace tamrisk
