// SPDX-License-Identifier: BSD-3-Clause
// click/<dialog>/<kind>: a person's action on a dialog's control, from the platform's input entry
// point to the end of the repaint of the sky it changed. The dialog runs modally on the default
// sky, the view is shown (offscreen) and follows the engine as the desktop's does; the changes
// are those zemd02-bench times on their own.
#include <QApplication>
#include <benchmark/benchmark.h>

#include <string>

#include "bench/cases.h"
#include "bench/session.h"
#include "bench/sky/skybench.h"
#include "desktop/sky/skytap.h"
#include "desktop/sky/skyview.h"

namespace skybench {
namespace {

void ClickToRepaint(benchmark::State& state, const wchar_t* className, const zembench::Change& change) {
    zembench::Session session;
    sky::SkyView view(&session.engine, SharedCatalog());
    view.resize(kSize);
    sky::RedrawTap tap(&view);
    session.engine.SetListener(&tap);
    view.setAnimated(false);
    view.placeTime()->pause();
    view.placeTime()->setTime(kInstant);
    view.refresh();
    view.show();
    while (view.counters().stars == 0) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    bool sent = false;
    session.Open(className, [&](CDialog& d) {
        zembench::MakeLive(d, change);
        const int redraws = session.engine.GetRedrawCount();
        if (change.act(d, false) != InputResult::Done || session.engine.GetRedrawCount() == redraws) return;
        sent = true;
        bool odd = true;
        for (auto _ : state) {
            change.act(d, odd);
            odd = !odd;
            view.repaint();
        }
    });
    session.engine.SetListener(nullptr);
    if (!sent) return state.SkipWithError("the action redrew nothing");
    state.counters["stars"] = view.counters().stars;
}

}  // namespace

void RegisterClickBenchmarks() {
    for (const zembench::DialogCase& c : zembench::Cases())
        for (const zembench::Change& change : c.changes) {
            const std::string name = "click/" + zem::ToUtf8(c.className) + "/" + change.name;
            benchmark::RegisterBenchmark(name.c_str(), ClickToRepaint, c.className, change)
                ->Unit(benchmark::kMillisecond)
                ->MeasureProcessCPUTime()
                ->UseRealTime()
                ->MinTime(0.1);
        }
}

}  // namespace skybench
