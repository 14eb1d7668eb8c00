// The star dialog as it opens, closes and follows its show box: what it reads from the engine,
// what it sends (nothing, until something is applied), and which controls stay usable.
#include <gtest/gtest.h>

#include "star_support.h"

using namespace bench;
using overlay::Value;
using star::Split;

namespace {

using Statements = std::vector<std::pair<const wchar_t*, const wchar_t*>>;  // value "": not written
using Shown = std::vector<std::pair<UINT, const wchar_t*>>;

TEST(StarOpening, TheUndoScriptIsTheDialogsOwnReading) {
    const wchar_t* const kLabelLimits[] = {L"Star.JapaneseName", L"Star.EnglishName", L"Star.BayerLetter",
                                           L"Star.FlamsteedNumber", L"Star.VariableName", L"Star.Magnitude"};
    const struct {
        const wchar_t* state;
        Statements statements;
        Shown shown;
    } cases[] = {
        {L"Star.Size = 1.25;", {{L"Star.Size", L"1.2"}}, {{IDC_STAR_SIZE, L"1.2"}}},
        {L"Star.Visible = true;", {{L"Star.Visible", L"FALSE"}}, {}},
        {L"Star.JapaneseName.Visible = FALSE; Star.EnglishName.Visible = TRUE;",
         {{L"Star.JapaneseName.Visible", L"FALSE"}, {L"Star.EnglishName.Visible", L"TRUE"}}, {}},
        {L"Star.JapaneseName.Visible = TRUE; Star.EnglishName.Visible = TRUE;",
         {{L"Star.JapaneseName.Visible", L"TRUE"}, {L"Star.EnglishName.Visible", L"FALSE"}}, {}},
        {L"Star.JapaneseName.Visible = FALSE; Star.EnglishName.Visible = FALSE;",
         {{L"Star.JapaneseName.Visible", L"FALSE"}, {L"Star.EnglishName.Visible", L"FALSE"}}, {}},
        // The linked limit and its mode; the mode not chosen is not written.
        {L"Star.AutoMagnitudeLimit = true; Star.FixedMagnitudeLimit.Maximum = 1; Star.FixedMagnitudeLimit.Minimum = 9.5;",
         {{L"Star.FixedMagnitudeLimit", L"TRUE"},
          {L"Star.FixedMagnitudeLimit.Maximum", L"1.0"},
          {L"Star.FixedMagnitudeLimit.Minimum", L"9.5"},
          {L"Star.AutoMagnitudeLimit", L""},
          {L"Star.AutoMagnitudeLimit.Minimum", L""}},
         {}},
        // Clamped into the standard data's bounds as the dialog opens.
        {L"Star.AutoMagnitudeLimit.Minimum = 20; Star.JapaneseName.MagnitudeLimit.Minimum = -9;",
         {{L"Star.AutoMagnitudeLimit.Minimum", L"14.1"}, {L"Star.JapaneseName.MagnitudeLimit.Minimum", L"-6.0"}},
         {{IDC_STAR_MAG_AUTO_MIN, L"14.1"}, {IDC_STAR_NAME_LIMIT_MAG, L"-6.0"}}},
        {L"Star.ProperMotion = TRUE; Star.ProperMotion.MagnitudeLimit.Minimum = 7.3;",
         {{L"Star.ProperMotion", L"TRUE"}, {L"Star.ProperMotion.MagnitudeLimit.Minimum", L"7.3"}}, {}},
        {L"Star.ProperMotion = FALSE;", {{L"Star.ProperMotion.MagnitudeLimit.Minimum", L""}}, {}},
        {L"star.Distance.Tenparsec = 1; star.Distance.Tenparsec.Multiplier = 3.2;",
         {{L"star.Distance.Tenparsec.Multiplier", L"3.2"}, {L"star.Distance.Calc3D", L"0"}, {L"star.Distance.Tenparsec", L"1"}},
         {{IDC_STAR_ABSMAG_PARSEC, L"32"}}},
        {L"star.Distance.Tenparsec = 0.0;",
         {{L"star.Distance.Calc3D", L"0.007"}, {L"star.Distance.Tenparsec", L"0"}, {L"star.Distance.Tenparsec.Multiplier", L"10"}},
         {}},
        // One box for both distance properties: set only when both are.
        {L"DistanceToStars.Visible = TRUE; DistanceToStars.Name.Visible = FALSE;",
         {{L"DistanceToStars.Visible", L"FALSE"}, {L"DistanceToStars.Name.Visible", L"FALSE"}}, {}},
        {L"DistanceToStars.Visible = TRUE; DistanceToStars.Name.Visible = TRUE;",
         {{L"DistanceToStars.Visible", L"TRUE"}, {L"DistanceToStars.Name.Visible", L"TRUE"}}, {}},
    };
    for (const auto& c : cases) {
        const std::string what = zem::ToUtf8(std::wstring(c.state));
        Bench b;
        star::LoadSky(b, c.state);
        star::Dialog dlg(b);
        b.Run(dlg, {Do([&](CDialog& d) {
                        for (const auto& [id, text] : c.shown) EXPECT_EQ(TextOf(d, id), text) << what << " " << id;
                    }),
                    Cancel()});
        const std::wstring undo = dlg.GetUndoScript().str();
        for (const auto& [path, value] : c.statements) EXPECT_EQ(Value(undo, path), value) << what << " " << zem::ToUtf8(std::wstring(path));
    }

    // The six label kinds share one box and one value, read from the Japanese names only.
    for (const bool on : {true, false}) {
        Bench b;
        star::LoadSky(b, std::wstring(L"Star.EnglishName.MagnitudeLimit = ") + (on ? L"FALSE" : L"TRUE") +
                             L"; Star.JapaneseName.MagnitudeLimit = " + (on ? L"TRUE" : L"FALSE") +
                             L"; Star.JapaneseName.MagnitudeLimit.Minimum = 4.5;");
        star::Dialog dlg(b);
        b.Run(dlg, {Cancel()});
        const std::wstring undo = dlg.GetUndoScript().str();
        for (const wchar_t* kind : kLabelLimits) {
            EXPECT_EQ(Value(undo, kind + std::wstring(L".MagnitudeLimit")), on ? L"TRUE" : L"FALSE");
            EXPECT_EQ(Value(undo, kind + std::wstring(L".MagnitudeLimit.Minimum")), on ? L"4.5" : L"");
        }
    }
}

TEST(StarLifecycle, OpeningSendsNothingAndCancelUndoesOnlyAfterAnApply) {
    const struct {
        const char* what;
        std::vector<Bench::Step> steps;
        std::size_t scripts;  // sent by the steps
        bool undone;          // Cancel sends the undo script
    } cases[] = {
        {"nothing", {}, 0, false},
        {"refused only", {Paste(IDC_STAR_MAG_AUTO_MIN, L"99")}, 0, false},
        {"applied", {Click(IDC_STAR_BAYER)}, 1, true},
        {"data switched", {Click(IDC_STAR_DATA_EXT)}, 1, true},
    };
    for (const auto& c : cases) {
        Bench b;
        star::LoadSky(b);
        star::Dialog dlg(b);
        std::vector<Bench::Step> steps = {Do([&](CDialog&) { EXPECT_TRUE(b.Take().empty()) << c.what; })};
        steps.insert(steps.end(), c.steps.begin(), c.steps.end());
        steps.push_back(Do([&](CDialog&) { EXPECT_EQ(Split(b.Take()).scripts.size(), c.scripts) << c.what; }));
        steps.push_back(Cancel());
        b.Run(dlg, std::move(steps));
        const auto atCancel = b.Scripts();
        if (c.undone) {
            EXPECT_EQ(atCancel, std::vector<std::wstring>{dlg.GetUndoScript().str()}) << c.what;
        } else {
            EXPECT_TRUE(atCancel.empty()) << c.what;
        }
        // Whatever was applied, the engine is back where it was.
        EXPECT_EQ(b.engine.Peek(L"Star.Catalog"), CString(L"Hipparcos")) << c.what;
        EXPECT_EQ(b.engine.Peek(L"Star.BayerLetter.Visible"), CString(L"TRUE")) << c.what;
    }
}

TEST(StarEnableRules, HidingStarsLeavesTheOtherGroupUsable) {
    Bench b;
    star::LoadSky(b, L"Star.Twinkle.Visible = TRUE;");
    star::Dialog dlg(b);
    auto sameScripts = [&](std::size_t count, const wchar_t* visible) {
        const auto sent = Split(b.Take());
        ASSERT_EQ(sent.scripts.size(), count);
        for (const auto& s : sent.scripts) EXPECT_EQ(s, sent.scripts[0]);
        EXPECT_EQ(Value(sent.scripts[0], L"Star.Visible"), visible);
    };
    b.Run(dlg, {Do([&](CDialog&) { b.Clear(); }), Click(IDC_STAR_VISIBLE), Do([&](CDialog& d) {
                    // The enable rules run the handlers of the four overlay boxes, each applying.
                    sameScripts(5, L"FALSE");
                    for (UINT id = IDC_STAR_MAG_GROUP; id <= IDC_STAR_EXTDATA_DETAIL; ++id) EXPECT_FALSE(Enabled(d, id)) << id;
                    for (UINT id : {IDC_STAR_JNAMES, IDC_STAR_NEARBY, IDC_STAR_DISTANCE, IDC_STAR_PULSAR})
                        EXPECT_TRUE(Enabled(d, id)) << id;
                    EXPECT_FALSE(Enabled(d, IDC_STAR_NEARBY_NAME));  // its box is clear
                }),
                Click(IDC_STAR_NEARBY), Do([&](CDialog& d) {
                    const auto sent = b.Scripts();
                    ASSERT_EQ(sent.size(), 1u);
                    EXPECT_EQ(Value(sent[0], L"NearbyStars.Visible"), L"TRUE");
                    EXPECT_TRUE(Enabled(d, IDC_STAR_NEARBY_NAME));
                }),
                Click(IDC_STAR_VISIBLE), Do([&](CDialog& d) {
                    // And the proper-name and label-limit handlers as well.
                    sameScripts(7, L"TRUE");
                    for (UINT id : {IDC_STAR_TWINKLE, IDC_STAR_TWINKLE_STRENGTH, IDC_STAR_DATA_EXT, IDC_STAR_NAME_LIMIT_MAG})
                        EXPECT_TRUE(Enabled(d, id)) << id;
                    for (UINT id : {IDC_STAR_PM_MAG, IDC_STAR_EXTDATA, IDC_STAR_EXTDATA_DETAIL, IDC_STAR_MAG_MAX})
                        EXPECT_FALSE(Enabled(d, id)) << id;
                }),
                Ok()});

    // Twinkling is offered in a horizontal view only; elsewhere the box keeps its state.
    const struct {
        const wchar_t* coordinate;
        bool offered;
    } views[] = {{L"Horizon", true}, {L"HORIZON", true}, {L"Equatorial", false}, {L"", false}};
    for (const auto& v : views) {
        Bench b2;
        star::LoadSky(b2, L"Star.Twinkle.Visible = TRUE; View.Coordinate = " + std::wstring(v.coordinate) + L";");
        star::Dialog dlg2(b2);
        b2.Run(dlg2, {Do([&](CDialog& d) {
                          EXPECT_EQ(Enabled(d, IDC_STAR_TWINKLE), v.offered);
                          EXPECT_EQ(Enabled(d, IDC_STAR_TWINKLE_STRENGTH), v.offered);
                          EXPECT_TRUE(Checked(d, IDC_STAR_TWINKLE));
                      }),
                      Cancel()});
        EXPECT_EQ(Value(dlg2.GetUndoScript().str(), L"Star.Twinkle.Visible"), L"TRUE");
    }
}

}  // namespace
