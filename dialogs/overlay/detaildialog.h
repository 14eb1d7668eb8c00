// SPDX-License-Identifier: BSD-3-Clause
// The catalog detail dialogs are check boxes only: each box is a setting row, and every click
// sends the whole script at once. They make their script as a returned text, where an empty text
// means nothing to send. D gives its rows (Rows) and its other controls (Controls).
#pragma once

#include "framework/settingsdialog.h"

template <class D>
class ZEM_EXPORT CDetailDialog : public CSettingsDialog {
public:
    using CSettingsDialog::CSettingsDialog;

    // The whole script; an empty text means nothing to send.
    virtual CString GetScript() {
        CString script;
        GetScript(&script);
        return script;
    }

    const CMessageMap* GetMessageMap() const override {
        static const CMessageMap map = MapWithRows<D>(CSettingsDialog::ThisMessageMap(), {});
        return &map;
    }

protected:
    BOOL GetScript(CString* script) override {
        UpdateData(TRUE);
        CString s = StartScript();
        AppendRows(s, D::Rows());
        FinishScript(s, script);
        return !script->IsEmpty();
    }

    BOOL OnInitDialog() override {
        CSettingsDialog::OnInitDialog();
        AttachControls();
        ReadRows(D::Rows());
        UpdateData(FALSE);
        StoreUndoScript();
        return TRUE;
    }

    void DoDataExchange(CDataExchange* pDX) override {
        CSettingsDialog::DoDataExchange(pDX);
        ExchangeRows(pDX, D::Rows());
    }

    void AttachControls() override {
        CSettingsDialog::AttachControls();
        AttachTable(D::Controls());
        AttachRows(D::Rows());
    }
};
