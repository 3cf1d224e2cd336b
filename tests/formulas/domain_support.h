// Runs one domain alone over a normalised input, so that a test sees exactly
// the lines of that domain, whatever other domains add.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/calc_input.h"
#include "engine/rules.h"
#include "formulas/domains.h"

namespace tamrisk::testing {

struct DomainBlock {
  std::string text;
  bool invalid = false;
};

// Strict mode: a wrongly written rule stops the test.
inline DomainBlock EvaluateOnly(const FormulaDomain& domain, const RunInput& in) {
  FormulaDomain::strictRules = true;
  const auto normalized = NormalizeInput(in);
  EXPECT_TRUE(normalized.has_value());
  if (!normalized) return {};
  DomainBlock out;
  out.text = domain.Evaluate(normalized->input, in.thisYear, out.invalid);
  return out;
}

inline DomainBlock ConvertOnly(const RunInput& in) { return EvaluateOnly(ConversionDomain(), in); }

// Whole lines, each ending with CR LF.
inline std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// Cuts a block into its lines; a block must end with CR LF.
inline std::vector<std::string> SplitLines(const std::string& block) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < block.size()) {
    const size_t end = block.find("\r\n", start);
    if (end == std::string::npos) {
      ADD_FAILURE() << "block does not end with CR LF: " << block;
      lines.push_back(block.substr(start));
      break;
    }
    lines.push_back(block.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

}  // namespace tamrisk::testing
