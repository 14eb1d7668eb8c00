// The Milky Way and exoplanet dialogs where a scenario is clumsy: odd engine answers, the public
// script interface a host may call, and the cost of a live change.
#include <gtest/gtest.h>

#include <chrono>

#include "bench/bench.h"
#include "dialogs/exoplanet/dlgexoplanet.h"
#include "dialogs/milkyway/dlgmw.h"
#include "resources/resource_ids.h"

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

TEST(MilkyWay, HostMayCallTheScriptInterfaceItself) {
    Bench b;
    b.engine.LoadState(L"Milkyway.Visible = TRUE; Milkyway.Outline.Visible = TRUE; Milkyway.Image.Brightness = 2.0;");
    CDlgMw dlg(&b.engine, &b.engine2, b.parent());
    CString script;
    b.Run(dlg, {Do([&](CDialog&) {
                    ASSERT_TRUE(dlg.GetScript(&script));
                    dlg.Apply();
                    dlg.Undo();
                }),
                Ok()});
    const auto scripts = b.Scripts();
    ASSERT_EQ(scripts.size(), 2u);
    EXPECT_EQ(scripts[0], script.str() + L";Show Sky");
    EXPECT_EQ(scripts[1], script.str());  // the undo script carries no redraw
    EXPECT_EQ(script.str().find(L"Brightness"), std::wstring::npos);  // outline mode sends no brightness
}

TEST(MilkyWay, ALiveChangeCostsMicroseconds) {
    Bench b;
    b.LoadDefaultSky();
    CDlgMw dlg(&b.engine, &b.engine2, b.parent());
    double perChange = 0;
    b.Run(dlg, {Do([&](CDialog& d) {
                    const int n = 2000;
                    const auto start = std::chrono::steady_clock::now();
                    for (int i = 0; i < n; ++i) input::Click(d, IDC_MW_VISIBLE);
                    perChange = std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count() / n;
                }),
                Ok()});
    std::printf("one Milky Way change: %.2f us\n", perChange);
    EXPECT_LT(perChange, 1000.0);
}

TEST(ExoPlanet, SubSwitchesTravelWhateverTheMainSwitchSays) {
    Bench b;
    b.engine.LoadState(
        L"star.extrasolarplanet.visible = TRUE; star.extrasolarplanet.Orbit.visible = true; "
        L"star.extrasolarplanet.Name.visible = TRUE; star.extrasolarplanet.Mark.visible = FALSE;");
    CDlgExoPlanet dlg(&b.engine, &b.engine2, b.parent());
    bool orbitEnabled = true, planetEnabled = true;
    b.Run(dlg, {Click(IDC_EXO_VISIBLE), Do([&](CDialog& d) {
                    orbitEnabled = Enabled(d, IDC_EXO_ORBIT);
                    planetEnabled = Enabled(d, IDC_EXO_PLANET_NAME);
                }),
                Cancel()});
    EXPECT_FALSE(orbitEnabled);
    EXPECT_FALSE(planetEnabled);
    // GetBool reads "true" in any case; the orbit and planet name keep their opening values.
    EXPECT_EQ(b.Scripts(), (std::vector<std::wstring>{
                               L"star.extrasolarplanet.visible = FALSE;star.extrasolarplanet.Star.Name.visible = FALSE;"
                               L"star.extrasolarplanet.Mark.visible = FALSE;star.extrasolarplanet.Orbit.visible = TRUE;"
                               L"star.extrasolarplanet.Name.visible = TRUE;;Show Sky",
                               L"star.extrasolarplanet.visible = TRUE;star.extrasolarplanet.Star.Name.visible = FALSE;"
                               L"star.extrasolarplanet.Mark.visible = FALSE;star.extrasolarplanet.Orbit.visible = TRUE;"
                               L"star.extrasolarplanet.Name.visible = TRUE;",
                           }));
}

}  // namespace
