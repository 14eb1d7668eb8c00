// SPDX-License-Identifier: BSD-3-Clause
// A change of the whole sky that 編集 → 元に戻す takes back: it keeps the state before it and puts
// that back whole, then redraws, so that the sky follows either way.
#pragma once

#include <QUndoCommand>
#include <string>

class CCorQel;

class SkyChangeCommand : public QUndoCommand {
public:
    enum class Kind {
        State,   // the engine's state replaced by another (the default sky)
        Script,  // one script sent as a dialog sends its own (a profile applied)
    };
    SkyChangeCommand(const QString& text, CCorQel& engine, std::wstring before, Kind kind, std::wstring change);
    void redo() override;
    void undo() override;

private:
    CCorQel& engine_;
    std::wstring before_;
    Kind kind_;
    std::wstring change_;
};
