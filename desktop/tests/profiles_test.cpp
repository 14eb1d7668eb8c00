// SPDX-License-Identifier: BSD-3-Clause
// Display profiles: the shipped ones, saving, applying (the exact script the engine receives, and
// only after the differences were shown), undoing, renaming, deleting, writing to a file and
// reading one back; what a profile's text can never do to a script; a profile kept over a restart
// and over a kill in the middle of its save.
#include <QFileDialog>
#include <QInputDialog>
#include <QProcess>
#include <QThread>
#include <QTreeWidget>
#include <cstdio>
#include <QUndoStack>

#include "desktop/profilemanager.h"
#include "desktop/profiles.h"
#include "platform/textfile.h"
#include "support.h"

using namespace desktoptest;

class ProfilesTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void shippedProfiles();
    void scriptCarriesOnlyItsAssignments_data();
    void scriptCarriesOnlyItsAssignments();
    void applyShowsTheChangesThenSendsOneScript();
    void saveRenameDelete();
    void exportAndImport();
    void importRefusesWhatCouldBreakAScript();
    void differencesBetweenTwoProfiles();
    void keptOverARestart();
    void killedWhileSaving();

private:
    std::unique_ptr<QTemporaryDir> data_;
};

namespace {

std::wstring Shipped(const QString& name) {
    CCorQel sky;
    sky.LoadStateFile(CString(QStringLiteral(ZEM_DATA_DIR "/sky/default.qel").toStdWString()));
    sky.LoadStateFile(CString(QStringLiteral(ZEM_DATA_DIR "/profiles/%1.qel").arg(name).toStdWString()));
    return sky.SaveState().str();
}

std::wstring StateOf(Program& program) { return program.Sess().Engine().SaveState().str(); }

// The person accepts the next difference list (and notes what it showed) or cancels it.
struct Answers {
    bool apply = true;
    QStringList shown;  // "group / setting / before / after / path"
    QString name;       // typed into a name prompt
    QString file;       // chosen in a file dialog
    QString folder;     // the folder the last file dialog opened in
    bool overTheSky = false;  // a list of differences covered the sky
};

void Answer(Person& person, Answers& answers, QWidget* sky) {
    person.onWindow = [&answers, sky](QDialog& window) {
        if (auto* differences = window.findChild<QTreeWidget*>()) {
            answers.overTheSky |= window.frameGeometry().intersects(QRect(sky->mapToGlobal(QPoint(0, 0)), sky->size()));
            for (int g = 0; g < differences->topLevelItemCount(); ++g) {
                const QTreeWidgetItem* group = differences->topLevelItem(g);
                for (int i = 0; i < group->childCount(); ++i) {
                    const QTreeWidgetItem* row = group->child(i);
                    answers.shown << QStringList{group->text(0), row->text(0), row->text(1), row->text(2), row->text(3)}.join(QStringLiteral(" / "));
                }
            }
            answers.apply ? window.accept() : window.reject();
            return true;
        }
        if (auto* input = qobject_cast<QInputDialog*>(&window)) {
            input->setTextValue(answers.name);
            input->accept();
            return true;
        }
        if (auto* files = qobject_cast<QFileDialog*>(&window)) {
            answers.folder = files->directory().absolutePath();
            files->selectFile(answers.file);
            QMetaObject::invokeMethod(files, "accept");
            return true;
        }
        return false;
    };
}

// The program with a person who answers the profile windows.
struct Desk {
    Desk() { Answer(person, answers, program.App().Sky()); }
    Program program;
    Person person{program};
    Answers answers;
    ProfileManager& profiles = program.Window().Profiles();
};

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

}  // namespace

void ProfilesTest::init() {
    // Each test on a data folder of its own.
    data_ = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", QFile::encodeName(data_->path()));
}

void ProfilesTest::shippedProfiles() {
    Program program;
    const ProfileStore& store = program.Window().Profiles().Store();
    QCOMPARE(store.Folder(), data_->path() + QStringLiteral("/zemd02/profiles"));
    QCOMPARE(store.Names(), (QStringList{"双眼鏡", "星図", "肉眼"}));
    for (const QString& name : store.Names()) {
        const auto state = store.Read(name);
        QVERIFY(state);
        QCOMPARE(*state, Shipped(name));
        QVERIFY(!ProfileDifferences(program.Sess().Engine(), *state).empty());
    }
    // Deleted, they stay deleted: the folder is made once.
    QVERIFY(store.Remove(QStringLiteral("星図")).isEmpty());
    Program again;
    QCOMPARE(again.Window().Profiles().Store().Names(), (QStringList{"双眼鏡", "肉眼"}));
}

void ProfilesTest::scriptCarriesOnlyItsAssignments_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("script");  // "" : refused
    QTest::newRow("plain") << "Milkyway.Visible" << "FALSE" << "Milkyway.Visible = FALSE;Show Sky";
    QTest::newRow("a file name") << "Constellation.Picture.Image.File" << "cnspic\\night.png" << "Constellation.Picture.Image.File = cnspic\\night.png;Show Sky";
    QTest::newRow("';' is quoted") << "Star.Custom.File" << "a;Milkyway.Visible = FALSE" << "Star.Custom.File = \"a;Milkyway.Visible = FALSE\";Show Sky";
    QTest::newRow("blanks at the ends are quoted") << "Star.Custom.File" << " a " << "Star.Custom.File = \" a \";Show Sky";
    QTest::newRow("empty") << "Star.Custom.File" << "" << "Star.Custom.File = ;Show Sky";
    QTest::newRow("'\"' is refused") << "Star.Custom.File" << "a\";Milkyway.Visible = FALSE;\"" << "";
    QTest::newRow("a path taken for a query") << "?Milkyway.Visible" << "TRUE" << "";
}

void ProfilesTest::scriptCarriesOnlyItsAssignments() {
    QFETCH(QString, path);
    QFETCH(QString, value);
    QFETCH(QString, script);
    const auto made = ProfileScript({{path, QStringLiteral("TRUE"), value}});
    QCOMPARE(made ? QString::fromStdWString(*made) : QString(), script);
    if (!made) return;
    // Run for real: one assignment, one redraw.
    CCorQel engine;
    engine.Doit(made->c_str());
    QCOMPARE(engine.GetPropertyCount(), std::size_t{1});
    QCOMPARE(QString::fromStdWString(engine.Peek(CString(path.toStdWString())).str()), value);
    QCOMPARE(engine.GetRedrawCount(), 1);
    QCOMPARE(engine.GetIgnoredCount(), 0);
}

void ProfilesTest::applyShowsTheChangesThenSendsOneScript() {
    Desk desk;
    auto& [program, person, answers, profiles] = desk;
    const std::wstring before = StateOf(program);
    program.Take();
    // Cancelled at the list of differences: nothing sent.
    answers.apply = false;
    person.steps[QStringLiteral("apply")] = [&](TemplateView*) { program.Window().Profiles().Apply(QStringLiteral("星図")); };
    QVERIFY(person.Play({"qt apply"}));
    QCOMPARE(program.Take(), QStringList());
    QCOMPARE(answers.shown, (QStringList{
        "天の川 / 精細／輪郭 / TRUE / → FALSE / Milkyway.Image.Visible",
        "天の川 / 精細／輪郭 / FALSE / → TRUE / Milkyway.Outline.Visible",
        "天の川 / 精細／輪郭 / TRUE / → FALSE / MagellanicCloud.Image.Visible",
        "天の川 / 精細／輪郭 / FALSE / → TRUE / MagellanicCloud.Outline.Visible",
        "星座 / 星座境界線 / FALSE / → TRUE / Constellation.Boundary.Visible",
        "星座 / 星座絵 / TRUE / → FALSE / Constellation.Picture.Visible",
        "恒星 / 名称等 > フラムスチード番号 / FALSE / → TRUE / Star.FlamsteedNumber.Visible",
        "星雲・星団 / 番号 / FALSE / → TRUE / DeepSkyObject.Number.Visible",
        "星雲・星団 / 画像 / TRUE / → FALSE / DeepSkyObject.Image.Visible",
    }));
    QVERIFY(!answers.overTheSky);  // the list opens beside the sky, as the dialogs do
    // Applied: the one script, the sky redrawn once.
    answers.apply = true;
    const int redraws = program.Sess().Engine().GetRedrawCount();
    QVERIFY(person.Play({"qt apply"}));
    const QString script = QStringLiteral(
        "S Milkyway.Image.Visible = FALSE;Milkyway.Outline.Visible = TRUE;MagellanicCloud.Image.Visible = FALSE;"
        "MagellanicCloud.Outline.Visible = TRUE;Constellation.Boundary.Visible = TRUE;Constellation.Picture.Visible = FALSE;"
        "Star.FlamsteedNumber.Visible = TRUE;DeepSkyObject.Number.Visible = TRUE;DeepSkyObject.Image.Visible = FALSE;Show Sky");
    QCOMPARE(program.Take(), QStringList{script});
    QCOMPARE(program.Sess().Engine().GetRedrawCount(), redraws + 1);
    QCOMPARE(StateOf(program), Shipped(QStringLiteral("星図")));
    // 編集 → 元に戻す brings the settings back and redraws; やり直し applies it again.
    QUndoStack* undo = program.Window().UndoStack();
    QCOMPARE(undo->undoText(), QStringLiteral("表示プロファイル「星図」の適用"));
    undo->undo();
    QCOMPARE(StateOf(program), before);
    QCOMPARE(program.Take(), QStringList{"S Show Sky"});
    undo->redo();
    QCOMPARE(program.Take(), QStringList{script});
    // A profile that changes nothing says so and sends nothing.
    QVERIFY(person.Play({"qt apply"}));
    QCOMPARE(program.Take(), QStringList());
    QVERIFY(person.messages.back().contains(QStringLiteral("同じ")));
}

void ProfilesTest::saveRenameDelete() {
    Desk desk;
    auto& [program, person, answers, profiles] = desk;
    const ProfileStore& store = profiles.Store();
    QVERIFY(person.Play({"open CDlgMw", "click 1303", "ok"}));
    answers.name = QStringLiteral("観望会");
    person.steps[QStringLiteral("save")] = [&](TemplateView*) { profiles.AskSaveCurrent(); };
    QVERIFY(person.Play({"qt save"}));
    QCOMPARE(*store.Read(QStringLiteral("観望会")), StateOf(program));
    // The same name again: asked first; no keeps the old one.
    QVERIFY(person.Play({"open CDlgMw", "click 1302", "ok"}));
    person.answer = QMessageBox::No;
    QVERIFY(!profiles.SaveCurrent(QStringLiteral("観望会")));
    QVERIFY(*store.Read(QStringLiteral("観望会")) != StateOf(program));
    person.answer = QMessageBox::Yes;
    QVERIFY(profiles.SaveCurrent(QStringLiteral("観望会")));
    QCOMPARE(*store.Read(QStringLiteral("観望会")), StateOf(program));
    // Renamed; onto a name that is taken, refused with a message.
    QVERIFY(profiles.Rename(QStringLiteral("観望会"), QStringLiteral("観望会 2024/8")));
    QCOMPARE(store.Names(), (QStringList{"双眼鏡", "星図", "肉眼", "観望会 2024/8"}));
    QVERIFY(!profiles.Rename(QStringLiteral("観望会 2024/8"), QStringLiteral("肉眼")));
    QVERIFY(person.messages.back().contains(QStringLiteral("すでに")));
    QVERIFY(!profiles.SaveCurrent(QStringLiteral(" ")));
    // Deleted after asking.
    person.answer = QMessageBox::No;
    QVERIFY(!profiles.Remove(QStringLiteral("観望会 2024/8")));
    person.answer = QMessageBox::Yes;
    QVERIFY(profiles.Remove(QStringLiteral("観望会 2024/8")));
    QCOMPARE(store.Names(), (QStringList{"双眼鏡", "星図", "肉眼"}));
}

void ProfilesTest::exportAndImport() {
    Desk desk;
    auto& [program, person, answers, profiles] = desk;
    QTemporaryDir out;
    answers.file = out.filePath(QStringLiteral("双眼鏡.qel"));
    person.steps[QStringLiteral("export")] = [&](TemplateView*) { profiles.AskExport(QStringLiteral("双眼鏡")); };
    QVERIFY(person.Play({"qt export"}));
    // The file is the engine's state format: the engine reads it as the same state.
    CCorQel read;
    QVERIFY(read.LoadStateFile(CString(answers.file.toStdWString())));
    QCOMPARE(read.SaveState().str(), Shipped(QStringLiteral("双眼鏡")));
    answers.name = QStringLiteral("借りた双眼鏡");
    person.steps[QStringLiteral("import")] = [&](TemplateView*) { profiles.AskImport(); };
    QVERIFY(person.Play({"qt import"}));
    QCOMPARE(answers.folder, out.path());  // where the last file went
    QCOMPARE(*profiles.Store().Read(QStringLiteral("借りた双眼鏡")), Shipped(QStringLiteral("双眼鏡")));
}

void ProfilesTest::importRefusesWhatCouldBreakAScript() {
    Desk desk;
    auto& [program, person, answers, profiles] = desk;
    QTemporaryDir in;
    // A value with ';' inside quotes is one value: applied, it stays one assignment.
    const QString quoted = in.filePath(QStringLiteral("quoted.qel"));
    WriteFile(quoted, "Star.Custom.File = \"x;Milkyway.Visible = FALSE;Show Sky\";\n");
    QVERIFY(profiles.Import(quoted, QStringLiteral("引用")));
    program.Take();
    QVERIFY(profiles.Apply(QStringLiteral("引用")));
    QCOMPARE(program.Take(), QStringList{"S Star.Custom.File = \"x;Milkyway.Visible = FALSE;Show Sky\";Show Sky"});
    QCOMPARE(QString::fromStdWString(program.Sess().Engine().Peek(L"Milkyway.Visible").str()), QStringLiteral("TRUE"));
    // A '"' no script can carry, a path taken for a query, a text that is no state: refused, with
    // a message, and nothing stored.
    const QList<QByteArray> refused{"Star.Custom.File = a\"b;Milkyway.Visible = FALSE;\n", "?Milkyway.Visible = FALSE;\n",
                                    "Milkyway.Visible = FALSE;\nnot a statement\n", "\xff\xfe"};
    for (const QByteArray& text : refused) {
        const QString file = in.filePath(QStringLiteral("bad.qel"));
        WriteFile(file, text);
        const qsizetype messages = person.messages.size();
        QVERIFY2(!profiles.Import(file, QStringLiteral("壊れた")), text.constData());
        QCOMPARE(person.messages.size(), messages + 1);
        QVERIFY(!profiles.Store().Exists(QStringLiteral("壊れた")));
    }
    // A stored profile edited by hand into such a text is refused when applied.
    WriteFile(profiles.Store().PathOf(QStringLiteral("肉眼")), "Star.Custom.File = a\"b;Milkyway.Visible = FALSE;\n");
    program.Take();
    QVERIFY(!profiles.Apply(QStringLiteral("肉眼")));
    QCOMPARE(program.Take(), QStringList());
}

void ProfilesTest::differencesBetweenTwoProfiles() {
    // From the naked eye to the chart: by dialog, in the order their properties come; each setting
    // by its label (a radio group by its choices, within its frame), value now → after.
    const ProfileDifferenceDialog differences(QStringLiteral("星図"), ProfileDifferences(Shipped(QStringLiteral("肉眼")), Shipped(QStringLiteral("星図"))), nullptr);
    QStringList listed;
    for (int g = 0; g < differences.List()->topLevelItemCount(); ++g) {
        const QTreeWidgetItem* group = differences.List()->topLevelItem(g);
        listed << QStringLiteral("[%1]").arg(group->text(0));
        for (int i = 0; i < group->childCount(); ++i) {
            const QTreeWidgetItem* row = group->child(i);
            listed << QStringLiteral("%1: %2 %3 (%4)").arg(row->text(0), row->text(1), row->text(2), row->text(3));
        }
    }
    QCOMPARE(listed, (QStringList{
        "[天の川]",
        "精細／輪郭: TRUE → FALSE (Milkyway.Image.Visible)",
        "精細／輪郭: FALSE → TRUE (Milkyway.Outline.Visible)",
        "精細／輪郭: TRUE → FALSE (MagellanicCloud.Image.Visible)",
        "精細／輪郭: FALSE → TRUE (MagellanicCloud.Outline.Visible)",
        "[系外惑星]",
        "表示: FALSE → TRUE (star.extrasolarplanet.visible)",
        "[星座]",
        "星座境界線: FALSE → TRUE (Constellation.Boundary.Visible)",
        "星座絵: TRUE → FALSE (Constellation.Picture.Visible)",
        "[恒星]",
        "等級 > 視野角に連動／固定: FALSE → TRUE (Star.AutoMagnitudeLimit)",
        "等級 > 視野角に連動／固定: TRUE → FALSE (Star.FixedMagnitudeLimit)",
        "等級 > 固定: 6.0 → 8.0 (Star.FixedMagnitudeLimit.Minimum)",
        "星像 > またたき: TRUE → FALSE (Star.Twinkle.Visible)",
        "名称等 > バイエル名: FALSE → TRUE (Star.BayerLetter.Visible)",
        "名称等 > フラムスチード番号: FALSE → TRUE (Star.FlamsteedNumber.Visible)",
        "[変光星]",
        "等級限定: FALSE → TRUE (Star.GCVS.AutoMagnitudeLimit)",
        "等級限定: TRUE → FALSE (Star.GCVS.FixedMagnitudeLimit)",
        "等級限定 > 固定: 6.0 → 8.0 (Star.GCVS.FixedMagnitudeLimit.Minimum)",
        "[二重星]",
        "表示: FALSE → TRUE (Star.WDS.Primary.Mark.Visible)",
        "星系: FALSE → TRUE (Star.WDS.Pair.Line.Visible)",
        "星系: FALSE → TRUE (Star.WDS.Secondary.Mark.Visible)",
        "[星雲・星団]",
        "番号: FALSE → TRUE (DeepSkyObject.Number.Visible)",
        "限定 > レベル: FALSE → TRUE (DeepSkyObject.VisibleByTelescope.Visible)",
        "等級 > 限定: 5.0 → 12.0 (DeepSkyObject.FixedMagnitudeLimit.Minimum)",
        "画像: TRUE → FALSE (DeepSkyObject.Image.Visible)",
    }));
    // A property no dialog controls comes last, by its path.
    const ProfileDifferenceDialog others(QStringLiteral("x"), {{"View.Projection", "Stereographic", "Orthographic"}, {"Milkyway.Visible", "TRUE", "FALSE"}}, nullptr);
    QCOMPARE(others.List()->topLevelItem(0)->text(0), QStringLiteral("天の川"));
    QCOMPARE(others.List()->topLevelItem(1)->text(0), QStringLiteral("その他のプロパティ"));
    QCOMPARE(others.List()->topLevelItem(1)->child(0)->text(0), QStringLiteral("View.Projection"));
}

void ProfilesTest::keptOverARestart() {
    std::wstring saved;
    {
        Program first;
        Person person(first);
        QVERIFY(person.Play({"open CDlgStarWds", "click 1702", "ok"}));
        QVERIFY(first.Window().Profiles().SaveCurrent(QStringLiteral("二重星なし")));
        saved = StateOf(first);
    }
    Program second;
    QCOMPARE(*second.Window().Profiles().Store().Read(QStringLiteral("二重星なし")), saved);
}

namespace {

// The child the kill test starts: one profile written over and over, by turns the default sky and
// the chart, saying before each save which state it writes.
int RunChild(const QString& folder) {
    const ProfileStore store(folder);
    const std::wstring states[2] = {Shipped(QStringLiteral("肉眼")), Shipped(QStringLiteral("星図"))};
    for (int i = 0;; ++i) {
        std::printf("writing %d\n", i % 2);
        std::fflush(stdout);
        if (!store.Write(QStringLiteral("夜"), states[i % 2]).isEmpty()) return 1;
    }
}

}  // namespace

void ProfilesTest::killedWhileSaving() {
    const QString folder = data_->filePath(QStringLiteral("profiles"));
    for (int delay : {0, 3, 11, 29, 47}) {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("ZEM_PROFILES_CHILD"), folder);
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForStarted());
        // Once the second save has begun the first is whole; then a while, and the kill.
        QByteArray said;
        while (!said.contains("writing 1")) {
            if (!child.waitForReadyRead(20000)) QFAIL("the child stopped talking");
            said += child.readAll();
        }
        QThread::msleep(static_cast<unsigned long>(delay));
        child.kill();
        QVERIFY(child.waitForFinished());
        // Whatever the moment, the profile is one of the two whole states, and only it is listed.
        const ProfileStore store(folder);
        QCOMPARE(store.Names(), QStringList{"夜"});
        const auto state = store.Read(QStringLiteral("夜"));
        QVERIFY2(state, qPrintable(QStringLiteral("after %1 ms").arg(delay)));
        QVERIFY(*state == Shipped(QStringLiteral("肉眼")) || *state == Shipped(QStringLiteral("星図")));
    }
}

int main(int argc, char** argv) {
    desktoptest::PrepareEnvironment();
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setApplicationDisplayName(QStringLiteral("zemd02"));
    if (const QString folder = qEnvironmentVariable("ZEM_PROFILES_CHILD"); !folder.isEmpty()) return RunChild(folder);
    ProfilesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "profiles_test.moc"
