#include "engine/rule_row.h"

#include <charconv>
#include <cstdint>

#include "engine/catalogue.h"

namespace tamrisk {

void RuleMistake(const char* reason) { throw RuleDefinitionError(reason); }

std::string Hex(Num x) {
  const auto bits = static_cast<std::uint32_t>(RoundToInt32(x));
  char buf[8];
  const auto res = std::to_chars(buf, buf + sizeof buf, bits, 16);
  std::string s(buf, res.ptr);
  for (char& c : s) {
    if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
  }
  return s;
}

int Ctx::ParamOf(std::string_view name) const {
  const int slot = row_.SlotOf(name);
  if (slot < 0) throw RuleDefinitionError("unknown parameter name in a rule: " + std::string(name));
  return ParamOfSlot(slot);
}

Num Ctx::Value(std::string_view name) const {
  return ParamOf(name) == 1 ? Num(in_.value1) : Num(in_.value2);
}

const std::string& Ctx::Label(std::string_view name) const {
  return ParamOf(name) == 1 ? in_.label1 : in_.label2;
}

const std::string& Ctx::Unit(std::string_view name) const {
  return ParamOf(name) == 1 ? in_.unit1 : in_.unit2;
}

bool Ctx::Unfiltered() const { return in_.filter == NoFilter; }

}  // namespace tamrisk
