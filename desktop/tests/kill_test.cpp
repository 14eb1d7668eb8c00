// SPDX-License-Identifier: BSD-3-Clause
// The kill test: a program that saves a large state over and over is killed (SIGKILL) at random
// moments, most of them in the middle of a save; each time, the next start must find the last
// complete state, whole, with nothing of the cut save left beside it. CI kills 20 times;
// ZEM_KILL_TEST_KILLS asks for more (and ZEM_KILL_TEST_SEED repeats a run).
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <cstdio>

#include "keeping.h"

using namespace desktoptest;

namespace {

const char* const kChildVariable = "ZEM_KILL_CHILD";
constexpr int kFiller = 20000;  // properties beside the default sky, so that a save takes a while

long Generation(CCorQel& engine) { return std::wcstol(engine.Peek(L"Kill.Generation").GetString(), nullptr, 10); }

// The child: changes the state again and again, one generation a change, and says which
// generation each finished save holds.
int RunChild(const QString& folder) {
    Program program(folder);
    CCorQel& engine = program.Sess().Engine();
    int saves = 0;
    QObject::connect(&program.App(), &DesktopApp::Saved, [&](int count, bool) { saves = count; });
    std::printf("ready\n");
    std::fflush(stdout);
    for (long generation = Generation(engine) + 1;; ++generation) {
        const int before = saves;
        engine.Doit((L"Kill.Generation = " + std::to_wstring(generation) + L";").c_str());  // no redraw: saves back to back
        while (saves == before) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        std::printf("saved %ld\n", generation);
        std::fflush(stdout);
    }
}

}  // namespace

class KillTest : public QObject {
    Q_OBJECT
private slots:
    void startAfterAKillFindsTheLastWholeState();
};

void KillTest::startAfterAKillFindsTheLastWholeState() {
    const int kills = qEnvironmentVariableIsSet("ZEM_KILL_TEST_KILLS") ? qEnvironmentVariableIntValue("ZEM_KILL_TEST_KILLS") : 20;
    const quint32 seed = qEnvironmentVariableIsSet("ZEM_KILL_TEST_SEED") ? qEnvironmentVariableIntValue("ZEM_KILL_TEST_SEED")
                                                                        : QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/zemd02");
    std::size_t properties = 0;
    {
        Program first(folder);
        CCorQel& engine = first.Sess().Engine();
        for (int i = 0; i < kFiller; ++i) engine.Set(L"Kill.Filler" + std::to_wstring(i) + L".Value", std::to_wstring(i));
        engine.Set(L"Kill.Generation", L"0");
        properties = engine.GetPropertyCount();
    }
    int midSave = 0;
    long found = 0;  // the generation the last start found
    for (int kill = 1; kill <= kills; ++kill) {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(kChildVariable), folder);
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForStarted() && child.waitForReadyRead(30000) && child.readLine() == "ready\n");
        // Once it saves back to back, any moment is most likely one within a save.
        QVERIFY(child.waitForReadyRead(30000));
        QThread::msleep(random.bounded(60));
        child.kill();
        QVERIFY(child.waitForFinished());
        long saved = found;
        for (const QByteArray& line : child.readAllStandardOutput().split('\n'))
            if (line.startsWith("saved ")) saved = line.mid(6).toLong();
        midSave += !QDir(folder).entryList({QStringLiteral("sky.qel.tmp.*")}, QDir::Files).isEmpty();

        // The last save the child finished, or one it finished but did not get to tell.
        Program next(folder);
        const QString where = QStringLiteral("kill %1 of %2 (seed %3)").arg(kill).arg(kills).arg(seed);
        QVERIFY2(next.App().LoadResult().fromSaved && next.App().LoadResult().problem.isEmpty(), qPrintable(where));
        CCorQel& engine = next.Sess().Engine();
        QVERIFY2(engine.GetPropertyCount() == properties, qPrintable(where));
        found = Generation(engine);
        QVERIFY2(found == saved || found == saved + 1, qPrintable(where + QStringLiteral(": found %1, saved %2").arg(found).arg(saved)));
        QVERIFY2(QDir(folder).entryList({QStringLiteral("sky.qel.tmp.*")}, QDir::Files).isEmpty(), qPrintable(where));
    }
    qInfo("%d kills (seed %u), %d of them during a save", kills, seed, midSave);
}

int main(int argc, char** argv) { return RunTestOrChild<KillTest>(argc, argv, kChildVariable, RunChild); }

#include "kill_test.moc"
