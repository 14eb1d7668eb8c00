// SPDX-License-Identifier: BSD-3-Clause
#include "desktop/persistence.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QStatusBar>
#include <QTimer>
#include <cerrno>
#include <cstring>

#include "desktop/bridges.h"
#include "desktop/store/configfolder.h"
#include "desktop/store/savedstate.h"

namespace {

std::string Native(const QString& path) { return QFile::encodeName(path).toStdString(); }

// What a failed save's errno means to the person.
QString Reason(int error) {
    switch (error) {
        case EACCES:
        case EPERM: return QStringLiteral("書き込みの権限がありません");
        case ENOSPC:
        case EDQUOT: return QStringLiteral("ディスクに空きがありません");
        case EROFS: return QStringLiteral("読み取り専用のファイルシステムです");
        case ENOENT: return QStringLiteral("保存先がありません（リンク先のないシンボリックリンクか、消えたフォルダー）");
        case EISDIR: return QStringLiteral("保存先がフォルダーです");
        case EINVAL: return QStringLiteral("保存先が通常のファイルではありません");
        default: return QString::fromLocal8Bit(std::strerror(error));
    }
}

QString RegistryProblem(store::ReadResult result) {
    switch (result) {
        case store::ReadResult::TooLarge: return QStringLiteral("1 MiB を超えているため");
        case store::ReadResult::BadLink: return QStringLiteral("ファイルを指していないシンボリックリンクのため");
        case store::ReadResult::NotAFile: return QStringLiteral("通常のファイルではないため");
        case store::ReadResult::Unreadable: return QStringLiteral("読めないため");
        case store::ReadResult::Read:
        case store::ReadResult::Missing: break;
    }
    return {};
}

}  // namespace

Persistence::Persistence(QString folder, CCorQel& engine, QMainWindow* window)
    : store_(std::move(folder)), engine_(engine), window_(window) {
    if (window) window->installEventFilter(this);
}

Persistence::~Persistence() {
    if (window_) window_->removeEventFilter(this);
}

void Persistence::Start(const QString& defaultState) {
    const std::string folder = Native(store_.Folder());
    const bool writer = lock_.Take(folder);
    // Only the writer may clear: another program's save may be under way.
    if (writer) store::RemoveStrayTemporaries(folder, {"sky.qel", "registry.ini"});
    loaded_ = store_.Load(engine_, defaultState, writer);
    onDisk_ = store::SealState(engine_);

    QStringList notices;
    if (!loaded_.problem.isEmpty()) {
        QString notice = QStringLiteral("保存されていた星空の設定を読み込めなかったため、既定の星空を読み込みました。\n\n理由: %1\n").arg(loaded_.problem);
        if (loaded_.setAside != store_.StatePath())
            notice += QStringLiteral("読めなかったファイルは %1 に移してあります。").arg(loaded_.setAside);
        else if (QFileInfo(loaded_.setAside).isSymLink())
            notice += QStringLiteral("リンク %1 は置き換えません。直すか取り除いてください。").arg(loaded_.setAside);
        else
            notice += QStringLiteral("読めなかったファイル %1 はそのままにしてあります。").arg(loaded_.setAside);
        notices << notice;
    }
    if (!loaded_.ok) notices << QStringLiteral("既定の星空 %1 も読み込めませんでした。").arg(defaultState);
    const QString registry = store_.RegistryPath();
    if (const QString problem = RegistryProblem(store::LoadRegistryFile(Native(registry))); !problem.isEmpty())
        notices << QStringLiteral("%1 は%2読み込みませんでした。").arg(registry, problem);
    if (!writer) ShowReadOnly();
    if (!notices.isEmpty() && window_) {
        const QString text = notices.join(QStringLiteral("\n\n"));
        QTimer::singleShot(0, window_, [this, text] { ShowInformation(window_, text, QMessageBox::Warning); });
    }
}

void Persistence::ShowReadOnly() {
    if (!window_) return;
    window_->setWindowTitle(window_->windowTitle() + QStringLiteral("（読み取り専用）"));
    const QString who = lock_.Holder() > 0 ? QStringLiteral("別の zemd02（プロセス %1）").arg(lock_.Holder()) : QStringLiteral("別の zemd02");
    auto* label = new QLabel(QStringLiteral("読み取り専用: %1 がこの設定フォルダーを使っているため、変更は保存されません").arg(who));
    label->setObjectName(QStringLiteral("readOnlyStatus"));
    window_->statusBar()->insertPermanentWidget(0, label);  // not hidden by passing messages
}

bool Persistence::SaveNow(bool tell) {
    if (ReadOnly()) return false;
    std::string sealed = store::SealState(engine_);
    const bool ok = store_.Save(sealed);
    const int error = errno;
    if (ok) onDisk_ = std::move(sealed);
    if (tell) Tell(ok, error);
    else failing_ = !ok;
    lastError_ = ok ? 0 : error;
    emit Saved(++saves_, ok);
    return ok;
}

bool Persistence::Unsaved() const { return store::SealState(engine_) != onDisk_; }

// Once when saving stops working, once when it works again: never at every change.
void Persistence::Tell(bool ok, int error) {
    if (ok == !failing_) return;
    failing_ = !ok;
    if (!window_) return;
    if (!ok) {
        ShowInformation(window_,
                        QStringLiteral("星空の設定を保存できませんでした。\n\n保存先: %1\n理由: %2\n\n"
                                       "フォルダーに書き込めるようにするか、ディスクの空きを確かめてください。"
                                       "変更はこのプログラムが覚えていて、次に設定を変えたときと終了するときにもう一度保存します。")
                            .arg(store_.StatePath(), Reason(error)),
                        QMessageBox::Warning);
    } else {
        ShowInformation(window_, QStringLiteral("星空の設定をまた保存できるようになりました。\n\n保存先: %1\n\n保存できなかった変更もすべて保存しました。")
                                     .arg(store_.StatePath()));
    }
}

bool Persistence::MayClose() {
    if (!ReadOnly() && Unsaved()) SaveNow(false);  // the last try
    if (!Unsaved()) return true;
    const QString text =
        ReadOnly() ? QStringLiteral("このウィンドウは読み取り専用で開いているため（この設定フォルダーは別の zemd02 が使っています）、"
                                    "星空の設定の変更は保存されません。\n\n終了すると、変更は失われます。終了しますか？")
                   : QStringLiteral("星空の設定の変更を保存できません。\n\n保存先: %1\n理由: %2\n\n"
                                    "終了すると、保存できなかった変更は失われます。終了しますか？")
                         .arg(store_.StatePath(), Reason(lastError_));
    QMessageBox box(QMessageBox::Question, window_->windowTitle(), text, QMessageBox::Yes | QMessageBox::No, window_);
    box.setDefaultButton(QMessageBox::No);
    return ExecModal(box) == QMessageBox::Yes;
}

bool Persistence::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::Close && !MayClose()) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
