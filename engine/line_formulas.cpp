#include "engine/line_formulas.h"

#include <optional>
#include <tuple>

#include "engine/calc_input.h"
#include "engine/document.h"
#include "engine/formula_domain.h"
#include "engine/unit_ids.h"

namespace tamrisk {

namespace {

constexpr std::string_view FullWidthBlank = "\xE3\x80\x80";  // U+3000
constexpr std::string_view ListComma = "\xEF\xBD\xA4";       // "､" U+FF64
constexpr std::string_view Root = "\xE2\x88\x9A";            // "√"
constexpr std::string_view Pi = "\xCF\x80";                  // "π"

std::string_view TrimBlanks(std::string_view s) {
  for (;;) {
    if (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    else if (s.starts_with(FullWidthBlank)) s.remove_prefix(FullWidthBlank.size());
    else break;
  }
  for (;;) {
    if (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    else if (s.ends_with(FullWidthBlank)) s.remove_suffix(FullWidthBlank.size());
    else break;
  }
  return s;
}

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLeadOrAscii(char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }

// A term of a formula: a quantity's name and its unit in brackets, as
// "電圧(V)", at [begin, end) of the text it was found in.
struct Term {
  std::size_t begin;
  std::size_t end;
  std::string_view text;
  std::string_view unit;
};

// The terms of `text` in their order. A name runs back from its bracket over
// characters other than ASCII letters and signs, blanks, "√" and "π"; digits
// it begins with are a factor ("2x" in "2xπ..." is not), so "Log10(...)",
// "tan(30)" and "10^(...)" are no terms. A unit holds no bracket and at
// least one character that is not a digit or a sign.
std::vector<Term> TermsOf(std::string_view text) {
  std::vector<Term> terms;
  for (std::size_t open = text.find('('); open != std::string_view::npos;
       open = text.find('(', open + 1)) {
    const std::size_t close = text.find(')', open);
    if (close == std::string_view::npos) break;
    const std::string_view unit = text.substr(open + 1, close - open - 1);
    if (unit.empty() || unit.find('(') != std::string_view::npos) continue;
    bool named = false;
    for (char c : unit) named = named || !(IsDigit(c) || c == '.' || c == '-' || c == '+');
    if (!named) continue;
    std::size_t begin = open;
    while (begin > 0) {
      std::size_t lead = begin - 1;
      while (lead > 0 && !IsLeadOrAscii(text[lead])) --lead;
      const std::string_view ch = text.substr(lead, begin - lead);
      const char c = ch.front();
      const bool ascii = static_cast<unsigned char>(c) < 0x80;
      if (ascii && !IsDigit(c)) break;
      if (ch == FullWidthBlank || ch == Root || ch == Pi || ch == ListComma) break;
      begin = lead;
    }
    while (begin < open && IsDigit(text[begin])) ++begin;
    if (begin == open) continue;
    terms.push_back(Term{begin, close + 1, text.substr(begin, close + 1 - begin), unit});
  }
  return terms;
}

// A formula line read as "left = right".
struct FormulaParts {
  std::string_view left;      // the left side, blanks removed
  std::string_view leftUnit;  // its unit where it is one term, else empty
  std::string_view right;  // what follows "=", blanks removed
  std::vector<Term> rightTerms;
};

std::optional<FormulaParts> PartsOf(std::string_view line) {
  const std::size_t eq = line.find('=');
  if (eq == std::string_view::npos) return std::nullopt;
  FormulaParts parts;
  parts.left = TrimBlanks(line.substr(0, eq));
  const std::vector<Term> left = TermsOf(parts.left);
  if (left.size() == 1 && left[0].text == parts.left) parts.leftUnit = left[0].unit;
  parts.right = TrimBlanks(line.substr(eq + 1));
  parts.rightTerms = TermsOf(parts.right);
  return parts;
}

// One of the run's inputs that the rule takes.
struct Input {
  int parameter;           // 1 or 2
  std::string_view unit;   // " " for none
  std::string_view value;  // its label, blanks removed
};

// The text that follows result 0 in the rule's line, up to the next
// placeholder.
std::string_view TextAfterFirstResult(const LineTemplate& line) {
  const std::string_view text = line.Text();
  std::size_t at = 0;
  for (std::size_t k = 0; k < line.PartCount(); ++k) {
    const LineTemplate::Part part = line.PartAt(k);
    at += part.literal + part.braces;
    if (part.code == 0) {
      const std::size_t end =
          k + 1 < line.PartCount() ? at + line.PartAt(k + 1).literal : text.size();
      return text.substr(at, end - at);
    }
  }
  return {};
}

// The formula's right side with each term replaced by its input's value and
// blanks around the signs that join two operands.
std::string Substitute(const FormulaParts& f, std::span<const Input> inputs) {
  std::string out;
  bool afterOperand = false;
  std::size_t t = 0;
  const std::string_view r = f.right;
  for (std::size_t i = 0; i < r.size();) {
    if (t < f.rightTerms.size() && f.rightTerms[t].begin == i) {
      for (const Input& in : inputs) {
        if (in.unit == f.rightTerms[t].unit) out += in.value;
      }
      i = f.rightTerms[t].end;
      ++t;
      afterOperand = true;
      continue;
    }
    const char c = r[i];
    const bool times = c == 'x' && (i == 0 || !IsAsciiLetter(r[i - 1]));
    if (c == '+' || c == '-' || c == '*' || c == '/' || times) {
      if (afterOperand) {
        out += ' ';
        out += c;
        out += ' ';
      } else {
        out += c;
      }
      afterOperand = false;
    } else if (c == ' ') {
      // the blanks are the ones written here
    } else {
      out += c;
      afterOperand = c == ')' || IsDigit(c) || IsAsciiLetter(c) || c == '.' ||
                     static_cast<unsigned char>(c) >= 0x80;
      if (r.substr(i).starts_with(Root)) {
        out.append(r.substr(i + 1, Root.size() - 1));
        i += Root.size();
        afterOperand = false;
        continue;
      }
    }
    ++i;
  }
  return out;
}

// The one unit of a filter, or nothing.
std::string_view OnlyUnitOf(const Filter& filter) {
  std::string_view only;
  for (std::size_t id = 1; id < UnitIdCount; ++id) {
    if (!filter.units.Has(static_cast<UnitId>(id))) continue;
    if (!only.empty()) return {};
    only = UnitTexts[id];
  }
  return only;
}

}  // namespace

LineFormula FormulaOfRule(const FormulaDomain& domain, const RuleTable& table, std::size_t row,
                          int order, const CalcInput& in, const std::string* results) {
  LineFormula f;
  f.domain = &domain;
  f.domainName = domain.Name();
  f.order = order;
  for (const RuleTable* t : domain.Tables()) {
    if (t == &table) break;
    f.row += t->rows.size();
    f.section += t->sectionEnds.size();
  }
  f.row += row;
  f.section += table.rowSections[row];
  const Section section = table.SectionAt(table.rowSections[row]);
  f.title = TrimBlanks(section.lines.front());
  for (std::string_view line : section.lines.subspan(1)) f.formulas.emplace_back(TrimBlanks(line));

  // The inputs the rule takes: both, but a parameter without a unit only
  // where the line quotes it.
  const RuleRow& rule = table.rows[row];
  bool quoted[2] = {false, false};
  for (std::size_t k = 0; k < rule.line.PartCount(); ++k) {
    const unsigned code = rule.line.PartAt(k).code;
    if (code == LineTemplate::Label0) quoted[order == 0 ? 0 : 1] = true;
    if (code == LineTemplate::Label1) quoted[order == 0 ? 1 : 0] = true;
  }
  std::vector<Input> inputs;
  for (int p = 1; p <= 2; ++p) {
    const std::string& unit = p == 1 ? in.unit1 : in.unit2;
    const std::string& label = p == 1 ? in.label1 : in.label2;
    if (unit == " " && !quoted[p - 1]) continue;
    inputs.push_back(Input{p, unit, TrimBlanks(label)});
  }

  std::vector<std::optional<FormulaParts>> parts;
  for (const std::string& line : f.formulas) parts.push_back(PartsOf(line));

  // The line's own formula: the one whose left side is the result's unit and
  // whose right side names every input's unit.
  const std::string_view resultUnit = OnlyUnitOf(rule.filter);
  if (f.formulas.size() == 1) {
    f.ownFormula = 0;
  } else {
    int found = -1;
    for (std::size_t k = 0; k < parts.size(); ++k) {
      if (!parts[k] || (!resultUnit.empty() && parts[k]->leftUnit != resultUnit)) continue;
      bool all = true;
      for (const Input& input : inputs) {
        bool named = false;
        for (const Term& term : parts[k]->rightTerms) named = named || term.unit == input.unit;
        all = all && named;
      }
      if (!all) continue;
      if (found >= 0) {
        found = -2;
        break;
      }
      found = static_cast<int>(k);
    }
    f.ownFormula = found >= 0 ? found : -1;
  }

  // Each input under the one name its unit has in the formula (on the right
  // side, else on the left); under its parameter where that is not clear.
  const bool sameUnits = inputs.size() == 2 && inputs[0].unit == inputs[1].unit;
  for (const Input& input : inputs) {
    std::string_view name;
    if (input.unit != " " && !sameUnits) {
      for (bool right : {true, false}) {
        bool several = false;
        for (std::size_t k = 0; k < parts.size(); ++k) {
          if (!parts[k] || (f.ownFormula >= 0 && static_cast<int>(k) != f.ownFormula)) continue;
          auto consider = [&](std::string_view text, std::string_view unit) {
            if (unit != input.unit) return;
            if (name.empty()) name = text;
            else if (name != text) several = true;
          };
          if (right) {
            for (const Term& term : parts[k]->rightTerms) consider(term.text, term.unit);
          } else if (!parts[k]->leftUnit.empty()) {
            consider(parts[k]->left, parts[k]->leftUnit);
          }
        }
        if (several) name = {};
        if (!name.empty() || several) break;
      }
    }
    f.bindings.push_back(
        (name.empty() ? "入力パラメータ" + std::to_string(input.parameter) : std::string(name)) +
        " = " + std::string(input.value));
  }

  // The formula with the values in place: only where it is the line's own,
  // its left side is the one result's unit (as the line writes it after the
  // result) and each input's unit is named once on its right side, by no
  // other term.
  if (f.ownFormula >= 0 && parts[f.ownFormula] && !resultUnit.empty() && !sameUnits &&
      results && !results[0].empty() &&
      rule.line.ResultCount() == 1 && TextAfterFirstResult(rule.line).starts_with(resultUnit)) {
    const FormulaParts& p = *parts[f.ownFormula];
    bool clear = p.leftUnit == resultUnit && !inputs.empty();
    for (const Input& input : inputs) {
      int named = 0;
      for (const Term& term : p.rightTerms) named += term.unit == input.unit;
      clear = clear && input.unit != " " && named == 1;
    }
    for (const Term& term : p.rightTerms) {
      bool isInput = false;
      for (const Input& input : inputs) isInput = isInput || term.unit == input.unit;
      clear = clear && isInput;
    }
    if (clear) {
      f.substitution = std::string(p.left) + " = " + Substitute(p, inputs) + " = " + results[0] +
                       std::string(resultUnit);
    }
  }
  return f;
}

namespace {

// Records which rule wrote each line of a run.
class Collector final : public RuleLineSink {
 public:
  explicit Collector(std::vector<LineOrigin>& lines) : lines_(lines) {}
  const FormulaDomain* domain = nullptr;

  void Wrote(const RuleTable& table, std::size_t row, int order, const CalcInput&,
             const std::string*, std::size_t lineCount) override {
    for (std::size_t i = 0; i < lineCount; ++i) lines_.push_back(LineOrigin{domain, &table, row, order});
  }

 private:
  std::vector<LineOrigin>& lines_;
};

}  // namespace

ExplainedRun RunExplained(const RunInput& input, std::span<const FormulaDomain* const> domains) {
  ExplainedRun run;
  std::optional<NormalizedInput> norm = NormalizeInput(input);
  if (!norm) {
    run.output = RunCalculation(input, domains);
    return run;
  }
  RunOutput& out = run.output;
  out.param1 = norm->param1Text;
  out.param2 = norm->param2Text;
  bool invalidInput = false;
  out.output.reserve(1024);
  run.lines.reserve(8);
  const RunUnits units = RunUnitsOf(norm->input);
  Collector collector(run.lines);
  for (const FormulaDomain* domain : domains) {
    collector.domain = domain;
    domain->EvaluateInto(units, norm->input, input.thisYear, invalidInput, out.output, &collector);
  }
  out.invalidInput = invalidInput;
  if (out.output.empty()) {
    out.failed = true;
    out.output = invalidInput ? InvalidInputMessage : NoFormulaMessage;
  }
  run.input = std::move(norm->input);
  run.thisYear = input.thisYear;
  return run;
}

LineFormula FormulaOfLine(const ExplainedRun& run, std::size_t line,
                          std::span<const FormulaDomain* const> domains) {
  const LineOrigin& o = run.lines.at(line);
  // The first result, as the line wrote it.
  std::string result;
  const RuleRow& rule = o.table->rows[o.row];
  if (rule.line.ResultCount() == 1) {
    const Ctx ctx(rule, o.order, run.input, run.thisYear);
    try {
      rule.compute.Call([&](auto compute) {
        const auto results = compute(ctx);
        if constexpr (std::tuple_size_v<decltype(results.texts)> > 0) result = results.texts[0];
      });
    } catch (const CalcFailure&) {
      // It wrote its line once: this cannot fail; no substitution then.
    } catch (const RuleDefinitionError&) {
    }
  }
  LineFormula f = FormulaOfRule(*o.domain, *o.table, o.row, o.order, run.input, &result);
  f.documentLine = FormulaDocumentLine(domains, *o.domain, f.section);
  return f;
}

std::vector<LineFormula> FormulasOfLines(const ExplainedRun& run,
                                         std::span<const FormulaDomain* const> domains) {
  std::vector<LineFormula> formulas;
  for (std::size_t i = 0; i < run.lines.size(); ++i) formulas.push_back(FormulaOfLine(run, i, domains));
  return formulas;
}

std::vector<std::string_view> FormulasInOrder(const LineFormula& line) {
  std::vector<std::string_view> lines;
  if (line.ownFormula >= 0) lines.emplace_back(line.formulas[line.ownFormula]);
  for (std::size_t k = 0; k < line.formulas.size(); ++k) {
    if (static_cast<int>(k) != line.ownFormula) lines.emplace_back(line.formulas[k]);
  }
  return lines;
}

std::string BindingsText(const LineFormula& line) {
  std::string text;
  for (const std::string& b : line.bindings) {
    if (!text.empty()) text += ListComma;
    text += b;
  }
  return text;
}

std::string LineFormulaText(const LineFormula& line) {
  std::string text = line.title;
  for (std::string_view formula : FormulasInOrder(line)) {
    text += '\n';
    text += formula;
  }
  if (!line.bindings.empty()) text += "\n" + BindingsText(line);
  if (!line.substitution.empty()) text += "\n" + line.substitution;
  return text;
}

std::vector<std::string_view> ResultLines(std::string_view output) {
  std::vector<std::string_view> lines;
  while (!output.empty()) {
    const std::size_t end = output.find("\r\n");
    if (end == std::string_view::npos) {
      lines.push_back(output);
      break;
    }
    lines.push_back(output.substr(0, end));
    output.remove_prefix(end + 2);
  }
  return lines;
}

}  // namespace tamrisk
