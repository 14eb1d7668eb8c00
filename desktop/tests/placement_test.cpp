// SPDX-License-Identifier: BSD-3-Clause
// Dialogs open beside the sky, never over it: the placement rule on its own, then every dialog of
// the module opened from the menu on a 1600 x 1000 screen (run at 100 % and again with
// QT_SCALE_FACTOR=2), a dialog opened by another beside that one, positions kept over a restart,
// and the main window fitting its screen.
#include <QScreen>

#include "host/classes.h"
#include "support.h"

using namespace desktoptest;

class PlacementTest : public QObject {
    Q_OBJECT
private slots:
    void rule_data();
    void rule();
    void neverOverTheSky_data();
    void neverOverTheSky();
    void besideTheDialogThatOpensIt();
    void positionKeptOverARestart();
    void mainWindowFitsItsScreen();
};

namespace {

QRect Global(QWidget* widget) { return {widget->mapToGlobal(QPoint(0, 0)), widget->size()}; }

QString Show(const QRect& r) { return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()); }

}  // namespace

void PlacementTest::rule_data() {
    QTest::addColumn<QRect>("main");
    QTest::addColumn<QRect>("sky");
    QTest::addColumn<QSize>("dialog");
    QTest::addColumn<QRect>("opener");
    QTest::addColumn<QPoint>("remembered");
    QTest::addColumn<QRect>("placed");
    QTest::addColumn<QRect>("mainAfter");  // null: the main window stays
    const QRect none;
    const QPoint nowhere(-1, -1);
    // A screen of 1600 x 1000; the sky is the main window's left part, the property table its right.
    QTest::newRow("room right of the main window") << QRect(0, 0, 900, 700) << QRect(0, 60, 640, 600) << QSize(500, 400) << none << nowhere
                                                   << QRect(900, 0, 500, 400) << none;
    QTest::newRow("main window on the right: left of it") << QRect(700, 0, 900, 700) << QRect(700, 60, 640, 600) << QSize(500, 400) << none
                                                          << nowhere << QRect(200, 0, 500, 400) << none;
    QTest::newRow("over the property table, at the screen's edge") << QRect(0, 0, 1300, 800) << QRect(0, 60, 900, 700) << QSize(600, 480)
                                                                   << none << nowhere << QRect(1000, 0, 600, 480) << none;
    // The sky gives up what the dialog needs; the dialog may cover the property table.
    QTest::newRow("the sky makes room") << QRect(0, 0, 1600, 1000) << QRect(0, 60, 1300, 900) << QSize(700, 500) << none << nowhere
                                        << QRect(900, 0, 700, 500) << QRect(0, 0, 1200, 1000);
    QTest::newRow("the main window moves first") << QRect(50, 0, 1500, 1000) << QRect(100, 60, 1200, 900) << QSize(700, 500) << none
                                                 << nowhere << QRect(900, 0, 700, 500) << QRect(0, 0, 1150, 1000);
    QTest::newRow("on the left, the main window on the right") << QRect(300, 0, 1300, 1000) << QRect(300, 60, 1000, 900) << QSize(700, 500)
                                                               << none << nowhere << QRect(0, 0, 700, 500) << QRect(700, 0, 900, 1000);
    QTest::newRow("the sky makes room, the dialog scrolls") << QRect(0, 0, 1600, 1000) << QRect(0, 60, 1000, 900) << QSize(1500, 500) << none
                                                            << nowhere << QRect(200, 0, 1400, 500) << QRect(0, 0, 800, 1000);
    QTest::newRow("beside its opener") << QRect(0, 0, 900, 700) << QRect(0, 60, 640, 600) << QSize(300, 200) << QRect(900, 0, 400, 400)
                                       << nowhere << QRect(1300, 0, 300, 200) << none;
    QTest::newRow("below its opener when the sides are taken") << QRect(0, 0, 900, 700) << QRect(0, 60, 640, 600) << QSize(650, 200)
                                                               << QRect(900, 0, 700, 400) << nowhere << QRect(900, 400, 650, 200) << none;
    QTest::newRow("remembered and free") << QRect(0, 0, 900, 700) << QRect(0, 60, 640, 600) << QSize(500, 400) << none << QPoint(1000, 500)
                                         << QRect(1000, 500, 500, 400) << none;
    QTest::newRow("remembered over the sky: beside it instead") << QRect(0, 0, 900, 700) << QRect(0, 60, 640, 600) << QSize(500, 400) << none
                                                                << QPoint(100, 100) << QRect(900, 0, 500, 400) << none;
}

void PlacementTest::rule() {
    QFETCH(QRect, main);
    QFETCH(QRect, sky);
    QFETCH(QSize, dialog);
    QFETCH(QRect, opener);
    QFETCH(QPoint, remembered);
    QFETCH(QRect, placed);
    QFETCH(QRect, mainAfter);
    PlacementRoom room;
    room.available = QRect(0, 0, 1600, 1000);
    room.main = main;
    room.sky = sky;
    room.dialog = dialog;
    if (!opener.isNull()) room.opener = opener;
    if (remembered != QPoint(-1, -1)) room.remembered = remembered;
    const PlacementResult result = PlaceDialog(room);
    QCOMPARE(Show(result.dialog), Show(placed));
    QCOMPARE(result.main.has_value(), !mainAfter.isNull());
    if (result.main) {
        QCOMPARE(Show(*result.main), Show(mainAfter));
        // The sky keeps its place in the window and gives up what the window gives up.
        const QRect skyAfter(result.main->left() + sky.left() - main.left(), sky.top(), sky.width() - main.width() + result.main->width(), sky.height());
        QVERIFY(!skyAfter.intersects(result.dialog));
        QVERIFY(skyAfter.width() >= room.minSkyWidth);
    }
}

void PlacementTest::neverOverTheSky_data() { AddDialogRows(); }

void PlacementTest::neverOverTheSky() {
    QFETCH(QString, name);
    Program program;
    MainWindow& window = program.Window();
    QWidget* sky = window.centralWidget();
    QVERIFY(program.App().Sky() && sky == program.App().Sky());
    const QRect available = window.screen()->availableGeometry();
    const QRect mainBefore = window.frameGeometry();
    Person person(program);
    bool opened = false;
    person.onDialog = [&](TemplateView& view) {
        opened = true;
        const QRect dialog = view.frameGeometry();
        QVERIFY2(!dialog.intersects(Global(sky)), qPrintable(Show(dialog) + " over the sky " + Show(Global(sky))));
        QVERIFY2(available.contains(dialog), qPrintable(Show(dialog) + " off the screen " + Show(available)));
        QVERIFY(available.contains(window.frameGeometry()));
        QVERIFY(sky->width() >= 200);
        QVERIFY(view.isActiveWindow());
    };
    QVERIFY(person.Play({QStringLiteral("open ") + name, QStringLiteral("cancel")}));
    QVERIFY(opened);
    // A main window that made room has it back.
    QCOMPARE(window.frameGeometry(), mainBefore);
}

void PlacementTest::besideTheDialogThatOpensIt() {
    Program program;
    Person person(program);
    QWidget* sky = program.Window().centralWidget();
    QRect star, detail, skyThen;
    person.steps[QStringLiteral("star")] = [&](TemplateView* view) { star = view->frameGeometry(); };
    person.steps[QStringLiteral("detail")] = [&](TemplateView* view) {
        QCOMPARE(DialogClassName(view->Dialog()), std::wstring(L"CDlgStarGsc"));
        detail = view->frameGeometry();
        skyThen = Global(sky);
    };
    QVERIFY(person.Play({"open CDlgStar", "qt star", "click 1050", "select 1053 0", "click 1054", "qt detail", "cancel", "cancel"}));
    QVERIFY(!star.isNull() && !detail.isNull());
    QVERIFY2(!detail.intersects(skyThen), qPrintable(Show(detail) + " over the sky " + Show(skyThen)));
    // Where the screen has room for both, the detail dialog sits against the star dialog.
    if (program.Window().screen()->availableGeometry().width() >= 1600) {
        QVERIFY2(!detail.intersects(star), qPrintable(Show(detail) + " over " + Show(star)));
        const bool touches = detail.left() == star.right() + 1 || detail.right() + 1 == star.left() || detail.top() == star.bottom() + 1 ||
                             detail.bottom() + 1 == star.top();
        QVERIFY2(touches, qPrintable(Show(detail) + " not beside " + Show(star)));
    }
}

void PlacementTest::positionKeptOverARestart() {
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/zemd02");
    QPoint moved;
    {
        Program first(folder);
        // A main window on the left half of the screen leaves room on the right (its frame is
        // kept over the restart too).
        MainWindow& window = first.Window();
        const QRect available = window.screen()->availableGeometry();
        window.resize(std::max(available.width() / 2, window.minimumSizeHint().width()), available.height() / 2);
        window.move(available.topLeft());
        Person person(first);
        person.steps[QStringLiteral("move")] = [&](TemplateView* view) {
            // The person drags it to the screen's bottom right, clear of the sky.
            const QRect available = view->screen()->availableGeometry();
            moved = available.bottomRight() - QPoint(view->frameGeometry().width(), view->frameGeometry().height()) + QPoint(1, 1);
            view->move(moved);
            QVERIFY(!view->frameGeometry().intersects(Global(first.Window().centralWidget())));
        };
        QVERIFY(person.Play({"open CDlgMw", "qt move", "ok"}));
    }
    Program second(folder);
    Person person(second);
    QPoint reopened;
    person.onDialog = [&](TemplateView& view) { reopened = view.pos(); };
    QVERIFY(person.Play({"open CDlgMw", "ok"}));
    QCOMPARE(reopened, moved);
}

void PlacementTest::mainWindowFitsItsScreen() {
    Program program;
    MainWindow& window = program.Window();
    const QRect available = window.screen()->availableGeometry();
    QVERIFY2(available.contains(window.frameGeometry()), qPrintable(Show(window.frameGeometry())));
    // Brought back larger than the screen (a geometry saved at another scale), it fits again.
    window.hide();
    window.setGeometry(QRect(available.topLeft() + QPoint(300, 200), available.size() * 2));
    window.show();
    QVERIFY2(available.contains(window.frameGeometry()), qPrintable(Show(window.frameGeometry())));
    QVERIFY(window.minimumSizeHint().width() <= available.width());
}

ZEM_DESKTOP_TEST_MAIN(PlacementTest)
#include "placement_test.moc"
