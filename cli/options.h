// The options of tamrisk-cli: one table that the parsing, the usage text, the
// manual page's option list and the shell completion all follow, and the
// parsing of a command line into a command.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/run.h"

namespace tamrisk {

// Exit statuses of tamrisk-cli.
enum CliStatus : int {
  kStatusAnswered = 0,     // at least one formula answered (or a unit was listed)
  kStatusNoAnswer = 1,     // the result is one of the two "no answer" messages
  kStatusUsageError = 2,   // unknown option, unit or argument
  kStatusOutputError = 3,  // the output could not be written
  kStatusInputError = 4,   // the batch input could not be read, or the run ran out of memory
};

// What one run of tamrisk-cli does. A calculation is what it does without a
// mode option; Help is what --help turns any valid command line into.
enum class CliMode : unsigned char {
  Calculate, Batch, Partners, Produces, FormulaList, ListUnits, ListPrefixes, Version, Help
};

// A set of modes.
using CliModes = unsigned;
constexpr CliModes ModeBit(CliMode m) { return CliModes{1} << static_cast<unsigned>(m); }
inline constexpr CliModes kAllModes = ModeBit(CliMode::Help) * 2 - 1;

struct CliCommand {
  using Mode = CliMode;
  Mode mode = Mode::Calculate;
  bool json = false;  // Calculate, Partners, Produces: print a JSON object instead of lines
  // Calculate: print the page's link for the calculation (PageLink) instead
  // of running it.
  bool url = false;
  // Calculate, Batch: each result line with the formula that made it.
  bool explain = false;
  // Partners: the unit asked about; Produces: the result unit (catalogue
  // texts, " " for none).
  std::string unit;
  std::optional<int> thisYear;
  RunInput input;  // Calculate; Partners takes its filter from input.unit3
};

struct CliOption {
  std::string_view name;      // "--filter"
  std::string_view alias;     // another name for it ("-h"), or empty
  std::string_view argument;  // the word that follows it in the usage ("UNIT"), or empty
  // The mode that the option chooses, if it chooses one; a command line may
  // choose one mode, and a calculation is the mode when none is chosen.
  std::optional<CliMode> chooses;
  // The modes that the option goes with; an option that chooses a mode goes
  // with that mode.
  CliModes modes;
  // Takes the option's argument (empty when it has none) into the command;
  // on a mistake returns false with a one-line message.
  bool (*take)(CliCommand& cmd, const std::string& argument, std::string& error);
  // Its line in the usage text, and any further lines, each ending in "\n".
  std::string_view help;
};

// Every option, in the order of the usage text and the manual page.
std::span<const CliOption> CliOptions();

// Fills `cmd` from the arguments; on a usage error returns false with a
// one-line message that names the offending argument and, when there are
// any, the closest known spellings. An unknown option, an option's missing
// or unreadable argument, two modes, an option that the mode does not use
// and an argument that the mode does not take are all usage errors; --help
// anywhere on an otherwise valid command line chooses Help.
bool ParseCliArgs(const std::vector<std::string>& args, CliCommand& cmd, std::string& error);

// The page's address when TAMRISK_PAGE_URL names none: relative, beside the
// page's files.
inline constexpr std::string_view DefaultPageAddress = "index.html";

// The link that opens the page with the calculation's seven inputs: `base`
// (empty: DefaultPageAddress; a fragment of its own is dropped), "#" and
// the inputs' fragment (engine/link.h).
std::string PageLink(std::string_view base, const RunInput& input);

// The usage text of --help.
std::string CliUsage();

// The usage lines of the modes, "tamrisk-cli [--json] --produces UNIT", one
// for each mode that takes options or an argument, then one for the others.
std::vector<std::string> CliSynopsis();

// A text of the user's for a message on a terminal: printable UTF-8 as it
// is (Japanese too); control characters, DEL, the C1 controls, the line
// and paragraph separators, the marks that change the direction of text, and
// bytes that are no valid UTF-8 as "\x1b", "\xff": one escape per byte.
std::string Printable(std::string_view text);

}  // namespace tamrisk
