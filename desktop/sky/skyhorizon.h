// SPDX-License-Identifier: BSD-3-Clause
// The horizontal view's ground and compass: the region below the horizon on the picture, and the
// points of the compass named along the horizon.
#pragma once

#include <QPainterPath>
#include <QRectF>
#include <array>

#include "desktop/sky/skygeometry.h"

namespace sky {

struct CompassPoint {
    const char* name;  // UTF-8
    double azimuth;    // degrees from north through east
    int level;         // 0: 東西南北, 1: 北東…, 2: 北北東…
};
const std::array<CompassPoint, 16>& CompassPoints();
// The finest level named at a field of view: the four always, eight at 100° and narrower, all
// sixteen at 40° and narrower.
int CompassLevel(double fovDeg);

// The part of area below the horizon, for a projection of horizontal directions. The horizon is a
// great circle, and the projection is stereographic, so on the picture it is a circle (a line
// when it passes through the centre); the path follows it exactly however large it grows. Beyond
// the drawn hemisphere the caller clips.
QPainterPath GroundPath(const Projection& proj, const QRectF& area);

}  // namespace sky
