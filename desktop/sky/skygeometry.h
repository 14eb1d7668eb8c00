// SPDX-License-Identifier: BSD-3-Clause
// Directions on the celestial sphere and the stereographic projection of the sky view.
#pragma once

#include <cmath>
#include <numbers>

namespace sky {

inline constexpr double kDeg = std::numbers::pi / 180.0;

struct Vec3 {
    double x = 0, y = 0, z = 0;
};

inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator*(double k, Vec3 a) { return {k * a.x, k * a.y, k * a.z}; }
inline double Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 Normalized(Vec3 a) {
    const double n = std::sqrt(Dot(a, a));
    return n > 0 ? (1.0 / n) * a : a;
}

// Right ascension and declination in degrees (J2000) to a unit vector.
inline Vec3 Direction(double raDeg, double decDeg) {
    const double a = raDeg * kDeg, d = decDeg * kDeg;
    return {std::cos(d) * std::cos(a), std::cos(d) * std::sin(a), std::sin(d)};
}

// The view: a centre, a field of view across the shorter side of the picture, north up and east
// to the left as the sky is seen from inside. Only the hemisphere around the centre is drawn, so
// at the widest field the picture is the whole hemisphere as a disc.
class Projection {
public:
    static constexpr double kMinFov = 2.0;
    static constexpr double kMaxFov = 180.0;

    Projection() { Set(0, 0, 90, 1, 1); }
    Projection(double raDeg, double decDeg, double fovDeg, double width, double height) {
        Set(raDeg, decDeg, fovDeg, width, height);
    }

    void Set(double raDeg, double decDeg, double fovDeg, double width, double height) {
        ra_ = raDeg, dec_ = decDeg, fov_ = fovDeg;
        const double a = raDeg * kDeg, d = decDeg * kDeg;
        forward_ = Direction(raDeg, decDeg);
        east_ = {-std::sin(a), std::cos(a), 0};
        north_ = {-std::sin(d) * std::cos(a), -std::sin(d) * std::sin(a), std::cos(d)};
        cx_ = width / 2, cy_ = height / 2;
        scale_ = (std::fmin(width, height) / 2) / (2 * std::tan(fovDeg * kDeg / 4));
    }

    // The same view with its axes given in another frame (a rotation of these).
    void SetAxes(Vec3 east, Vec3 north, Vec3 forward) { east_ = east, north_ = north, forward_ = forward; }

    double Ra() const { return ra_; }
    double Dec() const { return dec_; }
    double Fov() const { return fov_; }
    // Pixels per radian at the centre.
    double Scale() const { return scale_; }
    double CenterX() const { return cx_; }
    double CenterY() const { return cy_; }

    // Cosine of the distance from the centre; the point is drawn when it is not negative.
    double Depth(Vec3 v) const { return Dot(v, forward_); }
    bool Visible(Vec3 v) const { return Depth(v) >= 0; }

    // Screen position of a visible direction.
    void Project(Vec3 v, double& sx, double& sy) const {
        const double k = 2.0 / (1.0 + Dot(v, forward_));
        sx = cx_ - scale_ * k * Dot(v, east_);
        sy = cy_ - scale_ * k * Dot(v, north_);
    }
    // Pixels per radian at a visible direction (the projection is conformal).
    double ScaleAt(Vec3 v) const { return scale_ * 2.0 / (1.0 + Dot(v, forward_)); }

    // The direction seen at a screen position; false outside the drawn hemisphere.
    bool Unproject(double sx, double sy, Vec3& v) const {
        const double X = (cx_ - sx) / scale_, Y = (cy_ - sy) / scale_;
        const double r2 = X * X + Y * Y, d = 4.0 + r2;
        const double z = (4.0 - r2) / d;
        v = (4.0 * X / d) * east_ + (4.0 * Y / d) * north_ + z * forward_;
        return z >= 0;
    }

    Vec3 East() const { return east_; }
    Vec3 North() const { return north_; }
    Vec3 Forward() const { return forward_; }

private:
    double ra_ = 0, dec_ = 0, fov_ = 90;
    Vec3 forward_, east_, north_;
    double cx_ = 0, cy_ = 0, scale_ = 1;
};

// The faintest magnitude drawn when the star limit is linked to the field of view: the setting
// holds for fields of 15 degrees and narrower, and each tenfold widening of the field takes
// 2.5 magnitudes off, so a wide view keeps the bright pattern readable and zooming in brings the
// fainter stars out.
inline double LinkedMagnitudeLimit(double setting, double fovDeg) {
    return setting - 2.5 * std::log10(std::fmax(fovDeg, 15.0) / 15.0);
}

}  // namespace sky
