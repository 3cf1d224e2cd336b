// Writes batch lines (seven TAB-separated input texts) that exercise the
// whole catalogue, for comparing the WebAssembly build with the native one:
//   tamrisk_batch_lines [seed] > lines.tsv
// The same seed gives the same lines on every machine.
//
// Every pair of list units (the blank unit and the empty spare entry
// included) is tried once; every pair for which some formula answers then
// gets several lines with varied numbers, prefixes and result-unit filters,
// among them filters that keep a formula. Bad entries, unknown units and
// numbers at the ends of the double range are mixed in, and at the end a few
// texts with a NUL inside.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "engine/catalogue.h"
#include "formulas/catalogue_run.h"

namespace {

using tamrisk::RunInput;

// std::mt19937_64 is the same everywhere; the distributions are not, so the
// picks are made here.
class Picker {
 public:
  explicit Picker(std::uint64_t seed) : random_(seed) {}
  size_t Below(size_t n) { return static_cast<size_t>(random_() % n); }
  bool Chance(int percent) { return Below(100) < static_cast<size_t>(percent); }
  template <typename T>
  const T& From(const std::vector<T>& v) { return v[Below(v.size())]; }

 private:
  std::mt19937_64 random_;
};

const std::vector<std::string> BadEntries = {
    "", " ", "abc", "1.2.3", "--5", "+5", "5e", "e5", ".", "-", "1,000", "0x10",
    "１２", "１.５", "－３", "1e999", "-1e999", "1e-400", "NaN", "inf", "&H", "&HFFFFFFFF",
    "&HG1", "&O8", "&O777", "&hff", "12abc", " 7 ", "\u3000" "5", "1 2", "2.5E+3", "2.5d3",
    "0.000000000000000000001", "99999999999999999999999", "1e308", "2e308", "4.9e-324",
    "-0", "0.0", "00012", "１e3", "計算", "\"5\"", "5%", "½",
    "１２３", "１．５", "\u2212５", "－１Ｅ３", "＆Ｈ１０", "１，０００", "１２ａ", "\u0663",
    "１\u3000２", "１ｅ９９９"};

// A number text of some magnitude and form.
std::string Number(Picker& pick) {
  char text[64];
  switch (pick.Below(10)) {
    case 0: return std::to_string(static_cast<int>(pick.Below(100)));
    case 1: return std::to_string(static_cast<int>(pick.Below(10000)) - 5000);
    case 2: std::snprintf(text, sizeof text, "%.3f", static_cast<double>(pick.Below(1000000)) / 997); return text;
    case 3: std::snprintf(text, sizeof text, "%.15g", static_cast<double>(pick.Below(1u << 30)) / 7919); return text;
    case 4: std::snprintf(text, sizeof text, "%de%d", static_cast<int>(pick.Below(999)) + 1,
                          static_cast<int>(pick.Below(61)) - 30); return text;
    case 5: std::snprintf(text, sizeof text, "%.2E", static_cast<double>(pick.Below(100000)) * 1e-3 *
                          (pick.Chance(50) ? 1e150 : 1e-150)); return text;
    case 6: std::snprintf(text, sizeof text, "&H%X", static_cast<unsigned>(pick.Below(70000))); return text;
    case 7: std::snprintf(text, sizeof text, "&O%o", static_cast<unsigned>(pick.Below(70000))); return text;
    case 8: return "0";
    default: std::snprintf(text, sizeof text, "-%.6g", static_cast<double>(pick.Below(100000)) / 13); return text;
  }
}

std::string Entry(Picker& pick) { return pick.Chance(6) ? pick.From(BadEntries) : Number(pick); }

// The fields as they are, a NUL inside one included.
void Write(const RunInput& in) {
  const std::string* const fields[] = {&in.param1, &in.subUnit1, &in.unit1, &in.param2,
                                       &in.subUnit2, &in.unit2, &in.unit3};
  for (const std::string* field : fields) {
    std::fwrite(field->data(), 1, field->size(), stdout);
    std::fputc(field == fields[6] ? '\n' : '\t', stdout);
  }
}

bool Answers(const RunInput& in) {
  const tamrisk::RunOutput out = tamrisk::Calculate(in);
  return !out.failed || out.invalidInput;
}

}  // namespace

int main(int argc, char** argv) {
  Picker pick(argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 22);

  std::vector<std::string> units = {std::string(tamrisk::NoUnit)};
  for (std::string_view u : tamrisk::UnitCatalogue) {
    if (!u.empty()) units.emplace_back(u);
  }
  std::vector<std::string> prefixes = {std::string(tamrisk::NoPrefix)};
  for (const tamrisk::PrefixEntry& p : tamrisk::PrefixCatalogue) prefixes.emplace_back(p.text);
  std::vector<std::string> filters = {std::string(tamrisk::NoFilter)};
  filters.insert(filters.end(), units.begin() + 1, units.end());
  std::vector<std::string> odd = {"", "x", "ohm", "Ｖ", "指定なし", "M"};

  const auto prefix = [&] { return pick.Chance(55) ? std::string(tamrisk::NoPrefix) : pick.From(prefixes); };
  const auto unit = [&] {
    return pick.Chance(3) ? pick.From(odd) : pick.From(units);
  };

  RunInput in;
  in.thisYear = 2026;
  long lines = 0;
  // Every pair once, with plain numbers and no filter; the pairs for which a
  // formula answers are kept.
  std::vector<std::pair<std::string, std::string>> answering;
  for (const std::string& u1 : units) {
    for (const std::string& u2 : units) {
      in = RunInput{Number(pick), prefix(), u1, Number(pick), prefix(), u2, std::string(tamrisk::NoFilter), 2026};
      Write(in);
      ++lines;
      RunInput probe{"3", " ", u1, "2", " ", u2, std::string(tamrisk::NoFilter), 2026};
      if (Answers(probe)) answering.emplace_back(u1, u2);
    }
  }
  // The answering pairs again, each with the filters that keep a formula.
  for (const auto& [u1, u2] : answering) {
    std::vector<std::string> keeping;
    for (const std::string& f : filters) {
      RunInput probe{"3", " ", u1, "2", " ", u2, f, 2026};
      if (f != tamrisk::NoFilter && Answers(probe)) keeping.push_back(f);
    }
    for (int k = 0; k < 4; ++k) {
      std::string f = std::string(tamrisk::NoFilter);
      if (!keeping.empty() && pick.Chance(50)) f = pick.From(keeping);
      else if (pick.Chance(15)) f = pick.From(filters);
      in = RunInput{Entry(pick), prefix(), u1, Entry(pick), prefix(), u2, f, 2026};
      Write(in);
      ++lines;
    }
  }
  // Odd and empty units, unknown prefixes and filters.
  for (int k = 0; k < 400; ++k) {
    in = RunInput{Entry(pick), pick.Chance(10) ? pick.From(odd) : prefix(), unit(),
                  Entry(pick), prefix(), unit(), pick.Chance(10) ? pick.From(odd) : pick.From(filters), 2026};
    Write(in);
    ++lines;
  }
  // A NUL inside a text is a character like any other: "V\0x" is no unit,
  // "1\0" "5" no number as it stands.
  using namespace std::string_literals;
  const std::vector<RunInput> withNul = {
      {"10", " ", "V\0x"s, "5", " ", "Ω", std::string(tamrisk::NoFilter), 2026},
      {"10", " ", "V", "5", " ", "Ω\0"s, std::string(tamrisk::NoFilter), 2026},
      {"1\0"s "5", " ", "V", "\0"s, " ", "Ω", std::string(tamrisk::NoFilter), 2026},
      {"10", "k\0"s, "V", "5", " \0"s, "Ω", std::string(tamrisk::NoFilter), 2026},
      {"10", " ", "V", "5", " ", "Ω", "W\0"s, 2026},
      {"10", " ", "V", "5", " ", "Ω", std::string(tamrisk::NoFilter) + "\0"s, 2026},
      {"&H1\0"s "0", " ", "V", "5", "\0"s "k", "Ω", std::string(tamrisk::NoFilter), 2026},
  };
  for (const RunInput& line : withNul) {
    Write(line);
    ++lines;
  }
  std::fprintf(stderr, "%ld lines, %zu answering unit pairs\n", lines, answering.size());
  return 0;
}
