// SPDX-License-Identifier: BSD-3-Clause
// The main window: a menu entry for each dialog of the module's class list, the live property
// table with what the last redraw changed and its value always in sight, the log hidden until
// asked for, the host's answers to the module's messages, and the reset to the default sky. (The
// traffic log is compared with the host's in traffic_test.)
#include <QDockWidget>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QUndoStack>

#include "desktop/propertymodel.h"
#include "framework/messages.h"
#include "host/classes.h"
#include "support.h"

using namespace desktoptest;

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void dialogMenuFollowsTheClassList();
    void propertyTableMarksTheLastRedraw();
    void tableNamesDialogAndSetting();
    void valueInSightAtAnyWidth();
    void logHiddenUntilAsked();
    void missingDataAndConstellationMessages();
    void resetAsksAndCanBeUndone();
};

namespace {

using State = std::map<std::wstring, std::wstring>;

State StateOf(const CCorQel& engine) {
    State state;
    for (const auto& [path, value] : engine.GetProperties()) state[path.str()] = value.str();
    return state;
}

QStringList Differences(const State& before, const State& after) {
    QStringList changed;
    for (const auto& [path, value] : after) {
        const auto it = before.find(path);
        if (it == before.end() || it->second != value) changed << QString::fromStdWString(path);
    }
    changed.sort();
    return changed;
}

QStringList Marked(const PropertyModel& model) {
    QStringList marked;
    for (int row = 0; row < model.rowCount(); ++row)
        if (model.data(model.index(row, 0), Qt::BackgroundRole).isValid()) marked << model.data(model.index(row, 0), Qt::DisplayRole).toString();
    marked.sort();
    return marked;
}

}  // namespace

void MainWindowTest::dialogMenuFollowsTheClassList() {
    Program program;
    auto* toolbar = program.Window().findChild<QToolBar*>(QStringLiteral("dialogToolbar"));
    QVERIFY(toolbar);
    int available = 0;
    for (const std::wstring& name : ModuleClassNames()) {
        QAction* action = program.Window().DialogAction(name);
        QVERIFY(action);
        const bool exists = FindDialogClass(name) != nullptr;
        QCOMPARE(action->isEnabled(), exists);
        QCOMPARE(toolbar->actions().contains(action), exists);
        available += exists;
    }
    QVERIFY(available >= 9);
}

void MainWindowTest::propertyTableMarksTheLastRedraw() {
    Program program;
    Person person(program);
    const CCorQel& engine = program.Sess().Engine();
    State before;
    QStringList afterOutline, afterSpin;
    person.steps[QStringLiteral("before")] = [&](TemplateView*) { before = StateOf(engine); };
    person.steps[QStringLiteral("outline")] = [&](TemplateView*) {
        QCOMPARE(Marked(*program.Window().Properties()), Differences(before, StateOf(engine)));
        afterOutline = Marked(*program.Window().Properties());
        before = StateOf(engine);
    };
    person.steps[QStringLiteral("spin")] = [&](TemplateView*) {
        QCOMPARE(Marked(*program.Window().Properties()), Differences(before, StateOf(engine)));
        afterSpin = Marked(*program.Window().Properties());
    };
    QVERIFY(person.Play({"open CDlgMw", "qt before", "click 1303", "qt outline", "click 1302", "qt before", "spin 1307 up", "qt spin", "ok"}));
    QVERIFY(afterOutline.contains(QStringLiteral("Milkyway.Outline.Visible")));
    QCOMPARE(afterSpin, QStringList{QStringLiteral("Milkyway.Image.Brightness")});
    QCOMPARE(program.Window().Properties()->rowCount(), static_cast<int>(engine.GetPropertyCount()));
}

void MainWindowTest::tableNamesDialogAndSetting() {
    Program program;
    const PropertyModel& model = *program.Window().Properties();
    QMap<QString, QString> named;
    for (int row = 0; row < model.rowCount(); ++row) {
        const auto cell = [&](int column) { return model.data(model.index(row, column), Qt::DisplayRole).toString(); };
        named[cell(PropertyModel::kPath)] = cell(PropertyModel::kDialog) + u'|' + cell(PropertyModel::kLabel);
    }
    QCOMPARE(named.value(QStringLiteral("Milkyway.Image.Brightness")), QStringLiteral("天の川|明るさ"));
    QCOMPARE(named.value(QStringLiteral("DeepSkyObject.Image.Brightness")), QStringLiteral("星雲・星団|画像 > 明るさ"));
    QCOMPARE(named.value(QStringLiteral("Star.Catalog.Gsc.Blend.Visible")), QStringLiteral("GSC-ACT詳細設定|GSC-ACT表示設定 > ブレンド"));
    QCOMPARE(named.value(QStringLiteral("View.Projection")), QStringLiteral("|"));  // no dialog sets it
    // The filter finds a property by its setting's words too.
    program.Window().PropertyFilter()->setText(QStringLiteral("またたき"));
    QCOMPARE(program.Window().FilteredProperties()->rowCount(), 1);
}

void MainWindowTest::valueInSightAtAnyWidth() {
    Program program;
    QTableView* table = program.Window().PropertyTable();
    // On screen: the dialog, the setting, the value, then the path.
    QHeaderView* header = table->horizontalHeader();
    const QList<int> order{PropertyModel::kDialog, PropertyModel::kLabel, PropertyModel::kValue, PropertyModel::kPath};
    for (int place = 0; place < order.size(); ++place) QCOMPARE(header->logicalIndex(place), order[place]);
    const QFontMetrics metrics(table->font());
    for (int width : {180, 320, 600, 1200}) {
        table->resize(width, 300);
        const int inside = table->viewport()->width();
        for (int row = 0; row < 12; ++row) {
            const QModelIndex value = table->model()->index(row, PropertyModel::kValue);
            const QRect cell = table->visualRect(value).adjusted(0, 0, 1, 0);  // with its grid line
            const int needs = std::min(metrics.horizontalAdvance(value.data().toString()) + 8, inside / 3);
            QVERIFY2(cell.left() >= 0 && cell.right() < inside && cell.width() >= needs,
                     qPrintable(QStringLiteral("at %1 px the value of row %2 is at %3..%4").arg(width).arg(row).arg(cell.left()).arg(cell.right())));
        }
        QVERIFY(!table->horizontalScrollBar()->isVisible());
    }
}

void MainWindowTest::logHiddenUntilAsked() {
    Program program;
    QDockWidget* log = program.Window().LogDock();
    QVERIFY(!log->isVisible());
    QAction* show = nullptr;
    for (QAction* menu : program.Window().menuBar()->actions())
        if (menu->text().startsWith(QStringLiteral("表示")))
            for (QAction* action : menu->menu()->actions())
                if (action->text().startsWith(QStringLiteral("エンジンとのやりとり"))) show = action;
    QVERIFY(show);
    show->trigger();
    QVERIFY(log->isVisible());
}

void MainWindowTest::missingDataAndConstellationMessages() {
    Program program;
    Person person(program);
    person.steps[QStringLiteral("missing")] = [&](TemplateView*) {
        program.Sess().MainTarget()->SendMessage(kMsgMissingData, reinterpret_cast<WPARAM>(L"GSC-ACT"), reinterpret_cast<LPARAM>(L"星表"));
    };
    QVERIFY(person.Play({"qt missing"}));
    QCOMPARE(program.Take(), QStringList{QStringLiteral("W 2045 \"GSC-ACT\" \"星表\" main")});
    QCOMPARE(person.messages.size(), 1);
    QVERIFY(person.messages[0].contains(QStringLiteral("GSC-ACT")) && person.messages[0].contains(QStringLiteral("星表")));
    // The constellation dialog's 2066 after its script is acknowledged in the status bar.
    QVERIFY(person.Play({"open CDlgCons", "tick 1110 0", "ok"}));
    QVERIFY(program.Take().contains(QStringLiteral("W 2066 0 0 main")));
    QVERIFY(program.Window().statusBar()->currentMessage().contains(QStringLiteral("星座")));
}

void MainWindowTest::resetAsksAndCanBeUndone() {
    Program program;
    Person person(program);
    CCorQel& engine = program.Sess().Engine();
    const State shipped = StateOf(engine);
    QVERIFY(person.Play({"open CDlgMw", "click 1303", "ok"}));
    const State changed = StateOf(engine);
    QVERIFY(changed != shipped);

    person.answer = QMessageBox::No;
    person.steps[QStringLiteral("reset")] = [&](TemplateView*) { program.Window().ResetAction()->trigger(); };
    QVERIFY(person.Play({"qt reset"}));
    QCOMPARE(StateOf(engine), changed);

    person.answer = QMessageBox::Yes;
    QVERIFY(person.Play({"qt reset"}));
    QCOMPARE(StateOf(engine), shipped);
    QCOMPARE(program.Take().back(), QStringLiteral("S Show Sky"));  // the sky follows the reset
    QVERIFY(!Marked(*program.Window().Properties()).isEmpty());

    program.Window().UndoStack()->undo();
    QCOMPARE(StateOf(engine), changed);
    program.Window().UndoStack()->redo();
    QCOMPARE(StateOf(engine), shipped);
    QCOMPARE(person.messages.size(), 2);  // asked twice
}

ZEM_DESKTOP_TEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
