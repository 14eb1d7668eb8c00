// SPDX-License-Identifier: BSD-3-Clause
// Night mode: once switched on, every window drawn afterwards (a dialog, a message box, a menu)
// and the sky are red on black and dimmed; it is kept over a restart and switched off again.
#include <QAbstractButton>
#include <QMenuBar>
#include <QStyle>

#include "desktop/nightmode.h"
#include "desktop/settingssearch.h"
#include "support.h"

using namespace desktoptest;

class NightModeTest : public QObject {
    Q_OBJECT
private slots:
    void redOnlyFilter();
    void reachesWindowsOpenedLater();
    void keptOverARestart();
};

namespace {

// How far a picture strays from dim red on black: the brightest green or blue, the brightest red.
struct Light {
    int greenBlue = 0;
    int red = 0;
};

Light LightOf(const QImage& picture) {
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    Light light;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            light.greenBlue = std::max({light.greenBlue, qGreen(p), qBlue(p)});
            light.red = std::max(light.red, qRed(p));
        }
    return light;
}

// What a dark-adapted eye can bear: no more than a faint grey in green and blue, red dimmed.
void CheckNight(const QImage& picture, const char* what) {
    const Light light = LightOf(picture);
    QVERIFY2(light.greenBlue <= 40, qPrintable(QStringLiteral("%1: green or blue up to %2").arg(what).arg(light.greenBlue)));
    QVERIFY2(light.red <= 200, qPrintable(QStringLiteral("%1: red up to %2").arg(what).arg(light.red)));
    QVERIFY2(light.red >= 120, qPrintable(QStringLiteral("%1: nothing readable (red up to %2)").arg(what).arg(light.red)));
}

}  // namespace

void NightModeTest::redOnlyFilter() {
    QImage image(5, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 255, 255));
    image.setPixel(1, 0, qRgb(20, 40, 200));  // a blue star keeps its brightness
    image.setPixel(2, 0, qRgb(0, 0, 0));
    image.setPixel(3, 0, qRgb(170, 0, 0));  // night text drawn again
    image.setPixel(4, 0, qRgb(255, 0, 0));
    RedFilter::Apply(image);
    QCOMPARE(image.pixel(0, 0), qRgb(190, 0, 0));
    QCOMPARE(image.pixel(1, 0), qRgb(149, 0, 0));
    QCOMPARE(image.pixel(2, 0), qRgb(0, 0, 0));
    QCOMPARE(image.pixel(3, 0), qRgb(170, 0, 0));
    QCOMPARE(image.pixel(4, 0), qRgb(190, 0, 0));
}

void NightModeTest::reachesWindowsOpenedLater() {
    Program program;
    MainWindow& window = program.Window();
    const QColor day = QApplication::palette().color(QPalette::Window);
    window.NightAction()->trigger();
    QVERIFY(window.Night().IsOn());
    // A dialog opened afterwards.
    Person person(program);
    bool seen = false;
    person.onDialog = [&](TemplateView& view) {
        seen = true;
        CheckNight(view.grab().toImage(), "the deep-sky dialog");
    };
    QVERIFY(person.Play({"open CDlgNbl", "cancel"}));
    QVERIFY(seen);
    // A message box, its icon included; a menu; the sky.
    QMessageBox box(QMessageBox::Information, QStringLiteral("zemd02"), QStringLiteral("夜間モードの確認"), QMessageBox::Ok, &window);
    // Its button with an icon, as desktops that show them give it.
    box.button(QMessageBox::Ok)->setIcon(QIcon(QApplication::style()->standardPixmap(QStyle::SP_DialogOkButton)));
    box.show();
    CheckNight(box.grab().toImage(), "a message box");
    QMenu* menu = window.menuBar()->actions().front()->menu();
    CheckNight(menu->grab().toImage(), "a menu");
    window.Search()->setText(QStringLiteral("明るさ"));  // its clear button fades in
    QTest::qWait(400);
    CheckNight(window.grab().toImage(), "the main window with the sky");
    // Off: the day's colours again, the sky unfiltered.
    window.NightAction()->trigger();
    QCOMPARE(QApplication::palette().color(QPalette::Window), day);
    QVERIFY(!program.App().Sky()->graphicsEffect());
}

void NightModeTest::keptOverARestart() {
    QTemporaryDir dir;
    const QString folder = dir.path() + QStringLiteral("/zemd02");
    {
        Program first(folder);
        first.Window().NightAction()->trigger();
    }
    QVERIFY(!NightMode::Active());  // the window that had it is gone, and the day's palette back
    {
        Program second(folder);
        QVERIFY(second.Window().NightAction()->isChecked());
        QVERIFY(NightMode::Active());
        QCOMPARE(QApplication::palette().color(QPalette::Window), QColor(Qt::black));
        second.Window().NightAction()->trigger();
    }
    Program third(folder);
    QVERIFY(!third.Window().NightAction()->isChecked());
}

ZEM_DESKTOP_TEST_MAIN(NightModeTest)
#include "nightmode_test.moc"
