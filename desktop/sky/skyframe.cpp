// SPDX-License-Identifier: BSD-3-Clause
#include "desktop/sky/skyframe.h"

#include <algorithm>
#include <cmath>

namespace sky {
namespace {

// A grid line of constant latitude (a full circle) or longitude, in points 2° apart.
Polyline Parallel(double lat, Vec3 (*at)(double, double)) {
    Polyline line;
    for (int lon = 0; lon <= 360; lon += 2) line.push_back(at(lon, lat));
    return line;
}
Polyline Meridian(double lon, double from, double to, Vec3 (*at)(double, double)) {
    Polyline line;
    for (double lat = from; lat <= to + 1e-9; lat += 2) line.push_back(at(lon, lat));
    return line;
}
Vec3 AltAz(double az, double alt) { return HorizontalDirection(az, alt); }
Vec3 RaDec(double ra, double dec) { return Direction(ra, dec); }

}  // namespace

void SkyFrame::Points::Add(Vec3 v) {
    source.push_back(v);
    seen.push_back(v);
    stamp.push_back(0);
}

bool SkyFrame::Points::Get(SkyFrame& frame, std::size_t i, Vec3& v) {
    if (!frame.horizontal_) {
        v = source[i];
        return true;
    }
    if (stamp[i] != frame.stamp_) {
        if (!everywhere && !frame.InSight(source[i])) return false;
        seen[i] = frame.See(source[i]);
        stamp[i] = frame.stamp_;
    }
    v = seen[i];
    return true;
}

void SkyFrame::Lines::Add(const Polyline& line) {
    Vec3 sum;
    for (const Vec3& p : line) sum = sum + p;
    const Vec3 c = Normalized(sum);
    double r = 0;
    for (const Vec3& p : line) r = std::max(r, std::acos(std::clamp(Dot(p, c), -1.0, 1.0)));
    source.push_back(&line);
    centre.push_back(c);
    radius.push_back(r);
    seen.emplace_back();
    stamp.push_back(0);
}

const Polyline* SkyFrame::Lines::Get(SkyFrame& frame, std::size_t i) {
    if (!frame.horizontal_) return source[i];
    if (stamp[i] != frame.stamp_) {
        if (!frame.InSight(centre[i], radius[i])) return nullptr;
        Polyline& out = seen[i];
        out.resize(source[i]->size());
        for (std::size_t k = 0; k < out.size(); ++k) out[k] = frame.See((*source[i])[k]);
        stamp[i] = frame.stamp_;
    }
    return &seen[i];
}

SkyFrame::SkyFrame(const Catalog& catalog) : catalog_(catalog) {
    for (const sky::Star& s : catalog.Stars()) stars_.Add(s.dir);
    for (const DeepSkyObject& d : catalog.DeepSky()) dsos_.Add(d.dir);
    for (const MagellanicCloud& m : catalog.Clouds()) clouds_.Add(m.dir);
    clouds_.everywhere = true;
    for (const Constellation& k : catalog.Constellations()) {
        labelStart_.push_back(labels_.source.size());
        lineStart_.push_back(lines_.source.size());
        boundaryStart_.push_back(boundaries_.source.size());
        for (const Vec3& v : k.labels) labels_.Add(v);
        for (const Polyline& l : k.lines) lines_.Add(l);
        for (const Polyline& b : k.boundaries) boundaries_.Add(b);
    }
    for (const sky::MilkyWayRing& r : catalog.MilkyWayOutlines()) milkyWay_.Add(r.ring);

    for (int alt = 0; alt <= 80; alt += 10) altAzNative_.push_back(Parallel(alt, AltAz));
    for (int az = 0; az < 360; az += 15) altAzNative_.push_back(Meridian(az, 0, 80, AltAz));
    for (int dec = -80; dec <= 80; dec += 10) equatorialNative_.push_back(Parallel(dec, RaDec));
    for (int ra = 0; ra < 360; ra += 15) equatorialNative_.push_back(Meridian(ra, -80, 80, RaDec));
}

void SkyFrame::UseChart(const Observation* observation) {
    horizontal_ = false;
    if (!observation) {
        observation_.reset();
    } else if (!observation_ || !observation_->SameAs(*observation)) {
        observation_ = *observation;
        ++stamp_;
    }
}

void SkyFrame::UseObservation(const Observation& observation, Vec3 aroundIcrs, double radiusDeg) {
    horizontal_ = true;
    if (!observation_ || !observation_->SameAs(observation)) {
        observation_ = observation;
        ++stamp_;
    }
    around_ = aroundIcrs;
    radius_ = radiusDeg * kDeg;
    cosRadius_ = radiusDeg >= 180 ? -2.0 : std::cos(radius_);
}

bool SkyFrame::InSight(Vec3 icrs, double marginRad) const {
    if (marginRad == 0) return Dot(icrs, around_) >= cosRadius_;
    return radius_ + marginRad >= std::numbers::pi || std::acos(std::clamp(Dot(icrs, around_), -1.0, 1.0)) <= radius_ + marginRad;
}

Vec3 SkyFrame::See(Vec3 icrs) {
    ++computed_;
    return observation_->Observed(icrs);
}

bool SkyFrame::ConstellationLabel(int number, std::size_t j, Vec3& v) {
    return labels_.Get(*this, labelStart_[static_cast<std::size_t>(number - 1)] + j, v);
}

const Polyline* SkyFrame::Line(int number, std::size_t j) {
    return lines_.Get(*this, lineStart_[static_cast<std::size_t>(number - 1)] + j);
}

const Polyline* SkyFrame::Boundary(int number, std::size_t j) {
    return boundaries_.Get(*this, boundaryStart_[static_cast<std::size_t>(number - 1)] + j);
}

const std::vector<Polyline>& SkyFrame::AltAzimuthGrid() {
    if (horizontal_) return altAzNative_;
    if (!observation_) {
        altAzGrid_.clear();
        return altAzGrid_;
    }
    if (altAzStamp_ != stamp_) {
        altAzGrid_ = altAzNative_;
        for (Polyline& line : altAzGrid_)
            for (Vec3& p : line) p = observation_->RotateBack(p);
        altAzStamp_ = stamp_;
    }
    return altAzGrid_;
}

const std::vector<Polyline>& SkyFrame::EquatorialGrid() {
    if (!horizontal_) return equatorialNative_;
    if (equatorialStamp_ != stamp_) {
        equatorialGrid_ = equatorialNative_;
        for (Polyline& line : equatorialGrid_)
            for (Vec3& p : line) {
                const double ra = std::atan2(p.y, p.x) / kDeg, dec = std::asin(std::clamp(p.z, -1.0, 1.0)) / kDeg;
                p = observation_->ObservedOfDate(ra, dec);
                ++computed_;
            }
        equatorialStamp_ = stamp_;
    }
    return equatorialGrid_;
}

Vec3 SkyFrame::ToJ2000(Vec3 v) const { return horizontal_ && observation_ ? observation_->RotateBack(v) : v; }

}  // namespace sky
