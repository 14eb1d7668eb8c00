// SPDX-License-Identifier: BSD-3-Clause
// The sky view as a person meets it: dialogs' scripts reach the engine, the engine's "Show Sky"
// redraws the view, and what the view draws is counted or compared with reference pictures.
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <QtTest>
#include <functional>
#include <memory>
#include <set>

#include "companions/zemqel/corqel.h"
#include "companions/zemqel/corqelrecorder.h"
#include "desktop/sky/skyconstellations.h"
#include "desktop/sky/skytap.h"
#include "desktop/sky/skyview.h"
#include "dialogs/constellation/conspresets.h"

using namespace sky;

namespace {

const Catalog& SharedCatalog() {
    static const Catalog catalog = [] {
        Catalog c;
        QString error;
        if (!c.Load(QStringLiteral(ZEM_DATA_DIR "/skyview"), &error)) qFatal("%s", qPrintable(error));
        return c;
    }();
    return catalog;
}

// The rows of a data file of data/skyview, read here on their own.
std::vector<QStringList> DataRows(const QString& name) {
    QFile f(QStringLiteral(ZEM_DATA_DIR "/skyview") + u'/' + name);
    if (!f.open(QIODevice::ReadOnly)) qFatal("cannot read %s", qPrintable(name));
    std::vector<QStringList> rows;
    for (const QString& line : QString::fromUtf8(f.readAll()).split(u'\n'))
        if (!line.isEmpty() && !line.startsWith(u'#')) rows.push_back(line.split(u'\t'));
    return rows;
}

// Tokyo at 2022-01-15 21:00 JST, the instant the positions test takes from astropy.
const QDateTime kInstant = QDateTime::fromString(QStringLiteral("2022-01-15T12:00:00Z"), Qt::ISODate);

// The engine in the default sky, with a view following it through the tap: the star chart, or
// the horizontal view of Tokyo at a fixed instant.
struct Sky {
    CCorQel engine;
    SkyView view{&engine, SharedCatalog()};
    RedrawTap tap{&view};

    explicit Sky(bool horizontal = false) {
        engine.LoadStateFile(CString(QStringLiteral(ZEM_DATA_DIR "/sky/default.qel").toStdWString()));
        engine.SetDataPath(CString(QStringLiteral(ZEM_DATA_DIR).toStdWString()));
        engine.SetListener(&tap);
        view.setAnimated(false);
        view.placeTime()->pause();
        view.placeTime()->setTime(kInstant);
        Apply(horizontal ? "View.Coordinate = Horizon" : "View.Coordinate = Equatorial");
    }
    // A script as a dialog applies it.
    void Apply(const QString& script) { engine.Doit(CString((script + ";Show Sky").toStdWString())); }
    // Draws the northern and the southern hemisphere whole (a 180-degree field on a square picture
    // holds the hemisphere's disc) and hands over the counters of each.
    void BothHemispheres(const std::function<void(const Counters&)>& take) {
        for (double dec : {90.0, -90.0}) {
            view.setView(0, dec, 180);
            view.renderImage(QSize(400, 400));
            take(view.counters());
        }
    }
    int StarsInBothHemispheres() {
        int n = 0;
        BothHemispheres([&](const Counters& c) { n += c.stars; });
        return n;
    }
};

// Everything off but what a test turns on.
const char* const kNothing =
    "Star.Visible = FALSE;Milkyway.Visible = FALSE;MagellanicCloud.Visible = FALSE;"
    "Constellation.Line.Visible = FALSE;Constellation.Boundary.Visible = FALSE;"
    "Constellation.JapaneseName.Visible = FALSE;DeepSkyObject.Mark.Visible = FALSE;"
    "DeepSkyObject.Name.Visible = FALSE;DeepSkyObject.Outline.Visible = FALSE;DeepSkyObject.Image.Visible = FALSE";

QString SelectionScript(const std::set<int>& numbers) {
    QString s;
    for (int n = 1; n <= 88; ++n)
        s += QStringLiteral("Constellation.No%1.Selection = %2;").arg(n).arg(numbers.count(n) ? "TRUE" : "FALSE");
    return s;
}

template <std::size_t N>
std::set<int> Numbers(const std::array<int, N>& items) {
    std::set<int> out;
    for (int i : items) out.insert(i + 1);
    return out;
}

// Share of pixels whose channels differ by more than a few levels.
double Difference(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return 1.0;
    const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
    qint64 off = 0;
    for (int r = 0; r < x.height(); ++r) {
        const QRgb* p = reinterpret_cast<const QRgb*>(x.constScanLine(r));
        const QRgb* q = reinterpret_cast<const QRgb*>(y.constScanLine(r));
        for (int c = 0; c < x.width(); ++c)
            if (std::abs(qRed(p[c]) - qRed(q[c])) > 6 || std::abs(qGreen(p[c]) - qGreen(q[c])) > 6 ||
                std::abs(qBlue(p[c]) - qBlue(q[c])) > 6)
                ++off;
    }
    return static_cast<double>(off) / (x.width() * x.height());
}

}  // namespace

class TestSkyView : public QObject {
    Q_OBJECT

private slots:
    void constellationTableMatchesTheDefaultSky();
    void starsDrawnFollowTheMagnitudeLimit_data();
    void starsDrawnFollowTheMagnitudeLimit();
    void presetDrawsExactlyItsConstellations_data();
    void presetDrawsExactlyItsConstellations();
    void milkyWayAndCloudsFollowTheirSwitches();
    void deepSkyFollowsCatalogTypeAndRange_data();
    void deepSkyFollowsCatalogTypeAndRange();
    void starImageStylesAndLabelsAreDistinct();
    void dragPansAndWheelZoomsTheLinkedLimit();
    void tapPassesTrafficOnAndRefreshesOnShowSky();
    void twinklingMovesOnlyWhileAnimated();
    void catalogRefusesBrokenData();
    void horizontalViewShowsWhatTheObserverSees();
    void compassPointsFollowTheField_data();
    void compassPointsFollowTheField();
    void labelsNeverOverlap_data();
    void labelsNeverOverlap();
    void deepSkyNamesAreJapaneseOrDesignations();
    void panelSaysHowTheLimitIsDerived();
    void gridsFollowTheirSwitches();
    void viewSurvivesSaving();
    void runningClockMovesTheSky();
    void picturesMatchTheReferences_data();
    void picturesMatchTheReferences();
};

void TestSkyView::constellationTableMatchesTheDefaultSky() {
    // Three independent names must agree for every number: the engine's abbreviation, the
    // engine's Japanese name and the data's Japanese name of the table's abbreviation.
    Sky sky;
    const Catalog& cat = SharedCatalog();
    for (int n = 1; n <= 88; ++n) {
        const QString prefix = QStringLiteral("Constellation.No%1.").arg(n);
        auto engine = [&](const char* what) {
            return QString::fromStdWString(sky.engine.Peek(CString((prefix + what).toStdWString())).str());
        };
        QCOMPARE(QString::fromLatin1(ConstellationAbbreviation(n)), engine("Abbreviation"));
        QCOMPARE(ConstellationNumber(engine("Abbreviation")), n);
        QCOMPARE(cat.Constellations()[static_cast<std::size_t>(n - 1)].japaneseName, engine("JapaneseName"));
        QVERIFY2(!cat.Constellations()[static_cast<std::size_t>(n - 1)].lines.empty(), qPrintable(engine("Abbreviation")));
    }
    QCOMPARE(ConstellationNumber(u"XXX"), 0);
    QVERIFY(ConstellationAbbreviation(89) == nullptr);
}

void TestSkyView::starsDrawnFollowTheMagnitudeLimit_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<double>("bright");
    QTest::addColumn<double>("faint");
    // The default sky has the linked mode set; the star dialog writes only the mode it picks.
    auto fixed = [](double max, double min) {
        return QStringLiteral("Star.FixedMagnitudeLimit = TRUE;Star.FixedMagnitudeLimit.Maximum = %1;"
                              "Star.FixedMagnitudeLimit.Minimum = %2")
            .arg(max, 0, 'f', 1).arg(min, 0, 'f', 1);
    };
    for (double faint : {0.0, 1.0, 2.5, 4.0, 5.5, 6.0}) QTest::addRow("fixed -2 to %.1f", faint) << fixed(-2, faint) << -2.0 << faint;
    QTest::addRow("fixed 3 to 4") << fixed(3, 4) << 3.0 << 4.0;
    QTest::addRow("fixed then linked 8") << fixed(-2, 1) + ";Star.AutoMagnitudeLimit = TRUE;Star.AutoMagnitudeLimit.Minimum = 8.0"
                                         << -99.0 << LinkedMagnitudeLimit(8.0, 180);
    QTest::addRow("linked 6") << "Star.AutoMagnitudeLimit = TRUE;Star.AutoMagnitudeLimit.Minimum = 6.0" << -99.0
                              << LinkedMagnitudeLimit(6.0, 180);
    QTest::addRow("stars hidden") << fixed(-2, 6) + ";Star.Visible = FALSE" << 1.0 << 0.0;
}

void TestSkyView::starsDrawnFollowTheMagnitudeLimit() {
    QFETCH(QString, script);
    QFETCH(double, bright);
    QFETCH(double, faint);
    int expected = 0;
    for (const QStringList& row : DataRows("stars.txt")) {
        const double dec = row[2].toDouble(), mag = row[3].toDouble();
        if (mag >= bright && mag <= faint) expected += (dec >= 0) + (dec <= 0);  // the equator is in both
    }
    Sky sky;
    sky.Apply(script);
    QCOMPARE(sky.StarsInBothHemispheres(), expected);
}

void TestSkyView::presetDrawsExactlyItsConstellations_data() {
    QTest::addColumn<std::set<int>>("numbers");
    QTest::addRow("spring") << Numbers(cons_presets::kSpring);
    QTest::addRow("summer") << Numbers(cons_presets::kSummer);
    QTest::addRow("autumn") << Numbers(cons_presets::kAutumn);
    QTest::addRow("winter") << Numbers(cons_presets::kWinter);
    QTest::addRow("south") << Numbers(cons_presets::kSouth);
    QTest::addRow("zodiac") << Numbers(cons_presets::kZodiac);
    std::set<int> all;
    for (int n = 1; n <= 88; ++n) all.insert(n);
    QTest::addRow("all") << all;
}

void TestSkyView::presetDrawsExactlyItsConstellations() {
    QFETCH(std::set<int>, numbers);
    for (const char* what : {"Line", "Boundary", "JapaneseName"}) {
        Sky sky;
        sky.Apply(QStringLiteral("%1;Constellation.%2.Visible = TRUE;").arg(kNothing, what) + SelectionScript(numbers));
        std::set<int> drawn;
        sky.BothHemispheres([&](const Counters& c) { drawn.insert(c.constellations.begin(), c.constellations.end()); });
        QCOMPARE(drawn, numbers);
    }
}

void TestSkyView::milkyWayAndCloudsFollowTheirSwitches() {
    Sky sky;
    sky.Apply(kNothing);
    sky.view.setLabelsVisible(false);
    sky.view.setView(266, -29, 90);  // the galactic centre
    const QImage empty = sky.view.renderImage(QSize(200, 150));
    QVERIFY(!sky.view.counters().milkyWay);

    sky.Apply("Milkyway.Visible = TRUE;Milkyway.Image.Visible = TRUE;Milkyway.Outline.Visible = FALSE;Milkyway.Image.Brightness = 2.0");
    const QImage image = sky.view.renderImage(QSize(200, 150));
    QVERIFY(sky.view.counters().milkyWay);
    QVERIFY(Difference(image, empty) > 0.2);
    sky.Apply("Milkyway.Image.Brightness = 4.0");
    const QImage brighter = sky.view.renderImage(QSize(200, 150));
    QVERIFY(Difference(brighter, image) > 0.2);
    sky.Apply("Milkyway.Image.Visible = FALSE;Milkyway.Outline.Visible = TRUE");
    const QImage outline = sky.view.renderImage(QSize(200, 150));
    QVERIFY(sky.view.counters().milkyWay);
    QVERIFY(Difference(outline, empty) > 0.01 && Difference(outline, image) > 0.2);
    sky.Apply("Milkyway.Visible = FALSE");
    QCOMPARE(Difference(sky.view.renderImage(QSize(200, 150)), empty), 0.0);
    QVERIFY(!sky.view.counters().milkyWay);

    sky.view.setView(50, -70, 60);  // both clouds
    sky.Apply("MagellanicCloud.Visible = TRUE;MagellanicCloud.Image.Visible = TRUE");
    sky.view.renderImage(QSize(200, 150));
    QCOMPARE(sky.view.counters().clouds, 2);
    sky.Apply("MagellanicCloud.Visible = FALSE");
    sky.view.renderImage(QSize(200, 150));
    QCOMPARE(sky.view.counters().clouds, 0);
}

void TestSkyView::deepSkyFollowsCatalogTypeAndRange_data() {
    using Pred = std::function<bool(bool messier, bool ngc, bool ic, const QString& type, double mag)>;
    QTest::addColumn<QString>("script");
    QTest::addColumn<Pred>("shown");
    const QString open = "DeepSkyObject.Mark.Visible = TRUE;DeepSkyObject.FixedMagnitudeLimit = FALSE;";
    // Left out of a list: the dialog writes all four annotations off.
    auto leaveOut = [](const char* word) {
        QString s;
        for (const char* a : {"Mark", "Name", "Number", "Magnitude"}) s += QStringLiteral("DeepSkyObject.%1.%2.Visible = FALSE;").arg(word, a);
        return s;
    };
    QTest::addRow("all") << open << Pred([](bool, bool, bool, const QString&, double) { return true; });
    QTest::addRow("mark off") << QString("DeepSkyObject.Mark.Visible = FALSE")
                              << Pred([](bool, bool, bool, const QString&, double) { return false; });
    QTest::addRow("no Messier") << open + leaveOut("Messier")
                                << Pred([](bool, bool ngc, bool ic, const QString&, double) { return ngc || ic; });
    QTest::addRow("Messier kept by its magnitude annotation")
        << open + leaveOut("Messier") + "DeepSkyObject.Messier.Magnitude.Visible = TRUE"
        << Pred([](bool, bool, bool, const QString&, double) { return true; });
    QTest::addRow("Messier only") << open + leaveOut("NGC") + leaveOut("IC")
                                  << Pred([](bool m, bool, bool, const QString&, double) { return m; });
    QTest::addRow("no galaxies, no open clusters")
        << open + leaveOut("Galaxy") + leaveOut("OpenCluster")
        << Pred([](bool, bool, bool, const QString& t, double) { return t != "Galaxy" && t != "OpenCluster"; });
    QTest::addRow("range 4 to 6.5")
        << open + "DeepSkyObject.FixedMagnitudeLimit = TRUE;DeepSkyObject.FixedMagnitudeLimit.Maximum = 4.0;"
                  "DeepSkyObject.FixedMagnitudeLimit.Minimum = 6.5"
        << Pred([](bool, bool, bool, const QString&, double mag) { return mag >= 4.0 && mag <= 6.5; });
}

void TestSkyView::deepSkyFollowsCatalogTypeAndRange() {
    using Pred = std::function<bool(bool, bool, bool, const QString&, double)>;
    QFETCH(QString, script);
    QFETCH(Pred, shown);
    int expected = 0;
    for (const QStringList& r : DataRows("dso.txt")) {
        const double dec = r[6].toDouble();
        if (shown(!r[0].isEmpty(), !r[1].isEmpty(), !r[2].isEmpty(), r[3], r[4].isEmpty() ? 99 : r[4].toDouble()))
            expected += (dec >= 0) + (dec <= 0);
    }
    Sky sky;
    sky.Apply(script);
    int marks = 0;
    sky.BothHemispheres([&](const Counters& c) { marks += c.dsoMarks; });
    QCOMPARE(marks, expected);
}

void TestSkyView::starImageStylesAndLabelsAreDistinct() {
    Sky sky;
    sky.Apply(QStringLiteral("%1;Star.Visible = TRUE;Star.Size = 2.0").arg(kNothing));
    sky.view.setLabelsVisible(false);
    sky.view.setView(85, 0, 40);
    const QString custom = QStringLiteral("Star.custom.file = \"%1\\star\\customstar\\cross.png\";").arg(ZEM_DATA_DIR);
    const QStringList styles = {
        "Star.Blur.Visible = FALSE; Star.Mirado.Visible = FALSE; Star.custom.visible = FALSE",
        "Star.Blur.Visible = TRUE; Star.Mirado.Visible = FALSE; Star.custom.visible = FALSE",
        "Star.Blur.Visible = FALSE; Star.Mirado.Visible = TRUE; Star.custom.visible = FALSE",
        custom + "Star.Blur.Visible = FALSE; Star.Mirado.Visible = FALSE; Star.custom.visible = TRUE",
        "Star.custom.file = \"missing.png\";Star.custom.visible = TRUE",
        "Star.custom.visible = FALSE;Star.Twinkle.Visible = TRUE;Star.Twinkle.Strength = 1.0",
        "Star.Twinkle.Visible = FALSE;Star.Size = 1.0",
    };
    std::vector<QImage> pictures;
    for (const QString& style : styles) {
        sky.Apply(style);
        pictures.push_back(sky.view.renderImage(QSize(240, 160)));
        for (std::size_t i = 0; i + 1 < pictures.size(); ++i)
            QVERIFY2(Difference(pictures[i], pictures.back()) > 0.002, qPrintable(style));
    }

    // Labels: each kind on its own, within its magnitude limit.
    sky.view.setLabelsVisible(true);
    sky.view.setLegendVisible(false);
    sky.view.setView(85, 0, 90);
    auto labels = [&](const QString& script) {
        sky.Apply("Star.JapaneseName.Visible = FALSE;Star.EnglishName.Visible = FALSE;Star.BayerLetter.Visible = FALSE;"
                  "Star.FlamsteedNumber.Visible = FALSE;Star.Magnitude.Visible = FALSE;" + script);
        sky.view.renderImage(QSize(800, 600));
        return sky.view.counters().starLabels;
    };
    QCOMPARE(labels(""), 0);
    sky.Apply("DeepSkyObject.Number.Visible = TRUE");
    sky.view.renderImage(QSize(800, 600));
    QVERIFY(sky.view.counters().dsoLabels > 0);
    sky.Apply("DeepSkyObject.Number.Visible = FALSE");
    sky.view.renderImage(QSize(800, 600));
    QCOMPARE(sky.view.counters().dsoLabels, 0);
    for (const char* kind : {"JapaneseName", "EnglishName", "BayerLetter", "FlamsteedNumber", "Magnitude"}) {
        const QString on = QStringLiteral("Star.%1.Visible = TRUE;Star.%1.MagnitudeLimit = TRUE;").arg(kind);
        const int bright = labels(on + QStringLiteral("Star.%1.MagnitudeLimit.Minimum = 1.0").arg(kind));
        const int more = labels(on + QStringLiteral("Star.%1.MagnitudeLimit.Minimum = 3.5").arg(kind));
        QVERIFY2(bright > 0 && more > bright, kind);
    }
}

void TestSkyView::dragPansAndWheelZoomsTheLinkedLimit() {
    for (const bool horizontal : {false, true}) {
        Sky sky(horizontal);
        sky.view.resize(400, 300);
        if (horizontal)
            sky.view.setHorizontalView(180, 30, 60);
        else
            sky.view.setView(90, 0, 60);
        // The panel takes the right of the picture; the sky's scale is the rest's.
        const double scale = Projection(0, 0, 60, 400 - Panel::Width(400), 300).Scale();
        auto drag = [&](QPointF from, QPointF to) {
            QMouseEvent press(QEvent::MouseButtonPress, from, from, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QMouseEvent move(QEvent::MouseMove, to, to, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QMouseEvent release(QEvent::MouseButtonRelease, to, to, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(&sky.view, &press);
            QApplication::sendEvent(&sky.view, &move);
            QApplication::sendEvent(&sky.view, &release);
        };
        drag(QPointF(130, 150), QPointF(180, 170));
        // East is to the left: dragging the sky right brings the east into view, on the chart
        // (right ascension grows) and on the horizontal view (azimuth falls when facing south).
        if (horizontal) {
            QCOMPARE(qRound(sky.view.azimuth() * 1000), qRound((180 - 50 / scale / kDeg / std::cos(30 * kDeg)) * 1000));
            QCOMPARE(qRound(sky.view.altitude() * 1000), qRound((30 + 20 / scale / kDeg) * 1000));
        } else {
            QCOMPARE(qRound(sky.view.centerRa() * 1000), qRound((90 + 50 / scale / kDeg) * 1000));
            QCOMPARE(qRound(sky.view.centerDec() * 1000), qRound(20 / scale / kDeg * 1000));
        }
        // A drag that starts on the panel moves nothing.
        const double before = horizontal ? sky.view.azimuth() : sky.view.centerRa();
        drag(QPointF(390, 150), QPointF(300, 150));
        QCOMPARE(horizontal ? sky.view.azimuth() : sky.view.centerRa(), before);

        sky.view.renderImage(QSize(400, 300));
        const double wide = sky.view.counters().faintLimit;
        const int wideStars = sky.view.counters().stars;
        QWheelEvent wheel(QPointF(200, 150), QPointF(200, 150), QPoint(), QPoint(0, 240), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(&sky.view, &wheel);
        QCOMPARE(sky.view.fieldOfView(), 60 * 0.85 * 0.85);
        sky.view.renderImage(QSize(400, 300));
        QCOMPARE(sky.view.counters().faintLimit, LinkedMagnitudeLimit(8.0, 60 * 0.85 * 0.85));
        QVERIFY(sky.view.counters().faintLimit > wide);
        QVERIFY(sky.view.counters().stars > wideStars / 2);
    }
}

void TestSkyView::tapPassesTrafficOnAndRefreshesOnShowSky() {
    Sky sky;
    CCorQelRecorder host;
    RedrawTap tap(&sky.view, &host);
    sky.engine.SetListener(&tap);
    sky.engine.Doit(L"? Star.Visible");
    sky.engine.Doit(L"Star.Visible = FALSE;");
    QVERIFY(sky.view.settings().stars);  // no "Show Sky" yet
    sky.engine.Doit(L";Show Sky");
    QVERIFY(!sky.view.settings().stars);
    sky.engine.GetBool(L"Star", L"Visible");
    int catalog = 0, autoSwitch = 0, switchCatalog = 0;
    sky.engine.GetStarCatalogInfo(&catalog, &autoSwitch, &switchCatalog, nullptr);
    QStringList passedOn;
    for (const auto& line : host.Lines()) passedOn << QString::fromStdWString(line);
    QCOMPARE(passedOn, QStringList({"Q ? Star.Visible => TRUE", "S Star.Visible = FALSE;", "S ;Show Sky", "R",
                                    "Q GetBool Star.Visible => FALSE", "Q GetStarCatalogInfo => 1 0 4"}));
}

void TestSkyView::twinklingMovesOnlyWhileAnimated() {
    Sky sky;
    sky.Apply(QStringLiteral("%1;Star.Visible = TRUE;Star.Twinkle.Visible = TRUE;Star.Twinkle.Strength = 1.0").arg(kNothing));
    sky.view.setLabelsVisible(false);
    sky.view.setView(84, 0, 40);
    const QImage still = sky.view.renderImage(QSize(160, 120));
    QTest::qWait(120);
    QCOMPARE(Difference(sky.view.renderImage(QSize(160, 120)), still), 0.0);
    sky.view.setAnimated(true);
    const QImage first = sky.view.renderImage(QSize(160, 120));
    QTest::qWait(250);
    QVERIFY(Difference(sky.view.renderImage(QSize(160, 120)), first) > 0.001);
}

void TestSkyView::catalogRefusesBrokenData() {
    QTemporaryDir dir;
    const QString from = QStringLiteral(ZEM_DATA_DIR "/skyview");
    for (const QString& f : QDir(from).entryList(QDir::Files)) QVERIFY(QFile::copy(from + u'/' + f, dir.filePath(f)));
    Catalog c;
    QString error;
    QVERIFY(c.Load(dir.path(), &error));
    QCOMPARE(c.Stars().size(), DataRows("stars.txt").size());
    QCOMPARE(c.DeepSky().size(), DataRows("dso.txt").size());

    auto corrupt = [&](const QString& name, const QByteArray& line) {
        QFile f(dir.filePath(name));
        QVERIFY(f.open(QIODevice::Append));
        f.write(line);
    };
    corrupt("lines.txt", "Xyz\t1 2\t3 4\n");  // no such constellation
    QVERIFY(!c.Load(dir.path(), &error));
    QVERIFY2(error.contains("lines.txt:"), qPrintable(error));
    QVERIFY(QFile::copy(from + "/lines.txt", dir.filePath("lines2.txt")));
    QVERIFY(QFile::remove(dir.filePath("lines.txt")) && QFile::rename(dir.filePath("lines2.txt"), dir.filePath("lines.txt")));
    corrupt("stars.txt", "1\tbad\t0\t1.0\t\t\t\t\t\n");
    QVERIFY(!c.Load(dir.path(), &error));
    QVERIFY2(error.contains("stars.txt:"), qPrintable(error));
    QVERIFY(!c.Load(dir.path() + "/missing", &error));
    // A failed load keeps what was loaded before.
    QCOMPARE(c.Stars().size(), DataRows("stars.txt").size());
}

namespace {

// The stars of the data within a magnitude, seen from the view's observer.
std::vector<Vec3> SeenStars(const Observation& o, double faint) {
    std::vector<Vec3> seen;
    for (const QStringList& row : DataRows("stars.txt"))
        if (row[3].toDouble() <= faint) seen.push_back(o.Observed(Direction(row[1].toDouble(), row[2].toDouble())));
    return seen;
}

QStringList LabelTexts(const Counters& c, LabelType kind) {
    QStringList texts;
    for (const PlacedLabel& l : c.labels)
        if (l.kind == kind) texts << l.text;
    return texts;
}

bool HasLabelStarting(const Counters& c, const QString& name) {
    return std::any_of(c.labels.begin(), c.labels.end(), [&](const PlacedLabel& l) { return l.text.startsWith(name); });
}

// Labels off but the compass (and the zenith).
const char* const kNoLabels =
    "Star.JapaneseName.Visible = FALSE;Star.BayerLetter.Visible = FALSE;Constellation.JapaneseName.Visible = FALSE;"
    "DeepSkyObject.Name.Visible = FALSE;MagellanicCloud.Name.Visible = FALSE";

}  // namespace

void TestSkyView::horizontalViewShowsWhatTheObserverSees() {
    Sky sky(true);
    sky.view.setLegendVisible(false);
    const Observation& o = sky.view.observation();
    QCOMPARE(o.Utc(), kInstant);

    // Straight up with the widest field: the whole sky above the horizon, nothing below it.
    sky.view.setHorizontalView(0, 90, 180);
    sky.view.renderImage(QSize(500, 500));
    const std::vector<Vec3> seen = SeenStars(o, LinkedMagnitudeLimit(8.0, 180));
    const auto above = std::count_if(seen.begin(), seen.end(), [](Vec3 v) { return v.z >= 0; });
    QCOMPARE(sky.view.counters().stars, static_cast<int>(above));
    QVERIFY(sky.view.counters().zenith);
    // Sirius is up; Vega is well below and Canopus a tenth of a degree below the horizon.
    QVERIFY(HasLabelStarting(sky.view.counters(), "シリウス"));
    QVERIFY(!HasLabelStarting(sky.view.counters(), "ベガ"));
    QVERIFY(!HasLabelStarting(sky.view.counters(), "カノープス"));

    // Facing south on the horizon: the southern hemisphere of the sky, its lower half ground.
    sky.view.setHorizontalView(180, 0, 180);
    sky.view.renderImage(QSize(500, 500));
    const Vec3 south = HorizontalDirection(180, 0);
    int up = 0, down = 0;
    for (const Vec3& v : seen)
        if (Dot(v, south) >= 0) (v.z >= 0 ? up : down)++;
    const Counters& c = sky.view.counters();
    QCOMPARE(c.stars, up);
    QCOMPARE(c.belowHorizon, down);
    QVERIFY(c.ground && !c.zenith);
    QVERIFY(LabelTexts(c, LabelType::Compass).contains("南"));

    // An hour later the sky has turned west: Sirius stands higher and farther west.
    double az = 0, alt = 0, az2 = 0, alt2 = 0;
    AzimuthAltitude(sky.view.observation().Observed(Direction(101.2872, -16.7161)), az, alt);
    sky.view.placeTime()->step(3600);
    QCOMPARE(sky.view.observation().Utc(), kInstant.addSecs(3600));
    AzimuthAltitude(sky.view.observation().Observed(Direction(101.2872, -16.7161)), az2, alt2);
    QVERIFY(az2 > az + 10 && alt2 > alt);

    // Any other coordinate value keeps the chart: no ground, no compass.
    sky.Apply("View.Coordinate = Equatorial");
    sky.view.renderImage(QSize(500, 500));
    QVERIFY(!sky.view.counters().ground && sky.view.counters().compassLabels == 0 && !sky.view.counters().zenith);
    int chart = 0;
    for (const QStringList& row : DataRows("stars.txt"))
        if (row[3].toDouble() <= LinkedMagnitudeLimit(8.0, 180)) chart += (row[2].toDouble() >= 0) + (row[2].toDouble() <= 0);
    QCOMPARE(sky.StarsInBothHemispheres(), chart);
}

void TestSkyView::compassPointsFollowTheField_data() {
    QTest::addColumn<double>("fov");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QStringList>("absent");
    QTest::addRow("wide: the four") << 170.0 << QStringList{"東", "南", "西"} << QStringList{"南東", "南西", "南南東"};
    QTest::addRow("90: and the four between") << 90.0 << QStringList{"南東", "南", "南西"} << QStringList{"南南東", "南南西"};
    QTest::addRow("30: all sixteen") << 30.0 << QStringList{"南南東", "南", "南南西"} << QStringList{"東", "西"};
}

void TestSkyView::compassPointsFollowTheField() {
    QFETCH(double, fov);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, absent);
    Sky sky(true);
    sky.Apply(kNoLabels);
    sky.view.setLegendVisible(false);
    sky.view.setHorizontalView(180, 5, fov);
    sky.view.renderImage(QSize(720, 400));
    const QStringList shown = LabelTexts(sky.view.counters(), LabelType::Compass);
    for (const QString& name : expected) QVERIFY2(shown.contains(name), qPrintable(shown.join(' ')));
    for (const QString& name : absent) QVERIFY2(!shown.contains(name), qPrintable(shown.join(' ')));
}

void TestSkyView::labelsNeverOverlap_data() {
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<QPointF>("centre");
    QTest::addColumn<double>("fov");
    QTest::addColumn<QString>("script");
    const QString everything = "Star.EnglishName.Visible = TRUE;Star.FlamsteedNumber.Visible = TRUE;"
                               "Constellation.EnglishName.Visible = TRUE;DeepSkyObject.Number.Visible = TRUE;"
                               "DeepSkyObject.Magnitude.Visible = TRUE";
    QTest::addRow("horizontal 180, the default sky") << true << QPointF(0, 90) << 180.0 << QString();
    QTest::addRow("horizontal 180, every label") << true << QPointF(180, 40) << 180.0 << everything;
    QTest::addRow("horizontal 90 south") << true << QPointF(180, 35) << 90.0 << everything;
    QTest::addRow("chart 180, winter") << false << QPointF(100, 0) << 180.0 << QString();
    QTest::addRow("chart 180, every label") << false << QPointF(270, -30) << 180.0 << everything;
}

void TestSkyView::labelsNeverOverlap() {
    QFETCH(bool, horizontal);
    QFETCH(QPointF, centre);
    QFETCH(double, fov);
    QFETCH(QString, script);
    Sky sky(horizontal);
    if (!script.isEmpty()) sky.Apply(script);
    if (horizontal)
        sky.view.setHorizontalView(centre.x(), centre.y(), fov);
    else
        sky.view.setView(centre.x(), centre.y(), fov);
    sky.view.renderImage(QSize(900, 600));
    const Counters& c = sky.view.counters();
    QVERIFY(c.labels.size() > 30);
    QVERIFY(!c.panelArea.isEmpty());
    for (std::size_t i = 0; i < c.labels.size(); ++i) {
        const PlacedLabel& a = c.labels[i];
        QVERIFY2(c.skyArea.contains(a.rect) && !a.rect.intersects(c.panelArea), qPrintable(a.text));
        for (std::size_t j = i + 1; j < c.labels.size(); ++j)
            QVERIFY2(!a.rect.intersects(c.labels[j].rect), qPrintable(a.text + " / " + c.labels[j].text));
    }
    // The brighter wins: every named star of magnitude 1.0 or brighter on the sky has its name.
    QStringList missing;
    const Observation& o = sky.view.observation();
    const Projection proj(horizontal ? -centre.x() : centre.x(), centre.y(), fov, c.skyArea.width(), c.skyArea.height());
    for (const QStringList& row : DataRows("stars.txt")) {
        if (row[3].toDouble() > 1.0 || row[7].isEmpty()) continue;
        const Vec3 j2000 = Direction(row[1].toDouble(), row[2].toDouble());
        const Vec3 v = horizontal ? o.Observed(j2000) : j2000;
        double x = 0, y = 0;
        if (!proj.Visible(v) || (horizontal && v.z < 0)) continue;
        proj.Project(v, x, y);
        if (!c.skyArea.adjusted(60, 20, -60, -20).contains(x, y)) continue;  // room for its name
        if (!HasLabelStarting(c, row[7])) missing << row[7];
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(' ')));
}

void TestSkyView::deepSkyNamesAreJapaneseOrDesignations() {
    QStringList japanese, english;
    for (const QStringList& r : DataRows("dso.txt")) {
        if (!r[9].isEmpty()) japanese << r[9];
        if (!r[10].isEmpty() && r[10] != r[9]) english << r[10];
    }
    const QRegularExpression designation(QStringLiteral("^(M|NGC|IC) [1-9][0-9]*$"));
    for (const bool numbers : {false, true}) {
        Sky sky;
        sky.Apply(QStringLiteral("%1;DeepSkyObject.Mark.Visible = TRUE;DeepSkyObject.Name.Visible = TRUE;"
                                 "DeepSkyObject.Number.Visible = %2;DeepSkyObject.FixedMagnitudeLimit = FALSE")
                      .arg(kNothing, numbers ? "TRUE" : "FALSE"));
        sky.view.setLegendVisible(false);
        QStringList texts;
        for (const QPointF at : {QPointF(0, 90), QPointF(0, -90), QPointF(120, 10), QPointF(270, 0), QPointF(180, 0), QPointF(0, 0)}) {
            sky.view.setView(at.x(), at.y(), 80);
            sky.view.renderImage(QSize(1400, 1400));
            texts << LabelTexts(sky.view.counters(), LabelType::DeepSky);
        }
        QVERIFY(texts.size() > 100);
        for (const QString& text : texts) {
            QStringList words = text.split(u' ');
            // A Japanese name, then the designation when numbers are on; else the designation once.
            const QString name = japanese.contains(words.front()) ? words.takeFirst() : QString();
            const QString rest = words.join(u' ');
            QVERIFY2(numbers || name.isEmpty() != rest.isEmpty(), qPrintable(text));
            QVERIFY2(rest.isEmpty() || designation.match(rest).hasMatch(), qPrintable(text));
            for (const QString& e : english) QVERIFY2(!text.contains(e), qPrintable(text));
        }
        QVERIFY(texts.contains(numbers ? "プレセペ M 44" : "プレセペ"));
        QVERIFY(texts.contains("M 41"));
        QVERIFY(texts.contains("NGC 2232"));
    }
}

void TestSkyView::panelSaysHowTheLimitIsDerived() {
    Sky sky(true);
    QCOMPARE(LimitText(sky.view.settings(), 90), QStringLiteral("設定 8.0等 → 視野 90° で 6.1等まで"));
    QCOMPARE(LimitText(sky.view.settings(), 12.5), QStringLiteral("設定 8.0等 → 視野 12.5° で 8.0等まで"));
    sky.Apply("Star.FixedMagnitudeLimit = TRUE;Star.FixedMagnitudeLimit.Maximum = -1.0;Star.FixedMagnitudeLimit.Minimum = 5.5");
    QCOMPARE(LimitText(sky.view.settings(), 90), QStringLiteral("固定 -1.0～5.5等"));
    // The panel has its own strip; without the legend the sky has the whole picture.
    sky.view.renderImage(QSize(900, 600));
    QCOMPARE(sky.view.counters().panelArea, QRectF(650, 0, 250, 600));
    QCOMPARE(sky.view.counters().skyArea, QRectF(0, 0, 650, 600));
    QVERIFY(sky.view.counters().legendRows > 10);
    sky.view.setLegendVisible(false);
    sky.view.renderImage(QSize(900, 600));
    QCOMPARE(sky.view.counters().skyArea, QRectF(0, 0, 900, 600));
    QVERIFY(sky.view.counters().panelArea.isEmpty());
}

void TestSkyView::gridsFollowTheirSwitches() {
    for (const bool horizontal : {false, true}) {
        Sky sky(horizontal);
        sky.view.setLabelsVisible(false);
        sky.view.setHorizontalView(180, 40, 100);
        sky.view.setView(90, 20, 100);
        auto lines = [&](bool altAz, bool equatorial) {
            sky.view.setAltAzimuthGrid(altAz);
            sky.view.setEquatorialGrid(equatorial);
            sky.view.renderImage(QSize(300, 200));
            return sky.view.counters().gridLines;
        };
        const int none = lines(false, false), altAz = lines(true, false), equatorial = lines(false, true), both = lines(true, true);
        QCOMPARE(none, 0);
        QVERIFY(altAz > 50 && equatorial > 50);
        QCOMPARE(both, altAz + equatorial);
    }
}

void TestSkyView::viewSurvivesSaving() {
    QTemporaryDir dir;
    QSettings settings(dir.filePath("desktop.ini"), QSettings::IniFormat);
    {
        Sky sky(true);
        sky.view.setView(123.25, -45.5, 33.0);
        sky.view.setHorizontalView(271.5, 12.25, 33.0);
        sky.view.setEquatorialGrid(true);
        sky.view.saveState(settings);
    }
    Sky sky(true);
    sky.view.restoreState(settings);
    QCOMPARE(sky.view.centerRa(), 123.25);
    QCOMPARE(sky.view.centerDec(), -45.5);
    QCOMPARE(sky.view.azimuth(), 271.5);
    QCOMPARE(sky.view.altitude(), 12.25);
    QCOMPARE(sky.view.fieldOfView(), 33.0);
    QVERIFY(sky.view.equatorialGrid() && !sky.view.altAzimuthGrid());
    // What cannot be read keeps the view; what is out of range is brought into it.
    settings.setValue("fov", "wide");
    settings.setValue("altitude", "120");
    sky.view.restoreState(settings);
    QCOMPARE(sky.view.fieldOfView(), 33.0);
    QCOMPARE(sky.view.altitude(), 90.0);
}

void TestSkyView::runningClockMovesTheSky() {
    Sky sky(true);
    QDateTime now = kInstant;
    sky.view.placeTime()->setNowSource([&] { return now; });
    sky.view.placeTime()->backToNow();
    sky.view.setHorizontalView(180, 40, 2);  // narrow: a look every quarter of a second
    now = now.addSecs(30);
    QCOMPARE(sky.view.observation().Utc(), kInstant);  // read when the clock ticks, not at once
    QTRY_COMPARE_WITH_TIMEOUT(sky.view.observation().Utc(), kInstant.addSecs(30), 2000);
    // Paused, it stays.
    sky.view.placeTime()->pause();
    now = now.addSecs(30);
    QTest::qWait(400);
    QCOMPARE(sky.view.observation().Utc(), kInstant.addSecs(30));
}

void TestSkyView::picturesMatchTheReferences_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QPointF>("centre");
    QTest::addColumn<double>("fov");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("labels");  // with the tests' pinned fonts
    // The chart
    QTest::addRow("orion") << "orion" << false << QString() << QPointF(84, 2) << 70.0 << QSize(180, 120) << false;
    QTest::addRow("sagittarius outline")
        << "sagittarius" << false
        << "Milkyway.Image.Visible = FALSE;Milkyway.Outline.Visible = TRUE;Star.Blur.Visible = TRUE;"
           "Constellation.Boundary.Visible = TRUE"
        << QPointF(272, -28) << 60.0 << QSize(180, 120) << false;
    QTest::addRow("spring preset")
        << "spring" << false
        << SelectionScript(Numbers(cons_presets::kSpring)) +
               "Star.Mirado.Visible = TRUE;Star.FixedMagnitudeLimit = TRUE;Star.FixedMagnitudeLimit.Maximum = -2.0;"
               "Star.FixedMagnitudeLimit.Minimum = 4.5;Constellation.Boundary.Visible = TRUE"
        << QPointF(180, 10) << 120.0 << QSize(180, 120) << false;
    // The horizontal view of Tokyo: the ground and the compass facing south, the alt-azimuth
    // grid to the east, and the default sky's labels over the whole sky.
    QTest::addRow("horizon south") << "horizon-south" << true << QString(kNoLabels) << QPointF(180, 10) << 100.0 << QSize(360, 220) << true;
    QTest::addRow("alt-azimuth grid") << "altaz-grid" << true << "ALTAZ" << QPointF(100, 35) << 120.0 << QSize(360, 220) << false;
    QTest::addRow("labels at 180") << "labels-180" << true << QString() << QPointF(0, 90) << 180.0 << QSize(480, 480) << true;
}

void TestSkyView::picturesMatchTheReferences() {
    QFETCH(QString, name);
    QFETCH(bool, horizontal);
    QFETCH(QString, script);
    QFETCH(QPointF, centre);
    QFETCH(double, fov);
    QFETCH(QSize, size);
    QFETCH(bool, labels);
    Sky sky(horizontal);
    if (script == "ALTAZ")
        sky.view.setAltAzimuthGrid(true);
    else if (!script.isEmpty())
        sky.Apply(script);
    sky.view.setLabelsVisible(labels);
    sky.view.setLegendVisible(false);
    if (horizontal)
        sky.view.setHorizontalView(centre.x(), centre.y(), fov);
    else
        sky.view.setView(centre.x(), centre.y(), fov);
    const QImage picture = sky.view.renderImage(size);
    const QString path = QStringLiteral(ZEM_SKY_REFERENCES "/%1.png").arg(name);
    if (qEnvironmentVariableIsSet("ZEM_SKY_UPDATE_REFERENCES")) QVERIFY(picture.convertToFormat(QImage::Format_RGB888).save(path, "PNG", 0));
    const QImage reference(path);
    QVERIFY2(!reference.isNull(), qPrintable(path));
    QVERIFY2(Difference(picture, reference) < 0.005, qPrintable(QString::number(Difference(picture, reference))));
}

QTEST_MAIN(TestSkyView)
#include "test_skyview.moc"
