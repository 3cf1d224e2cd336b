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

inline DomainBlock ConvertOnly(const RunInput& in) { return EvaluateOnly(ConversionDomain, in); }

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

inline std::string Describe(const RunInput& in) {
  return "[" + in.param1 + "|" + in.subUnit1 + "|" + in.unit1 + "] [" + in.param2 + "|" +
         in.subUnit2 + "|" + in.unit2 + "] filter" + in.unit3;
}

// Runs `in` alone in `domain` and compares the whole block line by line, and
// whether a line failed.
inline void ExpectBlock(const FormulaDomain& domain, const RunInput& in,
                        const std::vector<std::string>& lines, bool invalid) {
  SCOPED_TRACE(Describe(in));
  const DomainBlock out = EvaluateOnly(domain, in);
  EXPECT_EQ(SplitLines(out.text), SplitLines(Lines(lines)));
  EXPECT_EQ(out.invalid, invalid);
}

}  // namespace tamrisk::testing
