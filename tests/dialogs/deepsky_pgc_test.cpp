// The deep-sky dialog's right half and its rules: the enable rules, PGC galaxies with and without
// their data, the other-objects grid, and the stepping of its edits.
#include <gtest/gtest.h>

#include "deepsky_support.h"

using namespace bench;
using namespace deepsky;
using overlay::State;
using overlay::Value;

namespace {

const CString kMarkShown = State({{L"DeepSkyObject.Mark.Visible", L"TRUE"}, {L"DeepSkyObject.FixedMagnitudeLimit", L"TRUE"},
                                  {L"DeepSkyObject.FixedMagnitudeLimit.Minimum", L"12"}});

TEST(DeepSkyRules, EnableRulesFollowTheBoxes) {
    struct Expect {
        UINT click;
        bool list, range, brightness, pgcLabels, pgcRange;
    };
    const Expect steps[] = {
        {0, true, true, false, false, false},
        {IDC_NBL_IMAGE, true, true, true, false, false},
        {IDC_NBL_LIMIT_MAG, true, false, true, false, false},
        {IDC_NBL_LIMIT_MAG, true, true, true, false, false},
        // No annotation: the restrictions, the range and the brightness go, images or not ...
        {IDC_NBL_MARK, false, false, false, false, false},
        {IDC_NBL_IMAGE, false, false, false, false, false},
        // ... and the image box alone brings the brightness back.
        {IDC_NBL_IMAGE, false, false, true, false, false},
        {IDC_NBL_PGC, false, false, true, true, false},
        {IDC_NBL_PGC_LIMIT_MAG, false, false, true, true, true},
        {IDC_NBL_PGC, false, false, true, false, false},
        {IDC_NBL_PGC, false, false, true, true, true},
    };
    Bench b;
    b.engine.LoadState(kMarkShown);
    auto dlg = Make(b);
    std::vector<Bench::Step> run;
    for (const auto& e : steps) {
        if (e.click) run.push_back(Click(e.click));
        run.push_back(Do([e](CDialog& d) {
            SCOPED_TRACE(testing::Message() << "after clicking " << e.click);
            for (UINT id : {IDC_NBL_LIMIT_GROUP, IDC_NBL_CATALOG_LIST, IDC_NBL_TYPE_LIST, IDC_NBL_LIMIT_MAG})
                EXPECT_EQ(Enabled(d, id), e.list) << id;
            for (UINT id : {IDC_NBL_MAG_MAX, IDC_NBL_MAG_MIN_SPIN, IDC_NBL_MAG_UNIT}) EXPECT_EQ(Enabled(d, id), e.range) << id;
            for (UINT id : {IDC_NBL_BRIGHTNESS, IDC_NBL_IMAGE_RESET}) EXPECT_EQ(Enabled(d, id), e.brightness) << id;
            for (UINT id : {IDC_NBL_PGC_NUMBER, IDC_NBL_PGC_LIMIT_MAG, IDC_NBL_PGC_SHAPE_OUTLINE, IDC_NBL_PGC_POINT})
                EXPECT_EQ(Enabled(d, id), e.pgcLabels) << id;
            for (UINT id : {IDC_NBL_PGC_MAG_MAX, IDC_NBL_PGC_MAG_MIN_SPIN, IDC_NBL_PGC_MAG_UNIT})
                EXPECT_EQ(Enabled(d, id), e.pgcRange) << id;
            for (UINT id : {IDC_NBL_OUTLINE, IDC_NBL_IMAGE, IDC_NBL_PGC}) EXPECT_TRUE(Enabled(d, id)) << id;
        }));
    }
    run.push_back(Cancel());
    b.Run(*dlg, run);
}

TEST(DeepSkyPgc, BoxesWithTheData) {
    // With the data and PGC galaxies shown, a click on a PGC box runs the PGC rules, whose limit
    // handler applies, then applies itself; unchecking PGC galaxies leaves no limit handler.
    const struct {
        UINT click;
        std::size_t scripts;
    } cases[] = {{IDC_NBL_PGC_NUMBER, 2}, {IDC_NBL_PGC_MAGNITUDE, 2}, {IDC_NBL_PGC_ALIAS, 1}, {IDC_NBL_PGC, 1}};
    for (const auto& c : cases) {
        Bench b;
        b.engine.LoadState(State({{L"DeepSkyObject.PGC.Visible", L"TRUE"}}));
        auto dlg = Make(b, 1);
        b.Run(*dlg, {Do([&](CDialog&) { b.Take(); }), Click(c.click), Ok()});
        const auto scripts = b.Scripts();
        ASSERT_EQ(scripts.size(), c.scripts) << c.click;
        EXPECT_EQ(scripts.front(), scripts.back());
    }
}

TEST(DeepSkyPgc, WithoutTheDataTheNoticeComesOnce) {
    const std::wstring notice = L"W 2045 \"PGCデータ\" \"銀河カタログ(PGC)\" main";
    const struct {
        const char* name;
        bool parentOnly, shownAtOpening;
        UINT click;
    } cases[] = {
        {"no data", false, false, IDC_NBL_PGC},
        {"parent-only form", true, false, IDC_NBL_PGC},
        {"opened shown", false, true, IDC_NBL_PGC_MAGNITUDE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Bench b;
        b.engine.LoadState(State({{L"DeepSkyObject.PGC.Visible", c.shownAtOpening ? L"TRUE" : L"FALSE"}}));
        std::unique_ptr<CDlgNbl> dlg = c.parentOnly ? std::make_unique<CDlgNbl>(b.parent()) : Make(b, 0);
        Events clicked, again;
        b.Run(*dlg, {Do([&](CDialog&) { b.Take(); }), Click(c.click), Do([&](CDialog& d) {
                         clicked = b.Take();
                         EXPECT_FALSE(Checked(d, IDC_NBL_PGC));
                         EXPECT_FALSE(Enabled(d, IDC_NBL_PGC));
                         // The other boxes keep their state: the enable rules are not run again.
                         EXPECT_EQ(Enabled(d, IDC_NBL_PGC_NUMBER), c.shownAtOpening);
                     }),
                     Click(IDC_NBL_PGC_NUMBER), Do([&](CDialog&) { again = b.Take(); }), Cancel()});
        EXPECT_EQ(clicked, (Events{L"F 1201", notice}));
        EXPECT_TRUE(again.empty());
        // PGC galaxies stay shown in the engine until a change is applied.
        EXPECT_EQ(b.engine.Doit(L"? DeepSkyObject.PGC.Visible"), c.shownAtOpening ? L"TRUE" : L"FALSE");
    }
}

TEST(DeepSkyOtherObjects, NameBoxFollowsItsRowAndKeepsItsState) {
    const struct {
        UINT show, name;
        const wchar_t* path;
    } rows[] = {
        {IDC_NBL_INFRARED, IDC_NBL_INFRARED_NAME, L"InfraredSource"},
        {IDC_NBL_H2REGION, IDC_NBL_H2REGION_NAME, L"H2Region"},
        {IDC_NBL_XRAY, IDC_NBL_XRAY_NAME, L"XraySource"},
        {IDC_NBL_QUASAR, IDC_NBL_QUASAR_NAME, L"QuasarRadioGalaxy"},
        {IDC_NBL_LOCAL_GALAXIES, IDC_NBL_LOCAL_GALAXIES_NAME, L"LocalGroupOfGalaxies"},
        {IDC_NBL_GALAXY_CLUSTERS, IDC_NBL_GALAXY_CLUSTERS_NAME, L"GroupClusterOfGalaxies"},
    };
    for (const auto& r : rows) {
        const std::wstring path = r.path;
        Bench b;
        b.engine.LoadState(State({{path + L".Name.Visible", L"TRUE"}}));
        auto dlg = Make(b);
        std::vector<bool> enabled;
        auto look = Do([&](CDialog& d) { enabled.push_back(Enabled(d, r.name)); });
        b.Run(*dlg, {look, Click(r.show), look, Click(r.name), Click(r.show), look, Ok()});
        EXPECT_EQ(enabled, (std::vector<bool>{false, true, false})) << r.path;
        const auto scripts = b.Scripts();
        ASSERT_EQ(scripts.size(), 3u);
        EXPECT_EQ(Value(scripts[0], path + L".Visible"), L"TRUE");
        EXPECT_EQ(Value(scripts[0], path + L".Name.Visible"), L"TRUE");
        EXPECT_EQ(Value(scripts[2], path + L".Visible"), L"FALSE");
        EXPECT_EQ(Value(scripts[2], path + L".Name.Visible"), L"FALSE");
    }
}

// Every arrow press is one tenth by the delta's sign within the edit's own bounds, truncated
// toward zero first; the change notification applies it once.
TEST(DeepSkyFields, StepsWithinEachEditsBounds) {
    const struct {
        UINT edit, spin;
        const wchar_t* text;
        int delta;
        const wchar_t* stepped;
    } cases[] = {
        {IDC_NBL_MAG_MAX, IDC_NBL_MAG_MAX_SPIN, L"17.9", 20, L"18.0"},
        {IDC_NBL_MAG_MAX, IDC_NBL_MAG_MAX_SPIN, L"18.0", 1, L"18.0"},
        {IDC_NBL_MAG_MAX, IDC_NBL_MAG_MAX_SPIN, L"5.37", 1, L"5.4"},
        {IDC_NBL_MAG_MAX, IDC_NBL_MAG_MAX_SPIN, L"-1.25", 1, L"-1.1"},
        {IDC_NBL_MAG_MAX, IDC_NBL_MAG_MAX_SPIN, L"1e300", 1, L"-2.0"},
        {IDC_NBL_MAG_MIN, IDC_NBL_MAG_MIN_SPIN, L"-2.0", -1, L"-2.0"},
        {IDC_NBL_MAG_MIN, IDC_NBL_MAG_MIN_SPIN, L"19", -1, L"18.0"},
        {IDC_NBL_PGC_MAG_MAX, IDC_NBL_PGC_MAG_MAX_SPIN, L"-1.95", -5, L"-2.0"},
        {IDC_NBL_PGC_MAG_MIN, IDC_NBL_PGC_MAG_MIN_SPIN, L"25.9", 1, L"26.0"},
        {IDC_NBL_PGC_MAG_MIN, IDC_NBL_PGC_MAG_MIN_SPIN, L"26.0", 1, L"26.0"},
        {IDC_NBL_BRIGHTNESS, IDC_NBL_BRIGHTNESS_SPIN, L"1.0", 1, L"1.0"},
        {IDC_NBL_BRIGHTNESS, IDC_NBL_BRIGHTNESS_SPIN, L"0.1", -1, L"0.1"},
        {IDC_NBL_BRIGHTNESS, IDC_NBL_BRIGHTNESS_SPIN, L"x", 1, L"0.1"},
        {IDC_NBL_BRIGHTNESS, IDC_NBL_BRIGHTNESS_SPIN, L"0.55", 0, L"0.5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.edit << " " << zem::ToUtf8(c.text) << " " << c.delta);
        Bench b;
        b.engine.LoadState(kMarkShown);
        b.engine.Doit(State({{L"DeepSkyObject.Image.Visible", L"TRUE"}, {L"DeepSkyObject.PGC.Visible", L"TRUE"},
                             {L"DeepSkyObject.PGC.FixedMagnitudeLimit", L"TRUE"}}));
        auto dlg = Make(b);
        std::wstring shown;
        b.Run(*dlg, {Paste(c.edit, c.text), Do([&](CDialog&) { b.Take(); }), SpinRaw(c.spin, c.delta),
                     Do([&](CDialog& d) { shown = TextOf(d, c.edit); }), Cancel()});
        EXPECT_EQ(shown, c.stepped);
    }
}

TEST(DeepSkyFields, ResetWritesFullBrightnessAndApplies) {
    Bench b;
    b.engine.LoadState(State({{L"DeepSkyObject.Mark.Visible", L"TRUE"}, {L"DeepSkyObject.Image.Visible", L"TRUE"},
                              {L"DeepSkyObject.Image.Brightness", L"0.3"}}));
    auto dlg = Make(b);
    std::wstring shown;
    b.Run(*dlg, {Click(IDC_NBL_IMAGE_RESET), Do([&](CDialog& d) { shown = TextOf(d, IDC_NBL_BRIGHTNESS); }), Ok()});
    EXPECT_EQ(shown, L"1.0");
    const auto scripts = b.Scripts();
    ASSERT_EQ(scripts.size(), 1u);
    EXPECT_EQ(Value(scripts[0], L"DeepSkyObject.Image.Brightness"), L"1.0");
}

}  // namespace
