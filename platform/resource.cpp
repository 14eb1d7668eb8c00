// SPDX-License-Identifier: BSD-3-Clause
#include "platform/resource.h"

#include <algorithm>

namespace {
std::vector<const ResourceModule*>& Modules() {
    static std::vector<const ResourceModule*> modules;
    return modules;
}
}  // namespace

void AfxAddResourceModule(const ResourceModule* module) {
    auto& m = Modules();
    if (module && std::find(m.begin(), m.end(), module) == m.end()) m.insert(m.begin(), module);
}

void AfxRemoveResourceModule(const ResourceModule* module) {
    auto& m = Modules();
    m.erase(std::remove(m.begin(), m.end(), module), m.end());
}

const DialogTemplate* AfxFindDialogTemplate(UINT id) {
    for (const auto* module : Modules())
        for (const auto& d : module->dialogs)
            if (d.id == id) return &d;
    return nullptr;
}

const wchar_t* AfxFindString(UINT id) {
    for (const auto* module : Modules())
        for (const auto& s : module->strings)
            if (s.id == id) return s.text;
    return nullptr;
}
