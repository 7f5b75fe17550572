#pragma once
// Benchmarks report each figure as a ratio to its reference measured in the same run: the
// console table as usual, then one line per pair, CPU time per item (a page or a sheet)
// of the case over that of its reference.

#include <benchmark/benchmark.h>

#include <string>
#include <utility>
#include <vector>

namespace bench {

// A case and the reference it is compared with, by benchmark name (with its argument,
// e.g. "BM_PrintDevice/10").
struct RatioPair {
  std::string name;
  std::string reference;
  std::string says;  // what the ratio measures
};

// Runs the benchmarks selected on the command line and prints the ratios of the pairs
// whose two sides both ran. Returns main's exit code.
int runWithRatios(int argc, char** argv, const std::vector<RatioPair>& pairs);

}  // namespace bench
