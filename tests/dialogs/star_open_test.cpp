// The star dialog as it opens: what it reads from the engine, shown as its own undo script.
#include <gtest/gtest.h>

#include "star_support.h"

using namespace bench;
using overlay::Value;

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

}  // namespace
