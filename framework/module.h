// SPDX-License-Identifier: BSD-3-Clause
// Module start: joins the module's resources to the framework's search and registers the message
// through which the deep-sky lists talk to their dialog. It runs once, when the module is loaded
// (and at the latest when the first dialog is constructed).
#pragma once

#include "platform/types.h"

namespace zem {
ZEM_EXPORT void ModuleLoad();
}

// The registered message "Corvelle::QelListBoxAObj::MessageID".
extern ZEM_EXPORT UINT g_nQelListBoxAObjMessage;
