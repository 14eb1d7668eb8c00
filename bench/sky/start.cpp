// SPDX-License-Identifier: BSD-3-Clause
// start/desktop: the desktop program started on the default sky (a new, empty config folder) up to
// its first painted sky, as a person starts it: the time from starting the process to the line
// --benchmark-start prints once the sky is on the screen, and the resident memory then. It runs
// on the platform the benchmark runs on (offscreen unless QT_QPA_PLATFORM says otherwise).
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include "bench/sky/skybench.h"

namespace skybench {
namespace {

void Start(benchmark::State& state) {
    double rssKb = 0;
    for (auto _ : state) {
        QTemporaryDir config;
        QProcess desktop;
        desktop.setProcessChannelMode(QProcess::SeparateChannels);
        desktop.setStandardErrorFile(QProcess::nullDevice());
        QElapsedTimer clock;
        clock.start();
        desktop.start(QStringLiteral(ZEM_DESKTOP_PROGRAM), {QStringLiteral("--benchmark-start"), QStringLiteral("--config"), config.path()});
        QByteArray line;
        while (!line.contains('\n') && desktop.waitForReadyRead(30000)) line += desktop.readAllStandardOutput();
        const double seconds = clock.nsecsElapsed() / 1e9;
        desktop.waitForFinished(30000);
        if (!line.startsWith("painted rss_kb=")) return state.SkipWithError("the desktop did not paint its sky");
        rssKb = line.mid(15).trimmed().toDouble();
        state.SetIterationTime(seconds);
    }
    state.counters["rss_MB"] = rssKb / 1024;
}

}  // namespace

void RegisterStartBenchmarks() {
    benchmark::RegisterBenchmark("start/desktop", Start)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);
}

}  // namespace skybench
