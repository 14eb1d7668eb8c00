// SPDX-License-Identifier: BSD-3-Clause
#include "framework/hostguard.h"

#include "companions/zemcst/qeldialog.h"
#include "framework/module.h"
#include "platform/dialog.h"
#include "platform/wnd.h"

namespace zem {

HostGuard::HostGuard(const Parts& parts) {
    ModuleLoad();
    AfxSetMainWnd(parts.mainWindow);
    AfxSetModalPerson(parts.person);
    CQelDialog::SetDefaultEngines(parts.engine, parts.engine2);
}

HostGuard::~HostGuard() {
    CQelDialog::SetDefaultEngines(nullptr, nullptr);
    AfxSetModalPerson(nullptr);
    AfxSetMainWnd(nullptr);
}

}  // namespace zem
