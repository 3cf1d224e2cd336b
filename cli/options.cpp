#include "cli/options.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>

#include "cli/batch.h"
#include "cli/spellings.h"
#include "engine/catalogue.h"
#include "engine/link.h"
#include "engine/numtext.h"
#include "engine/utf8.h"

namespace tamrisk {

namespace {

constexpr CliModes kCalculate = ModeBit(CliMode::Calculate);
constexpr CliModes kBatch = ModeBit(CliMode::Batch);
constexpr CliModes kPartners = ModeBit(CliMode::Partners);
constexpr CliModes kProduces = ModeBit(CliMode::Produces);

bool TakeNothing(CliCommand&, const std::string&, std::string&) { return true; }

bool TakeJson(CliCommand& cmd, const std::string&, std::string&) {
  cmd.json = true;
  return true;
}

bool TakeExplain(CliCommand& cmd, const std::string&, std::string&) {
  cmd.explain = true;
  return true;
}

bool TakeUrl(CliCommand& cmd, const std::string&, std::string&) {
  cmd.url = true;
  return true;
}

bool TakeFilter(CliCommand& cmd, const std::string& f, std::string& error) {
  const auto unit = UnitOf(f);
  if (!unit) {
    error = "unknown filter unit: " + Printable(f) + Closest(f, UnitSpellings());
    return false;
  }
  cmd.input.unit3 = std::string(*unit);
  return true;
}

bool TakeYear(CliCommand& cmd, const std::string& y, std::string& error) {
  int year = 0;
  auto [p, ec] = std::from_chars(y.data(), y.data() + y.size(), year);
  if (ec != std::errc() || p != y.data() + y.size()) {
    error = "not a year: " + Printable(y);
    return false;
  }
  cmd.thisYear = year;
  return true;
}

// The unit that --partners and --produces ask about. A prefix is dropped, as
// a calculation drops it: the formulas go by the unit alone.
bool TakeUnitAskedAbout(CliCommand& cmd, const std::string& u, std::string& error) {
  std::string prefix, unit;
  if (u == NoneSpelling) {
    cmd.unit = std::string(NoUnit);
  } else if (SplitUnit(u, prefix, unit)) {
    cmd.unit = unit;
  } else {
    std::vector<std::string> known = PrefixedUnitSpellings();
    known.emplace_back(NoneSpelling);
    error = "unknown unit: " + Printable(u) + Closest(u, known);
    return false;
  }
  return true;
}

static_assert(kMaxBatchLineBytes == 1048576, "the usage text of --batch names the limit");

// Each option once: a new option is a new row here, and the usage text, the
// manual page and the completion follow (tests/cli checks the last two).
constexpr std::array kOptions = {
    CliOption{"--filter", "", "UNIT", std::nullopt, kCalculate | kPartners, TakeFilter,
              "keep only the formulas whose result has this unit\n"},
    CliOption{"--this-year", "", "YEAR", std::nullopt, kCalculate | kBatch, TakeYear,
              "the present year of the calendar formulas\n"},
    CliOption{"--json", "", "", std::nullopt, kCalculate | kPartners | kProduces, TakeJson,
              "print the result as the JSON object of --batch; for a\n"
              "calculation with the array \"lines\": each result line's\n"
              "formula and the numbers in it\n"},
    CliOption{"--explain", "", "", std::nullopt, kCalculate | kBatch, TakeExplain,
              "print each result line followed by its formula, indented,\n"
              "and the numbers in it; with --batch, add \"lines\" to each\n"
              "object\n"},
    CliOption{"--url", "", "", std::nullopt, kCalculate, TakeUrl,
              "print the link that opens the page with these inputs and\n"
              "runs them, on the address in TAMRISK_PAGE_URL (default\n"
              "index.html, beside the page's files); not with --json\n"},
    CliOption{"--batch", "", "", CliMode::Batch, kBatch, TakeNothing,
              "read lines of seven TAB-separated fields (the texts of the\n"
              "window's seven input controls), write one JSON object each;\n"
              "a line longer than 1048576 bytes gets an error object\n"},
    CliOption{"--partners", "", "UNIT", CliMode::Partners, kPartners, TakeUnitAskedAbout,
              "print the units that some formula takes with UNIT, in\n"
              "either order, and how many formulas: \"V + Ω: 6\"; with\n"
              "--filter, only formulas whose result has that unit\n"},
    CliOption{"--produces", "", "UNIT", CliMode::Produces, kProduces, TakeUnitAskedAbout,
              "print the pairs of units whose formulas can give a result\n"
              "in UNIT, and how many formulas\n"
              "(for both, \"none\" is the unit of a number without unit)\n"},
    CliOption{"--formula-list", "", "", CliMode::FormulaList, ModeBit(CliMode::FormulaList),
              TakeNothing, "print the formula list document\n"},
    CliOption{"--list-units", "", "", CliMode::ListUnits, ModeBit(CliMode::ListUnits), TakeNothing,
              "print every unit spelling, one per line\n"},
    CliOption{"--list-prefixes", "", "", CliMode::ListPrefixes, ModeBit(CliMode::ListPrefixes),
              TakeNothing, "print every prefix spelling, one per line\n"},
    CliOption{"--version", "", "", CliMode::Version, ModeBit(CliMode::Version), TakeNothing,
              "print the version\n"},
    // Goes with every mode: a command line that is otherwise right, with
    // --help anywhere, prints the usage instead of running.
    CliOption{"--help", "-h", "", CliMode::Help, kAllModes, TakeNothing,
              "print this text instead of running\n"},
};

constexpr bool UniqueNames() {
  for (std::size_t i = 0; i < kOptions.size(); ++i) {
    for (std::size_t j = 0; j < kOptions.size(); ++j) {
      if (i != j && (kOptions[i].name == kOptions[j].name ||
                     (!kOptions[i].alias.empty() && kOptions[i].alias == kOptions[j].alias))) {
        return false;
      }
    }
  }
  return true;
}
static_assert(UniqueNames(), "two options with one name");

constexpr bool ModesAreConsistent() {
  for (const CliOption& o : kOptions) {
    if (o.modes == 0 || (o.modes & ~kAllModes) != 0) return false;
    if (o.chooses && (o.modes & ModeBit(*o.chooses)) == 0) return false;
  }
  return true;
}
static_assert(ModesAreConsistent(), "an option that goes with no mode, or not with its own");

// An option that goes with every mode does not choose one against another.
bool GoesWithEveryMode(const CliOption& o) { return o.modes == kAllModes; }

const CliOption* FindOption(std::string_view a) {
  for (const CliOption& o : kOptions) {
    if (o.name == a || (!o.alias.empty() && o.alias == a)) return &o;
  }
  return nullptr;
}

// A NUMBER argument, also one typed in full-width digits ("１２", "−５").
bool LooksLikeNumber(const std::string& a) {
  if (a.empty()) return false;
  // The first character as the number reading sees it.
  const char c = NarrowNumberText(std::string_view(a).substr(0, 3)).front();
  return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == '&';
}

// "UNIT" -> "a unit".
std::string ArgumentNoun(std::string_view argument) {
  std::string noun = "a ";
  for (char c : argument) noun.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
  return noun;
}

// NUMBER [UNIT] [NUMBER [UNIT]] into the seven texts of a calculation.
bool TakeCalculation(const std::vector<std::string>& positional, CliCommand& cmd,
                     std::string& error) {
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
        error = "unknown unit: " + Printable(p) + Closest(p, PrefixedUnitSpellings());
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

// Characters that show nothing themselves but act on the terminal or on
// the text around them: the C0 and C1 controls, DEL, the line and paragraph
// separators and the marks that change the direction of text.
bool IsNonPrintable(char32_t cp) {
  return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F) || cp == 0x200E || cp == 0x200F ||
         (cp >= 0x2028 && cp <= 0x202E) || (cp >= 0x2066 && cp <= 0x2069);
}

}  // namespace

std::span<const CliOption> CliOptions() { return kOptions; }

bool ParseCliArgs(const std::vector<std::string>& args, CliCommand& cmd, std::string& error) {
  cmd = CliCommand{};
  cmd.input.subUnit1 = cmd.input.subUnit2 = std::string(NoPrefix);
  cmd.input.unit1 = cmd.input.unit2 = std::string(NoUnit);
  cmd.input.unit3 = std::string(NoFilter);
  cmd.input.param1 = cmd.input.param2 = "";
  std::vector<std::string> positional;
  const CliOption* chosen = nullptr;       // the option that chose the mode
  std::vector<const CliOption*> modifiers;  // options that go with some modes
  bool help = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const CliOption* o = FindOption(a);
    if (!o) {
      if (a.size() > 1 && a[0] == '-' && (a[1] == '-' || !LooksLikeNumber(a.substr(1)))) {
        std::vector<std::string> names;
        for (const CliOption& k : kOptions) names.emplace_back(k.name);
        error = "unknown option: " + Printable(a) + Closest(a, names);
        return false;
      }
      positional.push_back(a);
      continue;
    }
    std::string argument;
    if (!o->argument.empty()) {
      if (i + 1 >= args.size()) {
        error = a + " needs " + ArgumentNoun(o->argument);
        return false;
      }
      argument = args[++i];
    }
    if (!o->take(cmd, argument, error)) return false;
    if (GoesWithEveryMode(*o)) {
      help = help || o->chooses == CliMode::Help;
    } else if (o->chooses) {
      // Given twice, the later one counts, as with any option.
      if (chosen && chosen->chooses != o->chooses) {
        error = std::string(o->name) + " does not go with " + std::string(chosen->name);
        return false;
      }
      chosen = o;
    } else {
      modifiers.push_back(o);
    }
  }
  cmd.mode = chosen ? *chosen->chooses : CliMode::Calculate;
  for (const CliOption* o : modifiers) {
    if ((o->modes & ModeBit(cmd.mode)) == 0) {
      error = std::string(o->name) + " does not go with " +
              (chosen ? std::string(chosen->name) : std::string("a calculation"));
      return false;
    }
  }
  if (cmd.mode != CliMode::Calculate) {
    if (!positional.empty()) {
      error = "unexpected argument: " + Printable(positional.front());
      return false;
    }
  } else if (positional.empty()) {
    if (!help) {
      error = "a NUMBER is needed";
      return false;
    }
  } else if (!TakeCalculation(positional, cmd, error)) {
    return false;
  }
  if (cmd.url && (cmd.json || cmd.explain)) {
    error = std::string("--url does not go with ") + (cmd.json ? "--json" : "--explain");
    return false;
  }
  if (help) cmd.mode = CliMode::Help;
  return true;
}

std::string PageLink(std::string_view base, const RunInput& input) {
  if (base.empty()) base = DefaultPageAddress;
  base = base.substr(0, base.find('#'));
  return std::string(base) + "#" + EncodeLink(input);
}

std::vector<std::string> CliSynopsis() {
  std::vector<std::string> lines;
  std::string others;
  auto line = [&](CliMode mode, std::string_view written) {
    std::string text = "tamrisk-cli";
    for (const CliOption& o : kOptions) {
      if (o.chooses || GoesWithEveryMode(o) || (o.modes & ModeBit(mode)) == 0) continue;
      text += " [" + std::string(o.name);
      if (!o.argument.empty()) text += " " + std::string(o.argument);
      text += "]";
    }
    if (text == "tamrisk-cli" && written.find(' ') == std::string_view::npos) {
      others += (others.empty() ? "tamrisk-cli " : " | ") + std::string(written);
      return;
    }
    lines.push_back(text + " " + std::string(written));
  };
  line(CliMode::Calculate, "NUMBER [UNIT] [NUMBER [UNIT]]");
  for (const CliOption& o : kOptions) {
    if (!o.chooses) continue;
    line(*o.chooses, o.argument.empty() ? std::string(o.name)
                                        : std::string(o.name) + " " + std::string(o.argument));
  }
  if (!others.empty()) lines.push_back(others);
  return lines;
}

std::string CliUsage() {
  std::string usage;
  for (const std::string& line : CliSynopsis()) {
    usage += (usage.empty() ? "usage: " : "       ") + line + "\n";
  }
  usage +=
      "\n"
      "Every formula whose two inputs carry exactly the given units writes one line.\n"
      "UNIT is a unit, optionally preceded by a prefix (kΩ, mV, μF). A text that is\n"
      "itself a unit (min, Pa, dBm) is never split. A NUMBER without UNIT has no unit.\n"
      "An option goes only with the modes whose usage line shows it, and a command\n"
      "line has one mode; --help may be added to any command line that is right.\n"
      "\n"
      "Options:\n";
  constexpr std::size_t kColumn = 20;
  for (const CliOption& o : kOptions) {
    std::string label = "  ";
    if (!o.alias.empty()) label += std::string(o.alias) + ", ";
    label += std::string(o.name);
    if (!o.argument.empty()) label += " " + std::string(o.argument);
    label.resize(std::max(kColumn, label.size() + 1), ' ');
    // The first help line beside the name, the others below it.
    std::string_view help = o.help;
    while (!help.empty()) {
      const std::size_t end = help.find('\n') + 1;
      usage += label;
      usage += help.substr(0, end);
      help.remove_prefix(end);
      label.assign(kColumn, ' ');
    }
  }
  return usage + "\n" + SpellingsHelp() +
         "All units: tamrisk-cli --list-units\n"
         "\n"
         "Exit status: 0 when a formula answered (or a unit was listed), 1 when there\n"
         "is no answer, 2 for a usage error, 3 when the output could not be written,\n"
         "4 when --batch could not read its input or ran out of memory.\n";
}

std::string Printable(std::string_view text) {
  static const char hex[] = "0123456789abcdef";
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const Utf8Char c = Utf8At(text, i);
    if (c.valid && !IsNonPrintable(c.code)) {
      out.append(text, i, c.size);
      i += c.size;
      continue;
    }
    // Every byte of the character, or of the part that begins no valid one.
    for (std::size_t k = 0; k < c.size; ++k) {
      const auto b = static_cast<unsigned char>(text[i + k]);
      out += "\\x";
      out.push_back(hex[b >> 4]);
      out.push_back(hex[b & 15]);
    }
    i += c.size;
  }
  return out;
}

}  // namespace tamrisk
