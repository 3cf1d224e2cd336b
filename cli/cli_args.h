// Command-line parsing, unit spellings and output texts of tamrisk-cli, kept
// apart from main() so that tests can drive them directly.
#pragma once

#include <cstddef>
#include <cstdio>
#include <optional>
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

struct CliCommand {
  enum class Mode {
    Calculate, Batch, FormulaList, Help, Version, ListUnits, ListPrefixes, Partners, Produces
  };
  Mode mode = Mode::Calculate;
  bool json = false;  // Calculate, Partners, Produces: print a JSON object instead of lines
  // Partners: the unit asked about; Produces: the result unit (catalogue
  // texts, " " for none).
  std::string unit;
  std::optional<int> thisYear;
  RunInput input;  // Calculate; Partners takes its filter from input.unit3
};

// Fills `cmd` from the arguments; on a usage error returns false with a
// one-line message that names the offending argument and, when there are
// any, the closest known spellings.
bool ParseCliArgs(const std::vector<std::string>& args, CliCommand& cmd, std::string& error);

// Splits a UNIT argument into a catalogue prefix and a catalogue unit. A text
// that is itself a unit is never split ("min", "Pa", "dBm"). ASCII spellings
// are accepted beside the catalogue's texts: "ohm" for Ω, the prefix "u" for
// μ, "degC" for ℃, "m2" for ㎡ and the others of UnitAliases().
bool SplitUnit(const std::string& text, std::string& prefix, std::string& unit);

struct UnitAlias {
  std::string_view spelling;  // what a user can type
  std::string_view unit;      // the catalogue's text
};
// The ASCII spellings of catalogue units.
const std::vector<UnitAlias>& UnitAliases();

std::string CliUsage();

// Every unit spelling, one per line (catalogue texts, then ASCII spellings),
// and every prefix spelling: for shell completion.
std::string UnitList();
std::string PrefixList();

// The human mode's text of a run: LF line ends, and a "no answer" message
// without the empty lines that precede it in the result box.
std::string HumanText(const RunOutput& out);

// The answer of --partners or --produces: its text, and whether it names
// any unit.
struct ListAnswer {
  std::string text;
  bool empty = true;
};
// The units that go with `unit` (under the result-unit filter `filter`
// unless it is " 指定なし"), one line each, "V + Ω: 6", or a JSON object.
ListAnswer PartnersAnswer(const std::string& unit, const std::string& filter, bool json);
// The pairs of input units that can give the result unit `result`.
ListAnswer ProducersAnswer(const std::string& result, bool json);

// The JSON object of one run, as the batch mode writes it for a line.
std::string OutputJson(const RunOutput& out);

// One batch line: seven TAB-separated fields in, one JSON object out.
std::string RunBatchLine(const std::string& line, int thisYear);

// The longest batch line, its line feed not counted. A real line is a few
// hundred bytes; a longer one is answered with an error and never held.
inline constexpr std::size_t kMaxBatchLineBytes = std::size_t{1} << 20;  // 1 MiB

enum class BatchLineRead {
  Line,     // `line` holds the next line, without its line feed
  TooLong,  // the next line was longer than the limit: read to its end, not kept
  End,      // no more input
  Error,    // the input could not be read (errno says why)
};
// Reads the next line of `in` into `line`, holding at most `limit` bytes of
// it. The last line may lack its line feed. Throws std::bad_alloc when there
// is no memory for the line.
BatchLineRead ReadBatchLine(std::FILE* in, std::string& line, std::size_t limit);

// The answer to a line longer than `limit` bytes: one JSON object naming the
// limit.
std::string BatchLineTooLongJson(std::size_t limit);

// A text of the user's for a message on a terminal: printable UTF-8 as it
// is (Japanese too); control characters, DEL, the C1 controls, the line
// and paragraph separators, the marks that change the direction of text, and
// bytes that are no valid UTF-8 as "\x1b", "\xff": one escape per byte.
std::string Printable(std::string_view text);

// A JSON string literal. Invalid UTF-8 is written as U+FFFD, one for each
// maximal invalid sequence, so the output is always valid UTF-8 JSON.
std::string JsonEscape(const std::string& text);

}  // namespace tamrisk
