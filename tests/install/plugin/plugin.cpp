// SPDX-License-Identifier: BSD-3-Clause
// A host's plugin: a shared object that links the module and runs a dialog when the host calls
// it. Built against the installed library, or against the static one, which must then be
// position-independent.
#include <zemd02/companions/zemqel/corqel.h>
#include <zemd02/dialogs/milkyway/dlgmw.h>
#include <zemd02/platform/input.h>
#include <zemd02/resources/resource_ids.h>

namespace {

class HideAndCancel : public CModalPerson {
public:
    void Run(CDialog& dialog) override {
        input::Click(dialog, IDC_MW_VISIBLE);
        input::Click(dialog, IDCANCEL);
    }
};

class CountScripts : public CCorQelListener {
public:
    void OnQuery(const CString&, const CString&) override {}
    void OnScript(const CString&) override { ++scripts; }
    void OnRedraw() override {}
    int scripts = 0;
};

}  // namespace

// Opens the Milky Way dialog on a sky that shows the Milky Way; the person hides it and cancels.
// Returns how many scripts the dialog sent (the change and the undo: 2), or -1 when the sky does
// not show the Milky Way again afterwards.
extern "C" __attribute__((visibility("default"))) int zem_plugin_run() {
    CCorQel engine, engine2;
    engine.Doit(L"Milkyway.Visible = TRUE; Milkyway.Image.Visible = TRUE; Milkyway.Image.Brightness = 2.0;");
    CountScripts counter;
    engine.SetListener(&counter);
    HideAndCancel person;
    AfxSetModalPerson(&person);
    {
        CDlgMw dialog(&engine, &engine2, nullptr);
        dialog.DoModal();
    }
    AfxSetModalPerson(nullptr);
    engine.SetListener(nullptr);
    return engine.Peek(L"Milkyway.Visible") == CString(L"TRUE") ? counter.scripts : -1;
}
