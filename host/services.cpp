// SPDX-License-Identifier: BSD-3-Clause
#include "host/services.h"

#include "framework/messages.h"

namespace {
std::wstring Number(long long v) { return std::to_wstring(v); }
}  // namespace

LRESULT HostWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    std::wstring w = Number(static_cast<long long>(wParam));
    std::wstring l = Number(static_cast<long long>(lParam));
    if (message == kMsgColourDialogText && lParam) {
        // The colour dialog's two texts: the star chart's name and the standard style's.
        auto* text = reinterpret_cast<CString*>(lParam);
        *text = wParam == 0 ? L"星図" : L"標準";
        l = Transcript::Quoted(text->str());
    } else if (message == kMsgMissingData) {
        const auto* data = reinterpret_cast<const wchar_t*>(wParam);
        const auto* catalog = reinterpret_cast<const wchar_t*>(lParam);
        w = Transcript::Quoted(data ? data : L"");
        l = Transcript::Quoted(catalog ? catalog : L"");
    }
    out_.Line(L"W " + Number(message) + L" " + w + L" " + l + L" " + target_);
    return 0;
}

void EngineTraffic::OnQuery(const CString& query, const CString& answer) {
    if (queries_) out_.Line(L"Q " + query.str() + L" => " + answer.str());
}

void EngineTraffic::OnGetBool(const CString& object, const CString& path, BOOL result) {
    if (queries_) out_.Line(L"Q GetBool " + object.str() + L"." + path.str() + (result ? L" => TRUE" : L" => FALSE"));
}

void EngineTraffic::OnScript(const CString& script) { out_.Line(std::wstring(tag_) + L" " + script.str()); }

HostServices::HostServices(Transcript& out) : out_(out) {
    AfxSetMessageBoxService(this);
    CSetColorDialog::SetPresenter(this);
    CQelDialog::SetHelpService(this);
    AfxAddWndObserver(this);
}

HostServices::~HostServices() {
    AfxSetMessageBoxService(nullptr);
    CSetColorDialog::SetPresenter(nullptr);
    CQelDialog::SetHelpService(nullptr);
    AfxRemoveWndObserver(this);
}

int HostServices::Show(const CString& text, const CString&, UINT type) {
    out_.Line(std::wstring((type & 0xF0) == MB_ICONINFORMATION ? L"M info " : L"M plain ") + text.str());
    return IDOK;
}

INT_PTR HostServices::Run(CSetColorDialog& dialog) {
    out_.Line(L"C " + dialog.GetColourKey().str() + L" " + Transcript::Quoted(dialog.GetText0().str()) + L" " +
              Transcript::Quoted(dialog.GetText1().str()));
    return IDOK;
}

void HostServices::ShowHelp(const CString& helpKey) { out_.Line(L"H " + helpKey.str()); }

void HostServices::OnWndChanged(HWND window, WndChange change) {
    if (change == WndChange::Focus && window && !window->isDialog) out_.Line(L"F " + Number(window->id));
}
