#include "cli/spellings.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "engine/catalogue.h"
#include "engine/unit_records.h"
#include "engine/utf8.h"

namespace tamrisk {

namespace {

// The records' spellings, gathered while the program is compiled, so that
// only these short tables are in the program, not the records themselves.
template <typename Records, typename Field>
constexpr std::size_t CountSpellings(const Records& records, Field field) {
  std::size_t n = 0;
  for (const auto& r : records) n += (r.*field).empty() ? 0 : 1;
  return n;
}

template <std::size_t N, typename Records, typename Field>
constexpr std::array<UnitAlias, N> GatherSpellings(const Records& records, Field field) {
  std::array<UnitAlias, N> spellings{};
  std::size_t n = 0;
  for (const auto& r : records) {
    if (!(r.*field).empty()) spellings[n++] = {r.*field, r.text};
  }
  return spellings;
}

constexpr auto kAliases = GatherSpellings<CountSpellings(UnitRecords, &UnitRecord::ascii)>(
    UnitRecords, &UnitRecord::ascii);

// Letters that look like a catalogue unit's own and are what a text copied
// from elsewhere often holds (the forms that Unicode normalisation gives):
// taken for the catalogue's unit, but not offered as spellings.
constexpr auto kLookAlikes = GatherSpellings<CountSpellings(UnitRecords, &UnitRecord::lookAlike)>(
    UnitRecords, &UnitRecord::lookAlike);

constexpr auto kPrefixAscii = GatherSpellings<CountSpellings(PrefixRecords, &PrefixRecord::ascii)>(
    PrefixRecords, &PrefixRecord::ascii);
constexpr auto kPrefixLookAlikes =
    GatherSpellings<CountSpellings(PrefixRecords, &PrefixRecord::lookAlike)>(
        PrefixRecords, &PrefixRecord::lookAlike);

// The catalogue's prefixes, then their ASCII spellings ("u" for μ), then
// the letters that look the same (the micro sign µ, U+00B5, for μ): a
// spelling and the prefix it stands for.
constexpr auto kPrefixSpellings = [] {
  std::array<UnitAlias, PrefixRecordCount + kPrefixAscii.size() + kPrefixLookAlikes.size()>
      spellings{};
  std::size_t n = 0;
  for (const PrefixRecord& p : PrefixRecords) spellings[n++] = {p.text, p.text};
  for (const UnitAlias& a : kPrefixAscii) spellings[n++] = a;
  for (const UnitAlias& a : kPrefixLookAlikes) spellings[n++] = a;
  return spellings;
}();

// Code points of a UTF-8 text; each byte of an invalid sequence counts as
// one, a code point of its own that no character has.
std::u32string CodePoints(std::string_view s) {
  std::u32string out;
  for (std::size_t i = 0; i < s.size();) {
    const Utf8Char c = Utf8At(s, i);
    if (c.valid) {
      out.push_back(c.code);
      i += c.size;
    } else {
      out.push_back(0x110000 + static_cast<unsigned char>(s[i]));
      ++i;
    }
  }
  return out;
}

char32_t Lower(char32_t c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; }

// Edit distance over code points; a difference of letter case alone costs
// nothing, so "OHM" is as close to "ohm" as can be.
std::size_t Distance(std::string_view a, std::string_view b) {
  const std::u32string x = CodePoints(a), y = CodePoints(b);
  std::vector<std::size_t> row(y.size() + 1);
  for (std::size_t j = 0; j <= y.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= x.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= y.size(); ++j) {
      const std::size_t up = row[j];
      const std::size_t change = Lower(x[i - 1]) == Lower(y[j - 1]) ? 0 : 1;
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + change});
      diagonal = up;
    }
  }
  return row[y.size()];
}

}  // namespace

std::span<const UnitAlias> UnitAliases() { return kAliases; }

std::optional<std::string_view> UnitOf(std::string_view text) {
  if (text.empty()) return std::nullopt;
  for (std::string_view u : UnitCatalogue) {
    if (u == text) return u;
  }
  for (const UnitAlias& a : UnitAliases()) {
    if (a.spelling == text) return a.unit;
  }
  for (const UnitAlias& a : kLookAlikes) {
    if (a.spelling == text) return a.unit;
  }
  return std::nullopt;
}

bool SplitUnit(const std::string& text, std::string& prefix, std::string& unit) {
  if (const auto u = UnitOf(text)) {
    prefix = std::string(NoPrefix);
    unit = std::string(*u);
    return true;
  }
  // The longest prefix first, so "da" wins over "d".
  const UnitAlias* best = nullptr;
  std::string_view bestUnit;
  for (const UnitAlias& p : kPrefixSpellings) {
    if (text.size() <= p.spelling.size() || text.compare(0, p.spelling.size(), p.spelling) != 0) {
      continue;
    }
    const auto u = UnitOf(std::string_view(text).substr(p.spelling.size()));
    if (u && (!best || p.spelling.size() > best->spelling.size())) {
      best = &p;
      bestUnit = *u;
    }
  }
  if (!best) return false;
  prefix = std::string(best->unit);
  unit = std::string(bestUnit);
  return true;
}

const std::vector<std::string>& UnitSpellings() {
  static const std::vector<std::string> units = [] {
    std::vector<std::string> v;
    for (std::string_view u : UnitCatalogue) {
      if (!u.empty()) v.emplace_back(u);
    }
    for (const UnitAlias& a : UnitAliases()) v.emplace_back(a.spelling);
    return v;
  }();
  return units;
}

const std::vector<std::string>& PrefixedUnitSpellings() {
  static const std::vector<std::string> all = [] {
    const std::vector<std::string>& units = UnitSpellings();
    std::vector<std::string> v = units;
    for (const UnitAlias& p : kPrefixSpellings) {
      for (const std::string& u : units) v.push_back(std::string(p.spelling) + u);
    }
    return v;
  }();
  return all;
}

std::string UnitList() {
  std::string out;
  for (const std::string& u : UnitSpellings()) out += u + "\n";
  return out;
}

std::string PrefixList() {
  std::string out;
  for (const UnitAlias& p : kPrefixSpellings) out += std::string(p.spelling) + "\n";
  return out;
}

std::string SpellingsHelp() {
  std::string aliases;
  for (const UnitAlias& a : UnitAliases()) {
    aliases += "  " + std::string(a.spelling) + " = " + std::string(a.unit) + "\n";
  }
  // "Prefixes: y z ...; u or µ may be typed for μ."
  std::string prefixes = "Prefixes:";
  std::string typed;
  for (const PrefixEntry& p : PrefixCatalogue) {
    prefixes += " " + std::string(p.text);
    std::string others;
    for (std::size_t i = PrefixCatalogue.size(); i < kPrefixSpellings.size(); ++i) {
      if (kPrefixSpellings[i].unit != p.text) continue;
      others += (others.empty() ? "" : " or ") + std::string(kPrefixSpellings[i].spelling);
    }
    if (!others.empty()) typed += "; " + others + " may be typed for " + std::string(p.text);
  }
  return prefixes + typed + ".\n" +
         "ASCII spellings of units:\n" +
         aliases +
         "Look-alike letters count as the catalogue's: U+00C5 as Å (U+212B), the ohm\n"
         "sign U+2126 as Ω (U+03A9), the kelvin sign U+212A as K, µ in dBµV as μ.\n";
}

std::string Closest(std::string_view text, const std::vector<std::string>& known) {
  const std::size_t length = CodePoints(text).size();
  std::size_t best = 3;
  std::vector<std::string> nearest;
  for (const std::string& k : known) {
    const std::size_t d = Distance(text, k);
    if (d >= length || d > best) continue;
    if (d < best) {
      best = d;
      nearest.clear();
    }
    if (nearest.size() < 3 && std::find(nearest.begin(), nearest.end(), k) == nearest.end()) {
      nearest.push_back(k);
    }
  }
  if (nearest.empty()) return "";
  std::string out = " (closest: ";
  for (std::size_t i = 0; i < nearest.size(); ++i) out += (i ? ", " : "") + nearest[i];
  return out + ")";
}

}  // namespace tamrisk
