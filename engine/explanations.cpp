#include "engine/explanations.h"

#include <string>
#include <string_view>

#include "engine/unit_records.h"

namespace tamrisk {

namespace {

// One line per prefix: its power of ten and how it is read aloud.
std::string PrefixLine(const PrefixRecord& prefix) {
  return "● 倍数 " + std::string(prefix.text) + " は 10の " +
         std::to_string(prefix.powerOfTen) + "乗、読み方は｢" + std::string(prefix.reading) + "｣";
}

}  // namespace

std::string PrefixExplanation(std::string_view prefix) {
  for (const PrefixRecord& p : PrefixRecords) {
    if (p.text == prefix) return PrefixLine(p);
  }
  return {};
}

std::string_view UnitExplanation(std::string_view unit) {
  if (unit.empty()) return {};
  for (const UnitRecord& u : UnitRecords) {
    if (u.text == unit) return u.explanation;
  }
  return {};
}

std::string UnitExplanationText(std::string_view prefix, std::string_view unit) {
  const std::string p = PrefixExplanation(prefix);
  const std::string_view u = UnitExplanation(unit);
  if (p.empty() && u.empty()) return {};
  std::string text = "【単位解説】\r\n\r\n";
  text += p;
  text += "\r\n\r\n";
  text += u;
  return text;
}

}  // namespace tamrisk
