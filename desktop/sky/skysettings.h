// SPDX-License-Identifier: BSD-3-Clause
// What the sky view draws, read from the engine's properties. Reading is not engine traffic: the
// view peeks, so the traffic a host records stays the dialogs' own.
#pragma once

#include <QColor>
#include <QString>
#include <array>
#include <vector>

#include "desktop/sky/skycatalog.h"

class CCorQel;

namespace sky {

enum class StarStyle { Real, Blur, Mirado, Custom };

// A label kind with its own magnitude limit (…MagnitudeLimit and …MagnitudeLimit.Minimum).
struct LabelKind {
    bool visible = false;
    bool limited = false;
    double limit = 0;
    bool Shows(double mag) const { return visible && (!limited || mag <= limit); }
};

// One row of the legend: something the settings switch that the data cannot draw.
struct LegendRow {
    QString name;
    bool on = false;
    QString detail;  // limits or options, empty when none
};

// The annotations of deep-sky objects, in the order of the settings.
enum DsoAnnotation { kDsoMark, kDsoName, kDsoNumber, kDsoMagnitude, kDsoAnnotationCount };

struct Settings {
    // The view: the observer's horizontal view ("View.Coordinate = Horizon"), else the star chart
    bool horizon = false;

    // Stars
    bool stars = false;
    bool autoLimit = true;
    double autoMin = 8.0;
    double fixedMax = -2.0, fixedMin = 8.0;
    double starSize = 1.0;
    StarStyle style = StarStyle::Real;
    QString customFile;
    bool twinkle = false;
    double twinkleStrength = 0.5;
    LabelKind japaneseName, englishName, bayer, flamsteed, magnitude;

    // Constellations
    bool consJapanese = false, consLatin = false, consAbbreviation = false;
    bool consLines = false, consBoundaries = false;
    std::array<bool, 88> selected{};
    std::array<QString, 88> consJapaneseNames, consLatinNames, consAbbreviations;

    // Milky Way and the Magellanic Clouds
    bool milkyWay = false, milkyWayImage = false, milkyWayOutline = false;
    double milkyWayBrightness = 2.0;
    bool clouds = false, cloudsImage = false, cloudsOutline = false, cloudsName = false;
    double cloudsBrightness = 0.5;

    // Deep-sky objects
    std::array<bool, kDsoAnnotationCount> dso{};
    // A catalog or type is selected while any of its annotations is visible: the deep-sky
    // dialog reads its lists so and switches all four off for the ones left out.
    std::array<bool, kDsoCatalogCount> dsoCatalog{};
    std::array<bool, kDsoTypeCount> dsoType{};
    bool dsoLimited = false;
    double dsoMax = -2.0, dsoMin = 12.0;
    bool dsoOutline = false, dsoImage = false;
    double dsoImageBrightness = 0.8;

    // Colours the colour dialogs may set (the engine's keys), else the view's own
    QColor starNameColor, consNameColor, milkyWayOutlineColor, dsoNameColor;

    std::vector<LegendRow> legend;

    // The faintest magnitude drawn at a field of view, and the brightest.
    double FaintLimit(double fovDeg) const;
    double BrightLimit() const;
    bool AnyDsoAnnotation() const { return dso[0] || dso[1] || dso[2] || dso[3]; }
    // Whether an annotation of an object passes the deep-sky catalog, type and magnitude filters.
    bool ShowsDso(const DeepSkyObject& d, DsoAnnotation annotation) const;
    bool DsoInRange(const DeepSkyObject& d) const;
};

// Which star magnitude mode a script chose last, when known.
enum class MagnitudeMode { Unknown, Linked, Fixed };
// The mode the last assignment of TRUE to Star.AutoMagnitudeLimit or Star.FixedMagnitudeLimit in
// a script chose, else the hint given.
MagnitudeMode MagnitudeModeOfScript(const QString& script, MagnitudeMode hint);

// Reads the settings from the engine (a null engine gives everything off).
Settings ReadSettings(const CCorQel* engine, MagnitudeMode modeHint = MagnitudeMode::Unknown);

}  // namespace sky
