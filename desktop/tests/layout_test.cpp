// SPDX-License-Identifier: BSD-3-Clause
// Every dialog laid out by the dialog-unit rule with the pinned font: base units, each control's
// rectangle, labels that fit their controls, tab order, scrolling in a small room, and a picture of
// each dialog.
#include <QComboBox>
#include <QDir>
#include <QPainter>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QCheckBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleOptionButton>

#include "companions/zemcst/qellistboxaobj.h"
#include "desktop/controls.h"
#include "desktop/dialogunits.h"
#include "host/classes.h"
#include "support.h"

using namespace desktoptest;

class LayoutTest : public QObject {
    Q_OBJECT
private slots:
    void baseUnits();
    void conversion_data();
    void conversion();
    void everyDialog_data();
    void everyDialog();
    void scrollsInASmallRoom();
    void deepSkyListsUnclipped();
    void mainWindowPicture();
    void nightModePicture();
    void profileDifferencesPicture();
};

namespace {

// Where a label does not fit its control, and by how many pixels.
QStringList Clipped(const TemplateView& view) {
    QStringList clipped;
    for (UINT id : view.ControlIds()) {
        QWidget* widget = view.ControlWidget(id);
        const QFontMetrics metrics(widget->font());
        QString text;
        int room = widget->width();
        if (auto* box = qobject_cast<QCheckBox*>(widget); box || qobject_cast<QRadioButton*>(widget)) {
            auto* button = static_cast<QAbstractButton*>(widget);
            QStyleOptionButton option;
            option.initFrom(button);
            const bool radio = qobject_cast<QRadioButton*>(widget) != nullptr;
            text = WithoutAccessKey(button->text()).trimmed();
            room = widget->width() - widget->style()->subElementRect(radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &option, widget).left();
        } else if (auto* push = qobject_cast<QPushButton*>(widget)) {
            text = WithoutAccessKey(push->text());
            room = widget->width() - 2 * widget->style()->pixelMetric(QStyle::PM_ButtonMargin) / 2;
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            text = WithoutAccessKey(label->text());
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            text = WithoutAccessKey(group->title()).trimmed();
            room = widget->width() - 16;
        }
        if (text.isEmpty()) continue;
        const int width = metrics.horizontalAdvance(text);
        if (width > room) clipped << QStringLiteral("%1 \"%2\" needs %3 px, has %4").arg(id).arg(text).arg(width).arg(room);
    }
    return clipped;
}

QString ScreenshotFolder() {
    const QString chosen = qEnvironmentVariable("ZEM_SCREENSHOT_DIR");
    return chosen.isEmpty() ? QStringLiteral(ZEM_SCREENSHOTS) : chosen;
}

void SavePicture(const QImage& picture, const QString& name) {
    QDir().mkpath(ScreenshotFolder());
    QVERIFY(picture.save(ScreenshotFolder() + u'/' + name));
}

// The sky over Tokyo on a winter evening, not whenever the picture is taken.
void FixTheSky(Program& program) {
    program.App().Sky()->placeTime()->pause();
    program.App().Sky()->placeTime()->setTime(QDateTime::fromString(QStringLiteral("2022-01-15T21:00:00+09:00"), Qt::ISODate));
}

// Windows as they lie on the screen, each at its place (without the frames a window manager
// would draw), on a plain background.
QImage Screen(const QList<QWidget*>& windows, const QColor& background = QColor(72, 78, 88)) {
    QRect area;
    for (QWidget* window : windows) area |= window->geometry();
    area.adjust(-8, -8, 8, 8);
    QImage screen(area.size(), QImage::Format_RGB32);
    screen.fill(background);
    QPainter painter(&screen);
    for (QWidget* window : windows) painter.drawPixmap(window->geometry().topLeft() - area.topLeft(), window->grab());
    return screen;
}

}  // namespace

void LayoutTest::baseUnits() {
    DialogTemplate t{0, L"", 0, L"MS UI Gothic", 9, 10, 10, {}};
    const QFont font = DialogFont(t);
    // Under a Japanese locale the font reports its Japanese family name.
    const QString family = QFontInfo(font).family();
    QVERIFY2(family == QStringLiteral("IPAPGothic") || family == QStringLiteral("IPA Pゴシック"), qPrintable(family));
    QCOMPARE(font.pixelSize(), 12);
    const BaseUnits units = MeasureBaseUnits(font);
    // IPAPGothic at 12 px: 13 px high (ascent 11, descent 2), "A"-"Z" "a"-"z" 369 px wide.
    QCOMPARE(units.x, 7);
    QCOMPARE(units.y, 13);
}

void LayoutTest::conversion_data() {
    QTest::addColumn<int>("baseX");
    QTest::addColumn<int>("baseY");
    QTest::addColumn<QRect>("units");
    QTest::addColumn<QRect>("pixels");
    // The font the templates were laid out in: 1.5 pixels a unit both ways, halves rounded up.
    QTest::newRow("6x12") << 6 << 12 << QRect(7, 7, 147, 58) << QRect(11, 11, 221, 87);
    // Each field is rounded on its own, so the right edge is not x + width rounded.
    QTest::newRow("7x13") << 7 << 13 << QRect(13, 7, 40, 10) << QRect(23, 11, 70, 16);
    QTest::newRow("7x13 odd") << 7 << 13 << QRect(1, 3, 9, 5) << QRect(2, 5, 16, 8);
    QTest::newRow("zero") << 7 << 13 << QRect(0, 0, 0, 0) << QRect(0, 0, 0, 0);
    QTest::newRow("negative") << 7 << 13 << QRect(-2, -4, 2, 4) << QRect(-4, -7, 4, 7);
}

void LayoutTest::conversion() {
    QFETCH(int, baseX);
    QFETCH(int, baseY);
    QFETCH(QRect, units);
    QFETCH(QRect, pixels);
    QCOMPARE(DialogUnitsToPixels({baseX, baseY}, units.x(), units.y(), units.width(), units.height()), pixels);
}

void LayoutTest::everyDialog_data() { AddDialogRows(); }

void LayoutTest::everyDialog() {
    QFETCH(QString, name);
    Program program;
    Person person(program);
    QStringList problems;
    bool opened = false;
    person.onDialog = [&](TemplateView& view) {
        opened = true;
        if (view.Scroller()->widget()->size() != view.TemplateSize()) problems << QStringLiteral("client area differs");
        if (view.size() != view.TemplateSize()) problems << QStringLiteral("window is not the dialog's size");
        QWidgetList tabStops;
        for (UINT id : view.ControlIds()) {
            QWidget* widget = view.ControlWidget(id);
            const QRect want = view.TemplateRect(id);
            QRect got = widget->geometry();
            if (auto* combo = qobject_cast<QComboBox*>(widget)) {
                // A drop-down list is one line high while closed; the template's height is its list's.
                if (got.height() > want.height() || got.height() < combo->fontMetrics().height()) problems << QStringLiteral("%1 closed height %2").arg(id).arg(got.height());
                got.setHeight(want.height());
            }
            if (got != want) problems << QStringLiteral("%1 at %2,%3 %4x%5").arg(id).arg(got.x()).arg(got.y()).arg(got.width()).arg(got.height());
            if (widget->focusPolicy() & Qt::TabFocus) tabStops << widget;
        }
        // Tab goes through the tab stops in template order, and round.
        if (!tabStops.isEmpty()) {
            QWidgetList walked{tabStops.front()};
            for (QWidget* w = tabStops.front()->nextInFocusChain(); w != tabStops.front() && walked.size() <= tabStops.size(); w = w->nextInFocusChain())
                if (tabStops.contains(w)) walked << w;
            if (walked != tabStops) problems << QStringLiteral("tab order differs from the template's");
        }
        problems << Clipped(view);
        QDir().mkpath(ScreenshotFolder());
        view.grab().save(ScreenshotFolder() + QStringLiteral("/%1.png").arg(name));
    };
    QVERIFY(person.Play({QStringLiteral("open ") + name}));
    QVERIFY(opened);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("\n"))));
}

void LayoutTest::scrollsInASmallRoom() {
    Program program;
    Person person(program);
    person.onDialog = [](TemplateView& view) {
        const QSize room(200, 120);
        view.Present(room);
        QVERIFY(view.width() <= room.width() && view.height() <= room.height());
        QScrollBar* vertical = view.Scroller()->verticalScrollBar();
        QVERIFY(vertical->maximum() > 0);
        // The program moving the focus far down brings that control into sight.
        QWidget* last = view.ControlWidget(IDOK);
        last->setFocus();
        view.Scroller()->ensureWidgetVisible(last);
        QVERIFY(vertical->value() > 0);
    };
    QVERIFY(person.Play({QStringLiteral("open CDlgCons")}));
}

void LayoutTest::deepSkyListsUnclipped() {
    // Every row of the three lists in sight at once with its whole text, the check box within
    // its column: the template's heights hold all their rows (two levels, nine types).
    Program program;
    Person person(program);
    QStringList problems;
    person.onDialog = [&](TemplateView& view) {
        for (UINT id : {1207u, 1209u, 1211u}) {
            auto* list = dynamic_cast<CellListView*>(view.ControlWidget(id));
            QVERIFY(list && list->List());
            const int rows = static_cast<int>(list->List()->GetValueCountTotal());
            QVERIFY(rows >= 2);
            const auto drawn = list->List()->Draw();
            const QFontMetrics metrics(list->font());
            const QRect inside = list->viewport()->rect();
            for (int r = 0; r < rows; ++r) {
                const QRect box = list->CellRect(r, 0), text = list->CellRect(r, 1);
                const QString label = QString::fromStdWString(drawn[static_cast<std::size_t>(r)].strText.str());
                if (!inside.contains(box) || !inside.contains(text)) problems << QStringLiteral("%1 row %2 \"%3\" is cut off").arg(id).arg(r).arg(label);
                if (metrics.horizontalAdvance(label) + 4 > text.width()) problems << QStringLiteral("%1 \"%2\" needs %3 px, has %4").arg(id).arg(label).arg(metrics.horizontalAdvance(label) + 4).arg(text.width());
                if (box.width() < 10) problems << QStringLiteral("%1 check column %2 px").arg(id).arg(box.width());
            }
            if (list->CellRect(0, 0).top() != 0) problems << QStringLiteral("%1 draws a header").arg(id);
        }
    };
    QVERIFY(person.Play({QStringLiteral("open CDlgNbl")}));
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("\n"))));
}

void LayoutTest::mainWindowPicture() {
    // The main window with the star dialog beside the sky, as on a screen.
    Program program;
    MainWindow& window = program.Window();
    window.setGeometry(40, 40, 1000, 640);
    FixTheSky(program);
    Person person(program);
    person.onDialog = [&](TemplateView& view) { SavePicture(Screen({&window, &view}), QStringLiteral("main-window.png")); };
    QVERIFY(person.Play({"open CDlgStar", "cancel"}));
}

void LayoutTest::nightModePicture() {
    Program program;
    MainWindow& window = program.Window();
    window.setGeometry(40, 40, 1000, 640);
    FixTheSky(program);
    window.NightAction()->trigger();
    Person person(program);
    person.onDialog = [&](TemplateView& view) { SavePicture(Screen({&window, &view}, Qt::black), QStringLiteral("night-mode.png")); };
    QVERIFY(person.Play({"open CDlgNbl", "cancel"}));
    window.NightAction()->trigger();
}

void LayoutTest::profileDifferencesPicture() {
    Program program;
    Person person(program);
    person.onWindow = [](QDialog& window) {
        if (window.objectName() != QStringLiteral("profileDifferences")) return false;
        window.resize(760, 420);
        SavePicture(window.grab().toImage(), QStringLiteral("profile-differences.png"));
        window.reject();
        return true;
    };
    person.steps[QStringLiteral("apply")] = [&](TemplateView*) { program.Window().Profiles().Apply(QStringLiteral("星図")); };
    QVERIFY(person.Play({"qt apply"}));
}

ZEM_DESKTOP_TEST_MAIN(LayoutTest)
#include "layout_test.moc"
