// SPDX-License-Identifier: BSD-3-Clause
#include "desktop/sky/skyrenderer.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "desktop/sky/skyhorizon.h"
#include "desktop/sky/skylabels.h"

namespace sky {
namespace {

constexpr int kColourBuckets = 25;  // b-v from -0.4 to 2.0 in tenths
constexpr double kArcmin = kDeg / 60.0;

int ColourIndex(double bv) {
    return std::clamp(static_cast<int>(std::lround((bv + 0.4) * 10)), 0, kColourBuckets - 1);
}

QColor DsoColour(DsoType t) {
    switch (t) {
        case DsoType::GlobularCluster:
        case DsoType::OpenCluster: return QColor(255, 230, 140);
        case DsoType::PlanetaryNebula:
        case DsoType::DiffuseNebula:
        case DsoType::SupernovaRemnant: return QColor(255, 140, 150);
        case DsoType::DarkNebula: return QColor(150, 150, 170);
        case DsoType::Galaxy:
        case DsoType::GroupOfGalaxies:
        case DsoType::ClusterOfGalaxies: return QColor(170, 200, 255);
        case DsoType::Other: break;
    }
    return QColor(200, 200, 200);
}

// A small chart symbol for a deep-sky object of a type, centred at the origin.
void DsoSymbol(QPainter& p, DsoType t, double r, double aspect) {
    switch (t) {
        case DsoType::GlobularCluster:
            p.drawEllipse(QPointF(), r, r);
            p.drawLine(QPointF(-r, 0), QPointF(r, 0));
            p.drawLine(QPointF(0, -r), QPointF(0, r));
            break;
        case DsoType::OpenCluster: {
            QPen pen = p.pen();
            pen.setStyle(Qt::DotLine);
            p.setPen(pen);
            p.drawEllipse(QPointF(), r, r);
            break;
        }
        case DsoType::PlanetaryNebula:
            p.drawEllipse(QPointF(), r * 0.6, r * 0.6);
            for (int k = 0; k < 4; ++k) {
                const double a = k * std::numbers::pi / 2;
                p.drawLine(QPointF(std::cos(a) * r * 0.6, std::sin(a) * r * 0.6), QPointF(std::cos(a) * r, std::sin(a) * r));
            }
            break;
        case DsoType::DiffuseNebula: p.drawRect(QRectF(-r, -r, 2 * r, 2 * r)); break;
        case DsoType::DarkNebula: {
            QPen pen = p.pen();
            pen.setStyle(Qt::DashLine);
            p.setPen(pen);
            p.drawRect(QRectF(-r, -r, 2 * r, 2 * r));
            break;
        }
        case DsoType::SupernovaRemnant: {
            const QPointF pts[] = {{0, -r}, {r, 0}, {0, r}, {-r, 0}};
            p.drawPolygon(pts, 4);
            break;
        }
        case DsoType::Galaxy: p.drawEllipse(QPointF(), r, r * std::clamp(aspect, 0.3, 1.0)); break;
        case DsoType::GroupOfGalaxies:
        case DsoType::ClusterOfGalaxies:
            p.drawEllipse(QPointF(-r * 0.4, 0), r * 0.6, r * 0.35);
            p.drawEllipse(QPointF(r * 0.4, 0), r * 0.6, r * 0.35);
            break;
        case DsoType::Other:
            p.drawLine(QPointF(-r, -r), QPointF(r, r));
            p.drawLine(QPointF(-r, r), QPointF(r, -r));
            break;
    }
}

// Hairlines of one pixel take the rasteriser's fast path; thousands of segments are drawn each frame.
QPen Hairline(const QColor& colour) {
    QPen pen(colour, 1.0);
    pen.setCosmetic(true);
    return pen;
}

// A soft elliptical glow centred on the origin with radii rx, ry; the stops run from the centre out.
void Glow(QPainter& p, double rx, double ry, const QGradientStops& stops) {
    QRadialGradient g(QPointF(0, 0), 1);
    g.setStops(stops);
    p.save();
    p.scale(rx, ry);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(QPointF(), 1.0, 1.0);
    p.restore();
}

QString Magnitude(double mag) { return QString::number(mag, 'f', 1); }

// Twinkling: each star swells and fades on its own slow rhythm.
double TwinkleFactor(int hip, double time, double strength) {
    const double phase = (hip * 2654435761u % 1000) / 1000.0 * 2 * std::numbers::pi;
    const double rate = 3.0 + (hip % 7) * 0.7;
    return 1.0 + 0.45 * strength * std::sin(time * rate + phase);
}

}  // namespace

Renderer::Renderer(const Catalog& catalog)
    : catalog_(catalog),
      frame_(catalog),
      starFont_(LabelFont(12)),
      consFont_(LabelFont(14, true)),
      dsoFont_(LabelFont(11)),
      compassFont_(LabelFont(17, true)),
      minorCompassFont_(LabelFont(13, true)) {
    starColourIndex_.reserve(catalog.Stars().size());
    for (const Star& s : catalog.Stars()) starColourIndex_.push_back(ColourIndex(s.hasBv ? s.bv : 0.6));
}

QColor Renderer::StarColour(double bv) {
    // Colour index to temperature, then temperature to a blackbody tint, paled towards white
    // as the eye sees stars.
    bv = std::clamp(bv, -0.4, 2.0);
    const double t = 4600.0 * (1.0 / (0.92 * bv + 1.7) + 1.0 / (0.92 * bv + 0.62)) / 100.0;
    const double r = t <= 66 ? 255 : 329.698727446 * std::pow(t - 60, -0.1332047592);
    const double g = t <= 66 ? 99.4708025861 * std::log(t) - 161.1195681661 : 288.1221695283 * std::pow(t - 60, -0.0755148492);
    const double b = t >= 66 ? 255 : t <= 19 ? 0 : 138.5177312231 * std::log(t - 10) - 305.0447927307;
    auto mix = [](double c) { return static_cast<int>(std::clamp(0.75 * std::clamp(c, 0.0, 255.0) + 0.25 * 255, 0.0, 255.0)); };
    return QColor(mix(r), mix(g), mix(b));
}

double Renderer::StarRadius(double mag) { return std::max(0.45, 0.6 + 0.42 * (6.5 - mag)); }

QImage Renderer::TextImage(const QString& text, const QFont& font, QColor colour, bool centred) {
    const QString key = QStringLiteral("%1 %2 %3 ").arg(reinterpret_cast<quintptr>(&font)).arg(colour.rgba()).arg(centred) + text;
    auto it = texts_.find(key);
    if (it != texts_.end()) return *it;
    if (texts_.size() > 4000) texts_.clear();  // labels of views long gone
    const QFontMetricsF fm(font);
    const QStringList lines = text.split(u'\n');
    double width = 0;
    for (const QString& l : lines) width = std::max(width, fm.horizontalAdvance(l));
    const double height = fm.height() * lines.size();
    QImage img(static_cast<int>(std::ceil(width)) + 3, static_cast<int>(std::ceil(height)) + 2, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font);
    for (int i = 0; i < lines.size(); ++i) {
        const double x = centred ? (width - fm.horizontalAdvance(lines[i])) / 2 : 0;
        const double y = fm.ascent() + i * fm.height();
        p.setPen(QColor(0, 0, 0, 210));
        p.drawText(QPointF(x + 1, y + 1), lines[i]);
        p.setPen(colour);
        p.drawText(QPointF(x, y), lines[i]);
    }
    p.end();
    return *texts_.insert(key, img);
}

const QImage& Renderer::Sprite(StarStyle style, int colourIndex, int radiusQuarter, const QString& customFile) {
    if (customFile != spriteCustomFile_) {
        spriteCustomFile_ = customFile;
        QString path = customFile;
        path.replace(u'\\', u'/');
        customImage_ = path.isEmpty() ? QImage() : QImage(path).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        for (auto it = sprites_.begin(); it != sprites_.end();)
            it = (it.key() >> 40) == static_cast<quint64>(StarStyle::Custom) ? sprites_.erase(it) : std::next(it);
    }
    const quint64 key = (static_cast<quint64>(style) << 40) | (static_cast<quint64>(colourIndex) << 20) |
                        static_cast<quint64>(radiusQuarter);
    auto it = sprites_.find(key);
    if (it != sprites_.end()) return *it;

    const double r = radiusQuarter / 4.0;
    const QColor c = StarColour(-0.4 + colourIndex / 10.0);
    const double extent = style == StarStyle::Mirado ? 3.6 * r + 2 : style == StarStyle::Real ? r + 1.5 : 2.6 * r + 2;
    const int side = 2 * static_cast<int>(std::ceil(extent)) + 1;
    QImage img(side, side, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const QPointF mid(side / 2.0, side / 2.0);
    auto disc = [&](double radius, double core) {
        QRadialGradient g(mid, radius);
        QColor edge = c;
        edge.setAlpha(0);
        g.setColorAt(0, r > 2.5 ? QColor(Qt::white) : QColor((c.red() + 255) / 2, (c.green() + 255) / 2, (c.blue() + 255) / 2));
        g.setColorAt(std::clamp(core, 0.05, 0.9), c);
        g.setColorAt(1, edge);
        p.setBrush(g);
        p.drawEllipse(mid, radius, radius);
    };
    // Faint stars fade rather than shrink below a pixel.
    p.setOpacity(std::clamp(r - 0.3, 0.3, 1.0));
    switch (style) {
        case StarStyle::Real: disc(std::max(r, 1.0) + 0.8, 0.55); break;
        case StarStyle::Blur: {
            QRadialGradient halo(mid, 2.6 * r + 1.5);
            QColor a = c, b = c;
            a.setAlpha(110);
            b.setAlpha(0);
            halo.setColorAt(0, a);
            halo.setColorAt(1, b);
            p.setBrush(halo);
            p.drawEllipse(mid, 2.6 * r + 1.5, 2.6 * r + 1.5);
            disc(std::max(r, 1.0) + 0.6, 0.35);
            break;
        }
        case StarStyle::Mirado: {
            disc(std::max(r, 1.0) * 1.6 + 0.8, 0.3);
            if (r > 2.2) {  // spikes on the bright stars only
                const double len = 3.6 * r;
                for (int k = 0; k < 2; ++k) {
                    QLinearGradient g(k ? QPointF(mid.x(), mid.y() - len) : QPointF(mid.x() - len, mid.y()),
                                      k ? QPointF(mid.x(), mid.y() + len) : QPointF(mid.x() + len, mid.y()));
                    QColor e = c;
                    e.setAlpha(0);
                    g.setColorAt(0, e);
                    g.setColorAt(0.5, Qt::white);
                    g.setColorAt(1, e);
                    p.setBrush(g);
                    const double w = std::max(0.8, r * 0.22);
                    p.drawRect(k ? QRectF(mid.x() - w / 2, mid.y() - len, w, 2 * len) : QRectF(mid.x() - len, mid.y() - w / 2, 2 * len, w));
                }
            }
            break;
        }
        case StarStyle::Custom: {
            const double s = std::max(5.0, 2.6 * r);
            const QRectF box(mid.x() - s, mid.y() - s, 2 * s, 2 * s);
            if (!customImage_.isNull()) {
                p.drawImage(box, customImage_);
                p.setCompositionMode(QPainter::CompositionMode_SourceIn);
                p.fillRect(img.rect(), c);
            } else {
                p.setBrush(Qt::NoBrush);
                p.setPen(QPen(c, std::max(1.0, r * 0.3)));
                p.drawEllipse(mid, s * 0.7, s * 0.7);
            }
            break;
        }
    }
    p.end();
    return *sprites_.insert(key, img);
}

void Renderer::PaintGlow(QPainter& p, double x, double y, double rx, double ry, const QGradientStops& stops) {
    // Filled on the spot, a gradient's spans go to Qt's thread pool and the painter waits for
    // them; a glow drawn once as a picture costs a copy. Huge ones (a cloud zoomed in) are filled.
    if (rx > 300 || ry > 300) {
        p.save();
        p.translate(x, y);
        Glow(p, rx, ry, stops);
        p.restore();
        return;
    }
    const double qx = std::round(rx * 2) / 2, qy = std::round(ry * 2) / 2;
    QString key = QStringLiteral("%1 %2").arg(qx).arg(qy);
    for (const auto& stop : stops) key += QStringLiteral(" %1 %2").arg(stop.first).arg(stop.second.rgba());
    auto it = glows_.find(key);
    if (it == glows_.end()) {
        if (glows_.size() > 2000) glows_.clear();  // sizes of fields long gone
        QImage img(2 * static_cast<int>(std::ceil(qx)) + 2, 2 * static_cast<int>(std::ceil(qy)) + 2, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter gp(&img);
        gp.setRenderHint(QPainter::Antialiasing);
        gp.translate(img.width() / 2.0, img.height() / 2.0);
        Glow(gp, qx, qy, stops);
        gp.end();
        it = glows_.insert(key, img);
    }
    p.drawImage(QPointF(std::round(x - it->width() / 2.0), std::round(y - it->height() / 2.0)), *it);
}

bool Renderer::Segment(const Projection& proj, Vec3 a, Vec3 b, const QRectF& area, std::vector<QLineF>& lines) {
    const double za = proj.Depth(a), zb = proj.Depth(b);
    if (za < 0 && zb < 0) return false;
    if (za < 0 || zb < 0) {
        const double t = za / (za - zb);
        const Vec3 edge = Normalized(a + t * (b - a));
        (za < 0 ? a : b) = edge;
    }
    double x1, y1, x2, y2;
    proj.Project(a, x1, y1);
    proj.Project(b, x2, y2);
    const QLineF line(x1, y1, x2, y2);
    if (!QRectF(QPointF(std::min(x1, x2), std::min(y1, y2)), QPointF(std::max(x1, x2), std::max(y1, y2)))
             .adjusted(-1, -1, 1, 1)
             .intersects(area))
        return false;
    lines.push_back(line);
    return true;
}

bool Renderer::Polyline(const Projection& proj, const std::vector<Vec3>& pts, const QRectF& area,
                        std::vector<QLineF>& lines) {
    bool any = false;
    for (std::size_t i = 1; i < pts.size(); ++i) any |= Segment(proj, pts[i - 1], pts[i], area, lines);
    return any;
}

namespace {

// Beyond the picture's farthest corner, directions are out of sight: a segment is at most 3°
// long, refraction lifts by well under a degree and the largest glows reach a few degrees.
constexpr double kSightMargin = 6.0;

// The angle from the centre to the farthest corner of the area in degrees; 180 when a corner
// lies beyond the drawn hemisphere.
double Reach(const Projection& proj, const QRectF& area) {
    double reach = 0;
    for (const QPointF corner : {area.topLeft(), area.topRight(), area.bottomLeft(), area.bottomRight()}) {
        Vec3 v;
        if (!proj.Unproject(corner.x(), corner.y(), v)) return 180;
        reach = std::max(reach, std::acos(std::clamp(proj.Depth(v), -1.0, 1.0)) / kDeg);
    }
    return reach;
}

// The horizon, a point a degree.
const Polyline& HorizonLine() {
    static const Polyline line = [] {
        Polyline l;
        for (int az = 0; az <= 360; ++az) l.push_back(HorizontalDirection(az, 0));
        return l;
    }();
    return line;
}

const QColor kSky(8, 13, 31), kGround(22, 32, 21), kHorizon(150, 190, 120), kCompass(238, 200, 124), kZenith(200, 210, 235);

}  // namespace

Projection ViewPoint::ProjectionOn(const QRectF& area) const {
    // Horizontal directions take -azimuth as their longitude (HorizontalDirection), so east is on
    // the left facing south. The area starts at the picture's left edge.
    return Projection(horizontal ? -lon : lon, lat, fov, area.width(), area.height());
}

QRectF Renderer::SkyArea(QSizeF size, const PaintOptions& o) {
    const double panel = o.legend && o.labels ? Panel::Width(size.width()) : 0;
    return QRectF(0, 0, size.width() - panel, size.height());
}

void Renderer::Paint(QPainter& p, QSizeF size, const ViewPoint& view, const Settings& s, const PaintOptions& o,
                     Counters& c) {
    c = Counters{};
    labels_.clear();
    const QRectF area = SkyArea(size, o);
    const Projection proj = view.ProjectionOn(area);
    c.skyArea = area;
    c.faintLimit = s.FaintLimit(view.fov);
    if (view.horizontal && view.observation)
        frame_.UseObservation(*view.observation, view.observation->Icrs(proj.Forward()), Reach(proj, area) + kSightMargin);
    else
        frame_.UseChart(view.observation);

    p.save();
    p.setClipRect(area);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    PaintBackdrop(p, area, proj, s, c);
    PaintMilkyWayOutline(p, area, proj, s, c);
    PaintClouds(p, proj, s, c);
    PaintGrids(p, area, proj, o, c);
    PaintConstellations(p, area, proj, s, c);
    PaintDeepSky(p, area, proj, s, c);
    PaintStars(p, area, proj, s, o.time, c);
    if (frame_.Horizontal()) PaintGround(p, area, proj, c);
    if (o.labels) PlaceLabels(p, area, c);
    p.restore();
    if (o.legend && o.labels) {
        c.panelArea = QRectF(area.right(), 0, size.width() - area.width(), size.height());
        c.legendRows = panel_.Paint(p, c.panelArea, s, Status(view, s, o, c));
    }
}

void Renderer::PaintBackdrop(QPainter& p, const QRectF& area, const Projection& proj, const Settings& s, Counters& c) {
    // The drawn hemisphere is a disc of radius 2 in the plane; beyond it the picture stays black.
    const QPointF mid(proj.CenterX(), proj.CenterY());
    const double rim = 2 * proj.Scale();
    const bool disc = rim < std::hypot(area.width(), area.height()) / 2;
    if (disc) {
        p.fillRect(area, QColor(2, 3, 8));
        p.setPen(Qt::NoPen);
        p.setBrush(kSky);
        p.drawEllipse(mid, rim, rim);
    } else {
        p.fillRect(area, kSky);
    }
    if (s.milkyWay && s.milkyWayImage) PaintMilkyWayGlow(p, area, proj, s, c);
    if (disc) {
        p.setPen(Hairline(QColor(70, 88, 128)));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(mid, rim, rim);
    }
}

void Renderer::PaintMilkyWayGlow(QPainter& p, const QRectF& area, const Projection& proj, const Settings& s, Counters& c) {
    // Sampled every few pixels and drawn smoothly scaled: the band is soft anyway. Sampled straight
    // in J2000, with the projection's axes turned back from the frame.
    // About eighty samples across the shorter side, whatever the size: the map itself is smoothed
    // over a degree or two.
    const int step = std::clamp(static_cast<int>(std::min(area.width(), area.height()) / 80), 4, 12);
    constexpr int band = 8;  // sample rows a band
    const int w = static_cast<int>(std::ceil(area.width() / step)) + 1, h = static_cast<int>(std::ceil(area.height() / step)) + 1;
    const QString key = QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
                            .arg(proj.Ra(), 0, 'g', 12).arg(proj.Dec(), 0, 'g', 12).arg(proj.Fov(), 0, 'g', 12)
                            .arg(w).arg(h).arg(s.milkyWayBrightness).arg(frame_.Stamp());
    if (key != milkyWayKey_) {
        milkyWayKey_ = key;
        milkyWay_ = QImage(w, h, QImage::Format_ARGB32_Premultiplied);
        milkyWaySpans_.assign(static_cast<std::size_t>((h + band - 1) / band), {w, -1});
        Projection j2000 = proj;
        j2000.SetAxes(frame_.ToJ2000(proj.East()), frame_.ToJ2000(proj.North()), frame_.ToJ2000(proj.Forward()));
        const Vec3 zenith = frame_.ToJ2000({0, 0, 1});
        const bool horizontal = frame_.Horizontal();
        const double gain = 0.32 * s.milkyWayBrightness;
        for (int y = 0; y < h; ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(milkyWay_.scanLine(y));
            auto& span = milkyWaySpans_[static_cast<std::size_t>(y / band)];
            for (int x = 0; x < w; ++x) {
                Vec3 v;
                double a = 0;
                // Well below the horizon the ground covers it.
                if (j2000.Unproject(x * step, y * step, v) && !(horizontal && Dot(v, zenith) < -0.05))
                    a = std::min(0.9, gain * catalog_.MilkyWayAt(v));
                // A glow of a level or two does not show on the night sky: left out, so the bands
                // below stay narrow.
                const int alpha = a * 255 < 3 ? 0 : static_cast<int>(a * 255);
                line[x] = qPremultiply(qRgba(196, 210, 255, alpha));
                if (alpha) span = {std::min(span.first, x), std::max(span.second, x)};
            }
        }
    }
    // Only where the band is: each run of rows scaled on its own, with a sample of overlap so the
    // smoothing runs on across the seams, clipped to its own rows.
    const int bands = static_cast<int>(milkyWaySpans_.size());
    for (int b = 0; b < bands; ++b) {
        const auto [first, last] = milkyWaySpans_[static_cast<std::size_t>(b)];
        if (last < first) continue;
        const int x0 = std::max(0, first - 1), x1 = std::min(w - 1, last + 1);
        const int y0 = std::max(0, b * band - 1), y1 = std::min(h - 1, (b + 1) * band);
        const QRectF source(x0, y0, x1 - x0 + 1, y1 - y0 + 1);
        // Sample centres fall on pixel positions: each sample covers half a step around its point.
        const QRectF target((x0 - 0.5) * step, (y0 - 0.5) * step, source.width() * step, source.height() * step);
        p.save();
        p.setClipRect(QRectF(target.left(), (b * band - 0.5) * step, target.width(), band * step), Qt::IntersectClip);
        p.drawImage(target, milkyWay_, source);
        p.restore();
    }
    c.milkyWay = true;
}

void Renderer::PaintMilkyWayOutline(QPainter& p, const QRectF& area, const Projection& proj, const Settings& s, Counters& c) {
    if (!s.milkyWay) return;
    if (s.milkyWayOutline) {
        std::vector<QLineF> lines[5];
        const auto& rings = catalog_.MilkyWayOutlines();
        for (std::size_t i = 0; i < rings.size(); ++i)
            if (const sky::Polyline* ring = frame_.MilkyWayRing(i))
                Polyline(proj, *ring, area, lines[std::clamp(rings[i].level, 1, 5) - 1]);
        for (int level = 0; level < 5; ++level) {
            if (lines[level].empty()) continue;
            QColor col = s.milkyWayOutlineColor;
            col.setAlphaF(0.35f + 0.13f * level);
            p.setPen(Hairline(col));
            p.drawLines(lines[level].data(), static_cast<int>(lines[level].size()));
            c.milkyWay = true;
        }
    }
}

void Renderer::PaintClouds(QPainter& p, const Projection& proj, const Settings& s, Counters& c) {
    if (!s.clouds) return;
    const auto& clouds = catalog_.Clouds();
    for (std::size_t i = 0; i < clouds.size(); ++i) {
        const MagellanicCloud& m = clouds[i];
        Vec3 v;
        if (!frame_.Cloud(i, v) || !proj.Visible(v)) continue;
        double x, y;
        proj.Project(v, x, y);
        const double k = proj.ScaleAt(v) * kArcmin / 2;
        const double rx = m.major * k, ry = m.minor * k;
        if (s.cloudsImage) {
            const int alpha = static_cast<int>(std::clamp(s.cloudsBrightness * 1.2, 0.0, 0.9) * 255);
            PaintGlow(p, x, y, rx, ry,
                      {{0, QColor(205, 215, 255, alpha)}, {0.6, QColor(190, 200, 255, alpha / 3)}, {1, QColor(190, 200, 255, 0)}});
        }
        if (s.cloudsOutline) {
            p.setPen(Hairline(s.milkyWayOutlineColor));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(x, y), rx * 0.8, ry * 0.8);
        }
        // A cloud whose middle is below the horizon may still show an edge above it.
        if (BelowHorizon(v)) continue;
        if (s.cloudsImage || s.cloudsOutline) ++c.clouds;
        if (s.cloudsName && !m.japaneseName.isEmpty())
            labels_.push_back({m.japaneseName, QPointF(x, y + ry * 0.8 + 10), &dsoFont_, QColor(190, 200, 235), LabelType::Cloud,
                               1.0, -1});
    }
}

void Renderer::PaintGrids(QPainter& p, const QRectF& area, const Projection& proj, const PaintOptions& o, Counters& c) {
    auto draw = [&](const std::vector<sky::Polyline>& grid, const QColor& colour) {
        std::vector<QLineF> lines;
        for (const sky::Polyline& line : grid) Polyline(proj, line, area, lines);
        p.setPen(Hairline(colour));
        p.drawLines(lines.data(), static_cast<int>(lines.size()));
        c.gridLines += static_cast<int>(lines.size());
    };
    if (o.equatorialGrid) draw(frame_.EquatorialGrid(), QColor(88, 124, 210, 150));
    if (o.altAzimuthGrid) draw(frame_.AltAzimuthGrid(), QColor(126, 176, 104, 160));
}

void Renderer::PaintConstellations(QPainter& p, const QRectF& area, const Projection& proj, const Settings& s, Counters& c) {
    std::vector<QLineF> lines, bounds;
    for (const Constellation& k : catalog_.Constellations()) {
        const std::size_t i = static_cast<std::size_t>(k.number - 1);
        if (!s.selected[i]) continue;
        bool drawn = false;
        if (s.consBoundaries)
            for (std::size_t j = 0; j < k.boundaries.size(); ++j)
                if (const sky::Polyline* ring = frame_.Boundary(k.number, j)) drawn |= Polyline(proj, *ring, area, bounds);
        if (s.consLines)
            for (std::size_t j = 0; j < k.lines.size(); ++j)
                if (const sky::Polyline* line = frame_.Line(k.number, j)) drawn |= Polyline(proj, *line, area, lines);
        if (s.consJapanese || s.consLatin || s.consAbbreviation) {
            QStringList text;
            auto pick = [](const QString& engine, const QString& data) { return engine.isEmpty() ? data : engine; };
            if (s.consJapanese) text << pick(s.consJapaneseNames[i], k.japaneseName);
            if (s.consLatin) text << pick(s.consLatinNames[i], k.latinName);
            if (s.consAbbreviation) text << pick(s.consAbbreviations[i], k.abbreviation);
            for (std::size_t j = 0; j < k.labels.size(); ++j) {
                Vec3 at;
                if (!frame_.ConstellationLabel(k.number, j, at) || !proj.Visible(at) || BelowHorizon(at)) continue;
                double x, y;
                proj.Project(at, x, y);
                if (!area.contains(x, y)) continue;
                // Big constellations' names weigh like bright stars, the faint ones' like faint stars.
                labels_.push_back({text.join(u'\n'), QPointF(x, y), &consFont_, s.consNameColor, LabelType::Constellation,
                                   0.5 + 1.25 * k.rank, -1});
                ++c.constellationLabels;
                drawn = true;
            }
        }
        if (drawn) c.constellations.insert(k.number);
    }
    p.setBrush(Qt::NoBrush);
    if (!bounds.empty()) {
        p.setPen(Hairline(QColor(150, 110, 60, 150)));
        p.drawLines(bounds.data(), static_cast<int>(bounds.size()));
    }
    if (!lines.empty()) {
        p.setPen(Hairline(QColor(90, 140, 210, 200)));
        p.drawLines(lines.data(), static_cast<int>(lines.size()));
    }
}

void Renderer::PaintDeepSky(QPainter& p, const QRectF& area, const Projection& proj, const Settings& s, Counters& c) {
    const QRectF near = area.adjusted(-20, -20, 20, 20);
    const auto& all = catalog_.DeepSky();
    for (std::size_t i = 0; i < all.size(); ++i) {
        const DeepSkyObject& d = all[i];
        Vec3 v;
        if (!frame_.DeepSky(i, v) || !proj.Visible(v) || BelowHorizon(v)) continue;
        double x, y;
        proj.Project(v, x, y);
        if (!near.contains(x, y)) continue;
        const QColor col = DsoColour(d.type);
        const double k = proj.ScaleAt(v) * kArcmin / 2;
        const double rx = d.major * k, ry = (d.minor > 0 ? d.minor : d.major) * k;
        if (s.dsoImage && s.DsoInRange(d) && rx >= 2) {
            const int alpha = static_cast<int>(std::clamp(s.dsoImageBrightness, 0.0, 1.0) * 150);
            PaintGlow(p, x, y, rx, ry, {{0, QColor(col.red(), col.green(), col.blue(), alpha)}, {1, QColor(col.red(), col.green(), col.blue(), 0)}});
        }
        if (s.dsoOutline && s.DsoInRange(d) && rx >= 4) {
            p.setPen(Hairline(QColor(col.red(), col.green(), col.blue(), 150)));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(x, y), rx, ry);
        }
        const double r = std::clamp(std::max(rx, ry), 3.5, 9.0);
        if (s.ShowsDso(d, kDsoMark)) {
            p.save();
            p.translate(x, y);
            p.setPen(Hairline(col));
            p.setBrush(Qt::NoBrush);
            DsoSymbol(p, d.type, r, d.minor > 0 && d.major > 0 ? d.minor / d.major : 1.0);
            p.restore();
            ++c.dsoMarks;
        }
        // The designation of the first catalog shown; it also names an object without a Japanese
        // name, once.
        QString designation;
        for (int cat = 0; cat < kDsoCatalogCount && designation.isEmpty(); ++cat)
            if (d.numbers[static_cast<std::size_t>(cat)] && s.dsoCatalog[static_cast<std::size_t>(cat)])
                designation = d.Designation(static_cast<DsoCatalog>(cat));
        QStringList text;
        if (s.ShowsDso(d, kDsoName)) text << (d.japaneseName.isEmpty() ? designation : d.japaneseName);
        if (s.ShowsDso(d, kDsoNumber) && !text.contains(designation)) text << designation;
        if (s.ShowsDso(d, kDsoMagnitude) && d.hasMag) text << Magnitude(d.mag);
        text.removeAll(QString());
        if (!text.isEmpty())
            labels_.push_back({text.join(u' '), QPointF(x, y), &dsoFont_, s.dsoNameColor, LabelType::DeepSky,
                               d.hasMag ? d.mag : 8.0, r});
    }
}

void Renderer::PaintStars(QPainter& p, const QRectF& area, const Projection& proj, const Settings& s, double time, Counters& c) {
    if (!s.stars) return;
    const double faint = s.FaintLimit(proj.Fov()), bright = s.BrightLimit();
    const std::vector<Star>& stars = catalog_.Stars();
    // Brightest first in the data: find the faint end, then paint faint to bright so bright
    // stars lie on top.
    std::size_t end = 0;
    while (end < stars.size() && stars[end].mag <= faint) ++end;
    for (std::size_t i = end; i-- > 0;) {
        const Star& st = stars[i];
        Vec3 v;
        if (st.mag < bright || !frame_.Star(i, v) || !proj.Visible(v)) continue;
        if (BelowHorizon(v)) {
            ++c.belowHorizon;
            continue;
        }
        double x, y;
        proj.Project(v, x, y);
        double r = StarRadius(st.mag) * s.starSize;
        if (s.twinkle) r *= TwinkleFactor(st.hip, time, s.twinkleStrength);
        const QImage& img = Sprite(s.style, starColourIndex_[i], std::clamp(static_cast<int>(std::lround(r * 4)), 1, 400), s.customFile);
        const double half = img.width() / 2.0;
        if (x + half < area.left() || y + half < area.top() || x - half > area.right() || y - half > area.bottom()) continue;
        p.drawImage(QPointF(std::round(x - half), std::round(y - half)), img);
        ++c.stars;
        QStringList text;
        if (s.japaneseName.Shows(st.mag) && !st.japaneseName.isEmpty()) text << st.japaneseName;
        if (s.englishName.Shows(st.mag) && !st.englishName.isEmpty()) text << st.englishName;
        if (s.bayer.Shows(st.mag) && !st.bayer.isEmpty()) text << st.bayer;
        if (s.flamsteed.Shows(st.mag) && !st.flamsteed.isEmpty()) text << st.flamsteed;
        if (s.magnitude.Shows(st.mag)) text << Magnitude(st.mag);
        if (!text.isEmpty())
            labels_.push_back({text.join(u' '), QPointF(x, y), &starFont_, s.starNameColor, LabelType::Star, st.mag, r});
    }
}

void Renderer::PaintGround(QPainter& p, const QRectF& area, const Projection& proj, Counters& c) {
    p.save();
    // Beyond the drawn hemisphere's rim the picture stays empty, ground or not.
    const QPointF mid(proj.CenterX(), proj.CenterY());
    const double rim = 2 * proj.Scale();
    if (rim < std::hypot(area.width(), area.height()) / 2) {
        QPainterPath disc;
        disc.addEllipse(mid, rim, rim);
        p.setClipPath(disc, Qt::IntersectClip);
    }
    // Filled without antialiasing, which on this much area costs more than the rest of the ground:
    // the horizon line drawn over the edge smooths it.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(kGround);
    p.drawPath(GroundPath(proj, area));
    p.setRenderHint(QPainter::Antialiasing);
    std::vector<QLineF> horizon;
    Polyline(proj, HorizonLine(), area, horizon);
    c.ground = !horizon.empty() || proj.Forward().z < 0;
    QPen pen(kHorizon, 1.5);
    p.setPen(pen);
    p.drawLines(horizon.data(), static_cast<int>(horizon.size()));
    p.restore();

    // The compass points just below the horizon (inside the rim when the horizon is the rim).
    const int level = CompassLevel(proj.Fov());
    p.setPen(QPen(kCompass, 1.5));
    for (const CompassPoint& point : CompassPoints()) {
        if (point.level > level) continue;
        // On the rim when looking straight up: kept against rounding.
        const Vec3 on = HorizontalDirection(point.azimuth, 0);
        if (proj.Depth(on) < -1e-9) continue;
        double x, y;
        proj.Project(on, x, y);
        if (!area.adjusted(-0.5, -0.5, 0.5, 0.5).contains(x, y)) continue;
        const Vec3 lower = HorizontalDirection(point.azimuth, -0.5), upper = HorizontalDirection(point.azimuth, 0.5);
        const bool below = proj.Visible(lower);
        double ox, oy;
        proj.Project(below ? lower : upper, ox, oy);
        QPointF down(ox - x, oy - y);
        const double len = std::hypot(down.x(), down.y());
        down = len > 1e-9 ? down / len : QPointF(0, 1);
        const QFont* font = point.level == 0 ? &compassFont_ : &minorCompassFont_;
        p.drawLine(QPointF(x, y), QPointF(x, y) + 5 * down);
        labels_.push_back({QString::fromUtf8(point.name), QPointF(x, y) + (QFontMetricsF(*font).height() / 2 + 7) * down, font,
                           kCompass, LabelType::Compass, -1000.0 + point.level, -1});
    }
    const Vec3 zenith{0, 0, 1};
    if (proj.Visible(zenith)) {
        double x, y;
        proj.Project(zenith, x, y);
        if (area.contains(x, y)) {
            p.setPen(Hairline(kZenith));
            p.drawLine(QPointF(x - 5, y), QPointF(x + 5, y));
            p.drawLine(QPointF(x, y - 5), QPointF(x, y + 5));
            labels_.push_back({QStringLiteral("天頂"), QPointF(x, y), &dsoFont_, kZenith, LabelType::Zenith, -900.0, 5});
            c.zenith = true;
        }
    }
}

void Renderer::PlaceLabels(QPainter& p, const QRectF& area, Counters& c) {
    std::vector<const Label*> order;
    order.reserve(labels_.size());
    for (const Label& l : labels_) order.push_back(&l);
    std::stable_sort(order.begin(), order.end(), [](const Label* a, const Label* b) { return a->rank < b->rank; });
    LabelPlacer placer(area);
    for (const Label* l : order) {
        const bool centred = l->mark < 0;
        const QImage img = TextImage(l->text, *l->font, l->colour, centred);
        std::vector<QRectF> candidates = centred ? AroundPoint(l->anchor, img.size()) : BesideMark(l->anchor, l->mark, img.size());
        if (l->kind == LabelType::Compass) candidates.resize(1);  // a compass point stays on its direction
        const int at = placer.Place(candidates);
        if (at < 0) continue;
        const QPointF topLeft(std::round(candidates[static_cast<std::size_t>(at)].left()),
                              std::round(candidates[static_cast<std::size_t>(at)].top()));
        p.drawImage(topLeft, img);
        c.labels.push_back({l->text, QRectF(topLeft, img.size()), l->kind});
        switch (l->kind) {
            case LabelType::Star: ++c.starLabels; break;
            case LabelType::DeepSky: ++c.dsoLabels; break;
            case LabelType::Compass: ++c.compassLabels; break;
            default: break;
        }
    }
}

PanelStatus Renderer::Status(const ViewPoint& view, const Settings& s, const PaintOptions& o, const Counters& c) const {
    PanelStatus status;
    if (frame_.Horizontal()) status.placeTime = o.placeTime;
    status.view = (frame_.Horizontal() ? QStringLiteral("地平座標") : QStringLiteral("赤道座標（J2000）")) +
                  QStringLiteral("　視野 ") + FieldText(view.fov);
    status.stars = s.stars ? QStringLiteral("恒星 %1個").arg(c.stars) : QStringLiteral("恒星 非表示");
    status.limit = LimitText(s, view.fov);
    return status;
}

}  // namespace sky
