// SPDX-License-Identifier: BSD-3-Clause
#include "bench/session.h"

#include <stdexcept>

#include "host/classes.h"

namespace zembench {

CString DefaultSkyPath() { return CString(zem::FromUtf8(ZEM_DATA_DIR "/sky/default.qel")); }

Session::Session() {
    if (!engine.LoadStateFile(DefaultSkyPath())) throw std::runtime_error("cannot read the default sky");
}

bool Session::Open(const std::wstring& className, Act act) {
    const DialogClass* c = FindDialogClass(className);
    if (!c) return false;
    OpenOptions options;
    options.engine = &engine;
    options.engine2 = &engine2;
    options.parent = &parent_;
    act_ = std::move(act);
    c->make(options)->DoModal();
    act_ = nullptr;
    return true;
}

void Session::Run(CDialog& dialog) {
    if (act_) act_(dialog);
}

}  // namespace zembench
