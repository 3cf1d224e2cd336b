// Formula rules and domains. A domain is constant data, fixed when the
// program is compiled: its tables, each an ordered list of entries, each
// entry either a section of the formula list document (its title and formula
// lines) or a rule row (two input units, the result units that let it fire
// under a filter, an optional value condition, the computation and the line
// template). One generic matcher evaluates every domain.
//
// A rule row reads like a line of the formula tables:
//
//   Rule(Either("V", "Ω"), Filter{"A"},
//        [](const Ctx& c) { return R{Eng5(c["V"] / c["Ω"])}; },
//        "●{Ω}の抵抗に電圧{V}を印加した場合に流れる電流は {r}A"),
//
// and a table is a list of such rows and sections:
//
//   constexpr auto OhmsLawRows = TableRows{
//       Doc({"title", "formula"}),
//       Rule(...),
//   };
//   constinit const RuleTable OhmsLawTable{OhmsLawRows};
//
// (g++ keeps rows made as `constexpr TableRows OhmsLawRows{...}` in writable
// memory; made as above, they are read-only like every other constant.)
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
// *Either order* rows give two rules, the first-named unit in parameter 1
// first.
//
// A row written wrongly (a unit outside the catalogue, a line whose results
// do not match the computation's, one unit twice in either order) stops the
// compilation at that row; made at run time, it throws RuleDefinitionError.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "engine/calc_input.h"
#include "engine/checked.h"
#include "engine/format.h"
#include "engine/numtext.h"
#include "engine/unit_ids.h"

namespace tamrisk {

// Shared constants of the catalogue. They are the catalogue's own rounded
// figures (the speed of light 299792500 m/s, Boltzmann's constant
// 1.38e-23 J/K, π to 15 digits), not the current recommended values, and the
// tests pin the results made with them: do not replace them with more exact
// ones.
inline constexpr double Pi = 3.14159265358979;
inline constexpr double LightSpeed = 299792500;
inline constexpr double Boltzmann = 1.38 * 1e-23;
inline constexpr double Gravity = 9.80665;
inline constexpr double JoulePerCal = 4.18605;
inline constexpr double VacuumPermittivity = 8.854 * 1e-12;

// A rule was written wrongly (an unknown name, a template that does not fit
// its results). Tests turn these into failures; a user only loses the line.
class RuleDefinitionError : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

// Throws RuleDefinitionError. Not usable in a constant expression, so a
// table that makes a wrong row does not compile, and the compiler shows the
// row and the reason.
[[noreturn]] void RuleMistake(const char* reason);

// Which unit texts one parameter of a rule may carry, and the name by which
// the computation and the line refer to it.
struct AcceptedUnits {
  UnitSet units;            // the ids of the texts it takes
  UnitId exact = OtherUnit;  // its one unit, when it takes exactly one
  std::string_view name;

  constexpr AcceptedUnits() = default;
  // NOLINTNEXTLINE: implicit, so that a row reads like the tables ("V").
  constexpr AcceptedUnits(const char* exactUnit) : AcceptedUnits(exactUnit, exactUnit) {}
  constexpr AcceptedUnits(std::string_view unit, std::string_view n)
      : exact(KnownUnit(unit)), name(n) {
    units.Add(exact);
  }

  constexpr bool Matches(UnitId id) const { return units.Has(id); }

  // The id of a catalogue unit (or " ").
  static constexpr UnitId KnownUnit(std::string_view unit) {
    const UnitId id = UnitIdOf(unit);
    if (id == OtherUnit) RuleMistake("a unit that is not in the catalogue");
    return id;
  }
};

// One of several exact units, referred to by `name` ("dBm" or "dBf" as "dB").
constexpr AcceptedUnits AnyOf(std::initializer_list<std::string_view> units, std::string_view name) {
  AcceptedUnits a;
  for (std::string_view u : units) a.units.Add(AcceptedUnits::KnownUnit(u));
  a.name = name;
  return a;
}
// Any unit text except the listed ones, referred to by `name` ("X"); texts
// outside the catalogue too.
constexpr AcceptedUnits AnyUnitExcept(std::initializer_list<std::string_view> units,
                                      std::string_view name) {
  AcceptedUnits a = AnyOf(units, name);
  a.units = a.units.Complement();
  return a;
}
// An exact unit under another name (the blank unit " " as "p1").
constexpr AcceptedUnits Named(std::string_view unit, std::string_view name) {
  return AcceptedUnits(unit, name);
}

struct Units {
  AcceptedUnits first;
  AcceptedUnits second;
  bool eitherOrder = false;
};
constexpr Units Either(AcceptedUnits first, AcceptedUnits second) { return {first, second, true}; }
constexpr Units ThisOrder(AcceptedUnits first, AcceptedUnits second) { return {first, second, false}; }

// The result units for which a rule may fire besides " 指定なし". An empty
// filter (NoFilterOnly) lets the rule fire only when no filter is chosen.
struct Filter {
  UnitSet units;
  constexpr Filter() = default;
  constexpr Filter(std::initializer_list<std::string_view> u) {
    for (std::string_view unit : u) units.Add(AcceptedUnits::KnownUnit(unit));
  }
};
inline constexpr Filter NoFilterOnly{};

// The most results one line may have.
inline constexpr std::size_t MaxResults = 12;

// The result texts of a computation, as many as its line has result
// placeholders: R{Eng5(x), Fmt("0.00", y)}.
template <std::size_t N>
struct R {
  std::array<std::string, N> texts;

  R() = default;
  template <class... T>
    requires(sizeof...(T) == N && N > 0)
  R(T&&... t) : texts{std::string(std::forward<T>(t))...} {}  // NOLINT: R{a, b} reads as the list
  std::string& operator[](std::size_t i) { return texts[i]; }
};
template <class... T>
R(T&&...) -> R<sizeof...(T)>;

struct RuleRow;

// What a computation sees: the values, labels and unit texts of the rule's
// parameters by name, the filter and this year.
class Ctx {
 public:
  // The rule `row` in input order `order` (0: its first-named parameter is
  // parameter 1; 1: it is parameter 2).
  Ctx(const RuleRow& row, int order, const CalcInput& in, int thisYear)
      : row_(row), order_(order), in_(in), thisYear_(thisYear) {}
  Num operator[](std::string_view name) const { return Value(name); }
  Num Value(std::string_view name) const;
  const std::string& Label(std::string_view name) const;
  const std::string& Unit(std::string_view name) const;
  const std::string& FilterText() const { return in_.filter; }
  bool Unfiltered() const;
  int ThisYear() const { return thisYear_; }
  const CalcInput& Input() const { return in_; }

  // The parameter (1 or 2) of a slot (0 or 1).
  int ParamOfSlot(int slot) const { return (slot == 0) == (order_ == 0) ? 1 : 2; }

 private:
  int ParamOf(std::string_view name) const;
  const RuleRow& row_;
  int order_;
  const CalcInput& in_;
  int thisYear_;
};

using Condition = bool (*)(const Ctx&);

namespace rules_detail {
template <class T>
struct ResultCount;
template <std::size_t N>
struct ResultCount<R<N>> : std::integral_constant<std::size_t, N> {};

// One function pointer of the types R<N> (*)(const Ctx&), N from `N` to
// MaxResults.
template <std::size_t N>
union ComputeUnion {
  R<N> (*fn)(const Ctx&);
  ComputeUnion<N + 1> rest;

  constexpr ComputeUnion() : fn(nullptr) {}
  constexpr ComputeUnion(R<N> (*f)(const Ctx&)) : fn(f) {}  // NOLINT
  template <std::size_t M>
    requires(M > N)
  constexpr ComputeUnion(R<M> (*f)(const Ctx&)) : rest(f) {}  // NOLINT
  template <std::size_t M>
  constexpr R<M> (*Get() const)(const Ctx&) {
    if constexpr (M == N) {
      return fn;
    } else {
      return rest.template Get<M>();
    }
  }
};
template <>
union ComputeUnion<MaxResults + 1> {
  char none;
  constexpr ComputeUnion() : none(0) {}
};
}  // namespace rules_detail

// A computation: a function of the context returning R<N>, for any N up to
// MaxResults. (A union rather than std::variant, which some compilers cannot
// copy in constant expressions.)
class Compute {
 public:
  constexpr Compute() = default;
  template <std::size_t N>
  constexpr Compute(R<N> (*f)(const Ctx&)) : count_(N), fn_(f) {}  // NOLINT

  // Calls `visit` with the function pointer as its own type.
  template <class Visit>
  void Call(Visit&& visit) const {
    Dispatch(visit, std::make_index_sequence<MaxResults + 1>{});
  }

 private:
  template <class Visit, std::size_t... I>
  void Dispatch(Visit& visit, std::index_sequence<I...>) const {
    static_cast<void>(((count_ == I && (visit(fn_.template Get<I>()), true)) || ...));
  }

  std::size_t count_ = 0;
  rules_detail::ComputeUnion<0> fn_;
};

// A rule's line template, compiled once, when its row is made: the literal
// texts between the placeholders stay where they are in the template, and
// each placeholder becomes one part (how many bytes of literal text come
// before it, how many bytes its braces take and what it stands for), so that
// writing the line appends texts and never looks for a brace.
class LineTemplate {
 public:
  // The most placeholders one line may have (22 fills the template's last
  // eight bytes; the nearest resistor pairs' line has 19).
  static constexpr std::size_t MaxPlaceholders = 22;
  // What a placeholder stands for: a result (0 .. MaxResults - 1, in the
  // order in which the results first appear), or one of these.
  enum Code : std::uint8_t { Label0 = MaxResults, Label1, UnitText, CrLf };
  static_assert(CrLf < 16, "a code fits four bits");

  struct Part {
    std::uint8_t literal = 0;    // bytes of literal text before the placeholder
    std::uint8_t code : 4 = 0;   // a Code
    std::uint8_t braces : 4 = 0;  // bytes of the placeholder, braces included
  };

  // What the placeholders of one firing stand for.
  struct Values {
    const std::string* results;
    std::string_view labels[2];  // of the parameter in slot 0 and in slot 1
    std::string_view unit;       // the unit text of the parameter in slot 0
  };

  constexpr LineTemplate() = default;
  // Compiles `line`; `slotOf(name)` is the parameter slot (0 or 1) of a
  // label's name, or -1 when the name is no parameter's.
  template <class SlotOf>
  constexpr LineTemplate(std::string_view line, SlotOf slotOf);

  std::string_view Text() const { return {text_, size_}; }
  constexpr std::size_t ResultCount() const { return results_; }
  std::span<const Part> Parts() const { return {parts_, count_}; }

  // Appends the line, without the CR LF that ends it.
  void AppendTo(std::string& out, const Values& values) const;

 private:
  const char* text_ = "";
  std::uint16_t size_ = 0;
  std::uint8_t count_ = 0;
  std::uint8_t results_ = 0;
  Part parts_[MaxPlaceholders] = {};
};

template <class SlotOf>
constexpr LineTemplate::LineTemplate(std::string_view line, SlotOf slotOf)
    : text_(line.data()), size_(static_cast<std::uint16_t>(line.size())) {
  if (line.size() > 65535) RuleMistake("a line of more than 65535 bytes");
  std::string_view results[MaxResults] = {};
  for (std::size_t at = 0;;) {
    const std::size_t open = line.find('{', at);
    if (open == std::string_view::npos) break;
    const std::size_t close = line.find('}', open);
    if (close == std::string_view::npos) RuleMistake("a placeholder without its closing brace");
    if (count_ == MaxPlaceholders) RuleMistake("a line with too many placeholders");
    if (open - at > 255) RuleMistake("a line with more than 255 bytes between two placeholders");
    if (close + 1 - open > 15) RuleMistake("a placeholder of more than 15 bytes");
    const std::string_view key = line.substr(open + 1, close - open - 1);
    unsigned code = 0;
    if (key == "crlf") {
      code = CrLf;
    } else if (const int slot = slotOf(key); slot >= 0) {
      code = slot == 0 ? Label0 : Label1;
    } else if (key == "U") {
      code = UnitText;
    } else {
      while (code < results_ && results[code] != key) ++code;
      if (code == results_) {
        if (results_ == MaxResults) RuleMistake("a line with too many results");
        results[results_++] = key;
      }
    }
    Part& part = parts_[count_++];
    part.literal = static_cast<std::uint8_t>(open - at);
    part.code = static_cast<std::uint8_t>(code);
    part.braces = static_cast<std::uint8_t>(close + 1 - open);
    at = close + 1;
  }
}

struct RuleRow {
  AcceptedUnits first;
  AcceptedUnits second;
  bool eitherOrder = false;
  // Both parameters have the same name: they are "name#1" and "name#2".
  bool numbered = false;
  Filter filter;
  Condition condition = nullptr;
  Compute compute;
  LineTemplate line;

  // The parameter slot (0 for the first-named, 1 for the other) that
  // `name` refers to, or -1.
  constexpr int SlotOf(std::string_view name) const {
    if (!numbered) {
      if (name == first.name) return 0;
      if (name == second.name) return 1;
      return -1;
    }
    const std::size_t n = first.name.size();
    if (name.size() != n + 2 || name.substr(0, n) != first.name || name[n] != '#') return -1;
    return name[n + 1] == '1' ? 0 : name[n + 1] == '2' ? 1 : -1;
  }
};

template <class F>
constexpr RuleRow Rule(Units units, Filter filter, Condition condition, F compute,
                       std::string_view line) {
  using Result = std::invoke_result_t<F&, const Ctx&>;
  constexpr std::size_t n = rules_detail::ResultCount<Result>::value;
  static_assert(n <= MaxResults, "a line has at most MaxResults results");
  RuleRow row;
  row.first = units.first;
  row.second = units.second;
  row.eitherOrder = units.eitherOrder;
  row.numbered = units.first.name == units.second.name;
  if (row.numbered && row.eitherOrder) RuleMistake("a rule with one unit twice must state its order");
  row.filter = filter;
  row.condition = condition;
  row.compute = static_cast<R<n> (*)(const Ctx&)>(compute);
  row.line = LineTemplate(line, [&row](std::string_view name) { return row.SlotOf(name); });
  if (row.line.ResultCount() != n) RuleMistake("a line whose results differ from the computation's");
  return row;
}

template <class F>
constexpr RuleRow Rule(Units units, Filter filter, F compute, std::string_view line) {
  return Rule(units, filter, nullptr, compute, line);
}

// A section of the formula list document: its title line and formula lines.
template <std::size_t N>
struct DocLines {
  std::array<std::string_view, N> lines;
};
template <std::size_t N>
constexpr DocLines<N> Doc(const std::string_view (&lines)[N]) {
  DocLines<N> d;
  for (std::size_t i = 0; i < N; ++i) d.lines[i] = lines[i];
  return d;
}

// A section as the document reads it.
struct Section {
  std::span<const std::string_view> lines;
};

// One rule of a table: a row in one input order (0: the row's first-named
// parameter is parameter 1; 1: it is parameter 2). Rule numbers sort in the
// order in which the rules are tried.
class RuleNumber {
 public:
  constexpr RuleNumber() = default;
  constexpr RuleNumber(std::size_t row, int order)
      : code_(static_cast<std::uint16_t>(row * 2 + static_cast<std::size_t>(order))) {}

  constexpr std::size_t Row() const { return code_ / 2; }
  constexpr int Order() const { return code_ % 2; }

  friend constexpr bool operator==(RuleNumber, RuleNumber) = default;
  friend constexpr auto operator<=>(RuleNumber, RuleNumber) = default;

 private:
  std::uint16_t code_ = 0;
};

// A rule whose two parameters each take one exact unit, under the ids of
// the units of parameter 1 and parameter 2.
struct PairRule {
  UnitPair pair;
  RuleNumber rule;
};

template <std::size_t Rows, std::size_t Lines, std::size_t Sections>
struct TableRows;

// One table of a domain as the matcher reads it: views of a TableRows.
struct RuleTable {
  std::span<const RuleRow> rows;
  std::span<const std::string_view> lines;    // the sections' lines, one after the other
  std::span<const std::uint16_t> sectionEnds;  // where each section's lines end
  // The rules of exact unit pairs, by pair and then in order.
  std::span<const PairRule> pairRules;
  // Where the pair rules of each unit id of parameter 1 begin (and, one id
  // on, end).
  const std::uint16_t* pairStarts;
  // The rules with a parameter of several units, in order: tried whenever
  // the table is.
  std::span<const RuleNumber> openRules;

  template <std::size_t Rows, std::size_t Lines, std::size_t Sections>
  constexpr RuleTable(const TableRows<Rows, Lines, Sections>& t)  // NOLINT: a table is its rows
      : rows(t.rows),
        lines(t.lines),
        sectionEnds(t.sectionEnds),
        pairRules(t.pairRules.data(), t.pairCount),
        pairStarts(t.pairStarts.data()),
        openRules(t.openRules.data(), t.openCount) {}

  // The pair rules whose parameter 1 has the unit `unit1`.
  std::span<const PairRule> PairRulesOf(UnitId unit1) const {
    return pairRules.subspan(pairStarts[unit1], pairStarts[unit1 + 1] - pairStarts[unit1]);
  }

  std::size_t RuleCount() const { return pairRules.size() + openRules.size(); }
  Section SectionAt(std::size_t i) const {
    const std::size_t begin = i == 0 ? 0 : sectionEnds[i - 1];
    return Section{lines.subspan(begin, sectionEnds[i] - begin)};
  }
};

namespace rules_detail {
template <class T>
struct Counts {
  static constexpr std::size_t rows = 0, lines = 0, sections = 0;
};
template <>
struct Counts<RuleRow> {
  static constexpr std::size_t rows = 1, lines = 0, sections = 0;
};
template <std::size_t N>
struct Counts<DocLines<N>> {
  static constexpr std::size_t rows = 0, lines = N, sections = 1;
};
}  // namespace rules_detail

// The rows and sections of one table in their order, with the index of its
// rules by unit pair, made by the compiler.
template <std::size_t Rows, std::size_t Lines, std::size_t Sections>
struct TableRows {
  static_assert(Rows * 2 < 65536, "rule numbers are 16 bits");
  std::array<RuleRow, Rows> rows{};
  std::array<std::string_view, Lines> lines{};
  std::array<std::uint16_t, Sections> sectionEnds{};
  std::array<PairRule, 2 * Rows> pairRules{};
  std::size_t pairCount = 0;
  std::array<std::uint16_t, UnitIdCount + 1> pairStarts{};
  std::array<RuleNumber, 2 * Rows> openRules{};
  std::size_t openCount = 0;

  template <class... Entry>
  constexpr explicit TableRows(const Entry&... entries) {
    std::size_t row = 0, line = 0, section = 0;
    (Add(entries, row, line, section), ...);
    Index();
  }

 private:
  constexpr void Add(const RuleRow& r, std::size_t& row, std::size_t&, std::size_t&) {
    rows[row++] = r;
  }
  template <std::size_t N>
  constexpr void Add(const DocLines<N>& d, std::size_t&, std::size_t& line, std::size_t& section) {
    for (std::string_view l : d.lines) lines[line++] = l;
    sectionEnds[section++] = static_cast<std::uint16_t>(line);
  }

  constexpr void Index() {
    for (std::size_t r = 0; r < Rows; ++r) {
      const RuleRow& row = rows[r];
      for (std::size_t order = 0; order < (row.eitherOrder ? 2u : 1u); ++order) {
        const RuleNumber number(r, static_cast<int>(order));
        const AcceptedUnits& at1 = order == 0 ? row.first : row.second;
        const AcceptedUnits& at2 = order == 0 ? row.second : row.first;
        if (at1.exact == OtherUnit || at2.exact == OtherUnit) {
          openRules[openCount++] = number;
          continue;
        }
        const PairRule rule{UnitPair(at1.exact, at2.exact), number};
        // Insertion by pair, then rule number; rules arrive in order.
        std::size_t at = pairCount++;
        while (at > 0 && pairRules[at - 1].pair > rule.pair) {
          pairRules[at] = pairRules[at - 1];
          --at;
        }
        pairRules[at] = rule;
      }
    }
    std::size_t at = 0;
    for (std::size_t unit = 0; unit <= UnitIdCount; ++unit) {
      while (at < pairCount && pairRules[at].pair.First() < unit) ++at;
      pairStarts[unit] = static_cast<std::uint16_t>(at);
    }
  }
};
template <class... Entry>
TableRows(const Entry&...) -> TableRows<(rules_detail::Counts<Entry>::rows + ... + 0),
                                        (rules_detail::Counts<Entry>::lines + ... + 0),
                                        (rules_detail::Counts<Entry>::sections + ... + 0)>;

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

// The units of one run as ids, found once for every domain.
struct RunUnits {
  UnitId unit1 = OtherUnit;
  UnitId unit2 = OtherUnit;
  UnitId filter = OtherUnit;
  bool unfiltered = true;
};
RunUnits RunUnitsOf(const CalcInput& in);

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
  void EvaluateInto(const RunUnits& units, const CalcInput& in, int thisYear, bool& invalidInput,
                    std::string& block) const;

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
