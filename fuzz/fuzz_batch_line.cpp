// The batch mode of the command line over arbitrary bytes, read as the
// program reads them: every input line gives exactly one output line, and
// each is one JSON object in valid UTF-8, whatever bytes the line held. A
// line longer than the limit (a small one here, so that inputs reach it) is
// answered with the error object that names the limit, and the lines after
// it are answered as usual.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "cli/batch.h"
#include "fuzz/fuzz_support.h"

namespace {
constexpr size_t kLimit = 1024;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string input(reinterpret_cast<const char*>(data), size);
  std::FILE* in = fmemopen(const_cast<char*>(input.data()), input.size(), "r");
  if (!in) return 0;
  size_t start = 0;
  std::string line;
  for (tamrisk::BatchLineRead read; (read = tamrisk::ReadBatchLine(in, line, kLimit)) !=
                                    tamrisk::BatchLineRead::End;) {
    tamrisk::fuzz::Check(read != tamrisk::BatchLineRead::Error, "a line in memory reads", input);
    tamrisk::fuzz::Check(start < input.size(), "one output line per input line", input);
    size_t end = input.find('\n', start);
    if (end == std::string::npos) end = input.size();
    const size_t length = end - start;
    const std::string out = read == tamrisk::BatchLineRead::TooLong
                                ? tamrisk::BatchLineTooLongJson(kLimit)
                                : tamrisk::RunBatchLine(line, 2026);
    tamrisk::fuzz::Check((read == tamrisk::BatchLineRead::TooLong) == (length > kLimit),
                         "a line is too long exactly when it is longer than the limit", out);
    tamrisk::fuzz::Check(read == tamrisk::BatchLineRead::TooLong || line == input.substr(start, length),
                         "a line is read whole", line);
    tamrisk::fuzz::Check(out.find('\n') == std::string::npos, "one output line per input line", out);
    tamrisk::fuzz::Check(tamrisk::fuzz::IsValidUtf8(out), "the output is valid UTF-8", out);
    tamrisk::fuzz::Check(tamrisk::fuzz::JsonObjectReader(out).Read(), "the output is a JSON object", out);
    start = end + 1;
  }
  tamrisk::fuzz::Check(start >= input.size(), "every input line is answered", input);
  std::fclose(in);
  return 0;
}
