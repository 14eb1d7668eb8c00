// SPDX-License-Identifier: BSD-3-Clause
#include "desktop/sky/skyrenderer.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace sky {
namespace {

constexpr int kColourBuckets = 25;  // b-v from -0.4 to 2.0 in tenths
constexpr double kArcmin = kDeg / 60.0;

int ColourIndex(double bv) {
    return std::clamp(static_cast<int>(std::lround((bv + 0.4) * 10)), 0, kColourBuckets - 1);
}

QFont LabelFont(int pixels, bool bold = false) {
    QFont f;
    f.setFamilies({QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                   QStringLiteral("Noto Sans"), QStringLiteral("DejaVu Sans")});
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
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

// A soft elliptical glow centred on (x, y) with radii rx, ry; the stops run from the centre out.
void Glow(QPainter& p, double x, double y, double rx, double ry, const QGradientStops& stops) {
    QRadialGradient g(QPointF(0, 0), 1);
    g.setStops(stops);
    p.save();
    p.translate(x, y);
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
      starFont_(LabelFont(12)),
      consFont_(LabelFont(14, true)),
      dsoFont_(LabelFont(11)),
      legendFont_(LabelFont(11)) {
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

void Renderer::Paint(QPainter& p, QSizeF size, const Projection& proj, const Settings& s, const PaintOptions& o,
                     Counters& c) {
    c = Counters{};
    c.faintLimit = s.FaintLimit(proj.Fov());
    labels_.clear();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    PaintBackground(p, size, proj);
    PaintMilkyWay(p, size, proj, s, c);
    PaintClouds(p, proj, s, c);
    PaintConstellations(p, size, proj, s, c);
    PaintDeepSky(p, size, proj, s, c);
    PaintStars(p, size, proj, s, o.time, c);
    if (o.labels) {
        std::vector<QRectF> reserved;
        if (o.legend) reserved = PrepareLegend(size, proj, s, c);
        PaintLabels(p, size, c, reserved);
        if (o.legend) PaintLegend(p);
    }
    p.restore();
}

void Renderer::PaintBackground(QPainter& p, QSizeF size, const Projection& proj) {
    p.fillRect(QRectF(QPointF(), size), QColor(2, 3, 8));
    // The drawn hemisphere is a disc of radius 2 in the plane; beyond it the picture stays black.
    const QPointF mid(proj.CenterX(), proj.CenterY());
    const double rim = 2 * proj.Scale();
    QRadialGradient g(mid, std::max(rim, std::hypot(size.width(), size.height()) / 2));
    g.setColorAt(0, QColor(10, 17, 40));
    g.setColorAt(1, QColor(4, 7, 18));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    if (rim < std::hypot(size.width(), size.height()) / 2) {
        p.drawEllipse(mid, rim, rim);
        p.setPen(Hairline(QColor(70, 88, 128)));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(mid, rim, rim);
    } else {
        p.drawRect(QRectF(QPointF(), size));
    }
}

void Renderer::PaintMilkyWay(QPainter& p, QSizeF size, const Projection& proj, const Settings& s, Counters& c) {
    if (!s.milkyWay) return;
    const QRectF area(QPointF(), size);
    if (s.milkyWayImage) {
        // Sampled at a quarter of the resolution and drawn smoothly scaled: the band is soft anyway.
        const int step = 4;
        const int w = static_cast<int>(std::ceil(size.width() / step)), h = static_cast<int>(std::ceil(size.height() / step));
        const QString key = QStringLiteral("%1 %2 %3 %4 %5 %6")
                                .arg(proj.Ra(), 0, 'g', 12).arg(proj.Dec(), 0, 'g', 12).arg(proj.Fov(), 0, 'g', 12)
                                .arg(w).arg(h).arg(s.milkyWayBrightness);
        if (key != milkyWayKey_) {
            milkyWayKey_ = key;
            milkyWay_ = QImage(w, h, QImage::Format_ARGB32_Premultiplied);
            const double gain = 0.32 * s.milkyWayBrightness;
            for (int y = 0; y < h; ++y) {
                QRgb* line = reinterpret_cast<QRgb*>(milkyWay_.scanLine(y));
                for (int x = 0; x < w; ++x) {
                    Vec3 v;
                    double a = 0;
                    if (proj.Unproject((x + 0.5) * step, (y + 0.5) * step, v)) a = std::min(0.9, gain * catalog_.MilkyWayAt(v));
                    line[x] = qPremultiply(qRgba(196, 210, 255, static_cast<int>(a * 255)));
                }
            }
        }
        p.drawImage(QRectF(0, 0, w * step, h * step), milkyWay_);
        c.milkyWay = true;
    }
    if (s.milkyWayOutline) {
        std::vector<QLineF> lines[5];
        for (const MilkyWayRing& r : catalog_.MilkyWayOutlines())
            Polyline(proj, r.ring, area, lines[std::clamp(r.level, 1, 5) - 1]);
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
    for (const MagellanicCloud& m : catalog_.Clouds()) {
        if (!proj.Visible(m.dir)) continue;
        double x, y;
        proj.Project(m.dir, x, y);
        const double k = proj.ScaleAt(m.dir) * kArcmin / 2;
        const double rx = m.major * k, ry = m.minor * k;
        bool drawn = false;
        if (s.cloudsImage) {
            const int alpha = static_cast<int>(std::clamp(s.cloudsBrightness * 1.2, 0.0, 0.9) * 255);
            Glow(p, x, y, rx, ry,
                 {{0, QColor(205, 215, 255, alpha)}, {0.6, QColor(190, 200, 255, alpha / 3)}, {1, QColor(190, 200, 255, 0)}});
            drawn = true;
        }
        if (s.cloudsOutline) {
            p.setPen(Hairline(s.milkyWayOutlineColor));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(x, y), rx * 0.8, ry * 0.8);
            drawn = true;
        }
        if (drawn) ++c.clouds;
        if (s.cloudsName && !m.japaneseName.isEmpty())
            labels_.push_back({m.japaneseName, QPointF(x, y + ry * 0.8 + 10), &dsoFont_, QColor(190, 200, 235), true});
    }
}

void Renderer::PaintConstellations(QPainter& p, QSizeF size, const Projection& proj, const Settings& s, Counters& c) {
    const QRectF area(QPointF(), size);
    std::vector<QLineF> lines, bounds;
    for (const Constellation& k : catalog_.Constellations()) {
        const std::size_t i = static_cast<std::size_t>(k.number - 1);
        if (!s.selected[i]) continue;
        bool drawn = false;
        if (s.consBoundaries)
            for (const auto& ring : k.boundaries) drawn |= Polyline(proj, ring, area, bounds);
        if (s.consLines)
            for (const auto& line : k.lines) drawn |= Polyline(proj, line, area, lines);
        if (s.consJapanese || s.consLatin || s.consAbbreviation) {
            QStringList text;
            auto pick = [](const QString& engine, const QString& data) { return engine.isEmpty() ? data : engine; };
            if (s.consJapanese) text << pick(s.consJapaneseNames[i], k.japaneseName);
            if (s.consLatin) text << pick(s.consLatinNames[i], k.latinName);
            if (s.consAbbreviation) text << pick(s.consAbbreviations[i], k.abbreviation);
            for (const Vec3& at : k.labels) {
                if (!proj.Visible(at)) continue;
                double x, y;
                proj.Project(at, x, y);
                if (!area.contains(x, y)) continue;
                labels_.push_back({text.join(u'\n'), QPointF(x, y), &consFont_, s.consNameColor, true});
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

void Renderer::PaintDeepSky(QPainter& p, QSizeF size, const Projection& proj, const Settings& s, Counters& c) {
    const QRectF area = QRectF(QPointF(), size).adjusted(-20, -20, 20, 20);
    for (const DeepSkyObject& d : catalog_.DeepSky()) {
        if (!proj.Visible(d.dir)) continue;
        double x, y;
        proj.Project(d.dir, x, y);
        if (!area.contains(x, y)) continue;
        const QColor col = DsoColour(d.type);
        const double k = proj.ScaleAt(d.dir) * kArcmin / 2;
        const double rx = d.major * k, ry = (d.minor > 0 ? d.minor : d.major) * k;
        if (s.dsoImage && s.DsoInRange(d) && rx >= 2) {
            const int alpha = static_cast<int>(std::clamp(s.dsoImageBrightness, 0.0, 1.0) * 150);
            Glow(p, x, y, rx, ry, {{0, QColor(col.red(), col.green(), col.blue(), alpha)}, {1, QColor(col.red(), col.green(), col.blue(), 0)}});
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
        QStringList text;
        if (s.ShowsDso(d, kDsoName)) {
            // English names only for the Messier objects, whose names are the well-known ones.
            const QString name = !d.japaneseName.isEmpty() ? d.japaneseName : d.numbers[0] ? d.englishName : QString();
            if (!name.isEmpty()) text << name;
        }
        if (s.ShowsDso(d, kDsoNumber))
            for (int cat = 0; cat < kDsoCatalogCount; ++cat)
                if (d.numbers[static_cast<std::size_t>(cat)] && s.dsoCatalog[static_cast<std::size_t>(cat)]) {
                    text << d.Designation(static_cast<DsoCatalog>(cat));
                    break;
                }
        if (s.ShowsDso(d, kDsoMagnitude) && d.hasMag) text << Magnitude(d.mag);
        if (!text.isEmpty()) labels_.push_back({text.join(u' '), QPointF(x + r + 3, y), &dsoFont_, s.dsoNameColor, false});
    }
}

void Renderer::PaintStars(QPainter& p, QSizeF size, const Projection& proj, const Settings& s, double time, Counters& c) {
    if (!s.stars) return;
    const double faint = s.FaintLimit(proj.Fov()), bright = s.BrightLimit();
    const std::vector<Star>& stars = catalog_.Stars();
    const QRectF area(QPointF(), size);
    // Brightest first in the data: find the faint end, then paint faint to bright so bright
    // stars lie on top.
    std::size_t end = 0;
    while (end < stars.size() && stars[end].mag <= faint) ++end;
    std::vector<std::size_t> labelled;
    for (std::size_t i = end; i-- > 0;) {
        const Star& st = stars[i];
        if (st.mag < bright || !proj.Visible(st.dir)) continue;
        double x, y;
        proj.Project(st.dir, x, y);
        double r = StarRadius(st.mag) * s.starSize;
        if (s.twinkle) r *= TwinkleFactor(st.hip, time, s.twinkleStrength);
        const QImage& img = Sprite(s.style, starColourIndex_[i], std::clamp(static_cast<int>(std::lround(r * 4)), 1, 400), s.customFile);
        const double half = img.width() / 2.0;
        if (x + half < 0 || y + half < 0 || x - half > area.width() || y - half > area.height()) continue;
        p.drawImage(QPointF(std::round(x - half), std::round(y - half)), img);
        ++c.stars;
        QStringList text;
        if (s.japaneseName.Shows(st.mag) && !st.japaneseName.isEmpty()) text << st.japaneseName;
        if (s.englishName.Shows(st.mag) && !st.englishName.isEmpty()) text << st.englishName;
        if (s.bayer.Shows(st.mag) && !st.bayer.isEmpty()) text << st.bayer;
        if (s.flamsteed.Shows(st.mag) && !st.flamsteed.isEmpty()) text << st.flamsteed;
        if (s.magnitude.Shows(st.mag)) text << Magnitude(st.mag);
        if (!text.isEmpty()) labels_.push_back({text.join(u' '), QPointF(x + r + 3, y), &starFont_, s.starNameColor, false});
    }
}

void Renderer::PaintLabels(QPainter& p, QSizeF size, Counters& c, std::vector<QRectF> placed) {
    // Constellation names first, then stars from bright to faint (they were queued faint to
    // bright), then deep-sky objects; a label that would cover an earlier one is left out.
    std::vector<const Label*> order;
    for (const Label& l : labels_)
        if (l.font == &consFont_) order.push_back(&l);
    for (auto it = labels_.rbegin(); it != labels_.rend(); ++it)
        if (it->font == &starFont_) order.push_back(&*it);
    for (const Label& l : labels_)
        if (l.font == &dsoFont_) order.push_back(&l);

    const QRectF area(QPointF(), size);
    for (const Label* l : order) {
        const QImage img = TextImage(l->text, *l->font, l->colour, l->centred);
        const QSizeF box = img.size();
        const QPointF topLeft = l->centred ? l->anchor - QPointF(box.width() / 2, box.height() / 2)
                                           : l->anchor - QPointF(0, box.height() / 2);
        const QRectF rect(topLeft, box);
        if (!area.intersects(rect)) continue;
        if (std::any_of(placed.begin(), placed.end(), [&](const QRectF& r) { return r.intersects(rect); })) continue;
        placed.push_back(rect.adjusted(-2, -1, 2, 1));
        p.drawImage(QPointF(std::round(topLeft.x()), std::round(topLeft.y())), img);
        if (l->font == &starFont_) ++c.starLabels;
        if (l->font == &dsoFont_) ++c.dsoLabels;
    }
}

std::vector<QRectF> Renderer::PrepareLegend(QSizeF size, const Projection& proj, const Settings& s, Counters& c) {
    // What the data cannot draw, top right, as one picture kept while its rows stay.
    const int lineHeight = 14, pad = 8;
    const int perColumn = std::max(1, static_cast<int>((size.height() - 3 * pad - 2 * lineHeight) / lineHeight));
    QString key = QString::number(perColumn);
    for (const LegendRow& r : s.legend) key += QStringLiteral("|%1%2 %3").arg(r.on).arg(r.name, r.detail);
    if (key != legendKey_) {
        legendKey_ = key;
        // What is on, a row each with its limits; what is off, listed after it.
        std::vector<QImage> rows;
        QStringList off;
        for (const LegendRow& r : s.legend) {
            if (r.on)
                rows.push_back(TextImage(QStringLiteral("● %1").arg(r.name) + (r.detail.isEmpty() ? QString() : QStringLiteral("　") + r.detail),
                                         legendFont_, QColor(225, 230, 245), false));
            else
                off << r.name;
        }
        const QFontMetricsF fm(legendFont_);
        double wrap = 230;
        for (const QImage& row : rows) wrap = std::max<double>(wrap, row.width());
        QString line = QStringLiteral("○ 非表示：");
        for (int i = 0; i < off.size(); ++i) {
            const QString next = line + off[i] + (i + 1 < off.size() ? QStringLiteral("・") : QString());
            if (fm.horizontalAdvance(next) > wrap && !line.endsWith(u'：') && !line.endsWith(u'　')) {
                rows.push_back(TextImage(line, legendFont_, QColor(135, 144, 168), false));
                line = QStringLiteral("　　") + off[i] + (i + 1 < off.size() ? QStringLiteral("・") : QString());
            } else {
                line = next;
            }
        }
        if (!off.isEmpty()) rows.push_back(TextImage(line, legendFont_, QColor(135, 144, 168), false));
        const int columns = (static_cast<int>(rows.size()) + perColumn - 1) / perColumn;
        std::vector<int> widths(static_cast<std::size_t>(columns), 0);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            int& w = widths[i / static_cast<std::size_t>(perColumn)];
            w = std::max(w, rows[i].width());
        }
        int total = 8;
        for (int w : widths) total += w + 10;
        const int shown = std::min(static_cast<int>(rows.size()), perColumn);
        legend_ = QImage(total, shown * lineHeight + 10, QImage::Format_ARGB32_Premultiplied);
        legend_.fill(Qt::transparent);
        QPainter lp(&legend_);
        lp.setRenderHint(QPainter::Antialiasing);
        lp.setPen(Qt::NoPen);
        lp.setBrush(QColor(8, 12, 28, 185));
        lp.drawRoundedRect(QRectF(legend_.rect()), 6, 6);
        int x = 8;
        for (int col = 0; col < columns; ++col) {
            for (int k = 0; k < perColumn; ++k) {
                const std::size_t i = static_cast<std::size_t>(col * perColumn + k);
                if (i < rows.size()) lp.drawImage(QPoint(x, 5 + k * lineHeight), rows[i]);
            }
            x += widths[static_cast<std::size_t>(col)] + 10;
        }
    }
    legendAt_ = QPointF(std::round(size.width() - legend_.width() - pad), pad);
    c.legendRows = static_cast<int>(s.legend.size());

    // The field, the star limit in force and how many stars it lets through, bottom left.
    const QString status = QStringLiteral("視野 %1°　恒星 %2等まで%3　%4個")
                               .arg(proj.Fov(), 0, 'f', 1)
                               .arg(c.faintLimit, 0, 'f', 1)
                               .arg(s.autoLimit ? QStringLiteral("（視野角に連動）") : QString())
                               .arg(c.stars);
    status_ = TextImage(status, legendFont_, QColor(200, 208, 230), false);
    statusAt_ = QPointF(pad, std::round(size.height() - pad - status_.height()));
    return {QRectF(legendAt_, legend_.size()), QRectF(statusAt_, status_.size())};
}

void Renderer::PaintLegend(QPainter& p) {
    p.drawImage(legendAt_, legend_);
    p.drawImage(statusAt_, status_);
}

}  // namespace sky
