// SPDX-License-Identifier: BSD-3-Clause
#include "testbench/testbench.h"

namespace bench {

Bench::Bench() {
    engine.SetListener(&traffic_);
    engine2.SetListener(&traffic2_);
}

void Bench::LoadDefaultSky() { engine.LoadStateFile(CString(zem::FromUtf8(ZEM_DATA_DIR "/sky/default.qel"))); }

void Bench::LoadSky(const std::wstring& changes) {
    LoadDefaultSky();
    engine.LoadState(CString(changes));
}

INT_PTR Bench::Run(CDialog& dialog, std::vector<Step> steps) {
    steps_.push_back(std::move(steps));
    return dialog.DoModal();
}

Events Bench::Take() {
    Events taken;
    taken.swap(events_);
    return taken;
}

std::vector<std::wstring> Bench::Scripts() { return Split(Take()).scripts; }

void Bench::Run(CDialog& dialog) {
    if (steps_.empty()) return;
    std::vector<Step> steps = std::move(steps_.back());
    steps_.pop_back();
    for (auto& step : steps) {
        if (dialog.HasEnded()) break;
        step(dialog);
    }
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

Sent Split(const Events& events) {
    Sent sent;
    for (const auto& e : events) {
        if (e.starts_with(L"S ")) sent.scripts.push_back(e.substr(2));
        else sent.other.push_back(e);
    }
    return sent;
}

std::wstring Value(const std::wstring& script, const std::wstring& path) {
    const std::wstring head = path + L" = ";
    for (std::size_t at = script.find(head); at != std::wstring::npos; at = script.find(head, at + 1))
        if (at == 0 || script[at - 1] == L';') return script.substr(at + head.size(), script.find(L';', at) - at - head.size());
    return L"";
}

int CountStatements(const std::wstring& script, const std::wstring& prefix) {
    int n = 0;
    for (std::size_t at = script.find(prefix); at != std::wstring::npos; at = script.find(prefix, at + 1))
        if (at == 0 || script[at - 1] == L';') ++n;
    return n;
}

CString State(std::initializer_list<std::pair<std::wstring, std::wstring>> pairs) {
    std::wstring s;
    for (const auto& [path, value] : pairs) s += path + L" = " + value + L";";
    return CString(s.c_str());
}

}  // namespace bench
