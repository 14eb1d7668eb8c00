// SPDX-License-Identifier: BSD-3-Clause
// Settings that survive: the engine state is saved after every applied change and loaded at the
// next start; a damaged saved state is set aside with a message; a program killed between applies
// leaves the last complete state.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <cstdio>

#include "companions/zemreg/registry.h"
#include "keeping.h"

using namespace desktoptest;

class PersistenceTest : public QObject {
    Q_OBJECT
private slots:
    void savedAfterEveryApply();
    void restartLoadsTheSavedState();
    void damagedStateIsSetAside_data();
    void damagedStateIsSetAside();
    void sealedStateKeepsAwkwardProperties();
    void oversizedFilesAreRefused();
    void linkedStateIsFollowedOrRefused();
    void relativeXdgFolderIsIgnored();
    void strayTemporariesAreCleared();
    void killedBetweenApplies_data();
    void killedBetweenApplies();
};

namespace {

QString Brightness(Program& program) { return desktoptest::Brightness(program.Sess().Engine()); }

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
    const QByteArray sky = QString::fromStdWString(DefaultSky()).toUtf8();
    const QByteArray closing = QByteArray::fromStdString(store::ClosingLine(sky.count('\n'), sky.toStdString())) + '\n';
    QByteArray first40;
    for (const QByteArray& line : sky.split('\n').mid(0, 40)) first40 += line + '\n';
    const QByteArray notUtf8 = "Milkyway.Visible = TRUE;\n\xff\xfe garbage = 1;\n";
    QTest::newRow("not UTF-8") << notUtf8 + QByteArray::fromStdString(store::ClosingLine(2, notUtf8.toStdString())) + '\n';
    QTest::newRow("cut in a statement") << QByteArray("Milkyway.Visible = TRUE;\nMilkyway.Ima");
    QTest::newRow("empty") << QByteArray();
    // Cut at a line end, every statement whole: only the closing line tells.
    QTest::newRow("cut at a line end") << first40;
    QTest::newRow("closing line cut") << sky + closing.left(closing.size() - 5);
    QTest::newRow("closing line of the whole file") << first40 + closing;
    QTest::newRow("wrong count") << first40 + QByteArray::fromStdString(store::ClosingLine(41, first40.toStdString())) + '\n';
    QTest::newRow("more after the closing line") << sky + closing + "Milkyway.Visible = FALSE;\n";
    // A value may hold a line that reads like a closing line; cut right after it, the file still
    // is not whole.
    CCorQel engine;
    engine.Set(L"Milkyway.Visible", L"TRUE");
    engine.Set(L"Note", L"x\n# 2 statements, checksum 0123456789abcdef\ny");
    const QByteArray note = QByteArray::fromStdString(store::SealState(engine));
    QTest::newRow("cut after a line like the closing one") << note.left(note.indexOf("\ny;") + 1);
    // The same with the right count and checksum of what comes before the line.
    const std::string before = "Milkyway.Visible = TRUE;\nNote = x\n";
    CCorQel forged;
    forged.Set(L"Milkyway.Visible", L"TRUE");
    forged.Set(L"Note", CString(zem::FromUtf8("x\n" + store::ClosingLine(2, before) + "\ny")));
    const QByteArray forgedNote = QByteArray::fromStdString(store::SealState(forged));
    QTest::newRow("cut after a true closing line inside a value") << forgedNote.left(forgedNote.indexOf("\ny;") + 1);
    // A path whose first line reads like the closing line of the statements before it: the first
    // path of the file (an empty state's closing line), or one after another statement.
    CCorQel first;
    first.Set(CString(zem::FromUtf8(store::ClosingLine(0, "") + "\nMilkyway")), L"TRUE");
    const QByteArray firstPath = QByteArray::fromStdString(store::SealState(first));
    QTest::newRow("cut after a first path's line like an empty state's closing line")
        << firstPath.left(firstPath.indexOf('\n') + 1);
    CCorQel second;
    second.Set(L"Milkyway.Visible", L"TRUE");
    second.Set(CString(zem::FromUtf8(store::ClosingLine(1, "Milkyway.Visible = TRUE;\n") + "\nMilkyway")), L"TRUE");
    const QByteArray secondPath = QByteArray::fromStdString(store::SealState(second));
    QTest::newRow("cut after a second path's line like the closing line before it")
        << secondPath.left(secondPath.indexOf('\n', secondPath.indexOf('\n') + 1) + 1);
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

// What the desktop writes loads back whole, whatever the engine holds: a path that begins with
// what reads as a byte-order mark, a replacement character typed into a value, a value holding a
// line like a closing line.
void PersistenceTest::sealedStateKeepsAwkwardProperties() {
    CCorQel engine, back;
    engine.Set(L"\uFEFFFirst", L"1");
    engine.Set(L"Typed", L"\uFFFD");
    engine.Set(L"Note", L"x\n# 2 statements, checksum 0123456789abcdef\ny");
    // A path with a line end, and one of those lines reading like an empty state's closing line.
    engine.Set(CString(zem::FromUtf8(store::ClosingLine(0, "") + "\nPath")), L"2");
    QCOMPARE(store::LoadSealedState(store::SealState(engine), back), store::StateVerdict::Whole);
    QVERIFY(back.GetProperties() == engine.GetProperties());
    // An empty state too.
    QCOMPARE(store::LoadSealedState(store::SealState(CCorQel()), back), store::StateVerdict::Whole);
    QCOMPARE(back.GetPropertyCount(), std::size_t{0});
}

void PersistenceTest::oversizedFilesAreRefused() {
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/zemd02");
    QVERIFY(QDir().mkpath(folder));
    QFile state(folder + QStringLiteral("/sky.qel"));
    QVERIFY(state.open(QIODevice::WriteOnly));
    state.write("Milkyway.Image.Brightness = " + QByteArray(16 << 20, '7') + ";\n");
    state.close();
    QFile registry(folder + QStringLiteral("/registry.ini"));
    QVERIFY(registry.open(QIODevice::WriteOnly));
    registry.write("[Default]\nStar.Mirado.Visible=TRUE\n;" + QByteArray(1 << 20, ' ') + "\n");
    registry.close();

    Program program(folder);
    Person person(program);
    QTRY_COMPARE(person.messages.size(), 1);
    QVERIFY2(person.messages[0].contains(QStringLiteral("16 MiB")) && person.messages[0].contains(QStringLiteral("1 MiB")),
             qPrintable(person.messages[0]));
    QVERIFY(person.messages[0].contains(program.App().LoadResult().setAside));
    QCOMPARE(program.Sess().Engine().SaveState().str(), DefaultSky());
    CString mirado;
    QVERIFY(!CRegistry::Read(L"Default", L"Star.Mirado.Visible", L"", mirado));
}

// A saved state that is a link to a file is read and written through the link; a link to nothing
// is neither read nor replaced, and the person is told.
void PersistenceTest::linkedStateIsFollowedOrRefused() {
    QTemporaryDir dir;
    const QString elsewhere = dir.path() + QStringLiteral("/elsewhere"), folder = dir.path() + QStringLiteral("/zemd02");
    {
        Program first(elsewhere);
        QVERIFY(Person(first).Play({"open CDlgMw", "spin 1307 up", "ok"}));
    }
    QVERIFY(QDir().mkpath(folder));
    const QString link = folder + QStringLiteral("/sky.qel");
    QVERIFY(QFile::link(elsewhere + QStringLiteral("/sky.qel"), link));
    {
        Program program(folder);
        QVERIFY(program.App().LoadResult().fromSaved);
        QCOMPARE(Brightness(program), QStringLiteral("2.1"));
        QVERIFY(Person(program).Play({"open CDlgMw", "spin 1307 up", "ok"}));
    }
    QVERIFY(QFileInfo(link).isSymLink());
    QCOMPARE(SavedBrightness(elsewhere + QStringLiteral("/sky.qel")), QStringLiteral("2.2"));

    const QString gone = dir.path() + QStringLiteral("/gone.qel");
    QVERIFY(QFile::remove(link) && QFile::link(gone, link));
    Program program(folder);
    Person person(program);
    QTRY_COMPARE(person.messages.size(), 1);
    QVERIFY2(person.messages[0].contains(link), qPrintable(person.messages[0]));
    QCOMPARE(program.Sess().Engine().SaveState().str(), DefaultSky());
    QVERIFY(person.Play({"open CDlgMw", "spin 1307 up", "spin 1307 up", "ok"}));
    QCOMPARE(person.messages.size(), 2);  // the save that failed, told once
    QVERIFY2(person.messages[1].contains(link), qPrintable(person.messages[1]));
    QCOMPARE(QFileInfo(link).symLinkTarget(), gone);
    QVERIFY(!QFile::exists(gone));
}

void PersistenceTest::relativeXdgFolderIsIgnored() {
    const QByteArray kept = qgetenv("XDG_CONFIG_HOME");
    const QString fallback = QDir::homePath() + QStringLiteral("/.config/zemd02");
    for (const char* value : {"config", "./config", ""}) {
        qputenv("XDG_CONFIG_HOME", value);
        QCOMPARE(StateStore::DefaultFolder(), fallback);
    }
    qunsetenv("XDG_CONFIG_HOME");
    QCOMPARE(StateStore::DefaultFolder(), fallback);
    qputenv("XDG_CONFIG_HOME", "/somewhere/else");
    QCOMPARE(StateStore::DefaultFolder(), QStringLiteral("/somewhere/else/zemd02"));
    qputenv("XDG_CONFIG_HOME", kept);
}

// What saves cut short left behind goes at the next start; nothing else does.
void PersistenceTest::strayTemporariesAreCleared() {
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/zemd02");
    QVERIFY(QDir().mkpath(folder));
    const QStringList stray = {"sky.qel.tmp.4242.0", "sky.qel.tmp.17.3", "registry.ini.tmp.99.12"};
    const QStringList kept = {"sky.qel.tmp.x.1", "sky.qel.tmp.1.2.bak", "sky.qel.damaged", "notes.sky.qel.tmp.1.1", "desktop.ini"};
    for (const QString& name : stray + kept) {
        QFile file(folder + u'/' + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Milkyway.Visible = TRUE;\n");
    }
    Program program(folder);
    for (const QString& name : stray) QVERIFY2(!QFile::exists(folder + u'/' + name), qPrintable(name));
    for (const QString& name : kept) QVERIFY2(QFile::exists(folder + u'/' + name), qPrintable(name));
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

int main(int argc, char** argv) { return RunTestOrChild<PersistenceTest>(argc, argv, "ZEM_PERSISTENCE_CHILD", RunChild); }

#include "persistence_test.moc"
