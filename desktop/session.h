// SPDX-License-Identifier: BSD-3-Clause
// What the desktop program holds as the host application: the two sky engines, the host windows
// that receive the module's messages, and the transcript of everything that crosses the module's
// boundary, printed the way the scenario host prints it.
#pragma once

#include <QObject>
#include <QString>

#include "companions/zemqel/corqel.h"
#include "host/services.h"
#include "host/transcript.h"

// A host window that also tells the desktop what it received.
class DesktopHostWindow : public HostWindow {
public:
    DesktopHostWindow(Transcript& out, const wchar_t* target, class Session& session) : HostWindow(out, target), session_(session) {}
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    Session& session_;
};

class Session : public QObject, private CCorQelListener {
    Q_OBJECT
public:
    Session();
    ~Session() override;
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    CCorQel& Engine() { return engine_; }
    CCorQel& Engine2() { return engine2_; }
    Transcript& Out() { return out_; }
    // The application's main window and the dialogs' parent, as the module sees them.
    CWnd* MainTarget() { return &main_; }
    CWnd* ParentTarget() { return &parent_; }
    // Whether queries ("Q" lines) go to the transcript.
    void SetShowQueries(bool show) { queries_ = show; }
    bool ShowQueries() const { return queries_; }

signals:
    void Line(const QString& line);
    // A script was sent to the engine: its state may have changed.
    void ScriptSent();
    // A "Show Sky" ran; the engine holds the state it redraws.
    void Redrawn();
    void ConstellationsApplied();
    void MissingData(const QString& data, const QString& catalog);

private:
    friend class DesktopHostWindow;
    void OnQuery(const CString& query, const CString& answer) override;
    void OnScript(const CString& script) override;
    void OnRedraw() override;
    void OnGetBool(const CString& object, const CString& path, BOOL result) override;
    void OnGetStarCatalogInfo(int catalog, int autoSwitch, int switchCatalog) override;

    bool queries_ = true;
    Transcript out_;
    CCorQel engine_, engine2_;
    EngineTraffic traffic_, traffic2_;
    DesktopHostWindow main_, parent_;
};
