// What a table author writes: the rows of a rule table (Rule, with Either or
// ThisOrder, AnyOf, AnyUnitExcept, Named and Filter), the computations (a
// function of a Ctx returning R{...} through the formatting helpers) and the
// document sections (Doc). engine/rules.h tells how to write them.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "engine/calc_input.h"
#include "engine/checked.h"
#include "engine/format.h"
#include "engine/line_template.h"
#include "engine/numtext.h"
#include "engine/rule_mistake.h"
#include "engine/unit_ids.h"

namespace tamrisk {

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

  constexpr ParamNames Names() const { return {first.name, second.name, numbered}; }
  // The parameter slot (0 for the first-named, 1 for the other) that
  // `name` refers to, or -1.
  constexpr int SlotOf(std::string_view name) const { return Names().SlotOf(name); }
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
  row.line = LineTemplate(line, row.Names());
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

}  // namespace tamrisk
