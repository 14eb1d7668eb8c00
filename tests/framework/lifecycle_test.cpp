// SPDX-License-Identifier: BSD-3-Clause
// The lifecycle every settings dialog shares, on a small dialog of each apply kind.
#include <gtest/gtest.h>

#include "framework/numbers.h"
#include "framework/settingsdialog.h"
#include "resources/resource_ids.h"
#include "testbench/testbench.h"

using namespace bench;

namespace {

// A dialog on a small template whose script is one statement, or a refusal.
class TestDialog : public CSettingsDialog {
public:
    TestDialog(CCorQel* engine, ApplyKind kind) : CSettingsDialog(engine, nullptr, nullptr, Traits(kind)) {}

    BOOL GetScript(CString* script) override {
        if (refuse) return FALSE;
        *script = GetScriptBool(L"Test.Value", value);
        return TRUE;
    }
    BOOL OnInitDialog() override {
        CQelDialog::OnInitDialog();
        StoreUndoScript();
        return TRUE;
    }
    using CSettingsDialog::OpenColourDialog;

    bool refuse = false;
    BOOL value = TRUE;

private:
    static const DialogTraits& Traits(ApplyKind kind) {
        static const DialogTraits traits[] = {
            {IDD_DSP_STAR_USNOA20, IDS_HELP_STAR_USNOA20, L"Test.Color", ApplyKind::Live},
            {IDD_DSP_STAR_USNOA20, IDS_HELP_STAR_USNOA20, L"Test.Color", ApplyKind::LiveTracked},
            {IDD_DSP_STAR_USNOA20, IDS_HELP_STAR_USNOA20, L"Test.Color", ApplyKind::Constellation},
        };
        return traits[static_cast<int>(kind) - 1];
    }
};

// What each kind sends on Cancel and on a change, the scenarios show (mw_cancel_ok, star_open,
// cons_tick_cancel); these are the cases they cannot reach.

TEST(Lifecycle, RefusedScriptSendsNothingAndLeavesTheAppliedFlag) {
    Bench b;
    TestDialog dlg(&b.engine, ApplyKind::LiveTracked);
    b.Run(dlg, {Do([&](CDialog&) {
                    dlg.refuse = true;
                    dlg.Apply();
                }),
                Cancel()});
    EXPECT_TRUE(b.Take().empty());
    EXPECT_FALSE(dlg.IsApplied());
}

TEST(Lifecycle, ColourButtonAsksTheParentTwiceThenRunsTheColourDialogAndSendsNothing) {
    Bench b;
    TestDialog dlg(&b.engine, ApplyKind::Live);
    b.Run(dlg, {Do([&](CDialog&) { b.Clear(); dlg.OpenColourDialog(); }), Ok()});
    // No parent: the dialog belongs to the main window.
    EXPECT_EQ(b.Take(), (Events{L"W 2064 0 \"星図\" main", L"W 2064 1 \"標準\" main", L"C Test.Color \"星図\" \"標準\""}));
}

TEST(Lifecycle, WithoutAnEngineNothingIsSentAndNothingBreaks) {
    Bench b;
    CQelDialog::SetDefaultEngines(nullptr, nullptr);
    TestDialog dlg(nullptr, ApplyKind::Live);
    dlg.Apply();  // before the dialog has windows
    b.Run(dlg, {Cancel()});
    EXPECT_TRUE(b.Take().empty());
}

TEST(Numbers, TenthsTruncateTowardZeroAndOverflowLikeTheProcessor) {
    EXPECT_EQ(zem::Tenths(5.37), 53);
    EXPECT_EQ(zem::Tenths(-1.25), -12);
    EXPECT_EQ(zem::Tenths(5.09), 50);
    EXPECT_EQ(zem::Tenths(1e300), INT_MIN);
    EXPECT_EQ(zem::Tenths(-1e300), INT_MIN);
    EXPECT_EQ(zem::Tenths(std::numeric_limits<double>::quiet_NaN()), INT_MIN);
}

}  // namespace
