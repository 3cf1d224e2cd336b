// One calculation run over the seven texts of the main window's controls.
// The first five bytes pick the two units, the two prefixes and the filter
// from the catalogue (so that rules actually fire); the rest, cut at the
// first TAB, are the two entry texts as typed.
//
// Properties: the run is repeatable; the result is either one of the two
// failure messages or lines that each end with CR LF, in valid UTF-8; a
// rewritten entry reads back as itself (its value may differ in the digits
// beyond the fifteenth, so the result may too).
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/calc_input.h"
#include "engine/catalogue.h"
#include "engine/run.h"
#include "formulas/catalogue_run.h"
#include "fuzz/fuzz_support.h"

namespace {

using namespace tamrisk;

std::string UnitAt(uint8_t b) {
  const size_t i = b % (UnitCatalogue.size() + 1);
  if (i == UnitCatalogue.size() || UnitCatalogue[i].empty()) return std::string(NoUnit);
  return std::string(UnitCatalogue[i]);
}

std::string PrefixAt(uint8_t b) {
  const size_t i = b % (PrefixCatalogue.size() + 1);
  if (i == PrefixCatalogue.size()) return std::string(NoPrefix);
  return std::string(PrefixCatalogue[i].text);
}

std::string FilterAt(uint8_t b) {
  if (b < 128) return std::string(NoFilter);
  return UnitAt(b);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 5) return 0;
  RunInput in;
  in.unit1 = UnitAt(data[0]);
  in.unit2 = UnitAt(data[1]);
  in.subUnit1 = PrefixAt(data[2]);
  in.subUnit2 = PrefixAt(data[3]);
  in.unit3 = FilterAt(data[4]);
  const std::string rest(reinterpret_cast<const char*>(data + 5), size - 5);
  const size_t tab = rest.find('\t');
  in.param1 = rest.substr(0, tab);
  in.param2 = tab == std::string::npos ? "" : rest.substr(tab + 1);
  in.thisYear = 2026;

  const RunOutput out = Calculate(in);
  fuzz::Check(Calculate(in).output == out.output, "a run is repeatable", out.output);
  if (out.failed) {
    fuzz::Check(out.output == NoFormulaMessage || out.output == InvalidInputMessage,
                "a failed run shows one of the two messages", out.output);
    fuzz::Check(out.invalidInput == (out.output == InvalidInputMessage),
                "the message tells whether something failed", out.output);
  } else {
    fuzz::Check(!out.output.empty() && out.output.size() >= 2 &&
                    out.output.compare(out.output.size() - 2, 2, "\r\n") == 0,
                "every line ends with CR LF", out.output);
    fuzz::Check(fuzz::IsValidUtf8(out.output), "the result is valid UTF-8", out.output);
  }

  // An entry rewritten by the run, calculated again, stays as it is.
  if (NormalizeInput(in)) {
    RunInput again = in;
    again.param1 = out.param1;
    again.param2 = out.param2;
    const RunOutput second = Calculate(again);
    fuzz::Check(second.param1 == out.param1 && second.param2 == out.param2,
                "a rewritten entry reads back as itself", out.param1 + " / " + out.param2);
  }
  return 0;
}
