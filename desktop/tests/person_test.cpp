// SPDX-License-Identifier: BSD-3-Clause
// What a person does with the keyboard at the desktop sends what the scenario host's matching
// actions send; message boxes and the colour dialog are real windows. (Mouse clicks, nested
// dialogs and the owner-drawn lists: the traffic test plays every scenario with them.)
#include <QRegularExpression>

#include "support.h"

using namespace desktoptest;

class PersonTest : public QObject {
    Q_OBJECT
private slots:
    void keyboard_data();
    void keyboard();
    void messageBoxIsAnInformationBox();
    void colourDialogWritesTheColour();
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

ZEM_DESKTOP_TEST_MAIN(PersonTest)
#include "person_test.moc"
