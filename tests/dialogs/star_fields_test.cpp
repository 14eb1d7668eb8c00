// SPDX-License-Identifier: BSD-3-Clause
// What the star dialog's resets put back. (Its checks and steps: the star_fields and star_checks
// scenarios.)
#include <gtest/gtest.h>

#include "companions/zemreg/registry.h"
#include "support.h"

using namespace dlg;

namespace {

// Every field open to typing: twinkling, proper motion and the absolute magnitudes on.
const std::wstring kOpen = L"Star.Twinkle.Visible = TRUE; Star.ProperMotion = TRUE; star.Distance.Tenparsec = 1;";

TEST(StarFields, ResetsPutBackTheDefaults) {
    // The magnitude reset: the smaller of the data's limit and the engine's default.
    const struct {
        const wchar_t* state;
        const wchar_t* shown;  // null: the reset does nothing
    } magnitude[] = {
        {L"", L"8.0"},
        {L"Star.AutoMagnitudeLimit.Minimum.Default = 20;", L"14.1"},
        {L"Star.Catalog = TYCHO; Star.AutoMagnitudeLimit.Minimum.Default = 14.0;", L"11.5"},
        // Extended data with no catalog chosen (Tycho is not installed).
        {L"Star.Catalog = TYCHO; Star.Catalog.Tycho.LocalName = ;", nullptr},
    };
    for (const auto& c : magnitude) {
        SCOPED_TRACE(zem::ToUtf8(std::wstring(c.state)));
        Bench b;
        b.LoadSky(c.state);
        auto dlg = MakeStar(b);
        Play(b, *dlg, {Paste(IDC_STAR_MAG_AUTO_MIN, L"-1")}, {Click(IDC_STAR_MAG_RESET)}, [&](CDialog& d, const Sent& sent) {
            EXPECT_TRUE(sent.other.empty());
            EXPECT_EQ(TextOf(d, IDC_STAR_MAG_AUTO_MIN), c.shown ? c.shown : L"-1");
            ASSERT_EQ(sent.scripts.size(), c.shown ? 1u : 0u);
            if (c.shown) {
                EXPECT_EQ(Value(sent.scripts[0], L"Star.AutoMagnitudeLimit.Minimum"), c.shown);
            }
        });
    }

    // The star-image reset: size 1.0, no twinkling at 0.2, and the shape the registry names where
    // the dialog's creator offers it.
    const struct {
        const wchar_t* registry;  // null: no value
        const wchar_t* shape;
        const wchar_t* style;
    } image[] = {
        {nullptr, L"リアル", L"Star.Blur.Visible = FALSE; Star.Mirado.Visible = FALSE; Star.custom.visible = FALSE;"},
        {L"true", L"MIRADOファンタジー", L"Star.Blur.Visible = FALSE; Star.Mirado.Visible = TRUE; Star.custom.visible = FALSE;"},
    };
    for (const auto& c : image) {
        CRegistry::Clear();
        if (c.registry) CRegistry::Write(L"Default", L"Star.Mirado.Visible", c.registry);
        Bench b;
        b.LoadSky(kOpen + L"Star.Blur.Visible = TRUE; Star.Size = 3.5; Star.Twinkle.Strength = 0.9;");
        auto dlg = MakeStar(b, true);
        Play(b, *dlg, {}, {Click(IDC_STAR_IMAGE_RESET)}, [&](CDialog& d, const Sent& sent) {
            ASSERT_EQ(sent.scripts.size(), 1u);
            EXPECT_NE(sent.scripts[0].find(L"Star.Twinkle.Visible = FALSE;Star.Twinkle.Strength = 0.2;Star.Size = 1.0;" +
                                           std::wstring(c.style)),
                      std::wstring::npos)
                << zem::ToUtf8(sent.scripts[0]);
            EXPECT_EQ(Selected(d, IDC_STAR_SHAPE), c.shape);
        });
    }
    CRegistry::Clear();
}

}  // namespace
