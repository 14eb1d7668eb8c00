// SPDX-License-Identifier: BSD-3-Clause
// The panel beside the sky: where and when the sky is seen, the field, the star limit in force and
// how it follows from the setting, and the legend of what the settings switch that the data cannot
// draw. It has its own strip of the picture, so it hides nothing and reads the same on any sky.
#pragma once

#include <QFont>
#include <QHash>
#include <QImage>
#include <QRectF>
#include <QStringList>

#include "desktop/sky/skysettings.h"

class QPainter;

namespace sky {

struct PanelStatus {
    QStringList placeTime;  // empty on the chart
    QString view;           // the frame and the field
    QString stars;          // how many stars are drawn
    QString limit;          // the star limit and where it comes from
};

// "90°", "61.4°"
QString FieldText(double fovDeg);
// The star limit in force and how it is derived: "設定 8.0等 → 視野 90° で 6.1等まで" when linked to
// the field, "固定 -2.0～8.0等" when fixed.
QString LimitText(const Settings& s, double fovDeg);

class Panel {
public:
    Panel();
    // The width of the panel beside a picture of a width.
    static double Width(double pictureWidth);
    // Paints the panel into rect; returns how many legend rows it holds.
    int Paint(QPainter& p, const QRectF& rect, const Settings& s, const PanelStatus& status);

private:
    const QImage& Legend(const Settings& s, int width);
    // A line of the status, drawn once and reused while it reads the same.
    const QImage& Line(const QString& text, double room);

    QFont font_, headFont_;
    QImage legend_;
    QString legendKey_;
    QHash<QString, QImage> lines_;
};

}  // namespace sky
