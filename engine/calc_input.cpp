#include "engine/calc_input.h"

#include <cmath>

#include "engine/catalogue.h"
#include "engine/numtext.h"
#include "engine/powers_of_ten.h"

namespace tamrisk {

namespace {
constexpr std::string_view SquareMetre = "\xE3\x8E\xA1";  // "㎡" U+33A1
constexpr std::string_view SquareInch = "in2";
constexpr std::string_view Vswr = "VSWR";

// The label of a typed number whose general format is `general`: the
// sign-reserving format is that text after a blank or its own "-".
std::string LabelOf(double typed, const std::string& general, const std::string& prefix,
                    const std::string& unit) {
  std::string label = typed < 0 ? general : " " + general;
  if (prefix != NoPrefix) label += prefix;
  if (unit != Vswr) label += unit;
  return label;
}
}  // namespace

std::string MakeLabel(double typed, const std::string& prefix, const std::string& unit) {
  return LabelOf(typed, FormatGeneral(typed), prefix, unit);
}

std::optional<double> ScaleByPrefix(double typed, const std::string& prefix,
                                    const std::string& unit) {
  for (const PrefixEntry& p : PrefixCatalogue) {
    if (p.text != prefix) continue;
    // A prefix before an area unit scales the length: k㎡ is (km)².
    const bool area = unit == SquareMetre || unit == SquareInch;
    const int power = area ? 2 * p.powerOfTen : p.powerOfTen;
    const double scaled =
        power < 0 ? typed / PowerOfTen(-power) : typed * PowerOfTen(power);
    if (!std::isfinite(scaled)) return std::nullopt;
    return scaled;
  }
  return typed;  // no prefix, or a text the catalogue does not know
}

std::optional<NormalizedInput> NormalizeInput(const RunInput& in) {
  const std::optional<double> t1 = ParseNumber(in.param1);
  const std::optional<double> t2 = ParseNumber(in.param2);
  if (!t1 || !t2) return std::nullopt;

  NormalizedInput out;
  out.param1Text = FormatGeneral(*t1);
  out.param2Text = FormatGeneral(*t2);
  CalcInput& c = out.input;
  c.unit1 = in.unit1;
  c.unit2 = in.unit2;
  c.filter = in.unit3;
  c.prefix1 = in.subUnit1;
  c.prefix2 = in.subUnit2;
  c.label1 = LabelOf(*t1, out.param1Text, c.prefix1, c.unit1);
  c.label2 = LabelOf(*t2, out.param2Text, c.prefix2, c.unit2);
  const std::optional<double> v1 = ScaleByPrefix(*t1, c.prefix1, c.unit1);
  const std::optional<double> v2 = ScaleByPrefix(*t2, c.prefix2, c.unit2);
  if (!v1 || !v2) return std::nullopt;
  c.value1 = *v1;
  c.value2 = *v2;
  return out;
}

}  // namespace tamrisk
