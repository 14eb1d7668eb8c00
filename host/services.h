// SPDX-License-Identifier: BSD-3-Clause
// The host application's side of the module's boundary: its windows, the engines' traffic, the
// message boxes, the colour dialog, Help and the focus, each written to the transcript.
#pragma once

#include "companions/zemcst/qeldialog.h"
#include "companions/zemdcm/setcolordialog.h"
#include "companions/zemqel/corqel.h"
#include "host/transcript.h"

// A window of the host: the application's main window or a dialog's parent.
class HostWindow : public CWnd {
public:
    HostWindow(Transcript& out, const wchar_t* target) : out_(out), target_(target) {}
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    Transcript& out_;
    const wchar_t* target_;
};

class EngineTraffic : public CCorQelListener {
public:
    // Queries are written while *queries is set.
    EngineTraffic(Transcript& out, const wchar_t* scriptTag, const bool& queries) : out_(out), tag_(scriptTag), queries_(queries) {}
    void OnQuery(const CString& query, const CString& answer) override;
    void OnScript(const CString& script) override;
    void OnRedraw() override {}
    void OnGetBool(const CString& object, const CString& path, BOOL result) override;

private:
    Transcript& out_;
    const wchar_t* tag_;
    const bool& queries_;
};

class HostServices : public CMessageBoxService, public CSetColorDialogPresenter, public CQelHelpService, public CWndObserver {
public:
    explicit HostServices(Transcript& out);
    ~HostServices() override;
    HostServices(const HostServices&) = delete;
    HostServices& operator=(const HostServices&) = delete;

    int Show(const CString& text, const CString& caption, UINT type) override;
    INT_PTR Run(CSetColorDialog& dialog) override;
    void ShowHelp(const CString& helpKey) override;
    void OnWndChanged(HWND window, WndChange change) override;

private:
    Transcript& out_;
};
