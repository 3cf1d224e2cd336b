// Which formula made each line of a result text: the rule that wrote the
// line, its entry of the formula list (the section before the rule in its
// table) and how the run's two inputs enter that formula.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/calc_input.h"
#include "engine/run.h"

namespace tamrisk {

class FormulaDomain;
struct RuleTable;

// The formula behind one line of a result text. A rule line that spans
// several lines of the text gives each of them the same LineFormula.
struct LineFormula {
  const FormulaDomain* domain = nullptr;
  std::string_view domainName;  // its Name()
  std::size_t row = 0;      // the rule's row in its domain, the tables' rows counted on
  int order = 0;            // 0: the row's first-named parameter is parameter 1
  std::size_t section = 0;  // the entry's place among the domain's sections
  // The line of the formula list document (split at CR LF; line 0 is the
  // empty one before the header) that holds the entry's title.
  std::size_t documentLine = 0;
  std::string title;                  // the entry's title, leading blanks removed
  std::vector<std::string> formulas;  // its formula lines, leading blanks removed
  // Which of `formulas` is the line's own where the entry holds several, or
  // -1 when the whole entry applies. An entry of one formula line is its own.
  int ownFormula = -1;
  // Each input as "name(unit) = value", the name taken from the formula.
  std::vector<std::string> bindings;
  // The formula with the inputs' values in place and the result at its end,
  // where its terms name the inputs without doubt; empty otherwise.
  std::string substitution;
};

// Which rule wrote one line of a result text: what a run records, cheaply,
// so that the texts of its formula are made only for the lines a user asks
// about.
struct LineOrigin {
  const FormulaDomain* domain = nullptr;
  const RuleTable* table = nullptr;
  std::size_t row = 0;  // the row in its table
  int order = 0;
};

// A calculation run that also tells, for each line of its result text, the
// rule that wrote it. The run is RunCalculation's, byte for byte; a failure
// message has no lines.
struct ExplainedRun {
  RunOutput output;
  CalcInput input;  // the normalised input that the rules saw
  int thisYear = 0;
  std::vector<LineOrigin> lines;
};
ExplainedRun RunExplained(const RunInput& input, std::span<const FormulaDomain* const> domains);

// The formula of line `line` of the run's result text, the run made over
// `domains`. The rule's result is computed again from the run's input (a
// computation is a pure function of it) where the formula shows it.
LineFormula FormulaOfLine(const ExplainedRun& run, std::size_t line,
                          std::span<const FormulaDomain* const> domains);
// Those of every line.
std::vector<LineFormula> FormulasOfLines(const ExplainedRun& run,
                                         std::span<const FormulaDomain* const> domains);

// The formula of the rule `row` of `table` (a table of `domain`) in input
// order `order`, for the input `in` and the rule's result texts `results`.
// The documentLine is left 0: the document's layout needs every domain.
LineFormula FormulaOfRule(const FormulaDomain& domain, const RuleTable& table, std::size_t row,
                          int order, const CalcInput& in, const std::string* results);

// The formula lines in the order they are shown: the line's own first, the
// rest of the entry after it.
std::vector<std::string_view> FormulasInOrder(const LineFormula& line);

// The bindings joined by "､" (U+FF64), as one line.
std::string BindingsText(const LineFormula& line);

// The whole explanation as lines joined by "\n": the title, the formula
// lines (the own first), the bindings and the substitution if any.
std::string LineFormulaText(const LineFormula& line);

// The lines of a result text (split at CR LF, the empty rest after the last
// CR LF left out): what each LineFormula stands beside.
std::vector<std::string_view> ResultLines(std::string_view output);

}  // namespace tamrisk
