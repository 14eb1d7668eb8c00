// SPDX-License-Identifier: BSD-3-Clause
#include "framework/module.h"

#include "companions/zemcst/qellistboxaobj.h"
#include "resources/module_resources.h"

UINT g_nQelListBoxAObjMessage = 0;

namespace zem {

void ModuleLoad() {
    static const bool loaded = [] {
        AfxAddResourceModule(&ZemModuleResources());
        g_nQelListBoxAObjMessage = RegisterWindowMessageW(CQelListBoxAObj::kMessageName);
        return true;
    }();
    (void)loaded;
}

namespace {
// Loading the module is what starts it.
const bool g_started = (ModuleLoad(), true);
}  // namespace

}  // namespace zem
