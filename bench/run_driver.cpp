// Runs one calculation many times, for counting instructions per run with
// callgrind (bench/instructions.sh): a count that does not depend on what
// else the machine is doing.
//
//   tamrisk_run_driver RUNS P1 PREFIX1 UNIT1 P2 PREFIX2 UNIT2 FILTER
#include <cstdio>
#include <cstdlib>
#include <string>

#include "formulas/catalogue_run.h"

int main(int argc, char** argv) {
  if (argc != 9) {
    std::fprintf(stderr, "usage: %s RUNS P1 PREFIX1 UNIT1 P2 PREFIX2 UNIT2 FILTER\n", argv[0]);
    return 2;
  }
  const long runs = std::atol(argv[1]);
  const tamrisk::RunInput in{argv[2], argv[3], argv[4], argv[5], argv[6], argv[7], argv[8], 2026};
  size_t total = 0;
  for (long i = 0; i < runs; ++i) total += tamrisk::Calculate(in).output.size();
  std::printf("%zu\n", total);
  return 0;
}
