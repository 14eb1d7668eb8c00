// SPDX-License-Identifier: BSD-3-Clause
// One writer at a time: two programs on one config folder, each a process of its own. The second
// opens read-only, says so in its title and status line, saves nothing and asks before closing
// with changes; the first one's settings survive both exits. A program killed while it holds the
// folder leaves no lock behind.
#include <unistd.h>

#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QStatusBar>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>

#include "keeping.h"

using namespace desktoptest;

namespace {

const char* const kChildVariable = "ZEM_WRITER_CHILD";

// The other program: says "ready PID", then takes "set VALUE" (the Milky Way brightness typed in
// its dialog, then "done") until "exit" or the end of its input.
int RunChild(const QString& folder) {
    Program program(folder);
    Person person(program);
    std::printf("ready %d\n", static_cast<int>(::getpid()));
    std::fflush(stdout);
    for (std::string line; std::getline(std::cin, line) && line != "exit";) {
        if (!line.starts_with("set ")) continue;
        person.Play({"open CDlgMw", "paste 1306 " + QString::fromStdString(line.substr(4)), "ok"});
        QTest::qWait(50);
        std::printf("done\n");
        std::fflush(stdout);
    }
    return 0;
}

// Starts the other program on folder and waits for its word.
bool StartOther(QProcess& other, const QString& folder, QString* pid) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kChildVariable), folder);
    other.setProcessEnvironment(environment);
    other.start(QCoreApplication::applicationFilePath(), {});
    return other.waitForStarted() && other.waitForReadyRead(30000) &&
           (*pid = QString::fromUtf8(other.readLine()).trimmed().section(u' ', 1)).toInt() > 0;
}

bool Tell(QProcess& other, const char* line) {
    other.write(line);
    other.write("\n");
    return other.waitForBytesWritten() && other.waitForReadyRead(30000) && other.readLine().trimmed() == "done";
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString StatusLine(Program& program) {
    const auto* label = program.Window().statusBar()->findChild<QLabel*>(QStringLiteral("readOnlyStatus"));
    return label ? label->text() : QString();
}

}  // namespace

class WritersTest : public QObject {
    Q_OBJECT
private slots:
    void secondProgramIsReadOnly();
    void killedWriterLeavesNoLock();
};

void WritersTest::secondProgramIsReadOnly() {
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/zemd02");
    QProcess first;
    QString pid;
    QVERIFY(StartOther(first, folder, &pid));
    const QString stray = folder + QStringLiteral("/sky.qel.tmp.99999.0");
    QFile(stray).open(QIODevice::WriteOnly);

    std::optional<Program> program(std::in_place, folder);
    Program& second = *program;
    Person person(second);
    QVERIFY2(second.Window().windowTitle().contains(QStringLiteral("読み取り専用")), qPrintable(second.Window().windowTitle()));
    QVERIFY2(StatusLine(second).contains(QStringLiteral("読み取り専用")) && StatusLine(second).contains(pid), qPrintable(StatusLine(second)));
    QVERIFY(QFile::exists(stray));  // the first one's save may be under way

    QVERIFY(Tell(first, "set 4.5"));
    QCOMPARE(SavedBrightness(folder + QStringLiteral("/sky.qel")), QStringLiteral("4.5"));
    // The first keeps where its dialog was left as it goes.
    const QString desktopIni = folder + QStringLiteral("/desktop.ini");
    const QByteArray firstsPositions = Contents(desktopIni);
    QVERIFY(person.Play({"open CDlgMw", "spin 1307 up", "ok"}));
    QTest::qWait(50);
    QCOMPARE(SavedBrightness(folder + QStringLiteral("/sky.qel")), QStringLiteral("4.5"));
    // Nor does it keep its dialog's place, its place and time, now or at its end, or its window.
    QVERIFY(second.App().Sky());
    second.App().Sky()->placeTime()->step(3600);
    second.Window().NightAction()->trigger();
    QCOMPARE(Contents(desktopIni), firstsPositions);
    second.Window().NightAction()->trigger();
    first.write("exit\n");
    QVERIFY(first.waitForFinished(30000));
    QCOMPARE(first.exitCode(), 0);
    QCOMPARE(SavedBrightness(folder + QStringLiteral("/sky.qel")), QStringLiteral("4.5"));

    // Closing with changes that cannot be saved asks first.
    QVERIFY(second.Window().close());
    QCOMPARE(person.messages.size(), 1);
    QCOMPARE(person.icons[0], QMessageBox::Question);
    QVERIFY2(person.messages[0].contains(QStringLiteral("読み取り専用")), qPrintable(person.messages[0]));
    QCOMPARE(SavedBrightness(folder + QStringLiteral("/sky.qel")), QStringLiteral("4.5"));
    const QByteArray firstsIni = Contents(desktopIni);
    QVERIFY(!firstsIni.isEmpty());
    program.reset();
    QCOMPARE(Contents(desktopIni), firstsIni);
    QCOMPARE(SavedBrightness(folder + QStringLiteral("/sky.qel")), QStringLiteral("4.5"));
}

void WritersTest::killedWriterLeavesNoLock() {
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/zemd02");
    QProcess killed;
    QString pid;
    QVERIFY(StartOther(killed, folder, &pid));
    QVERIFY(Tell(killed, "set 3.5"));
    killed.kill();
    QVERIFY(killed.waitForFinished());
    const QString stray = folder + QStringLiteral("/sky.qel.tmp.") + pid + QStringLiteral(".7");
    QFile(stray).open(QIODevice::WriteOnly);

    Program next(folder);
    QVERIFY(!next.Window().windowTitle().contains(QStringLiteral("読み取り専用")));
    QVERIFY(StatusLine(next).isEmpty());
    QVERIFY(!QFile::exists(stray));
    QCOMPARE(QString::fromStdWString(next.Sess().Engine().Peek(L"Milkyway.Image.Brightness").str()), QStringLiteral("3.5"));
    QVERIFY(Person(next).Play({"open CDlgMw", "spin 1307 up", "ok"}));
    QTest::qWait(50);
    QCOMPARE(SavedBrightness(folder + QStringLiteral("/sky.qel")), QStringLiteral("3.6"));
}

int main(int argc, char** argv) { return RunTestOrChild<WritersTest>(argc, argv, kChildVariable, RunChild); }

#include "writers_test.moc"
