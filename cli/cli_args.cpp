#include "cli/cli_args.h"

#include <charconv>

#include "engine/catalogue.h"
#include "formulas/catalogue_run.h"

namespace tamrisk {

namespace {

bool IsCatalogueUnit(std::string_view text) {
  if (text.empty()) return false;
  for (std::string_view u : UnitCatalogue) {
    if (u == text) return true;
  }
  return false;
}

bool LooksLikeNumber(const std::string& a) {
  if (a.empty()) return false;
  const char c = a[0];
  return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == '&';
}

std::string KnownUnits() {
  std::string s;
  for (std::string_view u : UnitCatalogue) {
    if (u.empty()) continue;
    if (!s.empty()) s += ", ";
    s += u;
  }
  return s;
}

}  // namespace

bool SplitUnit(const std::string& text, std::string& prefix, std::string& unit) {
  if (IsCatalogueUnit(text)) {
    prefix = std::string(NoPrefix);
    unit = text;
    return true;
  }
  // The longest prefix first, so "da" wins over "d".
  const PrefixEntry* best = nullptr;
  for (const PrefixEntry& p : PrefixCatalogue) {
    if (text.size() > p.text.size() && text.compare(0, p.text.size(), p.text) == 0 &&
        IsCatalogueUnit(std::string_view(text).substr(p.text.size())) &&
        (!best || p.text.size() > best->text.size())) {
      best = &p;
    }
  }
  if (!best) return false;
  prefix = std::string(best->text);
  unit = text.substr(best->text.size());
  return true;
}

std::string CliUsage() {
  return "usage: tamrisk-cli [--filter UNIT] [--this-year YEAR] NUMBER [UNIT] [NUMBER [UNIT]]\n"
         "       tamrisk-cli --batch [--this-year YEAR]\n"
         "       tamrisk-cli --formula-list\n"
         "UNIT is a unit, optionally preceded by a prefix (kΩ, mV, μF).\n"
         "Prefixes: y z a f p n μ m c d da h k M G T P E Z Y\n"
         "Units: " + KnownUnits() + "\n";
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
    } else if (a == "--batch") {
      cmd.mode = CliCommand::Mode::Batch;
    } else if (a == "--formula-list") {
      cmd.mode = CliCommand::Mode::FormulaList;
    } else if (a == "--filter") {
      if (i + 1 >= args.size()) {
        error = "--filter needs a unit";
        return false;
      }
      const std::string& f = args[++i];
      if (!IsCatalogueUnit(f)) {
        error = "unknown filter unit: " + f;
        return false;
      }
      cmd.input.unit3 = f;
    } else if (a == "--this-year") {
      if (i + 1 >= args.size()) {
        error = "--this-year needs a year";
        return false;
      }
      const std::string& y = args[++i];
      int year = 0;
      auto [p, ec] = std::from_chars(y.data(), y.data() + y.size(), year);
      if (ec != std::errc() || p != y.data() + y.size()) {
        error = "not a year: " + y;
        return false;
      }
      cmd.thisYear = year;
    } else if (a.size() > 2 && a.compare(0, 2, "--") == 0) {
      error = "unknown option: " + a;
      return false;
    } else {
      positional.push_back(a);
    }
  }
  if (cmd.mode != CliCommand::Mode::Calculate) {
    if (!positional.empty()) {
      error = "unexpected argument: " + positional.front();
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
        error = "unknown unit: " + p + "\nknown units: " + KnownUnits();
        return false;
      }
      (param == 1 ? cmd.input.subUnit1 : cmd.input.subUnit2) = prefix;
      (param == 1 ? cmd.input.unit1 : cmd.input.unit2) = unit;
      unitTaken[param - 1] = true;
      continue;
    }
    error = "unexpected argument: " + p;
    return false;
  }
  return true;
}

std::string JsonEscape(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20) {
          static const char* hex = "0123456789abcdef";
          out += "\\u00";
          out.push_back(hex[c >> 4]);
          out.push_back(hex[c & 15]);
        } else {
          out.push_back(static_cast<char>(c));
        }
    }
  }
  out += "\"";
  return out;
}

std::string RunBatchLine(const std::string& rawLine, int thisYear) {
  std::string line = rawLine;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  std::vector<std::string> fields;
  size_t start = 0;
  while (true) {
    const size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
    if (tab == std::string::npos) break;
    start = tab + 1;
  }
  if (fields.size() != 7) {
    return "{\"error\": " +
           JsonEscape("expected 7 TAB-separated fields, got " + std::to_string(fields.size())) +
           "}";
  }
  RunInput in;
  in.param1 = fields[0];
  in.subUnit1 = fields[1];
  in.unit1 = fields[2];
  in.param2 = fields[3];
  in.subUnit2 = fields[4];
  in.unit2 = fields[5];
  in.unit3 = fields[6];
  in.thisYear = thisYear;
  const RunOutput out = Calculate(in);
  return "{\"param1\": " + JsonEscape(out.param1) + ", \"param2\": " + JsonEscape(out.param2) +
         ", \"output\": " + JsonEscape(out.output) + "}";
}

}  // namespace tamrisk
