// SPDX-License-Identifier: BSD-3-Clause
#include "bench/table.h"

#include <algorithm>

namespace zembench {
namespace {

double Microseconds(double value, benchmark::TimeUnit unit) {
    switch (unit) {
        case benchmark::kNanosecond: return value / 1e3;
        case benchmark::kMicrosecond: return value;
        case benchmark::kMillisecond: return value * 1e3;
        case benchmark::kSecond: return value * 1e6;
    }
    return value;
}

// "open/CDlgMw" -> {"open", "CDlgMw", ""}; "change/CDlgMw/click" -> {"change", "CDlgMw", "click"}.
struct Name {
    std::string kind, subject, action;
};
Name Split(const std::string& name) {
    Name n;
    const auto a = name.find('/');
    const auto b = a == std::string::npos ? a : name.find('/', a + 1);
    n.kind = name.substr(0, a);
    if (a != std::string::npos) n.subject = name.substr(a + 1, b == std::string::npos ? b : b - a - 1);
    if (b != std::string::npos) n.action = name.substr(b + 1);
    return n;
}

}  // namespace

bool TableReporter::ReportContext(const Context&) { return true; }

void TableReporter::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs) {
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
        const std::string name = run.run_name.function_name;
        // Each repetition of a change gives the ratio of its own time to its own floor.
        if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
            const auto floor = run.counters.find("floor");
            if (floor != run.counters.end() && floor->second.value > 0)
                ratios_[name].push_back(Microseconds(run.GetAdjustedCPUTime(), run.time_unit) / floor->second.value);
        }
        if (!median && !single && !run.error_occurred) continue;
        if (!results_.count(name)) order_.push_back(name);
        Result& r = results_[name];
        if (run.error_occurred) {
            r.error = run.error_message;
            continue;
        }
        repetitions_ = std::max<int>(repetitions_, static_cast<int>(run.repetitions));
        r.us = Microseconds(run.GetAdjustedCPUTime(), run.time_unit);
        for (const auto& [key, counter] : run.counters) r.counters[key] = counter.value;
    }
}

double TableReporter::Ratio(const std::string& name, double ofMedians) const {
    const auto it = ratios_.find(name);
    if (it == ratios_.end() || it->second.empty()) return ofMedians;
    std::vector<double> ratios = it->second;
    const auto middle = ratios.begin() + static_cast<std::ptrdiff_t>(ratios.size() / 2);
    std::nth_element(ratios.begin(), middle, ratios.end());
    if (ratios.size() % 2) return *middle;
    return (*middle + *std::max_element(ratios.begin(), middle)) / 2;
}

const TableReporter::Result* TableReporter::Find(const std::string& name) const {
    const auto it = results_.find(name);
    return it == results_.end() ? nullptr : &it->second;
}

void TableReporter::Finalize() {
    std::fprintf(out_, "# zemd02-bench: CPU time per operation in microseconds, %s\n",
                 repetitions_ > 1 ? ("median of " + std::to_string(repetitions_) + " repetitions").c_str()
                                  : "one repetition");
    PrintDialogs();
    PrintEngine();
    std::fflush(out_);
}

void TableReporter::PrintDialogs() {
    bool header = false;
    for (const std::string& name : order_) {
        const Name n = Split(name);
        if (n.kind != "open" && n.kind != "change") continue;
        if (!header) {
            std::fprintf(out_, "\n%-16s %-6s %10s %10s %7s %8s %8s %6s %6s %6s\n", "dialog", "action", "time",
                         "floor", "ratio", "allocs", "queries", "calls", "stmts", "chars");
            header = true;
        }
        const Result& r = results_.at(name);
        const std::string action = n.kind == "open" ? "open" : n.action;
        if (!r.error.empty()) {
            std::fprintf(out_, "%-16s %-6s error: %s\n", n.subject.c_str(), action.c_str(), r.error.c_str());
            continue;
        }
        auto counter = [&](const Result& from, const char* key) {
            const auto it = from.counters.find(key);
            return it == from.counters.end() ? -1.0 : it->second;
        };
        auto column = [&](int width, double value, int decimals) {
            if (value < 0) std::fprintf(out_, " %*s", width, "-");
            else std::fprintf(out_, " %*.*f", width, decimals, value);
        };
        const double floor = counter(r, "floor");
        std::fprintf(out_, "%-16s %-6s", n.subject.c_str(), action.c_str());
        column(10, r.us, 3);
        column(10, floor > 0 ? floor : -1, 3);
        column(7, floor > 0 ? Ratio(name, r.us / floor) : -1, 2);
        column(8, counter(r, "allocs"), 1);
        column(8, counter(r, "queries"), 0);
        column(6, counter(r, "calls"), 0);
        column(6, counter(r, "stmts"), 0);
        column(6, counter(r, "chars"), 0);
        std::fprintf(out_, "\n");
    }
}

void TableReporter::PrintEngine() {
    std::vector<std::string> operations, scales;
    for (const std::string& name : order_) {
        const Name n = Split(name);
        if (n.kind != "engine") continue;
        if (std::find(operations.begin(), operations.end(), n.subject) == operations.end()) operations.push_back(n.subject);
        if (std::find(scales.begin(), scales.end(), n.action) == scales.end()) scales.push_back(n.action);
    }
    if (operations.empty()) return;
    std::sort(scales.begin(), scales.end(), [](const std::string& a, const std::string& b) {
        return std::stoi(a.substr(1)) < std::stoi(b.substr(1));  // "x10" after "x1"
    });
    std::fprintf(out_, "\n%-16s", "engine");
    for (const auto& s : scales) std::fprintf(out_, " %12s", s.c_str());
    std::fprintf(out_, "\n");
    for (const auto& op : operations) {
        std::fprintf(out_, "%-16s", op.c_str());
        for (const auto& s : scales) {
            const Result* r = Find("engine/" + op + "/" + s);
            if (!r) std::fprintf(out_, " %12s", "-");
            else if (!r->error.empty()) std::fprintf(out_, " %12s", "error");
            else std::fprintf(out_, " %12.3f", r->us);
        }
        std::fprintf(out_, "\n");
    }
    std::fprintf(out_, "%-16s", "properties");
    for (const auto& s : scales) {
        const Result* r = Find("engine/load/" + s);
        const auto it = r ? r->counters.find("props") : results_.begin()->second.counters.end();
        if (r && it != r->counters.end()) std::fprintf(out_, " %12.0f", it->second);
        else std::fprintf(out_, " %12s", "-");
    }
    std::fprintf(out_, "\n");
}

}  // namespace zembench
