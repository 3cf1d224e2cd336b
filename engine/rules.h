// Formula rules and domains. A domain is constant data: an ordered table of
// entries, each either a section of the formula list document (its title and
// formula lines) or a rule row (two input units, the result units that let it
// fire under a filter, an optional value condition, the computation and the
// line template). One generic matcher evaluates every domain.
//
// A rule row reads like a line of the formula tables:
//
//   Rule(Either("V", "Ω"), Filter{"A"},
//        [](const Ctx& c) { return R{Eng5(c["V"] / c["Ω"])}; },
//        "●{Ω}の抵抗に電圧{V}を印加した場合に流れる電流は {r}A"),
//
// A value condition whose own arithmetic fails does not hold; it raises no
// flag. Square a value with Sq (the product x*x), not with Pow.
//
// Values and labels are looked up by the name of the parameter's unit ("V"),
// or "V#1"/"V#2" where both parameters share a unit. In the line template,
// {name} is that parameter's label, {U} the unit text of the first-named
// parameter, {crlf} a CR LF inside the line, and every other placeholder
// ({r}, {r1}, {r2}, {s}, ...) a result: the computation returns the result
// texts in the order in which their placeholders first appear in the line.
// *Either order* rows expand into two rules, the first-named unit in
// parameter 1 first.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <variant>
#include <vector>

#include "engine/calc_input.h"
#include "engine/checked.h"
#include "engine/format.h"
#include "engine/numtext.h"

namespace tamrisk {

// Shared constants of the catalogue.
inline constexpr double Pi = 3.14159265358979;
inline constexpr double LightSpeed = 299792500;
inline constexpr double Boltzmann = 1.38 * 1e-23;
inline constexpr double Gravity = 9.80665;
inline constexpr double JoulePerCal = 4.18605;
inline constexpr double VacuumPermittivity = 8.854 * 1e-12;

// Which unit texts one parameter of a rule may carry, and the name by which
// the computation and the line refer to it.
struct AcceptedUnits {
  enum class Kind : std::uint8_t { Exact, AnyOf, AnyExcept };
  Kind kind = Kind::Exact;
  std::vector<std::string> units;
  std::string name;

  // NOLINTNEXTLINE: implicit, so that a row reads like the tables ("V").
  AcceptedUnits(const char* exactUnit) : units{exactUnit}, name(exactUnit) {}
  AcceptedUnits(Kind k, std::vector<std::string> u, std::string n)
      : kind(k), units(std::move(u)), name(std::move(n)) {}
  bool Matches(std::string_view unit) const;
};

// One of several exact units, referred to by `name` ("dBm" or "dBf" as "dB").
AcceptedUnits AnyOf(std::initializer_list<const char*> units, const char* name);
// Any unit text except the listed ones, referred to by `name` ("X").
AcceptedUnits AnyUnitExcept(std::initializer_list<const char*> units, const char* name);
// An exact unit under another name (the blank unit " " as "p1").
AcceptedUnits Named(const char* unit, const char* name);

struct Units {
  AcceptedUnits first;
  AcceptedUnits second;
  bool eitherOrder;
};
Units Either(AcceptedUnits first, AcceptedUnits second);
Units ThisOrder(AcceptedUnits first, AcceptedUnits second);

// The result units for which a rule may fire besides " 指定なし". An empty
// filter (NoFilterOnly) lets the rule fire only when no filter is chosen.
struct Filter {
  std::vector<std::string> units;
  Filter() = default;
  Filter(std::initializer_list<const char*> u) : units(u.begin(), u.end()) {}
};
inline const Filter NoFilterOnly{};

class Ctx;
using R = std::vector<std::string>;
using Compute = R (*)(const Ctx&);
using Condition = bool (*)(const Ctx&);

struct RuleRow {
  Units units;
  Filter filter;
  Condition condition = nullptr;
  Compute compute = nullptr;
  std::string line;
  std::string swappedLine;  // the line of the second input order, when it differs

  // The second input order of an *either order* row writes this line instead.
  RuleRow WithSwappedLine(const char* line) const;
};

RuleRow Rule(Units units, Filter filter, Compute compute, const char* line);
RuleRow Rule(Units units, Filter filter, Condition condition, Compute compute, const char* line);

// A section of the formula list document: its title line and formula lines.
struct Section {
  std::vector<std::string> lines;
};
Section Doc(std::initializer_list<const char*> lines);

using Entry = std::variant<Section, RuleRow>;
using EntryTable = std::vector<Entry>;

// Formatting helpers over checked values, named as the tables name them.
inline std::string Eng5(Num x) { return FormatEng5(x.raw()); }
inline std::string Eng8(Num x) { return FormatEng8(x.raw()); }
inline std::string Eng11(Num x) { return FormatEng11(x.raw()); }
inline std::string Hms(Num x) { return FormatHms(x.raw()); }
inline std::string Fmt(std::string_view pattern, Num x) { return FormatPattern(pattern, x.raw()); }
inline std::string Scientific(Num x) { return FormatScientific(x.raw()); }
inline std::string SignReserving(Num x) { return FormatSignReserving(x.raw()); }
// The value rounded to a whole number, a half going to the even neighbour,
// in upper-case hexadecimal digits without leading zeros. A negative value
// shows its 32-bit two's-complement digits; a value outside the 32-bit range
// fails the line.
std::string Hex(Num x);

// A rule expanded to one input order: parameter `param[i]` (1 or 2) carries
// the units accepted by the rule's parameter slot i.
struct FormulaRule {
  const RuleRow* row = nullptr;
  const AcceptedUnits* slot[2] = {nullptr, nullptr};
  int param[2] = {1, 2};
  std::string name[2];
  struct Piece {
    enum class Kind : std::uint8_t { Text, Label, UnitText, Result, CrLf } kind;
    std::string_view text;  // for Text: a part of the row's line
    int index = 0;     // slot for Label/UnitText, result number for Result
  };
  std::vector<Piece> pieces;
  int resultCount = 0;

  bool UnitsMatch(const CalcInput& in) const;
  bool FilterAllows(const std::string& filter) const;
};

// What a computation sees: the values, labels and unit texts of the rule's
// parameters by name, the filter and this year.
class Ctx {
 public:
  Ctx(const FormulaRule& rule, const CalcInput& in, int thisYear)
      : rule_(rule), in_(in), thisYear_(thisYear) {}
  Num operator[](std::string_view name) const { return Value(name); }
  Num Value(std::string_view name) const;
  const std::string& Label(std::string_view name) const;
  const std::string& Unit(std::string_view name) const;
  const std::string& FilterText() const { return in_.filter; }
  bool Unfiltered() const;
  int ThisYear() const { return thisYear_; }
  const CalcInput& Input() const { return in_; }

 private:
  int ParamOf(std::string_view name) const;
  const FormulaRule& rule_;
  const CalcInput& in_;
  int thisYear_;
};

// A rule was written wrongly (an unknown name, a template that does not fit
// its results). Tests turn these into failures; a user only loses the line.
class RuleDefinitionError : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

class FormulaDomain {
 public:
  // `category` is the place (1..9) of the domain's sections in the formula
  // list document; `parts` are the domain's tables in rule order.
  FormulaDomain(std::string name, int category, std::vector<EntryTable> parts);
  // The same from the functions that make the tables, so that no table is
  // copied on the way (an initializer list would copy every entry).
  FormulaDomain(std::string name, int category, std::initializer_list<EntryTable (*)()> parts);

  const std::string& Name() const { return name_; }
  int Category() const { return category_; }
  const std::vector<Section>& Sections() const { return sections_; }
  const std::vector<FormulaRule>& Rules() const { return rules_; }

  // Appends the lines of every firing rule, each ending with CR LF. A line
  // whose arithmetic fails is left out whole and raises `invalidInput`.
  std::string Evaluate(const CalcInput& in, int thisYear, bool& invalidInput) const;
  // The same, appending the lines to `block` (a run collects every domain's
  // lines in one text).
  void EvaluateInto(const CalcInput& in, int thisYear, bool& invalidInput, std::string& block) const;

  // Tests set this so that a wrongly written rule stops the test instead of
  // merely dropping its line.
  static bool strictRules;

 private:
  void AddRow(const RuleRow& row);
  void Index();

  std::string name_;
  int category_;
  std::vector<EntryTable> parts_;
  std::vector<Section> sections_;
  std::vector<FormulaRule> rules_;
  // The rules by the unit texts of parameter 1 and 2, looked up without
  // building a key string on every run.
  using UnitPair = std::pair<std::string, std::string>;
  using UnitPairView = std::pair<std::string_view, std::string_view>;
  struct UnitPairHash {
    using is_transparent = void;
    size_t operator()(UnitPairView p) const;
    size_t operator()(const UnitPair& p) const { return (*this)(UnitPairView(p.first, p.second)); }
  };
  struct UnitPairEqual {
    using is_transparent = void;
    bool operator()(UnitPairView a, UnitPairView b) const { return a == b; }
  };
  std::unordered_map<UnitPair, std::vector<std::uint32_t>, UnitPairHash, UnitPairEqual> byUnits_;
  // Rules with one parameter of "any unit but ...", by the exact unit of
  // their other parameter: [0] when that parameter is parameter 1, [1] when
  // it is parameter 2. A run looks at them only when that unit was chosen.
  struct UnitHash {
    using is_transparent = void;
    size_t operator()(std::string_view u) const { return std::hash<std::string_view>{}(u); }
  };
  using RulesByUnit = std::unordered_map<std::string, std::vector<std::uint32_t>, UnitHash, std::equal_to<>>;
  RulesByUnit byOneUnit_[2];
  // Rules whose two parameters both take almost any unit: tried on every run.
  std::vector<std::uint32_t> wildcardRules_;
};

}  // namespace tamrisk
