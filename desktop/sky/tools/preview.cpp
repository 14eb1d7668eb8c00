// SPDX-License-Identifier: BSD-3-Clause
// Renders the sky view of the default sky, changed by property scripts, into a PNG file; or, with
// --time, measures how long a full redraw takes.
//
//   zem_skypreview OUT.png [--size WxH] [--view RA DEC FOV] [--horizontal AZ ALT FOV]
//                  [--place NAME] [--at YYYY-MM-DDTHH:MM:SS+09:00] [--grid altaz|equatorial]
//                  [--script TEXT]... [--no-legend] [--no-labels] [--time N]
// A view without --at is drawn for 2022-01-15 21:00 JST, so pictures stay the same; the place is
// Tokyo unless a built-in city is named.
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

#include "companions/zemqel/corqel.h"
#include "desktop/sky/skytap.h"
#include "desktop/sky/skyview.h"

namespace {

// CPU time of this thread: steadier than the wall clock on a shared machine.
double ThreadMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: zem_skypreview OUT.png [--size WxH] [--view RA DEC FOV] [--horizontal AZ ALT FOV] "
                             "[--place NAME] [--at ISO-TIME] [--grid altaz|equatorial] [--script TEXT]... "
                             "[--no-legend] [--no-labels] [--time N]\n");
        return 2;
    }
    sky::Catalog catalog;
    QString error;
    if (!catalog.Load(QStringLiteral(ZEM_DATA_DIR "/skyview"), &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    CCorQel engine;
    engine.LoadStateFile(CString(QStringLiteral(ZEM_DATA_DIR "/sky/default.qel").toStdWString()));
    engine.SetDataPath(CString(QStringLiteral(ZEM_DATA_DIR).toStdWString()));
    sky::SkyView view(&engine, catalog);
    sky::RedrawTap tap(&view);
    engine.SetListener(&tap);
    view.setAnimated(false);
    view.placeTime()->pause();
    view.placeTime()->setTime(QDateTime::fromString(QStringLiteral("2022-01-15T21:00:00+09:00"), Qt::ISODate));

    const QString out = args.takeFirst();
    QSize size(960, 640);
    int timings = 0;
    while (!args.isEmpty()) {
        const QString a = args.takeFirst();
        if (a == "--size" && !args.isEmpty()) {
            const QStringList wh = args.takeFirst().split(u'x');
            if (wh.size() == 2) size = QSize(wh[0].toInt(), wh[1].toInt());
        } else if (a == "--view" && args.size() >= 3) {
            const double ra = args.takeFirst().toDouble(), dec = args.takeFirst().toDouble();
            view.setView(ra, dec, args.takeFirst().toDouble());
        } else if (a == "--horizontal" && args.size() >= 3) {
            const double az = args.takeFirst().toDouble(), alt = args.takeFirst().toDouble();
            view.setHorizontalView(az, alt, args.takeFirst().toDouble());
        } else if (a == "--place" && !args.isEmpty()) {
            const QString name = args.takeFirst();
            for (const sky::Place& p : sky::BuiltInPlaces())
                if (p.name == name) view.placeTime()->setPlace(p);
        } else if (a == "--at" && !args.isEmpty()) {
            view.placeTime()->setTime(QDateTime::fromString(args.takeFirst(), Qt::ISODate));
        } else if (a == "--grid" && !args.isEmpty()) {
            const QString grid = args.takeFirst();
            if (grid == "altaz") view.setAltAzimuthGrid(true);
            if (grid == "equatorial") view.setEquatorialGrid(true);
        } else if (a == "--script" && !args.isEmpty()) {
            engine.Doit(CString((args.takeFirst() + ";Show Sky").toStdWString()));
        } else if (a == "--no-legend") {
            view.setLegendVisible(false);
        } else if (a == "--no-labels") {
            view.setLabelsVisible(false);
        } else if (a == "--time" && !args.isEmpty()) {
            timings = args.takeFirst().toInt();
        } else {
            std::fprintf(stderr, "unknown argument %s\n", qPrintable(a));
            return 2;
        }
    }
    QImage image = view.renderImage(size);
    if (timings > 0) {
        std::vector<double> wall, cpu;
        for (int i = 0; i < timings; ++i) {
            // A new centre each time, so nothing of the previous frame is reused.
            if (view.horizontal())
                view.setHorizontalView(view.azimuth() + 0.01, view.altitude(), view.fieldOfView());
            else
                view.setView(view.centerRa() + 0.01, view.centerDec(), view.fieldOfView());
            const double start = ThreadMs();
            image = view.renderImage(size);
            cpu.push_back(ThreadMs() - start);
            wall.push_back(view.lastPaintMs());
        }
        std::sort(wall.begin(), wall.end());
        std::sort(cpu.begin(), cpu.end());
        std::printf("full redraw %dx%d, %d stars drawn: cpu best %.2f ms, median %.2f ms (worst %.2f), wall median %.2f ms\n",
                    size.width(), size.height(), view.counters().stars, cpu.front(), cpu[cpu.size() / 2], cpu.back(),
                    wall[wall.size() / 2]);
    }
    if (!image.convertToFormat(QImage::Format_RGB888).save(out, nullptr, 0)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(out));
        return 1;
    }
    return 0;
}
