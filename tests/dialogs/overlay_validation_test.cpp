// What the variable-star and double-star dialogs refuse, and the nova dialogs' lack of checks.
#include <gtest/gtest.h>

#include "overlay_support.h"

using namespace bench;
using namespace overlay;

namespace {

const wchar_t* const kGcvsRange = L"M info 変光星の等級には -6.0 から 30.0 までの値を入力してください。";
const wchar_t* const kGcvsOrder = L"M info 変光星の等級範囲は、上限等級より下限等級を大きくしてください。";
const wchar_t* const kWdsRange = L"M info 二重星の等級には -2.0 から 30.0 までの値を入力してください。";
const wchar_t* const kWdsOrder = L"M info 二重星の等級範囲は、上限等級より下限等級を大きくしてください。";
const wchar_t* const kNotANumber = L"M info 数値を入力してください。";

const Dialog& Gcvs() { return kDialogs[0]; }
const Dialog& Nova() { return kDialogs[1]; }
const Dialog& Wds() { return kDialogs[3]; }

// Opens d on a fixed range of 1.0 to 9.0 (shown, so the person can type).
std::unique_ptr<CSettingsDialog> OpenFixed(Bench& b, const Dialog& d, const wchar_t* max = L"1", const wchar_t* min = L"9") {
    const std::wstring p = d.prefix;
    b.engine.LoadState(State({{d.viewPath, L"TRUE"},
                              {p + L".FixedMagnitudeLimit", L"TRUE"},
                              {p + L".FixedMagnitudeLimit.Maximum", max},
                              {p + L".FixedMagnitudeLimit.Minimum", min}}));
    return d.make(b);
}

TEST(OverlayValidation, PastedTexts) {
    // One change of one edit (after an optional earlier one); the events it brings, and for an
    // accepted change the Minimum and Maximum it sends.
    const struct {
        const Dialog& d;
        bool earlierInMax;
        const wchar_t* earlier;  // pasted first, its events ignored
        bool inMax;
        const wchar_t* text;
        Events messages;                // everything but the script
        const wchar_t *sentMax, *sentMin;  // null: nothing sent
    } cases[] = {
        {Gcvs(), false, nullptr, false, L"-", {kNotANumber, L"F 1813"}, nullptr, nullptr},
        {Gcvs(), false, nullptr, true, L"abc", {kNotANumber, L"F 1810"}, nullptr, nullptr},
        {Gcvs(), false, nullptr, false, L"5 ", {kNotANumber, L"F 1813"}, nullptr, nullptr},
        {Gcvs(), false, nullptr, false, L"31", {kGcvsRange}, nullptr, nullptr},
        {Gcvs(), false, nullptr, true, L"-6.1", {kGcvsRange}, nullptr, nullptr},
        // NaN compares false with both bounds and with the other end: it goes through as typed.
        {Gcvs(), false, nullptr, false, L"nan", {}, L"1.0", L"nan"},
        {Gcvs(), false, nullptr, false, L"1e400", {kGcvsRange}, nullptr, nullptr},
        {Gcvs(), false, nullptr, true, L"-6", {}, L"-6.0", L"9.0"},
        {Gcvs(), false, nullptr, false, L"30", {}, L"1.0", L"30.0"},
        {Gcvs(), false, nullptr, true, L"9", {}, L"9.0", L"9.0"},  // equal ends pass
        {Gcvs(), false, nullptr, true, L"9.1", {kGcvsOrder}, nullptr, nullptr},
        {Gcvs(), false, nullptr, false, L"0.9", {kGcvsOrder}, nullptr, nullptr},
        // The faint end is checked first, and one message is the most a change brings.
        {Gcvs(), true, L"abc", false, L"99", {kGcvsRange}, nullptr, nullptr},
        {Gcvs(), true, L"99", false, L"x", {kNotANumber, L"F 1813"}, nullptr, nullptr},
        {Gcvs(), true, L"40", false, L"50", {kGcvsRange}, nullptr, nullptr},
        // Empty passes the check as 0.0 but the exchange cannot read it: the framework's message.
        {Gcvs(), true, L"-1", false, L"", {L"M plain 数値を入力してください。", L"F 1813"}, nullptr, nullptr},
        {Wds(), false, nullptr, false, L"-3", {kWdsRange}, nullptr, nullptr},
        {Wds(), false, nullptr, true, L"-2.01", {kWdsRange}, nullptr, nullptr},
        {Wds(), false, nullptr, true, L"-2", {}, L"-2.0", L"9.0"},
        {Wds(), true, L"5", false, L"4", {kWdsOrder}, nullptr, nullptr},
        {Wds(), false, nullptr, false, L"-", {kNotANumber, L"F 1714"}, nullptr, nullptr},
        // The nova dialogs check nothing: out of range and out of order are sent as typed.
        {Nova(), false, nullptr, true, L"45", {}, L"45.0", L"9.0"},
        {Nova(), true, L"20", false, L"-7", {}, L"20.0", L"-7.0"},
    };
    for (const auto& c : cases) {
        const Dialog& d = c.d;
        const std::string what = std::string(d.name) + " " + zem::ToUtf8(c.text);
        Bench b;
        auto dlg = OpenFixed(b, d);
        std::vector<Bench::Step> steps;
        if (c.earlier) steps.push_back(Paste(c.earlierInMax ? d.max : d.min, c.earlier));
        steps.push_back(Do([&](CDialog&) { b.Clear(); }));
        steps.push_back(Paste(c.inMax ? d.max : d.min, c.text));
        steps.push_back(Do([&](CDialog& w) {
            Events messages;
            std::vector<std::wstring> scripts;
            for (const auto& e : b.Take()) {
                if (e.starts_with(L"S ")) scripts.push_back(e.substr(2));
                else messages.push_back(e);
            }
            EXPECT_EQ(messages, c.messages) << what;
            ASSERT_EQ(scripts.size(), c.sentMax ? 1u : 0u) << what;
            if (c.sentMax) {
                EXPECT_EQ(Value(scripts[0], std::wstring(d.prefix) + L".FixedMagnitudeLimit.Maximum"), c.sentMax) << what;
                EXPECT_EQ(Value(scripts[0], std::wstring(d.prefix) + L".FixedMagnitudeLimit.Minimum"), c.sentMin) << what;
            }
            EXPECT_EQ(TextOf(w, c.inMax ? d.max : d.min), c.text) << what;  // never rewritten
        }));
        b.Run(*dlg, std::move(steps));
    }
}

TEST(OverlayValidation, AStateOutOfRangeAtOpeningLeavesAnEmptyUndoScript) {
    const struct {
        const Dialog& d;
        const wchar_t *max, *min;
        const wchar_t* message;
    } cases[] = {
        {Gcvs(), L"-7", L"9", kGcvsRange},
        {Gcvs(), L"-1", L"abc", nullptr},  // an answer that is no number reads as 0.0, in range
        {Gcvs(), L"8", L"6", kGcvsOrder},
        {Wds(), L"-2.5", L"9", kWdsRange},
        {Wds(), L"1", L"31", kWdsRange},
    };
    for (const auto& c : cases) {
        Bench b;
        auto dlg = OpenFixed(b, c.d, c.max, c.min);
        Events atOpening;
        b.Run(*dlg, {Do([&](CDialog&) { atOpening = b.Take(); }), Cancel()});
        if (c.message) {
            EXPECT_EQ(atOpening, Events{c.message}) << c.d.name;
            EXPECT_EQ(b.Take(), Events{L"S "}) << c.d.name;  // Cancel still sends the (empty) undo script
        } else {
            EXPECT_TRUE(atOpening.empty()) << c.d.name;
            EXPECT_EQ(Value(b.Scripts().at(0), L"Star.GCVS.FixedMagnitudeLimit.Minimum"), L"0.0");
        }
    }
}

}  // namespace
