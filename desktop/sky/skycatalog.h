// SPDX-License-Identifier: BSD-3-Clause
// The sky view's data: stars, constellations, the Milky Way, deep-sky objects and the Magellanic
// Clouds, read from the files of data/skyview (formats in its README).
#pragma once

#include <QImage>
#include <QString>
#include <array>
#include <vector>

#include "desktop/sky/skygeometry.h"

namespace sky {

struct Star {
    int hip = 0;
    double ra = 0, dec = 0;
    float mag = 0;
    float bv = 0.6f;
    bool hasBv = false;
    Vec3 dir;
    QString bayer, flamsteed, japaneseName, englishName;
};

using Polyline = std::vector<Vec3>;

struct Constellation {
    int number = 0;  // the engine's numbering, 1..88
    QString abbreviation, latinName, japaneseName;
    int rank = 3;  // 1 for the large and well-known, 3 for the small and faint
    std::vector<Vec3> labels;  // Serpens has two
    std::vector<Polyline> lines;
    std::vector<Polyline> boundaries;  // closed rings
};

enum class DsoType {
    GlobularCluster,
    OpenCluster,
    PlanetaryNebula,
    DiffuseNebula,
    DarkNebula,
    SupernovaRemnant,
    Galaxy,
    GroupOfGalaxies,
    ClusterOfGalaxies,
    Other,
};
inline constexpr int kDsoTypeCount = 9;  // the types a setting can restrict; Other is never restricted
const char* DsoTypeWord(DsoType type);

// The deep-sky catalogs the data carries, in the order their designations are preferred.
enum class DsoCatalog { Messier, NGC, IC };
inline constexpr int kDsoCatalogCount = 3;
const char* DsoCatalogWord(DsoCatalog catalog);

struct DeepSkyObject {
    std::array<int, kDsoCatalogCount> numbers{};  // 0 when not in that catalog
    DsoType type = DsoType::Other;
    float mag = 0;
    bool hasMag = false;
    Vec3 dir;
    float major = 0, minor = 0;  // arcminutes, 0 when unknown
    QString japaneseName, englishName;
    QString Designation(DsoCatalog catalog) const;
};

struct MagellanicCloud {
    QString id;
    Vec3 dir;
    float major = 0, minor = 0;
    QString japaneseName, englishName;
};

struct MilkyWayRing {
    int level = 0;
    Polyline ring;
};

class Catalog {
public:
    // Reads every file of the folder; false with a message when one is missing or malformed.
    bool Load(const QString& folder, QString* error = nullptr);

    const std::vector<Star>& Stars() const { return stars_; }  // brightest first
    const std::array<Constellation, 88>& Constellations() const { return constellations_; }
    const std::vector<DeepSkyObject>& DeepSky() const { return dsos_; }
    const std::vector<MagellanicCloud>& Clouds() const { return clouds_; }
    const std::vector<MilkyWayRing>& MilkyWayOutlines() const { return milkyWayRings_; }
    // Milky Way brightness over the sky, 0..1, smoothed: equirectangular, right ascension 0 at
    // column 0 growing to the right, declination +90 at row 0.
    const QImage& MilkyWayMap() const { return milkyWayMap_; }
    // Brightness at a direction, 0..1.
    float MilkyWayAt(Vec3 v) const;

private:
    std::vector<Star> stars_;
    std::array<Constellation, 88> constellations_;
    std::vector<DeepSkyObject> dsos_;
    std::vector<MagellanicCloud> clouds_;
    std::vector<MilkyWayRing> milkyWayRings_;
    QImage milkyWayMap_;  // Format_Grayscale8
    // The same map on the six faces of a cube, so a look-up needs no trigonometry.
    static constexpr int kCubeSide = 128;
    std::vector<float> milkyWayCube_;
    float MapAt(double raDeg, double decDeg) const;
};

}  // namespace sky
