// SPDX-License-Identifier: BSD-3-Clause
// Display profiles: named sets of display settings, each kept as the engine's state (a property
// script) in a file of its own in the desktop's data folder ($XDG_DATA_HOME/zemd02/profiles), and
// replaced atomically, so that a crash leaves the old profile or the new one. What applying a
// profile changes is worked out here, and the one script that does it; a profile's text never
// adds a statement to that script.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

class CCorQel;

// One property applying a profile would change.
struct ProfileChange {
    QString path;    // as the profile spells it
    QString before;  // the engine's value now ("" when it has none)
    QString after;   // the profile's
};

// The properties of state (a whole state) whose values differ from what engine holds, in the
// state's order.
std::vector<ProfileChange> ProfileDifferences(const CCorQel& engine, const std::wstring& state);
// Between two states: what applying to would change in from.
std::vector<ProfileChange> ProfileDifferences(const std::wstring& from, const std::wstring& to);

// The script that makes the changes: their assignments in order, then "Show Sky". A value holding
// ';' or blanks at its ends is quoted; none when a value holds '"' or a path could be taken for
// something else, as the grammar has no way to carry them safely. Checked by running it on a
// scratch engine: it assigns exactly the changes and nothing else.
std::optional<std::wstring> ProfileScript(const std::vector<ProfileChange>& changes);

class ProfileStore {
public:
    // $XDG_DATA_HOME/zemd02/profiles (~/.local/share/zemd02/profiles).
    static QString DefaultFolder();

    explicit ProfileStore(QString folder) : folder_(std::move(folder)) {}
    const QString& Folder() const { return folder_; }

    // The first time (the folder is not there yet): each shipped profile, the default sky with the
    // changes of its file in shippedFolder, becomes a profile named as that file.
    void Seed(const QString& shippedFolder, const QString& defaultState) const;

    QStringList Names() const;
    bool Exists(const QString& name) const;
    // A profile's state; none, with the reason in error, when it is missing or unusable.
    std::optional<std::wstring> Read(const QString& name, QString* error = nullptr) const;

    // Each returns "" when done, else the reason, for the person.
    QString Write(const QString& name, const std::wstring& state) const;
    QString Rename(const QString& from, const QString& to) const;
    QString Remove(const QString& name) const;
    QString Export(const QString& name, const QString& file) const;
    // The file's state under name (replacing a profile of that name).
    QString Import(const QString& file, const QString& name) const;

    // Why a name cannot name a profile, or "".
    static QString NameProblem(const QString& name);
    // Why a text cannot be a profile (not a whole state, or a value no script can carry), or "".
    static QString StateProblem(const std::wstring& state);

    QString PathOf(const QString& name) const;

private:
    QString folder_;
};
