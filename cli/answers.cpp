#include "cli/answers.h"

#include <algorithm>
#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

#include "cli/json.h"
#include "cli/spellings.h"
#include "engine/catalogue.h"
#include "engine/unit_ids.h"
#include "formulas/catalogue_run.h"

namespace tamrisk {

namespace {

std::string_view Shown(UnitId id) { return id == UnitIdOf(NoUnit) ? NoneSpelling : UnitTexts[id]; }

// "V + Ω: 6", and the other order's count where it differs.
std::string PairLine(UnitId a, UnitId b, int forward, int backward) {
  std::string line = std::string(Shown(a)) + " + " + std::string(Shown(b)) + ": " +
                     std::to_string(forward);
  if (backward != forward) {
    line += " (" + std::string(Shown(b)) + " + " + std::string(Shown(a)) + ": " +
            std::to_string(backward) + ")";
  }
  return line + "\n";
}

std::string JsonUnit(UnitId id) { return JsonEscape(std::string(UnitTexts[id])); }

}  // namespace

std::string HumanText(const RunOutput& out) {
  std::string text;
  text.reserve(out.output.size());
  for (size_t i = 0; i < out.output.size(); ++i) {
    if (out.output[i] == '\r' && i + 1 < out.output.size() && out.output[i + 1] == '\n') continue;
    text.push_back(out.output[i]);
  }
  if (out.failed) {
    const size_t first = text.find_first_not_of('\n');
    text.erase(0, first == std::string::npos ? text.size() : first);
  }
  if (!text.empty() && text.back() != '\n') text.push_back('\n');
  return text;
}

ListAnswer PartnersAnswer(const std::string& unit, const std::string& filter, bool json) {
  const UnitId id = UnitIdOf(unit);
  const std::vector<UnitPartner> partners = CataloguePartners(unit, filter);
  ListAnswer answer;
  answer.empty = partners.empty();
  if (json) {
    answer.text = "{\"unit\": " + JsonEscape(unit) + ", ";
    if (filter != NoFilter) answer.text += "\"filter\": " + JsonEscape(filter) + ", ";
    answer.text += "\"partners\": [";
    for (std::size_t i = 0; i < partners.size(); ++i) {
      const UnitPartner& p = partners[i];
      answer.text += (i ? ", " : "") + std::string("{\"unit\": ") + JsonUnit(p.unit) +
                     ", \"asSecond\": " + std::to_string(p.asSecond) +
                     ", \"asFirst\": " + std::to_string(p.asFirst) + "}";
    }
    answer.text += "]}\n";
    return answer;
  }
  for (const UnitPartner& p : partners) answer.text += PairLine(id, p.unit, p.asSecond, p.asFirst);
  return answer;
}

ListAnswer ProducersAnswer(const std::string& result, bool json) {
  const std::span<const UnitPairCount> producers = CatalogueUnitPairs().ProducersOf(result);
  ListAnswer answer;
  answer.empty = producers.empty();
  if (json) {
    answer.text = "{\"result\": " + JsonEscape(result) + ", \"pairs\": [";
    for (std::size_t i = 0; i < producers.size(); ++i) {
      const UnitPairCount& p = producers[i];
      answer.text += (i ? ", " : "") + std::string("{\"unit1\": ") + JsonUnit(p.unit1) +
                     ", \"unit2\": " + JsonUnit(p.unit2) +
                     ", \"forward\": " + std::to_string(p.forward) +
                     ", \"backward\": " + std::to_string(p.backward) + "}";
    }
    answer.text += "]}\n";
    return answer;
  }
  for (const UnitPairCount& p : producers) {
    answer.text += PairLine(p.unit1, p.unit2, p.forward, p.backward);
  }
  return answer;
}

std::string ExplainedText(const ExplainedRun& run) {
  if (run.output.failed) return HumanText(run.output);
  const std::vector<LineFormula> formulas = CatalogueFormulasOfLines(run);
  const std::vector<std::string_view> lines = ResultLines(run.output.output);
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    text += lines[i];
    text += '\n';
    if (i >= formulas.size()) continue;
    std::string explanation = LineFormulaText(formulas[i]);
    std::size_t start = 0;
    while (start <= explanation.size()) {
      const std::size_t end = std::min(explanation.find('\n', start), explanation.size());
      text += "    ";
      text.append(explanation, start, end - start);
      text += '\n';
      start = end + 1;
    }
  }
  return text;
}

}  // namespace tamrisk
