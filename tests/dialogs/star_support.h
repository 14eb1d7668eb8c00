// What the star dialog's tests share: opening it on the default sky with a few changes, and
// telling apart what a step sent from what it showed.
#pragma once

#include <string>
#include <vector>

#include "bench/bench.h"
#include "dialogs/star/dlgstar.h"
#include "overlay_support.h"
#include "resources/resource_ids.h"

namespace star {

// The dialog as its creator sets it up.
class Dialog : public CDlgStar {
public:
    explicit Dialog(bench::Bench& b, bool mirado = false) : CDlgStar(&b.engine, &b.engine2, b.parent()) { m_bMiradoStyle = mirado; }
};

// The default sky with changes (a property script), as the engine holds it before the dialog opens.
inline void LoadSky(bench::Bench& b, const std::wstring& changes = L"") {
    b.LoadDefaultSky();
    b.engine.LoadState(CString(changes));
}

// The events of a step: the scripts sent, and everything else.
struct Sent {
    std::vector<std::wstring> scripts;
    bench::Events other;
};

inline Sent Split(const bench::Events& events) {
    Sent sent;
    for (const auto& e : events) {
        if (e.rfind(L"S ", 0) == 0) sent.scripts.push_back(e.substr(2));
        else sent.other.push_back(e);
    }
    return sent;
}

inline bool Contains(const std::wstring& text, const std::wstring& part) { return text.find(part) != std::wstring::npos; }

// The text of the selected entry of a list (empty when none is selected).
inline std::wstring Selected(CDialog& d, UINT id) {
    auto* list = dynamic_cast<CComboBox*>(d.GetDlgItem(static_cast<int>(id)));
    CString text;
    if (list && list->GetCurSel() >= 0) list->GetLBText(list->GetCurSel(), text);
    return text.str();
}

// Every entry of a list.
inline std::vector<std::wstring> Items(CDialog& d, UINT id) {
    std::vector<std::wstring> items;
    auto* list = dynamic_cast<CComboBox*>(d.GetDlgItem(static_cast<int>(id)));
    CString text;
    for (int i = 0; list && i < list->GetCount(); ++i) {
        list->GetLBText(i, text);
        items.push_back(text.str());
    }
    return items;
}

}  // namespace star
