// SPDX-License-Identifier: BSD-3-Clause
#include "desktop/statecommands.h"

#include "companions/zemqel/corqel.h"

namespace {
void PutBack(CCorQel& engine, const std::wstring& state) {
    engine.Clear();
    engine.LoadState(CString(state));
    engine.Doit(L"Show Sky");
}
}  // namespace

ReplaceStateCommand::ReplaceStateCommand(const QString& text, CCorQel& engine, std::wstring before, std::wstring after)
    : QUndoCommand(text), engine_(engine), before_(std::move(before)), after_(std::move(after)) {}

void ReplaceStateCommand::redo() { PutBack(engine_, after_); }
void ReplaceStateCommand::undo() { PutBack(engine_, before_); }

ScriptCommand::ScriptCommand(const QString& text, CCorQel& engine, std::wstring before, std::wstring script)
    : QUndoCommand(text), engine_(engine), before_(std::move(before)), script_(std::move(script)) {}

void ScriptCommand::redo() { engine_.Doit(script_.c_str()); }
void ScriptCommand::undo() { PutBack(engine_, before_); }
