#include "cli/cli_args.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string_view>

#include "engine/catalogue.h"
#include "engine/numtext.h"
#include "engine/unit_ids.h"
#include "formulas/catalogue_run.h"

namespace tamrisk {

namespace {

// Letters that look like a catalogue unit's own and are what a text copied
// from elsewhere often holds (the forms that Unicode normalisation gives):
// taken for the catalogue's unit, but not offered as spellings.
constexpr UnitAlias LookAlikes[] = {
    {"\u00C5", "\u212B"},       // LATIN CAPITAL LETTER A WITH RING ABOVE: ANGSTROM SIGN
    {"\u2126", "\u03A9"},       // OHM SIGN: GREEK CAPITAL LETTER OMEGA
    {"\u212A", "K"},            // KELVIN SIGN: K
    {"dB\u00B5V", "dB\u03BCV"},  // the micro sign: GREEK SMALL LETTER MU
};

// A catalogue unit, or an ASCII spelling or a look-alike of one: the
// catalogue's text.
std::optional<std::string_view> UnitOf(std::string_view text) {
  if (text.empty()) return std::nullopt;
  for (std::string_view u : UnitCatalogue) {
    if (u == text) return u;
  }
  for (const UnitAlias& a : UnitAliases()) {
    if (a.spelling == text) return a.unit;
  }
  for (const UnitAlias& a : LookAlikes) {
    if (a.spelling == text) return a.unit;
  }
  return std::nullopt;
}

struct PrefixSpelling {
  std::string_view spelling;
  std::string_view prefix;
};

// The catalogue's prefixes, and "u" and the micro sign µ (U+00B5) for μ.
const std::vector<PrefixSpelling>& PrefixSpellings() {
  static const std::vector<PrefixSpelling> spellings = [] {
    std::vector<PrefixSpelling> v;
    for (const PrefixEntry& p : PrefixCatalogue) v.push_back({p.text, p.text});
    v.push_back({"u", "μ"});
    v.push_back({"\u00b5", "μ"});
    return v;
  }();
  return spellings;
}

// A NUMBER argument, also one typed in full-width digits ("１２", "−５").
bool LooksLikeNumber(const std::string& a) {
  if (a.empty()) return false;
  // The first character as the number reading sees it.
  const char c = NarrowNumberText(std::string_view(a).substr(0, 3)).front();
  return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == '&';
}

// Code points of a UTF-8 text (bytes of invalid sequences count as one each).
std::u32string CodePoints(std::string_view s) {
  std::u32string out;
  for (size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    int len = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    if (i + static_cast<size_t>(len) > s.size()) len = 1;
    char32_t cp = len == 1 ? c : c & (0xFF >> (len + 1));
    for (int k = 1; k < len; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    out.push_back(cp);
    i += static_cast<size_t>(len);
  }
  return out;
}

char32_t Lower(char32_t c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; }

// Edit distance over code points; a difference of letter case alone costs
// nothing, so "OHM" is as close to "ohm" as can be.
size_t Distance(std::string_view a, std::string_view b) {
  const std::u32string x = CodePoints(a), y = CodePoints(b);
  std::vector<size_t> row(y.size() + 1);
  for (size_t j = 0; j <= y.size(); ++j) row[j] = j;
  for (size_t i = 1; i <= x.size(); ++i) {
    size_t diagonal = row[0];
    row[0] = i;
    for (size_t j = 1; j <= y.size(); ++j) {
      const size_t up = row[j];
      const size_t change = Lower(x[i - 1]) == Lower(y[j - 1]) ? 0 : 1;
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + change});
      diagonal = up;
    }
  }
  return row[y.size()];
}

// The known spellings nearest to `text` (at most three, within two edits and
// fewer edits than the text is long), as " (closest: a, b)", or nothing.
std::string Closest(std::string_view text, const std::vector<std::string>& known) {
  const size_t length = CodePoints(text).size();
  size_t best = 3;
  std::vector<std::string> nearest;
  for (const std::string& k : known) {
    const size_t d = Distance(text, k);
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
  for (size_t i = 0; i < nearest.size(); ++i) out += (i ? ", " : "") + nearest[i];
  return out + ")";
}

std::vector<std::string> UnitSpellingsList() {
  std::vector<std::string> v;
  for (std::string_view u : UnitCatalogue) {
    if (!u.empty()) v.emplace_back(u);
  }
  for (const UnitAlias& a : UnitAliases()) v.emplace_back(a.spelling);
  return v;
}

// Units with and without a prefix: what a UNIT argument may be.
const std::vector<std::string>& AllUnitSpellings() {
  static const std::vector<std::string> all = [] {
    std::vector<std::string> units = UnitSpellingsList();
    std::vector<std::string> v = units;
    for (const PrefixSpelling& p : PrefixSpellings()) {
      for (const std::string& u : units) v.push_back(std::string(p.spelling) + u);
    }
    return v;
  }();
  return all;
}

const std::vector<std::string> kOptions = {
    "--batch", "--filter", "--formula-list", "--help", "--json", "--list-prefixes",
    "--list-units", "--partners", "--produces", "--this-year", "--version",
};

// How --partners and --produces name the blank unit " ".
constexpr std::string_view NoneSpelling = "none";

std::string_view Shown(UnitId id) { return id == UnitIdOf(NoUnit) ? NoneSpelling : UnitTexts[id]; }

// "V + Ω: 6", and the other order's count where it differs.
std::string PairLine(UnitId a, UnitId b, int forward, int backward) {
  std::string line = std::string(Shown(a)) + " + " + std::string(Shown(b)) + ": " +
                     std::to_string(forward);
  if (backward != forward) {
    line += " (" + std::string(Shown(b)) + " + " + std::string(Shown(a)) + ": " +
            std::to_string(backward) + ")";
  }
  return line + "\n";
}

std::string JsonUnit(UnitId id) { return JsonEscape(std::string(UnitTexts[id])); }

}  // namespace

const std::vector<UnitAlias>& UnitAliases() {
  static const std::vector<UnitAlias> aliases = {
      {"ohm", "Ω"},      {"degC", "℃"},      {"degF", "ﾟF"},   {"m2", "㎡"},
      {"in^2", "in2"},   {"dBuV", "dBμV"},   {"m/s^2", "m/s2"}, {"angstrom", "Å"},
  };
  return aliases;
}

bool SplitUnit(const std::string& text, std::string& prefix, std::string& unit) {
  if (const auto u = UnitOf(text)) {
    prefix = std::string(NoPrefix);
    unit = std::string(*u);
    return true;
  }
  // The longest prefix first, so "da" wins over "d".
  const PrefixSpelling* best = nullptr;
  std::string_view bestUnit;
  for (const PrefixSpelling& p : PrefixSpellings()) {
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
  prefix = std::string(best->prefix);
  unit = std::string(bestUnit);
  return true;
}

std::string CliUsage() {
  std::string aliases;
  for (const UnitAlias& a : UnitAliases()) {
    aliases += "  " + std::string(a.spelling) + " = " + std::string(a.unit) + "\n";
  }
  return "usage: tamrisk-cli [--filter UNIT] [--this-year YEAR] [--json] NUMBER [UNIT] [NUMBER [UNIT]]\n"
         "       tamrisk-cli --batch [--this-year YEAR]\n"
         "       tamrisk-cli [--filter UNIT] [--json] --partners UNIT\n"
         "       tamrisk-cli [--json] --produces UNIT\n"
         "       tamrisk-cli --formula-list\n"
         "       tamrisk-cli --version | --help | --list-units | --list-prefixes\n"
         "\n"
         "Every formula whose two inputs carry exactly the given units writes one line.\n"
         "UNIT is a unit, optionally preceded by a prefix (kΩ, mV, μF). A text that is\n"
         "itself a unit (min, Pa, dBm) is never split. A NUMBER without UNIT has no unit.\n"
         "\n"
         "Options:\n"
         "  --filter UNIT     keep only the formulas whose result has this unit\n"
         "  --this-year YEAR  the present year of the calendar formulas\n"
         "  --json            print the result as the JSON object of --batch\n"
         "  --batch           read lines of seven TAB-separated fields (the texts of the\n"
         "                    window's seven input controls), write one JSON object each;\n"
         "                    a line longer than " + std::to_string(kMaxBatchLineBytes) +
         " bytes gets an error object\n"
         "  --partners UNIT   print the units that some formula takes with UNIT, in\n"
         "                    either order, and how many formulas: \"V + Ω: 6\"; with\n"
         "                    --filter, only formulas whose result has that unit\n"
         "  --produces UNIT   print the pairs of units whose formulas can give a result\n"
         "                    in UNIT, and how many formulas\n"
         "                    (for both, \"none\" is the unit of a number without unit)\n"
         "  --formula-list    print the formula list document\n"
         "  --list-units      print every unit spelling, one per line\n"
         "  --list-prefixes   print every prefix spelling, one per line\n"
         "\n"
         "Prefixes: y z a f p n μ m c d da h k M G T P E Z Y; u or µ may be typed for μ.\n"
         "ASCII spellings of units:\n" +
         aliases +
         "Look-alike letters count as the catalogue's: U+00C5 as Å (U+212B), the ohm\n"
         "sign U+2126 as Ω (U+03A9), the kelvin sign U+212A as K, µ in dBµV as μ.\n" +
         "All units: tamrisk-cli --list-units\n"
         "\n"
         "Exit status: 0 when a formula answered (or a unit was listed), 1 when there\n"
         "is no answer, 2 for a usage error, 3 when the output could not be written,\n"
         "4 when --batch could not read its input or ran out of memory.\n";
}

std::string UnitList() {
  std::string out;
  for (const std::string& u : UnitSpellingsList()) out += u + "\n";
  return out;
}

std::string PrefixList() {
  std::string out;
  for (const PrefixSpelling& p : PrefixSpellings()) out += std::string(p.spelling) + "\n";
  return out;
}

namespace {

// The length of the valid UTF-8 sequence at s[i], or 0 where none begins: no
// overlong forms, no surrogates, nothing above U+10FFFF.
size_t Utf8SequenceLength(std::string_view s, size_t i) {
  const auto c = static_cast<unsigned char>(s[i]);
  size_t length = 0;
  if (c < 0x80) return 1;
  if (c >= 0xC2 && c <= 0xDF) length = 2;
  else if (c >= 0xE0 && c <= 0xEF) length = 3;
  else if (c >= 0xF0 && c <= 0xF4) length = 4;
  else return 0;
  if (s.size() - i < length) return 0;
  for (size_t k = 1; k < length; ++k) {
    const auto d = static_cast<unsigned char>(s[i + k]);
    unsigned char low = 0x80, high = 0xBF;
    if (k == 1) {
      if (c == 0xE0) low = 0xA0;
      else if (c == 0xED) high = 0x9F;
      else if (c == 0xF0) low = 0x90;
      else if (c == 0xF4) high = 0x8F;
    }
    if (d < low || d > high) return 0;
  }
  return length;
}

// Characters that show nothing themselves but act on the terminal or on
// the text around them: the C0 and C1 controls, DEL, the line and paragraph
// separators and the marks that change the direction of text.
bool IsNonPrintable(char32_t cp) {
  return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F) || cp == 0x200E || cp == 0x200F ||
         (cp >= 0x2028 && cp <= 0x202E) || (cp >= 0x2066 && cp <= 0x2069);
}

}  // namespace

std::string Printable(std::string_view text) {
  static const char hex[] = "0123456789abcdef";
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    const size_t length = Utf8SequenceLength(text, i);
    bool escape = length == 0;
    if (!escape) {
      const auto c = static_cast<unsigned char>(text[i]);
      char32_t cp = length == 1 ? c : c & (0xFF >> (length + 1));
      for (size_t k = 1; k < length; ++k) cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
      escape = IsNonPrintable(cp);
    }
    if (!escape) {
      out.append(text, i, length);
      i += length;
      continue;
    }
    // Every byte of the character, or the one byte that begins no valid one.
    for (size_t k = 0; k < std::max<size_t>(length, 1); ++k) {
      const auto b = static_cast<unsigned char>(text[i + k]);
      out += "\\x";
      out.push_back(hex[b >> 4]);
      out.push_back(hex[b & 15]);
    }
    i += std::max<size_t>(length, 1);
  }
  return out;
}

bool ParseCliArgs(const std::vector<std::string>& args, CliCommand& cmd, std::string& error) {
  cmd = CliCommand{};
  cmd.input.subUnit1 = cmd.input.subUnit2 = std::string(NoPrefix);
  cmd.input.unit1 = cmd.input.unit2 = std::string(NoUnit);
  cmd.input.unit3 = std::string(NoFilter);
  cmd.input.param1 = cmd.input.param2 = "";
  std::vector<std::string> positional;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h") {
      cmd.mode = CliCommand::Mode::Help;
      return true;
    } else if (a == "--version") {
      cmd.mode = CliCommand::Mode::Version;
      return true;
    } else if (a == "--list-units") {
      cmd.mode = CliCommand::Mode::ListUnits;
      return true;
    } else if (a == "--list-prefixes") {
      cmd.mode = CliCommand::Mode::ListPrefixes;
      return true;
    } else if (a == "--batch") {
      cmd.mode = CliCommand::Mode::Batch;
    } else if (a == "--formula-list") {
      cmd.mode = CliCommand::Mode::FormulaList;
    } else if (a == "--json") {
      cmd.json = true;
    } else if (a == "--partners" || a == "--produces") {
      if (i + 1 >= args.size()) {
        error = a + " needs a unit";
        return false;
      }
      const std::string& u = args[++i];
      // A prefix is dropped, as a calculation drops it: the formulas go by
      // the unit alone.
      std::string prefix, unit;
      if (u == NoneSpelling) {
        cmd.unit = std::string(NoUnit);
      } else if (SplitUnit(u, prefix, unit)) {
        cmd.unit = unit;
      } else {
        std::vector<std::string> known = AllUnitSpellings();
        known.emplace_back(NoneSpelling);
        error = "unknown unit: " + Printable(u) + Closest(u, known);
        return false;
      }
      cmd.mode = a == "--partners" ? CliCommand::Mode::Partners : CliCommand::Mode::Produces;
    } else if (a == "--filter") {
      if (i + 1 >= args.size()) {
        error = "--filter needs a unit";
        return false;
      }
      const std::string& f = args[++i];
      const auto unit = UnitOf(f);
      if (!unit) {
        error = "unknown filter unit: " + Printable(f) + Closest(f, UnitSpellingsList());
        return false;
      }
      cmd.input.unit3 = std::string(*unit);
    } else if (a == "--this-year") {
      if (i + 1 >= args.size()) {
        error = "--this-year needs a year";
        return false;
      }
      const std::string& y = args[++i];
      int year = 0;
      auto [p, ec] = std::from_chars(y.data(), y.data() + y.size(), year);
      if (ec != std::errc() || p != y.data() + y.size()) {
        error = "not a year: " + Printable(y);
        return false;
      }
      cmd.thisYear = year;
    } else if (a.size() > 1 && a[0] == '-' && (a[1] == '-' || !LooksLikeNumber(a.substr(1)))) {
      error = "unknown option: " + Printable(a) + Closest(a, kOptions);
      return false;
    } else {
      positional.push_back(a);
    }
  }
  if (cmd.mode == CliCommand::Mode::Produces && cmd.input.unit3 != NoFilter) {
    error = "--filter does not go with --produces";
    return false;
  }
  if (cmd.mode != CliCommand::Mode::Calculate) {
    if (!positional.empty()) {
      error = "unexpected argument: " + Printable(positional.front());
      return false;
    }
    return true;
  }
  if (positional.empty()) {
    error = "a NUMBER is needed";
    return false;
  }
  // NUMBER [UNIT] [NUMBER [UNIT]]
  int param = 0;
  bool unitTaken[2] = {false, false};
  for (const std::string& p : positional) {
    const bool number = LooksLikeNumber(p);
    if (number && (param == 0 || param == 1)) {
      (param == 0 ? cmd.input.param1 : cmd.input.param2) = p;
      ++param;
      continue;
    }
    if (!number && param >= 1 && !unitTaken[param - 1]) {
      std::string prefix, unit;
      if (!SplitUnit(p, prefix, unit)) {
        error = "unknown unit: " + Printable(p) + Closest(p, AllUnitSpellings());
        return false;
      }
      (param == 1 ? cmd.input.subUnit1 : cmd.input.subUnit2) = prefix;
      (param == 1 ? cmd.input.unit1 : cmd.input.unit2) = unit;
      unitTaken[param - 1] = true;
      continue;
    }
    error = "unexpected argument: " + Printable(p);
    return false;
  }
  return true;
}

std::string HumanText(const RunOutput& out) {
  std::string text;
  text.reserve(out.output.size());
  for (size_t i = 0; i < out.output.size(); ++i) {
    if (out.output[i] == '\r' && i + 1 < out.output.size() && out.output[i + 1] == '\n') continue;
    text.push_back(out.output[i]);
  }
  if (out.failed) {
    const size_t first = text.find_first_not_of('\n');
    text.erase(0, first == std::string::npos ? text.size() : first);
  }
  if (!text.empty() && text.back() != '\n') text.push_back('\n');
  return text;
}

namespace {

// How a byte of UTF-8 text goes into a JSON string: Plain bytes stand for
// themselves; Lead3 bytes begin a three-byte sequence whose second byte may
// be any continuation byte (all of Japanese); every other byte is looked at
// on its own.
enum ByteKind : unsigned char { Plain, Lead3, Other };
constexpr std::array<ByteKind, 256> kByteKinds = [] {
  std::array<ByteKind, 256> kinds{};
  for (int c = 0; c < 256; ++c) {
    if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') kinds[c] = Plain;
    else if (c >= 0xE1 && c <= 0xEF && c != 0xED) kinds[c] = Lead3;
    else kinds[c] = Other;
  }
  return kinds;
}();

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Appends `text` as a JSON string, quotes included.
void AppendJsonString(std::string& out, std::string_view text) {
  static const char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD
  out += '"';
  const char* p = text.data();
  const char* const end = p + text.size();
  // Bytes that stand for themselves are copied a run at a time: [run, p)
  // is such a run, not yet in `out`.
  const char* run = p;
  while (p != end) {
    const auto c = static_cast<unsigned char>(*p);
    const ByteKind kind = kByteKinds[c];
    if (kind == Plain) {
      ++p;
      continue;
    }
    if (kind == Lead3 && end - p >= 3 && IsContinuation(p[1]) && IsContinuation(p[2])) {
      p += 3;
      continue;
    }
    if (c >= 0x80) {
      // A multi-byte sequence: its lead byte fixes the length, and the
      // second byte's range excludes overlong forms, surrogates and code
      // points above U+10FFFF. An invalid sequence is replaced up to the
      // byte where it fails.
      std::ptrdiff_t length = 0;
      if (c >= 0xC2 && c <= 0xDF) length = 2;
      else if (c >= 0xE0 && c <= 0xEF) length = 3;
      else if (c >= 0xF0 && c <= 0xF4) length = 4;
      std::ptrdiff_t valid = 1;
      for (; valid < length && p + valid < end; ++valid) {
        const auto d = static_cast<unsigned char>(p[valid]);
        unsigned char low = 0x80, high = 0xBF;
        if (valid == 1) {
          if (c == 0xE0) low = 0xA0;
          else if (c == 0xED) high = 0x9F;
          else if (c == 0xF0) low = 0x90;
          else if (c == 0xF4) high = 0x8F;
        }
        if (d < low || d > high) break;
      }
      if (length != 0 && valid == length) {
        p += length;
        continue;
      }
      out.append(run, p);
      out += kReplacement;
      run = p += valid;
      continue;
    }
    out.append(run, p);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      default: {
        static const char* hex = "0123456789abcdef";
        out += "\\u00";
        out.push_back(hex[c >> 4]);
        out.push_back(hex[c & 15]);
      }
    }
    run = ++p;
  }
  out.append(run, p);
  out += '"';
}

}  // namespace

std::string JsonEscape(const std::string& text) {
  std::string out;
  out.reserve(text.size() + 2);
  AppendJsonString(out, text);
  return out;
}

ListAnswer PartnersAnswer(const std::string& unit, const std::string& filter, bool json) {
  const UnitId id = UnitIdOf(unit);
  const std::vector<UnitPartner> partners = CataloguePartners(unit, filter);
  ListAnswer answer;
  answer.empty = partners.empty();
  if (json) {
    answer.text = "{\"unit\": " + JsonEscape(unit) + ", ";
    if (filter != NoFilter) answer.text += "\"filter\": " + JsonEscape(filter) + ", ";
    answer.text += "\"partners\": [";
    for (std::size_t i = 0; i < partners.size(); ++i) {
      const UnitPartner& p = partners[i];
      answer.text += (i ? ", " : "") + std::string("{\"unit\": ") + JsonUnit(p.unit) +
                     ", \"asSecond\": " + std::to_string(p.asSecond) +
                     ", \"asFirst\": " + std::to_string(p.asFirst) + "}";
    }
    answer.text += "]}\n";
    return answer;
  }
  for (const UnitPartner& p : partners) answer.text += PairLine(id, p.unit, p.asSecond, p.asFirst);
  return answer;
}

ListAnswer ProducersAnswer(const std::string& result, bool json) {
  const std::span<const UnitPairCount> producers = CatalogueUnitPairs().ProducersOf(result);
  ListAnswer answer;
  answer.empty = producers.empty();
  if (json) {
    answer.text = "{\"result\": " + JsonEscape(result) + ", \"pairs\": [";
    for (std::size_t i = 0; i < producers.size(); ++i) {
      const UnitPairCount& p = producers[i];
      answer.text += (i ? ", " : "") + std::string("{\"unit1\": ") + JsonUnit(p.unit1) +
                     ", \"unit2\": " + JsonUnit(p.unit2) +
                     ", \"forward\": " + std::to_string(p.forward) +
                     ", \"backward\": " + std::to_string(p.backward) + "}";
    }
    answer.text += "]}\n";
    return answer;
  }
  for (const UnitPairCount& p : producers) {
    answer.text += PairLine(p.unit1, p.unit2, p.forward, p.backward);
  }
  return answer;
}

std::string OutputJson(const RunOutput& out) {
  std::string json;
  json.reserve(out.param1.size() + out.param2.size() + out.output.size() + out.output.size() / 8 + 48);
  json += "{\"param1\": ";
  AppendJsonString(json, out.param1);
  json += ", \"param2\": ";
  AppendJsonString(json, out.param2);
  json += ", \"output\": ";
  AppendJsonString(json, out.output);
  json += '}';
  return json;
}

std::string RunBatchLine(const std::string& rawLine, int thisYear) {
  std::string_view line = rawLine;
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  // The fields are counted before any is made: a line of millions of TABs
  // costs no more than the line itself, and each field is copied once.
  const size_t fieldCount = static_cast<size_t>(std::count(line.begin(), line.end(), '\t')) + 1;
  if (fieldCount != 7) {
    return "{\"error\": " +
           JsonEscape("expected 7 TAB-separated fields, got " + std::to_string(fieldCount)) + "}";
  }
  RunInput in;
  std::string* const fields[] = {&in.param1,   &in.subUnit1, &in.unit1, &in.param2,
                                 &in.subUnit2, &in.unit2,    &in.unit3};
  size_t start = 0;
  for (std::string* field : fields) {
    const size_t tab = std::min(line.find('\t', start), line.size());
    field->assign(line.substr(start, tab - start));
    start = tab + 1;
  }
  in.thisYear = thisYear;
  return OutputJson(Calculate(in));
}

BatchLineRead ReadBatchLine(std::FILE* in, std::string& line, std::size_t limit) {
  line.clear();
  bool any = false;
  bool tooLong = false;
  // Past the limit the bytes are only counted away, so that a line of any
  // length costs no memory.
  auto keep = [&](const char* bytes, std::size_t n) {
    any = true;
    if (n > limit - line.size()) {
      tooLong = true;
      n = limit - line.size();
    }
    line.append(bytes, n);
  };
  for (;;) {
#ifdef __GLIBC__
    // The bytes already in the stdio buffer are taken a run at a time, as
    // getline(3) takes them.
    if (in->_IO_read_ptr < in->_IO_read_end) {
      char* const bytes = in->_IO_read_ptr;
      const auto n = static_cast<std::size_t>(in->_IO_read_end - bytes);
      char* const newline = static_cast<char*>(std::memchr(bytes, '\n', n));
      keep(bytes, newline ? static_cast<std::size_t>(newline - bytes) : n);
      in->_IO_read_ptr = newline ? newline + 1 : in->_IO_read_end;
      if (newline) break;
      continue;
    }
#endif
    // A byte at a time, which also fills the buffer again.
    const int c = getc_unlocked(in);
    if (c == EOF) {
      if (std::ferror(in)) return BatchLineRead::Error;
      if (!any) return BatchLineRead::End;
      break;
    }
    if (c == '\n') {
      any = true;
      break;
    }
    const char byte = static_cast<char>(c);
    keep(&byte, 1);
  }
  if (!tooLong) return BatchLineRead::Line;
  line.clear();
  return BatchLineRead::TooLong;
}

std::string BatchLineTooLongJson(std::size_t limit) {
  return "{\"error\": " +
         JsonEscape("line longer than the limit of " + std::to_string(limit) + " bytes") + "}";
}

}  // namespace tamrisk
