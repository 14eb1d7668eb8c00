// SPDX-License-Identifier: BSD-3-Clause
// The engine's state between runs: one property script in the program's config folder
// ($XDG_CONFIG_HOME/zemd02, else ~/.config/zemd02), loaded at start and written after every
// change, atomically and with the closing line that proves it whole (store/savedstate.h).
#pragma once

#include <QString>
#include <string>

#include "companions/zemqel/corqel.h"

class StateStore {
public:
    // The folder that holds the state: $XDG_CONFIG_HOME/zemd02 by default (when that is absolute).
    static QString DefaultFolder();

    explicit StateStore(QString folder) : folder_(std::move(folder)) {}
    QString Folder() const { return folder_; }
    QString StatePath() const;
    // Registry values the module reads (the star dialog's "Default" section) may be set here.
    QString RegistryPath() const { return folder_ + QStringLiteral("/registry.ini"); }

    struct Loaded {
        bool fromSaved = false;  // the saved state, else the shipped default sky
        QString setAside;        // where a saved state that was not whole was moved, when it was
        QString problem;         // why the saved state was not loaded, for the person; empty when it was
        bool ok = true;          // false when not even the default sky could be read
    };
    // Loads the saved state into engine when it is whole, else the default sky from defaultState.
    // A saved state that is not whole (damaged, cut short, too large) is set aside beside it, unless
    // setAside is false (a program that may not write); a link to no file is left as it is.
    Loaded Load(CCorQel& engine, const QString& defaultState, bool setAside = true) const;
    // Writes the whole state; false, with errno saying why, when it could not be written.
    bool Save(const std::string& sealed) const;

private:
    QString folder_;
};
