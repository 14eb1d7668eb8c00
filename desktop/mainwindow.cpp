// SPDX-License-Identifier: BSD-3-Clause
#include "desktop/mainwindow.h"

#include <QAction>
#include <QCheckBox>
#include <QDockWidget>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSettings>
#include <QSortFilterProxyModel>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QUndoStack>
#include <QVBoxLayout>

#include "desktop/bridges.h"
#include "desktop/propertymodel.h"
#include "desktop/skychange.h"
#include "framework/module.h"
#include "host/classes.h"
#include "platform/textfile.h"

namespace {

QString Text(const std::wstring& text) { return QString::fromStdWString(text); }

// The dialog's title from its template, for the menu.
QString DialogTitle(const DialogClass& cls, Session& session) {
    OpenOptions options;
    options.engine = &session.Engine();
    options.engine2 = &session.Engine2();
    options.parent = session.ParentTarget();
    const auto dialog = cls.make(options);
    const DialogTemplate* t = dialog ? AfxFindDialogTemplate(dialog->GetTemplateId()) : nullptr;
    return t && t->title ? Text(t->title) : Text(cls.name);
}

bool IsDetailDialog(const std::wstring& name) { return name == L"CDlgStarGsc" || name == L"CDlgStarUsnoA20"; }

}  // namespace

MainWindow::MainWindow(Session& session, QString defaultState, QWidget* parent)
    : QMainWindow(parent), session_(session), defaultState_(std::move(defaultState)) {
    setWindowTitle(QStringLiteral("zemd02 表示設定"));
    undo_ = new QUndoStack(this);
    night_ = std::make_unique<NightMode>();
    profiles_ = new ProfileManager(session_.Engine(), *undo_, this);
    placement_ = std::make_unique<DialogPlacement>(this, [this] { return sky_ ? sky_ : centralWidget(); });
    profiles_->SetPlacement(placement_.get());
    properties_ = new PropertyModel(session_.Engine(), this);

    log_ = new QPlainTextEdit;
    log_->setObjectName(QStringLiteral("trafficLog"));
    log_->setReadOnly(true);
    log_->setLineWrapMode(QPlainTextEdit::NoWrap);
    log_->setMaximumBlockCount(20000);
    connect(&session_, &Session::Line, log_, &QPlainTextEdit::appendPlainText);
    // The traffic is for those who look into the engine: hidden until asked for.
    logDock_ = new QDockWidget(QStringLiteral("エンジンとのやりとり"), this);
    logDock_->setObjectName(QStringLiteral("logDock"));
    logDock_->setWidget(log_);
    addDockWidget(Qt::BottomDockWidgetArea, logDock_);
    logDock_->hide();

    propertyPanel_ = BuildPropertyPanel();
    setCentralWidget(propertyPanel_);
    BuildActions();
    redrawSummary_ = new QLabel;
    statusBar()->addPermanentWidget(redrawSummary_);

    connect(&session_, &Session::Redrawn, this, &MainWindow::Redrawn);
    connect(&session_, &Session::ConstellationsApplied, this,
            [this] { statusBar()->showMessage(QStringLiteral("星座の設定が反映されました"), 5000); });
    connect(&session_, &Session::MissingData, this, [this](const QString& data, const QString& catalog) {
        ShowInformation(this, QStringLiteral("%1のデータ（%2）がインストールされていません。").arg(data, catalog));
    });
    // Until a size is kept: most of the screen, with room beside it for a small dialog.
    const QSize available = screen() ? screen()->availableGeometry().size() : QSize(1280, 800);
    resize(std::min(1200, available.width() * 7 / 10), std::min(800, available.height() * 8 / 10));
    night_->AddFurniture(this);
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::BuildPropertyPanel() {
    auto* panel = new QWidget;
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(4, 4, 4, 4);
    filter_ = new QLineEdit;
    filter_->setObjectName(QStringLiteral("propertyFilter"));
    filter_->setPlaceholderText(QStringLiteral("プロパティを絞り込む"));
    filter_->setClearButtonEnabled(true);
    filtered_ = new QSortFilterProxyModel(this);
    filtered_->setSourceModel(properties_);
    filtered_->setFilterCaseSensitivity(Qt::CaseInsensitive);
    filtered_->setFilterKeyColumn(-1);
    connect(filter_, &QLineEdit::textChanged, filtered_, &QSortFilterProxyModel::setFilterFixedString);
    table_ = new QTableView;
    table_->setObjectName(QStringLiteral("propertyTable"));
    table_->setModel(filtered_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->setVisible(false);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    // Dialog and setting first, then the value, then the path; the widths follow the table's so
    // that the value is always in sight.
    QHeaderView* header = table_->horizontalHeader();
    int place = 0;  // moveSection takes places on screen, not columns
    for (int column : {PropertyModel::kDialog, PropertyModel::kLabel, PropertyModel::kValue}) header->moveSection(header->visualIndex(column), place++);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setStretchLastSection(false);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setTextElideMode(Qt::ElideMiddle);
    table_->viewport()->installEventFilter(this);
    connect(filtered_, &QAbstractItemModel::modelReset, this, &MainWindow::FitPropertyColumns);
    connect(filtered_, &QAbstractItemModel::rowsInserted, this, &MainWindow::FitPropertyColumns);
    layout->addWidget(filter_);
    layout->addWidget(table_);
    return panel;
}

void MainWindow::BuildActions() {
    zem::ModuleLoad();  // the menu names each dialog by its template's title
    QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    reset_ = file->addAction(QStringLiteral("既定の星空に戻す(&R)..."), this, [this] { ResetToDefault(true); });
    file->addSeparator();
    file->addAction(QStringLiteral("終了(&X)"), QKeySequence::Quit, this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("編集(&E)"));
    QAction* undo = undo_->createUndoAction(this, QStringLiteral("元に戻す:"));
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = undo_->createRedoAction(this, QStringLiteral("やり直し:"));
    redo->setShortcut(QKeySequence::Redo);
    edit->addAction(undo);
    edit->addAction(redo);

    QMenu* dialogs = menuBar()->addMenu(QStringLiteral("ダイアログ(&D)"));
    QToolBar* toolbar = addToolBar(QStringLiteral("ダイアログ"));
    toolbar->setObjectName(QStringLiteral("dialogToolbar"));
    toolbar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bool details = false;
    // The module's class list decides: a dialog appears here as soon as the module has it.
    for (const std::wstring& name : ModuleClassNames()) {
        if (IsDetailDialog(name) && !details) {
            dialogs->addSeparator();
            toolbar->addSeparator();
            details = true;
        }
        const DialogClass* cls = FindDialogClass(name);
        const QString title = cls ? DialogTitle(*cls, session_) : Text(name) + QStringLiteral("（未搭載）");
        auto* action = new QAction(title + QStringLiteral("..."), this);
        action->setIconText(title);
        action->setStatusTip(Text(name));
        action->setEnabled(cls != nullptr);
        connect(action, &QAction::triggered, this, [this, name] { OpenDialog(name); });
        dialogs->addAction(action);
        if (cls) toolbar->addAction(action);
        dialogActions_[name] = action;
    }

    QMenu* profiles = menuBar()->addMenu(QStringLiteral("表示プロファイル(&P)"));
    profiles_->Fill(profiles);

    QMenu* view = viewMenu_ = menuBar()->addMenu(QStringLiteral("表示(&V)"));
    nightAction_ = view->addAction(QStringLiteral("夜間モード(&N)"));
    nightAction_->setObjectName(QStringLiteral("nightMode"));
    nightAction_->setCheckable(true);
    nightAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    nightAction_->setStatusTip(QStringLiteral("画面全体を暗い赤で表示し、暗さに慣れた目を守ります"));
    connect(nightAction_, &QAction::toggled, this, &MainWindow::SetNightMode);
    toolbar->addSeparator();
    toolbar->addAction(nightAction_);
    // The search box at the tool bar's end.
    auto* spacer = new QWidget;
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    toolbar->addWidget(spacer);
    search_ = new SettingsSearchBox;
    search_->setMaximumWidth(300);
    search_->onChosen = [this](const SettingName& setting) { OpenSetting(setting); };
    toolbar->addWidget(search_);
    view->addSeparator();
    QAction* log = logDock_->toggleViewAction();
    log->setText(QStringLiteral("エンジンとのやりとり(&L)"));
    view->addAction(log);
    QAction* queries = view->addAction(QStringLiteral("問い合わせも記録する(&Q)"));
    queries->setCheckable(true);
    queries->setChecked(session_.ShowQueries());
    connect(queries, &QAction::toggled, this, [this](bool on) { session_.SetShowQueries(on); });
    // The property table's dock is added with the sky; its toggle joins this menu then.
}

QAction* MainWindow::DialogAction(const std::wstring& className) const {
    const auto it = dialogActions_.find(className);
    return it == dialogActions_.end() ? nullptr : it->second;
}

bool MainWindow::OpenDialog(const std::wstring& className, OpenOptions options) {
    const DialogClass* cls = FindDialogClass(className);
    if (!cls) return false;
    options.engine = &session_.Engine();
    options.engine2 = &session_.Engine2();
    options.parent = session_.ParentTarget();
    const auto dialog = cls->make(options);
    dialog->DoModal();
    return true;
}

bool MainWindow::OpenSetting(const SettingName& setting) {
    placement_->HighlightNext(setting.control);
    const bool opened = OpenDialog(setting.dialogClass.toStdWString());
    placement_->HighlightNext(0);
    return opened;
}

void MainWindow::ResetToDefault(bool ask) {
    std::wstring shipped;
    if (!zem::ReadUtf8File(CString(defaultState_.toStdWString()), shipped)) {
        ShowInformation(this, QStringLiteral("既定の星空 %1 を読み込めません。").arg(defaultState_), QMessageBox::Warning);
        return;
    }
    if (ask) {
        QMessageBox box(QMessageBox::Question, windowTitle(),
                        QStringLiteral("星空の設定をすべて既定に戻しますか？\n「編集」の「元に戻す」で今の設定に戻せます。"),
                        QMessageBox::Yes | QMessageBox::No, this);
        box.setDefaultButton(QMessageBox::No);
        if (ExecModal(box) != QMessageBox::Yes) return;
    }
    undo_->push(new SkyChangeCommand(QStringLiteral("既定の星空に戻す"), session_.Engine(), session_.Engine().SaveState().str(), SkyChangeCommand::Kind::State, shipped));
}

void MainWindow::StateLoaded() { properties_->Reload(); }

void MainWindow::Redrawn() {
    properties_->Redrawn();
    const int changed = static_cast<int>(properties_->Changed().size());
    redrawSummary_->setText(QStringLiteral("再描画: %1 件のプロパティが変わりました").arg(changed));
}

void MainWindow::SetSkyView(QWidget* view) {
    if (!view) return;
    if (!propertyDock_) {
        takeCentralWidget();
        propertyDock_ = new QDockWidget(QStringLiteral("プロパティ"), this);
        propertyDock_->setObjectName(QStringLiteral("propertyDock"));
        propertyDock_->setWidget(propertyPanel_);
        addDockWidget(Qt::RightDockWidgetArea, propertyDock_);
        // Room for a dialog's title, a setting's label, the value and the path.
        resizeDocks({propertyDock_}, {380}, Qt::Horizontal);
        QAction* properties = propertyDock_->toggleViewAction();
        properties->setText(QStringLiteral("プロパティ(&P)"));
        viewMenu_->insertAction(logDock_->toggleViewAction(), properties);
    }
    setCentralWidget(view);
    sky_ = view;
    night_->AddPicture(view);
    night_->AddFurniture(this);
}

void MainWindow::UseFolders(const QString& configFolder, const QString& dataFolder) {
    profiles_->UseFolder(ProfileStore::DefaultFolder(), dataFolder + QStringLiteral("/profiles"), defaultState_);
    settingsFile_ = configFolder + QStringLiteral("/desktop.ini");
    placement_->SetSettingsFile(settingsFile_);
    QSettings settings(settingsFile_, QSettings::IniFormat);
    nightAction_->setChecked(settings.value(QStringLiteral("nightMode"), false).toBool());
}

void MainWindow::KeepNothing() {
    settingsFile_.clear();
    placement_->KeepNothing();
}

void MainWindow::SetNightMode(bool on) {
    night_->SetOn(on);
    if (!settingsFile_.isEmpty()) QSettings(settingsFile_, QSettings::IniFormat).setValue(QStringLiteral("nightMode"), on);
    // Colours chosen in code follow at the next paint.
    table_->viewport()->update();
}

void MainWindow::FitToScreen() {
    const QScreen* s = screen();
    if (!s) return;
    const QRect available = s->availableGeometry();
    const QRect frame = frameGeometry(), inner = geometry();
    const QMargins margins(inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(), frame.bottom() - inner.bottom());
    if (available.contains(frame)) return;
    const QSize room = available.size().shrunkBy(margins);
    if (inner.width() > room.width() || inner.height() > room.height()) resize(size().boundedTo(room).expandedTo(minimumSizeHint().boundedTo(room)));
    const QRect now = frameGeometry();
    const int x = std::clamp(now.left(), available.left(), std::max(available.left(), available.right() + 1 - now.width()));
    const int y = std::clamp(now.top(), available.top(), std::max(available.top(), available.bottom() + 1 - now.height()));
    move(x, y);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    FitToScreen();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table_->viewport() && event->type() == QEvent::Resize) FitPropertyColumns();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::FitPropertyColumns() {
    // The value takes what it needs up to a third, the dialog's title up to a fifth; the setting's
    // label and the path share the rest, elided in the middle when narrow.
    const int width = table_->viewport()->width();
    if (width <= 0) return;
    const QFontMetrics metrics(table_->font());
    const int rows = std::min(filtered_->rowCount(), 400);
    const auto want = [&](int column, int cap) {
        int widest = table_->horizontalHeader()->sectionSizeHint(column);
        for (int row = 0; row < rows && widest < cap; ++row)
            widest = std::max(widest, metrics.horizontalAdvance(filtered_->index(row, column).data().toString()) + 12);
        return std::min(cap, widest);
    };
    const int value = want(PropertyModel::kValue, width / 3);
    const int dialog = want(PropertyModel::kDialog, width / 5);
    const int rest = std::max(0, width - value - dialog);
    const int label = std::min(want(PropertyModel::kLabel, rest / 2), rest / 2);
    table_->setColumnWidth(PropertyModel::kValue, value);
    table_->setColumnWidth(PropertyModel::kDialog, dialog);
    table_->setColumnWidth(PropertyModel::kLabel, label);
    table_->setColumnWidth(PropertyModel::kPath, rest - label);
}
