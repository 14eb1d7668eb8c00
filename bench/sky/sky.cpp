// SPDX-License-Identifier: BSD-3-Clause
// zemd02-skybench: the live sky of the desktop on the shipped default sky, drawn offscreen at
// 960 x 640 with its panel, as the desktop draws it for Tokyo at 2022-01-15 21:00 JST.
//   sky/redraw/…   a full redraw, the view moved a little each time so nothing of the last picture
//                  is reused (what a pan costs); with /new-instant the clock also steps a second,
//                  so what is in sight is seen anew through ERFA
//   sky/pan/widget a drag of the mouse on a shown view, from the event to the painted window
//   sky/observation the instant's ERFA context alone
//   click/…        a click in a dialog up to the sky's repaint (clicks.cpp)
//   start/desktop  the desktop program from its start to its first painted sky (start.cpp)
// Time is wall-clock time; CPU is the whole process's, since Qt smooths a scaled picture on more
// than one thread.
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <memory>

#include "bench/sky/skybench.h"
#include "companions/zemqel/corqel.h"
#include "desktop/sky/skytap.h"
#include "desktop/sky/skyview.h"

namespace {

using skybench::kInstant;
using skybench::kSize;
using skybench::SharedCatalog;

// The default sky in a view of its own, paused at the instant.
struct Sky {
    CCorQel engine;
    std::unique_ptr<sky::SkyView> view;
    std::unique_ptr<sky::RedrawTap> tap;

    explicit Sky(const char* coordinate) {
        engine.LoadStateFile(CString(QStringLiteral(ZEM_DATA_DIR "/sky/default.qel").toStdWString()));
        engine.SetDataPath(CString(QStringLiteral(ZEM_DATA_DIR).toStdWString()));
        view = std::make_unique<sky::SkyView>(&engine, SharedCatalog());
        view->resize(kSize);
        tap = std::make_unique<sky::RedrawTap>(view.get());
        engine.SetListener(tap.get());
        view->setAnimated(false);
        view->placeTime()->pause();
        view->placeTime()->setTime(kInstant);
        engine.Doit(CString((QStringLiteral("View.Coordinate = %1;Show Sky").arg(QLatin1String(coordinate))).toStdWString()));
    }
};

void Counters(benchmark::State& state, const sky::SkyView& view) {
    state.counters["stars"] = view.counters().stars;
    state.counters["labels"] = static_cast<double>(view.counters().labels.size());
}

void Redraw(benchmark::State& state, const char* coordinate, double lat, double fov, bool newInstant) {
    Sky sky(coordinate);
    const bool horizontal = QLatin1String(coordinate) == QLatin1String("Horizon");
    double lon = horizontal ? 180 : 90;
    QImage image(kSize, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        lon += 0.05;
        if (horizontal)
            sky.view->setHorizontalView(lon, lat, fov);
        else
            sky.view->setView(lon, lat, fov);
        if (newInstant) sky.view->placeTime()->step(1);
        QPainter painter(&image);
        sky.view->render(&painter);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    Counters(state, *sky.view);
}

void RegisterRedraw(const char* name, const char* coordinate, double lat, double fov, bool newInstant) {
    benchmark::RegisterBenchmark(name, [=](benchmark::State& s) { Redraw(s, coordinate, lat, fov, newInstant); })
        ->Unit(benchmark::kMillisecond)
        ->MeasureProcessCPUTime()
        ->UseRealTime();
}

void PanWidget(benchmark::State& state) {
    Sky sky("Horizon");
    sky.view->setHorizontalView(180, 35, 90);
    sky.view->show();
    // Until the window is on the (offscreen) screen and painted once.
    while (sky.view->counters().stars == 0) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QPointF at(300, 320);
    const QPointF step(2, 0);
    QMouseEvent press(QEvent::MouseButtonPress, at, at, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(sky.view.get(), &press);
    int frame = 0;
    for (auto _ : state) {
        at += (++frame / 100) % 2 ? -step : step;  // back and forth
        QMouseEvent move(QEvent::MouseMove, at, at, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(sky.view.get(), &move);
        sky.view->repaint();
    }
    Counters(state, *sky.view);
}

void Observation(benchmark::State& state) {
    const sky::Place tokyo;
    QDateTime t = kInstant;
    for (auto _ : state) {
        t = t.addSecs(1);
        sky::Observation o(tokyo, t);
        benchmark::DoNotOptimize(o.LocalSiderealTime());
    }
}

}  // namespace

namespace skybench {

const sky::Catalog& SharedCatalog() {
    static const sky::Catalog catalog = [] {
        sky::Catalog c;
        if (!c.Load(QStringLiteral(ZEM_DATA_DIR "/skyview"))) std::abort();
        return c;
    }();
    return catalog;
}

}  // namespace skybench

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RegisterRedraw("sky/redraw/horizon/90", "Horizon", 35, 90, false);
    RegisterRedraw("sky/redraw/horizon/90/new-instant", "Horizon", 35, 90, true);
    RegisterRedraw("sky/redraw/horizon/180", "Horizon", 90, 180, false);
    RegisterRedraw("sky/redraw/chart/90", "Equatorial", 10, 90, false);
    benchmark::RegisterBenchmark("sky/pan/widget", PanWidget)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
    benchmark::RegisterBenchmark("sky/observation", Observation)->Unit(benchmark::kMicrosecond);
    skybench::RegisterClickBenchmarks();
    skybench::RegisterStartBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
