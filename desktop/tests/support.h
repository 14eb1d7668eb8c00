// SPDX-License-Identifier: BSD-3-Clause
// What the desktop tests share: the pinned environment (offscreen screens, the repository's fonts,
// the Fusion style, a temporary config folder), the program on a fresh state, the scenario host run
// on the same actions, and a person who plays scenario lines with real mouse clicks and keys.
#pragma once

#include <QDialog>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>
#include <optional>

#include "desktop/app.h"

namespace desktoptest {

// Before QApplication: the offscreen platform and the fonts of tests/fonts.conf.
void PrepareEnvironment();

// The desktop program on a config folder of its own, started.
class Program {
public:
    Program();
    explicit Program(const QString& configFolder);
    DesktopApp& App() { return *app_; }
    Session& Sess() { return app_->GetSession(); }
    MainWindow& Window() { return app_->Window(); }
    // Everything the program printed to its traffic log since the last Take.
    QStringList Take();
    QString ConfigFolder() const { return folder_; }

private:
    std::optional<QTemporaryDir> temp_;  // the config folder's, when none is given
    QString folder_;
    std::unique_ptr<DesktopApp> app_;
    QStringList lines_;
};

// Data rows for a test that runs on every dialog class the module has: a column "name".
void AddDialogRows();

// The scenario host's transcript of the scenario (inspection lines dropped), with options.
QStringList RunHost(const QStringList& options, const QStringList& lines);
// A scenario file: its options (from a first "#!" line) and its lines.
struct Scenario {
    QStringList options;
    bool expectsError = false;
    QStringList lines;
};
Scenario ReadScenario(const QString& path);
// The transcript lines that an action of a person at a desktop leaves (refusals are the host's).
QStringList WithoutRefusals(const QStringList& transcript);

// Plays scenario lines at the desktop as a person does: the menu opens a dialog, a click is a
// mouse click on the control's widget, typing is key presses. Message boxes are answered with
// their default button, the colour dialog is cancelled unless a colour is chosen. Two lines of
// its own: "key SEQUENCE" presses keys where the focus is ("Alt+V", "Tab"), "keys TEXT" types.
class Person {
public:
    explicit Person(Program& program);
    ~Person();
    Person(const Person&) = delete;
    Person& operator=(const Person&) = delete;

    // Plays the lines; false when one of them is not something a person can do at the desktop
    // (why says which). Dialogs still open at the end are closed with their close box.
    bool Play(const QStringList& lines, QString* why = nullptr);

    // Extra steps in Qt terms, run in place of a line "qt NAME" with the innermost open dialog
    // (null when none is open).
    std::map<QString, std::function<void(TemplateView*)>> steps;
    // The colour picked in the next colour dialog (invalid: cancel it).
    QColor colour;
    // The colour each colour dialog opened on.
    QList<QColor> coloursShown;
    // The answer to question boxes.
    QMessageBox::StandardButton answer = QMessageBox::Yes;
    // Texts and icons of the message boxes seen.
    QStringList messages;
    QList<QMessageBox::Icon> icons;
    // Called with every dialog window as it opens, before any line runs in it.
    std::function<void(TemplateView&)> onDialog;
    // Called with every other modal window of the program's own (not a message box or the colour
    // dialog) as it shows; false leaves it to be cancelled.
    std::function<bool(QDialog&)> onWindow;

private:
    void Shown(QDialog& window);
    void Pump(TemplateView* view);
    void Execute(const QString& line);
    bool Act(TemplateView& view, const QStringList& words, const QString& rest, UINT id);

    Program& program_;
    QStringList lines_;
    qsizetype next_ = 0;
    QString unplayable_;
};

// Clicks the place where a person would for each kind of control.
void ClickControl(QWidget* widget);
void SpinControl(QWidget* widget, bool up);
void PickInCombo(QWidget* combo, int index);

}  // namespace desktoptest

#define ZEM_DESKTOP_TEST_MAIN(TestClass)                        \
    int main(int argc, char** argv) {                           \
        desktoptest::PrepareEnvironment();                      \
        QApplication app(argc, argv);                           \
        QApplication::setStyle(QStringLiteral("Fusion"));       \
        QApplication::setApplicationDisplayName(QStringLiteral("zemd02")); \
        TestClass test;                                         \
        QTEST_SET_MAIN_SOURCE_PATH                              \
        return QTest::qExec(&test, argc, argv);                 \
    }
