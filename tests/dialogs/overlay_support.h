// What the overlay tests share: the four dialogs as a table, and reading a statement's value.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "bench/bench.h"
#include "dialogs/overlay/dlgstargcvs.h"
#include "dialogs/overlay/dlgstarnova.h"
#include "dialogs/overlay/dlgstarwds.h"
#include "resources/resource_ids.h"

namespace overlay {

struct Dialog {
    const char* name;
    std::function<std::unique_ptr<CSettingsDialog>(bench::Bench&)> make;
    const wchar_t* prefix;
    const wchar_t* viewPath;  // the main switch's property
    UINT view, limit, autoRadio, fixedRadio, max, maxSpin, to, min, minSpin, unit;
    bool validates;
};

template <class T>
std::unique_ptr<CSettingsDialog> Make(bench::Bench& b) {
    return std::make_unique<T>(&b.engine, &b.engine2, b.parent());
}

inline const Dialog kDialogs[] = {
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

// The value a script assigns to path ("" when it does not), taken from a statement that begins
// with exactly that path.
inline std::wstring Value(const std::wstring& script, const std::wstring& path) {
    const std::wstring head = path + L" = ";
    for (std::size_t at = script.find(head); at != std::wstring::npos; at = script.find(head, at + 1))
        if (at == 0 || script[at - 1] == L';') return script.substr(at + head.size(), script.find(L';', at) - at - head.size());
    return L"";
}

// The engine state "PATH = VALUE;" for each pair.
inline CString State(std::initializer_list<std::pair<std::wstring, std::wstring>> pairs) {
    std::wstring s;
    for (const auto& [path, value] : pairs) s += path + L" = " + value + L";";
    return CString(s.c_str());
}

}  // namespace overlay
