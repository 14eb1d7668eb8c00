// SPDX-License-Identifier: BSD-3-Clause
// The sky engine as a property store: script grammar, queries, typed reads, state and traffic.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "companions/zemqel/corqel.h"
#include "companions/zemqel/corqelrecorder.h"

namespace {

std::string U8(std::wstring_view s) { return zem::ToUtf8(s); }

TEST(Engine, AssignmentGrammar) {
    struct Case {
        const wchar_t* script;
        std::vector<std::pair<const wchar_t*, const wchar_t*>> expect;  // path, answer
    };
    const Case cases[] = {
        {L"\ta\t=\tTRUE\t;\r\n", {{L"a", L"TRUE"}}},
        {L"a = \"x;y\";b=2", {{L"a", L"x;y"}, {L"b", L"2"}}},
        {L"a = \"k=v\"; b = k=v", {{L"a", L"k=v"}, {L"b", L"k=v"}}},
        {L"a = \"  padded  \" ; b = \"\"; c = ;", {{L"a", L"  padded  "}, {L"b", L""}, {L"c", L""}}},
        // Quotes come off only when they enclose the whole value.
        {L"a = x\"y\"z; b = \"x\"y", {{L"a", L"x\"y\"z"}, {L"b", L"\"x\"y"}}},
        {L"a = \"", {{L"a", L"\""}}},
        // An unterminated quote runs to the end and takes the following statements with it.
        {L"a = \"open; b = 2", {{L"a", L"\"open; b = 2"}, {L"b", L""}}},
        {L";; a = 1 ;;; ; a = 2;;", {{L"a", L"2"}}},
        {L"a = C:\\sky\\file.png", {{L"a", L"C:\\sky\\file.png"}}},
        // Only ASCII blanks are layout; an ideographic space is part of the value.
        {L"名前 = \x3000アンドロメダ\x3000", {{L"名前", L"\x3000アンドロメダ\x3000"}}},
        {L"Show Sky = 1", {{L"show sky", L"1"}}},
    };
    for (const auto& c : cases) {
        CCorQel engine;
        engine.Doit(c.script);
        for (const auto& [path, answer] : c.expect)
            EXPECT_EQ(engine.Doit((CString(L"? ") + path).GetString()), CString(answer)) << U8(c.script) << " / " << U8(path);
    }
}

TEST(Engine, RedrawsAndIgnoredStatements) {
    // script, then the redraws, ignored statements and properties it leaves
    const std::tuple<const wchar_t*, int, int, std::size_t> cases[] = {
        {L";Show Sky", 1, 0, 0},          {L"  show   SKY ;", 1, 0, 0},     {L"Show\tSky;\nSHOW sky", 2, 0, 0},
        {L"a = 1;Show Sky;Show Sky", 2, 0, 1}, {L"ShowSky", 0, 1, 0},         {L"Show Sky now", 0, 1, 0},
        {L"Show", 0, 1, 0},               {L";;; ;\n;", 0, 0, 0},          {L" = 5;", 0, 1, 0},
        {L"hello; world", 0, 2, 0},       {L"a\"b = 1", 0, 1, 0},          {L"a = 1; ? a; b = 2", 0, 1, 2},
        // A comment: a statement without '=' whose first character is '#'.
        {L"# a note;a = 1;\n  # 1 statement\n", 0, 0, 1}, {L"#x = 1; # show sky", 0, 0, 1}, {L"a # b", 0, 1, 0},
    };
    for (const auto& [script, redraws, ignored, properties] : cases) {
        CCorQel engine;
        EXPECT_EQ(engine.Doit(script), CString()) << U8(script);
        EXPECT_EQ(std::tuple(engine.GetRedrawCount(), engine.GetIgnoredCount(), engine.GetPropertyCount()),
                  std::tuple(redraws, ignored, properties))
            << U8(script);
    }
}

TEST(Engine, QueriesAndPaths) {
    CCorQel engine;
    engine.Doit(L"Milkyway.visible = TRUE; MILKYWAY.VISIBLE = FALSE");
    for (const wchar_t* q : {L"?Milkyway.Visible", L"  \t?   milkyway.visible  \n"})
        EXPECT_EQ(engine.Doit(q), CString(L"FALSE")) << U8(q);
    ASSERT_EQ(engine.GetPropertyCount(), 1u);
    EXPECT_EQ(engine.GetProperties()[0].first, CString(L"Milkyway.visible"));  // the first spelling
    EXPECT_EQ(engine.Doit(L"? Milkyway.Unknown"), CString());
    EXPECT_EQ(engine.Doit(L"?"), CString());
    EXPECT_EQ(engine.Doit(nullptr), CString());
    // A query is never a script: nothing is assigned, counted or redrawn.
    EXPECT_EQ(engine.Doit(L"? Milkyway.Visible = TRUE; Show Sky"), CString());
    EXPECT_EQ(engine.Peek(L"Milkyway.Visible"), CString(L"FALSE"));
    EXPECT_EQ(engine.GetIgnoredCount() + engine.GetRedrawCount(), 0);
    // Only ASCII letters fold.
    engine.Doit(L"Ａ = 1; ａ = 2; É = 3; é = 4");
    EXPECT_EQ(engine.Doit(L"? Ａ"), CString(L"1"));
    EXPECT_EQ(engine.Doit(L"? É"), CString(L"3"));

    // The host's data path wins over the state and survives Clear; the counters do not.
    engine.Doit(L"info.module.datapath = /from/script; Show Sky; junk");
    EXPECT_EQ(engine.Doit(L"? info.module.datapath"), CString(L"/from/script"));
    engine.SetDataPath(L"/opt/sky data");
    engine.Clear();
    EXPECT_EQ(engine.GetPropertyCount() + engine.GetRedrawCount() + engine.GetIgnoredCount(), 0u);
    EXPECT_EQ(engine.Doit(L"? INFO.Module.DataPath"), CString(L"/opt/sky data"));
}

TEST(Engine, GetBool) {
    CCorQel engine;
    engine.Doit(L"Star.Upper = TRUE; star.lower = true; Star.Padded = \"TRUE \"; Star.One = 1; Star.False = FALSE");
    const std::pair<const wchar_t*, BOOL> cases[] = {{L"UPPER", TRUE}, {L"Lower", TRUE},  {L"Padded", FALSE},
                                                     {L"One", FALSE},  {L"False", FALSE}, {L"Missing", FALSE}};
    for (const auto& [path, expected] : cases) EXPECT_EQ(engine.GetBool(L"star", path), expected) << U8(path);
}

TEST(Engine, StarCatalogInfo) {
    struct Case {
        const wchar_t *catalog, *sw, *switchCatalog;
        int expCatalog, expAuto, expSwitch;
    };
    const Case cases[] = {
        {L"Hipparcos", L"FALSE", L"TYCHO2", 1, 0, 4},  {L"gscact", L"true", L"usnoa20", 2, 1, 5},
        {L"Tycho2", L"TRUE", L"Tycho", 4, 1, 3},       {L"4", L"yes", L" 2 ", 4, 0, 2},
        {L"-2", L"1", L"+3", -2, 0, 3},                {L"4x", L"FALSE", L"Tycho-2", -1, 0, -1},
        {L"99999999999", L"FALSE", L"-", -1, 0, -1},   {L"", L"", L"", -1, 0, -1},
    };
    for (const auto& c : cases) {
        CCorQel engine;
        engine.Set(L"Star.Catalog", c.catalog);
        engine.Set(L"Star.Catalog.Switch", c.sw);
        engine.Set(L"Star.Catalog.Switch.Catalog", c.switchCatalog);
        int catalog = 0, autoSwitch = -1, switchCatalog = 0;
        engine.GetStarCatalogInfo(&catalog, &autoSwitch, &switchCatalog, nullptr);
        EXPECT_EQ(std::tuple(catalog, autoSwitch, switchCatalog), std::tuple(c.expCatalog, c.expAuto, c.expSwitch))
            << U8(c.catalog);
    }
    // The limit comes from the data in use, whose properties spell it GSC, not GSCACT.
    CCorQel engine;
    engine.Doit(L"Star.Catalog = GSCACT; Star.Catalog.GSC.MagnitudeLimit.Minmag = 12.5;");
    double d = -1.0;
    engine.GetStarCatalogInfo(nullptr, nullptr, nullptr, &d);
    EXPECT_DOUBLE_EQ(d, 12.5);
}

TEST(Engine, SaveStateRoundTrip) {
    // Values that a naive writer would break; each must read back exactly.
    const wchar_t* const awkward[] = {
        L"plain", L"", L"  lead", L"trail  ", L"a;b", L";", L"\"quoted\"", L"x\" ; \"y", L"k=v",
        L"say \"hi\"", L"multi\nline", L"日本語", L"\"\"", L"; \"x\" ;", L"Show Sky",
    };
    CCorQel engine, copy;
    std::vector<std::pair<CString, CString>> expected;
    for (const wchar_t* v : awkward) {
        expected.emplace_back(L"Awkward.No" + std::to_wstring(expected.size()), v);
        ASSERT_TRUE(engine.Set(L" " + expected.back().first + L" ", v));  // the path is trimmed, the value kept
    }
    // Set refuses paths no script could name, so whatever it stores can be saved.
    for (const wchar_t* p : {L"   ", L"a\"b", L"a=b", L"a;b"}) EXPECT_FALSE(engine.Set(p, L"x")) << U8(p);
    EXPECT_EQ(copy.LoadState(engine.SaveState()), 0);
    EXPECT_EQ(copy.GetProperties(), expected);

    // Values no statement can carry lose only their quotes, and not their neighbours.
    engine.Clear();
    engine.Set(L"odd", L"x\";y");
    engine.Set(L"outside", L";\" ;\"");  // bare, its first ';' splits; quoted, its second one does
    engine.Set(L"b", L"after");
    copy.Clear();
    EXPECT_EQ(copy.LoadState(engine.SaveState()), 0);
    expected = {{L"odd", L"x;y"}, {L"outside", L"; ;"}, {L"b", L"after"}};
    EXPECT_EQ(copy.GetProperties(), expected);
}

TEST(Engine, ListenerSeesTrafficOnly) {
    CCorQel engine;
    CCorQelRecorder rec;
    engine.SetListener(&rec);
    // Host-side calls are neither heard nor counted.
    engine.LoadState(L"a = 1; Show Sky; junk");
    engine.Peek(L"a");
    engine.Set(L"b", L"2");
    EXPECT_TRUE(rec.Events().empty());
    EXPECT_EQ(engine.GetRedrawCount() + engine.GetIgnoredCount(), 0);

    engine.Doit(L"  ?  A ");
    engine.Doit(L" a = 3 ;;Show Sky;show sky");
    engine.GetBool(L"star", L"b");
    int catalog = 0, autoSwitch = 0, switchCatalog = 0;
    engine.GetStarCatalogInfo(&catalog, &autoSwitch, &switchCatalog, nullptr);
    const std::vector<std::wstring> expected = {L"Q   ?  A  => 1", L"S  a = 3 ;;Show Sky;show sky", L"R", L"R",
                                                L"Q GetBool star.b => FALSE",
                                                L"Q GetStarCatalogInfo => " + std::to_wstring(catalog) + L" " +
                                                    std::to_wstring(autoSwitch) + L" " + std::to_wstring(switchCatalog)};
    EXPECT_EQ(rec.Lines(), expected);
    EXPECT_EQ(rec.Reads(), 3);
    EXPECT_EQ(rec.Count(CCorQelRecorder::Kind::Redraw), 2);
    EXPECT_EQ(rec.Scripts(), std::vector<std::wstring>{L" a = 3 ;;Show Sky;show sky"});
    EXPECT_EQ(rec.Events()[0].answer, L"1");

    // Cleared, it hears the next traffic alone.
    rec.Clear();
    engine.Doit(L"b = 4;");
    EXPECT_EQ(rec.Lines(), std::vector<std::wstring>{L"S b = 4;"});
}

TEST(Engine, VeryLongScriptStaysLinear) {
    // Many statements, a run of separators and an unterminated quote.
    std::wstring script;
    for (int i = 0; i < 50000; ++i) script += L"Big.No" + std::to_wstring(i % 1000) + L" = " + std::to_wstring(i) + L";";
    script += std::wstring(100000, L';') + L"Show Sky;tail = \"" + std::wstring(200000, L'x') + L";=;";
    CCorQel engine;
    const auto start = std::chrono::steady_clock::now();
    engine.Doit(script.c_str());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    EXPECT_EQ(engine.Doit(L"? Big.No999"), CString(L"49999"));
    EXPECT_EQ(engine.GetRedrawCount(), 1);
    EXPECT_EQ(engine.Peek(L"tail").GetLength(), 200000 + 4);
}

}  // namespace
