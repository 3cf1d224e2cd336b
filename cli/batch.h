// The batch mode of tamrisk-cli: lines of seven TAB-separated texts in, one
// JSON object a line out.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

namespace tamrisk {

// One batch line: seven TAB-separated fields in, one JSON object out.
std::string RunBatchLine(const std::string& line, int thisYear, bool explain = false);

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

}  // namespace tamrisk
