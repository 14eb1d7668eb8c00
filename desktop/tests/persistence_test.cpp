// SPDX-License-Identifier: BSD-3-Clause
// Settings that survive: the engine state is saved after every applied change and loaded at the
// next start; a damaged saved state is set aside with a message; a program killed between applies
// leaves the last complete state.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <cstdio>

#include "platform/textfile.h"
#include "support.h"

using namespace desktoptest;

class PersistenceTest : public QObject {
    Q_OBJECT
private slots:
    void savedAfterEveryApply();
    void restartLoadsTheSavedState();
    void damagedStateIsSetAside_data();
    void damagedStateIsSetAside();
    void killedBetweenApplies_data();
    void killedBetweenApplies();
};

namespace {

const wchar_t* const kBrightness = L"Milkyway.Image.Brightness";

// The brightness a saved state holds, or "" when the file is not a whole state.
QString SavedBrightness(const QString& file) {
    std::wstring text;
    if (!zem::ReadUtf8File(CString(file.toStdWString()), text) || !StateStore::IsCompleteState(text)) return {};
    CCorQel engine;
    engine.LoadState(CString(text));
    return QString::fromStdWString(engine.Peek(kBrightness).str());
}

QString Brightness(Program& program) { return QString::fromStdWString(program.Sess().Engine().Peek(kBrightness).str()); }

std::wstring DefaultSky() {
    CCorQel engine;
    engine.LoadStateFile(CString(QStringLiteral(ZEM_DATA_DIR "/sky/default.qel").toStdWString()));
    return engine.SaveState().str();
}

// The child the kill test starts: the Milky Way brightness stepped up, one apply at a time, with
// a pause after each apply (before its save may run) and after each save.
int RunChild(const QString& folder) {
    Program program(folder);
    Person person(program);
    int saves = 0;
    QObject::connect(&program.App(), &DesktopApp::Saved, [&](int count, bool) { saves = count; });
    const auto say = [](const char* what, int step, const QString& value) {
        std::printf("%s %d %s\n", what, step, value.toUtf8().constData());
        std::fflush(stdout);
    };
    person.steps[QStringLiteral("steps")] = [&](TemplateView* view) {
        for (int step = 1; step <= 25; ++step) {
            const int before = saves;
            SpinControl(view->ControlWidget(1307), true);
            say("applied", step, Brightness(program));
            QThread::msleep(60);
            while (saves == before) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
            say("saved", step, SavedBrightness(program.App().Store().StatePath()));
            QThread::msleep(60);
        }
    };
    person.Play({"open CDlgMw", "qt steps", "ok"});
    return 0;
}

}  // namespace

void PersistenceTest::savedAfterEveryApply() {
    Program program;
    Person person(program);
    QStringList saved, shown;
    person.steps[QStringLiteral("check")] = [&](TemplateView*) {
        saved << SavedBrightness(program.App().Store().StatePath());
        shown << Brightness(program);
    };
    QVERIFY(person.Play({"open CDlgMw", "spin 1307 up", "qt check", "spin 1307 up", "qt check", "cancel", "qt check"}));
    QCOMPARE(saved, (QStringList{"2.1", "2.2", "2.0"}));
    QCOMPARE(saved, shown);
}

void PersistenceTest::restartLoadsTheSavedState() {
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/zemd02");
    std::wstring left;
    {
        Program first(folder);
        QVERIFY(!first.App().LoadResult().fromSaved);
        Person person(first);
        QVERIFY(person.Play({"open CDlgMw", "click 1303", "ok", "open CDlgStarWds", "click 1702", "ok"}));
        left = first.Sess().Engine().SaveState().str();
    }
    QVERIFY(left != DefaultSky());
    Program second(folder);
    QVERIFY(second.App().LoadResult().fromSaved);
    QCOMPARE(second.Sess().Engine().SaveState().str(), left);
}

void PersistenceTest::damagedStateIsSetAside_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("not UTF-8") << QByteArray("Milkyway.Visible = TRUE;\n\xff\xfe garbage = 1;\n");
    QTest::newRow("cut in a statement") << QByteArray("Milkyway.Visible = TRUE;\nMilkyway.Ima");
    QTest::newRow("empty") << QByteArray();
}

void PersistenceTest::damagedStateIsSetAside() {
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/zemd02");
    QVERIFY(QDir().mkpath(folder));
    QFile damaged(folder + QStringLiteral("/sky.qel"));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write(content);
    damaged.close();

    Program program(folder);
    Person person(program);
    QTRY_COMPARE(person.messages.size(), 1);
    const QString aside = program.App().LoadResult().setAside;
    QCOMPARE(aside, folder + QStringLiteral("/sky.qel.damaged"));
    QVERIFY(person.messages[0].contains(aside));
    QFile kept(aside);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), content);
    QCOMPARE(program.Sess().Engine().SaveState().str(), DefaultSky());
    // The next change is saved afresh; what was set aside stays.
    QVERIFY(person.Play({"open CDlgMw", "spin 1307 up", "ok"}));
    QCOMPARE(SavedBrightness(folder + QStringLiteral("/sky.qel")), QStringLiteral("2.1"));
    QVERIFY(QFile::exists(aside));
}

void PersistenceTest::killedBetweenApplies_data() {
    QTest::addColumn<QString>("killAfter");
    QTest::addColumn<int>("step");
    QTest::newRow("an apply not yet saved") << QStringLiteral("applied") << 4;
    QTest::newRow("a save") << QStringLiteral("saved") << 6;
    QTest::newRow("the first apply") << QStringLiteral("applied") << 1;
}

void PersistenceTest::killedBetweenApplies() {
    QFETCH(QString, killAfter);
    QFETCH(int, step);
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/zemd02");
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ZEM_PERSISTENCE_CHILD"), folder);
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForStarted());
    QMap<QString, QString> said;  // "applied 3" -> the brightness then
    const QString stop = QStringLiteral("%1 %2").arg(killAfter).arg(step);
    while (!said.contains(stop)) {
        if (!child.canReadLine() && !child.waitForReadyRead(20000)) QFAIL("the child stopped talking");
        while (child.canReadLine()) {
            const QStringList words = QString::fromUtf8(child.readLine()).trimmed().split(u' ');
            if (words.size() == 3) said[words[0] + u' ' + words[1]] = words[2];
        }
    }
    child.kill();
    QVERIFY(child.waitForFinished());
    // Killed after an apply whose save had not run: the state of the apply before (or the state
    // the program started from); killed after a save: that save's state.
    const QString file = folder + QStringLiteral("/sky.qel");
    if (killAfter == QStringLiteral("saved")) {
        QCOMPARE(SavedBrightness(file), said[stop]);
    } else if (step == 1) {
        QVERIFY(!QFile::exists(file) || SavedBrightness(file) == QStringLiteral("2.0"));
    } else {
        QCOMPARE(SavedBrightness(file), said[QStringLiteral("saved %1").arg(step - 1)]);
    }
}

int main(int argc, char** argv) {
    desktoptest::PrepareEnvironment();
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    if (const QString folder = qEnvironmentVariable("ZEM_PERSISTENCE_CHILD"); !folder.isEmpty()) return RunChild(folder);
    PersistenceTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "persistence_test.moc"
