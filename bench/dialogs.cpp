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
#include "bench/session.h"
#include "companions/zemqel/corqelrecorder.h"
#include "platform/input.h"
#include "resources/resource_ids.h"

namespace zembench {
namespace {

// One person's action; odd alternates it (check and uncheck, up and down, erase and retype), so
// that every iteration is a real change and the dialog comes back to where it started.
using Action = std::function<InputResult(CDialog&, bool odd)>;

Action ClickBox(UINT id) {
    return [id](CDialog& d, bool) { return input::Click(d, id); };
}
Action ClickRadios(UINT first, UINT second) {
    return [=](CDialog& d, bool odd) { return input::Click(d, odd ? first : second); };
}
Action SpinStep(UINT id) {
    return [id](CDialog& d, bool odd) { return input::Spin(d, id, !odd); };
}
// Erases the edit's last character, then types it again.
Action TypeKey(UINT id) {
    return [id, typed = std::wstring()](CDialog& d, bool odd) mutable {
        if (odd) return input::Append(d, id, typed);
        const CWnd* edit = d.GetDlgItem(static_cast<int>(id));
        const CString text = edit ? edit->GetWindowText() : CString();
        if (text.IsEmpty()) return InputResult::Unsupported;
        typed.assign(1, text.GetAt(text.GetLength() - 1));
        return input::Backspace(d, id);
    };
}
Action Pick(UINT id, int a, int b) {
    return [=](CDialog& d, bool odd) { return input::Select(d, id, odd ? a : b); };
}
Action TickItem(UINT id, int item) {
    return [=](CDialog& d, bool) { return input::Tick(d, id, item); };
}
Action ClickCell(UINT id, int row, int column) {
    return [=](CDialog& d, bool) { return input::Cell(d, id, row, column); };
}

struct Change {
    const char* name;
    Action act;
    std::vector<UINT> checked;  // boxes and radios clicked first where unchecked, to make it live
};

struct DialogCase {
    const wchar_t* className;
    std::vector<Change> changes;
};

const std::vector<DialogCase>& Cases() {
    static const std::vector<DialogCase> cases = {
        {L"CDlgMw",
         {{"click", ClickBox(IDC_MW_VISIBLE), {}},
          {"radio", ClickRadios(IDC_MW_REAL, IDC_MW_OUTLINE), {}},
          {"spin", SpinStep(IDC_MW_BRIGHTNESS_SPIN), {}},
          {"type", TypeKey(IDC_MW_BRIGHTNESS_EDIT), {}}}},
        {L"CDlgExoPlanet", {{"click", ClickBox(IDC_EXO_MARK), {}}}},
        {L"CDlgCons",
         {{"click", ClickBox(IDC_CONS_LINE), {}},
          {"tick", TickItem(IDC_CONS_LIST, 0), {}},
          {"pick", Pick(IDC_CONS_PICTURE_SET, 0, 1), {}}}},
        {L"CDlgStarGcvs",
         {{"click", ClickBox(IDC_GCVS_NAME), {}},
          {"spin", SpinStep(IDC_GCVS_MAG_MAX_SPIN), {IDC_GCVS_LIMIT_MAG, IDC_GCVS_MAG_FIXED}},
          {"type", TypeKey(IDC_GCVS_MAG_MIN), {IDC_GCVS_LIMIT_MAG, IDC_GCVS_MAG_FIXED}}}},
        {L"CDlgStarNova",
         {{"click", ClickBox(IDC_NOVA_NAME), {}},
          {"spin", SpinStep(IDC_NOVA_MAG_OFFSET_SPIN), {}},
          {"type", TypeKey(IDC_NOVA_MAG_OFFSET), {}}}},
        {L"CDlgStarSNova",
         {{"click", ClickBox(IDC_SNOVA_NAME), {}},
          {"spin", SpinStep(IDC_SNOVA_MAG_MAX_SPIN), {}},
          {"type", TypeKey(IDC_SNOVA_MAG_MIN), {}}}},
        {L"CDlgStarWds",
         {{"click", ClickBox(IDC_WDS_NAME), {}},
          {"spin", SpinStep(IDC_WDS_MAG_MAX_SPIN), {IDC_WDS_LIMIT_MAG, IDC_WDS_MAG_FIXED}},
          {"type", TypeKey(IDC_WDS_MAG_MIN), {IDC_WDS_LIMIT_MAG, IDC_WDS_MAG_FIXED}}}},
        {L"CDlgStarGsc", {{"click", ClickBox(IDC_GSC_STAR), {}}}},
        {L"CDlgStarUsnoA20", {{"click", ClickBox(IDC_USNO_ALL_STARS), {}}}},
        {L"CDlgStar",
         {{"click", ClickBox(IDC_STAR_BAYER), {}},
          {"radio", ClickRadios(IDC_STAR_MAG_AUTO, IDC_STAR_MAG_FIXED), {}},
          {"spin", SpinStep(IDC_STAR_MAG_AUTO_MIN_SPIN), {IDC_STAR_MAG_AUTO}},
          {"type", TypeKey(IDC_STAR_MAG_AUTO_MIN), {IDC_STAR_MAG_AUTO}},
          {"pick", Pick(IDC_STAR_SHAPE, 0, 1), {}}}},
        {L"CDlgNbl",
         {{"click", ClickBox(IDC_NBL_OUTLINE), {}},
          {"cell", ClickCell(IDC_NBL_CATALOG_LIST, 0, 0), {}},
          {"spin", SpinStep(IDC_NBL_MAG_MAX_SPIN), {IDC_NBL_MARK, IDC_NBL_LIMIT_MAG}},
          {"type", TypeKey(IDC_NBL_MAG_MAX), {IDC_NBL_MARK, IDC_NBL_LIMIT_MAG}}}},
    };
    return cases;
}

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

// What one change sends, as the engine sees it.
struct Sent {
    std::vector<std::wstring> scripts;
    bool ok = false;
};

// Opens the dialog, makes its controls live, and runs body with the action ready to repeat; the
// change's traffic is recorded first.
void WithChange(const wchar_t* className, const Change& change, Sent& sent,
                const std::function<void(CDialog&)>& body) {
    Session session;
    session.Open(className, [&](CDialog& d) {
        for (UINT id : change.checked)
            if (!d.IsDlgButtonChecked(static_cast<int>(id))) input::Click(d, id);
        CCorQelRecorder traffic;
        session.engine.SetListener(&traffic);
        const InputResult r = change.act(d, false);
        session.engine.SetListener(nullptr);
        change.act(d, true);
        sent.scripts = traffic.Scripts();
        sent.ok = r == InputResult::Done && !sent.scripts.empty() && !d.HasEnded();
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

void Floor(benchmark::State& state, const wchar_t* className, const Change& change) {
    Sent sent;
    WithChange(className, change, sent, [](CDialog&) {});
    if (!sent.ok) return state.SkipWithError("the action sent nothing");
    std::vector<std::vector<std::wstring>> scripts;
    std::size_t longest = 0;
    for (const auto& s : sent.scripts) {
        scripts.push_back(Statements(s));
        longest = std::max(longest, s.size());
    }
    std::wstring buffer;
    buffer.reserve(longest);
    for (auto _ : state) {
        for (const auto& statements : scripts) {
            buffer.clear();
            for (const auto& st : statements) buffer.append(st);
            // The scan any reader needs: find each statement's end.
            int ends = 0;
            bool quoted = false;
            for (wchar_t c : buffer) {
                if (c == L'"') quoted = !quoted;
                else if (c == L';' && !quoted) ++ends;
            }
            benchmark::DoNotOptimize(ends);
        }
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
