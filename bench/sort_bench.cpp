// The listing's sort alone, in wall time, on the inputs of sort_names.h.
// Each case is repeated (7 times unless --benchmark_repetitions says
// otherwise) and reported by its minimum and median.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "bench/sort_names.h"
#include "browse/folder_listing.h"

namespace {

void SortNames(benchmark::State& state) {
    const std::vector<std::string> names = MakeSortNames(static_cast<int>(state.range(0)), state.range(1));
    // A first sort, untimed, so that the heap has served blocks of this
    // size before and every timed sort finds it alike.
    std::vector<std::string> warm = names;
    SortEntries(warm.data(), warm.data() + warm.size());
    // Refilled outside the timing, and never freed inside it.
    std::vector<std::string> table;
    for (auto _ : state) {
        state.PauseTiming();
        table = names;
        state.ResumeTiming();
        SortEntries(table.data(), table.data() + table.size());
        benchmark::DoNotOptimize(table.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(1));
}

BENCHMARK(SortNames)
    ->ArgNames({"kind", "n"})
    ->ArgsProduct({{0, 1, 2}, {100000, 1000000}})
    ->Unit(benchmark::kMillisecond)
    ->MinTime(0.3)
    // The fastest repetition is the one least disturbed by other work.
    ->ComputeStatistics("min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); })
    ->ReportAggregatesOnly(true);

// Prints the usual table, then how much 1,000,000 names cost against
// 100,000 for each kind of input (n log n predicts about 12), from the
// minima.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.aggregate_name != "min") continue;
            std::string name = run.run_name.str();
            size_t kind = name.find("kind:");
            size_t n = name.find("/n:");
            if (kind == std::string::npos || n == std::string::npos) continue;
            times_[name.substr(kind + 5, n - kind - 5)][std::stoll(name.substr(n + 3))] = run.GetAdjustedCPUTime();
        }
    }
    void PrintRatios() const {
        for (const auto& kind : times_) {
            auto small = kind.second.find(100000), large = kind.second.find(1000000);
            if (small == kind.second.end() || large == kind.second.end()) continue;
            std::printf("ratio sort 1000000/100000 %s %.2f\n", SortKindName(std::stoi(kind.first)),
                        large->second / small->second);
        }
    }

private:
    std::map<std::string, std::map<long long, double>> times_;
};

}  // namespace

int main(int argc, char** argv) {
    // Seven repetitions unless the command line asks for another number,
    // which, coming later, wins.
    std::vector<char*> args(argv, argv + argc);
    char defaultRepetitions[] = "--benchmark_repetitions=7";
    args.insert(args.begin() + 1, defaultRepetitions);
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
