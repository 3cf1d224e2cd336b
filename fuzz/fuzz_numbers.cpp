// Number reading and the result formatters.
//
// The input is an entry text: whatever it holds, reading it either gives a
// number or says the number lies beyond the double range. A number, written
// back in the general format as a rewritten entry is, reads back to the same
// text. Its first eight bytes are also taken as a raw double for every
// formatter, whose texts must have their documented shape.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "engine/calc_input.h"
#include "engine/format.h"
#include "engine/numtext.h"
#include "fuzz/fuzz_support.h"

namespace {

using namespace tamrisk;

// An optional "-", digits, an optional "." with digits, then at most one of
// the prefix symbols.
bool HasEngineeringShape(std::string_view s) {
  size_t i = 0;
  if (i < s.size() && s[i] == '-') ++i;
  const size_t digits = i;
  while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
  if (i == digits) return false;
  if (i < s.size() && s[i] == '.') {
    ++i;
    const size_t decimals = i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
    if (i == decimals) return false;
  }
  const std::string_view prefix = s.substr(i);
  static const char* const prefixes[] = {"", "y", "z", "a", "f", "p", "n", "μ", "m",
                                         "k", "M", "G", "T", "P", "E", "Z", "Y"};
  for (const char* p : prefixes) {
    if (prefix == p) return true;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  if (const auto value = ParseNumber(text)) {
    fuzz::Check(std::isfinite(*value), "a number read is finite", text);
    const std::string written = FormatGeneral(*value);
    const auto again = ParseNumber(written);
    fuzz::Check(again.has_value(), "a rewritten entry reads back", written);
    fuzz::Check(FormatGeneral(*again) == written, "a rewritten entry reads back as itself", written);
    const std::string label = MakeLabel(*value, "k", "Ω");
    fuzz::Check(label == (*value < 0 ? "" : " ") + written + "kΩ", "the label quotes the number", label);
  }

  if (size >= sizeof(double)) {
    double x;
    std::memcpy(&x, data, sizeof x);
    if (std::isfinite(x)) {
      for (const std::string& s : {FormatEng5(x), FormatEng8(x), FormatEng11(x)}) {
        fuzz::Check(HasEngineeringShape(s), "engineering notation", s);
      }
      fuzz::Check(FormatEng5(-x) == (x > 0 ? "-" + FormatEng5(x) : FormatEng5(-x)),
                  "the sign is the only difference", FormatEng5(x));
      static const char* const patterns[] = {"0", "00", "0.000dBm", "###0.000dB", "0.000000000",
                                             "###0.00000rad", "0.0000℃"};
      for (const char* p : patterns) {
        const std::string s = FormatPattern(p, x);
        fuzz::Check(!s.empty() && s.find('e') == std::string::npos, "a fixed pattern", s);
      }
      const std::string sci = FormatScientific(x);
      fuzz::Check(sci.find('E') != std::string::npos, "scientific notation", sci);
      if (std::fabs(x) < 1e15) {
        const std::string hms = FormatHms(x);
        fuzz::Check(hms.find(':') != std::string::npos, "hours:minutes:seconds", hms);
      }
    }
  }
  return 0;
}
