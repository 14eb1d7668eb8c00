// SPDX-License-Identifier: BSD-3-Clause
#include "host/classes.h"

#include <vector>

#include "dialogs/constellation/dlgcons.h"
#include "dialogs/deepsky/dlgnbl.h"
#include "dialogs/exoplanet/dlgexoplanet.h"
#include "dialogs/milkyway/dlgmw.h"
#include "dialogs/overlay/dlgstargcvs.h"
#include "dialogs/overlay/dlgstargsc.h"
#include "dialogs/overlay/dlgstarnova.h"
#include "dialogs/overlay/dlgstarusnoa20.h"
#include "dialogs/overlay/dlgstarwds.h"
#include "dialogs/star/dlgstar.h"

namespace {

// Both constructor forms of the settings dialogs.
template <class T>
std::unique_ptr<CDialog> Make(const OpenOptions& o) {
    if (o.parentOnly) return std::make_unique<T>(o.parent);
    return std::make_unique<T>(o.engine, o.engine2, o.parent);
}

// The star dialog offers the named image style when its creator says so, before it is shown.
std::unique_ptr<CDialog> MakeStar(const OpenOptions& o) {
    auto dialog = Make<CDlgStar>(o);
    static_cast<CDlgStar&>(*dialog).m_bMiradoStyle = o.mirado ? TRUE : FALSE;
    return dialog;
}

template <class T>
DialogClass Entry(const wchar_t* name, std::unique_ptr<CDialog> (*make)(const OpenOptions&) = &Make<T>) {
    return {name, &typeid(T), make};
}

const std::vector<DialogClass>& Table() {
    static const std::vector<DialogClass> table = {
        Entry<CDlgMw>(L"CDlgMw"),
        Entry<CDlgExoPlanet>(L"CDlgExoPlanet"),
        Entry<CDlgCons>(L"CDlgCons"),
        Entry<CDlgStar>(L"CDlgStar", &MakeStar),
        Entry<CDlgStarGsc>(L"CDlgStarGsc"),
        Entry<CDlgStarUsnoA20>(L"CDlgStarUsnoA20"),
        Entry<CDlgStarGcvs>(L"CDlgStarGcvs"),
        Entry<CDlgStarNova>(L"CDlgStarNova"),
        Entry<CDlgStarSNova>(L"CDlgStarSNova"),
        Entry<CDlgStarWds>(L"CDlgStarWds"),
        Entry<CDlgNbl>(L"CDlgNbl", [](const OpenOptions& o) -> std::unique_ptr<CDialog> {
            if (o.parentOnly) return std::make_unique<CDlgNbl>(o.parent);  // as without PGC data
            return std::make_unique<CDlgNbl>(o.engine, o.engine2, o.pgc, o.parent);
        }),
    };
    return table;
}

}  // namespace

const DialogClass* FindDialogClass(const std::wstring& name) {
    for (const auto& c : Table())
        if (name == c.name) return &c;
    return nullptr;
}

const std::vector<std::wstring>& ModuleClassNames() {
    static const std::vector<std::wstring> names = {L"CDlgMw", L"CDlgExoPlanet", L"CDlgCons", L"CDlgStar",
                                                    L"CDlgNbl", L"CDlgStarGcvs", L"CDlgStarNova", L"CDlgStarSNova",
                                                    L"CDlgStarWds", L"CDlgStarGsc", L"CDlgStarUsnoA20"};
    return names;
}

bool IsModuleClassName(const std::wstring& name) {
    for (const auto& n : ModuleClassNames())
        if (name == n) return true;
    return false;
}

std::wstring DialogClassName(const CDialog& dialog) {
    for (const auto& c : Table())
        if (*c.type == typeid(dialog)) return c.name;
    return L"?";
}
