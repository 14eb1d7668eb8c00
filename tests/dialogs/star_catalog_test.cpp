// The star dialog's star data: the data in use at opening, a catalog in use that is not
// installed, switching between standard data, extended catalogs and automatic switching (with the
// magnitude bounds that follow), and the clicked star of an extended catalog.
#include <gtest/gtest.h>

#include "star_support.h"

using namespace bench;
using overlay::Value;
using star::Contains;
using star::Split;

namespace {

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
        {L"", IDC_STAR_DATA_STD, 1, false, L"Star.Catalog.Switch = FALSE;Star.Catalog = Hipparcos;Star.Catalog.Switch.Catalog = TYCHO2;"},
        {L"Star.Catalog.Switch.Catalog = GSCACT;", IDC_STAR_DATA_STD, 0, false,
         L"Star.Catalog.Switch = FALSE;Star.Catalog = Hipparcos;Star.Catalog.Switch.Catalog = GSCACT;"},
        {L"Star.Catalog.Switch.Catalog = ;", IDC_STAR_DATA_STD, -1, false, L"Star.Catalog.Switch = FALSE;Star.Catalog = Hipparcos;"},
        {L"Star.Catalog = GSCACT;", IDC_STAR_DATA_EXT, 0, true, L"Star.Catalog.Switch = FALSE;Star.Catalog = GSCACT;"},
        {L"Star.Catalog = TYCHO2;", IDC_STAR_DATA_EXT, 1, false, L"Star.Catalog.Switch = FALSE;Star.Catalog = TYCHO2;"},
        {L"Star.Catalog = tycho;", IDC_STAR_DATA_EXT, 2, false, L"Star.Catalog.Switch = FALSE;Star.Catalog = TYCHO;"},
        {L"Star.Catalog = 5;", IDC_STAR_DATA_EXT, 3, true, L"Star.Catalog.Switch = FALSE;Star.Catalog = USNOA20;"},
        {L"Star.Catalog.Switch = TRUE; Star.Catalog.Switch.Catalog = USNOA20;", IDC_STAR_DATA_AUTO, 3, true,
         L"Star.Catalog.Switch = TRUE;Star.Catalog = Hipparcos;Star.Catalog.Switch.Catalog = USNOA20;"},
        // Only USNO-A2.0 installed: its one entry stands for it.
        {kOnlyUsno + L"Star.Catalog = USNOA20;", IDC_STAR_DATA_EXT, 0, true,
         L"Star.Catalog.Switch = FALSE;Star.Catalog = USNOA20;"},
    };
    for (const auto& c : cases) {
        const std::string what = zem::ToUtf8(c.state);
        Bench b;
        star::LoadSky(b, c.state);
        star::Dialog dlg(b);
        b.Run(dlg, {Do([&](CDialog& d) {
                        EXPECT_TRUE(b.Take().empty()) << what;
                        EXPECT_TRUE(Checked(d, c.radio)) << what;
                        auto* list = dynamic_cast<CComboBox*>(d.GetDlgItem(IDC_STAR_EXTDATA));
                        ASSERT_NE(list, nullptr);
                        EXPECT_EQ(list->GetCurSel(), c.selected) << what;
                        EXPECT_EQ(Enabled(d, IDC_STAR_EXTDATA), c.radio != IDC_STAR_DATA_STD) << what;
                        EXPECT_EQ(Enabled(d, IDC_STAR_EXTDATA_DETAIL), c.detail) << what;
                    }),
                    Cancel()});
        EXPECT_TRUE(Contains(dlg.GetUndoScript().str(), DataPart(c.data))) << what << "\n" << zem::ToUtf8(dlg.GetUndoScript());
    }
}

TEST(StarCatalog, ACatalogInUseThatIsNotInstalledSelectsNothing) {
    // With no catalog chosen every magnitude is above the bound -1.0; with magnitudes below it the
    // missing catalog itself is refused.
    const struct {
        std::wstring magnitudes;
        const wchar_t* message;
    } cases[] = {
        {L"", L"M info 等級には -6.0 から -1.0 までの値を入力してください。"},
        {L"Star.AutoMagnitudeLimit.Minimum = -2; Star.JapaneseName.MagnitudeLimit.Minimum = -1; "
         L"Star.ProperMotion.MagnitudeLimit.Minimum = -6;",
         L"M plain CDlgStar::OnOK(): No ext star data selected."},
    };
    for (const auto& c : cases) {
        Bench b;
        star::LoadSky(b, L"Star.Catalog = TYCHO; Star.Catalog.Tycho.LocalName = ;" + c.magnitudes);
        star::Dialog dlg(b);
        b.Run(dlg, {Do([&](CDialog& d) {
                        EXPECT_EQ(b.Take(), Events{c.message});
                        EXPECT_EQ(star::Items(d, IDC_STAR_EXTDATA), (std::vector<std::wstring>{L"GSC-ACT", L"Tycho-2", L"USNO-A2.0"}));
                        EXPECT_EQ(star::Selected(d, IDC_STAR_EXTDATA), L"");
                        EXPECT_TRUE(Checked(d, IDC_STAR_DATA_EXT));
                    }),
                    Select(IDC_STAR_EXTDATA, 1), Do([&](CDialog&) {
                        const auto sent = b.Scripts();
                        ASSERT_EQ(sent.size(), 1u);
                        EXPECT_TRUE(Contains(sent[0], L"Star.Catalog.Switch = FALSE;Star.Catalog = TYCHO2;"));
                    }),
                    Ok()});
        EXPECT_TRUE(dlg.GetUndoScript().IsEmpty());
    }
}

TEST(StarCatalog, SwitchingRaisesTheLinkedLimitAndClampsEveryField) {
    // Tycho's limit 11.0, GSC-ACT's 12.25 (12.3 in tenths), the engine's default 14.0.
    Bench b;
    star::LoadSky(b, L"Star.Catalog.Tycho.MagnitudeLimit.Minmag = 11.0; Star.Catalog.GSC.MagnitudeLimit.Minmag = 12.25; "
                     L"Star.AutoMagnitudeLimit.Minimum.Default = 14.0; Star.Catalog.Switch.Catalog = TYCHO;");
    star::Dialog dlg(b);
    // One step, then the linked limit and the label limit shown, the linked limit sent, the data sent.
    struct Expect {
        Bench::Step step;
        const wchar_t *linked, *label, *sent, *data;
    };
    const Expect steps[] = {
        {Click(IDC_STAR_DATA_EXT), L"11.0", L"3.0", L"11.0", L"Star.Catalog.Switch = FALSE;Star.Catalog = TYCHO;"},
        {Spin(IDC_STAR_MAG_AUTO_MIN_SPIN, true), L"11.0", L"3.0", L"11.0", L"Star.Catalog = TYCHO;"},
        {Paste(IDC_STAR_MAG_AUTO_MIN, L"9"), L"9", L"3.0", L"9.0", L"Star.Catalog = TYCHO;"},
        {Paste(IDC_STAR_NAME_LIMIT_MAG, L"5.37"), L"9", L"5.37", L"9.0", L"Star.Catalog = TYCHO;"},
        // Raised to the smaller of the catalog's limit and the engine's default; a text within the
        // bound stays as typed.
        {Select(IDC_STAR_EXTDATA, 0), L"12.3", L"5.37", L"12.3", L"Star.Catalog = GSCACT;"},
        {Spin(IDC_STAR_MAG_AUTO_MIN_SPIN, true, 3), L"12.3", L"5.37", L"12.3", L"Star.Catalog = GSCACT;"},
        {Paste(IDC_STAR_NAME_LIMIT_MAG, L"12.2"), L"12.3", L"12.2", L"12.3", L"Star.Catalog = GSCACT;"},
        // Above the new bound: clamped down.
        {Select(IDC_STAR_EXTDATA, 2), L"11.0", L"11.0", L"11.0", L"Star.Catalog = TYCHO;"},
        {Click(IDC_STAR_DATA_AUTO), L"11.0", L"11.0", L"11.0",
         L"Star.Catalog.Switch = TRUE;Star.Catalog = Hipparcos;Star.Catalog.Switch.Catalog = TYCHO;"},
        {Click(IDC_STAR_DATA_STD), L"14.0", L"11.0", L"14.0",
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
    b.Run(dlg, std::move(run));

    // In the fixed mode the linked limit is left alone; the fixed ends are clamped.
    Bench f;
    star::LoadSky(f, L"Star.AutoMagnitudeLimit = FALSE; Star.FixedMagnitudeLimit.Minimum = 14; Star.Catalog.Switch.Catalog = TYCHO;");
    star::Dialog fixed(f);
    f.Run(fixed, {Click(IDC_STAR_DATA_EXT), Do([&](CDialog& d) {
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
        star::LoadSky(b, L"Star.Catalog = TYCHO2; ClickData.Object = \"" + std::wstring(c.clicked) + L"\";");
        star::Dialog dlg(b);
        b.Run(dlg, {c.step, Ok()});
        const auto sent = b.Scripts();
        ASSERT_EQ(sent.size(), 1u) << what;
        // The clearing statement leads the script.
        EXPECT_EQ(sent[0].starts_with(L"ClickData.Object = \"\";Star.Visible = "), c.cleared) << what;
        EXPECT_EQ(b.engine.Peek(L"ClickData.Object").IsEmpty(), c.cleared) << what;
    }
}

}  // namespace
