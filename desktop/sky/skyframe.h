// SPDX-License-Identifier: BSD-3-Clause
// The directions the view draws the catalog at: the catalog's own J2000 directions for the chart,
// or where an observer sees them. Seen directions are computed with ERFA when first drawn and kept
// while the observer and the instant stay, so panning and zooming only project; only what lies
// near the view is computed.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "desktop/sky/astronomy.h"
#include "desktop/sky/skycatalog.h"

namespace sky {

class SkyFrame {
public:
    explicit SkyFrame(const Catalog& catalog);

    // The chart: every direction as the catalog has it. The observation, when given, serves the
    // alt-azimuth grid only.
    void UseChart(const Observation* observation);
    // As the observer sees it; what lies farther than radiusDeg from the J2000 direction around
    // reads as out of sight (it is off the picture).
    void UseObservation(const Observation& observation, Vec3 aroundIcrs, double radiusDeg);
    bool Horizontal() const { return horizontal_; }
    // The observation in use (null on a chart without one).
    const Observation* Observer() const { return observation_ ? &*observation_ : nullptr; }

    // A direction in the frame; false when it is out of sight.
    bool Star(std::size_t i, Vec3& v) { return stars_.Get(*this, i, v); }
    bool DeepSky(std::size_t i, Vec3& v) { return dsos_.Get(*this, i, v); }
    bool Cloud(std::size_t i, Vec3& v) { return clouds_.Get(*this, i, v); }
    bool ConstellationLabel(int number, std::size_t j, Vec3& v);
    // A polyline in the frame; null when all of it is out of sight.
    const Polyline* Line(int number, std::size_t j);
    const Polyline* Boundary(int number, std::size_t j);
    const Polyline* MilkyWayRing(std::size_t i) { return milkyWay_.Get(*this, i); }
    // Grid lines in the frame: altitude every 10° and azimuth every 15°; declination every 10°
    // and right ascension every hour (J2000 on the chart, the equator of the date when seen).
    const std::vector<Polyline>& AltAzimuthGrid();
    const std::vector<Polyline>& EquatorialGrid();
    // The J2000 direction at a direction of the frame (approximate on a seen sky).
    Vec3 ToJ2000(Vec3 v) const;

    // Changes whenever the directions of the frame do.
    std::uint32_t Stamp() const { return horizontal_ ? stamp_ : 0; }
    // How many directions ERFA computed since the frame was made (for tests and benchmarks).
    std::uint64_t Computed() const { return computed_; }

private:
    struct Points {
        std::vector<Vec3> source, seen;
        std::vector<std::uint32_t> stamp;
        bool everywhere = false;  // computed even out of sight (what is large enough to reach in)
        void Add(Vec3 v);
        bool Get(SkyFrame& frame, std::size_t i, Vec3& v);
    };
    struct Lines {
        std::vector<const Polyline*> source;
        std::vector<Vec3> centre;
        std::vector<double> radius;  // radians around the centre
        std::vector<Polyline> seen;
        std::vector<std::uint32_t> stamp;
        void Add(const Polyline& line);
        const Polyline* Get(SkyFrame& frame, std::size_t i);
    };
    bool InSight(Vec3 icrs, double marginRad = 0) const;
    Vec3 See(Vec3 icrs);

    const Catalog& catalog_;
    Points stars_, dsos_, clouds_, labels_;
    Lines lines_, boundaries_, milkyWay_;
    // Per constellation, where its labels, lines and boundaries start in the flat lists.
    std::vector<std::size_t> labelStart_, lineStart_, boundaryStart_;
    std::vector<Polyline> altAzNative_, equatorialNative_, altAzGrid_, equatorialGrid_;
    std::uint32_t altAzStamp_ = 0, equatorialStamp_ = 0;

    bool horizontal_ = false;
    std::optional<Observation> observation_;
    std::uint32_t stamp_ = 1;  // changes with the observation
    Vec3 around_;
    double cosRadius_ = -2, radius_ = 7;
    std::uint64_t computed_ = 0;
};

}  // namespace sky
