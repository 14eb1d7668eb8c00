// SPDX-License-Identifier: BSD-3-Clause
#include "desktop/profiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "companions/zemqel/corqel.h"
#include "desktop/store/configfolder.h"
#include "platform/textfile.h"
#include "platform/wholefile.h"

namespace {

constexpr const char* kSuffix = ".qel";

std::optional<std::wstring> ReadText(const QString& path) {
    std::wstring text;
    if (!zem::ReadUtf8File(CString(path.toStdWString()), text)) return std::nullopt;
    return text;
}

bool WriteText(const QString& path, const std::wstring& text) {
    return zem::WriteFileAtomically(QFile::encodeName(path).toStdString(), QString::fromStdWString(text).toUtf8().toStdString());
}

// A profile's file name: its name, with what a file name cannot hold (and '%' itself, and a
// leading '.') written as %XX of its UTF-8 bytes.
QString FileName(const QString& name) {
    const QByteArray bytes = name.toUtf8();
    QByteArray out;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x20 || c == 0x7F || c == '%' || c == '/' || c == '\\' || (i == 0 && c == '.'))
            out += '%' + QByteArray::number(c, 16).rightJustified(2, '0').toUpper();
        else
            out += static_cast<char>(c);
    }
    return QString::fromUtf8(out) + QLatin1String(kSuffix);
}

QString NameOf(const QString& fileName) { return QString::fromUtf8(QByteArray::fromPercentEncoding(fileName.chopped(4).toUtf8())); }

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\v' || c == L'\f'; }

// The statement that assigns value to path, or none when the grammar cannot carry it.
std::optional<std::wstring> Statement(const std::wstring& path, const std::wstring& value) {
    if (path.empty() || path.front() == L'?' || path.find_first_of(L"\";=") != std::wstring::npos) return std::nullopt;
    if (value.find(L'"') != std::wstring::npos) return std::nullopt;
    const bool quote = value.find(L';') != std::wstring::npos || (!value.empty() && (IsBlank(value.front()) || IsBlank(value.back())));
    return path + L" = " + (quote ? L"\"" + value + L"\"" : value) + L";";
}

}  // namespace

std::vector<ProfileChange> ProfileDifferences(const CCorQel& engine, const std::wstring& state) {
    CCorQel profile;
    profile.LoadState(CString(state));
    std::vector<ProfileChange> changes;
    for (const auto& [path, value] : profile.GetProperties()) {
        const CString now = engine.Peek(path);
        if (now.str() != value.str())
            changes.push_back({QString::fromStdWString(path.str()), QString::fromStdWString(now.str()), QString::fromStdWString(value.str())});
    }
    return changes;
}

std::vector<ProfileChange> ProfileDifferences(const std::wstring& from, const std::wstring& to) {
    CCorQel engine;
    engine.LoadState(CString(from));
    return ProfileDifferences(engine, to);
}

std::optional<std::wstring> ProfileScript(const std::vector<ProfileChange>& changes) {
    std::wstring script;
    for (const ProfileChange& change : changes) {
        const auto statement = Statement(change.path.toStdWString(), change.after.toStdWString());
        if (!statement) return std::nullopt;
        script += *statement;
    }
    script += L"Show Sky";
    // Run as state on a scratch engine, the script must make exactly these assignments.
    CCorQel check;
    if (check.LoadState(CString(script)) != 0 || check.GetPropertyCount() != changes.size()) return std::nullopt;
    for (const ProfileChange& change : changes)
        if (check.Peek(CString(change.path.toStdWString())).str() != change.after.toStdWString()) return std::nullopt;
    return script;
}

QString ProfileStore::DefaultFolder() {
    // By the same XDG rules as the config folder.
    return QFile::decodeName(QByteArray::fromStdString(store::XdgBaseFolder("XDG_DATA_HOME", ".local/share"))) + QStringLiteral("/zemd02/profiles");
}

QString ProfileStore::PathOf(const QString& name) const { return folder_ + u'/' + FileName(name); }

void ProfileStore::Seed(const QString& shippedFolder, const QString& defaultState) const {
    if (QFileInfo::exists(folder_) || !QDir().mkpath(folder_)) return;
    const QDir shipped(shippedFolder);
    for (const QString& file : shipped.entryList({QStringLiteral("*.qel")}, QDir::Files, QDir::Name)) {
        CCorQel sky;
        if (!sky.LoadStateFile(CString(defaultState.toStdWString())) || !sky.LoadStateFile(CString(shipped.filePath(file).toStdWString())))
            continue;
        Write(NameOf(file), sky.SaveState().str());
    }
}

QStringList ProfileStore::Names() const {
    QStringList names;
    // Only whole profiles: a save cut short leaves a stray "NAME.qel.tmp.*" at most.
    for (const QString& file : QDir(folder_).entryList({QStringLiteral("*.qel")}, QDir::Files))
        if (file.endsWith(QLatin1String(kSuffix))) names << NameOf(file);
    names.sort(Qt::CaseInsensitive);
    return names;
}

bool ProfileStore::Exists(const QString& name) const { return QFileInfo::exists(PathOf(name)); }

std::optional<std::wstring> ProfileStore::Read(const QString& name, QString* error) const {
    const auto text = ReadText(PathOf(name));
    QString problem = text ? StateProblem(*text) : QStringLiteral("表示プロファイル「%1」を読み込めません。").arg(name);
    if (problem.isEmpty()) return text;
    if (error) *error = problem;
    return std::nullopt;
}

QString ProfileStore::Write(const QString& name, const std::wstring& state) const {
    if (QString problem = NameProblem(name); !problem.isEmpty()) return problem;
    if (QString problem = StateProblem(state); !problem.isEmpty()) return problem;
    if (!QDir().mkpath(folder_) || !WriteText(PathOf(name), state))
        return QStringLiteral("表示プロファイル「%1」を %2 に保存できませんでした。").arg(name, folder_);
    return {};
}

QString ProfileStore::Rename(const QString& from, const QString& to) const {
    if (QString problem = NameProblem(to); !problem.isEmpty()) return problem;
    if (from == to) return {};
    if (Exists(to)) return QStringLiteral("表示プロファイル「%1」はすでにあります。").arg(to);
    // A rename that does not replace: the profile is under one name or the other, never both or none.
    if (!QFile::rename(PathOf(from), PathOf(to))) return QStringLiteral("表示プロファイル「%1」の名前を変えられませんでした。").arg(from);
    return {};
}

QString ProfileStore::Remove(const QString& name) const {
    if (!QFile::remove(PathOf(name))) return QStringLiteral("表示プロファイル「%1」を削除できませんでした。").arg(name);
    return {};
}

QString ProfileStore::Export(const QString& name, const QString& file) const {
    QString error;
    const auto state = Read(name, &error);
    if (!state) return error;
    if (!WriteText(file, *state)) return QStringLiteral("%1 に書き出せませんでした。").arg(file);
    return {};
}

QString ProfileStore::Import(const QString& file, const QString& name) const {
    const auto text = ReadText(file);
    if (!text) return QStringLiteral("%1 を読み込めません。").arg(file);
    if (QString problem = StateProblem(*text); !problem.isEmpty()) return QStringLiteral("%1 は読み込めません: %2").arg(file, problem);
    return Write(name, *text);
}

QString ProfileStore::NameProblem(const QString& name) {
    if (name.trimmed().isEmpty()) return QStringLiteral("表示プロファイルの名前がありません。");
    if (name != name.trimmed()) return QStringLiteral("表示プロファイルの名前の前後に空白は使えません。");
    if (FileName(name).toUtf8().size() > 200) return QStringLiteral("表示プロファイルの名前が長すぎます。");
    return {};
}

QString ProfileStore::StateProblem(const std::wstring& state) {
    // Every statement understood, at least one property; a byte that was not UTF-8 reads as
    // U+FFFD, which the engine never writes.
    CCorQel engine;
    if (state.find(L'\uFFFD') != std::wstring::npos || engine.LoadState(CString(state)) != 0 || engine.GetPropertyCount() == 0)
        return QStringLiteral("星空の設定として読めない行があります。");
    for (const auto& [path, value] : engine.GetProperties())
        if (!Statement(path.str(), value.str()))
            return QStringLiteral("%1 の値 %2 は設定として送れません（\" を含むか、名前が ? で始まります）。")
                .arg(QString::fromStdWString(path.str()), QString::fromStdWString(value.str()));
    return {};
}
