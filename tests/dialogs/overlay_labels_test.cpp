// Label boxes that the scenarios cannot cover case by case: the double-star boxes that carry two
// properties, and nova text that the exchange cannot read.
#include <gtest/gtest.h>

#include <algorithm>

#include "overlay_support.h"

using namespace bench;
using namespace overlay;

namespace {

Events Queries(const Events& events) {
    Events q;
    for (const auto& e : events)
        if (e.starts_with(L"Q ")) q.push_back(e.substr(2, e.find(L" =>") - 2));
    return q;
}

TEST(OverlayLabels, DoubleStarBoxesAskTheirSecondPropertyOnlyAfterTrue) {
    const struct {
        const wchar_t *first, *second;  // answers to the first and second property of each box
        bool asked, checked;
    } cases[] = {
        {L"FALSE", L"TRUE", false, false},
        {L"TRUE", L"FALSE", true, false},
        {L"TRUE", L"true", true, false},
        {L"TRUE", L"TRUE", true, true},
    };
    const struct {
        const wchar_t *first, *second;
        UINT box;
        const wchar_t* sent[2];  // the properties the box writes
    } boxes[] = {
        {L"Star.WDS.Pair.Line.Visible", L"Star.WDS.Secondary.Mark.Visible", IDC_WDS_SYSTEM,
         {L"Star.WDS.Secondary.Mark.Visible", L"Star.WDS.Pair.Line.Visible"}},
        {L"Star.WDS.ComponentName.Visible", L"Star.WDS.Pair.Name.Visible", IDC_WDS_COMPONENT_NAME,
         {L"Star.WDS.ComponentName.Visible", L"Star.WDS.Pair.Name.Visible"}},
        {L"Star.WDS.Primary.Magnitude.Visible", L"Star.WDS.Secondary.Magnitude.Visible", IDC_WDS_MAG_ALL,
         {L"Star.WDS.Secondary.Magnitude.Visible", L"Star.WDS.Secondary.Magnitude.Visible"}},
    };
    for (const auto& box : boxes)
        for (const auto& c : cases) {
            Bench b;
            b.recordQueries = true;
            b.engine.LoadState(State({{box.first, c.first}, {box.second, c.second}}));
            CDlgStarWds dlg(&b.engine, &b.engine2, b.parent());
            b.Run(dlg, {Do([&](CDialog& w) { EXPECT_EQ(Checked(w, box.box), c.checked) << box.box; }), Cancel()});
            const Events events = b.Take();
            const Events q = Queries(events);
            EXPECT_EQ(std::count(q.begin(), q.end(), std::wstring(L"? ") + box.second), c.asked ? 1 : 0) << box.box;
            for (const wchar_t* path : box.sent)
                EXPECT_EQ(Value(events.back().substr(2), path), c.checked ? L"TRUE" : L"FALSE") << box.box;
        }
}

TEST(OverlayLabels, NovaTextTheExchangeCannotReadIsAnsweredByTheFrameworkAndTheRestSent) {
    Bench b;
    b.engine.LoadState(L"Star.Nova.Visible = TRUE; Star.Nova.Magnitude.Offset = 1.5");
    CDlgStarNova dlg(&b.engine, &b.engine2, b.parent());
    b.Run(dlg, {Do([&](CDialog&) { b.Clear(); }), Type(IDC_NOVA_MAG_OFFSET, L"-2")});
    const Events events = b.Take();
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[0], L"M plain 数値を入力してください。");
    EXPECT_EQ(events[1], L"F 1909");
    EXPECT_EQ(Value(events[2].substr(2), L"Star.Nova.Magnitude.Offset"), L"1.5");  // the last value read
    EXPECT_EQ(Value(events[3].substr(2), L"Star.Nova.Magnitude.Offset"), L"-2.0");
}

}  // namespace
