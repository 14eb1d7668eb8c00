// SPDX-License-Identifier: BSD-3-Clause
// Places labels so that none covers another: labels come in order of importance (the brighter
// object first), each takes the first of its candidate places that lies wholly in the picture and
// touches nothing placed or reserved, and a label with no such place is left out.
#pragma once

#include <QFont>
#include <QStringList>
#include <QRectF>
#include <unordered_map>
#include <vector>

namespace sky {

// The font of the sky's texts: a Japanese gothic at a pixel size, unhinted so it scales alike.
QFont LabelFont(int pixels, bool bold = false);

class LabelPlacer {
public:
    // Labels must lie within area; gap is the room kept free around each placed label.
    explicit LabelPlacer(QRectF area, double gap = 2.0);

    // An area no label may touch.
    void Reserve(const QRectF& rect);
    // The index of the first candidate that is free (and now taken), or -1.
    int Place(const std::vector<QRectF>& candidates);
    bool Free(const QRectF& rect) const;

private:
    void Take(const QRectF& rect);
    template <typename F>
    void ForCells(const QRectF& rect, F f) const;

    QRectF area_;
    double gap_;
    std::vector<QRectF> taken_;
    // Taken rectangles by the cells of a coarse grid they touch, so a test looks at its neighbours only.
    std::unordered_map<long long, std::vector<std::size_t>> cells_;
};

// The candidate places of a label of a size beside a mark of radius r at (x, y): right of it
// first, then left, above, below and the four corners.
std::vector<QRectF> BesideMark(QPointF at, double r, QSizeF size);
// The candidate places of a label centred on a point: there first, then a little above, below,
// left and right.
std::vector<QRectF> AroundPoint(QPointF at, QSizeF size);

}  // namespace sky
