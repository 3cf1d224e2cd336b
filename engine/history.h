// The calculations a user has run, kept between visits: each one's seven
// inputs as typed, when it ran and the first line of what it answered. The
// window keeps them in a file, the page in the browser's storage; both use
// the record format and the limits here.
//
// Record format: UTF-8 text, one JSON object per line (LF ends a line), the
// oldest calculation first:
//
//   {"v":1,"time":"2026-12-11T10:15:00Z","p1":"10","m1":" ","u1":"V",
//    "p2":"5","m2":" ","u2":"Ω","f":" 指定なし","result":"●5Ωの抵抗に…"}
//
// "v" is the version of the line's layout (1). The names are those of a
// link (engine/link.h): p1 and p2 the entries, m1 and m2 the prefixes, u1
// and u2 the units, f the filter, all exactly as the lists show them
// (" " for no prefix or unit); "time" is when it ran, as the front end wrote
// it; "result" is the first non-blank line of the result. A line of a later
// version is read for these names and its other names are left out; a line
// that is no such object is set aside, not dropped.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/run.h"

namespace tamrisk {

struct HistoryEntry {
  RunInput input;  // thisYear is not kept
  std::string time;
  std::string result;
};

// Two entries are the same calculation: the same seven inputs and the same
// result line (the time does not count).
bool SameCalculation(const HistoryEntry& a, const HistoryEntry& b);

// At most this many entries are kept; the oldest go first.
inline constexpr std::size_t MaxHistoryEntries = 1000;

// The version written into every line.
inline constexpr int HistoryVersion = 1;

// The first line of a result text that holds something other than blanks:
// the failure messages begin with empty lines.
std::string FirstResultLine(std::string_view output);

// One line of the record format, without its line end. Bytes that are no
// valid UTF-8 are written as U+FFFD, so that every line is valid JSON.
std::string HistoryLine(const HistoryEntry& entry);

// The whole text: every entry's line, each ending with LF.
std::string SerializeHistory(const std::vector<HistoryEntry>& entries);

struct HistoryRead {
  std::vector<HistoryEntry> entries;  // oldest first, at most MaxHistoryEntries
  // Lines that could not be read, as they stood (blank lines are no loss and
  // are not among them).
  std::vector<std::string> damaged;
};

// Reads a whole text in the record format (CR LF line ends too), keeping
// every line it can read. Of more than MaxHistoryEntries entries the latest
// are kept.
HistoryRead ParseHistory(std::string_view text);

// Adds a calculation as the latest entry. A repeat of the latest entry is not
// kept again (returns false); else the oldest entries go beyond
// MaxHistoryEntries.
bool AddToHistory(std::vector<HistoryEntry>& entries, HistoryEntry entry);

// Removes the entry at `index` (0 the oldest); false when there is none.
bool RemoveFromHistory(std::vector<HistoryEntry>& entries, std::size_t index);

}  // namespace tamrisk
