// SPDX-License-Identifier: BSD-3-Clause
// The host a benchmark runs in: two engines on the shipped default sky, the application's main
// window, and a person who acts on a modal dialog by running the benchmark's loop inside DoModal,
// so that the dialog stays open while it is measured.
#pragma once

#include <functional>
#include <string>

#include "companions/zemqel/corqel.h"
#include "framework/hostguard.h"
#include "platform/dialog.h"

namespace zembench {

CString DefaultSkyPath();

class Session : public CModalPerson {
public:
    using Act = std::function<void(CDialog&)>;

    Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Opens a dialog class of the module (by its class name) modally on the two engines; act runs
    // once the dialog has initialised, and the dialog closes without a result when act returns.
    // False when there is no such class.
    bool Open(const std::wstring& className, Act act);
    void Run(CDialog& dialog) override;

    CCorQel engine, engine2;

private:
    class MainWindow : public CWnd {
    public:
        LRESULT WindowProc(UINT, WPARAM, LPARAM) override { return 0; }
    };
    MainWindow main_, parent_;
    Act act_;
    zem::HostGuard guard_{{.mainWindow = &main_, .person = this, .engine = &engine, .engine2 = &engine2}};
};

}  // namespace zembench
