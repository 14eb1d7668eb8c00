// SPDX-License-Identifier: BSD-3-Clause
// Changes of the whole sky that 編集 → 元に戻す takes back: each keeps the state before it and puts
// it back whole, then redraws, so that the sky follows either way.
#pragma once

#include <QUndoCommand>
#include <string>

class CCorQel;

// The engine's state replaced by another (the default sky).
class ReplaceStateCommand : public QUndoCommand {
public:
    ReplaceStateCommand(const QString& text, CCorQel& engine, std::wstring before, std::wstring after);
    void redo() override;
    void undo() override;

private:
    CCorQel& engine_;
    std::wstring before_, after_;
};

// One script sent to the engine as a dialog sends its own (a profile applied).
class ScriptCommand : public QUndoCommand {
public:
    ScriptCommand(const QString& text, CCorQel& engine, std::wstring before, std::wstring script);
    void redo() override;
    void undo() override;

private:
    CCorQel& engine_;
    std::wstring before_, script_;
};
