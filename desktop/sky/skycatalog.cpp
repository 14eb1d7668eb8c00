// SPDX-License-Identifier: BSD-3-Clause
#include "desktop/sky/skycatalog.h"

#include <QByteArrayView>
#include <QFile>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <functional>

#include "desktop/sky/skyconstellations.h"

namespace sky {
namespace {

constexpr const char* kTypeWords[] = {
    "GlobularCluster", "OpenCluster", "PlanetaryNebula", "DiffuseNebula", "DarkNebula",
    "SupernovaRemnant", "Galaxy", "GroupOfGalaxies", "ClusterOfGalaxies", "Other",
};
constexpr const char* kCatalogWords[] = {"Messier", "NGC", "IC"};
constexpr const char* kCatalogPrefixes[] = {"M ", "NGC ", "IC "};

// A row's tab-separated fields as the file's UTF-8 bytes; text is made only of what is kept.
using Fields = std::vector<QByteArrayView>;

QString Text(QByteArrayView field) { return QString::fromUtf8(field); }

// Calls row(fields) for each data row of a tab-separated file; false when it cannot be read or
// a row is refused.
bool ReadRows(const QString& path, int minFields, const std::function<bool(const Fields&)>& row, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error) *error = QStringLiteral("cannot read %1").arg(path);
        return false;
    }
    const QByteArray bytes = file.readAll();
    Fields fields;
    int lineNo = 0;
    for (QByteArrayView rest(bytes); !rest.isEmpty();) {
        const qsizetype n = rest.indexOf('\n');
        QByteArrayView line = rest.first(n < 0 ? rest.size() : n);
        rest = n < 0 ? QByteArrayView() : rest.sliced(n + 1);
        ++lineNo;
        if (line.endsWith('\r')) line.chop(1);
        if (line.isEmpty() || line.startsWith('#')) continue;
        fields.clear();
        for (qsizetype tab; (tab = line.indexOf('\t')) >= 0; line = line.sliced(tab + 1)) fields.push_back(line.first(tab));
        fields.push_back(line);
        if (static_cast<int>(fields.size()) < minFields || !row(fields)) {
            if (error) *error = QStringLiteral("%1:%2: malformed row").arg(path).arg(lineNo);
            return false;
        }
    }
    return true;
}

// A decimal number, '.' as the point whatever the locale; blanks around it and a leading '+'
// are allowed.
bool Number(QByteArrayView field, double& value) {
    QByteArrayView t = field.trimmed();
    if (t.startsWith('+')) t = t.sliced(1);
    const char* end = t.data() + t.size();
    const auto r = std::from_chars(t.data(), end, value);
    return r.ec == std::errc() && r.ptr == end && !t.isEmpty();
}

// An integer field; 0 when it is none.
int Integer(QByteArrayView field) {
    QByteArrayView t = field.trimmed();
    if (t.startsWith('+')) t = t.sliced(1);
    int value = 0;
    const char* end = t.data() + t.size();
    const auto r = std::from_chars(t.data(), end, value);
    return r.ec == std::errc() && r.ptr == end ? value : 0;
}

bool Point(QByteArrayView field, double& ra, double& dec) {
    const qsizetype space = field.indexOf(' ');
    return space > 0 && Number(field.first(space), ra) && Number(field.sliced(space + 1), dec);
}

// Points "ra dec" from fields[first..]; segments longer than maxStep degrees are split, along
// the great circle or (for boundaries, which follow parallels) linearly in ra and dec.
bool Points(const Fields& fields, std::size_t first, double maxStep, bool greatCircle, bool closed, Polyline& out) {
    std::vector<std::pair<double, double>> pts;
    for (std::size_t i = first; i < fields.size(); ++i) {
        double ra = 0, dec = 0;
        if (!Point(fields[i], ra, dec)) return false;
        pts.emplace_back(ra, dec);
    }
    if (pts.size() < 2) return false;
    if (closed) pts.push_back(pts.front());
    for (std::size_t i = 0; i < pts.size(); ++i) {
        const auto [ra, dec] = pts[i];
        if (i > 0) {
            const auto [ra0, dec0] = pts[i - 1];
            const double dra = std::remainder(ra - ra0, 360.0), ddec = dec - dec0;
            const Vec3 a = Direction(ra0, dec0), b = Direction(ra, dec);
            const double angle = std::acos(std::clamp(Dot(a, b), -1.0, 1.0)) / kDeg;
            const int steps = static_cast<int>(std::ceil(std::fmax(angle, std::fabs(ddec)) / maxStep));
            for (int s = 1; s < steps; ++s) {
                const double t = static_cast<double>(s) / steps;
                out.push_back(greatCircle ? Normalized(a + t * (b - a)) : Direction(ra0 + t * dra, dec0 + t * ddec));
            }
        }
        out.push_back(Direction(ra, dec));
    }
    return true;
}

Constellation* ByAbbreviation(std::array<Constellation, 88>& all, QByteArrayView abbreviation) {
    const int n = ConstellationNumber(Text(abbreviation));
    return n ? &all[static_cast<std::size_t>(n - 1)] : nullptr;
}

// The brightness steps (0..5 as 0..255) blurred into a soft map: two box passes a degree wide
// each way, wrapping in right ascension.
QImage SmoothMap(const QImage& steps) {
    const int w = steps.width(), h = steps.height();
    std::vector<float> a(static_cast<std::size_t>(w * h)), b(a.size());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) a[static_cast<std::size_t>(y * w + x)] = steps.constScanLine(y)[x];
    const int r = 2;
    auto idx = [w](int x, int y) { return static_cast<std::size_t>(y * w + x); };
    // The columns and rows each tap reads, wrapped and clamped once rather than at every pixel.
    std::vector<int> column(static_cast<std::size_t>(w + 2 * r)), row(static_cast<std::size_t>(h + 2 * r));
    for (int i = 0; i < w + 2 * r; ++i) column[static_cast<std::size_t>(i)] = (i - r + w) % w;
    for (int i = 0; i < h + 2 * r; ++i) row[static_cast<std::size_t>(i)] = std::clamp(i - r, 0, h - 1);
    for (int pass = 0; pass < 2; ++pass) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                float sum = 0;
                for (int k = 0; k <= 2 * r; ++k) sum += a[idx(column[static_cast<std::size_t>(x + k)], y)];
                b[idx(x, y)] = sum / (2 * r + 1);
            }
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                float sum = 0;
                for (int k = 0; k <= 2 * r; ++k) sum += b[idx(x, row[static_cast<std::size_t>(y + k)])];
                a[idx(x, y)] = sum / (2 * r + 1);
            }
    }
    QImage out(w, h, QImage::Format_Grayscale8);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) out.scanLine(y)[x] = static_cast<uchar>(std::lround(a[idx(x, y)]));
    return out;
}


// Face and face coordinates (-1..1) of a direction: the face of its largest component.
int CubeFace(Vec3 v, double& u, double& w) {
    const double ax = std::fabs(v.x), ay = std::fabs(v.y), az = std::fabs(v.z);
    if (ax >= ay && ax >= az) {
        u = v.y / ax, w = v.z / ax;
        return v.x > 0 ? 0 : 1;
    }
    if (ay >= az) {
        u = v.x / ay, w = v.z / ay;
        return v.y > 0 ? 2 : 3;
    }
    u = v.x / az, w = v.y / az;
    return v.z > 0 ? 4 : 5;
}

Vec3 CubeDirection(int face, double u, double w) {
    switch (face) {
        case 0: return Normalized({1, u, w});
        case 1: return Normalized({-1, u, w});
        case 2: return Normalized({u, 1, w});
        case 3: return Normalized({u, -1, w});
        case 4: return Normalized({u, w, 1});
        default: return Normalized({u, w, -1});
    }
}

}  // namespace

const char* DsoTypeWord(DsoType type) { return kTypeWords[static_cast<int>(type)]; }
const char* DsoCatalogWord(DsoCatalog catalog) { return kCatalogWords[static_cast<int>(catalog)]; }

QString DeepSkyObject::Designation(DsoCatalog catalog) const {
    const int n = numbers[static_cast<std::size_t>(catalog)];
    return n ? QLatin1String(kCatalogPrefixes[static_cast<int>(catalog)]) + QString::number(n) : QString();
}

bool Catalog::Load(const QString& folder, QString* error) {
    std::vector<Star> stars;
    std::array<Constellation, 88> cons;
    for (int n = 1; n <= 88; ++n) {
        cons[static_cast<std::size_t>(n - 1)].number = n;
        cons[static_cast<std::size_t>(n - 1)].abbreviation = QLatin1String(ConstellationAbbreviation(n));
    }
    std::vector<DeepSkyObject> dsos;
    std::vector<MagellanicCloud> clouds;
    std::vector<MilkyWayRing> rings;
    const QString dir = folder + u'/';

    const bool ok =
        ReadRows(dir + "stars.txt", 9, [&](const Fields& f) {
            Star s;
            double mag = 0, bv = 0;
            s.hip = Integer(f[0]);
            if (!Number(f[1], s.ra) || !Number(f[2], s.dec) || !Number(f[3], mag)) return false;
            s.mag = static_cast<float>(mag);
            s.hasBv = Number(f[4], bv);
            if (s.hasBv) s.bv = static_cast<float>(bv);
            s.dir = Direction(s.ra, s.dec);
            s.bayer = Text(f[5]), s.flamsteed = Text(f[6]), s.japaneseName = Text(f[7]), s.englishName = Text(f[8]);
            stars.push_back(std::move(s));
            return true;
        }, error) &&
        ReadRows(dir + "constellations.txt", 6, [&](const Fields& f) {
            Constellation* c = ByAbbreviation(cons, f[0]);
            double ra = 0, dec = 0;
            if (!c || !Number(f[4], ra) || !Number(f[5], dec)) return false;
            if (c->latinName.isEmpty()) c->latinName = Text(f[1]);
            c->japaneseName = Text(f[2]);
            c->rank = std::clamp(Integer(f[3]), 1, 3);
            c->labels.push_back(Direction(ra, dec));
            return true;
        }, error) &&
        ReadRows(dir + "lines.txt", 3, [&](const Fields& f) {
            Constellation* c = ByAbbreviation(cons, f[0]);
            Polyline line;
            if (!c || !Points(f, 1, 3.0, true, false, line)) return false;
            c->lines.push_back(std::move(line));
            return true;
        }, error) &&
        ReadRows(dir + "boundaries.txt", 4, [&](const Fields& f) {
            Constellation* c = ByAbbreviation(cons, f[0]);
            Polyline ring;
            if (!c || !Points(f, 1, 2.5, false, true, ring)) return false;
            c->boundaries.push_back(std::move(ring));
            return true;
        }, error) &&
        ReadRows(dir + "milkyway.txt", 4, [&](const Fields& f) {
            MilkyWayRing r;
            r.level = Integer(f[0]);
            if (r.level < 1 || r.level > 5 || !Points(f, 1, 2.0, false, true, r.ring)) return false;
            rings.push_back(std::move(r));
            return true;
        }, error) &&
        ReadRows(dir + "dso.txt", 11, [&](const Fields& f) {
            DeepSkyObject d;
            for (int c = 0; c < kDsoCatalogCount; ++c) d.numbers[static_cast<std::size_t>(c)] = Integer(f[static_cast<std::size_t>(c)]);
            const auto type = std::find_if(std::begin(kTypeWords), std::end(kTypeWords),
                                           [&](const char* w) { return f[3] == QByteArrayView(w); });
            if (type == std::end(kTypeWords)) return false;
            d.type = static_cast<DsoType>(type - std::begin(kTypeWords));
            double mag = 0, ra = 0, dec = 0, major = 0, minor = 0;
            d.hasMag = Number(f[4], mag);
            d.mag = static_cast<float>(mag);
            if (!Number(f[5], ra) || !Number(f[6], dec)) return false;
            d.dir = Direction(ra, dec);
            if (Number(f[7], major) && Number(f[8], minor)) d.major = static_cast<float>(major), d.minor = static_cast<float>(minor);
            d.japaneseName = Text(f[9]), d.englishName = Text(f[10]);
            dsos.push_back(std::move(d));
            return true;
        }, error) &&
        ReadRows(dir + "magellanic.txt", 7, [&](const Fields& f) {
            MagellanicCloud m;
            double ra = 0, dec = 0, major = 0, minor = 0;
            if (!Number(f[1], ra) || !Number(f[2], dec) || !Number(f[3], major) || !Number(f[4], minor)) return false;
            m.id = Text(f[0]), m.dir = Direction(ra, dec);
            m.major = static_cast<float>(major), m.minor = static_cast<float>(minor);
            m.japaneseName = Text(f[5]), m.englishName = Text(f[6]);
            clouds.push_back(std::move(m));
            return true;
        }, error);
    if (!ok) return false;

    QImage steps(dir + "milkyway.png");
    if (steps.isNull() || steps.width() != 2 * steps.height()) {
        if (error) *error = QStringLiteral("cannot read %1milkyway.png").arg(dir);
        return false;
    }
    steps = steps.convertToFormat(QImage::Format_Grayscale8);

    stars_ = std::move(stars);
    constellations_ = std::move(cons);
    dsos_ = std::move(dsos);
    clouds_ = std::move(clouds);
    milkyWayRings_ = std::move(rings);
    milkyWayMap_ = SmoothMap(steps);
    milkyWayCube_.assign(static_cast<std::size_t>(6 * kCubeSide * kCubeSide), 0.0f);
    for (int face = 0; face < 6; ++face)
        for (int y = 0; y < kCubeSide; ++y)
            for (int x = 0; x < kCubeSide; ++x) {
                const Vec3 v = CubeDirection(face, (x + 0.5) / kCubeSide * 2 - 1, (y + 0.5) / kCubeSide * 2 - 1);
                double ra = std::atan2(v.y, v.x) / kDeg;
                if (ra < 0) ra += 360;
                milkyWayCube_[static_cast<std::size_t>((face * kCubeSide + y) * kCubeSide + x)] =
                    MapAt(ra, std::asin(std::clamp(v.z, -1.0, 1.0)) / kDeg);
            }
    return true;
}


float Catalog::MapAt(double ra, double dec) const {
    const int w = milkyWayMap_.width(), h = milkyWayMap_.height();
    const double perDeg = w / 360.0;
    const double fx = ra * perDeg - 0.5, fy = (90.0 - dec) * perDeg - 0.5;
    const int x0 = static_cast<int>(std::floor(fx)), y0 = static_cast<int>(std::floor(fy));
    const double tx = fx - x0, ty = fy - y0;
    auto at = [&](int x, int y) {
        return static_cast<double>(milkyWayMap_.constScanLine(std::clamp(y, 0, h - 1))[((x % w) + w) % w]);
    };
    const double top = at(x0, y0) * (1 - tx) + at(x0 + 1, y0) * tx;
    const double bottom = at(x0, y0 + 1) * (1 - tx) + at(x0 + 1, y0 + 1) * tx;
    return static_cast<float>((top * (1 - ty) + bottom * ty) / 255.0);
}

float Catalog::MilkyWayAt(Vec3 v) const {
    if (milkyWayCube_.empty()) return 0;
    double u = 0, w = 0;
    const int face = CubeFace(v, u, w);
    const double fx = (u + 1) * 0.5 * kCubeSide - 0.5, fy = (w + 1) * 0.5 * kCubeSide - 0.5;
    const int x0 = std::clamp(static_cast<int>(fx), 0, kCubeSide - 2), y0 = std::clamp(static_cast<int>(fy), 0, kCubeSide - 2);
    const float tx = static_cast<float>(std::clamp(fx - x0, 0.0, 1.0)), ty = static_cast<float>(std::clamp(fy - y0, 0.0, 1.0));
    const float* c = &milkyWayCube_[static_cast<std::size_t>((face * kCubeSide + y0) * kCubeSide + x0)];
    const float top = c[0] + (c[1] - c[0]) * tx;
    const float bottom = c[kCubeSide] + (c[kCubeSide + 1] - c[kCubeSide]) * tx;
    return top + (bottom - top) * ty;
}

}  // namespace sky
