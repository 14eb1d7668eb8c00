// SPDX-License-Identifier: BSD-3-Clause
// What a host application installs for the module while it runs dialogs: the module started, the
// main window (where the module's window messages go), the person who acts on modal dialogs, and
// the default engines of dialogs constructed with only a parent. One guard installs them all and
// takes them all away again, so that no host forgets one or leaves one pointing at an object that
// is gone. One guard at a time: taking them away leaves none installed.
#pragma once

#include "platform/export.h"

class CCorQel;
class CModalPerson;
class CWnd;

namespace zem {

class ZEM_EXPORT HostGuard {
public:
    struct Parts {
        CWnd* mainWindow = nullptr;
        CModalPerson* person = nullptr;
        CCorQel* engine = nullptr;
        CCorQel* engine2 = nullptr;
    };

    explicit HostGuard(const Parts& parts);
    ~HostGuard();
    HostGuard(const HostGuard&) = delete;
    HostGuard& operator=(const HostGuard&) = delete;
};

}  // namespace zem
