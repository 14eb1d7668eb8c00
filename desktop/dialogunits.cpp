// SPDX-License-Identifier: BSD-3-Clause
#include "dialogunits.h"

#include <QFontMetrics>
#include <QString>
#include <QStringList>
#include <cstdlib>

void InstallDialogFontSubstitutes() {
    static const bool done = [] {
        QFont::insertSubstitutions(QStringLiteral("MS UI Gothic"), QStringList{QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")});
        return true;
    }();
    (void)done;
}

QFont DialogFont(const DialogTemplate& dialog) {
    InstallDialogFontSubstitutes();
    QFont font(QString::fromWCharArray(dialog.font ? dialog.font : L"MS UI Gothic"));
    // Points become pixels at the 96 dpi the layouts were drawn for.
    font.setPixelSize(MulDivRound(dialog.pointSize > 0 ? dialog.pointSize : 9, 96, 72));
    return font;
}

BaseUnits MeasureBaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(width / 26 + 1) / 2, metrics.height()};
}

int MulDivRound(int value, int numerator, int denominator) {
    if (denominator == 0) return -1;
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = std::llabs(static_cast<long long>(denominator)) / 2;
    const bool negative = (product < 0) != (denominator < 0);
    const long long magnitude = (std::llabs(product) + half) / std::llabs(static_cast<long long>(denominator));
    return static_cast<int>(negative ? -magnitude : magnitude);
}

QRect DialogUnitsToPixels(const BaseUnits& units, int x, int y, int cx, int cy) {
    return {MulDivRound(x, units.x, 4), MulDivRound(y, units.y, 8), MulDivRound(cx, units.x, 4), MulDivRound(cy, units.y, 8)};
}
