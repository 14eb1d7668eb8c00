// SPDX-License-Identifier: BSD-3-Clause
// The observer's sky: positions against numbers from an independent source, the ground's outline
// against the projection, label placement, and the place and clock with what they keep.
#include <QPainterPath>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

#include "desktop/sky/astronomy.h"
#include "desktop/sky/observer.h"
#include "desktop/sky/skyhorizon.h"
#include "desktop/sky/skylabels.h"

using namespace sky;

namespace {

// Tokyo (the built-in place: 35.6895 N, 139.6917 E, 40 m) at 2022-01-15 21:00 JST.
const QDateTime kInstant = QDateTime::fromString(QStringLiteral("2022-01-15T12:00:00Z"), Qt::ISODate);

Place Tokyo() {
    for (const Place& p : BuiltInPlaces())
        if (p.name == QStringLiteral("東京")) return p;
    return {};
}

double AngleDeg(Vec3 a, Vec3 b) { return std::acos(std::clamp(Dot(Normalized(a), Normalized(b)), -1.0, 1.0)) / kDeg; }

}  // namespace

class TestAstronomy : public QObject {
    Q_OBJECT
private slots:
    void positionsAgreeWithAnIndependentSource_data();
    void positionsAgreeWithAnIndependentSource();
    void siderealTimeAgreesWithAnIndependentSource();
    void seenDirectionsTurnBack();
    void groundIsWhatLiesBelowTheHorizon_data();
    void groundIsWhatLiesBelowTheHorizon();
    void labelsTakeTheFirstFreePlace();
    void clockRunsPausesStepsAndReturns();
    void placeAndTimeSurviveSavingAndRefuseNonsense();
};

void TestAstronomy::positionsAgreeWithAnIndependentSource_data() {
    QTest::addColumn<double>("ra");
    QTest::addColumn<double>("dec");
    QTest::addColumn<double>("azimuth");
    QTest::addColumn<double>("altitude");
    // The data's J2000 positions (data/skyview/stars.txt) seen from Tokyo at 2022-01-15 12:00 UTC,
    // computed once with astropy 5.2.1 (SkyCoord ICRS -> AltAz; EarthLocation.from_geodetic(139.6917°,
    // 35.6895°, 40 m); pressure 1013.25·exp(-40/(29.3·283.15)) hPa, 10 °C, humidity 0.5, 0.55 µm),
    // offline with iers.conf.auto_download = False, so with the IERS-B table astropy ships
    // (UT1-UTC = -0.111 s and its polar motion; the view takes UT1 = UTC and no polar motion).
    QTest::newRow("シリウス") << 101.2872 << -16.7161 << 149.357697 << 31.722194;
    QTest::newRow("ベテルギウス") << 88.7929 << 7.4071 << 151.427049 << 58.775148;
    QTest::newRow("リゲル") << 78.6345 << -8.2016 << 173.885049 << 45.961831;
    QTest::newRow("カペラ") << 79.1723 << 45.9980 << 18.399218 << 79.012357;
    QTest::newRow("アルデバラン") << 68.9802 << 16.5093 << 195.256353 << 70.293901;
    QTest::newRow("プロキオン") << 114.8255 << 5.2250 << 119.665643 << 41.899353;
    QTest::newRow("北極星") << 37.9545 << 89.2641 << 359.608900 << 36.266024;
    QTest::newRow("ベガ (below)") << 279.2347 << 38.7837 << 340.471125 << -11.889654;
    QTest::newRow("カノープス (just below)") << 95.9880 << -52.6957 << 167.165799 << -0.177322;
}

void TestAstronomy::positionsAgreeWithAnIndependentSource() {
    QFETCH(double, ra);
    QFETCH(double, dec);
    QFETCH(double, azimuth);
    QFETCH(double, altitude);
    const Observation o(Tokyo(), kInstant);
    double az = 0, alt = 0;
    AzimuthAltitude(o.Observed(Direction(ra, dec)), az, alt);
    const double arcmin = 1.0 / 60;
    QVERIFY2(std::fabs(alt - altitude) < arcmin, qPrintable(QStringLiteral("altitude %1, expected %2").arg(alt, 0, 'f', 6).arg(altitude, 0, 'f', 6)));
    QVERIFY2(std::fabs(std::remainder(az - azimuth, 360.0)) < arcmin,
             qPrintable(QStringLiteral("azimuth %1, expected %2").arg(az, 0, 'f', 6).arg(azimuth, 0, 'f', 6)));
}

void TestAstronomy::siderealTimeAgreesWithAnIndependentSource() {
    // astropy 5.2.1 as above: Time('2022-01-15 12:00:00', scale='utc').sidereal_time('apparent',
    // longitude=139.6917°) = 4.973981368 h (with UT1-UTC = -0.111 s). Cross-checked without ERFA:
    // Meeus, Astronomical Algorithms, chapters 12 and 22 (GMST of IAU 1982 and the equation of the
    // equinoxes), for UT1 = UTC: 4.9740126 h.
    const Observation o(Tokyo(), kInstant);
    QVERIFY2(std::fabs(o.LocalSiderealTime() - 4.973981368) * 3600 < 1.0, qPrintable(QString::number(o.LocalSiderealTime(), 'f', 9)));
    QVERIFY(std::fabs(o.LocalSiderealTime() - 4.9740126) * 3600 < 1.0);
    // A sidereal day later than 21:00 the stars stand where they stood.
    const Observation later(Tokyo(), kInstant.addMSecs(86164091));
    QVERIFY(std::fabs(later.LocalSiderealTime() - o.LocalSiderealTime()) * 3600 < 0.1);
}

void TestAstronomy::seenDirectionsTurnBack() {
    const Observation o(Tokyo(), kInstant);
    for (double ra = 0; ra < 360; ra += 37)
        for (double dec = -60; dec <= 85; dec += 29) {
            const Vec3 v = Direction(ra, dec);
            const Vec3 seen = o.Observed(v);
            if (seen.z < 0.1) continue;  // the inverse of refraction is meant for the visible sky
            QVERIFY2(AngleDeg(o.Icrs(seen), v) * 3600 < 1.0, qPrintable(QStringLiteral("%1 %2").arg(ra).arg(dec)));
            // The plain rotation leaves out refraction and aberration: within a degree high up.
            QVERIFY(AngleDeg(o.Rotate(v), seen) < 0.2);
            QVERIFY(AngleDeg(o.RotateBack(o.Rotate(v)), v) < 1e-6);
        }
    // The true equator of the date lies where the J2000 one has precessed to: about 0.3° away in 2022.
    const double shift = AngleDeg(o.ObservedOfDate(90, 0), o.Observed(Direction(90, 0)));
    QVERIFY2(shift > 0.2 && shift < 0.4, qPrintable(QString::number(shift)));
    // Azimuth from north through east; the zenith is straight up.
    double az = 0, alt = 0;
    AzimuthAltitude(HorizontalDirection(90, 10), az, alt);
    QCOMPARE(qRound(az * 1e6), 90000000);
    QCOMPARE(qRound(alt * 1e6), 10000000);
    QVERIFY(AngleDeg(HorizontalDirection(123, 90), {0, 0, 1}) < 1e-9);
}

void TestAstronomy::groundIsWhatLiesBelowTheHorizon_data() {
    QTest::addColumn<double>("altitude");
    QTest::addColumn<double>("fov");
    QTest::addColumn<QSize>("size");
    for (double fov : {180.0, 120.0, 60.0, 10.0, 2.0})
        for (double alt : {90.0, 40.0, 5.0, 0.3, 0.0, -0.2, -30.0, -90.0})
            QTest::addRow("alt %g fov %g", alt, fov) << alt << fov << QSize(300, 200);
    QTest::addRow("tall") << 10.0 << 90.0 << QSize(120, 400);
}

void TestAstronomy::groundIsWhatLiesBelowTheHorizon() {
    QFETCH(double, altitude);
    QFETCH(double, fov);
    QFETCH(QSize, size);
    const Projection proj(-200, altitude, fov, size.width(), size.height());
    const QRectF area(0, 0, size.width(), size.height());
    const QPainterPath ground = GroundPath(proj, area);
    int checked = 0;
    for (int y = 0; y < size.height(); y += 7)
        for (int x = 0; x < size.width(); x += 7) {
            Vec3 v;
            if (!proj.Unproject(x, y, v)) continue;  // beyond the drawn hemisphere the caller clips
            // Away from the horizon line by more than a pixel either way.
            Vec3 a;
            bool near = false;
            for (const QPointF d : {QPointF(1.5, 0), QPointF(-1.5, 0), QPointF(0, 1.5), QPointF(0, -1.5)})
                if (proj.Unproject(x + d.x(), y + d.y(), a) && (a.z < 0) != (v.z < 0)) near = true;
            if (near) continue;
            QVERIFY2(ground.contains(QPointF(x, y)) == (v.z < 0), qPrintable(QStringLiteral("at %1,%2 altitude %3").arg(x).arg(y).arg(std::asin(v.z) / kDeg)));
            ++checked;
        }
    QVERIFY(checked > 100);
}

void TestAstronomy::labelsTakeTheFirstFreePlace() {
    LabelPlacer placer(QRectF(0, 0, 200, 100));
    placer.Reserve(QRectF(150, 0, 50, 100));  // a panel
    const QSizeF size(40, 10);
    // Right of the mark first.
    QCOMPARE(placer.Place(BesideMark(QPointF(50, 50), 3, size)), 0);
    // The same mark again: right is taken, so left.
    QCOMPARE(placer.Place(BesideMark(QPointF(50, 50), 3, size)), 1);
    // Against the panel: right would reach into it.
    QCOMPARE(placer.Place(BesideMark(QPointF(130, 20), 3, size)), 1);
    // Off the picture on every side: left out.
    QCOMPARE(placer.Place({QRectF(-30, 40, 40, 10), QRectF(190, 40, 40, 10)}), -1);
    // Nothing free around a crowded point: left out rather than piled.
    for (int i = 0; i < 12; ++i) placer.Place(AroundPoint(QPointF(60, 80), size));
    QCOMPARE(placer.Place(AroundPoint(QPointF(60, 80), size)), -1);
    QVERIFY(!placer.Free(QRectF(49, 49, 2, 2).translated(8, 0)));
    QVERIFY(placer.Free(QRectF(5, 5, 5, 5)));
}

void TestAstronomy::clockRunsPausesStepsAndReturns() {
    PlaceTime pt;
    QDateTime now = kInstant;
    pt.setNowSource([&] { return now; });
    QSignalSpy changed(&pt, &PlaceTime::changed);
    QCOMPARE(pt.mode(), PlaceTime::Mode::Now);
    now = now.addSecs(10);
    QCOMPARE(pt.time(), now);
    QCOMPARE(pt.localTime().toString(Qt::ISODate), QStringLiteral("2022-01-15T21:00:10+09:00"));

    // A chosen time runs on with the clock.
    pt.setTime(kInstant.addDays(30));
    QCOMPARE(pt.mode(), PlaceTime::Mode::Running);
    now = now.addSecs(5);
    QCOMPARE(pt.time(), kInstant.addDays(30).addSecs(5));
    // Paused, it stays; stepping moves it; resuming runs on from there.
    pt.pause();
    const QDateTime held = pt.time();
    now = now.addSecs(100);
    QCOMPARE(pt.time(), held);
    pt.step(-3600);
    pt.step(86400);
    QCOMPARE(pt.time(), held.addSecs(86400 - 3600));
    QCOMPARE(pt.mode(), PlaceTime::Mode::Paused);
    pt.resume();
    now = now.addSecs(7);
    QCOMPARE(pt.time(), held.addSecs(86400 - 3600 + 7));
    pt.backToNow();
    QCOMPARE(pt.time(), now);
    QCOMPARE(pt.mode(), PlaceTime::Mode::Now);
    QVERIFY(changed.count() >= 6);

    QCOMPARE(OffsetText(540), QStringLiteral("UTC+9:00"));
    QCOMPARE(OffsetText(-210), QStringLiteral("UTC-3:30"));
    QCOMPARE(CoordinatesText({QStringLiteral("x"), -33.86, -70.5, 0, 0}), QStringLiteral("南緯33.86° 西経70.50°"));
}

void TestAstronomy::placeAndTimeSurviveSavingAndRefuseNonsense() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("desktop.ini"));
    QDateTime now = kInstant;
    {
        PlaceTime pt;
        pt.setNowSource([&] { return now; });
        pt.setPlace({QStringLiteral("自宅"), 43.5, 144.25, 120, 540});
        pt.setTime(kInstant.addSecs(-7200));
        pt.pause();
        QSettings s(path, QSettings::IniFormat);
        s.beginGroup(QStringLiteral("PlaceTime"));
        pt.save(s);
    }
    {
        // Read back in a locale that writes decimal commas: the file keeps points.
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German));
        PlaceTime pt;
        QSettings s(path, QSettings::IniFormat);
        s.beginGroup(QStringLiteral("PlaceTime"));
        pt.load(s);
        QLocale::setDefault(before);
        QCOMPARE(pt.place(), (Place{QStringLiteral("自宅"), 43.5, 144.25, 120, 540}));
        QCOMPARE(pt.mode(), PlaceTime::Mode::Paused);
        QCOMPARE(pt.time(), kInstant.addSecs(-7200));
    }
    {
        // A running clock keeps how far ahead of now it runs.
        PlaceTime pt;
        pt.setNowSource([&] { return now; });
        pt.setTime(kInstant.addSecs(90));
        QSettings s(path, QSettings::IniFormat);
        s.beginGroup(QStringLiteral("PlaceTime"));
        pt.save(s);
        now = now.addDays(3);
        PlaceTime later;
        later.setNowSource([&] { return now; });
        later.load(s);
        QCOMPARE(later.mode(), PlaceTime::Mode::Running);
        QCOMPARE(later.time(), now.addSecs(90));
    }
    {
        // A place out of range, or a time that cannot be read, is not taken.
        QSettings s(path, QSettings::IniFormat);
        s.beginGroup(QStringLiteral("PlaceTime"));
        s.setValue(QStringLiteral("latitude"), QStringLiteral("95"));
        s.setValue(QStringLiteral("mode"), QStringLiteral("paused"));
        s.setValue(QStringLiteral("time"), QStringLiteral("yesterday"));
        PlaceTime pt;
        pt.load(s);
        QCOMPARE(pt.place(), Place{});
        QCOMPARE(pt.mode(), PlaceTime::Mode::Now);
        pt.setPlace({QStringLiteral("x"), 10, 200, 0, 540});
        QCOMPARE(pt.place(), Place{});
    }
}

QTEST_GUILESS_MAIN(TestAstronomy)
#include "test_astronomy.moc"
