#include "engine/history.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <optional>
#include <utility>

#include "engine/json_text.h"

namespace tamrisk {

namespace {

// The seven inputs by their record names, in the order of the line.
struct Field {
  const char* name;
  std::string RunInput::*member;
};
constexpr Field InputFields[] = {
    {"p1", &RunInput::param1}, {"m1", &RunInput::subUnit1}, {"u1", &RunInput::unit1},
    {"p2", &RunInput::param2}, {"m2", &RunInput::subUnit2}, {"u2", &RunInput::unit2},
    {"f", &RunInput::unit3},
};

std::optional<HistoryEntry> ReadLine(std::string_view line) {
  const std::optional<JsonMembers> members = ReadFlatJsonObject(line);
  if (!members) return std::nullopt;
  // The version: a whole number, 1 or later.
  const auto version = members->numbers.find("v");
  if (version == members->numbers.end() || version->second < 1) return std::nullopt;
  HistoryEntry entry;
  auto text = [&](const char* name, std::string& into) {
    const auto found = members->strings.find(name);
    if (found == members->strings.end()) return false;
    into = found->second;
    return true;
  };
  for (const Field& field : InputFields)
    if (!text(field.name, entry.input.*field.member)) return std::nullopt;
  if (!text("time", entry.time) || !text("result", entry.result)) return std::nullopt;
  return entry;
}

bool IsBlankLine(std::string_view line) {
  return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

}  // namespace

bool SameCalculation(const HistoryEntry& a, const HistoryEntry& b) {
  for (const Field& field : InputFields)
    if (a.input.*field.member != b.input.*field.member) return false;
  return a.result == b.result;
}

std::string FirstResultLine(std::string_view output) {
  while (!output.empty()) {
    const std::size_t end = output.find_first_of("\r\n");
    const std::string_view line = output.substr(0, end);
    if (line.find_first_not_of(' ') != std::string_view::npos) {
      // Leading blanks only pad the failure messages to the middle.
      return std::string(line.substr(line.find_first_not_of(' ')));
    }
    if (end == std::string_view::npos) break;
    output.remove_prefix(end + 1);
  }
  return {};
}

std::string HistoryLine(const HistoryEntry& entry) {
  std::string line = "{\"v\":" + std::to_string(HistoryVersion) + ",\"time\":";
  AppendJsonString(line, entry.time);
  for (const Field& field : InputFields) {
    line += ",\"";
    line += field.name;
    line += "\":";
    AppendJsonString(line, entry.input.*field.member);
  }
  line += ",\"result\":";
  AppendJsonString(line, entry.result);
  line += '}';
  return line;
}

std::string SerializeHistory(const std::vector<HistoryEntry>& entries) {
  std::string text;
  for (const HistoryEntry& entry : entries) {
    text += HistoryLine(entry);
    text += '\n';
  }
  return text;
}

HistoryRead ParseHistory(std::string_view text) {
  HistoryRead read;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!IsBlankLine(line)) {
      if (std::optional<HistoryEntry> entry = ReadLine(line))
        read.entries.push_back(std::move(*entry));
      else
        read.damaged.emplace_back(line);
    }
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  if (read.entries.size() > MaxHistoryEntries) {
    read.entries.erase(read.entries.begin(),
                       read.entries.end() - static_cast<std::ptrdiff_t>(MaxHistoryEntries));
  }
  return read;
}

bool AddToHistory(std::vector<HistoryEntry>& entries, HistoryEntry entry) {
  if (!entries.empty() && SameCalculation(entries.back(), entry)) return false;
  entries.push_back(std::move(entry));
  if (entries.size() > MaxHistoryEntries) {
    entries.erase(entries.begin(),
                  entries.end() - static_cast<std::ptrdiff_t>(MaxHistoryEntries));
  }
  return true;
}

bool RemoveFromHistory(std::vector<HistoryEntry>& entries, std::size_t index) {
  if (index >= entries.size()) return false;
  entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(index));
  return true;
}

}  // namespace tamrisk
