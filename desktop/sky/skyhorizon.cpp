// SPDX-License-Identifier: BSD-3-Clause
#include "desktop/sky/skyhorizon.h"

#include <QPolygonF>
#include <cmath>

namespace sky {

const std::array<CompassPoint, 16>& CompassPoints() {
    static const std::array<CompassPoint, 16> points = {{
        {"北", 0, 0},        {"北北東", 22.5, 2}, {"北東", 45, 1},   {"東北東", 67.5, 2},
        {"東", 90, 0},       {"東南東", 112.5, 2}, {"南東", 135, 1},  {"南南東", 157.5, 2},
        {"南", 180, 0},      {"南南西", 202.5, 2}, {"南西", 225, 1},  {"西南西", 247.5, 2},
        {"西", 270, 0},      {"西北西", 292.5, 2}, {"北西", 315, 1},  {"北北西", 337.5, 2},
    }};
    return points;
}

int CompassLevel(double fovDeg) { return fovDeg <= 40 ? 2 : fovDeg <= 100 ? 1 : 0; }

QPainterPath GroundPath(const Projection& proj, const QRectF& area) {
    // With the zenith n, a direction v is below the horizon when v.n < 0. On the plane of the
    // projection (X, Y) = 2 (v.E, v.N) / (1 + v.F) that reads
    //     4 (X nE + Y nN) + (4 - X² - Y²) nF < 0,
    // outside the circle of centre 2 (nE, nN) / nF and radius 2 / |nF| when nF > 0, inside it when
    // nF < 0, and the half-plane X nE + Y nN < 0 when nF = 0. The screen flips both axes.
    const double s = proj.Scale(), cx = proj.CenterX(), cy = proj.CenterY();
    const double nE = proj.East().z, nN = proj.North().z, nF = proj.Forward().z;
    const QPointF mid = area.center();
    const double reach = std::hypot(area.width(), area.height()) / 2 + 4;
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);

    if (std::fabs(nF) < 1e-12) {
        // Ground on the side the zenith's screen direction points away from.
        const QPointF g(nE, nN), along(-nN, nE), origin(cx, cy);
        const double big = 4 * (reach + std::hypot(cx - mid.x(), cy - mid.y()));
        path.addPolygon(QPolygonF({origin + big * along, origin + big * along + big * g, origin - big * along + big * g,
                                   origin - big * along}));
        path.closeSubpath();
        return path;
    }
    const QPointF c(cx - s * 2 * nE / nF, cy - s * 2 * nN / nF);
    const double r = s * 2 / std::fabs(nF);
    const bool inside = nF < 0;
    const double d = std::hypot(mid.x() - c.x(), mid.y() - c.y());
    auto on = [&](double a) { return c + r * QPointF(std::cos(a), std::sin(a)); };

    if (d <= reach) {
        // The circle's centre is near the picture: the whole circle, finely.
        QPolygonF circle;
        constexpr int n = 360;
        for (int i = 0; i < n; ++i) circle << on(2 * std::numbers::pi * i / n);
        if (!inside) path.addRect(area.adjusted(-4, -4, 4, 4));
        path.addPolygon(circle);
        path.closeSubpath();
        return path;
    }
    // Only the arc within the wedge from the centre that holds the picture, closed on the ground's
    // side: towards the centre when the ground is inside, beyond the picture when outside.
    const double toward = std::atan2(mid.y() - c.y(), mid.x() - c.x());
    const double half = std::asin(std::min(1.0, reach / d)) + 0.01;
    QPolygonF arc;
    constexpr int n = 256;
    for (int i = 0; i <= n; ++i) arc << on(toward - half + 2 * half * i / n);
    if (inside) {
        arc << c;
    } else {
        const double far = d + reach + r;
        for (double a : {toward + half, toward, toward - half}) arc << c + far * QPointF(std::cos(a), std::sin(a));
    }
    path.addPolygon(arc);
    path.closeSubpath();
    return path;
}

}  // namespace sky
