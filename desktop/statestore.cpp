// SPDX-License-Identifier: BSD-3-Clause
#include "desktop/statestore.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "desktop/store/configfolder.h"
#include "desktop/store/savedstate.h"
#include "platform/wholefile.h"

namespace {

QString Why(store::StateVerdict verdict) {
    switch (verdict) {
        case store::StateVerdict::NotUtf8: return QStringLiteral("UTF-8 として読めない部分があります");
        case store::StateVerdict::NoClosingLine:
            return QStringLiteral("最後の行（文の数とチェックサム）がないか、中身と合いません。途中で切れたか、書き換えられたファイルです");
        case store::StateVerdict::WrongCount: return QStringLiteral("最後の行の文の数が中身と合いません");
        case store::StateVerdict::NotUnderstood: return QStringLiteral("読めない文があります");
        case store::StateVerdict::Whole: break;
    }
    return {};
}

}  // namespace

QString StateStore::DefaultFolder() { return QFile::decodeName(QByteArray::fromStdString(store::DefaultConfigFolder())); }

QString StateStore::StatePath() const { return folder_ + QStringLiteral("/sky.qel"); }

StateStore::Loaded StateStore::Load(CCorQel& engine, const QString& defaultState, bool setAside) const {
    Loaded loaded;
    const QString saved = StatePath();
    const store::ConfigFile file = store::ReadConfigFile(QFile::encodeName(saved).toStdString(), store::kMaxStateBytes);
    switch (file.result) {
        case store::ReadResult::Missing: break;
        case store::ReadResult::Read: {
            const store::StateVerdict verdict = store::LoadSealedState(file.bytes, engine);
            if (verdict == store::StateVerdict::Whole) {
                loaded.fromSaved = true;
                return loaded;
            }
            loaded.problem = Why(verdict);
            break;
        }
        case store::ReadResult::TooLarge:
            loaded.problem = QStringLiteral("%1 バイトあり、16 MiB を超えています").arg(file.size);
            break;
        case store::ReadResult::NotAFile: loaded.problem = QStringLiteral("通常のファイルではありません"); break;
        case store::ReadResult::Unreadable: loaded.problem = QString::fromLocal8Bit(std::strerror(file.error)); break;
        case store::ReadResult::BadLink:
            // Not ours to move or replace: the person made the link.
            loaded.problem = QStringLiteral("ファイルを指していないシンボリックリンクです");
            setAside = false;
            break;
    }
    if (!loaded.problem.isEmpty()) {
        loaded.setAside = saved;
        // Kept for the person to look at, out of the way of the next save.
        QString aside = saved + QStringLiteral(".damaged");
        if (QFileInfo::exists(aside) || QFileInfo(aside).isSymLink())
            aside += QStringLiteral("-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
        if (setAside && QFile::rename(saved, aside)) loaded.setAside = aside;
    }
    engine.Clear();
    loaded.ok = engine.LoadStateFile(CString(defaultState.toStdWString()));
    return loaded;
}

bool StateStore::Save(const std::string& sealed) const {
    std::error_code ec;
    std::filesystem::create_directories(QFile::encodeName(folder_).toStdString(), ec);
    if (ec) {
        errno = ec.value();
        return false;
    }
    return zem::WriteFileAtomically(QFile::encodeName(StatePath()).toStdString(), sealed);
}
