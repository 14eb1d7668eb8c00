// Test bench for dialogs: an engine that records its traffic, a host window that records the
// messages it gets, message boxes, colour dialogs, help and focus, and a scripted person who
// acts on the dialog through the same input entry points a person uses.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "companions/zemcst/qeldialog.h"
#include "companions/zemdcm/setcolordialog.h"
#include "companions/zemqel/corqel.h"
#include "framework/messages.h"
#include "framework/module.h"
#include "platform/dialog.h"
#include "platform/input.h"

namespace bench {

// One event as the host transcript would show it ("S …", "M info …", "W 2066 0 0 main", "F 1810").
using Events = std::vector<std::wstring>;

class Bench : public CCorQelListener,
              public CMessageBoxService,
              public CSetColorDialogPresenter,
              public CQelHelpService,
              public CWndObserver,
              public CModalPerson {
public:
    using Step = std::function<void(CDialog&)>;

    Bench();
    ~Bench() override;
    Bench(const Bench&) = delete;
    Bench& operator=(const Bench&) = delete;

    CCorQel engine, engine2;
    CWnd* parent() { return &parent_; }

    // Runs the dialog modally; the steps act on it in order (then the person stops).
    INT_PTR Run(CDialog& dialog, std::vector<Step> steps);
    // Steps for the next dialog that a dialog opens itself (nested run).
    void QueueSteps(std::vector<Step> steps) { steps_.push_back(std::move(steps)); }
    // The events since the last Take, and forgets them.
    Events Take();
    // Only the scripts sent to the engine since the last Take (without the "S " prefix).
    std::vector<std::wstring> Scripts();
    const Events& events() const { return events_; }
    void Clear() { events_.clear(); }
    bool recordQueries = false;

    // CCorQelListener
    void OnQuery(const CString& query, const CString& answer) override;
    void OnScript(const CString& script) override;
    void OnRedraw() override {}
    // CMessageBoxService
    int Show(const CString& text, const CString& caption, UINT type) override;
    // CSetColorDialogPresenter
    INT_PTR Run(CSetColorDialog& dialog) override;
    // CQelHelpService
    void ShowHelp(const CString& key) override;
    // CWndObserver
    void OnWndChanged(HWND window, WndChange change) override;
    // CModalPerson
    void OnBegin(CDialog& dialog) override;
    void Run(CDialog& dialog) override;
    void OnEnd(CDialog& dialog, INT_PTR result) override;

private:
    class HostWnd : public CWnd {
    public:
        HostWnd(Bench& bench, const wchar_t* target) : bench_(bench), target_(target) {}
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    private:
        Bench& bench_;
        const wchar_t* target_;
    };

    HostWnd main_{*this, L"main"}, parent_{*this, L"parent"};
    Events events_;
    std::vector<std::vector<Step>> steps_;  // one list per nested run
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

}  // namespace bench
