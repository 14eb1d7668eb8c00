// SPDX-License-Identifier: BSD-3-Clause
#include "desktop/skychange.h"

#include "companions/zemqel/corqel.h"

namespace {
void PutBack(CCorQel& engine, const std::wstring& state) {
    engine.Clear();
    engine.LoadState(CString(state));
    engine.Doit(L"Show Sky");
}
}  // namespace

SkyChangeCommand::SkyChangeCommand(const QString& text, CCorQel& engine, std::wstring before, Kind kind, std::wstring change)
    : QUndoCommand(text), engine_(engine), before_(std::move(before)), kind_(kind), change_(std::move(change)) {}

void SkyChangeCommand::redo() {
    if (kind_ == Kind::Script) engine_.Doit(change_.c_str());
    else PutBack(engine_, change_);
}

void SkyChangeCommand::undo() { PutBack(engine_, before_); }
