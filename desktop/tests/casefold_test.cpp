// SPDX-License-Identifier: BSD-3-Clause
// The sky view reads the engine's words as the engine does: ASCII case aside, nothing more. Qt's
// caseless comparisons would also take the long s for an s and the Kelvin sign for a k.
#include <QtTest>

#include "companions/zemqel/corqel.h"
#include "desktop/sky/skysettings.h"

class CaseFoldTest : public QObject {
    Q_OBJECT
private slots:
    void skyReadsWordsAsTheEngine();
};

void CaseFoldTest::skyReadsWordsAsTheEngine() {
    using sky::MagnitudeMode;
    QCOMPARE(sky::MagnitudeModeOfScript(QStringLiteral("STAR.AUTOMAGNITUDELIMIT = \"true\";Show Sky"), MagnitudeMode::Fixed),
             MagnitudeMode::Linked);
    QCOMPARE(sky::MagnitudeModeOfScript(QString::fromUtf8("ſtar.AutoMagnitudeLimit = TRUE;"), MagnitudeMode::Fixed),
             MagnitudeMode::Fixed);

    const auto extendedData = [](const char* catalog) {
        CCorQel engine;
        engine.Set(L"Star.Catalog", CString(QString::fromUtf8(catalog).toStdWString()));
        for (const sky::LegendRow& row : sky::ReadSettings(&engine).legend)
            if (row.name == QStringLiteral("拡張データ")) return row.on;
        return false;
    };
    QVERIFY(!extendedData("HIPPARCOS"));
    QVERIFY(extendedData("Hipparcoſ"));

    // The observer's sky for the engine's horizontal view only, as the star dialog decides it.
    const auto horizon = [](const char* coordinate) {
        CCorQel engine;
        engine.Set(L"View.Coordinate", CString(QString::fromUtf8(coordinate).toStdWString()));
        return sky::ReadSettings(&engine).horizon;
    };
    QVERIFY(horizon("HORIZON"));
    QVERIFY(!horizon("HORİZON"));
    QVERIFY(!horizon("horızon"));
}

QTEST_GUILESS_MAIN(CaseFoldTest)
#include "casefold_test.moc"
