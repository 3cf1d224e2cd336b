// The batch mode of the command line over arbitrary bytes: every input line
// gives exactly one output line, and each is one JSON object in valid UTF-8,
// whatever bytes the line held.
#include <cstddef>
#include <cstdint>
#include <string>

#include "cli/cli_args.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  size_t start = 0;
  while (start <= input.size()) {
    const size_t end = input.find('\n', start);
    const std::string line = input.substr(start, end == std::string::npos ? std::string::npos : end - start);
    const std::string out = tamrisk::RunBatchLine(line, 2026);
    tamrisk::fuzz::Check(out.find('\n') == std::string::npos, "one output line per input line", out);
    tamrisk::fuzz::Check(tamrisk::fuzz::IsValidUtf8(out), "the output is valid UTF-8", out);
    tamrisk::fuzz::Check(tamrisk::fuzz::JsonObjectReader(out).Read(), "the output is a JSON object", out);
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return 0;
}
