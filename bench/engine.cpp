// SPDX-License-Identifier: BSD-3-Clause
// The engine alone, on the shipped default sky and on skies with 10, 100 and 1000 times as many
// properties (copies of every property under other names): the largest script a dialog sends,
// one query, one GetBool, and loading the sky from its file.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>

#include "bench/benchmarks.h"
#include "bench/session.h"
#include "companions/zemqel/corqelrecorder.h"
#include "platform/input.h"
#include "resources/resource_ids.h"

namespace zembench {
namespace {

constexpr int kScales[] = {1, 10, 100, 1000};

// The constellation dialog's script: every live change there sends it whole.
const std::wstring& LargestScript() {
    static const std::wstring script = [] {
        Session session;
        CCorQelRecorder traffic;
        session.engine.SetListener(&traffic);
        session.Open(L"CDlgCons", [](CDialog& d) { input::Click(d, IDC_CONS_LINE); });
        session.engine.SetListener(nullptr);
        std::wstring longest;
        for (const auto& s : traffic.Scripts())
            if (s.size() > longest.size()) longest = s;
        return longest;
    }();
    return script;
}

// The default sky with scale - 1 renamed copies of each of its properties, made once per run.
CCorQel& Sky(int scale) {
    static std::map<int, std::unique_ptr<CCorQel>> skies;
    auto& sky = skies[scale];
    if (!sky) {
        sky = std::make_unique<CCorQel>();
        sky->LoadStateFile(DefaultSkyPath());
        const auto properties = sky->GetProperties();
        for (int copy = 1; copy < scale; ++copy) {
            const std::wstring prefix = L"Copy" + std::to_wstring(copy) + L".";
            for (const auto& [path, value] : properties) sky->Set(CString(prefix + path.str()), value);
        }
    }
    return *sky;
}

// The state file of a scaled sky (the shipped file itself at scale 1), written once per run.
CString SkyFile(int scale) {
    if (scale == 1) return DefaultSkyPath();
    static std::map<int, std::filesystem::path> files;
    static const struct Cleanup {
        ~Cleanup() {
            std::error_code ec;
            for (const auto& [s, f] : files) std::filesystem::remove(f, ec);
        }
    } cleanup;
    auto& file = files[scale];
    if (file.empty()) {
        file = std::filesystem::temp_directory_path() / ("zemd02-bench-sky-x" + std::to_string(scale) + ".qel");
        std::ofstream(file, std::ios::binary) << zem::ToUtf8(Sky(scale).SaveState());
    }
    return CString(zem::FromUtf8(file.string()));
}

void Properties(benchmark::State& state, const CCorQel& engine) {
    state.counters["props"] = static_cast<double>(engine.GetPropertyCount());
}

void DoitLargest(benchmark::State& state, int scale) {
    CCorQel& engine = Sky(scale);
    const std::wstring& script = LargestScript();
    for (auto _ : state) benchmark::DoNotOptimize(engine.Doit(script.c_str()));
    Properties(state, engine);
    state.counters["chars"] = static_cast<double>(script.size());
}

void Query(benchmark::State& state, int scale) {
    CCorQel& engine = Sky(scale);
    for (auto _ : state) benchmark::DoNotOptimize(engine.Doit(L"? Star.GCVS.Magnitude.Maximum.Visible"));
    Properties(state, engine);
}

void GetBool(benchmark::State& state, int scale) {
    CCorQel& engine = Sky(scale);
    const CString object(L"Star.GCVS"), path(L"Magnitude.Maximum.Visible");
    for (auto _ : state) benchmark::DoNotOptimize(engine.GetBool(object, path));
    Properties(state, engine);
}

void Load(benchmark::State& state, int scale) {
    const CString file = SkyFile(scale);
    std::size_t count = 0;
    for (auto _ : state) {
        CCorQel engine;
        if (!engine.LoadStateFile(file)) return state.SkipWithError("cannot read the sky");
        count = engine.GetPropertyCount();
    }
    state.counters["props"] = static_cast<double>(count);
}

}  // namespace

void RegisterEngineBenchmarks() {
    const std::pair<const char*, void (*)(benchmark::State&, int)> operations[] = {
        {"doit", DoitLargest}, {"query", Query}, {"getbool", GetBool}, {"load", Load}};
    for (const auto& [name, run] : operations)
        for (int scale : kScales)
            benchmark::RegisterBenchmark(("engine/" + std::string(name) + "/x" + std::to_string(scale)).c_str(), run,
                                         scale);
}

}  // namespace zembench
