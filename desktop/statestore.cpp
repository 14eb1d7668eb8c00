// SPDX-License-Identifier: BSD-3-Clause
#include "desktop/statestore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "platform/textfile.h"

namespace {
CString Path(const QString& path) { return CString(path.toStdWString()); }
}  // namespace

QString StateStore::DefaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/zemd02");
}

QString StateStore::StatePath() const { return folder_ + QStringLiteral("/sky.qel"); }

bool StateStore::IsCompleteState(const std::wstring& text) {
    // A byte that was not UTF-8 reads as U+FFFD; the engine never writes one of its own.
    if (text.find(L'\uFFFD') != std::wstring::npos) return false;
    CCorQel scratch;
    return scratch.LoadState(CString(text)) == 0 && scratch.GetPropertyCount() > 0;
}

StateStore::Loaded StateStore::Load(CCorQel& engine, const QString& defaultState) const {
    Loaded loaded;
    const QString saved = StatePath();
    if (QFileInfo::exists(saved)) {
        std::wstring text;
        if (zem::ReadUtf8File(Path(saved), text) && IsCompleteState(text)) {
            engine.Clear();
            engine.LoadState(CString(text));
            loaded.fromSaved = true;
            return loaded;
        }
        // Kept for the person to look at, out of the way of the next save.
        QString aside = saved + QStringLiteral(".damaged");
        if (QFileInfo::exists(aside))
            aside += QStringLiteral("-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
        if (QFile::rename(saved, aside)) loaded.setAside = aside;
        else loaded.setAside = saved;
    }
    engine.Clear();
    loaded.ok = engine.LoadStateFile(Path(defaultState));
    return loaded;
}

bool StateStore::Save(const CCorQel& engine) const {
    if (!QDir().mkpath(folder_)) return false;
    return engine.SaveStateFile(Path(StatePath()));
}
