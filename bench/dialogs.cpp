// SPDX-License-Identifier: BSD-3-Clause
// Dialog benchmarks on the shipped default sky: opening each dialog, and one live change per kind
// of control, each driven through the platform's input entry points while the dialog runs
// modally. Every change is measured beside its floor: the same statements appended into a
// reserved buffer, then one scan of it that finds where each statement ends.
#include <benchmark/benchmark.h>

#include <algorithm>
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

void LiveChange(benchmark::State& state, const wchar_t* className, const Change& change) {
    Sent sent;
    std::uint64_t allocations = 0;
    WithChange(className, change, sent, [&](CDialog& d) {
        bool odd = false;
        const std::uint64_t before = Allocations();
        for (auto _ : state) {
            change.act(d, odd);
            odd = !odd;
        }
        allocations = Allocations() - before;
    });
    if (!sent.ok) return state.SkipWithError("the action sent nothing");
    Describe(state, sent);
    state.counters["allocs"] = static_cast<double>(allocations) / static_cast<double>(state.iterations());
}

// The floor alternates between the two ways of the change, as the change itself does. Its scan
// has no branch that depends on a character: a branch per character is predicted from however
// well the processor has learnt these few scripts, and that changed with where the loop happened
// to land (by up to a half between builds of the same code). Unrolled four times, it runs as fast
// as the branching loop did when all its branches were predicted.
void Floor(benchmark::State& state, const wchar_t* className, const Change& change) {
    Sent sent;
    WithChange(className, change, sent, [](CDialog&) {});
    if (!sent.ok) return state.SkipWithError("the action sent nothing");
    using Script = std::vector<std::wstring>;  // its statements, each with its ';'
    std::vector<Script> ways[2];
    std::size_t longest = 0;
    for (int way = 0; way < 2; ++way) {
        for (const auto& s : way == 0 ? sent.scripts : sent.back) {
            ways[way].push_back(Statements(s));
            longest = std::max(longest, s.size());
        }
    }
    std::wstring buffer;
    buffer.reserve(longest);
    bool odd = false;
    for (auto _ : state) {
        for (const Script& statements : ways[odd]) {
            buffer.clear();
            for (const auto& st : statements) buffer.append(st);
            // The scan any reader needs: find each statement's end, a ';' outside quotes.
            unsigned ends = 0, quotedEnds = 0, quoted = 0;
#pragma GCC unroll 4
            for (wchar_t c : buffer) {
                const unsigned end = c == L';';
                ends += end;
                quotedEnds += end & quoted;
                quoted ^= static_cast<unsigned>(c == L'"');
            }
            benchmark::DoNotOptimize(ends - quotedEnds);
        }
        odd = !odd;
    }
    Describe(state, sent);
}

}  // namespace

void RegisterDialogBenchmarks() {
    for (const DialogCase& c : Cases()) {
        const std::string name = Narrow(c.className);
        benchmark::RegisterBenchmark(("open/" + name).c_str(), Open, c.className);
        for (const Change& change : c.changes) {
            const std::string suffix = name + "/" + change.name;
            benchmark::RegisterBenchmark(("change/" + suffix).c_str(), LiveChange, c.className, change);
            benchmark::RegisterBenchmark(("floor/" + suffix).c_str(), Floor, c.className, change);
        }
    }
}

}  // namespace zembench
