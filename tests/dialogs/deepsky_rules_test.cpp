// The deep-sky dialog's rules: which controls its boxes enable, and how its arrows step its edits.
#include <gtest/gtest.h>

#include "deepsky_support.h"

using namespace bench;
using namespace deepsky;
using overlay::State;

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

}  // namespace
