// SPDX-License-Identifier: BSD-3-Clause
#include "desktop/session.h"

#include "framework/messages.h"

LRESULT DesktopHostWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // The scenario host's window writes the line and answers the colour dialog's texts.
    const LRESULT result = HostWindow::WindowProc(message, wParam, lParam);
    if (message == kMsgMissingData) {
        const auto* data = reinterpret_cast<const wchar_t*>(wParam);
        const auto* catalog = reinterpret_cast<const wchar_t*>(lParam);
        emit session_.MissingData(QString::fromWCharArray(data ? data : L""), QString::fromWCharArray(catalog ? catalog : L""));
    } else if (message == kMsgConstellationApplied) {
        emit session_.ConstellationsApplied();
    }
    return result;
}

Session::Session()
    : out_([this](const std::wstring& line) { emit Line(QString::fromStdWString(line)); }),
      traffic_(out_, L"S", queries_),
      traffic2_(out_, L"S2", queries_),
      main_(out_, L"main", *this),
      parent_(out_, L"parent", *this) {
    engine_.SetListener(this);
    engine2_.SetListener(&traffic2_);
}

Session::~Session() {
    engine_.SetListener(nullptr);
    engine2_.SetListener(nullptr);
}

void Session::OnQuery(const CString& query, const CString& answer) { traffic_.OnQuery(query, answer); }

void Session::OnScript(const CString& script) {
    traffic_.OnScript(script);
    emit ScriptSent();
}

void Session::OnRedraw() {
    traffic_.OnRedraw();
    emit Redrawn();
}

void Session::OnGetBool(const CString& object, const CString& path, BOOL result) { traffic_.OnGetBool(object, path, result); }

void Session::OnGetStarCatalogInfo(int catalog, int autoSwitch, int switchCatalog) {
    traffic_.OnGetStarCatalogInfo(catalog, autoSwitch, switchCatalog);
}
