// SPDX-License-Identifier: BSD-3-Clause
// A host of its own: it owns the sky engine, loads the default sky into it, opens the Milky Way
// dialog with a scripted person in front of it, and prints every script the dialog sends.
// Usage: embed [DATA_DIR]   (default: the data folder of the installed package)
#include <cstdio>
#include <string>

#include <zemd02/companions/zemqel/corqel.h>
#include <zemd02/dialogs/milkyway/dlgmw.h>
#include <zemd02/framework/hostguard.h>
#include <zemd02/platform/input.h>
#include <zemd02/resources/resource_ids.h>

// Sees everything the dialogs send the engine; a real host would redraw its sky on "Show Sky".
class PrintScripts : public CCorQelListener {
public:
    void OnQuery(const CString&, const CString&) override {}
    void OnScript(const CString& script) override { std::printf("S %s\n", zem::ToUtf8(script).c_str()); }
    void OnRedraw() override {}
};

// The person in front of the dialog while it runs modally. Each action goes through the control
// as a click or a key press would, with the same notifications.
class ScriptedPerson : public CModalPerson {
public:
    void Run(CDialog& dialog) override {
        input::Click(dialog, IDC_MW_VISIBLE);                 // hide the Milky Way
        input::Spin(dialog, IDC_MW_BRIGHTNESS_SPIN, true);    // one step brighter
        input::Click(dialog, IDCANCEL);                       // changed their mind
    }
};

int main(int argc, char** argv) {
    const std::string data = argc > 1 ? argv[1] : ZEMD02_DATA_DIR;

    CCorQel engine, engine2;  // the host owns the engines; a dialog only points to them
    engine.SetDataPath(CString(zem::FromUtf8(data)));
    if (!engine.LoadStateFile(CString(zem::FromUtf8(data + "/sky/default.qel")))) {
        std::fprintf(stderr, "embed: cannot read %s/sky/default.qel\n", data.c_str());
        return 1;
    }
    PrintScripts printer;
    engine.SetListener(&printer);

    ScriptedPerson person;
    INT_PTR result;
    {
        // Starts the module and installs the person (and the engines, for dialogs made with only
        // a parent) until the dialog has run.
        const zem::HostGuard host({.person = &person, .engine = &engine, .engine2 = &engine2});
        CDlgMw dialog(&engine, &engine2, nullptr);
        result = dialog.DoModal();
    }
    engine.SetListener(nullptr);

    // Cancel sent the opening state back: the sky is as it was.
    std::printf("%s; Milkyway.Visible = %s\n", result == IDCANCEL ? "cancelled" : "closed",
                zem::ToUtf8(engine.Doit(L"? Milkyway.Visible")).c_str());
    return result == IDCANCEL ? 0 : 1;
}
