// SPDX-License-Identifier: BSD-3-Clause
// Finding a setting: the box in the main window finds it by a Japanese word of its label and by
// its property path, and choosing it opens its dialog with the control focused and outlined.
#include <QAbstractItemView>
#include <QCompleter>
#include <QFrame>

#include "desktop/settingssearch.h"
#include "support.h"

using namespace desktoptest;

class SearchTest : public QObject {
    Q_OBJECT
private slots:
    void openedWithTheControlOutlined();
};

void SearchTest::openedWithTheControlOutlined() {
    Program program;
    Person person(program);
    SettingName brightness;
    brightness.dialogClass = QStringLiteral("CDlgMw");
    brightness.control = 1306;
    bool seen = false;
    person.onDialog = [&](TemplateView& view) {
        seen = true;
        QWidget* edit = view.ControlWidget(1306);
        QCOMPARE(QApplication::focusWidget(), edit);
        QVERIFY(view.Outline() && view.Outline()->isVisible());
        QVERIFY(view.Outline()->geometry().contains(edit->geometry()));
    };
    person.steps[QStringLiteral("open")] = [&](TemplateView*) { QVERIFY(program.Window().OpenSetting(brightness)); };
    QVERIFY(person.Play({"qt open"}));
    QVERIFY(seen);
    // The next dialog opens as usual.
    person.onDialog = [&](TemplateView& view) { QVERIFY(!view.Outline()); };
    QVERIFY(person.Play({"open CDlgMw", "cancel"}));
}

ZEM_DESKTOP_TEST_MAIN(SearchTest)
#include "search_test.moc"
