// The star dialog's fields: what it refuses and in which order, how its spins step, and what its
// resets put back.
#include <gtest/gtest.h>

#include "companions/zemreg/registry.h"
#include "star_support.h"

using namespace bench;
using overlay::Value;
using star::Split;

namespace {

const wchar_t* const kRange = L"M info 等級には -6.0 から 14.1 までの値を入力してください。";
const wchar_t* const kOrder = L"M info 等級範囲は、上限等級より下限等級を大きくしてください。";
const wchar_t* const kSize = L"M info 大きさには 0.1 から 10.0 までの値を入力してください。";
const wchar_t* const kTwinkle = L"M info またたきの強さには 0.1 から 1.0 までの値を入力してください。";
const wchar_t* const kNotANumber = L"M info 数値を入力してください。";
const wchar_t* const kExchange = L"M plain 数値を入力してください。";  // the framework's own

// Every field open to typing: twinkling, proper motion and the absolute magnitudes on.
const std::wstring kOpen = L"Star.Twinkle.Visible = TRUE; Star.ProperMotion = TRUE; star.Distance.Tenparsec = 1;";
const std::wstring kFixed = kOpen + L"Star.AutoMagnitudeLimit = FALSE;";

struct Paste_ {
    UINT edit;
    const wchar_t* text;
};

TEST(StarFields, PastedTextsAreCheckedInOrder) {
    // After the earlier pastes (their events ignored), one paste: the events it brings besides a
    // script, and for a change that passes the value of one statement.
    const struct {
        const std::wstring& state;
        std::vector<Paste_> earlier;
        Paste_ paste;
        Events messages;
        const wchar_t *path, *sent;  // null: nothing sent
    } cases[] = {
        {kOpen, {}, {IDC_STAR_MAG_AUTO_MIN, L"14.2"}, {kRange}, nullptr, nullptr},
        {kOpen, {}, {IDC_STAR_MAG_AUTO_MIN, L"-6.1"}, {kRange}, nullptr, nullptr},
        {kOpen, {}, {IDC_STAR_MAG_AUTO_MIN, L"14.1"}, {}, L"Star.AutoMagnitudeLimit.Minimum", L"14.1"},
        {kOpen, {}, {IDC_STAR_MAG_AUTO_MIN, L"-"}, {kNotANumber, L"F 1005"}, nullptr, nullptr},
        {kOpen, {}, {IDC_STAR_NAME_LIMIT_MAG, L"14.15"}, {kRange}, nullptr, nullptr},
        {kOpen, {}, {IDC_STAR_PM_MAG, L"-6.01"}, {kRange}, nullptr, nullptr},
        {kOpen, {}, {IDC_STAR_SIZE, L"0.09"}, {kSize}, nullptr, nullptr},
        {kOpen, {}, {IDC_STAR_SIZE, L"10.01"}, {kSize}, nullptr, nullptr},
        {kOpen, {}, {IDC_STAR_SIZE, L"10"}, {}, L"Star.Size", L"10.0"},
        // An empty twinkle strength reads as 0.0: its range message, which takes the focus too.
        {kOpen, {}, {IDC_STAR_TWINKLE_STRENGTH, L""}, {kTwinkle, L"F 1023"}, nullptr, nullptr},
        {kOpen, {}, {IDC_STAR_TWINKLE_STRENGTH, L"1.01"}, {kTwinkle, L"F 1023"}, nullptr, nullptr},
        {kOpen, {}, {IDC_STAR_TWINKLE_STRENGTH, L"0,5"}, {kNotANumber, L"F 1023"}, nullptr, nullptr},
        {kOpen, {}, {IDC_STAR_TWINKLE_STRENGTH, L"0.1"}, {}, L"Star.Twinkle.Strength", L"0.1"},
        // The distance is not checked: the exchange's message, and the last value goes out.
        {kOpen, {}, {IDC_STAR_ABSMAG_PARSEC, L"abc"}, {kExchange, L"F 1044"}, L"star.Distance.Tenparsec.Multiplier", L"1.0"},
        // The first field that fails is the only one heard: linked limit, label limit, size,
        // twinkle strength, proper motion.
        {kOpen, {{IDC_STAR_PM_MAG, L"x"}}, {IDC_STAR_MAG_AUTO_MIN, L"99"}, {kRange}, nullptr, nullptr},
        {kOpen, {{IDC_STAR_SIZE, L"x"}}, {IDC_STAR_NAME_LIMIT_MAG, L"20"}, {kRange}, nullptr, nullptr},
        {kOpen, {{IDC_STAR_TWINKLE_STRENGTH, L"x"}}, {IDC_STAR_SIZE, L"0"}, {kSize}, nullptr, nullptr},
        {kOpen, {{IDC_STAR_PM_MAG, L"x"}}, {IDC_STAR_TWINKLE_STRENGTH, L"2"}, {kTwinkle, L"F 1023"}, nullptr, nullptr},
        // The fixed range: equal ends pass, the faint end is checked first, then the order.
        {kFixed, {}, {IDC_STAR_MAG_MAX, L"8"}, {}, L"Star.FixedMagnitudeLimit.Maximum", L"8.0"},
        {kFixed, {}, {IDC_STAR_MAG_MAX, L"8.1"}, {kOrder}, nullptr, nullptr},
        {kFixed, {{IDC_STAR_MAG_MAX, L"8"}}, {IDC_STAR_MAG_MIN, L"6"}, {kOrder}, nullptr, nullptr},
        {kFixed, {{IDC_STAR_MAG_MAX, L"x"}}, {IDC_STAR_MAG_MIN, L"15"}, {kRange}, nullptr, nullptr},
        // An empty end passes its check as 0.0; the exchange cannot read it and it keeps its value.
        {kFixed, {}, {IDC_STAR_MAG_MIN, L""}, {kExchange, L"F 1012"}, L"Star.FixedMagnitudeLimit.Minimum", L"8.0"},
    };
    for (const auto& c : cases) {
        const std::string what = std::to_string(c.paste.edit) + " " + zem::ToUtf8(std::wstring(c.paste.text));
        Bench b;
        star::LoadSky(b, c.state);
        star::Dialog dlg(b);
        std::vector<Bench::Step> steps;
        for (const auto& p : c.earlier) steps.push_back(Paste(p.edit, p.text));
        steps.push_back(Do([&](CDialog&) { b.Clear(); }));
        steps.push_back(Paste(c.paste.edit, c.paste.text));
        steps.push_back(Do([&](CDialog& d) {
            const auto sent = Split(b.Take());
            EXPECT_EQ(sent.other, c.messages) << what;
            ASSERT_EQ(sent.scripts.size(), c.sent ? 1u : 0u) << what;
            if (c.sent) {
                EXPECT_EQ(Value(sent.scripts[0], c.path), c.sent) << what;
            }
            EXPECT_EQ(TextOf(d, c.paste.edit), c.paste.text) << what;  // never rewritten
        }));
        b.Run(dlg, std::move(steps));
    }
}

TEST(StarFields, SpinsStepTheirFieldsAndApplyOnce) {
    // After an optional paste (its events ignored), presses of one spin: the text shown and the
    // value sent by the last press; every press sends one script.
    const struct {
        const wchar_t* state;
        Paste_ paste;  // edit 0: none
        UINT spin;
        int delta;  // of each notification
        int count;
        UINT shows;
        const wchar_t* text;
        const wchar_t *path, *sent;
    } cases[] = {
        {L"", {0, nullptr}, IDC_STAR_MAG_AUTO_MIN_SPIN, +1, 1, IDC_STAR_MAG_AUTO_MIN, L"8.1", L"Star.AutoMagnitudeLimit.Minimum", L"8.1"},
        // The acceleration of a held arrow still steps one tenth.
        {L"", {0, nullptr}, IDC_STAR_MAG_AUTO_MIN_SPIN, +20, 1, IDC_STAR_MAG_AUTO_MIN, L"8.1", L"Star.AutoMagnitudeLimit.Minimum", L"8.1"},
        // At the standard data's bound the text is rewritten and applied again.
        {L"Star.AutoMagnitudeLimit.Minimum = 14.1;", {0, nullptr}, IDC_STAR_MAG_AUTO_MIN_SPIN, +1, 2, IDC_STAR_MAG_AUTO_MIN,
         L"14.1", L"Star.AutoMagnitudeLimit.Minimum", L"14.1"},
        {L"", {IDC_STAR_NAME_LIMIT_MAG, L"-9"}, IDC_STAR_NAME_LIMIT_MAG_SPIN, -1, 1, IDC_STAR_NAME_LIMIT_MAG, L"-6.0",
         L"Star.JapaneseName.MagnitudeLimit.Minimum", L"-6.0"},
        {L"", {IDC_STAR_PM_MAG, L"5.37"}, IDC_STAR_PM_MAG_SPIN, +1, 1, IDC_STAR_PM_MAG, L"5.4",
         L"Star.ProperMotion.MagnitudeLimit.Minimum", L"5.4"},
        // The size steps from its value rounded to tenths; past a bound the edit keeps its text.
        {L"", {IDC_STAR_SIZE, L"1.25"}, IDC_STAR_SIZE_SPIN, +1, 1, IDC_STAR_SIZE, L"1.4", L"Star.Size", L"1.4"},
        {L"", {IDC_STAR_SIZE, L"1.25"}, IDC_STAR_SIZE_SPIN, -1, 1, IDC_STAR_SIZE, L"1.2", L"Star.Size", L"1.2"},
        {L"", {IDC_STAR_SIZE, L"10"}, IDC_STAR_SIZE_SPIN, +1, 1, IDC_STAR_SIZE, L"10", L"Star.Size", L"10.0"},
        {L"", {IDC_STAR_SIZE, L"0.1"}, IDC_STAR_SIZE_SPIN, -1, 1, IDC_STAR_SIZE, L"0.1", L"Star.Size", L"0.1"},
        // The twinkle strength steps from its value rounded down.
        {L"", {IDC_STAR_TWINKLE_STRENGTH, L"0.35"}, IDC_STAR_TWINKLE_STRENGTH_SPIN, +1, 1, IDC_STAR_TWINKLE_STRENGTH, L"0.4",
         L"Star.Twinkle.Strength", L"0.4"},
        {L"", {IDC_STAR_TWINKLE_STRENGTH, L"0.35"}, IDC_STAR_TWINKLE_STRENGTH_SPIN, -1, 1, IDC_STAR_TWINKLE_STRENGTH, L"0.2",
         L"Star.Twinkle.Strength", L"0.2"},
        {L"", {IDC_STAR_TWINKLE_STRENGTH, L"0.29"}, IDC_STAR_TWINKLE_STRENGTH_SPIN, +1, 1, IDC_STAR_TWINKLE_STRENGTH, L"0.3",
         L"Star.Twinkle.Strength", L"0.3"},
        {L"", {IDC_STAR_TWINKLE_STRENGTH, L"1.0"}, IDC_STAR_TWINKLE_STRENGTH_SPIN, +1, 3, IDC_STAR_TWINKLE_STRENGTH, L"1.0",
         L"Star.Twinkle.Strength", L"1.0"},
        // The distance's up arrow gives a negative delta and adds a parsec; 1 is its floor.
        {L"", {0, nullptr}, IDC_STAR_ABSMAG_PARSEC_SPIN, -1, 1, IDC_STAR_ABSMAG_PARSEC, L"11", L"star.Distance.Tenparsec.Multiplier",
         L"1.1"},
        {L"star.Distance.Tenparsec.Multiplier = 0.2;", {0, nullptr}, IDC_STAR_ABSMAG_PARSEC_SPIN, +1, 3, IDC_STAR_ABSMAG_PARSEC, L"1",
         L"star.Distance.Tenparsec.Multiplier", L"0.1"},
        // It shows the whole model again: a refused edit gets the last applied value back.
        {L"", {IDC_STAR_MAG_AUTO_MIN, L"99"}, IDC_STAR_ABSMAG_PARSEC_SPIN, -1, 1, IDC_STAR_MAG_AUTO_MIN, L"8.0",
         L"Star.AutoMagnitudeLimit.Minimum", L"8.0"},
    };
    for (const auto& c : cases) {
        const std::string what = std::to_string(c.spin) + " " + zem::ToUtf8(std::wstring(c.text));
        Bench b;
        star::LoadSky(b, kOpen + c.state);
        star::Dialog dlg(b);
        std::vector<Bench::Step> steps;
        if (c.paste.edit) steps.push_back(Paste(c.paste.edit, c.paste.text));
        steps.push_back(Do([&](CDialog&) { b.Clear(); }));
        for (int i = 0; i < c.count; ++i) steps.push_back(SpinRaw(c.spin, c.delta));
        steps.push_back(Do([&](CDialog& d) {
            const auto sent = Split(b.Take());
            EXPECT_TRUE(sent.other.empty()) << what;
            ASSERT_EQ(sent.scripts.size(), static_cast<std::size_t>(c.count)) << what;
            EXPECT_EQ(Value(sent.scripts.back(), c.path), c.sent) << what;
            EXPECT_EQ(TextOf(d, c.shows), c.text) << what;
        }));
        b.Run(dlg, std::move(steps));
    }
}

TEST(StarFields, ResetsPutBackTheDefaults) {
    // The magnitude reset: the smaller of the data's limit and the engine's default.
    const struct {
        const wchar_t* state;
        const wchar_t* shown;  // null: the reset does nothing
    } magnitude[] = {
        {L"", L"8.0"},
        {L"Star.AutoMagnitudeLimit.Minimum.Default = 6.5;", L"6.5"},
        {L"Star.AutoMagnitudeLimit.Minimum.Default = 20;", L"14.1"},
        {L"Star.Catalog = TYCHO; Star.AutoMagnitudeLimit.Minimum.Default = 14.0;", L"11.5"},
        // Extended data with no catalog chosen (Tycho is not installed).
        {L"Star.Catalog = TYCHO; Star.Catalog.Tycho.LocalName = ;", nullptr},
    };
    for (const auto& c : magnitude) {
        Bench b;
        star::LoadSky(b, c.state);
        star::Dialog dlg(b);
        b.Run(dlg, {Paste(IDC_STAR_MAG_AUTO_MIN, L"-1"), Do([&](CDialog&) { b.Clear(); }), Click(IDC_STAR_MAG_RESET),
                    Do([&](CDialog& d) {
                        const auto sent = Split(b.Take());
                        EXPECT_TRUE(sent.other.empty());
                        EXPECT_EQ(TextOf(d, IDC_STAR_MAG_AUTO_MIN), c.shown ? c.shown : L"-1") << zem::ToUtf8(std::wstring(c.state));
                        ASSERT_EQ(sent.scripts.size(), c.shown ? 1u : 0u);
                        if (c.shown) {
                            EXPECT_EQ(Value(sent.scripts[0], L"Star.AutoMagnitudeLimit.Minimum"), c.shown);
                        }
                    })});
    }

    // The star-image reset: size 1.0, no twinkling at 0.2, and the shape the registry names.
    const struct {
        const wchar_t* registry;  // null: no value
        bool mirado;
        const wchar_t* shape;
        const wchar_t* style;
    } image[] = {
        {nullptr, true, L"リアル", L"Star.Blur.Visible = FALSE; Star.Mirado.Visible = FALSE; Star.custom.visible = FALSE;"},
        {L"true", true, L"MIRADOファンタジー", L"Star.Blur.Visible = FALSE; Star.Mirado.Visible = TRUE; Star.custom.visible = FALSE;"},
        {L"TRUE", false, L"リアル", L"Star.Blur.Visible = FALSE; Star.Mirado.Visible = FALSE; Star.custom.visible = FALSE;"},
        {L"FALSE", true, L"リアル", L"Star.Blur.Visible = FALSE; Star.Mirado.Visible = FALSE; Star.custom.visible = FALSE;"},
    };
    for (const auto& c : image) {
        CRegistry::Clear();
        if (c.registry) CRegistry::Write(L"Default", L"Star.Mirado.Visible", c.registry);
        Bench b;
        star::LoadSky(b, kOpen + L"Star.Blur.Visible = TRUE; Star.Size = 3.5; Star.Twinkle.Strength = 0.9;");
        star::Dialog dlg(b, c.mirado);
        b.Run(dlg, {Do([&](CDialog&) { b.Clear(); }), Click(IDC_STAR_IMAGE_RESET), Do([&](CDialog& d) {
                        const auto sent = Split(b.Take());
                        ASSERT_EQ(sent.scripts.size(), 1u);
                        const std::wstring& s = sent.scripts[0];
                        EXPECT_TRUE(star::Contains(s, L"Star.Twinkle.Visible = FALSE;Star.Twinkle.Strength = 0.2;Star.Size = 1.0;" +
                                                          std::wstring(c.style)))
                            << zem::ToUtf8(s);
                        EXPECT_EQ(star::Selected(d, IDC_STAR_SHAPE), c.shape);
                        EXPECT_EQ(TextOf(d, IDC_STAR_SIZE), L"1.0");
                        EXPECT_EQ(TextOf(d, IDC_STAR_TWINKLE_STRENGTH), L"0.2");
                        EXPECT_FALSE(Checked(d, IDC_STAR_TWINKLE));
                        for (UINT id : {IDC_STAR_TWINKLE_LABEL, IDC_STAR_TWINKLE_STRENGTH, IDC_STAR_TWINKLE_STRENGTH_SPIN})
                            EXPECT_FALSE(Enabled(d, id)) << id;
                    })});
    }
    CRegistry::Clear();
}

}  // namespace
