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
#include <QSortFilterProxyModel>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QUndoCommand>
#include <QUndoStack>
#include <QVBoxLayout>

#include "desktop/bridges.h"
#include "desktop/propertymodel.h"
#include "framework/module.h"
#include "host/classes.h"
#include "platform/textfile.h"

namespace {

QString Text(const std::wstring& text) { return QString::fromStdWString(text); }

// The engine's whole state replaced by another, then redrawn, so that the sky follows.
class ReplaceStateCommand : public QUndoCommand {
public:
    ReplaceStateCommand(CCorQel& engine, std::wstring before, std::wstring after)
        : QUndoCommand(QStringLiteral("既定の星空に戻す")), engine_(engine), before_(std::move(before)), after_(std::move(after)) {}
    void redo() override { Replace(after_); }
    void undo() override { Replace(before_); }

private:
    void Replace(const std::wstring& state) {
        engine_.Clear();
        engine_.LoadState(CString(state));
        engine_.Doit(L"Show Sky");
    }
    CCorQel& engine_;
    std::wstring before_, after_;
};

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
    properties_ = new PropertyModel(session_.Engine(), this);

    log_ = new QPlainTextEdit;
    log_->setObjectName(QStringLiteral("trafficLog"));
    log_->setReadOnly(true);
    log_->setLineWrapMode(QPlainTextEdit::NoWrap);
    log_->setMaximumBlockCount(20000);
    connect(&session_, &Session::Line, log_, &QPlainTextEdit::appendPlainText);
    auto* logDock = new QDockWidget(QStringLiteral("エンジンとのやりとり"), this);
    logDock->setObjectName(QStringLiteral("logDock"));
    logDock->setWidget(log_);
    addDockWidget(Qt::BottomDockWidgetArea, logDock);

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
    resize(960, 640);
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
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setColumnWidth(0, 340);
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

    QMenu* view = viewMenu_ = menuBar()->addMenu(QStringLiteral("表示(&V)"));
    for (QDockWidget* dock : findChildren<QDockWidget*>()) view->addAction(dock->toggleViewAction());
    QAction* queries = view->addAction(QStringLiteral("問い合わせも記録する(&Q)"));
    queries->setCheckable(true);
    queries->setChecked(session_.ShowQueries());
    connect(queries, &QAction::toggled, this, [this](bool on) { session_.SetShowQueries(on); });
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
    undo_->push(new ReplaceStateCommand(session_.Engine(), session_.Engine().SaveState().str(), shipped));
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
    }
    setCentralWidget(view);
}
