// SPDX-License-Identifier: BSD-3-Clause
// Paints the sky for a view point and a set of settings with QPainter alone: the star chart
// (J2000, equatorial), or the horizontal view of an observer with the ground, the horizon and the
// compass; grids on request; labels placed so that none covers another; the panel beside it.
#pragma once

#include <QFont>
#include <QGradient>
#include <QHash>
#include <QImage>
#include <QRectF>
#include <QStringList>
#include <set>
#include <vector>

#include "desktop/sky/astronomy.h"
#include "desktop/sky/skycatalog.h"
#include "desktop/sky/skyframe.h"
#include "desktop/sky/skygeometry.h"
#include "desktop/sky/skypanel.h"
#include "desktop/sky/skysettings.h"

class QPainter;

namespace sky {

enum class LabelType { Star, DeepSky, Constellation, Cloud, Compass, Zenith };

// A label as placed on the picture.
struct PlacedLabel {
    QString text;
    QRectF rect;
    LabelType kind;
};

// What the last paint drew, for tests and the panel.
struct Counters {
    int stars = 0;
    int starLabels = 0;
    std::set<int> constellations;  // numbers with a line, boundary or name on the picture
    int constellationLabels = 0;   // names within the picture, placed or not
    bool milkyWay = false;
    int clouds = 0;
    int dsoMarks = 0;
    int dsoLabels = 0;
    int legendRows = 0;
    double faintLimit = 0;
    // The horizontal view
    bool ground = false;
    int compassLabels = 0;
    bool zenith = false;
    int belowHorizon = 0;  // stars within the limits and the picture's hemisphere hidden by the ground
    int gridLines = 0;     // grid segments drawn
    std::vector<PlacedLabel> labels;
    QRectF skyArea, panelArea;
};

// Where the view looks: a centre and a field of view across the shorter side of the sky's area.
struct ViewPoint {
    bool horizontal = false;
    double lon = 0, lat = 0;  // J2000 ra and dec on the chart; azimuth and altitude when horizontal
    double fov = 90;
    // The observer: the horizontal view needs one; on the chart it places the alt-azimuth grid.
    const Observation* observation = nullptr;

    Projection ProjectionOn(const QRectF& area) const;
};

struct PaintOptions {
    double time = 0;  // seconds, drives twinkling
    bool legend = true;
    bool labels = true;  // off for pictures that must not depend on the fonts installed
    bool altAzimuthGrid = false, equatorialGrid = false;
    QStringList placeTime;  // the panel's place and time lines
};

class Renderer {
public:
    explicit Renderer(const Catalog& catalog);

    void Paint(QPainter& painter, QSizeF size, const ViewPoint& view, const Settings& settings,
               const PaintOptions& options, Counters& counters);
    // The part of a picture the sky takes (the panel has the rest).
    static QRectF SkyArea(QSizeF size, const PaintOptions& options);

    // Colour of a star of colour index b-v.
    static QColor StarColour(double bv);
    // Radius in pixels of a star of a magnitude at image size 1.
    static double StarRadius(double mag);

private:
    struct Label {
        QString text;
        QPointF anchor;  // the mark's centre, or the label's centre when centred
        const QFont* font;
        QColor colour;
        LabelType kind;
        double rank;  // smaller goes first: a magnitude, or less for what must be there
        double mark;  // radius of the mark a label goes beside; negative when centred
    };

    // The sky's colour, the Milky Way's glow over it, and the rim of the drawn hemisphere.
    void PaintBackdrop(QPainter& p, const QRectF& area, const Projection& proj, const Settings& s, Counters& c);
    void PaintMilkyWayGlow(QPainter& p, const QRectF& area, const Projection& proj, const Settings& s, Counters& c);
    void PaintMilkyWayOutline(QPainter& p, const QRectF& area, const Projection& proj, const Settings& s, Counters& c);
    void PaintClouds(QPainter& p, const Projection& proj, const Settings& s, Counters& c);
    void PaintGrids(QPainter& p, const QRectF& area, const Projection& proj, const PaintOptions& o, Counters& c);
    void PaintConstellations(QPainter& p, const QRectF& area, const Projection& proj, const Settings& s, Counters& c);
    void PaintDeepSky(QPainter& p, const QRectF& area, const Projection& proj, const Settings& s, Counters& c);
    void PaintStars(QPainter& p, const QRectF& area, const Projection& proj, const Settings& s, double time, Counters& c);
    void PaintGround(QPainter& p, const QRectF& area, const Projection& proj, Counters& c);
    void PlaceLabels(QPainter& p, const QRectF& area, Counters& c);
    PanelStatus Status(const ViewPoint& view, const Settings& s, const PaintOptions& o, const Counters& c) const;
    // Whether a direction of the frame is hidden by the ground.
    bool BelowHorizon(Vec3 v) const { return frame_.Horizontal() && v.z < 0; }

    // A soft elliptical glow centred on (x, y) with radii rx, ry; the stops run from the centre out.
    void PaintGlow(QPainter& p, double x, double y, double rx, double ry, const QGradientStops& stops);
    const QImage& Sprite(StarStyle style, int colourIndex, int radiusQuarter, const QString& customFile);
    // A label drawn once with its shadow, then reused.
    QImage TextImage(const QString& text, const QFont& font, QColor colour, bool centred);
    // Adds the visible part of a segment to lines; true when any of it falls on the picture.
    static bool Segment(const Projection& proj, Vec3 a, Vec3 b, const QRectF& area, std::vector<QLineF>& lines);
    static bool Polyline(const Projection& proj, const std::vector<Vec3>& pts, const QRectF& area,
                         std::vector<QLineF>& lines);

    const Catalog& catalog_;
    SkyFrame frame_;
    Panel panel_;
    std::vector<int> starColourIndex_;
    QFont starFont_, consFont_, dsoFont_, compassFont_, minorCompassFont_;
    QHash<quint64, QImage> sprites_;
    QString spriteCustomFile_;
    QImage customImage_;
    QHash<QString, QImage> texts_, glows_;
    std::vector<Label> labels_;
    // The sky with the Milky Way of the last view, kept while the view and brightness stay.
    QImage milkyWay_;
    std::vector<std::pair<int, int>> milkyWaySpans_;  // per band of sample rows, the columns with any glow
    QString milkyWayKey_;
};

}  // namespace sky
