// SPDX-License-Identifier: BSD-3-Clause
#include "support.h"

#include <QClipboard>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <cstdlib>
#include <filesystem>

#include "companions/zemdcm/cnspic.h"
#include "companions/zemreg/registry.h"
#include "desktop/controls.h"
#include "host/classes.h"
#include "host/parse.h"

namespace desktoptest {

namespace {

// Everything a test and the programs it starts put in the temporary folder goes in one folder of
// the test's own, removed when the test ends: a child that is killed cannot clean up after itself,
// so the test that started it does. A child finds the variable set and uses its parent's folder.
class Scratch {
public:
    static constexpr const char* kVariable = "ZEM_DESKTOP_TEST_SCRATCH";
    Scratch() {
        if (qEnvironmentVariableIsSet(kVariable)) return;
        std::error_code ec;
        std::string path = (std::filesystem::temp_directory_path(ec) / "zemd02-desktop-test-XXXXXX").string();
        if (ec || !::mkdtemp(path.data())) return;
        path_ = path;
        // Others may pass through to what a test hands them (an ordinary user's folder), no more.
        std::filesystem::permissions(path_, std::filesystem::perms::others_exec | std::filesystem::perms::group_exec,
                                     std::filesystem::perm_options::add, ec);
        qputenv("TMPDIR", QByteArray::fromStdString(path));
        qputenv(kVariable, QByteArray::fromStdString(path));
    }
    ~Scratch() {
        if (path_.empty()) return;
        // A folder a test left without write access is opened up first, or its files would stay.
        namespace fs = std::filesystem;
        std::error_code ec;
        for (fs::recursive_directory_iterator it(path_, fs::directory_options::skip_permission_denied, ec), end; !ec && it != end;
             it.increment(ec))
            if (it->is_directory(ec) && !it->is_symlink(ec)) fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(path_, ec);
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

private:
    std::filesystem::path path_;
};

}  // namespace

void PrepareEnvironment() {
    static Scratch scratch;  // first, so that it goes last
    static QTemporaryDir home;
    // One screen the size of a desktop's, 1600 x 1000.
    if (const QByteArray platform = qgetenv("QT_QPA_PLATFORM"); platform.isEmpty() || platform == "offscreen")
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" ZEM_OFFSCREEN_CONF);
    qputenv("FONTCONFIG_FILE", ZEM_FONTS_CONF);
    qputenv("XDG_CACHE_HOME", ZEM_TEST_CACHE);
    // Nothing a test does may reach the person's own settings.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + QStringLiteral("/config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path() + QStringLiteral("/data")));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(home.path()));
    QFile::setPermissions(home.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// ---- the program ------------------------------------------------------------------------------

Program::Program() : Program(QString()) {}

namespace {
// The offscreen screens cannot take a window's size hints and say so for every fixed-size box.
QtMessageHandler g_next = nullptr;
void QuietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QStringLiteral("does not support propagateSizeHints"))) return;
    if (g_next) g_next(type, context, message);
}
}  // namespace

Program::Program(const QString& configFolder) {
    static const bool quiet = (g_next = qInstallMessageHandler(QuietHandler), true);
    (void)quiet;
    folder_ = configFolder.isEmpty() ? temp_.emplace().path() + QStringLiteral("/zemd02") : configFolder;
    CRegistry::Clear();
    CCnsPic::RestoreShippedList();
    app_ = std::make_unique<DesktopApp>(DesktopOptions{QStringLiteral(ZEM_DATA_DIR), folder_});
    QObject::connect(&app_->GetSession(), &Session::Line, &app_->GetSession(), [this](const QString& line) { lines_ << line; });
    app_->Start();
    app_->GetSession().SetShowQueries(false);  // as the scenario host prints by default
}

QStringList Program::Take() {
    QStringList taken;
    taken.swap(lines_);
    return taken;
}

void AddDialogRows() {
    QTest::addColumn<QString>("name");
    for (const std::wstring& name : ModuleClassNames())
        if (FindDialogClass(name)) QTest::newRow(QString::fromStdWString(name).toUtf8().constData()) << QString::fromStdWString(name);
}

// ---- the scenario host ----------------------------------------------------------------------

namespace {
bool IsInspection(const QString& line) {
    static const QRegularExpression inspection(QStringLiteral("^\\s*(show|state|render)(\\s|$)"));
    return inspection.match(line).hasMatch();
}
}  // namespace

QStringList RunHost(const QStringList& options, const QStringList& lines) {
    QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/actions.scn");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return {QStringLiteral("! cannot write ") + path};
    for (const QString& line : lines)
        if (!IsInspection(line)) file.write(line.toUtf8() + '\n');
    file.close();
    QProcess host;
    host.start(QStringLiteral(ZEM_HOST), QStringList(options) << path);
    host.waitForFinished(60000);
    QStringList transcript = QString::fromUtf8(host.readAllStandardOutput()).split(u'\n');
    if (!transcript.isEmpty() && transcript.back().isEmpty()) transcript.removeLast();
    return transcript;
}

Scenario ReadScenario(const QString& path) {
    Scenario scenario;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return scenario;
    scenario.lines = QString::fromUtf8(file.readAll()).split(u'\n');
    if (!scenario.lines.isEmpty() && scenario.lines.front().startsWith(QStringLiteral("#!"))) {
        for (const QString& word : scenario.lines.front().mid(2).split(u' ', Qt::SkipEmptyParts)) {
            if (word.startsWith(QStringLiteral("exit="))) scenario.expectsError = word != QStringLiteral("exit=0");
            else scenario.options << word;
        }
    }
    return scenario;
}

QStringList WithoutRefusals(const QStringList& transcript) {
    QStringList kept;
    for (const QString& line : transcript)
        if (!line.startsWith(QStringLiteral("! "))) kept << line;
    return kept;
}

// ---- a person at the desktop ----------------------------------------------------------------

void ClickControl(QWidget* widget) {
    if (!widget) return;
    QPoint at = widget->rect().center();
    // A check box or radio button is clicked on its box.
    if (auto* box = qobject_cast<QAbstractButton*>(widget); box && (qobject_cast<QCheckBox*>(box) || qobject_cast<QRadioButton*>(box))) {
        QStyleOptionButton option;
        option.initFrom(box);
        const bool radio = qobject_cast<QRadioButton*>(box) != nullptr;
        at = box->style()->subElementRect(radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator, &option, box).center();
    }
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
}

void SpinControl(QWidget* widget, bool up) {
    if (!widget) return;
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(widget->width() / 2, up ? widget->height() / 4 : widget->height() * 3 / 4));
}

void PickInCombo(QWidget* widget, int index) {
    auto* combo = qobject_cast<QComboBox*>(widget);
    if (!combo) return;
    QTest::mouseClick(combo, Qt::LeftButton);
    QAbstractItemView* list = combo->view();
    if (!list->isVisible()) return;  // a disabled box does not open
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < index; ++i) QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
}

namespace {

void Keys(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        const Qt::Key key = c.unicode() < 128 ? QTest::asciiToKey(static_cast<char>(c.unicode())) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, widget, key, QString(c), Qt::NoModifier);
    }
}

// The first count words of text, and what follows the single blank after them.
QStringList Words(const QString& text, int count, QString& rest) {
    QStringList words;
    QString remaining = text;
    for (int i = 0; i < count; ++i) {
        const qsizetype blank = remaining.indexOf(u' ');
        if (blank < 0) {
            if (!remaining.isEmpty()) words << remaining;
            remaining.clear();
            break;
        }
        words << remaining.left(blank);
        remaining = remaining.mid(blank + 1);
    }
    rest = remaining;
    return words;
}

}  // namespace

Person::Person(Program& program) : program_(program) {
    SetModalShownHook([this](QDialog& window) { Shown(window); });
}

Person::~Person() { SetModalShownHook(nullptr); }

bool Person::Play(const QStringList& lines, QString* why) {
    lines_ = lines;
    next_ = 0;
    unplayable_.clear();
    Pump(nullptr);
    if (why) *why = unplayable_;
    return unplayable_.isEmpty();
}

void Person::Shown(QDialog& window) {
    if (auto* view = dynamic_cast<TemplateView*>(&window)) {
        view->activateWindow();
        if (!QTest::qWaitForWindowActive(view, 2000)) qWarning("the dialog window did not become active");
        if (onDialog) onDialog(*view);
        Pump(view);
        if (view->isVisible()) view->close();  // the close box, as the host does at the end
        if (view->isVisible()) view->done(QDialog::Rejected);
        return;
    }
    if (auto* box = qobject_cast<QMessageBox*>(&window)) {
        messages << box->text();
        icons << box->icon();
        QAbstractButton* button = box->button(answer);
        if (!button) button = box->button(QMessageBox::Ok);
        if (!button && !box->buttons().isEmpty()) button = box->buttons().front();
        QTest::mouseClick(button, Qt::LeftButton);
        return;
    }
    if (auto* picker = qobject_cast<QColorDialog*>(&window)) {
        coloursShown << picker->currentColor();
        if (!colour.isValid()) {
            QTest::keyClick(picker, Qt::Key_Escape);
            return;
        }
        picker->setCurrentColor(colour);
        auto* buttons = picker->findChild<QDialogButtonBox*>();
        QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
        return;
    }
    if (onWindow && onWindow(window)) return;
    window.reject();
}

void Person::Pump(TemplateView* view) {
    while (next_ < lines_.size() && unplayable_.isEmpty()) {
        if (view && (!view->isVisible() || view->Dialog().HasEnded())) return;
        Execute(lines_[next_++].trimmed());
        // A person takes a moment between actions: what was queued meanwhile runs.
        QCoreApplication::processEvents();
    }
}

void Person::Execute(const QString& line) {
    if (line.isEmpty() || line.startsWith(u'#') || IsInspection(line)) return;
    QString rest;
    const QString command = Words(line, 1, rest).value(0);
    if (command == QStringLiteral("engine")) {
        program_.Sess().Engine().LoadState(CString(rest.toStdWString()));
    } else if (command == QStringLiteral("registry")) {
        QString value;
        const QStringList words = Words(rest, 2, value);
        CRegistry::Write(CString(words.value(0).toStdWString()), CString(words.value(1).toStdWString()), CString(value.toStdWString()));
    } else if (command == QStringLiteral("picsets")) {
        CCnsPic::ClearList();
    } else if (command == QStringLiteral("picset")) {
        const QStringList parts = rest.split(QStringLiteral(" | "));
        CCnsPic::AddSet(CString(parts.value(0).toStdWString()), CString(parts.value(1).toStdWString()));
    } else if (command == QStringLiteral("qt")) {
        const auto step = steps.find(rest);
        if (step == steps.end()) unplayable_ = QStringLiteral("no such step: ") + line;
        else step->second(program_.App().Person().Top());
    } else if (command == QStringLiteral("open")) {
        const QStringList words = rest.split(u' ', Qt::SkipEmptyParts);
        if (words.size() > 1) {
            // The menu has only the usual form; the other forms are opened as the program would.
            OpenOptions options;
            for (const QString& word : words.mid(1)) {
                if (word == QStringLiteral("parent-only")) options.parentOnly = true;
                else if (word.startsWith(QStringLiteral("pgc="))) options.pgc = word.mid(4).toInt();
                else if (word.startsWith(QStringLiteral("mirado="))) options.mirado = word.mid(7).toInt();
            }
            if (!program_.Window().OpenDialog(words[0].toStdWString(), options)) unplayable_ = QStringLiteral("no such dialog: ") + line;
            return;
        }
        QAction* action = words.isEmpty() ? nullptr : program_.Window().DialogAction(words[0].toStdWString());
        if (!action || !action->isEnabled()) {
            unplayable_ = QStringLiteral("the menu cannot do: ") + line;
            return;
        }
        action->trigger();
    } else {
        TemplateView* view = program_.App().Person().Top();
        // The control as the scenario host reads it: by its number or its symbol.
        const UINT id = ParseScenarioLine(line.toStdWString()).id;
        if (!view || !Act(*view, line.split(u' ', Qt::SkipEmptyParts), rest, id)) unplayable_ = QStringLiteral("a person cannot do: ") + line;
    }
}

bool Person::Act(TemplateView& view, const QStringList& words, const QString& rest, UINT id) {
    const QString& command = words[0];
    const auto count = [&](int word) { return words.size() > word ? words[word].toInt() : 1; };
    if (command == QStringLiteral("ok") || command == QStringLiteral("cancel") || command == QStringLiteral("help")) {
        const UINT id = command == QStringLiteral("ok") ? IDOK : command == QStringLiteral("cancel") ? IDCANCEL : ID_HELP;
        ClickControl(view.ControlWidget(id));
        return true;
    }
    if (command == QStringLiteral("close")) {
        view.close();
        return true;
    }
    if (command == QStringLiteral("key")) {
        // A key pressed where the focus is, as "Alt+V", "Tab" or "Space".
        const QKeyCombination combination = QKeySequence(words.value(1))[0];
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &view;
        QTest::keyClick(target, combination.key(), combination.keyboardModifiers());
        // An access key presses its button and lets it go a moment later, as a click would show it.
        if (combination.keyboardModifiers() & Qt::AltModifier) {
            const auto anyDown = [&view] {
                const auto buttons = view.findChildren<QAbstractButton*>();
                return std::any_of(buttons.cbegin(), buttons.cend(), [](QAbstractButton* b) { return b->isDown(); });
            };
            QDeadlineTimer deadline(5000);
            do QTest::qWait(20);
            while (anyDown() && !deadline.hasExpired());
        }
        return true;
    }
    if (command == QStringLiteral("keys")) {
        Keys(QApplication::focusWidget() ? QApplication::focusWidget() : &view, rest);
        return true;
    }
    QWidget* widget = view.ControlWidget(id);
    if (!widget) return false;
    QString text;
    Words(rest, 1, text);  // what follows the id
    if (command == QStringLiteral("click")) {
        ClickControl(widget);
    } else if (command == QStringLiteral("type") || command == QStringLiteral("append")) {
        QTest::keyClick(widget, command == QStringLiteral("type") ? Qt::Key_A : Qt::Key_End,
                        command == QStringLiteral("type") ? Qt::ControlModifier : Qt::NoModifier);
        Keys(widget, text);
    } else if (command == QStringLiteral("backspace")) {
        QTest::keyClick(widget, Qt::Key_End);
        for (int i = 0; i < count(2); ++i) QTest::keyClick(widget, Qt::Key_Backspace);
    } else if (command == QStringLiteral("clear")) {
        QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(widget, Qt::Key_Delete);
    } else if (command == QStringLiteral("paste")) {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
    } else if (command == QStringLiteral("spin")) {
        for (int i = 0; i < count(3); ++i) SpinControl(widget, words.value(2) == QStringLiteral("up"));
    } else if (command == QStringLiteral("select")) {
        if (auto* list = dynamic_cast<CheckListView*>(widget)) {
            const QModelIndex item = list->Model()->index(words.value(2).toInt());
            list->scrollTo(item);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualRect(item).center() + QPoint(20, 0));
        } else {
            PickInCombo(widget, words.value(2).toInt());
        }
    } else if (command == QStringLiteral("tick")) {
        auto* list = dynamic_cast<CheckListView*>(widget);
        if (!list) return false;
        const int item = words.value(2).toInt();
        list->scrollTo(list->Model()->index(item));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->TickRect(item).center());
    } else if (command == QStringLiteral("cell")) {
        auto* cells = dynamic_cast<CellListView*>(widget);
        if (!cells) return false;
        const int row = words.value(2).toInt(), column = words.value(3).toInt();
        cells->verticalScrollBar()->setValue(row * cells->verticalScrollBar()->singleStep());
        QTest::mouseClick(cells->viewport(), Qt::LeftButton, Qt::NoModifier, cells->CellRect(row, column).center());
    } else {
        return false;
    }
    return true;
}

}  // namespace desktoptest
