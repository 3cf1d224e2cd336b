#include "cli/batch.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "cli/json.h"
#include "formulas/catalogue_run.h"

namespace tamrisk {

std::string RunBatchLine(const std::string& rawLine, int thisYear, bool explain) {
  std::string_view line = rawLine;
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  // The fields are counted before any is made: a line of millions of TABs
  // costs no more than the line itself, and each field is copied once.
  const size_t fieldCount = static_cast<size_t>(std::count(line.begin(), line.end(), '\t')) + 1;
  if (fieldCount != 7) {
    return "{\"error\": " +
           JsonEscape("expected 7 TAB-separated fields, got " + std::to_string(fieldCount)) + "}";
  }
  RunInput in;
  std::string* const fields[] = {&in.param1,   &in.subUnit1, &in.unit1, &in.param2,
                                 &in.subUnit2, &in.unit2,    &in.unit3};
  size_t start = 0;
  for (std::string* field : fields) {
    const size_t tab = std::min(line.find('\t', start), line.size());
    field->assign(line.substr(start, tab - start));
    start = tab + 1;
  }
  in.thisYear = thisYear;
  if (explain) return ExplainedJson(CalculateExplained(in));
  return OutputJson(Calculate(in));
}

BatchLineRead ReadBatchLine(std::FILE* in, std::string& line, std::size_t limit) {
  line.clear();
  bool any = false;
  bool tooLong = false;
  // Past the limit the bytes are only counted away, so that a line of any
  // length costs no memory.
  auto keep = [&](const char* bytes, std::size_t n) {
    any = true;
    if (n > limit - line.size()) {
      tooLong = true;
      n = limit - line.size();
    }
    line.append(bytes, n);
  };
  for (;;) {
#ifdef __GLIBC__
    // The bytes already in the stdio buffer are taken a run at a time, as
    // getline(3) takes them.
    if (in->_IO_read_ptr < in->_IO_read_end) {
      char* const bytes = in->_IO_read_ptr;
      const auto n = static_cast<std::size_t>(in->_IO_read_end - bytes);
      char* const newline = static_cast<char*>(std::memchr(bytes, '\n', n));
      keep(bytes, newline ? static_cast<std::size_t>(newline - bytes) : n);
      in->_IO_read_ptr = newline ? newline + 1 : in->_IO_read_end;
      if (newline) break;
      continue;
    }
#endif
    // A byte at a time, which also fills the buffer again.
    const int c = getc_unlocked(in);
    if (c == EOF) {
      if (std::ferror(in)) return BatchLineRead::Error;
      if (!any) return BatchLineRead::End;
      break;
    }
    if (c == '\n') {
      any = true;
      break;
    }
    const char byte = static_cast<char>(c);
    keep(&byte, 1);
  }
  if (!tooLong) return BatchLineRead::Line;
  line.clear();
  return BatchLineRead::TooLong;
}

std::string BatchLineTooLongJson(std::size_t limit) {
  return "{\"error\": " +
         JsonEscape("line longer than the limit of " + std::to_string(limit) + " bytes") + "}";
}

}  // namespace tamrisk
