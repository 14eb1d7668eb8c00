// SPDX-License-Identifier: BSD-3-Clause
#include "desktop/sky/astronomy.h"

#include <erfa.h>

#include <algorithm>
#include <cmath>

#include "desktop/sky/observer.h"

namespace sky {
namespace {

constexpr double kUnixEpochJd = 2440587.5;

void ToArray(Vec3 v, double out[3]) { out[0] = v.x, out[1] = v.y, out[2] = v.z; }
Vec3 FromArray(const double v[3]) { return {v[0], v[1], v[2]}; }

}  // namespace

Vec3 HorizontalDirection(double azimuthDeg, double altitudeDeg) { return Direction(-azimuthDeg, altitudeDeg); }

void AzimuthAltitude(Vec3 v, double& azimuthDeg, double& altitudeDeg) {
    altitudeDeg = std::asin(std::clamp(v.z, -1.0, 1.0)) / kDeg;
    azimuthDeg = (v.x == 0 && v.y == 0) ? 0.0 : eraAnp(std::atan2(-v.y, v.x)) / kDeg;
}

double Atmosphere::PressureHpa(double elevationM) {
    // ERFA's estimate of the pressure from the height, with the sea-level temperature in kelvin.
    return 1013.25 * std::exp(-elevationM / (29.3 * (kTemperatureC + 273.15)));
}

struct Observation::Frame {
    eraASTROM astrom{};
    double eo = 0;                     // equation of the origins, ERA - GST
    double lst = 0;                    // local apparent sidereal time, radians
    double rotation[3][3] = {};        // J2000 to horizontal, without refraction and aberration
};

Observation::Observation(const Place& place, const QDateTime& utc)
    : frame_(std::make_unique<Frame>()),
      utc_(utc.toUTC()),
      latitude_(place.latitude),
      longitude_(place.longitude),
      elevation_(place.elevation) {
    // A UTC day as a Julian date: Unix time counts no leap seconds, as ERFA's quasi-JD.
    const double utc1 = kUnixEpochJd, utc2 = static_cast<double>(utc_.toMSecsSinceEpoch()) / 86400000.0;
    const double elong = longitude_ * kDeg, phi = latitude_ * kDeg;
    Frame& f = *frame_;
    eraApco13(utc1, utc2, 0.0, elong, phi, elevation_, 0.0, 0.0, Atmosphere::PressureHpa(elevation_),
              Atmosphere::kTemperatureC, Atmosphere::kHumidity, Atmosphere::kWavelengthMicrons, &f.astrom, &f.eo);

    double ut11 = 0, ut12 = 0, tai1 = 0, tai2 = 0, tt1 = 0, tt2 = 0;
    eraUtcut1(utc1, utc2, 0.0, &ut11, &ut12);
    eraUtctai(utc1, utc2, &tai1, &tai2);
    eraTaitt(tai1, tai2, &tt1, &tt2);
    f.lst = eraAnp(eraGst06a(ut11, ut12, tt1, tt2) + elong);

    // CIRS to -HA,Dec by the local Earth rotation angle, to south-east-zenith by the latitude, then
    // half a turn to north-west-zenith.
    eraCr(f.astrom.bpn, f.rotation);
    eraRz(f.astrom.eral, f.rotation);
    eraRy(std::numbers::pi / 2 - phi, f.rotation);
    eraRz(std::numbers::pi, f.rotation);
}

Observation::~Observation() = default;

Observation::Observation(const Observation& other)
    : frame_(std::make_unique<Frame>(*other.frame_)),
      utc_(other.utc_),
      latitude_(other.latitude_),
      longitude_(other.longitude_),
      elevation_(other.elevation_) {}

Observation& Observation::operator=(const Observation& other) {
    if (this != &other) {
        *frame_ = *other.frame_;
        utc_ = other.utc_;
        latitude_ = other.latitude_, longitude_ = other.longitude_, elevation_ = other.elevation_;
    }
    return *this;
}

bool Observation::SameAs(const Observation& other) const {
    return utc_ == other.utc_ && latitude_ == other.latitude_ && longitude_ == other.longitude_ &&
           elevation_ == other.elevation_;
}

double Observation::LocalSiderealTime() const { return frame_->lst / (2 * std::numbers::pi) * 24.0; }

Vec3 Observation::Observed(Vec3 icrs) const {
    double p[3], rc = 0, dc = 0, ri = 0, di = 0;
    ToArray(icrs, p);
    eraC2s(p, &rc, &dc);
    eraAtciqz(rc, dc, &frame_->astrom, &ri, &di);
    double az = 0, zd = 0, ha = 0, dec = 0, ra = 0;
    eraAtioq(ri, di, &frame_->astrom, &az, &zd, &ha, &dec, &ra);
    return HorizontalDirection(az / kDeg, 90.0 - zd / kDeg);
}

Vec3 Observation::ObservedOfDate(double raDeg, double decDeg) const {
    // The CIRS right ascension counts from the CIO, which lies the equation of the origins east
    // of the equinox.
    double az = 0, zd = 0, ha = 0, dec = 0, ra = 0;
    eraAtioq(eraAnp(raDeg * kDeg + frame_->eo), decDeg * kDeg, &frame_->astrom, &az, &zd, &ha, &dec, &ra);
    return HorizontalDirection(az / kDeg, 90.0 - zd / kDeg);
}

Vec3 Observation::Icrs(Vec3 horizontal) const {
    double az = 0, alt = 0, ri = 0, di = 0, rc = 0, dc = 0;
    AzimuthAltitude(horizontal, az, alt);
    eraAtoiq("A", az * kDeg, (90.0 - alt) * kDeg, &frame_->astrom, &ri, &di);
    eraAticq(ri, di, &frame_->astrom, &rc, &dc);
    double p[3];
    eraS2c(rc, dc, p);
    return FromArray(p);
}

Vec3 Observation::Rotate(Vec3 icrs) const {
    double p[3], q[3];
    ToArray(icrs, p);
    eraRxp(frame_->rotation, p, q);
    return FromArray(q);
}

Vec3 Observation::RotateBack(Vec3 horizontal) const {
    double p[3], q[3];
    ToArray(horizontal, p);
    eraTrxp(frame_->rotation, p, q);
    return FromArray(q);
}

}  // namespace sky
