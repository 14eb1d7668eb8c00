// SPDX-License-Identifier: BSD-3-Clause
// The two front ends must send the same scripts: every scenario of the scenario tests is played at
// the desktop with mouse clicks and key presses, and the desktop's transcript (and its traffic log)
// is compared with the scenario host's transcript of the same lines.
#include <QDir>
#include <QPlainTextEdit>

#include "support.h"

using namespace desktoptest;

class TrafficTest : public QObject {
    Q_OBJECT
private slots:
    void scenarios_data();
    void scenarios();
};

void TrafficTest::scenarios_data() {
    QTest::addColumn<QString>("path");
    const QDir dir(QStringLiteral(ZEM_SCENARIOS));
    for (const QString& name : dir.entryList({QStringLiteral("*.scn")}, QDir::Files, QDir::Name))
        QTest::newRow(name.toUtf8().constData()) << dir.filePath(name);
}

void TrafficTest::scenarios() {
    QFETCH(QString, path);
    const Scenario scenario = ReadScenario(path);
    if (scenario.expectsError) QSKIP("a scenario of the host's refusals");
    Program program;
    program.Sess().SetShowQueries(scenario.options.contains(QStringLiteral("--queries")));
    if (scenario.options.contains(QStringLiteral("--empty"))) program.Sess().Engine().Clear();
    program.Take();
    Person person(program);
    QString why;
    if (!person.Play(scenario.lines, &why)) QSKIP(qPrintable(why));
    const QStringList desktop = program.Take();
    const QStringList host = WithoutRefusals(RunHost(scenario.options, scenario.lines));
    QVERIFY(!host.isEmpty());
    QCOMPARE(desktop, host);
    QCOMPARE(program.Window().Log()->toPlainText().split(u'\n'), host);
}

ZEM_DESKTOP_TEST_MAIN(TrafficTest)
#include "traffic_test.moc"
