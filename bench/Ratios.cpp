#include "Ratios.h"

#include <cstdio>
#include <map>

namespace bench {

namespace {

// The console report, keeping each run's CPU time per item for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs) {
      if (r.run_type != Run::RT_Iteration || r.iterations == 0) continue;
      const auto items = r.counters.find("items_per_second");
      // items/s is counted in CPU time: its inverse is CPU seconds per item.
      if (items != r.counters.end() && items->second.value > 0)
        perItem_[r.benchmark_name()] = 1.0 / items->second.value;
    }
  }
  const std::map<std::string, double>& perItem() const { return perItem_; }

 private:
  std::map<std::string, double> perItem_;
};

}  // namespace

int runWithRatios(int argc, char** argv, const std::vector<RatioPair>& pairs) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  const auto& t = reporter.perItem();
  bool header = false;
  for (const RatioPair& p : pairs) {
    const auto a = t.find(p.name);
    const auto b = t.find(p.reference);
    if (a == t.end() || b == t.end()) continue;
    if (!header) std::printf("\nRatios (CPU time per item, this run):\n");
    header = true;
    std::printf("  %-28s / %-28s = %6.3f  %s\n", p.name.c_str(), p.reference.c_str(),
                a->second / b->second, p.says.c_str());
  }
  return 0;
}

}  // namespace bench
