// SPDX-License-Identifier: BSD-3-Clause
#include "desktop/sky/skypanel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "desktop/sky/skylabels.h"

namespace sky {
namespace {

constexpr double kPad = 10, kLine = 15;
const QColor kBackground(11, 15, 30), kEdge(52, 64, 98), kHead(130, 146, 186), kText(222, 228, 244),
    kOff(135, 144, 168);

}  // namespace

QString FieldText(double fovDeg) {
    const double whole = std::round(fovDeg);
    return std::fabs(fovDeg - whole) < 0.05 ? QStringLiteral("%1°").arg(whole, 0, 'f', 0)
                                            : QStringLiteral("%1°").arg(fovDeg, 0, 'f', 1);
}

QString LimitText(const Settings& s, double fovDeg) {
    if (!s.autoLimit)
        return QStringLiteral("固定 %1～%2等").arg(s.fixedMax, 0, 'f', 1).arg(s.fixedMin, 0, 'f', 1);
    return QStringLiteral("設定 %1等 → 視野 %2 で %3等まで")
        .arg(s.autoMin, 0, 'f', 1)
        .arg(FieldText(fovDeg))
        .arg(s.FaintLimit(fovDeg), 0, 'f', 1);
}

Panel::Panel() : font_(LabelFont(12)), headFont_(LabelFont(11, true)) {}

double Panel::Width(double pictureWidth) { return std::floor(std::min(250.0, pictureWidth / 3)); }

const QImage& Panel::Legend(const Settings& s, int width) {
    QString key = QString::number(width);
    for (const LegendRow& r : s.legend) key += QStringLiteral("|%1%2 %3").arg(r.on).arg(r.name, r.detail);
    if (key == legendKey_) return legend_;
    legendKey_ = key;
    // What is on, a row each with its limits; then what is off, as one wrapped list.
    const QFontMetricsF fm(font_);
    const double room = width - 2 * kPad;
    QList<QPair<QString, QColor>> rows;
    QStringList off;
    for (const LegendRow& r : s.legend) {
        if (!r.on) {
            off << r.name;
            continue;
        }
        rows.append({fm.elidedText(QStringLiteral("● ") + r.name, Qt::ElideRight, room), kText});
        if (!r.detail.isEmpty()) rows.append({fm.elidedText(QStringLiteral("　　") + r.detail, Qt::ElideRight, room), kOff});
    }
    QString line = QStringLiteral("○ 非表示：");
    for (int i = 0; i < off.size(); ++i) {
        const QString item = off[i] + (i + 1 < off.size() ? QStringLiteral("・") : QString());
        if (fm.horizontalAdvance(line + item) > room && !line.endsWith(u'：') && !line.endsWith(u'　')) {
            rows.append({line, kOff});
            line = QStringLiteral("　　") + item;
        } else {
            line += item;
        }
    }
    if (!off.isEmpty()) rows.append({line, kOff});
    legend_ = QImage(width, static_cast<int>(std::ceil(rows.size() * kLine)) + 2, QImage::Format_ARGB32_Premultiplied);
    legend_.fill(Qt::transparent);
    QPainter lp(&legend_);
    lp.setRenderHint(QPainter::TextAntialiasing);
    lp.setFont(font_);
    for (int i = 0; i < rows.size(); ++i) {
        lp.setPen(rows[i].second);
        lp.drawText(QPointF(kPad, i * kLine + fm.ascent()), rows[i].first);
    }
    return legend_;
}

const QImage& Panel::Line(const QString& text, double room) {
    const QString key = QString::number(room) + u' ' + text;
    auto it = lines_.find(key);
    if (it != lines_.end()) return *it;
    if (lines_.size() > 500) lines_.clear();  // counts and times long gone
    const QFontMetricsF fm(font_);
    QImage img(static_cast<int>(std::ceil(room)), static_cast<int>(std::ceil(kLine)), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter lp(&img);
    lp.setRenderHint(QPainter::TextAntialiasing);
    lp.setFont(font_);
    lp.setPen(kText);
    lp.drawText(QPointF(0, fm.ascent()), fm.elidedText(text, Qt::ElideRight, room));
    lp.end();
    return *lines_.insert(key, img);
}

int Panel::Paint(QPainter& p, const QRectF& rect, const Settings& s, const PanelStatus& status) {
    p.save();
    p.setClipRect(rect);
    p.fillRect(rect, kBackground);
    p.setPen(kEdge);
    p.drawLine(rect.topLeft(), rect.bottomLeft());
    p.setRenderHint(QPainter::TextAntialiasing);
    const QFontMetricsF hm(headFont_);
    const double room = rect.width() - 2 * kPad;
    double y = rect.top() + kPad;
    auto head = [&](const QString& text) {
        p.setFont(headFont_);
        p.setPen(kHead);
        p.drawText(QPointF(rect.left() + kPad, y + hm.ascent()), text);
        y += kLine + 2;
    };
    auto line = [&](const QString& text) {
        p.drawImage(QPointF(rect.left() + kPad, std::round(y)), Line(text, room));
        y += kLine;
    };
    if (!status.placeTime.isEmpty()) {
        head(QStringLiteral("場所と時刻"));
        for (const QString& t : status.placeTime) line(t);
        y += kLine / 2;
    }
    head(QStringLiteral("表示"));
    line(status.view);
    line(status.stars);
    line(status.limit);
    y += kLine / 2;
    head(QStringLiteral("凡例"));
    const QImage& legend = Legend(s, static_cast<int>(rect.width()));
    p.drawImage(QPointF(rect.left(), std::round(y)), legend);
    p.restore();
    return static_cast<int>(s.legend.size());
}

}  // namespace sky
