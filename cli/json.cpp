#include "cli/json.h"

#include <array>
#include <cstddef>
#include <vector>

#include "engine/utf8.h"
#include "formulas/catalogue_run.h"

namespace tamrisk {



std::string JsonEscape(const std::string& text) {
  std::string out;
  out.reserve(text.size() + 2);
  AppendJsonString(out, text);
  return out;
}

std::string OutputJson(const RunOutput& out) {
  std::string json;
  json.reserve(out.param1.size() + out.param2.size() + out.output.size() + out.output.size() / 8 + 48);
  json += "{\"param1\": ";
  AppendJsonString(json, out.param1);
  json += ", \"param2\": ";
  AppendJsonString(json, out.param2);
  json += ", \"output\": ";
  AppendJsonString(json, out.output);
  json += '}';
  return json;
}

std::string ExplainedJson(const ExplainedRun& run) {
  std::string json = OutputJson(run.output);
  json.pop_back();
  json += ", \"lines\": [";
  const std::vector<LineFormula> formulas = CatalogueFormulasOfLines(run);
  const std::vector<std::string_view> lines = ResultLines(run.output.output);
  for (std::size_t i = 0; i < formulas.size() && i < lines.size(); ++i) {
    const LineFormula& f = formulas[i];
    json += i ? ", {\"text\": " : "{\"text\": ";
    AppendJsonString(json, lines[i]);
    json += ", \"title\": ";
    AppendJsonString(json, f.title);
    json += ", \"formulas\": [";
    bool first = true;
    for (std::string_view formula : FormulasInOrder(f)) {
      if (!first) json += ", ";
      first = false;
      AppendJsonString(json, formula);
    }
    json += "], \"own\": ";
    json += f.ownFormula >= 0 ? "true" : "false";
    json += ", \"bindings\": [";
    for (std::size_t b = 0; b < f.bindings.size(); ++b) {
      if (b) json += ", ";
      AppendJsonString(json, f.bindings[b]);
    }
    json += ']';
    if (!f.substitution.empty()) {
      json += ", \"substitution\": ";
      AppendJsonString(json, f.substitution);
    }
    json += '}';
  }
  json += "]}";
  return json;
}

}  // namespace tamrisk
