// SPDX-License-Identifier: BSD-3-Clause
// The four overlay dialogs where their scenarios do not reach: the limit mode read and clicked in
// each, stepping and refusing at the bounds, states refused at opening, and nova text the exchange
// cannot read. (The double-star boxes that carry two properties: the overlay_wds scenario.)
#include <gtest/gtest.h>

#include "support.h"

using namespace dlg;

namespace {

const Overlay& Gcvs() { return kOverlays[0]; }
const Overlay& Nova() { return kOverlays[1]; }
const Overlay& Wds() { return kOverlays[3]; }

// Opens d on the given limit state (the main switch on, so the person can act).
std::unique_ptr<CSettingsDialog> Open(Bench& b, const Overlay& d, const wchar_t* fixed, const wchar_t* max, const wchar_t* min) {
    const std::wstring p = d.prefix;
    b.engine.LoadState(State({{d.viewPath, L"TRUE"},
                              {p + L".FixedMagnitudeLimit", fixed},
                              {p + L".FixedMagnitudeLimit.Maximum", max},
                              {p + L".FixedMagnitudeLimit.Minimum", min}}));
    return d.make(b);
}

TEST(OverlayLimit, ModeReadFromTheEngineIsWhatTheUndoScriptWrites) {
    const struct {
        const wchar_t *autoAnswer, *fixedAnswer;
        bool limit, fixed;
        const wchar_t *sentAuto, *sentFixed;
    } cases[] = {
        {L"", L"", false, false, L"FALSE", L"FALSE"},
        {L"TRUE", L"FALSE", true, false, L"TRUE", L"FALSE"},
        {L"TRUE", L"TRUE", true, true, L"FALSE", L"TRUE"},  // both: the fixed range wins
        {L"true", L"True", false, false, L"FALSE", L"FALSE"},
    };
    for (const auto& d : kOverlays)
        for (const auto& c : cases) {
            SCOPED_TRACE(d.name);
            Bench b;
            const std::wstring p = d.prefix;
            auto dlg = Open(b, d, c.fixedAnswer, L"-1.5", L"9");
            b.engine.Doit(State({{p + L".AutoMagnitudeLimit", c.autoAnswer}}));
            b.Clear();
            b.Run(*dlg, {Do([&](CDialog& w) {
                             EXPECT_EQ(Checked(w, d.limit), c.limit);
                             EXPECT_EQ(Checked(w, d.fixedRadio), c.fixed);
                             EXPECT_EQ(Checked(w, d.autoRadio), !c.fixed);
                         }),
                         Cancel()});
            const std::wstring undo = b.Scripts().at(0);
            EXPECT_EQ(Value(undo, p + L".AutoMagnitudeLimit"), c.sentAuto);
            EXPECT_EQ(Value(undo, p + L".FixedMagnitudeLimit"), c.sentFixed);
            EXPECT_TRUE(undo.ends_with(p + L".FixedMagnitudeLimit.Maximum = -1.5;" + p + L".FixedMagnitudeLimit.Minimum = 9.0;"));
        }
}

TEST(OverlayLimit, OffLinkedAndFixedByClicking) {
    // After each click: the two booleans sent, and whether the radios and the range are enabled.
    for (const auto& d : kOverlays) {
        SCOPED_TRACE(d.name);
        Bench b;
        const std::wstring p = d.prefix;
        auto dlg = Open(b, d, L"", L"1", L"9");
        const struct {
            UINT click;
            const wchar_t *sentAuto, *sentFixed;
            bool radios, range;
        } steps[] = {
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
            run.push_back(Click(e.click));
            run.push_back(Do([&, e](CDialog& w) {
                const auto scripts = b.Scripts();
                ASSERT_EQ(scripts.size(), 1u) << e.click;
                EXPECT_EQ(Value(scripts[0], p + L".AutoMagnitudeLimit"), e.sentAuto) << e.click;
                EXPECT_EQ(Value(scripts[0], p + L".FixedMagnitudeLimit"), e.sentFixed) << e.click;
                EXPECT_EQ(Enabled(w, d.limit), e.click != d.view);
                for (UINT id : {d.autoRadio, d.fixedRadio}) EXPECT_EQ(Enabled(w, id), e.radios) << e.click << " " << id;
                for (UINT id : {d.max, d.maxSpin, d.to, d.min, d.minSpin, d.unit})
                    EXPECT_EQ(Enabled(w, id), e.range) << e.click << " " << id;
            }));
        }
        b.Run(*dlg, std::move(run));
    }
}

TEST(OverlayLimit, StepsOneTenthWithinTheFieldsBounds) {
    // The faint end is stepped with the bright end at the lower bound, so that every result is
    // in order; a validating dialog sends once per step, the nova dialogs twice. (More of the
    // variable-star steps: the overlay_gcvs_spin scenario.)
    const struct {
        const Overlay& d;
        bool offset;  // the nova offset field instead of the faint end
        const wchar_t* start;
        int delta;
        const wchar_t* after;
    } cases[] = {
        {Gcvs(), false, L"45", -1, L"30.0"},  {Gcvs(), false, L"-9.0", 1, L"-6.0"},  {Gcvs(), false, L"abc", -1, L"-0.1"},
        {Gcvs(), false, L"5.37", -1, L"5.2"}, {Gcvs(), false, L"5.37", 0, L"5.3"},   {Gcvs(), false, L"-1.25", -1, L"-1.3"},
        {Gcvs(), false, L"-", 1, L"0.1"},     {Wds(), false, L"-2.0", -1, L"-2.0"},  {Wds(), false, L"-3", 1, L"-2.0"},
        {Wds(), false, L"30.0", 20, L"30.0"}, {Nova(), false, L"-2.0", -1, L"-2.0"}, {Nova(), false, L"31", -1, L"30.0"},
        {Nova(), true, L"-20.0", -1, L"-20.0"}, {Nova(), true, L"-19.95", -5, L"-20.0"}, {Nova(), true, L"30.0", 1, L"30.0"},
        {kOverlays[2], true, L"-25", 1, L"-20.0"}, {kOverlays[2], false, L"12.0", 1, L"12.1"},
    };
    for (const auto& c : cases) {
        const Overlay& d = c.d;
        SCOPED_TRACE(std::string(d.name) + " " + zem::ToUtf8(c.start) + " " + std::to_string(c.delta));
        const UINT edit = c.offset ? d.max - 6 : d.min;  // the offset edit stands six ids before the bright end
        Bench b;
        auto dlg = Open(b, d, L"TRUE", &d == &Gcvs() ? L"-6" : L"-2", L"9");
        Play(b, *dlg, {Paste(edit, c.start)}, {SpinRaw(edit + 1, c.delta)}, [&](CDialog& w, const Sent& sent) {
            EXPECT_EQ(TextOf(w, edit), c.after);
            ASSERT_EQ(sent.scripts.size(), d.validates ? 1u : 2u);
            EXPECT_EQ(sent.scripts.front(), sent.scripts.back());
            const std::wstring path = std::wstring(d.prefix) + (c.offset ? L".Magnitude.Offset" : L".FixedMagnitudeLimit.Minimum");
            EXPECT_EQ(Value(sent.scripts[0], path), c.after);
        });
    }
}

const wchar_t* const kGcvsRange = L"M info 変光星の等級には -6.0 から 30.0 までの値を入力してください。";
const wchar_t* const kGcvsOrder = L"M info 変光星の等級範囲は、上限等級より下限等級を大きくしてください。";
const wchar_t* const kWdsRange = L"M info 二重星の等級には -2.0 から 30.0 までの値を入力してください。";
const wchar_t* const kNotANumber = L"M info 数値を入力してください。";

TEST(OverlayValidation, PastedTexts) {
    // One change of one edit (after an optional earlier one) on a fixed range of 1.0 to 9.0: the
    // events it brings, and for an accepted change the Maximum and Minimum it sends. (More: the
    // overlay_gcvs_typing, overlay_wds and overlay_nova scenarios.)
    const struct {
        const Overlay& d;
        bool earlierInMax;
        const wchar_t* earlier;  // pasted first, its events ignored
        bool inMax;
        const wchar_t* text;
        Events messages;                   // everything but the script
        const wchar_t *sentMax, *sentMin;  // null: nothing sent
    } cases[] = {
        {Gcvs(), false, nullptr, true, L"abc", {kNotANumber, L"F 1810"}, nullptr, nullptr},
        {Gcvs(), false, nullptr, false, L"5 ", {kNotANumber, L"F 1813"}, nullptr, nullptr},
        // NaN compares false with both bounds and with the other end: it goes through as typed.
        {Gcvs(), false, nullptr, false, L"nan", {}, L"1.0", L"nan"},
        {Gcvs(), false, nullptr, false, L"1e400", {kGcvsRange}, nullptr, nullptr},
        {Gcvs(), false, nullptr, true, L"-6", {}, L"-6.0", L"9.0"},
        {Gcvs(), false, nullptr, false, L"30", {}, L"1.0", L"30.0"},
        {Gcvs(), false, nullptr, false, L"0.9", {kGcvsOrder}, nullptr, nullptr},
        // The faint end is checked first, and one message is the most a change brings.
        {Gcvs(), true, L"abc", false, L"99", {kGcvsRange}, nullptr, nullptr},
        {Gcvs(), true, L"99", false, L"x", {kNotANumber, L"F 1813"}, nullptr, nullptr},
        {Wds(), false, nullptr, true, L"-2.01", {kWdsRange}, nullptr, nullptr},
        {Wds(), false, nullptr, true, L"-2", {}, L"-2.0", L"9.0"},
        {Wds(), false, nullptr, false, L"-", {kNotANumber, L"F 1714"}, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        const Overlay& d = c.d;
        SCOPED_TRACE(std::string(d.name) + " " + zem::ToUtf8(c.text));
        Bench b;
        auto dlg = Open(b, d, L"TRUE", L"1", L"9");
        std::vector<Bench::Step> earlier;
        if (c.earlier) earlier.push_back(Paste(c.earlierInMax ? d.max : d.min, c.earlier));
        Play(b, *dlg, earlier, {Paste(c.inMax ? d.max : d.min, c.text)}, [&](CDialog& w, const Sent& sent) {
            EXPECT_EQ(sent.other, c.messages);
            ASSERT_EQ(sent.scripts.size(), c.sentMax ? 1u : 0u);
            if (c.sentMax) {
                EXPECT_EQ(Value(sent.scripts[0], std::wstring(d.prefix) + L".FixedMagnitudeLimit.Maximum"), c.sentMax);
                EXPECT_EQ(Value(sent.scripts[0], std::wstring(d.prefix) + L".FixedMagnitudeLimit.Minimum"), c.sentMin);
            }
            EXPECT_EQ(TextOf(w, c.inMax ? d.max : d.min), c.text);  // never rewritten
        });
    }
}

TEST(OverlayValidation, AStateOutOfRangeAtOpeningLeavesAnEmptyUndoScript) {
    const struct {
        const Overlay& d;
        const wchar_t *max, *min;
        const wchar_t* message;
    } cases[] = {
        {Gcvs(), L"-1", L"abc", nullptr},  // an answer that is no number reads as 0.0, in range
        {Wds(), L"-2.5", L"9", kWdsRange},
        {Wds(), L"1", L"31", kWdsRange},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.d.name);
        Bench b;
        auto dlg = Open(b, c.d, L"TRUE", c.max, c.min);
        Events atOpening;
        b.Run(*dlg, {Do([&](CDialog&) { atOpening = b.Take(); }), Cancel()});
        if (c.message) {
            EXPECT_EQ(atOpening, Events{c.message});
            EXPECT_EQ(b.Take(), Events{L"S "});  // Cancel still sends the (empty) undo script
        } else {
            EXPECT_TRUE(atOpening.empty());
            EXPECT_EQ(Value(b.Scripts().at(0), L"Star.GCVS.FixedMagnitudeLimit.Minimum"), L"0.0");
        }
    }
}

TEST(OverlayLabels, NovaTextTheExchangeCannotReadIsAnsweredByTheFrameworkAndTheRestSent) {
    Bench b;
    b.engine.LoadState(L"Star.Nova.Visible = TRUE; Star.Nova.Magnitude.Offset = 1.5");
    auto dlg = Make<CDlgStarNova>(b);
    Play(b, *dlg, {}, {Type(IDC_NOVA_MAG_OFFSET, L"-2")}, [&](CDialog&, const Sent& sent) {
        EXPECT_EQ(sent.other, (Events{L"M plain 数値を入力してください。", L"F 1909"}));
        ASSERT_EQ(sent.scripts.size(), 2u);
        EXPECT_EQ(Value(sent.scripts[0], L"Star.Nova.Magnitude.Offset"), L"1.5");  // the last value read
        EXPECT_EQ(Value(sent.scripts[1], L"Star.Nova.Magnitude.Offset"), L"-2.0");
    });
}

}  // namespace
