// Calculation cases written as text: inputs, as the seven texts of the input
// controls, and the whole block of lines that a domain writes for each. The
// files under tests/formulas/cases/ hold them. The formula tests run each
// input through its domain alone; the command line's tests feed the same
// inputs to `tamrisk-cli --batch` and find each block in the answer.
//
// A file is a series of cases, each a run of lines that a blank line ends:
//
//   # A comment, on a line of its own.
//   domain: CircuitDomain          the domain of the cases that follow
//   tables: OhmsLaw ESeries        only these tables of it (until the next domain)
//   input: 4.7 k Ω | 3 m A | W     parameter 1 | parameter 2 | result unit
//   input: 3 m A | 4.7 k Ω | W     more inputs that give the same block
//   invalid                        some line failed, so the input is unfit
//   this year: 2030                the run's current year
//   ● 4.7kΩの抵抗に電流 3mAを...   the lines of the block, exactly
//   (no lines)                     in place of the lines, for an empty block
//
// A parameter is its typed number, then a blank and its unit, with the
// unit's prefix and a blank before it: "10 V", "4.7 k Ω", "1 gal UK",
// "1 k gal UK"; a number alone has neither, and "" is an empty number. The
// result unit is left out for no filter. A case without "this year" runs in
// 2026 and must not depend on the year. Lines compare whole, so a blank at
// the end of a line counts (some calendar lines end with one).
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/catalogue.h"
#include "engine/run.h"

namespace tamrisk::testing {

struct TextCase {
  std::string where;                // file:line of its first input line
  std::string domain;               // as the domain's Name()
  std::vector<std::string> tables;  // the tables it is narrowed to, if any
  std::vector<RunInput> inputs;
  bool yearGiven = false;
  bool invalid = false;
  std::vector<std::string> lines;
};

struct CaseFile {
  std::vector<TextCase> cases;
  std::vector<std::string> errors;  // each with its file:line
};

inline constexpr int kCaseYear = 2026;

inline bool IsCatalogueUnit(std::string_view text) {
  return !text.empty() && std::find(UnitCatalogue.begin(), UnitCatalogue.end(), text) != UnitCatalogue.end();
}

inline std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

// "4.7 k Ω" into "4.7", "k", "Ω"; false for a text it cannot read.
inline bool ReadParameter(std::string_view text, std::string& number, std::string& prefix,
                          std::string& unit) {
  text = Trimmed(text);
  const size_t blank = text.find(' ');
  number = std::string(text.substr(0, blank));
  if (number == "\"\"") number.clear();
  prefix = std::string(NoPrefix);
  unit = std::string(NoUnit);
  if (number.empty() && text.substr(0, 2) != "\"\"") return false;
  if (blank == std::string_view::npos) return true;
  const std::string_view rest = Trimmed(text.substr(blank + 1));
  const size_t next = rest.find(' ');
  if (next == std::string_view::npos || IsCatalogueUnit(rest)) {
    unit = std::string(rest);
    return true;
  }
  prefix = std::string(rest.substr(0, next));
  unit = std::string(Trimmed(rest.substr(next + 1)));
  return !unit.empty();
}

// The input line of a case again, as the file writes it.
inline std::string InputText(const RunInput& in) {
  auto parameter = [](const std::string& number, const std::string& prefix, const std::string& unit) {
    std::string text = number.empty() ? "\"\"" : number;
    if (prefix != NoPrefix) text += " " + prefix;
    if (unit != NoUnit) text += " " + unit;
    return text;
  };
  std::string text = parameter(in.param1, in.subUnit1, in.unit1) + " | " +
                     parameter(in.param2, in.subUnit2, in.unit2);
  if (in.unit3 != NoFilter) text += " | " + in.unit3;
  return text;
}

// "4.7 k Ω | 3 m A | W" into the seven texts; false for a text it cannot read.
inline bool ReadInput(std::string_view text, RunInput& in) {
  in.thisYear = kCaseYear;
  in.unit3 = std::string(NoFilter);
  std::vector<std::string_view> parts;
  for (size_t bar; (bar = text.find(" | ")) != std::string_view::npos; text.remove_prefix(bar + 3)) {
    parts.push_back(text.substr(0, bar));
  }
  parts.push_back(text);
  if (parts.size() < 2 || parts.size() > 3) return false;
  if (parts.size() == 3) in.unit3 = std::string(Trimmed(parts[2]));
  return ReadParameter(parts[0], in.param1, in.subUnit1, in.unit1) &&
         ReadParameter(parts[1], in.param2, in.subUnit2, in.unit2) && !in.unit3.empty();
}

inline CaseFile ReadCaseFile(const std::filesystem::path& path) {
  CaseFile file;
  std::ifstream stream(path);
  const std::string name = path.filename().string();
  if (!stream) {
    file.errors.push_back(name + ": cannot be read");
    return file;
  }
  std::string domain;
  std::vector<std::string> tables;
  TextCase* open = nullptr;  // the case whose lines are being read
  bool noLines = false;
  bool inputs = false;  // still reading the inputs of the open case
  int number = 0;
  auto error = [&](const std::string& what) {
    file.errors.push_back(name + ":" + std::to_string(number) + ": " + what);
  };
  auto close = [&] {
    if (open && open->lines.empty() && !noLines) error("a case without its lines or \"(no lines)\"");
    open = nullptr;
    noLines = false;
  };
  for (std::string line; std::getline(stream, line);) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::string_view text = line;
    if (text.empty()) {
      close();
      continue;
    }
    if (!open) {
      if (text.front() == '#') continue;
      if (text.rfind("domain: ", 0) == 0) {
        domain = std::string(Trimmed(text.substr(8)));
        tables.clear();
        continue;
      }
      if (text.rfind("tables: ", 0) == 0) {
        tables.clear();
        std::string_view rest = Trimmed(text.substr(8));
        while (!rest.empty()) {
          const size_t blank = std::min(rest.find(' '), rest.size());
          tables.emplace_back(rest.substr(0, blank));
          rest = Trimmed(rest.substr(blank));
        }
        continue;
      }
      if (text.rfind("input: ", 0) != 0) {
        error("expected \"input:\", \"domain:\" or a comment");
        continue;
      }
      if (domain.empty()) error("a case before any \"domain:\"");
      TextCase c;
      c.where = name + ":" + std::to_string(number);
      c.domain = domain;
      c.tables = tables;
      file.cases.push_back(c);
      open = &file.cases.back();
      inputs = true;
    }
    const bool before = open->lines.empty() && !noLines;
    if (text.rfind("input: ", 0) == 0) {
      if (!inputs) error("inputs come first");
      RunInput in;
      if (!ReadInput(text.substr(7), in)) {
        error("an input is \"parameter | parameter\" or \"parameter | parameter | result unit\"");
      }
      open->inputs.push_back(in);
      continue;
    }
    inputs = false;
    if (text == "invalid" && before) {
      open->invalid = true;
    } else if (text.rfind("this year: ", 0) == 0 && before) {
      const std::string digits(text.substr(11));
      if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos) {
        error("a year is written in digits");
        continue;
      }
      open->yearGiven = true;
      for (RunInput& in : open->inputs) in.thisYear = std::stoi(digits);
    } else if (text == "(no lines)" && before) {
      noLines = true;
    } else if (noLines) {
      error("lines after \"(no lines)\"");
    } else {
      open->lines.push_back(line);
    }
  }
  close();
  return file;
}

// The case files of a folder, by name.
inline std::vector<std::filesystem::path> CaseFilePaths(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> paths;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (entry.path().extension() == ".cases") paths.push_back(entry.path());
  }
  std::sort(paths.begin(), paths.end());
  return paths;
}

}  // namespace tamrisk::testing
