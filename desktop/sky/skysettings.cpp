// SPDX-License-Identifier: BSD-3-Clause
#include "desktop/sky/skysettings.h"

#include <QRegularExpression>
#include <QStringList>
#include <cmath>

#include "companions/zemqel/corqel.h"
#include "desktop/sky/asciifold.h"
#include "platform/casefold.h"

namespace sky {
namespace {

// The engine's words compare as the engine compares them: ASCII case aside, nothing more.
bool IsWord(const QString& text, const wchar_t* word) { return zem::EqualNoCase(text.toStdWString(), word); }

class Reader {
public:
    explicit Reader(const CCorQel* engine) : engine_(engine) {}

    QString Text(const QString& path) const {
        if (!engine_) return {};
        return QString::fromStdWString(engine_->Peek(CString(path.toStdWString())).str()).trimmed();
    }
    // Any case of TRUE is true, any other text false; an unknown property keeps the fallback.
    bool Flag(const QString& path, bool fallback = false) const {
        const QString t = Text(path);
        return t.isEmpty() ? fallback : IsWord(t, L"TRUE");
    }
    double Number(const QString& path, double fallback) const {
        bool ok = false;
        const double v = Text(path).toDouble(&ok);
        return ok && std::isfinite(v) ? v : fallback;
    }
    // A colour written as #rrggbb, a colour name, "r,g,b" or a packed 0x00bbggrr integer.
    QColor Colour(const QString& path, QColor fallback) const {
        const QString t = Text(path);
        if (t.isEmpty()) return fallback;
        const QStringList rgb = t.split(u',');
        if (rgb.size() == 3) {
            bool a = false, b = false, c = false;
            const QColor col(rgb[0].trimmed().toInt(&a), rgb[1].trimmed().toInt(&b), rgb[2].trimmed().toInt(&c));
            return a && b && c && col.isValid() ? col : fallback;
        }
        bool ok = false;
        const uint packed = t.toUInt(&ok, 0);
        if (ok) return QColor(packed & 0xff, (packed >> 8) & 0xff, (packed >> 16) & 0xff);
        const QColor named = QColor::fromString(t);
        return named.isValid() ? named : fallback;
    }
    LabelKind Label(const QString& kind) const {
        LabelKind k;
        k.visible = Flag(QStringLiteral("Star.%1.Visible").arg(kind));
        k.limited = Flag(QStringLiteral("Star.%1.MagnitudeLimit").arg(kind));
        k.limit = Number(QStringLiteral("Star.%1.MagnitudeLimit.Minimum").arg(kind), 3.0);
        return k;
    }
    // "連動" for a limit linked to the star limit, "max～min等" for a fixed range, else "限定なし".
    QString Limit(const QString& prefix) const {
        if (Flag(prefix + ".AutoMagnitudeLimit")) return QStringLiteral("恒星等級に連動");
        if (Flag(prefix + ".FixedMagnitudeLimit"))
            return QStringLiteral("%1～%2等")
                .arg(Number(prefix + ".FixedMagnitudeLimit.Maximum", 0), 0, 'f', 1)
                .arg(Number(prefix + ".FixedMagnitudeLimit.Minimum", 0), 0, 'f', 1);
        return QStringLiteral("限定なし");
    }

private:
    const CCorQel* engine_;
};

constexpr const char* kAnnotationWords[kDsoAnnotationCount] = {"Mark", "Name", "Number", "Magnitude"};

void ReadLegend(const Reader& r, Settings& s) {
    auto row = [&](const char* name, bool on, QString detail = {}) {
        s.legend.push_back({QString::fromUtf8(name), on, std::move(detail)});
    };
    auto shows = [&](std::initializer_list<std::pair<const char*, const char*>> parts) {
        QStringList on;
        for (const auto& [path, word] : parts)
            if (r.Flag(QString::fromUtf8(path))) on << QString::fromUtf8(word);
        return on.join(u'・');
    };
    row("変光星", r.Flag("Star.GCVS.Mark.Visible"), r.Limit("Star.GCVS"));
    row("新星", r.Flag("Star.Nova.Visible"), r.Limit("Star.Nova"));
    row("超新星", r.Flag("Star.Supernova.Visible"), r.Limit("Star.Supernova"));
    row("二重星", r.Flag("Star.WDS.Primary.Mark.Visible"), r.Limit("Star.WDS"));
    row("系外惑星", r.Flag("star.extrasolarplanet.visible"),
        shows({{"star.extrasolarplanet.Mark.visible", "マーク"}, {"star.extrasolarplanet.Star.Name.visible", "恒星名"},
               {"star.extrasolarplanet.Name.visible", "名称"},
               {"star.extrasolarplanet.Orbit.visible", "軌道"}}));
    row("固有運動", r.Flag("Star.ProperMotion"),
        QStringLiteral("%1等以上").arg(r.Number("Star.ProperMotion.MagnitudeLimit.Minimum", 0), 0, 'f', 1));
    row("絶対等級", r.Number("star.Distance.Tenparsec", 0) > 0,
        QStringLiteral("%1パーセク").arg(r.Number("star.Distance.Tenparsec.Multiplier", 1) * 10, 0, 'f', 0));
    const QString catalog = r.Text("Star.Catalog");
    const bool autoSwitch = r.Flag("Star.Catalog.Switch");
    row("拡張データ", autoSwitch || (!catalog.isEmpty() && !IsWord(catalog, L"Hipparcos")),
        autoSwitch ? QStringLiteral("自動切換え %1").arg(r.Text("Star.Catalog.Switch.Catalog")) : catalog);
    row("日本での星の呼び名", r.Flag("JapaneseStarNames.Visible"));
    row("太陽系から近い恒星", r.Flag("NearbyStars.Visible"));
    row("恒星までの距離", r.Flag("DistanceToStars.Visible"));
    row("パルサー", r.Flag("Pulsar.Visible"));
    row("星座絵", r.Flag("Constellation.Picture.Visible"), r.Text("Constellation.Picture.Image.File"));
    row("星空の目印", r.Flag("Asterism.Visible"));
    row("天体のニックネーム", r.Flag("Nickname.Visible"));
    row("中国の星座", r.Flag("ChineseConstellation.Visible"));
    row("二十四節気・雑節", r.Flag("JapaneseCalendar.Visible"));
    row("星雲・星団のレベル", s.AnyDsoAnnotation(),
        shows({{"DeepSkyObject.VisibleByBinocular.Visible", "双眼鏡"}, {"DeepSkyObject.VisibleByTelescope.Visible", "望遠鏡"}}));
    row("PGC銀河", r.Flag("DeepSkyObject.PGC.Visible"),
        r.Flag("DeepSkyObject.PGC.FixedMagnitudeLimit") ? r.Limit("DeepSkyObject.PGC") : QStringLiteral("限定なし"));
    const std::pair<const char*, const char*> others[] = {
        {"InfraredSource", "赤外線源"}, {"H2Region", "HII領域"}, {"XraySource", "X線源"},
        {"QuasarRadioGalaxy", "クエーサー・電波銀河"}, {"LocalGroupOfGalaxies", "局部銀河群"},
        {"GroupClusterOfGalaxies", "銀河群・銀河団"}};
    for (const auto& [path, name] : others) {
        const QString p = QString::fromUtf8(path);
        row(name, r.Flag(p + ".Visible"), r.Flag(p + ".Name.Visible") ? QStringLiteral("名称") : QString());
    }
}

}  // namespace

MagnitudeMode MagnitudeModeOfScript(const QString& script, MagnitudeMode hint) {
    // Matched on the script with its ASCII letters lowered, since a caseless expression would
    // also take letters the engine tells apart (the long s, the Kelvin sign).
    static const QRegularExpression assignment(
        QStringLiteral(R"((?:^|;)\s*star\.(auto|fixed)magnitudelimit\s*=\s*("?)true\2\s*(?=;|$))"));
    for (auto it = assignment.globalMatch(AsciiLowered(script)); it.hasNext();)
        hint = it.next().captured(1) == QLatin1String("auto") ? MagnitudeMode::Linked : MagnitudeMode::Fixed;
    return hint;
}

double Settings::FaintLimit(double fovDeg) const {
    return autoLimit ? LinkedMagnitudeLimit(autoMin, fovDeg) : fixedMin;
}

double Settings::BrightLimit() const { return autoLimit ? -100.0 : fixedMax; }

bool Settings::DsoInRange(const DeepSkyObject& d) const {
    return !dsoLimited || (d.hasMag && d.mag >= dsoMax && d.mag <= dsoMin);
}

bool Settings::ShowsDso(const DeepSkyObject& d, DsoAnnotation a) const {
    if (!dso[a] || !DsoInRange(d)) return false;
    if (d.type != DsoType::Other && !dsoType[static_cast<std::size_t>(d.type)]) return false;
    for (std::size_t c = 0; c < kDsoCatalogCount; ++c)
        if (d.numbers[c] && dsoCatalog[c]) return true;
    return false;
}

Settings ReadSettings(const CCorQel* engine, MagnitudeMode modeHint) {
    const Reader r(engine);
    Settings s;

    s.horizon = IsWord(r.Text("View.Coordinate"), L"Horizon");
    s.stars = r.Flag("Star.Visible");
    // The star dialog writes only the mode it chose, so both may read TRUE; then the mode last
    // seen in a script decides.
    const bool linked = r.Flag("Star.AutoMagnitudeLimit"), fixed = r.Flag("Star.FixedMagnitudeLimit");
    s.autoLimit = linked && fixed ? modeHint != MagnitudeMode::Fixed : linked || !fixed;
    s.autoMin = r.Number("Star.AutoMagnitudeLimit.Minimum", 8.0);
    s.fixedMax = r.Number("Star.FixedMagnitudeLimit.Maximum", -2.0);
    s.fixedMin = r.Number("Star.FixedMagnitudeLimit.Minimum", 8.0);
    s.starSize = r.Number("Star.Size", 1.0);
    s.style = r.Flag("Star.Custom.Visible")  ? StarStyle::Custom
              : r.Flag("Star.Mirado.Visible") ? StarStyle::Mirado
              : r.Flag("Star.Blur.Visible")   ? StarStyle::Blur
                                              : StarStyle::Real;
    s.customFile = r.Text("Star.Custom.File");
    s.twinkle = r.Flag("Star.Twinkle.Visible");
    s.twinkleStrength = r.Number("Star.Twinkle.Strength", 0.5);
    s.japaneseName = r.Label("JapaneseName");
    s.englishName = r.Label("EnglishName");
    s.bayer = r.Label("BayerLetter");
    s.flamsteed = r.Label("FlamsteedNumber");
    s.magnitude = r.Label("Magnitude");

    s.consJapanese = r.Flag("Constellation.JapaneseName.Visible");
    s.consLatin = r.Flag("Constellation.EnglishName.Visible");
    s.consAbbreviation = r.Flag("Constellation.Abbreviation.Visible");
    s.consLines = r.Flag("Constellation.Line.Visible");
    s.consBoundaries = r.Flag("Constellation.Boundary.Visible");
    for (std::size_t i = 0; i < 88; ++i) {
        const QString prefix = QStringLiteral("Constellation.No%1.").arg(i + 1);
        s.selected[i] = r.Flag(prefix + "Selection", true);
        s.consJapaneseNames[i] = r.Text(prefix + "JapaneseName");
        s.consLatinNames[i] = r.Text(prefix + "EnglishName");
        s.consAbbreviations[i] = r.Text(prefix + "Abbreviation");
    }

    s.milkyWay = r.Flag("Milkyway.Visible");
    s.milkyWayImage = r.Flag("Milkyway.Image.Visible");
    s.milkyWayOutline = r.Flag("Milkyway.Outline.Visible");
    s.milkyWayBrightness = r.Number("Milkyway.Image.Brightness", 2.0);
    s.clouds = r.Flag("MagellanicCloud.Visible");
    s.cloudsImage = r.Flag("MagellanicCloud.Image.Visible");
    s.cloudsOutline = r.Flag("MagellanicCloud.Outline.Visible");
    s.cloudsName = r.Flag("MagellanicCloud.Name.Visible");
    s.cloudsBrightness = r.Number("MagellanicCloud.Image.Brightness", 0.5);

    auto selected = [&](const char* name) {
        for (const char* word : kAnnotationWords)
            if (r.Flag(QStringLiteral("DeepSkyObject.%1.%2.Visible").arg(name, word), true)) return true;
        return false;
    };
    for (int a = 0; a < kDsoAnnotationCount; ++a)
        s.dso[static_cast<std::size_t>(a)] = r.Flag(QStringLiteral("DeepSkyObject.%1.Visible").arg(kAnnotationWords[a]));
    for (int c = 0; c < kDsoCatalogCount; ++c) s.dsoCatalog[static_cast<std::size_t>(c)] = selected(DsoCatalogWord(static_cast<DsoCatalog>(c)));
    for (int t = 0; t < kDsoTypeCount; ++t) s.dsoType[static_cast<std::size_t>(t)] = selected(DsoTypeWord(static_cast<DsoType>(t)));
    s.dsoLimited = r.Flag("DeepSkyObject.FixedMagnitudeLimit");
    s.dsoMax = r.Number("DeepSkyObject.FixedMagnitudeLimit.Maximum", -2.0);
    s.dsoMin = r.Number("DeepSkyObject.FixedMagnitudeLimit.Minimum", 12.0);
    s.dsoOutline = r.Flag("DeepSkyObject.Outline.Visible");
    s.dsoImage = r.Flag("DeepSkyObject.Image.Visible");
    s.dsoImageBrightness = r.Number("DeepSkyObject.Image.Brightness", 0.8);

    s.starNameColor = r.Colour("Star.Name.Color", QColor(236, 226, 190));
    s.consNameColor = r.Colour("Constellation.Name.Color", QColor(150, 190, 255));
    s.milkyWayOutlineColor = r.Colour("MilkyWay.Outline.Color", QColor(120, 150, 215));
    s.dsoNameColor = r.Colour("DeepSkyObject.GlobularCluster.Name.Color", QColor(150, 225, 170));

    ReadLegend(r, s);
    return s;
}

}  // namespace sky
