// SPDX-License-Identifier: BSD-3-Clause
// Dialog units to pixels, the way the windowing system the templates were made for does it: the
// dialog font's height is the vertical base, the rounded average width of "A"-"Z" and "a"-"z" the
// horizontal one; x and width scale by base x / 4, y and height by base y / 8, each rounded on
// its own. Pixels here are Qt's device-independent pixels, so a HiDPI screen scales the result.
#pragma once

#include <QFont>
#include <QRect>

#include "platform/resource.h"

struct BaseUnits {
    int x = 0;
    int y = 0;
};

// Maps the template fonts to faces this system has (the templates' Japanese UI font to the IPA
// proportional gothic, then Noto Sans CJK JP). Runs once; call before any dialog font is made.
void InstallDialogFontSubstitutes();

// The template's font at its point size on a 96 dpi desktop.
QFont DialogFont(const DialogTemplate& dialog);
BaseUnits MeasureBaseUnits(const QFont& font);

// value * numerator / denominator rounded half away from zero, as the platform's MulDiv.
int MulDivRound(int value, int numerator, int denominator);
QRect DialogUnitsToPixels(const BaseUnits& units, int x, int y, int cx, int cy);
