// SPDX-License-Identifier: BSD-3-Clause
// The live changes the benchmarks measure: for each dialog, one change per kind of control a
// person acts on, driven through the platform's input entry points. zemd02-bench times them with
// their floor; zemd02-skybench from the click to the sky's repaint.
#pragma once

#include <functional>
#include <vector>

#include "platform/dialog.h"
#include "platform/input.h"

namespace zembench {

// One person's action; odd alternates it (check and uncheck, up and down, erase and retype), so
// that every iteration is a real change and the dialog comes back to where it started.
using Action = std::function<InputResult(CDialog&, bool odd)>;

struct Change {
    const char* name;
    Action act;
    std::vector<UINT> checked;  // boxes and radios clicked first where unchecked, to make it live
};

struct DialogCase {
    const wchar_t* className;
    std::vector<Change> changes;
};

// Every dialog in the order of the host's class table.
const std::vector<DialogCase>& Cases();

// Clicks the boxes the change needs ticked, so that its control is live.
void MakeLive(CDialog& dialog, const Change& change);

}  // namespace zembench
