// The normalised input of one calculation run.
#pragma once

#include <optional>
#include <string>

#include "engine/run.h"

namespace tamrisk {

struct CalcInput {
  double value1 = 0;  // parameter 1 in base units, scaled by its prefix
  double value2 = 0;
  std::string prefix1;  // list texts; " " means no prefix
  std::string prefix2;
  std::string unit1;  // list texts; " " means no unit
  std::string unit2;
  std::string filter;  // " 指定なし" means no filter
  std::string label1;  // display labels quoted by result sentences
  std::string label2;
};

struct NormalizedInput {
  CalcInput input;
  std::string param1Text;  // the entries rewritten in general format
  std::string param2Text;
};

// Parses both entries, builds the labels and scales by the prefixes. Returns
// nothing when an entry or a prefix scaling leaves the double range.
std::optional<NormalizedInput> NormalizeInput(const RunInput& in);

// The display label of a typed number with its prefix and unit texts.
std::string MakeLabel(double typed, const std::string& prefix, const std::string& unit);

// The typed number scaled by its prefix (a squared factor for the areas "㎡"
// and "in2"); nothing when the result leaves the double range.
std::optional<double> ScaleByPrefix(double typed, const std::string& prefix,
                                    const std::string& unit);

}  // namespace tamrisk
