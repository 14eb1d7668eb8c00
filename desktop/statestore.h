// SPDX-License-Identifier: BSD-3-Clause
// The engine's state between runs: one property script in the program's config folder
// ($XDG_CONFIG_HOME/zemd02, else ~/.config/zemd02), loaded at start and written after every change
// through the engine's own atomic save.
#pragma once

#include <QString>

#include "companions/zemqel/corqel.h"

class StateStore {
public:
    // The folder that holds the state: $XDG_CONFIG_HOME/zemd02 by default.
    static QString DefaultFolder();

    explicit StateStore(QString folder) : folder_(std::move(folder)) {}
    QString Folder() const { return folder_; }
    QString StatePath() const;

    struct Loaded {
        bool fromSaved = false;  // the saved state, else the shipped default sky
        QString setAside;        // where a damaged saved state was moved, when it was
        bool ok = true;          // false when not even the default sky could be read
    };
    // Loads the saved state into engine, else the default sky from defaultState. A saved state that
    // cannot be read as a property script is set aside beside it and the default sky loaded.
    Loaded Load(CCorQel& engine, const QString& defaultState) const;
    bool Save(const CCorQel& engine) const;

    // Whether text reads as a whole state: every statement understood, at least one property.
    static bool IsCompleteState(const std::wstring& text);

private:
    QString folder_;
};
