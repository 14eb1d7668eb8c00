// The catalog detail dialogs make their script as a returned text; an empty one means nothing to
// send. This base adapts that to the shared lifecycle.
#pragma once

#include "framework/settingsdialog.h"

class CDetailDialog : public CSettingsDialog {
public:
    using CSettingsDialog::CSettingsDialog;

    // The whole script; an empty text means nothing to send.
    virtual CString GetScript() = 0;

protected:
    BOOL GetScript(CString* script) override {
        *script = GetScript();
        return !script->IsEmpty();
    }
};
