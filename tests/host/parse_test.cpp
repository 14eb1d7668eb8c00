// SPDX-License-Identifier: BSD-3-Clause
// The scenario language: what each line means, and the precise reason a line is refused.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "host/parse.h"
#include "platform/format.h"
#include "resources/resource_ids.h"

namespace {

std::string Utf8(const std::wstring& s) { return zem::ToUtf8(s); }

TEST(ScenarioParse, RefusesWithThePreciseReason) {
    const struct {
        const wchar_t* line;
        const wchar_t* error;
    } cases[] = {
        {L"frobnicate 1", L"unknown command: frobnicate"},
        {L"click\t1301", L"a tab between words (separate them with blanks): click\t1301"},
        {L"spin 1307\tup", L"a tab between words (separate them with blanks): 1307\tup"},
        {L"click 1301 twice", L"extra words after \"click 1301\": twice"},
        {L"ok  now", L"extra words after \"ok\": now"},
        {L"show 1306 text", L"extra words after \"show 1306\": text"},
        {L"spin 1307 up 2 more", L"extra words after \"spin 1307 up 2\": more"},
        {L"cell 1500 1 2 3", L"extra words after \"cell 1500 1 2\": 3"},
        {L"picsets clear all", L"extra words after \"picsets clear\": all"},
        {L"picsets empty", L"unknown picsets line: empty"},
        {L"click", L"click needs a control id"},
        {L"click 12x", L"bad number: 12x"},
        {L"click x1", L"unknown control: x1"},
        {L"click IDC_NOTHING", L"unknown control: IDC_NOTHING"},
        {L"click idc_mw_visible", L"unknown control: idc_mw_visible"},  // symbols are case-sensitive
        {L"show IDD_DSP_MW", L"unknown control: IDD_DSP_MW"},             // a template, not a control
        {L"click IDC_MW_VISIBLE twice", L"extra words after \"click IDC_MW_VISIBLE\": twice"},
        {L"spin IDC_MW_BRIGHTNESS_SPIN sideways", L"spin needs up or down: sideways"},
        {L"click -1", L"bad number: -1"},
        {L"click 4294967296", L"control id out of range (0 to 4294967295): 4294967296"},
        {L"spin 1307", L"spin needs up or down"},
        {L"spin 1307 sideways", L"spin needs up or down: sideways"},
        {L"spin 1307 up x", L"bad number: x"},
        {L"spin 1307 up 10001", L"spin count out of range (0 to 10000): 10001"},
        {L"spin 1307 up 99999999999999999999999", L"spin count out of range (0 to 10000): 99999999999999999999999"},
        {L"spinraw 1307", L"spinraw needs a delta"},
        {L"spinraw 1307 2147483648", L"delta out of range (-2147483648 to 2147483647): 2147483648"},
        {L"spinraw 1307 -2147483649", L"delta out of range (-2147483648 to 2147483647): -2147483649"},
        {L"spinraw 1307 -", L"bad number: -"},
        {L"backspace 1306 -2", L"bad number: -2"},
        {L"select 1107", L"select needs an index"},
        {L"tick 1100 2147483648", L"index out of range (0 to 2147483647): 2147483648"},
        {L"cell 1500 1", L"cell needs a row and a column"},
        {L"open", L"open needs a class"},
        {L"open CDlgNothing", L"unknown class: CDlgNothing"},
        {L"open CDlgNbl pgc=2", L"unknown open option: pgc=2"},
        {L"registry Section", L"registry needs a section and a key"},
        {L"picset name only", L"picset needs NAME | FILE"},
        {L"file ../escape.txt", L"bad file path: ../escape.txt"},
        {L"file /etc/passwd", L"bad file path: /etc/passwd"},
        {L"file", L"bad file path: "},
        {L"state", L"state needs a path"},
    };
    for (const auto& c : cases) EXPECT_EQ(Utf8(ParseScenarioLine(c.line).error), Utf8(c.error)) << Utf8(c.line);
}

TEST(ScenarioParse, ReadsWordsNumbersAndTexts) {
    // Several blanks separate words; TEXT starts after the single blank that follows its word.
    ScenarioLine l = ParseScenarioLine(L"  type   1306  2.0 ");
    EXPECT_EQ(l.error, L"");
    EXPECT_EQ(l.verb, Verb::Type);
    EXPECT_EQ(l.id, 1306u);
    EXPECT_EQ(l.text, L" 2.0");

    l = ParseScenarioLine(L"spin 1307  down   10000");
    EXPECT_EQ(l.error, L"");
    EXPECT_FALSE(l.up);
    EXPECT_EQ(l.count, 10000);
    EXPECT_EQ(ParseScenarioLine(L"spin 1307 up").count, 1);

    EXPECT_EQ(ParseScenarioLine(L"spinraw 1307 -2147483648").count, INT_MIN);
    EXPECT_EQ(ParseScenarioLine(L"spinraw 1307 +2147483647").count, INT_MAX);

    l = ParseScenarioLine(L"cell 1500  3 0");
    EXPECT_EQ(l.count, 3);
    EXPECT_EQ(l.column, 0);

    l = ParseScenarioLine(L"registry  Default  Star.Mirado.Visible  TRUE ");
    EXPECT_EQ(l.section, L"Default");
    EXPECT_EQ(l.key, L"Star.Mirado.Visible");
    EXPECT_EQ(l.text, L" TRUE");

    l = ParseScenarioLine(L"picset 影絵 | shadow | 2.png");
    EXPECT_EQ(l.text, L"影絵");
    EXPECT_EQ(l.file, L"shadow | 2.png");

    l = ParseScenarioLine(L"open CDlgStar  mirado=1 parent-only");
    EXPECT_EQ(l.error, L"");
    EXPECT_EQ(l.text, L"CDlgStar");
    EXPECT_EQ(l.mirado, 1);
    EXPECT_TRUE(l.parentOnly);
    EXPECT_EQ(ParseScenarioLine(L"open CDlgNbl pgc=0").pgc, 0);

    // A file name and an engine path may hold blanks; an engine script keeps its tabs.
    EXPECT_EQ(ParseScenarioLine(L"file my stars/list 1.txt").text, L"my stars/list 1.txt");
    EXPECT_EQ(ParseScenarioLine(L"engine Star.Size =\t1.25;").text, L"Star.Size =\t1.25;");
    EXPECT_FALSE(ParseScenarioLine(L"show").hasId);
    EXPECT_TRUE(ParseScenarioLine(L"show IDOK").hasId);
    EXPECT_TRUE(ParseScenarioLine(L"show 0").hasId);
}

TEST(ScenarioParse, NamesControlsByTheirSymbols) {
    // Wherever a line takes a control id it takes the id's symbol, meaning that number.
    const struct {
        const wchar_t* line;
        UINT id;
    } cases[] = {
        {L"click IDC_STAR_TWINKLE", IDC_STAR_TWINKLE},       {L"type IDC_MW_BRIGHTNESS_EDIT 2.0", IDC_MW_BRIGHTNESS_EDIT},
        {L"append IDC_MW_BRIGHTNESS_EDIT 5", IDC_MW_BRIGHTNESS_EDIT},  {L"backspace IDC_MW_BRIGHTNESS_EDIT 2", IDC_MW_BRIGHTNESS_EDIT},
        {L"clear IDC_MW_BRIGHTNESS_EDIT", IDC_MW_BRIGHTNESS_EDIT},     {L"paste IDC_MW_BRIGHTNESS_EDIT 1.5", IDC_MW_BRIGHTNESS_EDIT},
        {L"spin IDC_MW_BRIGHTNESS_SPIN up 3", IDC_MW_BRIGHTNESS_SPIN},
        {L"spinraw IDC_MW_BRIGHTNESS_SPIN -4", IDC_MW_BRIGHTNESS_SPIN},
        {L"select IDC_STAR_SHAPE 1", IDC_STAR_SHAPE},        {L"tick IDC_CONS_LIST 0", IDC_CONS_LIST},
        {L"cell IDC_NBL_CATALOG_LIST 1 0", IDC_NBL_CATALOG_LIST},
        {L"show IDC_MW_VISIBLE", IDC_MW_VISIBLE},            {L"click IDOK", static_cast<UINT>(IDOK)},
        {L"click IDCANCEL", static_cast<UINT>(IDCANCEL)},    {L"show ID_HELP", static_cast<UINT>(ID_HELP)},
    };
    for (const auto& c : cases) {
        const ScenarioLine l = ParseScenarioLine(c.line);
        EXPECT_EQ(Utf8(l.error), "") << Utf8(c.line);
        EXPECT_EQ(l.id, c.id) << Utf8(c.line);
    }
    const ScenarioLine l = ParseScenarioLine(L"paste IDC_MW_BRIGHTNESS_EDIT  1.5");
    EXPECT_EQ(l.text, L" 1.5");
    EXPECT_EQ(ParseScenarioLine(L"spinraw IDC_MW_BRIGHTNESS_SPIN -4").count, -4);
}

TEST(ScenarioParse, SkipsBlankAndCommentLines) {
    for (const wchar_t* line : {L"", L"   ", L"\t", L"# note", L"   # indented note", L"\r"}) EXPECT_TRUE(IsSkippedLine(line)) << Utf8(line);
    for (const wchar_t* line : {L"ok", L" x #", L"engine #"}) EXPECT_FALSE(IsSkippedLine(line)) << Utf8(line);
}

}  // namespace
