// SPDX-License-Identifier: BSD-3-Clause
// The Milky Way dialog on engine answers its tenths cannot hold.
#include <gtest/gtest.h>

#include "dialogs/milkyway/dlgmw.h"
#include "resources/resource_ids.h"
#include "testbench/testbench.h"

using namespace bench;

namespace {

std::wstring Brightness(const std::wstring& script) {
    const auto at = script.find(L"Milkyway.Image.Brightness = ");
    return at == std::wstring::npos ? L"" : script.substr(at + 28, script.find(L' ', at + 28) - at - 28);
}

TEST(MilkyWay, OddBrightnessAnswersNeverBreakTheSpin) {
    // Numbers the tenths cannot hold, and text that is not a number.
    for (const wchar_t* answer : {L"1e300", L"-1e300", L"nan", L"abc", L""}) {
        Bench b;
        b.engine.LoadState(CString(L"Milkyway.Visible = TRUE; Milkyway.Image.Visible = TRUE; Milkyway.Image.Brightness = ") + answer);
        CDlgMw dlg(&b.engine, &b.engine2, b.parent());
        b.Run(dlg, {Spin(IDC_MW_BRIGHTNESS_SPIN, false), Spin(IDC_MW_BRIGHTNESS_SPIN, true), Cancel()});
        const auto scripts = b.Scripts();
        ASSERT_FALSE(scripts.empty()) << zem::ToUtf8(answer);
        for (const auto& s : scripts) EXPECT_FALSE(Brightness(s).empty()) << zem::ToUtf8(s);
    }
}

}  // namespace
