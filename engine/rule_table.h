// A rule table: the rows and document sections of one part of a domain in
// their order, with the index of its rules by unit pair, made by the
// compiler, and the view of it that the matcher reads.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "engine/rule_row.h"
#include "engine/unit_ids.h"

namespace tamrisk {

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

  friend constexpr bool operator==(RuleNumber a, RuleNumber b) { return a.code_ == b.code_; }
  friend constexpr bool operator<(RuleNumber a, RuleNumber b) { return a.code_ < b.code_; }
  friend constexpr bool operator>(RuleNumber a, RuleNumber b) { return a.code_ > b.code_; }

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
  // The section that each row follows: the entry of the formula list that
  // prints the row's formula.
  std::span<const std::uint16_t> rowSections;
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
        rowSections(t.rowSections),
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
  std::array<std::uint16_t, Rows> rowSections{};
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
  constexpr void Add(const RuleRow& r, std::size_t& row, std::size_t&, std::size_t& section) {
    // Every rule's formula is the section before it: a rule without one
    // would answer with a formula that the list does not print.
    if (section == 0) RuleMistake("a rule before the first section of its table");
    rowSections[row] = static_cast<std::uint16_t>(section - 1);
    rows[row++] = r;
  }
  template <std::size_t N>
  constexpr void Add(const DocLines<N>& d, std::size_t&, std::size_t& line, std::size_t& section) {
    for (std::string_view l : d.lines) lines[line++] = l;
    sectionEnds[section++] = static_cast<std::uint16_t>(line);
  }

  constexpr void Index() {
    // The rules of exact unit pairs in rule order, then sorted stably by the
    // unit of parameter 2 and again by the unit of parameter 1: by pair, the
    // rules of one pair in rule order. The second sort's starts are where
    // each unit of parameter 1 begins.
    std::array<PairRule, 2 * Rows> inOrder{};
    for (std::size_t r = 0; r < Rows; ++r) {
      const RuleRow& row = rows[r];
      for (std::size_t order = 0; order < (row.eitherOrder ? 2u : 1u); ++order) {
        const RuleNumber number(r, static_cast<int>(order));
        const AcceptedUnits& at1 = order == 0 ? row.first : row.second;
        const AcceptedUnits& at2 = order == 0 ? row.second : row.first;
        if (at1.exact == OtherUnit || at2.exact == OtherUnit) {
          openRules[openCount++] = number;
        } else {
          inOrder[pairCount++] = PairRule{UnitPair(at1.exact, at2.exact), number};
        }
      }
    }
    std::array<PairRule, 2 * Rows> bySecond{};
    std::array<std::uint16_t, UnitIdCount + 1> secondStarts{};
    SortStably(inOrder, bySecond, secondStarts, [](UnitPair p) { return p.Second(); });
    SortStably(bySecond, pairRules, pairStarts, [](UnitPair p) { return p.First(); });
  }

  // Copies the first pairCount rules of `from` to `to` sorted stably by
  // key(pair) (a counting sort); starts[u] becomes where key u begins.
  template <class Key>
  constexpr void SortStably(const std::array<PairRule, 2 * Rows>& from,
                            std::array<PairRule, 2 * Rows>& to,
                            std::array<std::uint16_t, UnitIdCount + 1>& starts, Key key) const {
    for (std::size_t i = 0; i < pairCount; ++i) ++starts[key(from[i].pair) + 1];
    for (std::size_t u = 1; u <= UnitIdCount; ++u) starts[u] += starts[u - 1];
    std::array<std::uint16_t, UnitIdCount> next{};
    for (std::size_t u = 0; u < UnitIdCount; ++u) next[u] = starts[u];
    for (std::size_t i = 0; i < pairCount; ++i) to[next[key(from[i].pair)]++] = from[i];
  }
};
template <class... Entry>
TableRows(const Entry&...) -> TableRows<(rules_detail::Counts<Entry>::rows + ... + 0),
                                        (rules_detail::Counts<Entry>::lines + ... + 0),
                                        (rules_detail::Counts<Entry>::sections + ... + 0)>;

}  // namespace tamrisk
