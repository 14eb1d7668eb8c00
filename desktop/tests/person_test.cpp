// What a person does with the keyboard and the mouse at the desktop sends what the scenario host's
// matching actions send; message boxes and the colour dialog are real windows; a dialog opened by
// a dialog runs nested over it, and the owner-drawn lists draw and act through their dialog.
#include <QApplication>

#include "companions/zemcst/qellistboxaobj.h"
#include "companions/zemcst/qellistboxcheck.h"
#include "desktop/controls.h"
#include "support.h"

using namespace desktoptest;

class PersonTest : public QObject {
    Q_OBJECT
private slots:
    void keyboard_data();
    void keyboard();
    void messageBoxIsAnInformationBox();
    void colourDialogWritesTheColour();
    void nestedDialogsAndOwnerDrawnLists();
};

void PersonTest::keyboard_data() {
    QTest::addColumn<QStringList>("desktop");
    QTest::addColumn<QStringList>("host");
    const QString open = QStringLiteral("open CDlgMw");
    const QString cancel = QStringLiteral("cancel");
    // The Milky Way dialog opens with the focus on its first tab stop, the visibility check box.
    QTest::newRow("space presses the focused box") << QStringList{open, "key Space", cancel} << QStringList{open, "click 1301", cancel};
    QTest::newRow("a check box's access key") << QStringList{open, "key Alt+V", cancel} << QStringList{open, "click 1301", cancel};
    QTest::newRow("a label's access key selects its edit")
        << QStringList{open, "key Alt+B", "keys 3.5", cancel} << QStringList{open, "type 1306 3.5", cancel};
    QTest::newRow("arrow keys in an edit press its up-down")
        << QStringList{open, "key Alt+B", "key Up", "key Up", "key Down", cancel}
        << QStringList{open, "spin 1307 up", "spin 1307 up", "spin 1307 down", cancel};
    // Tab stops at the checked radio button of a group; an arrow key checks the next one.
    QTest::newRow("tab, then an arrow within a radio group")
        << QStringList{open, "key Tab", "key Down", "key Up", cancel} << QStringList{open, "click 1303", "click 1302", cancel};
    QTest::newRow("tab order reaches the buttons")
        << QStringList{open, "key Tab", "key Down", "key Tab", "key Space", cancel} << QStringList{open, "click 1303", "click 1304", cancel};
    QTest::newRow("escape is the close box") << QStringList{open, "key Alt+V", "key Escape"} << QStringList{open, "click 1301", "close"};
    QTest::newRow("enter is OK") << QStringList{open, "key Alt+B", "keys 3", "key Return"} << QStringList{open, "type 1306 3", "ok"};
    QTest::newRow("enter on a button presses it")
        << QStringList{open, "key Tab", "key Down", "key Tab", "key Return", cancel} << QStringList{open, "click 1303", "click 1304", cancel};
    QTest::newRow("a frame's access key focuses the control after it")
        << QStringList{"open CDlgStarGsc", "key Tab", "key Alt+D", "key Space", cancel} << QStringList{"open CDlgStarGsc", "click 1401", cancel};
    QTest::newRow("a disabled control takes no key")
        << QStringList{open, "click 1303", "key Alt+B", "keys 4", cancel} << QStringList{open, "click 1303", "type 1306 4", cancel};
}

void PersonTest::keyboard() {
    QFETCH(QStringList, desktop);
    QFETCH(QStringList, host);
    Program program;
    Person person(program);
    QString why;
    QVERIFY2(person.Play(desktop, &why), qPrintable(why));
    QCOMPARE(program.Take(), WithoutRefusals(RunHost({}, host)));
}

void PersonTest::messageBoxIsAnInformationBox() {
    Program program;
    Person person(program);
    QVERIFY(person.Play({"open CDlgMw", "type 1306 9", "cancel"}));
    const QStringList lines = program.Take();
    QStringList shown;
    for (const QString& line : lines)
        if (line.startsWith(QStringLiteral("M info "))) shown << line.mid(7);
    QVERIFY(!shown.isEmpty());
    QCOMPARE(person.messages, shown);
    QVERIFY(person.icons.size() == shown.size() && person.icons.count(QMessageBox::Information) == shown.size());
}

void PersonTest::colourDialogWritesTheColour() {
    Program program;
    Person person(program);
    person.colour = QColor(0x33, 0x66, 0x99);
    const QStringList actions{"open CDlgMw", "click 1303", "click 1304", "cancel"};
    QVERIFY(person.Play(actions));
    QStringList expected = RunHost({}, actions);
    // The host closes the colour dialog at once; at the desktop the person chose a colour.
    const qsizetype colour = expected.indexOf(QRegularExpression(QStringLiteral("C MilkyWay\\.Outline\\.Color .*")));
    QVERIFY(colour >= 0);
    expected.insert(colour + 1, QStringLiteral("S MilkyWay.Outline.Color = #336699;Show Sky"));
    QCOMPARE(program.Take(), expected);
    QCOMPARE(QString::fromStdWString(program.Sess().Engine().Peek(L"MilkyWay.Outline.Color").str()), QStringLiteral("#336699"));
    // The next colour dialog on that key opens on the chosen colour.
    person.colour = QColor();
    QVERIFY(person.Play({"open CDlgMw", "click 1303", "click 1304", "cancel"}));
    QCOMPARE(person.coloursShown, (QList<QColor>{Qt::white, QColor(0x33, 0x66, 0x99)}));
}

namespace {

constexpr UINT kOuter = 39001, kInner = 39002, kOpen = 3001, kCells = 3101, kTicks = 3102;

const ResourceModule& TestTemplates() {
    static const ResourceModule module{{
        {kOuter, L"外側", 0x80C800C0, L"MS UI Gothic", 9, 120, 40, {
            {kOpen, WndClass::Button, L"開く(&O)", 0x5003000B, 7, 7, 50, 14},
            {IDOK, WndClass::Button, L"閉じる", 0x5003000B, 63, 7, 50, 14},
        }},
        {kInner, L"内側", 0x80C800C0, L"MS UI Gothic", 9, 200, 100, {
            {kCells, WndClass::Static, L"", 0x5001010D, 7, 7, 90, 60},
            {kTicks, WndClass::ListBox, L"", 0x50A31053, 103, 7, 90, 60},
            {IDOK, WndClass::Button, L"閉じる", 0x5003000B, 143, 79, 50, 14},
        }},
    }, {}};
    return module;
}

// A dialog with a list of rows it keeps itself and a check list, as the deep-sky and
// constellation dialogs have.
class InnerDialog : public CDialog {
public:
    explicit InnerDialog(CWnd* parent) : CDialog(kInner, parent) {}
    std::vector<int> checks{1, 0, 1};
    int requests = 0;

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        cells_.Attach(kCells, this);
        cells_.SetHeaderCount(2);
        cells_.GetHeaderDataItemPtr(std::int64_t{0})->nRequestWidth = 18;
        cells_.GetHeaderDataItemPtr(std::int64_t{1})->nRequestWidth = 200;
        cells_.CalcLayout();
        cells_.SetValueCountTotal(3, 0);
        ticks_.Attach(kTicks, this);
        for (const wchar_t* name : {L"おうし", L"ふたご", L"かに"}) ticks_.InsertString(-1, name);
        ticks_.SetCheck(1, 1);
        return TRUE;
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        static const UINT cellMessage = RegisterWindowMessageW(CQelListBoxAObj::kMessageName);
        if (message != cellMessage) return CDialog::WindowProc(message, wParam, lParam);
        auto* info = reinterpret_cast<CQelListBoxAObj::tagUpdateInfo*>(lParam);
        static const wchar_t* const names[] = {L"M31", L"M42", L"NGC 7000"};
        if (wParam == CQelListBoxAObj::kRequestCells) {
            ++requests;
            for (std::int64_t r = 0; r < info->nCount; ++r) {
                info->ppHeader[0]->aCell[static_cast<std::size_t>(r)].nCheck = checks[static_cast<std::size_t>(info->nFirst + r)];
                info->ppHeader[1]->aCell[static_cast<std::size_t>(r)].strText = names[info->nFirst + r];
            }
        } else if (wParam == CQelListBoxAObj::kCellChanged && info->nChangedColumn == 0) {
            checks[static_cast<std::size_t>(info->nFirst)] = info->ppHeader[0]->aCell[0].nCheck;
            cells_.Update();
        }
        return 0;
    }

    CQelListBoxCheck& Ticks() { return ticks_; }

private:
    CQelListBoxAObj cells_;
    CQelListBoxCheck ticks_;
};

class OuterDialog : public CDialog {
public:
    OuterDialog() : CDialog(kOuter, nullptr) {}
    std::function<void(InnerDialog&)> afterInner;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_COMMAND && LOWORD(wParam) == kOpen && HIWORD(wParam) == BN_CLICKED) {
            InnerDialog inner(this);
            inner.DoModal();
            if (afterInner) afterInner(inner);
            return 0;
        }
        return CDialog::WindowProc(message, wParam, lParam);
    }
};

}  // namespace

void PersonTest::nestedDialogsAndOwnerDrawnLists() {
    AfxAddResourceModule(&TestTemplates());
    Program program;
    Person person(program);
    QList<TemplateView*> views;
    QStringList problems;
    person.onDialog = [&](TemplateView& view) {
        views << &view;
        if (QApplication::activeModalWidget() != &view) problems << QStringLiteral("the newest dialog is not the modal one");
        if (views.size() == 2 && view.parentWidget() != views[0]) problems << QStringLiteral("the inner dialog does not belong to the outer");
    };
    int requestsWhenShown = 0;
    person.steps[QStringLiteral("drawn")] = [&](TemplateView* view) {
        auto& inner = static_cast<InnerDialog&>(view->Dialog());
        inner.requests = 0;
        view->grab();  // drawing the cell list asks the dialog for its cells
        requestsWhenShown = inner.requests;
    };
    OuterDialog outer;
    std::vector<int> checks, ticks;
    outer.afterInner = [&](InnerDialog& inner) {
        checks = inner.checks;
        ticks = inner.Ticks().GetChecks();
        if (!views[0]->isVisible()) problems << QStringLiteral("the outer dialog closed with the inner");
    };
    person.steps[QStringLiteral("open")] = [&](TemplateView*) { outer.DoModal(); };
    QVERIFY(person.Play({"qt open", "click 3001", "qt drawn", "cell 3101 1 0", "cell 3101 0 1", "tick 3102 2", "tick 3102 1", "ok", "ok"}));
    AfxRemoveResourceModule(&TestTemplates());
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    QCOMPARE(views.size(), 2);
    QVERIFY(requestsWhenShown > 0);
    QCOMPARE(checks, (std::vector<int>{1, 1, 1}));  // a click in column 0 toggles, in column 1 not
    QCOMPARE(ticks, (std::vector<int>{0, 0, 1}));
    QCOMPARE(program.Take(), (QStringList{"O ?", "O ?", "E ? IDOK", "E ? IDOK"}));
}

ZEM_DESKTOP_TEST_MAIN(PersonTest)
#include "person_test.moc"
