// SPDX-License-Identifier: BSD-3-Clause
// Test bench for dialogs: the scenario host's own services record what crosses the module's
// boundary (the engines' traffic, message boxes, window messages, colour dialogs, help, focus) as
// transcript lines, and a scripted person acts on the dialog through the same input entry points
// a person uses.
#pragma once

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "companions/zemqel/corqel.h"
#include "framework/hostguard.h"
#include "host/services.h"
#include "host/transcript.h"
#include "platform/dialog.h"
#include "platform/input.h"

namespace bench {

// One event as the host transcript shows it ("S …", "M info …", "W 2066 0 0 main", "F 1810").
using Events = std::vector<std::wstring>;

class Bench : public CModalPerson {
public:
    using Step = std::function<void(CDialog&)>;

    Bench();
    Bench(const Bench&) = delete;
    Bench& operator=(const Bench&) = delete;

    bool recordQueries = false;  // set to see "Q …" lines
    CCorQel engine, engine2;
    CWnd* parent() { return &parent_; }
    // The engine as the shipped default sky leaves it.
    void LoadDefaultSky();

    // Runs the dialog modally; the steps act on it in order (then the person stops).
    INT_PTR Run(CDialog& dialog, std::vector<Step> steps);
    // Steps for the next dialog that a dialog opens itself (nested run).
    void QueueSteps(std::vector<Step> steps) { steps_.push_back(std::move(steps)); }
    // The events since the last Take, and forgets them.
    Events Take();
    // Only the scripts sent to the engine since the last Take (without the "S " prefix).
    std::vector<std::wstring> Scripts();
    // The default sky with changes (a property script), as the engine holds it before a dialog opens.
    void LoadSky(const std::wstring& changes = L"");
    const Events& events() const { return events_; }
    void Clear() { events_.clear(); }

    // CModalPerson
    void Run(CDialog& dialog) override;

private:
    Events events_;
    Transcript out_{[this](const std::wstring& line) { events_.push_back(line); }};
    EngineTraffic traffic_{out_, L"S", recordQueries}, traffic2_{out_, L"S2", recordQueries};
    HostServices services_{out_};
    HostWindow main_{out_, L"main"}, parent_{out_, L"parent"};
    std::vector<std::vector<Step>> steps_;  // one list per nested run
    zem::HostGuard guard_{{.mainWindow = &main_, .person = this, .engine = &engine, .engine2 = &engine2}};
};

// Shorthands for steps.
Bench::Step Click(UINT id);
Bench::Step Type(UINT id, const std::wstring& text);
Bench::Step Paste(UINT id, const std::wstring& text);
Bench::Step Spin(UINT id, bool up, int count = 1);
Bench::Step SpinRaw(UINT id, int delta);
Bench::Step Select(UINT id, int index);
Bench::Step Tick(UINT id, int item);
Bench::Step Cell(UINT id, int row, int column);
Bench::Step Ok();
Bench::Step Cancel();
// Any other look or action on the running dialog.
Bench::Step Do(std::function<void(CDialog&)> f);

// State of a control of a running dialog.
std::wstring TextOf(CDialog& dialog, UINT id);
bool Checked(CDialog& dialog, UINT id);
bool Enabled(CDialog& dialog, UINT id);

// Events told apart: the scripts sent (without "S "), and everything else.
struct Sent {
    std::vector<std::wstring> scripts;
    Events other;
};
Sent Split(const Events& events);

// The value a script assigns to path ("" when it does not), from a statement that begins with
// exactly that path.
std::wstring Value(const std::wstring& script, const std::wstring& path);
// The number of statements of a script about paths that begin with prefix.
int CountStatements(const std::wstring& script, const std::wstring& prefix);
// The engine state "PATH = VALUE;" for each pair.
CString State(std::initializer_list<std::pair<std::wstring, std::wstring>> pairs);

}  // namespace bench
