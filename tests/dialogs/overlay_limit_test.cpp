// The magnitude limit group as the four overlay dialogs share it: the limit mode read and
// written, its enable rules, and the stepping of its fields.
#include <gtest/gtest.h>

#include "overlay_support.h"

using namespace bench;
using namespace overlay;

namespace {

TEST(OverlayLimit, ModeReadFromTheEngineIsWhatTheUndoScriptWrites) {
    const struct {
        const wchar_t *autoAnswer, *fixedAnswer;
        bool limit, fixed;
        const wchar_t *sentAuto, *sentFixed;
    } cases[] = {
        {L"", L"", false, false, L"FALSE", L"FALSE"},
        {L"TRUE", L"FALSE", true, false, L"TRUE", L"FALSE"},
        {L"FALSE", L"TRUE", true, true, L"FALSE", L"TRUE"},
        {L"TRUE", L"TRUE", true, true, L"FALSE", L"TRUE"},  // both: the fixed range wins
        {L"true", L"True", false, false, L"FALSE", L"FALSE"},
    };
    for (const auto& d : kDialogs)
        for (const auto& c : cases) {
            Bench b;
            const std::wstring p = d.prefix;
            b.engine.LoadState(State({{d.viewPath, L"TRUE"},
                                      {p + L".AutoMagnitudeLimit", c.autoAnswer},
                                      {p + L".FixedMagnitudeLimit", c.fixedAnswer},
                                      {p + L".FixedMagnitudeLimit.Maximum", L"-1.5"},
                                      {p + L".FixedMagnitudeLimit.Minimum", L"9"}}));
            auto dlg = d.make(b);
            b.Run(*dlg, {Do([&](CDialog& w) {
                             EXPECT_EQ(Checked(w, d.limit), c.limit);
                             EXPECT_EQ(Checked(w, d.fixedRadio), c.fixed);
                             EXPECT_EQ(Checked(w, d.autoRadio), !c.fixed);
                         }),
                         Cancel()});
            const auto scripts = b.Scripts();
            ASSERT_EQ(scripts.size(), 1u) << d.name;
            const std::wstring& undo = scripts[0];
            EXPECT_EQ(Value(undo, p + L".AutoMagnitudeLimit"), c.sentAuto) << d.name;
            EXPECT_EQ(Value(undo, p + L".FixedMagnitudeLimit"), c.sentFixed) << d.name;
            EXPECT_EQ(Value(undo, p + L".FixedMagnitudeLimit.Maximum"), L"-1.5") << d.name;
            EXPECT_EQ(Value(undo, p + L".FixedMagnitudeLimit.Minimum"), L"9.0") << d.name;
            EXPECT_TRUE(undo.ends_with(p + L".FixedMagnitudeLimit.Minimum = 9.0;")) << d.name;
        }
}

TEST(OverlayLimit, OffLinkedAndFixedByClicking) {
    // After each click: the two booleans sent, and which of radios / range are enabled.
    for (const auto& d : kDialogs) {
        Bench b;
        const std::wstring p = d.prefix;
        b.engine.LoadState(State({{d.viewPath, L"TRUE"},
                                  {p + L".FixedMagnitudeLimit.Maximum", L"1"},
                                  {p + L".FixedMagnitudeLimit.Minimum", L"9"}}));
        auto dlg = d.make(b);
        struct Expect {
            UINT click;
            const wchar_t *sentAuto, *sentFixed;
            bool radios, range;
        };
        const Expect steps[] = {
            {0, nullptr, nullptr, false, false},  // as opened: limit off
            {d.limit, L"TRUE", L"FALSE", true, false},
            {d.fixedRadio, L"FALSE", L"TRUE", true, true},
            {d.autoRadio, L"TRUE", L"FALSE", true, false},
            {d.fixedRadio, L"FALSE", L"TRUE", true, true},
            {d.limit, L"FALSE", L"FALSE", false, false},
            {d.limit, L"FALSE", L"TRUE", true, true},  // the fixed radio kept its state
            {d.view, L"FALSE", L"TRUE", false, false},
        };
        std::vector<Bench::Step> run;
        for (const auto& e : steps) {
            if (e.click) run.push_back(Click(e.click));
            run.push_back(Do([&, e](CDialog& w) {
                const auto scripts = b.Scripts();
                if (e.sentAuto) {
                    ASSERT_EQ(scripts.size(), 1u) << d.name << " " << e.click;
                    EXPECT_EQ(Value(scripts[0], p + L".AutoMagnitudeLimit"), e.sentAuto) << d.name << " " << e.click;
                    EXPECT_EQ(Value(scripts[0], p + L".FixedMagnitudeLimit"), e.sentFixed) << d.name << " " << e.click;
                    EXPECT_EQ(Value(scripts[0], p + L".FixedMagnitudeLimit.Maximum"), L"1.0");
                    EXPECT_TRUE(scripts[0].ends_with(L";;Show Sky"));
                }
                EXPECT_EQ(Enabled(w, d.limit), e.click != d.view) << d.name;
                for (UINT id : {d.autoRadio, d.fixedRadio}) EXPECT_EQ(Enabled(w, id), e.radios) << d.name << " " << id;
                for (UINT id : {d.max, d.maxSpin, d.to, d.min, d.minSpin, d.unit})
                    EXPECT_EQ(Enabled(w, id), e.range) << d.name << " " << id;
            }));
        }
        b.Run(*dlg, std::move(run));
    }
}

TEST(OverlayLimit, StepsOneTenthWithinTheFieldsBounds) {
    // The faint end is stepped with the bright end at the lower bound, so that every result is
    // in order; a validating dialog sends once per step, the nova dialogs twice.
    const struct {
        int dialog;  // index in kDialogs
        bool offset;  // the nova offset field instead of the faint end
        const wchar_t* start;
        int delta;
        const wchar_t* after;
    } cases[] = {
        {0, false, L"30.0", 1, L"30.0"},   {0, false, L"45", 1, L"30.0"},     {0, false, L"45", -1, L"30.0"},
        {0, false, L"-9.0", -1, L"-6.0"},  {0, false, L"-9.0", 1, L"-6.0"},   {0, false, L"abc", 1, L"0.1"},
        {0, false, L"abc", -1, L"-0.1"},   {0, false, L"5.37", 1, L"5.4"},    {0, false, L"5.37", -1, L"5.2"},
        {0, false, L"5.37", 0, L"5.3"},    {0, false, L"-1.25", 1, L"-1.1"},  {0, false, L"-1.25", -1, L"-1.3"},
        {0, false, L"5.0", 5, L"5.1"},     {0, false, L"5.0", -20, L"4.9"},   {0, false, L"-", 1, L"0.1"},
        {3, false, L"-2.0", -1, L"-2.0"},  {3, false, L"-3", 1, L"-2.0"},     {3, false, L"30.0", 20, L"30.0"},
        {1, false, L"-2.0", -1, L"-2.0"},  {1, false, L"31", -1, L"30.0"},    {1, true, L"-20.0", -1, L"-20.0"},
        {1, true, L"-19.95", -5, L"-20.0"}, {1, true, L"30.0", 1, L"30.0"},   {2, true, L"-25", 1, L"-20.0"},
        {2, false, L"12.0", 1, L"12.1"},
    };
    for (const auto& c : cases) {
        const Dialog& d = kDialogs[c.dialog];
        const UINT edit = c.offset ? d.max - 6 : d.min;  // the offset edit stands six ids before the bright end
        const UINT spin = edit + 1;
        const std::wstring p = d.prefix;
        Bench b;
        b.engine.LoadState(State({{d.viewPath, L"TRUE"},
                                  {p + L".FixedMagnitudeLimit", L"TRUE"},
                                  {p + L".FixedMagnitudeLimit.Maximum", c.dialog == 0 ? L"-6" : L"-2"},
                                  {p + L".FixedMagnitudeLimit.Minimum", L"9"}}));
        auto dlg = d.make(b);
        b.Run(*dlg, {Paste(edit, c.start), Do([&](CDialog&) { b.Clear(); }), SpinRaw(spin, c.delta),
                     Do([&](CDialog& w) {
                         const std::string what = std::string(d.name) + " " + zem::ToUtf8(c.start) + " " + std::to_string(c.delta);
                         EXPECT_EQ(TextOf(w, edit), c.after) << what;
                         const auto scripts = b.Scripts();
                         ASSERT_EQ(scripts.size(), d.validates ? 1u : 2u) << what;
                         if (scripts.size() == 2) {
                             EXPECT_EQ(scripts[0], scripts[1]) << what;
                         }
                         const std::wstring path = c.offset ? p + L".Magnitude.Offset" : p + L".FixedMagnitudeLimit.Minimum";
                         EXPECT_EQ(Value(scripts[0], path), c.after) << what;
                     })});
    }
}

}  // namespace
