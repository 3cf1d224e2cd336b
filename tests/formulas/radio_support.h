// One radio input and the whole lines the radio block must hold for it.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "tests/formulas/domain_support.h"

namespace tamrisk::testing {

struct RadioCase {
  const char* in[6];  // parameter 1 and 2: typed number, prefix, unit
  const char* filter;
  bool invalid;       // some line of the block failed
  std::vector<std::string> lines;
};

inline void ExpectCases(const RadioCase* begin, const RadioCase* end) {
  for (const RadioCase* c = begin; c != end; ++c) {
    ExpectBlock(RadioDomain,
                RunInput{c->in[0], c->in[1], c->in[2], c->in[3], c->in[4], c->in[5], c->filter, 2026},
                c->lines, c->invalid);
  }
}

template <size_t N>
void ExpectCases(const RadioCase (&cases)[N]) {
  ExpectCases(cases, cases + N);
}

}  // namespace tamrisk::testing
