// SPDX-License-Identifier: BSD-3-Clause
// The sky as an observer at a place and an instant sees it, computed with ERFA: the data's J2000
// (ICRS) directions brought to the date (precession-nutation, aberration), turned by the Earth's
// rotation (sidereal time) into the observer's horizontal frame, and lifted by refraction.
#pragma once

#include <QDateTime>
#include <memory>

#include "desktop/sky/skygeometry.h"

namespace sky {

struct Place;

// Horizontal directions: x to the north, y to the west, z to the zenith, so that the projection
// built with -azimuth as its longitude shows east on the left when facing south, as the sky is.
// Azimuth runs from north (0) through east (90).
Vec3 HorizontalDirection(double azimuthDeg, double altitudeDeg);
void AzimuthAltitude(Vec3 horizontal, double& azimuthDeg, double& altitudeDeg);

// The air the refraction is computed for: 10 °C, half humid, the pressure of the standard
// atmosphere at the place's elevation, yellow-green light.
struct Atmosphere {
    static constexpr double kTemperatureC = 10.0;
    static constexpr double kHumidity = 0.5;
    static constexpr double kWavelengthMicrons = 0.55;
    static double PressureHpa(double elevationM);
};

class Observation {
public:
    // UT1 is taken as UTC and the pole as fixed (no Earth orientation data is shipped): less than a
    // second of sidereal time and a fraction of an arc-second of position.
    Observation(const Place& place, const QDateTime& utc);
    ~Observation();
    Observation(const Observation&);
    Observation& operator=(const Observation&);

    const QDateTime& Utc() const { return utc_; }
    double Latitude() const { return latitude_; }
    double Longitude() const { return longitude_; }
    double Elevation() const { return elevation_; }
    // Whether this is the same observer at the same instant.
    bool SameAs(const Observation& other) const;

    // Local apparent sidereal time, hours 0..24.
    double LocalSiderealTime() const;
    // Where a J2000 (ICRS) direction is seen, refraction included.
    Vec3 Observed(Vec3 icrs) const;
    // Where a point of the true equator and equinox of the date (degrees) is seen.
    Vec3 ObservedOfDate(double raDeg, double decDeg) const;
    // The J2000 direction seen at a horizontal direction (refraction and aberration undone).
    Vec3 Icrs(Vec3 horizontal) const;
    // The rotation from J2000 to the horizontal frame, refraction and aberration left out: within a
    // degree near the horizon, for what is soft anyway (the Milky Way's glow, a grid on the chart).
    Vec3 Rotate(Vec3 icrs) const;
    Vec3 RotateBack(Vec3 horizontal) const;

private:
    struct Frame;
    std::unique_ptr<Frame> frame_;
    QDateTime utc_;
    double latitude_ = 0, longitude_ = 0, elevation_ = 0;
};

}  // namespace sky
