#pragma once
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

// Prints as the console does, then each measured benchmark's median against its baseline's
// median from the same run. Run with --benchmark_repetitions=N for medians of N runs.
namespace bench {

struct Ratio {
    std::string measured;
    std::string baseline;
};

class RatioReporter : public benchmark::ConsoleReporter {
public:
    explicit RatioReporter(std::vector<Ratio> ratios) : m_ratios(std::move(ratios)) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const std::string name = run.run_name.function_name + (run.run_name.args.empty() ? "" : "/" + run.run_name.args);
            // A single run stands for itself; with repetitions the median counts.
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (median || (run.run_type == Run::RT_Iteration && !m_medians.count(name)))
                m_medians[name] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
        }
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        // The machine may be shared: processor time is the steadier of the two.
        std::printf("\nratios of medians                                                real     cpu\n");
        for (const Ratio& r : m_ratios) {
            const auto m = m_medians.find(r.measured), b = m_medians.find(r.baseline);
            if (m == m_medians.end() || b == m_medians.end() || b->second.first <= 0 || b->second.second <= 0)
                continue;
            std::printf("  %-30s / %-28s %7.3f %7.3f\n", r.measured.c_str(), r.baseline.c_str(),
                        m->second.first / b->second.first, m->second.second / b->second.second);
        }
    }

private:
    std::vector<Ratio> m_ratios;
    std::map<std::string, std::pair<double, double>> m_medians;   // real, cpu
};

inline int RunWithRatios(int argc, char** argv, std::vector<Ratio> ratios)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter(std::move(ratios));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

} // namespace bench
