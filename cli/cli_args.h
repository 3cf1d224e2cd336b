// Command-line parsing and batch lines of tamrisk-cli, kept apart from main()
// so that tests can drive them directly.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/run.h"

namespace tamrisk {

struct CliCommand {
  enum class Mode { Calculate, Batch, FormulaList, Help };
  Mode mode = Mode::Calculate;
  std::optional<int> thisYear;
  RunInput input;  // for Mode::Calculate
};

// Fills `cmd` from the arguments; on a usage error returns false with a
// message that names the offending argument.
bool ParseCliArgs(const std::vector<std::string>& args, CliCommand& cmd, std::string& error);

// Splits a UNIT argument into a catalogue prefix and a catalogue unit. A text
// that is itself a unit is never split ("min", "Pa", "dBm").
bool SplitUnit(const std::string& text, std::string& prefix, std::string& unit);

std::string CliUsage();

// One batch line: seven TAB-separated fields in, one JSON object out.
std::string RunBatchLine(const std::string& line, int thisYear);

std::string JsonEscape(const std::string& text);

}  // namespace tamrisk
