// SPDX-License-Identifier: BSD-3-Clause
#include "desktop/sky/skylabels.h"

#include <cmath>

namespace sky {
namespace {

constexpr double kCell = 64.0;

long long CellKey(int x, int y) { return (static_cast<long long>(x) << 32) ^ static_cast<unsigned>(y); }

}  // namespace

QFont LabelFont(int pixels, bool bold) {
    QFont f;
    f.setFamilies({QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                   QStringLiteral("Noto Sans"), QStringLiteral("DejaVu Sans")});
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

LabelPlacer::LabelPlacer(QRectF area, double gap) : area_(area), gap_(gap) {}

template <typename F>
void LabelPlacer::ForCells(const QRectF& rect, F f) const {
    const int x0 = static_cast<int>(std::floor(rect.left() / kCell)), x1 = static_cast<int>(std::floor(rect.right() / kCell));
    const int y0 = static_cast<int>(std::floor(rect.top() / kCell)), y1 = static_cast<int>(std::floor(rect.bottom() / kCell));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) f(CellKey(x, y));
}

void LabelPlacer::Take(const QRectF& rect) {
    const std::size_t index = taken_.size();
    taken_.push_back(rect);
    ForCells(rect, [&](long long key) { cells_[key].push_back(index); });
}

void LabelPlacer::Reserve(const QRectF& rect) { Take(rect); }

bool LabelPlacer::Free(const QRectF& rect) const {
    bool free = true;
    ForCells(rect, [&](long long key) {
        const auto it = cells_.find(key);
        if (!free || it == cells_.end()) return;
        for (std::size_t i : it->second)
            if (taken_[i].intersects(rect)) {
                free = false;
                return;
            }
    });
    return free;
}

int LabelPlacer::Place(const std::vector<QRectF>& candidates) {
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const QRectF& c = candidates[i];
        if (!area_.contains(c)) continue;
        const QRectF padded = c.adjusted(-gap_, -gap_, gap_, gap_);
        if (!Free(padded)) continue;
        Take(padded);
        return static_cast<int>(i);
    }
    return -1;
}

std::vector<QRectF> BesideMark(QPointF at, double r, QSizeF s) {
    const double w = s.width(), h = s.height(), d = r + 3;
    const double x = at.x(), y = at.y();
    return {
        QRectF(x + d, y - h / 2, w, h),          // right
        QRectF(x - d - w, y - h / 2, w, h),      // left
        QRectF(x - w / 2, y - d - h, w, h),      // above
        QRectF(x - w / 2, y + d, w, h),          // below
        QRectF(x + d * 0.7, y - d * 0.7 - h, w, h),  // above right
        QRectF(x + d * 0.7, y + d * 0.7, w, h),      // below right
        QRectF(x - d * 0.7 - w, y - d * 0.7 - h, w, h),
        QRectF(x - d * 0.7 - w, y + d * 0.7, w, h),
    };
}

std::vector<QRectF> AroundPoint(QPointF at, QSizeF s) {
    const double w = s.width(), h = s.height();
    const QRectF centred(at.x() - w / 2, at.y() - h / 2, w, h);
    return {centred, centred.translated(0, -h), centred.translated(0, h), centred.translated(-w * 0.6, 0),
            centred.translated(w * 0.6, 0)};
}

}  // namespace sky
