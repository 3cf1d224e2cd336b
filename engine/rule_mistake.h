// What a wrongly written rule raises: while its table is compiled, an error
// that names the reason; at run time, an exception.
#pragma once

#include <stdexcept>

namespace tamrisk {

// A rule was written wrongly (an unknown name, a template that does not fit
// its results). Tests turn these into failures; a user only loses the line.
class RuleDefinitionError : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

// Throws RuleDefinitionError. Not usable in a constant expression, so a
// table that makes a wrong row does not compile, and the compiler shows the
// row and the reason.
[[noreturn]] void RuleMistake(const char* reason);

}  // namespace tamrisk
