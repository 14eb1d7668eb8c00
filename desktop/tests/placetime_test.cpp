// SPDX-License-Identifier: BSD-3-Clause
// The window "場所と時刻" as a person uses it (the 表示 menu, a city picked, numbers typed, the clock
// paused and stepped), the sky following it, and the place, the time and the view kept over a
// restart in desktop.ini.
#include <QAbstractItemView>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>

#include "desktop/placetimewindow.h"
#include "support.h"

using namespace desktoptest;

class PlaceTimeTest : public QObject {
    Q_OBJECT
private slots:
    void windowSetsPlaceAndTime();
};

namespace {

const QDateTime kInstant = QDateTime::fromString(QStringLiteral("2022-01-15T12:00:00Z"), Qt::ISODate);

// Selects what is there and types text over it, then Enter; Japanese comes as typed text, as an
// input method delivers it.
void Type(QWidget* widget, const QString& text) {
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
    for (const QChar c : text) {
        const Qt::Key key = c.unicode() < 128 ? QTest::asciiToKey(static_cast<char>(c.unicode())) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, widget, key, QString(c), Qt::NoModifier);
    }
    QTest::keyClick(widget, Qt::Key_Return);
}

// Opens an editable box's list on its arrow and picks an entry with the keys.
void Pick(QComboBox* combo, int index) {
    QTest::mouseClick(combo, Qt::LeftButton, Qt::NoModifier, QPoint(combo->width() - 6, combo->height() / 2));
    QAbstractItemView* list = combo->view();
    QVERIFY(list->isVisible());
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < index; ++i) QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
}

QPushButton* Step(PlaceTimeWindow* w, const QString& text) {
    for (QPushButton* b : w->StepButtons())
        if (b->text() == text) return b;
    return nullptr;
}

}  // namespace

void PlaceTimeTest::windowSetsPlaceAndTime() {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("zemd02"));
    {
        Program program(folder);
        sky::SkyView* view = program.App().Sky();
        QVERIFY(view && view->horizontal());  // the default sky asks for the horizontal view
        SkyControls* controls = program.App().SkyControl();
        QVERIFY(program.Window().ViewMenu()->actions().contains(controls->PlaceTimeAction()));
        controls->PlaceTimeAction()->trigger();
        PlaceTimeWindow* w = controls->Window();
        QVERIFY(w->isVisible());
        QCOMPARE(w->windowTitle(), QStringLiteral("場所と時刻"));
        // The first start is in Tokyo, now.
        QCOMPARE(w->PlaceName()->currentText(), QStringLiteral("東京"));
        QCOMPARE(w->State()->text(), QStringLiteral("現在時刻"));

        // A city from the list brings its coordinates.
        Pick(w->PlaceName(), 0);
        QCOMPARE(view->placeTime()->place().name, QStringLiteral("札幌"));
        QCOMPARE(w->Latitude()->value(), 43.0621);
        // A place typed in: a name of its own, then its latitude; the rest stays.
        Type(w->PlaceName()->lineEdit(), QStringLiteral("自宅"));
        Type(w->Latitude(), QStringLiteral("43.5"));
        const sky::Place home{QStringLiteral("自宅"), 43.5, 141.3544, 20, 540};
        QCOMPARE(view->placeTime()->place(), home);
        QCOMPARE(view->observation().Latitude(), 43.5);

        // Paused at a chosen time, then stepped: the sky follows each.
        ClickControl(w->PauseButton());
        QCOMPARE(view->placeTime()->mode(), sky::PlaceTime::Mode::Paused);
        QCOMPARE(w->State()->text(), QStringLiteral("一時停止中"));
        QCOMPARE(w->PauseButton()->text(), QStringLiteral("再開(&R)"));
        w->DateTime()->setDateTime(QDateTime(QDate(2022, 1, 15), QTime(21, 0), Qt::UTC));  // as typed: the place's clock
        QCOMPARE(view->placeTime()->time(), kInstant);
        ClickControl(Step(w, QStringLiteral("+1時間")));
        ClickControl(Step(w, QStringLiteral("−10分")));
        QCOMPARE(view->placeTime()->time(), kInstant.addSecs(3000));
        QCOMPARE(view->observation().Utc(), kInstant.addSecs(3000));
        QCOMPARE(w->DateTime()->dateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")), QStringLiteral("2022-01-15 21:50"));

        // Running again, then back to now.
        ClickControl(w->PauseButton());
        QCOMPARE(view->placeTime()->mode(), sky::PlaceTime::Mode::Running);
        QVERIFY(std::abs(view->placeTime()->time().secsTo(kInstant.addSecs(3000))) < 5);
        ClickControl(w->NowButton());
        QCOMPARE(view->placeTime()->mode(), sky::PlaceTime::Mode::Now);
        QVERIFY(std::abs(view->placeTime()->time().secsTo(QDateTime::currentDateTimeUtc())) < 5);
        ClickControl(w->PauseButton());
        view->placeTime()->setTime(kInstant);

        // The view and a grid from the menu.
        view->setHorizontalView(200, 25, 70);
        controls->AltAzimuthGridAction()->trigger();
        QVERIFY(view->altAzimuthGrid());
    }
    // What was kept is in desktop.ini, in groups of the desktop's own.
    QSettings ini(folder + QStringLiteral("/desktop.ini"), QSettings::IniFormat);
    QCOMPARE(ini.value(QStringLiteral("PlaceTime/name")).toString(), QStringLiteral("自宅"));
    QCOMPARE(ini.value(QStringLiteral("PlaceTime/mode")).toString(), QStringLiteral("paused"));
    QCOMPARE(ini.value(QStringLiteral("Sky/azimuth")).toString(), QStringLiteral("200"));

    Program again(folder);
    sky::SkyView* view = again.App().Sky();
    QCOMPARE(view->placeTime()->place(), (sky::Place{QStringLiteral("自宅"), 43.5, 141.3544, 20, 540}));
    QCOMPARE(view->placeTime()->mode(), sky::PlaceTime::Mode::Paused);
    QCOMPARE(view->placeTime()->time(), kInstant);
    QCOMPARE(view->observation().Utc(), kInstant);
    QCOMPARE(view->azimuth(), 200.0);
    QCOMPARE(view->altitude(), 25.0);
    QCOMPARE(view->fieldOfView(), 70.0);
    QVERIFY(view->altAzimuthGrid() && again.App().SkyControl()->AltAzimuthGridAction()->isChecked());
    PlaceTimeWindow* w = again.App().SkyControl()->Window();
    QCOMPARE(w->PlaceName()->currentText(), QStringLiteral("自宅"));
    QCOMPARE(w->DateTime()->dateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")), QStringLiteral("2022-01-15 21:00"));
    // The engine's state holds none of it.
    const QString state = QString::fromStdWString(again.Sess().Engine().SaveState().str());
    QVERIFY(!state.contains(QStringLiteral("自宅")) && !state.contains(QStringLiteral("43.5")));
}

ZEM_DESKTOP_TEST_MAIN(PlaceTimeTest)
#include "placetime_test.moc"
