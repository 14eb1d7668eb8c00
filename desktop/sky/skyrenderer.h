// SPDX-License-Identifier: BSD-3-Clause
// Paints the sky for a projection and a set of settings with QPainter alone.
#pragma once

#include <QFont>
#include <QHash>
#include <QImage>
#include <QRectF>
#include <set>
#include <vector>

#include "desktop/sky/skycatalog.h"
#include "desktop/sky/skygeometry.h"
#include "desktop/sky/skysettings.h"

class QPainter;

namespace sky {

// What the last paint drew, for tests and the status line.
struct Counters {
    int stars = 0;
    int starLabels = 0;
    std::set<int> constellations;  // numbers with a line, boundary or name on the picture
    int constellationLabels = 0;
    bool milkyWay = false;
    int clouds = 0;
    int dsoMarks = 0;
    int dsoLabels = 0;
    int legendRows = 0;
    double faintLimit = 0;
};

struct PaintOptions {
    double time = 0;  // seconds, drives twinkling
    bool legend = true;
    bool labels = true;  // off for pictures that must not depend on the fonts installed
};

class Renderer {
public:
    explicit Renderer(const Catalog& catalog);

    void Paint(QPainter& painter, QSizeF size, const Projection& projection, const Settings& settings,
               const PaintOptions& options, Counters& counters);

    // Colour of a star of colour index b-v.
    static QColor StarColour(double bv);
    // Radius in pixels of a star of a magnitude at image size 1.
    static double StarRadius(double mag);

private:
    struct Label {
        QString text;
        QPointF anchor;  // left end of the baseline box's vertical middle, or centre when centred
        const QFont* font;
        QColor colour;
        bool centred;
    };

    void PaintBackground(QPainter& p, QSizeF size, const Projection& proj);
    void PaintMilkyWay(QPainter& p, QSizeF size, const Projection& proj, const Settings& s, Counters& c);
    void PaintClouds(QPainter& p, const Projection& proj, const Settings& s, Counters& c);
    void PaintConstellations(QPainter& p, QSizeF size, const Projection& proj, const Settings& s, Counters& c);
    void PaintDeepSky(QPainter& p, QSizeF size, const Projection& proj, const Settings& s, Counters& c);
    void PaintStars(QPainter& p, QSizeF size, const Projection& proj, const Settings& s, double time, Counters& c);
    // Labels that would cover an earlier one, or a reserved area, are left out.
    void PaintLabels(QPainter& p, QSizeF size, Counters& c, std::vector<QRectF> placed);
    // Builds the legend and the status line; returns the areas they will cover.
    std::vector<QRectF> PrepareLegend(QSizeF size, const Projection& proj, const Settings& s, Counters& c);
    void PaintLegend(QPainter& p);

    const QImage& Sprite(StarStyle style, int colourIndex, int radiusQuarter, const QString& customFile);
    // A label drawn once with its shadow, then reused.
    QImage TextImage(const QString& text, const QFont& font, QColor colour, bool centred);
    // Adds the visible part of a segment to lines; true when any of it falls on the picture.
    static bool Segment(const Projection& proj, Vec3 a, Vec3 b, const QRectF& area, std::vector<QLineF>& lines);
    static bool Polyline(const Projection& proj, const std::vector<Vec3>& pts, const QRectF& area,
                         std::vector<QLineF>& lines);

    const Catalog& catalog_;
    std::vector<int> starColourIndex_;
    QFont starFont_, consFont_, dsoFont_, legendFont_;
    QHash<quint64, QImage> sprites_;
    QString spriteCustomFile_;
    QImage customImage_;
    QHash<QString, QImage> texts_;
    std::vector<Label> labels_;
    // The Milky Way picture of the last view, kept while the view and brightness stay.
    QImage milkyWay_;
    QImage legend_, status_;
    QString legendKey_;
    QPointF legendAt_, statusAt_;
    QString milkyWayKey_;
};

}  // namespace sky
