// SPDX-License-Identifier: BSD-3-Clause
// Dialog benchmarks on the shipped default sky: opening each dialog, and one live change per kind
// of control, each driven through the platform's input entry points while the dialog runs
// modally. Every change is measured together with its floor: the same statements appended into a
// reserved buffer, then one scan of it that finds where each statement ends.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "bench/allocations.h"
#include "bench/benchmarks.h"
#include "bench/cases.h"
#include "bench/session.h"
#include "companions/zemqel/corqelrecorder.h"

namespace zembench {
namespace {

std::string Narrow(const wchar_t* s) { return zem::ToUtf8(s); }

// Opening: construction, initialisation up to the stored undo script, and closing the windows
// again without a result.
void Open(benchmark::State& state, const wchar_t* className) {
    Session session;
    CCorQelRecorder traffic;
    session.engine.SetListener(&traffic);
    if (!session.Open(className, nullptr)) return state.SkipWithError("no such dialog class");
    session.engine.SetListener(nullptr);
    const std::uint64_t before = Allocations();
    for (auto _ : state) session.Open(className, nullptr);
    const double n = static_cast<double>(state.iterations());
    state.counters["allocs"] = static_cast<double>(Allocations() - before) / n;
    state.counters["queries"] = traffic.Reads();
}

// What one change sends, as the engine sees it: the scripts of the action one way, and those of
// the action back (the benchmark repeats the two in turn).
struct Sent {
    std::vector<std::wstring> scripts;
    std::vector<std::wstring> back;
    bool ok = false;
};

// Opens the dialog, makes its controls live, and runs body with the action ready to repeat; the
// change's traffic both ways is recorded first.
void WithChange(const wchar_t* className, const Change& change, Sent& sent,
                const std::function<void(CDialog&)>& body) {
    Session session;
    session.Open(className, [&](CDialog& d) {
        MakeLive(d, change);
        CCorQelRecorder traffic;
        session.engine.SetListener(&traffic);
        const InputResult r = change.act(d, false);
        sent.scripts = traffic.Scripts();
        CCorQelRecorder backTraffic;
        session.engine.SetListener(&backTraffic);
        const InputResult b = change.act(d, true);
        session.engine.SetListener(nullptr);
        sent.back = backTraffic.Scripts();
        sent.ok = r == InputResult::Done && b == InputResult::Done && !sent.scripts.empty() &&
                  !sent.back.empty() && !d.HasEnded();
        if (sent.ok) body(d);
    });
}

// The statements of a script, each with its ';' (the last may have none).
std::vector<std::wstring> Statements(const std::wstring& script) {
    std::vector<std::wstring> out;
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i < script.size(); ++i) {
        if (script[i] == L'"') quoted = !quoted;
        else if (script[i] == L';' && !quoted) {
            out.push_back(script.substr(start, i + 1 - start));
            start = i + 1;
        }
    }
    if (start < script.size()) out.push_back(script.substr(start));
    return out;
}

void Describe(benchmark::State& state, const Sent& sent) {
    double chars = 0, statements = 0;
    for (const auto& s : sent.scripts) {
        chars += static_cast<double>(s.size());
        statements += static_cast<double>(Statements(s).size());
    }
    state.counters["chars"] = chars;
    state.counters["stmts"] = statements;
    state.counters["calls"] = static_cast<double>(sent.scripts.size());
}

// The floor of a change: for every script of one way of the change, the two ways in turn, an
// emptied buffer (its room kept) gets the script's statements appended one by one, and one scan
// finds each statement's end. The scan has no branch that depends on a character: a branch per
// character is predicted from however well the processor has learnt these few scripts, and that
// changed with where the loop happened to land (by up to a half between builds of the same
// code). Unrolled four times, it runs as fast as the branching loop did when all its branches
// were predicted.
class FloorLoop {
public:
    explicit FloorLoop(const Sent& sent) {
        std::size_t longest = 0;
        for (int way = 0; way < 2; ++way) {
            for (const auto& s : way == 0 ? sent.scripts : sent.back) {
                ways_[way].push_back(Statements(s));
                longest = std::max(longest, s.size());
            }
        }
        buffer_.reserve(longest);
    }

    // The thread's CPU time, in seconds, of count operations.
    double Time(std::int64_t count) {
        const double start = ThreadSeconds();
        for (std::int64_t i = 0; i < count; ++i) {
            Once(ways_[odd_]);
            odd_ = !odd_;
        }
        return ThreadSeconds() - start;
    }

private:
    using Script = std::vector<std::wstring>;  // its statements, each with its ';'

    static double ThreadSeconds() {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
    }

    void Once(const std::vector<Script>& scripts) {
        for (const Script& statements : scripts) {
            buffer_.clear();
            for (const auto& st : statements) buffer_.append(st);
            // The scan any reader needs: find each statement's end, a ';' outside quotes.
            unsigned ends = 0, quotedEnds = 0, quoted = 0;
#pragma GCC unroll 4
            for (wchar_t c : buffer_) {
                const unsigned end = c == L';';
                ends += end;
                quotedEnds += end & quoted;
                quoted ^= static_cast<unsigned>(c == L'"');
            }
            benchmark::DoNotOptimize(ends - quotedEnds);
        }
    }

    std::vector<Script> ways_[2];
    std::wstring buffer_;
    bool odd_ = false;
};

// A change and its floor are timed in the same run, in turn: after every batch of changes, with
// the timer paused, as many floor operations. Both see the machine as it was within a
// millisecond or so, and a busy spell of the machine slows both. A run too short to finish a
// batch times its floor once at the end, over as many operations.
void LiveChange(benchmark::State& state, const wchar_t* className, const Change& change) {
    static constexpr std::int64_t kBatch = 2048;
    Sent sent;
    std::uint64_t allocations = 0;
    double floorSeconds = 0;
    std::int64_t floorCount = 0;
    WithChange(className, change, sent, [&](CDialog& d) {
        FloorLoop floor(sent);
        bool odd = false;
        std::int64_t inBatch = 0;
        const std::uint64_t before = Allocations();
        for (auto _ : state) {
            change.act(d, odd);
            odd = !odd;
            if (++inBatch == kBatch) {
                state.PauseTiming();
                floorSeconds += floor.Time(kBatch);
                floorCount += kBatch;
                inBatch = 0;
                state.ResumeTiming();
            }
        }
        allocations = Allocations() - before;
        if (floorCount == 0) {
            floorCount = std::max<std::int64_t>(inBatch, 1);
            floorSeconds = floor.Time(floorCount);
        }
    });
    if (!sent.ok) return state.SkipWithError("the action sent nothing");
    Describe(state, sent);
    state.counters["allocs"] = static_cast<double>(allocations) / static_cast<double>(state.iterations());
    state.counters["floor"] = floorSeconds * 1e6 / static_cast<double>(floorCount);  // microseconds
}

}  // namespace

void RegisterDialogBenchmarks() {
    for (const DialogCase& c : Cases()) {
        const std::string name = Narrow(c.className);
        benchmark::RegisterBenchmark(("open/" + name).c_str(), Open, c.className);
        for (const Change& change : c.changes) {
            const std::string suffix = name + "/" + change.name;
            benchmark::RegisterBenchmark(("change/" + suffix).c_str(), LiveChange, c.className, change);
        }
    }
}

}  // namespace zembench
