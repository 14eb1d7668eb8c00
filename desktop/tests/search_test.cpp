// SPDX-License-Identifier: BSD-3-Clause
// Finding a setting: the names come from the module's catalogue and templates; the box in the main
// window finds a setting by a Japanese word of its label and by its property path, and choosing
// one opens its dialog with the control focused and outlined.
#include <QAbstractItemView>
#include <QCompleter>
#include <QFrame>
#include <QScrollArea>

#include "desktop/settingssearch.h"
#include "host/classes.h"
#include "support.h"

using namespace desktoptest;

class SearchTest : public QObject {
    Q_OBJECT
private slots:
    void names();
    void found_data();
    void found();
    void chosenOpensTheDialogOnTheControl_data();
    void chosenOpensTheDialogOnTheControl();
};

namespace {

QStringList Listed(const std::vector<const SettingName*>& found) {
    QStringList listed;
    for (const SettingName* s : found) listed << QStringLiteral("%1 %2 > %3").arg(s->control).arg(s->dialog, s->Shown());
    return listed;
}

// Types text into a widget as a person does, one character at a time.
void Type(QWidget* widget, const QString& text) {
    for (const QChar c : text) QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

}  // namespace

void SearchTest::names() {
    // Every dialog of the module is named, with its title from its template; a property is known
    // by the control that writes it, in any case of its path.
    QSet<QString> dialogs;
    for (const SettingName& s : SettingNames::Get().All()) {
        QVERIFY(FindDialogClass(s.dialogClass.toStdWString()));
        QVERIFY2(!s.label.isEmpty() && !s.paths.isEmpty(), qPrintable(s.dialogClass + QString::number(s.control)));
        dialogs << s.dialogClass;
    }
    QCOMPARE(dialogs.size(), 11);
    const SettingName* brightness = SettingNames::Get().Find(QStringLiteral("DEEPSKYOBJECT.image.brightness"));
    QVERIFY(brightness);
    QCOMPARE(brightness->dialog + u'|' + brightness->Shown(), QStringLiteral("星雲・星団|画像 > 明るさ"));
    QCOMPARE(SettingNames::Get().Find(QStringLiteral("Asterism.Visible"))->Shown(), QStringLiteral("星空の目印 > 表示"));
    QVERIFY(!SettingNames::Get().Find(QStringLiteral("View.Projection")));
    // Only ASCII case is aside, as in the engine: Qt would lower the Kelvin sign to 'k'.
    QVERIFY(SettingNames::Get().Find(QStringLiteral("MILKYWAY.VISIBLE")));
    QVERIFY(!SettingNames::Get().Find(QStringLiteral("Mil\u212Ayway.Visible")));
}

void SearchTest::found_data() {
    QTest::addColumn<QString>("words");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("a word of a label") << "明るさ" << QStringList{"1306 天の川 > 明るさ", "1225 星雲・星団 > 画像 > 明るさ"};
    QTest::newRow("two words") << "画像 明るさ" << QStringList{"1225 星雲・星団 > 画像 > 明るさ"};
    QTest::newRow("a frame's title") << "ニックネーム" << QStringList{"1123 星座 > 天体のニックネーム > 表示", "1124 星座 > 天体のニックネーム > 名称"};
    QTest::newRow("a path in another case") << "milkyway.image.bright" << QStringList{"1306 天の川 > 明るさ"};
    QTest::newRow("a path read, not written") << "Star.Catalog.Tycho2.MagnitudeLimit" << QStringList{"1053 恒星 > 拡張データ"};
    QTest::newRow("nothing") << "木星" << QStringList{};
    QTest::newRow("blank") << "  " << QStringList{};
}

void SearchTest::found() {
    QFETCH(QString, words);
    QFETCH(QStringList, listed);
    QCOMPARE(Listed(FindSettings(words)), listed);
}

void SearchTest::chosenOpensTheDialogOnTheControl_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("row");  // the row chosen in the list; -1: Enter
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<int>("control");
    QTest::newRow("by a Japanese word, clicked in the list") << "明るさ" << 1 << "CDlgNbl" << 1225;
    QTest::newRow("by a path, Enter") << "Milkyway.Image.Brightness" << -1 << "CDlgMw" << 1306;
    QTest::newRow("a box of a grid") << "パルサー 表示" << -1 << "CDlgStar" << 1069;
    // Pulsar names are off while pulsars are: outlined, but the focus cannot go there.
    QTest::newRow("a disabled box") << "パルサー 名称" << -1 << "CDlgStar" << 1070;
}

void SearchTest::chosenOpensTheDialogOnTheControl() {
    QFETCH(QString, typed);
    QFETCH(int, row);
    QFETCH(QString, dialog);
    QFETCH(int, control);
    Program program;
    Person person(program);
    SettingsSearchBox* box = program.Window().Search();
    QString opened;
    person.onDialog = [&](TemplateView& view) {
        opened = QString::fromStdWString(DialogClassName(view.Dialog()));
        QWidget* found = view.ControlWidget(static_cast<UINT>(control));
        if (found->isEnabled()) QCOMPARE(QApplication::focusWidget(), found);
        QVERIFY(view.Outline() && view.Outline()->isVisible());
        QVERIFY(view.Outline()->geometry().contains(found->geometry()));
        QVERIFY(view.Scroller()->viewport()->rect().intersects(found->geometry()));  // in sight
    };
    person.steps[QStringLiteral("search")] = [&](TemplateView*) {
        box->setFocus();
        Type(box, typed);
        QAbstractItemView* list = box->List()->popup();
        QVERIFY(list->isVisible());
        // Each line read whole, the list under the box.
        for (int i = 0; i < list->model()->rowCount(); ++i) {
            const QModelIndex line = list->model()->index(i, 0);
            QVERIFY(list->fontMetrics().horizontalAdvance(line.data().toString()) <= list->viewport()->width());
        }
        QCOMPARE(list->geometry().right(), box->mapToGlobal(QPoint(box->width() - 1, 0)).x());
        if (row < 0) {
            QTest::keyClick(box, Qt::Key_Return);
            return;
        }
        const QModelIndex item = list->model()->index(row, 0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualRect(item).center());
    };
    QVERIFY(person.Play({"qt search"}));
    QCOMPARE(opened, dialog);
    // The next dialog opens as usual.
    person.onDialog = [&](TemplateView& view) { QVERIFY(!view.Outline()); };
    QVERIFY(person.Play({"open CDlgMw", "cancel"}));
}

ZEM_DESKTOP_TEST_MAIN(SearchTest)
#include "search_test.moc"
