// tamrisk-cli: the calculation engine from a shell or a script.
//
//   tamrisk-cli [--filter UNIT] [--this-year YEAR] NUMBER [UNIT] [NUMBER [UNIT]]
//   tamrisk-cli --batch [--this-year YEAR]
//   tamrisk-cli --formula-list
#include <charconv>
#include <ctime>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_args.h"
#include "formulas/catalogue_run.h"

namespace {

int CurrentYear() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local.tm_year + 1900;
}

std::string PlainLineEnds(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out.push_back(text[i]);
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  tamrisk::CliCommand cmd;
  std::string error;
  if (!tamrisk::ParseCliArgs(args, cmd, error)) {
    std::cerr << "tamrisk-cli: " << error << "\n" << tamrisk::CliUsage();
    return 2;
  }
  if (cmd.mode == tamrisk::CliCommand::Mode::Help) {
    std::cout << tamrisk::CliUsage();
    return 0;
  }
  const int year = cmd.thisYear ? *cmd.thisYear : CurrentYear();
  if (cmd.mode == tamrisk::CliCommand::Mode::FormulaList) {
    std::cout << tamrisk::FormulaListDocument();
    return 0;
  }
  if (cmd.mode == tamrisk::CliCommand::Mode::Batch) {
    std::string line;
    while (std::getline(std::cin, line)) {
      std::cout << tamrisk::RunBatchLine(line, year) << "\n";
    }
    return 0;
  }
  cmd.input.thisYear = year;
  const tamrisk::RunOutput out = tamrisk::Calculate(cmd.input);
  std::cout << PlainLineEnds(out.output);
  if (!out.output.empty() && out.output.back() != '\n') std::cout << "\n";
  return out.failed ? 1 : 0;
}
