// A formula domain: its tables in rule order, and the matcher that
// evaluates them for one run.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/calc_input.h"
#include "engine/rule_mistake.h"
#include "engine/rule_table.h"
#include "engine/unit_ids.h"

namespace tamrisk {

// The units of one run as ids, found once for every domain.
struct RunUnits {
  UnitId unit1 = OtherUnit;
  UnitId unit2 = OtherUnit;
  UnitId filter = OtherUnit;
  bool unfiltered = true;
};
RunUnits RunUnitsOf(const CalcInput& in);

// What a run that explains its lines hears of every line a rule writes.
class RuleLineSink {
 public:
  // The rule `row` of `table` in input order `order` wrote `lineCount`
  // lines of the result text (one, or more with CR LF inside), with the
  // result texts `results`.
  virtual void Wrote(const RuleTable& table, std::size_t row, int order, const CalcInput& in,
                     const std::string* results, std::size_t lineCount) = 0;

 protected:
  ~RuleLineSink() = default;
};

class FormulaDomain {
 public:
  // Up to MaxTables tables, in rule order.
  static constexpr std::size_t MaxTables = 12;
  struct TableRef {
    const RuleTable* table;
    constexpr TableRef(const RuleTable& t) : table(&t) {}  // NOLINT: a list of tables
  };

  // `category` is the place (1..9) of the domain's sections in the formula
  // list document; `tables` are the domain's tables in rule order.
  constexpr FormulaDomain(std::string_view name, int category, std::initializer_list<TableRef> tables)
      : name_(name), category_(category) {
    if (tables.size() > MaxTables) RuleMistake("a domain of more than MaxTables tables");
    for (TableRef t : tables) tables_[tableCount_++] = t.table;
  }

  std::string_view Name() const { return name_; }
  int Category() const { return category_; }
  std::span<const RuleTable* const> Tables() const { return {tables_.data(), tableCount_}; }
  // The document sections of every table, in order.
  std::vector<Section> Sections() const;
  // The number of rules, each input order of a row counted.
  std::size_t RuleCount() const;

  // Appends the lines of every firing rule, each ending with CR LF. A line
  // whose arithmetic fails is left out whole and raises `invalidInput`.
  std::string Evaluate(const CalcInput& in, int thisYear, bool& invalidInput) const;
  // The same, appending the lines to `block` (a run collects every domain's
  // lines in one text), with the run's unit ids found beforehand.
  // With a sink, also tells it of every line written.
  void EvaluateInto(const RunUnits& units, const CalcInput& in, int thisYear, bool& invalidInput,
                    std::string& block, RuleLineSink* sink = nullptr) const;

  // Tests set this so that a wrongly written rule stops the test instead of
  // merely dropping its line.
  static bool strictRules;

 private:
  std::string_view name_;
  int category_;
  std::array<const RuleTable*, MaxTables> tables_{};
  std::size_t tableCount_ = 0;
};

}  // namespace tamrisk
