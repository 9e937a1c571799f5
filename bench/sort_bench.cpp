// The listing's sort alone, on inputs that would hurt a naive quicksort:
// random names, names already in order but forced through the sort by a
// leading "~" file, and names equal but for letter case.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "browse/folder_listing.h"

namespace {

std::vector<std::string> Names(int kind, int64_t count) {
    std::vector<std::string> names;
    names.reserve(count);
    std::mt19937 random(7);
    for (int64_t i = 0; i < count; ++i) {
        switch (kind) {
        case 0: names.push_back("file" + std::to_string(random()) + ".txt"); break;
        case 1: {
            char digits[16];
            std::snprintf(digits, sizeof digits, "%09lld", static_cast<long long>(i));
            names.push_back(std::string("name") + digits);
            break;
        }
        default: {
            std::string name = "readme.txt";
            for (size_t c = 0; c < name.size(); ++c)
                if ((random() & 1) && name[c] >= 'a' && name[c] <= 'z') name[c] -= 32;
            names.push_back(name);
        }
        }
    }
    if (kind == 1) names.push_back("~forces-the-sort");
    return names;
}

void SortNames(benchmark::State& state) {
    const std::vector<std::string> names = Names(static_cast<int>(state.range(0)), state.range(1));
    // The listing reuses its sort buffers; the first sort of a size pays
    // for growing them, which a program showing folders pays only once.
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
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

// Prints the usual table, then how much 1,000,000 names cost against
// 100,000 for each kind of input (n log n predicts about 12), from the
// medians.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            // The median of the repetitions: this machine's neighbours make
            // single runs vary by a third.
            if (run.aggregate_name != "median") continue;
            std::string name = run.run_name.str();
            size_t kind = name.find("kind:");
            size_t n = name.find("/n:");
            if (kind == std::string::npos || n == std::string::npos) continue;
            times_[name.substr(kind + 5, n - kind - 5)][std::stoll(name.substr(n + 3))] = run.GetAdjustedCPUTime();
        }
    }
    void PrintRatios() const {
        const char* kinds[] = {"random", "ordered-forced", "case-twins"};
        for (const auto& kind : times_) {
            auto small = kind.second.find(100000), large = kind.second.find(1000000);
            if (small == kind.second.end() || large == kind.second.end()) continue;
            std::printf("ratio sort 1000000/100000 %s %.2f\n", kinds[std::stoi(kind.first)],
                        large->second / small->second);
        }
    }

private:
    std::map<std::string, std::map<long long, double>> times_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
