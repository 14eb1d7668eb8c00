#include "bench/bench.h"

#include "platform/wnd.h"

namespace bench {

Bench::Bench() {
    zem::ModuleLoad();
    engine.SetListener(this);
    engine2.SetListener(this);
    AfxSetMessageBoxService(this);
    CSetColorDialog::SetPresenter(this);
    CQelDialog::SetHelpService(this);
    AfxAddWndObserver(this);
    AfxSetModalPerson(this);
    AfxSetMainWnd(&main_);
    CQelDialog::SetDefaultEngines(&engine, &engine2);
}

Bench::~Bench() {
    AfxSetMessageBoxService(nullptr);
    CSetColorDialog::SetPresenter(nullptr);
    CQelDialog::SetHelpService(nullptr);
    AfxRemoveWndObserver(this);
    AfxSetModalPerson(nullptr);
    AfxSetMainWnd(nullptr);
    CQelDialog::SetDefaultEngines(nullptr, nullptr);
}

INT_PTR Bench::Run(CDialog& dialog, std::vector<Step> steps) {
    steps_.push_back(std::move(steps));
    const INT_PTR result = dialog.DoModal();
    return result;
}

Events Bench::Take() {
    Events taken;
    taken.swap(events_);
    return taken;
}

std::vector<std::wstring> Bench::Scripts() {
    std::vector<std::wstring> scripts;
    for (const auto& e : Take())
        if (e.rfind(L"S ", 0) == 0) scripts.push_back(e.substr(2));
    return scripts;
}

void Bench::OnQuery(const CString& query, const CString& answer) {
    if (recordQueries) events_.push_back(L"Q " + query.str() + L" => " + answer.str());
}

void Bench::OnScript(const CString& script) { events_.push_back(L"S " + script.str()); }

int Bench::Show(const CString& text, const CString&, UINT type) {
    events_.push_back(std::wstring((type & 0xF0) == MB_ICONINFORMATION ? L"M info " : L"M plain ") + text.str());
    return IDOK;
}

INT_PTR Bench::Run(CSetColorDialog& dialog) {
    events_.push_back(L"C " + dialog.GetColourKey().str() + L" \"" + dialog.GetText0().str() + L"\" \"" +
                      dialog.GetText1().str() + L"\"");
    return IDOK;
}

void Bench::ShowHelp(const CString& key) { events_.push_back(L"H " + key.str()); }

void Bench::OnWndChanged(HWND window, WndChange change) {
    if (change == WndChange::Focus && window && !window->isDialog) events_.push_back(L"F " + std::to_wstring(window->id));
}

void Bench::OnBegin(CDialog&) {}

void Bench::Run(CDialog& dialog) {
    if (steps_.empty()) return;
    std::vector<Step> steps = std::move(steps_.back());
    steps_.pop_back();
    for (auto& step : steps) {
        if (dialog.HasEnded()) break;
        step(dialog);
    }
}

void Bench::OnEnd(CDialog&, INT_PTR) {}

LRESULT Bench::HostWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    std::wstring w = std::to_wstring(wParam), l = std::to_wstring(lParam);
    if (message == kMsgColourDialogText && lParam) {
        auto* text = reinterpret_cast<CString*>(lParam);
        *text = wParam == 0 ? L"星図" : L"標準";
        l = L"\"" + text->str() + L"\"";
    } else if (message == kMsgMissingData) {
        w = L"\"" + std::wstring(reinterpret_cast<const wchar_t*>(wParam)) + L"\"";
        l = L"\"" + std::wstring(reinterpret_cast<const wchar_t*>(lParam)) + L"\"";
    }
    bench_.events_.push_back(L"W " + std::to_wstring(message) + L" " + w + L" " + l + L" " + target_);
    return 0;
}

Bench::Step Click(UINT id) { return [id](CDialog& d) { input::Click(d, id); }; }
Bench::Step Type(UINT id, const std::wstring& text) { return [id, text](CDialog& d) { input::Type(d, id, text); }; }
Bench::Step Paste(UINT id, const std::wstring& text) { return [id, text](CDialog& d) { input::Paste(d, id, text); }; }
Bench::Step Spin(UINT id, bool up, int count) { return [=](CDialog& d) { input::Spin(d, id, up, count); }; }
Bench::Step SpinRaw(UINT id, int delta) { return [=](CDialog& d) { input::SpinRaw(d, id, delta); }; }
Bench::Step Select(UINT id, int index) { return [=](CDialog& d) { input::Select(d, id, index); }; }
Bench::Step Tick(UINT id, int item) { return [=](CDialog& d) { input::Tick(d, id, item); }; }
Bench::Step Cell(UINT id, int row, int column) { return [=](CDialog& d) { input::Cell(d, id, row, column); }; }
Bench::Step Ok() { return [](CDialog& d) { input::Click(d, IDOK); }; }
Bench::Step Cancel() { return [](CDialog& d) { input::Click(d, IDCANCEL); }; }
Bench::Step Do(std::function<void(CDialog&)> f) { return f; }

std::wstring TextOf(CDialog& dialog, UINT id) {
    CWnd* w = dialog.GetDlgItem(static_cast<int>(id));
    return w ? w->GetWindowText().str() : std::wstring();
}

bool Checked(CDialog& dialog, UINT id) { return dialog.IsDlgButtonChecked(static_cast<int>(id)) != 0; }

bool Enabled(CDialog& dialog, UINT id) {
    CWnd* w = dialog.GetDlgItem(static_cast<int>(id));
    return w && w->IsWindowEnabled();
}

}  // namespace bench
