// SPDX-License-Identifier: BSD-3-Clause
// Saves that tell: with a config folder the program may not write (an ordinary user, folder mode
// 500), a change is told once as a failed save and kept in memory, closing asks before it is lost,
// and once the folder is writable again the next change saves everything and says so. The person
// runs as an ordinary user: where the test runs as root, the checks run in a child process started
// through setpriv as nobody.
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include "keeping.h"

using namespace desktoptest;

namespace {

const char* const kFolderVariable = "ZEM_UNWRITABLE_FOLDER";

}  // namespace

// What the ordinary user meets, on the folder named by ZEM_UNWRITABLE_FOLDER (mode 500, theirs).
class UnwritableFolder : public QObject {
    Q_OBJECT
private slots:
    void failedSaveIsToldOnceAndKept();
};

void UnwritableFolder::failedSaveIsToldOnceAndKept() {
    const QString folder = qEnvironmentVariable(kFolderVariable);
    if (QFile probe(folder + QStringLiteral("/probe")); probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        QSKIP("the folder is writable for this process (it has the privilege to write anywhere)");
    }
    Program program(folder);
    Person person(program);
    QCOMPARE(SavedBrightness(folder + QStringLiteral("/sky.qel")), QStringLiteral("2.0"));
    QVERIFY(person.Play({"open CDlgMw", "spin 1307 up", "spin 1307 up", "ok", "open CDlgMw", "spin 1307 up", "ok"}));
    // Told once, with what failed, where and what to do; the change is kept in memory.
    QCOMPARE(person.messages.size(), 1);
    QCOMPARE(person.icons[0], QMessageBox::Warning);
    for (const QString& part : {QStringLiteral("保存できませんでした"), folder + QStringLiteral("/sky.qel"), QStringLiteral("権限")})
        QVERIFY2(person.messages[0].contains(part), qPrintable(person.messages[0]));
    QCOMPARE(Brightness(program.Sess().Engine()), QStringLiteral("2.3"));
    QCOMPARE(SavedBrightness(folder + QStringLiteral("/sky.qel")), QStringLiteral("2.0"));

    // Closing asks first; the person stays.
    person.answer = QMessageBox::No;
    program.Window().close();
    QCOMPARE(person.messages.size(), 2);
    QCOMPARE(person.icons[1], QMessageBox::Question);
    QVERIFY2(person.messages[1].contains(QStringLiteral("終了しますか")), qPrintable(person.messages[1]));
    QVERIFY(program.Window().isVisible());

    // The folder is writable again: the next change saves all of it, and says so once.
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QVERIFY(person.Play({"open CDlgMw", "spin 1307 up", "spin 1307 up", "ok"}));
    QCOMPARE(person.messages.size(), 3);
    QCOMPARE(person.icons[2], QMessageBox::Information);
    QCOMPARE(SavedBrightness(folder + QStringLiteral("/sky.qel")), QStringLiteral("2.5"));
    program.Window().close();
    QCOMPARE(person.messages.size(), 3);
    QVERIFY(!program.Window().isVisible());
}

class SaveFailureTest : public QObject {
    Q_OBJECT
private slots:
    void unwritableFolder();
};

void SaveFailureTest::unwritableFolder() {
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/zemd02");
    {
        Program first(folder);  // a saved state to start from
    }
    QStringList command{QCoreApplication::applicationFilePath()};
    if (::geteuid() == 0) {
        const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
        if (setpriv.isEmpty()) QSKIP("the test runs as root and setpriv (util-linux) is missing, so no ordinary user can be played");
        command = QStringList{setpriv, QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"), QStringLiteral("--clear-groups")} + command;
        QStringList paths{dir.path(), folder};
        for (const QString& name : QDir(folder).entryList(QDir::Files)) paths << folder + u'/' + name;
        for (const QString& path : paths) QVERIFY(::chown(QFile::encodeName(path).constData(), 65534, 65534) == 0);
    }
    QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0500) == 0);
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(kFolderVariable), folder);
    environment.insert(QStringLiteral("TMPDIR"), dir.path());  // a temporary folder the ordinary user may write
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(command.takeFirst(), command);
    QVERIFY(child.waitForFinished(120000));
    const QString output = QString::fromUtf8(child.readAll());
    ::chmod(QFile::encodeName(folder).constData(), 0700);
    if (output.contains(QStringLiteral("SKIP   : UnwritableFolder"))) QSKIP(qPrintable(output.section(QStringLiteral("SKIP   : "), 1).section(u'\n', 0, 1)));
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, qPrintable(output));
    QVERIFY2(output.contains(QStringLiteral("PASS   : UnwritableFolder::failedSaveIsToldOnceAndKept()")), qPrintable(output));
}

int RunOrdinaryUser(const QString&) {
    UnwritableFolder test;
    return QTest::qExec(&test, QCoreApplication::arguments());
}

int main(int argc, char** argv) { return RunTestOrChild<SaveFailureTest>(argc, argv, kFolderVariable, RunOrdinaryUser); }

#include "savefailure_test.moc"
