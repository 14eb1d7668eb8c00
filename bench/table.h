// SPDX-License-Identifier: BSD-3-Clause
// Prints the results as two tables (docs/benchmarks.md): the dialogs, each change beside its
// floor, and the engine by scale. With repetitions, each figure is the median.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace zembench {

class TableReporter : public benchmark::BenchmarkReporter {
public:
    explicit TableReporter(std::FILE* out) : out_(out) {}
    bool ReportContext(const Context& context) override;
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    struct Result {
        double us = 0;  // CPU time per iteration
        std::map<std::string, double> counters;
        std::string error;
    };
    void PrintDialogs();
    void PrintEngine();
    const Result* Find(const std::string& name) const;
    // A change's ratio: the median of its repetitions' own ratios, or the ratio of the medians
    // when the repetitions were not reported one by one.
    double Ratio(const std::string& name, double ofMedians) const;

    std::FILE* out_;
    int repetitions_ = 1;
    std::map<std::string, Result> results_;
    std::vector<std::string> order_;
    std::map<std::string, std::vector<double>> ratios_;  // a change's repetitions, each time over floor
};

}  // namespace zembench
