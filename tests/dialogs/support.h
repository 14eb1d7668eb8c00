// SPDX-License-Identifier: BSD-3-Clause
// What the dialog tests share: dialogs made on the bench, the four overlay dialogs as a table, and
// the entries of a list.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/deepsky/dlgnbl.h"
#include "dialogs/overlay/dlgstargcvs.h"
#include "dialogs/overlay/dlgstarnova.h"
#include "dialogs/overlay/dlgstarwds.h"
#include "dialogs/star/dlgstar.h"
#include "host/view.h"
#include "resources/resource_ids.h"
#include "testbench/testbench.h"

namespace dlg {

using namespace bench;

// A dialog in the constructor form the host uses: the bench's engines and parent.
template <class T>
std::unique_ptr<T> Make(Bench& b) {
    return std::make_unique<T>(&b.engine, &b.engine2, b.parent());
}

// The deep-sky dialog, with or without its PGC data.
inline std::unique_ptr<CDlgNbl> MakeNbl(Bench& b, int pgcData = 1) {
    return std::make_unique<CDlgNbl>(&b.engine, &b.engine2, pgcData, b.parent());
}

// The star dialog as its creator sets it up.
inline std::unique_ptr<CDlgStar> MakeStar(Bench& b, bool mirado = false) {
    auto d = Make<CDlgStar>(b);
    d->m_bMiradoStyle = mirado;
    return d;
}

struct Overlay {
    const char* name;
    std::function<std::unique_ptr<CSettingsDialog>(Bench&)> make;
    const wchar_t* prefix;
    const wchar_t* viewPath;  // the main switch's property
    UINT view, limit, autoRadio, fixedRadio, max, maxSpin, to, min, minSpin, unit;
    bool validates;
};

inline const Overlay kOverlays[] = {
    {"gcvs", Make<CDlgStarGcvs>, L"Star.GCVS", L"Star.GCVS.Mark.Visible", IDC_GCVS_VISIBLE, IDC_GCVS_LIMIT_MAG,
     IDC_GCVS_MAG_AUTO, IDC_GCVS_MAG_FIXED, IDC_GCVS_MAG_MAX, IDC_GCVS_MAG_MAX_SPIN, IDC_GCVS_MAG_TO, IDC_GCVS_MAG_MIN,
     IDC_GCVS_MAG_MIN_SPIN, IDC_GCVS_MAG_UNIT, true},
    {"nova", Make<CDlgStarNova>, L"Star.Nova", L"Star.Nova.Visible", IDC_NOVA_VISIBLE, IDC_NOVA_LIMIT_MAG,
     IDC_NOVA_MAG_AUTO, IDC_NOVA_MAG_FIXED, IDC_NOVA_MAG_MAX, IDC_NOVA_MAG_MAX_SPIN, IDC_NOVA_MAG_TO, IDC_NOVA_MAG_MIN,
     IDC_NOVA_MAG_MIN_SPIN, IDC_NOVA_MAG_UNIT, false},
    {"snova", Make<CDlgStarSNova>, L"Star.Supernova", L"Star.Supernova.Visible", IDC_SNOVA_VISIBLE,
     IDC_SNOVA_LIMIT_MAG, IDC_SNOVA_MAG_AUTO, IDC_SNOVA_MAG_FIXED, IDC_SNOVA_MAG_MAX, IDC_SNOVA_MAG_MAX_SPIN, IDC_SNOVA_MAG_TO,
     IDC_SNOVA_MAG_MIN, IDC_SNOVA_MAG_MIN_SPIN, IDC_SNOVA_MAG_UNIT, false},
    {"wds", Make<CDlgStarWds>, L"Star.WDS", L"Star.WDS.Primary.Mark.Visible", IDC_WDS_VISIBLE, IDC_WDS_LIMIT_MAG,
     IDC_WDS_MAG_AUTO, IDC_WDS_MAG_FIXED, IDC_WDS_MAG_MAX, IDC_WDS_MAG_MAX_SPIN, IDC_WDS_MAG_TO, IDC_WDS_MAG_MIN,
     IDC_WDS_MAG_MIN_SPIN, IDC_WDS_MAG_UNIT, true},
};

// Runs dialog on the bench: the setup steps (their events dropped), then the steps, then look at
// the dialog with what the steps brought.
inline INT_PTR Play(Bench& b, CDialog& dialog, std::vector<Bench::Step> setup, std::vector<Bench::Step> steps,
                    std::function<void(CDialog&, const Sent&)> look) {
    setup.push_back(Do([&b](CDialog&) { b.Clear(); }));
    setup.insert(setup.end(), steps.begin(), steps.end());
    setup.push_back(Do([&b, look](CDialog& d) { look(d, Split(b.Take())); }));
    return b.Run(dialog, std::move(setup));
}

// A control as the host's `show` prints it ("1207 rows=\"1:メシエ(M)|…\" enabled").
inline std::wstring Show(CDialog& d, UINT id) { return DescribeControl(d.GetDlgItem(static_cast<int>(id))->m_hWnd); }

// The selected entry of a drop-down list ("" when none), and every entry.
inline std::wstring Selected(CDialog& d, UINT id) {
    auto* list = dynamic_cast<CComboBox*>(d.GetDlgItem(static_cast<int>(id)));
    CString text;
    if (list && list->GetCurSel() >= 0) list->GetLBText(list->GetCurSel(), text);
    return text.str();
}
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

}  // namespace dlg
