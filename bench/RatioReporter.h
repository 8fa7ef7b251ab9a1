#pragma once

#include <benchmark/benchmark.h>
#include <map>
#include <string>

// The console report, keeping each benchmark's real and CPU time per iteration (the median
// where repetitions are aggregated) so that ratios can be printed after the run.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median") {
                seconds_[run.run_name.function_name] = run.GetAdjustedRealTime() * 1e-9;
                cpuSeconds_[run.run_name.function_name] = run.GetAdjustedCPUTime() * 1e-9;
            }
        ConsoleReporter::ReportRuns(runs);
    }

    double seconds(const std::string& name) const { return seconds_.at(name); }
    double ratio(const std::string& measured, const std::string& yardstick) const
    {
        return seconds(measured) / seconds(yardstick);
    }

    // Leaves out the waits on the disk, which dominate a commit's real time.
    double cpuRatio(const std::string& measured, const std::string& yardstick) const
    {
        return cpuSeconds_.at(measured) / cpuSeconds_.at(yardstick);
    }

private:
    std::map<std::string, double> seconds_;
    std::map<std::string, double> cpuSeconds_;
};

// Runs the benchmarks the command line selects; true when it selected none, that is all of them
// ran and the summary may follow. Benchmark flags leave argv when read.
inline bool runAllBenchmarks(int& argc, char** argv, RatioReporter& reporter)
{
    const bool selected = argc > 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    return !selected;
}
