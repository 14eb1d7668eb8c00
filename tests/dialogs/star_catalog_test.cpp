// SPDX-License-Identifier: BSD-3-Clause
// The star dialog's star data where the star_catalog scenario does not reach: the data in use at
// opening, a catalog in use that is not installed, switching (with the magnitude bounds that
// follow), and the clicked star of an extended catalog.
#include <gtest/gtest.h>

#include "support.h"

using namespace dlg;

namespace {

bool Contains(const std::wstring& text, const std::wstring& part) { return text.find(part) != std::wstring::npos; }

const std::wstring kOnlyUsno =
    L"Star.Catalog.GSC.LocalName = ; Star.Catalog.Tycho2.LocalName = ; Star.Catalog.Tycho.LocalName = ;";

// The star-data statements, as they stand between the distance and the overlays.
std::wstring DataPart(const std::wstring& data) { return L"Multiplier = 10;" + data + L"NearbyStars.Visible"; }

TEST(StarCatalog, OpensOnTheDataInUse) {
    const struct {
        std::wstring state;
        UINT radio;
        int selected;  // list position, -1 none
        bool detail;   // the detail button is offered
        const wchar_t* data;
    } cases[] = {
        {L"Star.Catalog.Switch.Catalog = GSCACT;", IDC_STAR_DATA_STD, 0, false,
         L"Star.Catalog.Switch = FALSE;Star.Catalog = Hipparcos;Star.Catalog.Switch.Catalog = GSCACT;"},
        {L"Star.Catalog.Switch.Catalog = ;", IDC_STAR_DATA_STD, -1, false, L"Star.Catalog.Switch = FALSE;Star.Catalog = Hipparcos;"},
        {L"Star.Catalog = GSCACT;", IDC_STAR_DATA_EXT, 0, true, L"Star.Catalog.Switch = FALSE;Star.Catalog = GSCACT;"},
        {L"Star.Catalog = tycho;", IDC_STAR_DATA_EXT, 2, false, L"Star.Catalog.Switch = FALSE;Star.Catalog = TYCHO;"},
        {L"Star.Catalog = 5;", IDC_STAR_DATA_EXT, 3, true, L"Star.Catalog.Switch = FALSE;Star.Catalog = USNOA20;"},
        // Only USNO-A2.0 installed: its one entry stands for it.
        {kOnlyUsno + L"Star.Catalog = USNOA20;", IDC_STAR_DATA_EXT, 0, true,
         L"Star.Catalog.Switch = FALSE;Star.Catalog = USNOA20;"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(zem::ToUtf8(c.state));
        Bench b;
        b.LoadSky(c.state);
        auto dlg = MakeStar(b);
        b.Run(*dlg, {Do([&](CDialog& d) {
                         EXPECT_TRUE(b.Take().empty());
                         EXPECT_TRUE(Checked(d, c.radio));
                         EXPECT_EQ(dynamic_cast<CComboBox&>(*d.GetDlgItem(IDC_STAR_EXTDATA)).GetCurSel(), c.selected);
                         EXPECT_EQ(Enabled(d, IDC_STAR_EXTDATA), c.radio != IDC_STAR_DATA_STD);
                         EXPECT_EQ(Enabled(d, IDC_STAR_EXTDATA_DETAIL), c.detail);
                     }),
                     Cancel()});
        EXPECT_TRUE(Contains(dlg->GetUndoScript().str(), DataPart(c.data))) << zem::ToUtf8(dlg->GetUndoScript());
    }
}

// With magnitudes below the bound -1.0 of no catalog chosen, the catalog not installed is itself
// refused: the undo script stays empty. (The star_catalog scenario shows the range message.)
TEST(StarCatalog, ACatalogInUseThatIsNotInstalledSelectsNothing) {
    Bench b;
    b.LoadSky(L"Star.Catalog = TYCHO; Star.Catalog.Tycho.LocalName = ; Star.AutoMagnitudeLimit.Minimum = -2; "
              L"Star.JapaneseName.MagnitudeLimit.Minimum = -1; Star.ProperMotion.MagnitudeLimit.Minimum = -6;");
    auto dlg = MakeStar(b);
    b.Run(*dlg, {Do([&](CDialog& d) {
                     EXPECT_EQ(b.Take(), Events{L"M plain CDlgStar::OnOK(): No ext star data selected."});
                     EXPECT_EQ(Items(d, IDC_STAR_EXTDATA), (std::vector<std::wstring>{L"GSC-ACT", L"Tycho-2", L"USNO-A2.0"}));
                     EXPECT_EQ(Selected(d, IDC_STAR_EXTDATA), L"");
                 }),
                 Ok()});
    EXPECT_TRUE(dlg->GetUndoScript().IsEmpty());
}

TEST(StarCatalog, SwitchingRaisesTheLinkedLimitAndClampsEveryField) {
    // Tycho's limit 11.0, GSC-ACT's 12.25 (12.3 in tenths), the engine's default 14.0.
    Bench b;
    b.LoadSky(L"Star.Catalog.Tycho.MagnitudeLimit.Minmag = 11.0; Star.Catalog.GSC.MagnitudeLimit.Minmag = 12.25; "
                     L"Star.AutoMagnitudeLimit.Minimum.Default = 14.0; Star.Catalog.Switch.Catalog = TYCHO;");
    auto dlg = MakeStar(b);
    // One step, then the linked limit and the label limit shown, the linked limit sent, the data sent.
    struct Expect {
        Bench::Step step;
        const wchar_t *linked, *label, *sent, *data;
    };
    const Expect steps[] = {
        {Click(IDC_STAR_DATA_EXT), L"11.0", L"3.0", L"11.0", L"Star.Catalog.Switch = FALSE;Star.Catalog = TYCHO;"},
        {Paste(IDC_STAR_MAG_AUTO_MIN, L"9"), L"9", L"3.0", L"9.0", L"Star.Catalog = TYCHO;"},
        // Raised to the smaller of the catalog's limit and the engine's default.
        {Select(IDC_STAR_EXTDATA, 0), L"12.3", L"3.0", L"12.3", L"Star.Catalog = GSCACT;"},
        {Spin(IDC_STAR_MAG_AUTO_MIN_SPIN, true, 3), L"12.3", L"3.0", L"12.3", L"Star.Catalog = GSCACT;"},
        // Above the new bound: clamped down; a text within it stays as typed.
        {Paste(IDC_STAR_NAME_LIMIT_MAG, L"5.37"), L"12.3", L"5.37", L"12.3", L"Star.Catalog = GSCACT;"},
        {Select(IDC_STAR_EXTDATA, 2), L"11.0", L"5.37", L"11.0", L"Star.Catalog = TYCHO;"},
        {Click(IDC_STAR_DATA_AUTO), L"11.0", L"5.37", L"11.0",
         L"Star.Catalog.Switch = TRUE;Star.Catalog = Hipparcos;Star.Catalog.Switch.Catalog = TYCHO;"},
        {Click(IDC_STAR_DATA_STD), L"14.0", L"5.37", L"14.0",
         L"Star.Catalog.Switch = FALSE;Star.Catalog = Hipparcos;Star.Catalog.Switch.Catalog = TYCHO;"},
    };
    std::vector<Bench::Step> run = {Do([&](CDialog&) { b.Clear(); })};
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        run.push_back(steps[i].step);
        run.push_back(Do([&, i](CDialog& d) {
            const Expect& e = steps[i];
            const auto sent = Split(b.Take());
            EXPECT_TRUE(sent.other.empty()) << i;
            ASSERT_FALSE(sent.scripts.empty()) << i;
            const std::wstring& s = sent.scripts.back();
            EXPECT_EQ(TextOf(d, IDC_STAR_MAG_AUTO_MIN), e.linked) << i;
            EXPECT_EQ(TextOf(d, IDC_STAR_NAME_LIMIT_MAG), e.label) << i;
            EXPECT_EQ(Value(s, L"Star.AutoMagnitudeLimit.Minimum"), e.sent) << i;
            EXPECT_TRUE(Contains(s, e.data)) << i << " " << zem::ToUtf8(s);
        }));
    }
    run.push_back(Ok());
    b.Run(*dlg, std::move(run));

    // In the fixed mode the linked limit is left alone; the fixed ends are clamped.
    Bench f;
    f.LoadSky(L"Star.AutoMagnitudeLimit = FALSE; Star.FixedMagnitudeLimit.Minimum = 14; Star.Catalog.Switch.Catalog = TYCHO;");
    auto fixed = MakeStar(f);
    f.Run(*fixed, {Click(IDC_STAR_DATA_EXT), Do([&](CDialog& d) {
                      EXPECT_EQ(TextOf(d, IDC_STAR_MAG_AUTO_MIN), L"8.0");
                      EXPECT_EQ(TextOf(d, IDC_STAR_MAG_MIN), L"11.5");
                      EXPECT_EQ(Value(f.Scripts().at(0), L"Star.FixedMagnitudeLimit.Minimum"), L"11.5");
                  }),
                  Ok()});
}

TEST(StarCatalog, AnotherCatalogForgetsAClickedStarOfAnExtendedOne) {
    const struct {
        const wchar_t* clicked;
        Bench::Step step;
        bool cleared;
    } cases[] = {
        {L"Star.Xno0042", Select(IDC_STAR_EXTDATA, 0), true},
        {L"STAR.XNO0042", Select(IDC_STAR_EXTDATA, 3), true},
        {L"Star.Hip32349", Select(IDC_STAR_EXTDATA, 0), false},
        {L"Star.Xno0042", Click(IDC_STAR_BAYER), false},
        {L"Star.Xno0042", Click(IDC_STAR_DATA_AUTO), false},  // the same catalog, switched automatically
    };
    for (const auto& c : cases) {
        const std::string what = zem::ToUtf8(std::wstring(c.clicked));
        Bench b;
        b.LoadSky(L"Star.Catalog = TYCHO2; ClickData.Object = \"" + std::wstring(c.clicked) + L"\";");
        auto dlg = MakeStar(b);
        b.Run(*dlg, {c.step, Ok()});
        const auto sent = b.Scripts();
        ASSERT_EQ(sent.size(), 1u) << what;
        // The clearing statement leads the script.
        EXPECT_EQ(sent[0].starts_with(L"ClickData.Object = \"\";Star.Visible = "), c.cleared) << what;
        EXPECT_EQ(b.engine.Peek(L"ClickData.Object").IsEmpty(), c.cleared) << what;
    }
}

}  // namespace
