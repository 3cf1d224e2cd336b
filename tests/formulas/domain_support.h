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

// The same input with the two parameters changing places.
inline RunInput Swapped(const RunInput& in) {
  return {in.param2, in.subUnit2, in.unit2, in.param1, in.subUnit1, in.unit1, in.unit3, in.thisYear};
}

inline std::string Describe(const RunInput& in) {
  return "[" + in.param1 + "|" + in.subUnit1 + "|" + in.unit1 + "] [" + in.param2 + "|" +
         in.subUnit2 + "|" + in.unit2 + "] filter" + in.unit3;
}

// Runs `in` alone in `domain` and compares the whole block line by line, and
// whether a line failed; with `alsoSwapped`, the same again with the two
// parameters changing places (for rules that read the same either way).
inline void ExpectBlock(const FormulaDomain& domain, const RunInput& in,
                        const std::vector<std::string>& lines, bool invalid, bool alsoSwapped = false) {
  SCOPED_TRACE(Describe(in));
  const DomainBlock out = EvaluateOnly(domain, in);
  EXPECT_EQ(SplitLines(out.text), SplitLines(Lines(lines)));
  EXPECT_EQ(out.invalid, invalid);
  if (!alsoSwapped) return;
  const DomainBlock swapped = EvaluateOnly(domain, Swapped(in));
  EXPECT_EQ(SplitLines(swapped.text), SplitLines(Lines(lines))) << "parameters swapped";
  EXPECT_EQ(swapped.invalid, invalid) << "parameters swapped";
}

// One input and the whole block a domain writes for it.
struct DomainCase {
  RunInput in;
  std::vector<std::string> lines;
  bool invalid = false;
};

// One input as its seven texts are typed (number, prefix and unit of each
// parameter, then the filter), the whole block and whether a line failed.
struct TypedCase {
  const char* p1;
  const char* prefix1;
  const char* unit1;
  const char* p2;
  const char* prefix2;
  const char* unit2;
  const char* filter;
  std::vector<std::string> lines;
  bool invalid = false;
};

inline void ExpectTypedCase(const FormulaDomain& domain, const TypedCase& c, bool alsoSwapped = false) {
  ExpectBlock(domain, {c.p1, c.prefix1, c.unit1, c.p2, c.prefix2, c.unit2, c.filter, 2026}, c.lines,
              c.invalid, alsoSwapped);
}

template <size_t N>
void ExpectCases(const FormulaDomain& domain, const DomainCase (&cases)[N], bool bothOrders) {
  for (const DomainCase& c : cases) ExpectBlock(domain, c.in, c.lines, c.invalid, bothOrders);
}

}  // namespace tamrisk::testing
