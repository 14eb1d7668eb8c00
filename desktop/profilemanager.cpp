// SPDX-License-Identifier: BSD-3-Clause
#include "desktop/profilemanager.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTreeWidget>
#include <QUndoStack>
#include <QVBoxLayout>
#include <map>

#include "companions/zemqel/corqel.h"
#include "desktop/bridges.h"
#include "desktop/dialogplacement.h"
#include "desktop/settingnames.h"
#include "desktop/skychange.h"

namespace {

const QString kTitle = QStringLiteral("表示プロファイル");
const QString kOthers = QStringLiteral("その他のプロパティ");

}  // namespace

// ---- the differences ---------------------------------------------------------------------------

ProfileDifferenceDialog::ProfileDifferenceDialog(const QString& name, const std::vector<ProfileChange>& changes, QWidget* parent)
    : QDialog(parent), list_(new QTreeWidget) {
    setWindowTitle(QStringLiteral("表示プロファイル「%1」の適用").arg(name));
    setObjectName(QStringLiteral("profileDifferences"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("「%1」を適用すると、次の %2 件の設定が変わります。").arg(name).arg(changes.size())));
    list_->setColumnCount(4);
    list_->setHeaderLabels({QStringLiteral("設定"), QStringLiteral("いま"), QStringLiteral("適用後"), QStringLiteral("プロパティ")});
    list_->setRootIsDecorated(true);
    list_->setUniformRowHeights(true);
    // By dialog, in the order the dialogs come; what no dialog controls comes last.
    std::map<QString, QTreeWidgetItem*> groups;
    std::vector<QTreeWidgetItem*> order;
    for (const ProfileChange& change : changes) {
        const SettingName* named = SettingNames::Get().Find(change.path);
        const QString group = named ? named->dialog : kOthers;
        QTreeWidgetItem*& top = groups[group];
        if (!top) {
            top = new QTreeWidgetItem({group});
            order.push_back(top);
        }
        new QTreeWidgetItem(top, {named ? named->Shown() : change.path, change.before, QStringLiteral("→ ") + change.after, change.path});
    }
    std::stable_partition(order.begin(), order.end(), [](QTreeWidgetItem* item) { return item->text(0) != kOthers; });
    for (QTreeWidgetItem* top : order) {
        list_->addTopLevelItem(top);
        top->setFirstColumnSpanned(true);
        top->setExpanded(true);
    }
    for (int column = 0; column < 4; ++column) list_->resizeColumnToContents(column);
    layout->addWidget(list_);
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(QStringLiteral("適用(&A)"), QDialogButtonBox::AcceptRole)->setObjectName(QStringLiteral("apply"));
    buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(720, 480);
}

// ---- the profiles ------------------------------------------------------------------------------

ProfilesDialog::ProfilesDialog(ProfileManager& manager, QWidget* parent) : QDialog(parent), manager_(manager), list_(new QListWidget) {
    setWindowTitle(kTitle);
    setObjectName(QStringLiteral("profiles"));
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_);
    auto* side = new QVBoxLayout;
    const auto button = [&](const QString& text, auto action) {
        auto* b = new QPushButton(text);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, action);
        side->addWidget(b);
        return b;
    };
    button(QStringLiteral("適用(&A)..."), [this] {
        if (!Selected().isEmpty()) manager_.Apply(Selected());
    });
    button(QStringLiteral("いまの設定を保存(&S)..."), [this] {
        manager_.AskSaveCurrent();
        Reload();
    });
    button(QStringLiteral("名前の変更(&R)..."), [this] {
        if (!Selected().isEmpty()) manager_.AskRename(Selected());
        Reload();
    });
    button(QStringLiteral("削除(&D)"), [this] {
        if (!Selected().isEmpty()) manager_.Remove(Selected());
        Reload();
    });
    side->addSpacing(12);
    button(QStringLiteral("書き出し(&E)..."), [this] {
        if (!Selected().isEmpty()) manager_.AskExport(Selected());
    });
    button(QStringLiteral("読み込み(&I)..."), [this] {
        manager_.AskImport();
        Reload();
    });
    side->addStretch();
    button(QStringLiteral("閉じる"), &QDialog::accept);
    layout->addLayout(side);
    connect(list_, &QListWidget::itemDoubleClicked, this, [this] { manager_.Apply(Selected()); });
    Reload();
}

QString ProfilesDialog::Selected() const { return list_->currentItem() ? list_->currentItem()->text() : QString(); }

void ProfilesDialog::Reload(const QString& select) {
    const QString keep = select.isEmpty() ? Selected() : select;
    list_->clear();
    list_->addItems(manager_.Store().Names());
    const auto found = list_->findItems(keep, Qt::MatchExactly);
    list_->setCurrentRow(found.isEmpty() ? 0 : list_->row(found.front()));
}

// ---- what a person does ------------------------------------------------------------------------

ProfileManager::ProfileManager(CCorQel& engine, QUndoStack& undo, QWidget* window)
    : QObject(window), engine_(engine), undo_(undo), window_(window), store_(ProfileStore::DefaultFolder()) {}

void ProfileManager::UseFolder(const QString& folder, const QString& shipped, const QString& defaultState) {
    store_ = ProfileStore(folder);
    store_.Seed(shipped, defaultState);
}

void ProfileManager::Fill(QMenu* menu) {
    connect(menu, &QMenu::aboutToShow, this, [this, menu] {
        menu->clear();
        menu->addAction(QStringLiteral("いまの設定を保存(&S)..."), this, &ProfileManager::AskSaveCurrent);
        menu->addSeparator();
        for (const QString& name : store_.Names()) menu->addAction(name + QStringLiteral("..."), this, [this, name] { Apply(name); });
        menu->addSeparator();
        menu->addAction(QStringLiteral("読み込み(&I)..."), this, &ProfileManager::AskImport);
        menu->addAction(QStringLiteral("管理(&M)..."), this, &ProfileManager::Manage);
    });
}

int ProfileManager::Run(QDialog& window, const QString& key) {
    if (placement_) {
        QWidget* opener = ModalParent(nullptr);
        if (!window.testAttribute(Qt::WA_Resized)) window.adjustSize();
        placement_->Place(window, opener, key, [&window](QSize size) { window.resize(size); });
    }
    const int result = ExecModal(window);
    if (placement_) placement_->Closed(window, key);
    return result;
}

bool ProfileManager::Done(const QString& problem) {
    if (!problem.isEmpty()) ShowInformation(window_, problem, QMessageBox::Warning);
    return problem.isEmpty();
}

bool ProfileManager::AskYes(const QString& question) {
    QMessageBox box(QMessageBox::Question, kTitle, question, QMessageBox::Yes | QMessageBox::No, ModalParent(window_));
    box.setDefaultButton(QMessageBox::No);
    return ExecModal(box) == QMessageBox::Yes;
}

std::optional<QString> ProfileManager::AskName(const QString& label, const QString& suggestion) {
    QInputDialog ask(ModalParent(window_));
    ask.setWindowTitle(kTitle);
    ask.setLabelText(label);
    ask.setTextValue(suggestion);
    if (ExecModal(ask) != QDialog::Accepted) return std::nullopt;
    return ask.textValue().trimmed();
}

std::optional<QString> ProfileManager::AskFile(bool save, const QString& suggestion) {
    // In the folder used last, else the person's documents.
    if (fileFolder_.isEmpty()) fileFolder_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!QFileInfo(fileFolder_).isDir()) fileFolder_ = QDir::homePath();
    QFileDialog ask(ModalParent(window_), kTitle, QDir(fileFolder_).filePath(suggestion), QStringLiteral("星空の設定 (*.qel)"));
    ask.setOption(QFileDialog::DontUseNativeDialog);
    ask.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    ask.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    ask.setDefaultSuffix(QStringLiteral("qel"));
    if (ExecModal(ask) != QDialog::Accepted || ask.selectedFiles().isEmpty()) return std::nullopt;
    fileFolder_ = QFileInfo(ask.selectedFiles().front()).absolutePath();
    return ask.selectedFiles().front();
}

bool ProfileManager::SaveCurrent(const QString& name) {
    if (!Done(ProfileStore::NameProblem(name))) return false;
    if (store_.Exists(name) && !AskYes(QStringLiteral("表示プロファイル「%1」をいまの設定で置き換えますか？").arg(name))) return false;
    return Done(store_.Write(name, engine_.SaveState().str()));
}

bool ProfileManager::Apply(const QString& name) {
    QString problem;
    const auto state = store_.Read(name, &problem);
    if (!state) return Done(problem);
    const std::vector<ProfileChange> changes = ProfileDifferences(engine_, *state);
    if (changes.empty()) {
        ShowInformation(window_, QStringLiteral("表示プロファイル「%1」は、いまの設定と同じです。").arg(name));
        return false;
    }
    const auto script = ProfileScript(changes);
    if (!script) return Done(QStringLiteral("表示プロファイル「%1」は設定として送れない値を含んでいます。").arg(name));
    ProfileDifferenceDialog differences(name, changes, ModalParent(window_));
    if (Run(differences, QStringLiteral("profileDifferences")) != QDialog::Accepted) return false;
    undo_.push(new SkyChangeCommand(QStringLiteral("表示プロファイル「%1」の適用").arg(name), engine_, engine_.SaveState().str(), SkyChangeCommand::Kind::Script, *script));
    return true;
}

bool ProfileManager::Rename(const QString& from, const QString& to) { return Done(store_.Rename(from, to)); }

bool ProfileManager::Remove(const QString& name) {
    if (!AskYes(QStringLiteral("表示プロファイル「%1」を削除しますか？").arg(name))) return false;
    return Done(store_.Remove(name));
}

bool ProfileManager::Export(const QString& name, const QString& file) { return Done(store_.Export(name, file)); }

bool ProfileManager::Import(const QString& file, const QString& name) {
    if (store_.Exists(name) && !AskYes(QStringLiteral("表示プロファイル「%1」を読み込んだ設定で置き換えますか？").arg(name))) return false;
    return Done(store_.Import(file, name));
}

void ProfileManager::AskSaveCurrent() {
    if (const auto name = AskName(QStringLiteral("いまの表示設定を保存する名前:"), QString())) SaveCurrent(*name);
}

void ProfileManager::AskRename(const QString& name) {
    if (const auto to = AskName(QStringLiteral("「%1」の新しい名前:").arg(name), name)) Rename(name, *to);
}

void ProfileManager::AskExport(const QString& name) {
    if (const auto file = AskFile(true, name + QStringLiteral(".qel"))) Export(name, *file);
}

void ProfileManager::AskImport() {
    const auto file = AskFile(false, QString());
    if (!file) return;
    if (const auto name = AskName(QStringLiteral("読み込んだ設定の名前:"), QFileInfo(*file).completeBaseName())) Import(*file, *name);
}

void ProfileManager::Manage() {
    ProfilesDialog profiles(*this, ModalParent(window_));
    Run(profiles, QStringLiteral("profiles"));
}
