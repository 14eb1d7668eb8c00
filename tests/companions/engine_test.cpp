// The sky engine as a property store: script grammar, queries, typed reads, state and traffic.
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "companions/zemqel/corqel.h"

namespace {

struct Expect {
    const wchar_t* path;
    const wchar_t* answer;
};

struct GrammarCase {
    const wchar_t* script;
    std::vector<Expect> expect;
};

TEST(Engine, AssignmentGrammar) {
    const GrammarCase cases[] = {
        {L"a=1", {{L"a", L"1"}}},
        {L"  a   =   1  ;", {{L"a", L"1"}}},
        {L"\ta\t=\tTRUE\t;\r\n", {{L"a", L"TRUE"}}},
        {L"a = \"x;y\";b=2", {{L"a", L"x;y"}, {L"b", L"2"}}},
        {L"a = \"k=v\"; b = k=v", {{L"a", L"k=v"}, {L"b", L"k=v"}}},
        {L"a = b = c", {{L"a", L"b = c"}}},
        {L"a = \"  padded  \" ;", {{L"a", L"  padded  "}}},
        {L"a = \"\"; b = ;", {{L"a", L""}, {L"b", L""}}},
        {L"a = x\"y\"z", {{L"a", L"x\"y\"z"}}},
        {L"a = \"x\"y", {{L"a", L"\"x\"y"}}},
        {L"a = \"", {{L"a", L"\""}}},
        // An unterminated quote runs to the end and takes the following statements with it.
        {L"a = \"open; b = 2", {{L"a", L"\"open; b = 2"}, {L"b", L""}}},
        {L";; a = 1 ;;; ; b = 2;;", {{L"a", L"1"}, {L"b", L"2"}}},
        {L"a = 1; a = 2", {{L"a", L"2"}}},
        {L"a = C:\\sky\\file.png; b = \"cnspic\\standard.png\"", {{L"a", L"C:\\sky\\file.png"}, {L"b", L"cnspic\\standard.png"}}},
        {L"名前 = アンドロメダ", {{L"名前", L"アンドロメダ"}}},
        // Only ASCII blanks are layout; an ideographic space is part of the value.
        {L"a = \x3000x\x3000", {{L"a", L"\x3000x\x3000"}}},
        {L"Show Sky = 1", {{L"show sky", L"1"}}},
    };
    for (const auto& c : cases) {
        CCorQel engine;
        engine.Doit(c.script);
        for (const auto& e : c.expect)
            EXPECT_EQ(engine.Doit((CString(L"? ") + e.path).GetString()), CString(e.answer))
                << zem::ToUtf8(std::wstring_view(c.script)) << " / " << zem::ToUtf8(std::wstring_view(e.path));
    }
}

TEST(Engine, RedrawsAndIgnoredStatements) {
    struct Case {
        const wchar_t* script;
        int redraws, ignored;
        std::size_t properties;
    };
    const Case cases[] = {
        {L";Show Sky", 1, 0, 0},
        {L"Show Sky", 1, 0, 0},
        {L"  show   SKY ;", 1, 0, 0},
        {L"Show\tSky;\nSHOW sky", 2, 0, 0},
        {L"a = 1;Show Sky;Show Sky", 2, 0, 1},
        {L"ShowSky", 0, 1, 0},
        {L"Show Sky now", 0, 1, 0},
        {L"Show", 0, 1, 0},
        {L"", 0, 0, 0},
        {L";;; ;\n;", 0, 0, 0},
        {L"=", 0, 1, 0},
        {L" = 5;", 0, 1, 0},
        {L"hello; world", 0, 2, 0},
        {L"\"a\" = 1", 0, 1, 0},
        {L"a\"b = 1", 0, 1, 0},
        {L"a = 1; ? a; b = 2", 0, 1, 2},
    };
    for (const auto& c : cases) {
        CCorQel engine;
        EXPECT_EQ(engine.Doit(c.script), CString()) << zem::ToUtf8(std::wstring_view(c.script));
        EXPECT_EQ(engine.GetRedrawCount(), c.redraws) << zem::ToUtf8(std::wstring_view(c.script));
        EXPECT_EQ(engine.GetIgnoredCount(), c.ignored) << zem::ToUtf8(std::wstring_view(c.script));
        EXPECT_EQ(engine.GetPropertyCount(), c.properties) << zem::ToUtf8(std::wstring_view(c.script));
    }
}

TEST(Engine, PathsIgnoreCaseAndKeepFirstSpelling) {
    CCorQel engine;
    engine.Doit(L"Star.custom.visible = TRUE;");
    engine.Doit(L"STAR.CUSTOM.VISIBLE = FALSE;");
    EXPECT_EQ(engine.Doit(L"? Star.Custom.Visible"), CString(L"FALSE"));
    ASSERT_EQ(engine.GetPropertyCount(), 1u);
    EXPECT_EQ(engine.GetProperties()[0].first, CString(L"Star.custom.visible"));
    // Only ASCII letters fold: other scripts are compared as written.
    engine.Doit(L"Ａ = 1; ａ = 2; É = 3; é = 4");
    EXPECT_EQ(engine.Doit(L"? Ａ"), CString(L"1"));
    EXPECT_EQ(engine.Doit(L"? é"), CString(L"4"));
}

TEST(Engine, Queries) {
    CCorQel engine;
    engine.Doit(L"Milkyway.Visible = TRUE");
    for (const wchar_t* q : {L"? Milkyway.Visible", L"?Milkyway.Visible", L"  \t?   milkyway.visible  ", L"? MILKYWAY.VISIBLE\n"})
        EXPECT_EQ(engine.Doit(q), CString(L"TRUE")) << zem::ToUtf8(std::wstring_view(q));
    EXPECT_EQ(engine.Doit(L"? Milkyway.Unknown"), CString());
    EXPECT_EQ(engine.Doit(L"?"), CString());
    // A query is never a script: nothing is assigned, counted or redrawn.
    EXPECT_EQ(engine.Doit(L"? Milkyway.Visible = FALSE; Show Sky"), CString());
    EXPECT_EQ(engine.Doit(L"? Milkyway.Visible"), CString(L"TRUE"));
    EXPECT_EQ(engine.GetIgnoredCount(), 0);
    EXPECT_EQ(engine.GetRedrawCount(), 0);
    EXPECT_EQ(engine.Doit(nullptr), CString());
}

TEST(Engine, DataPathAnswersEvenWhenEmpty) {
    CCorQel engine;
    EXPECT_EQ(engine.Doit(L"? info.module.datapath"), CString());
    engine.Doit(L"info.module.datapath = /from/script");
    EXPECT_EQ(engine.Doit(L"? info.module.datapath"), CString(L"/from/script"));
    engine.SetDataPath(L"/opt/sky data");
    EXPECT_EQ(engine.Doit(L"? INFO.Module.DataPath"), CString(L"/opt/sky data"));
    engine.Clear();
    EXPECT_EQ(engine.GetPropertyCount(), 0u);
    EXPECT_EQ(engine.Doit(L"? info.module.datapath"), CString(L"/opt/sky data"));
    EXPECT_EQ(engine.Peek(L"Info.Module.Datapath"), CString(L"/opt/sky data"));
}

TEST(Engine, GetBool) {
    struct Case {
        const wchar_t* value;
        BOOL expected;
    };
    const Case cases[] = {{L"TRUE", TRUE}, {L"true", TRUE}, {L"True", TRUE},  {L"FALSE", FALSE}, {L"1", FALSE},
                          {L"yes", FALSE}, {L"", FALSE},    {L"TRUE ", FALSE}, {L"TRUEX", FALSE}};
    for (const auto& c : cases) {
        CCorQel engine;
        engine.Set(L"star.extrasolarplanet.visible", c.value);
        EXPECT_EQ(engine.GetBool(L"Star", L"ExtraSolarPlanet.Visible"), c.expected) << zem::ToUtf8(std::wstring_view(c.value));
    }
    CCorQel empty;
    EXPECT_EQ(empty.GetBool(L"star", L"extrasolarplanet.visible"), FALSE);
}

TEST(Engine, StarCatalogInfo) {
    struct Case {
        const wchar_t* catalog;
        const wchar_t* sw;
        const wchar_t* switchCatalog;
        int expCatalog, expAuto, expSwitch;
    };
    const Case cases[] = {
        {L"Hipparcos", L"FALSE", L"TYCHO2", 1, 0, 4},
        {L"gscact", L"true", L"usnoa20", 2, 1, 5},
        {L"TYCHO", L"TRUE", L"GSCACT", 3, 1, 2},
        {L"Tycho2", L"FALSE", L"Tycho", 4, 0, 3},
        {L"USNOA20", L"", L"", 5, 0, -1},
        {L"4", L"yes", L" 2 ", 4, 0, 2},
        {L"-2", L"1", L"+3", -2, 0, 3},
        {L"7", L"FALSE", L"0", 7, 0, 0},
        {L"4x", L"FALSE", L"Tycho-2", -1, 0, -1},
        {L"99999999999", L"FALSE", L"-", -1, 0, -1},
        {nullptr, nullptr, nullptr, -1, 0, -1},
    };
    for (const auto& c : cases) {
        CCorQel engine;
        if (c.catalog) {
            engine.Set(L"Star.Catalog", c.catalog);
            engine.Set(L"Star.Catalog.Switch", c.sw);
            engine.Set(L"Star.Catalog.Switch.Catalog", c.switchCatalog);
        }
        int catalog = -1, autoSwitch = 0, switchCatalog = -1;
        engine.GetStarCatalogInfo(&catalog, &autoSwitch, &switchCatalog, nullptr);
        const std::string label = c.catalog ? zem::ToUtf8(std::wstring_view(c.catalog)) : "(empty engine)";
        EXPECT_EQ(catalog, c.expCatalog) << label;
        EXPECT_EQ(autoSwitch, c.expAuto) << label;
        EXPECT_EQ(switchCatalog, c.expSwitch) << label;
    }

    // The fourth output is the limit of the data in use; null outputs are skipped.
    CCorQel engine;
    engine.Doit(L"Star.Catalog = TYCHO2; Star.Catalog.Tycho2.MagnitudeLimit.Minmag = 12.5;");
    double d = -1.0;
    engine.GetStarCatalogInfo(nullptr, nullptr, nullptr, &d);
    EXPECT_DOUBLE_EQ(d, 12.5);
    engine.GetStarCatalogInfo(nullptr, nullptr, nullptr, nullptr);
}

// Values that a naive writer would break; each must read back exactly.
const wchar_t* const kAwkwardValues[] = {
    L"plain", L"", L"  lead", L"trail  ", L"a;b", L";", L"\"quoted\"", L"x\" ; \"y", L"k=v", L"=",
    L"say \"hi\"", L"multi\nline", L"\ttab", L"日本語", L"cnspic\\standard.png", L"\"\"", L"; \"x\" ;", L"Show Sky",
};

TEST(Engine, SaveStateRoundTrip) {
    CCorQel engine;
    int n = 0;
    for (const wchar_t* v : kAwkwardValues) ASSERT_TRUE(engine.Set(CString(L"Awkward.No") + std::to_wstring(n++), v));
    engine.Doit(L"Star.custom.visible = TRUE; STAR.Custom.Visible = FALSE;");
    const CString saved = engine.SaveState();

    CCorQel copy;
    EXPECT_EQ(copy.LoadState(saved), 0);
    EXPECT_EQ(copy.GetProperties(), engine.GetProperties());
    EXPECT_EQ(copy.SaveState(), saved);
    EXPECT_EQ(copy.GetRedrawCount(), 0);
}

TEST(Engine, SaveStateDropsOnlyTheQuotesItCannotCarry) {
    CCorQel engine;
    engine.Set(L"a", L"before");
    engine.Set(L"odd", L"x\";y");
    engine.Set(L"outside", L";\" ;\"");  // bare, its first ';' splits; quoted, its second one does
    engine.Set(L"b", L"after");
    CCorQel copy;
    EXPECT_EQ(copy.LoadState(engine.SaveState()), 0);
    EXPECT_EQ(copy.Peek(L"a"), CString(L"before"));
    EXPECT_EQ(copy.Peek(L"odd"), CString(L"x;y"));
    EXPECT_EQ(copy.Peek(L"outside"), CString(L"; ;"));
    EXPECT_EQ(copy.Peek(L"b"), CString(L"after"));
}

// Whether some statement "p = ...;" stores exactly v, by the engine's own reading.
bool Representable(const std::wstring& v) {
    for (const std::wstring& form : {v, L"\"" + v + L"\""}) {
        CCorQel e;
        if (e.LoadState(CString(L"p = " + form + L";")) == 0 && e.GetPropertyCount() == 1 && e.Peek(L"p").str() == v)
            return true;
    }
    return false;
}

TEST(Engine, RandomValuesRoundTrip) {
    std::mt19937 rng(1234);
    const wchar_t alphabet[] = {L'a', L' ', L';', L'"', L'=', L'\t', L'\n', L'あ', L'?', L'\\'};
    std::uniform_int_distribution<int> len(0, 12), pick(0, static_cast<int>(std::size(alphabet)) - 1);
    int lossy = 0;
    for (int round = 0; round < 300; ++round) {
        CCorQel engine;
        std::vector<std::wstring> values;
        for (int i = 0; i < 8; ++i) {
            std::wstring v;
            for (int k = len(rng); k > 0; --k) v += alphabet[pick(rng)];
            values.push_back(v);
            engine.Set(CString(L"p") + std::to_wstring(i), v);
        }
        CCorQel copy;
        ASSERT_EQ(copy.LoadState(engine.SaveState()), 0);
        for (int i = 0; i < 8; ++i) {
            const std::wstring& v = values[static_cast<std::size_t>(i)];
            std::wstring expected = v;
            // Whatever some statement can carry must come back whole; the rest loses only its quotes.
            if (!Representable(v)) {
                std::erase(expected, L'"');
                ++lossy;
            }
            ASSERT_EQ(copy.Peek(CString(L"p") + std::to_wstring(i)).str(), expected) << zem::ToUtf8(std::wstring_view(v));
        }
    }
    EXPECT_GT(lossy, 0);  // the alphabet does reach the values no statement can carry
}

TEST(Engine, SetRefusesPathsNoScriptCanName) {
    CCorQel engine;
    for (const wchar_t* p : {L"", L"   ", L"a\"b", L"a=b", L"a;b"}) EXPECT_FALSE(engine.Set(p, L"x"));
    EXPECT_EQ(engine.GetPropertyCount(), 0u);
    EXPECT_TRUE(engine.Set(L"  spaced.path  ", L"  kept  "));
    EXPECT_EQ(engine.Doit(L"? spaced.path"), CString(L"  kept  "));
}

struct Recorder : CCorQelListener {
    std::vector<std::wstring> events;
    void OnQuery(const CString& q, const CString& a) override { events.push_back(L"Q " + q.str() + L" => " + a.str()); }
    void OnScript(const CString& s) override { events.push_back(L"S " + s.str()); }
    void OnRedraw() override { events.push_back(L"R"); }
    void OnGetBool(const CString& o, const CString& p, BOOL r) override {
        events.push_back(L"B " + o.str() + L"." + p.str() + (r ? L" 1" : L" 0"));
    }
};

TEST(Engine, ListenerSeesTrafficOnly) {
    CCorQel engine;
    Recorder rec;
    engine.SetListener(&rec);
    engine.LoadState(L"a = 1; Show Sky; junk");
    engine.Peek(L"a");
    engine.Set(L"b", L"2");
    EXPECT_TRUE(rec.events.empty());
    EXPECT_EQ(engine.GetRedrawCount(), 0);
    EXPECT_EQ(engine.GetIgnoredCount(), 0);

    engine.Doit(L"  ?  A ");
    engine.Doit(L" a = 3 ;;Show Sky;show sky");
    engine.Doit(L"");
    engine.GetBool(L"star", L"b");
    const std::vector<std::wstring> expected = {
        L"Q   ?  A  => 1", L"S  a = 3 ;;Show Sky;show sky", L"R", L"R", L"S ", L"B star.b 0",
    };
    EXPECT_EQ(rec.events, expected);

    engine.SetListener(nullptr);
    engine.Doit(L"Show Sky");
    EXPECT_EQ(rec.events.size(), expected.size());
    EXPECT_EQ(engine.GetRedrawCount(), 3);
}

TEST(Engine, HostileScriptsStayLinearAndSafe) {
    // One very long script: statements, an unterminated quote and a run of separators.
    std::wstring script;
    for (int i = 0; i < 50000; ++i) script += L"Big.No" + std::to_wstring(i % 1000) + L" = " + std::to_wstring(i) + L";";
    script += std::wstring(100000, L';') + L"Show Sky;tail = \"" + std::wstring(200000, L'x') + L";=;";
    CCorQel engine;
    const auto start = std::chrono::steady_clock::now();
    engine.Doit(script.c_str());
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(elapsed, std::chrono::seconds(5));
    EXPECT_EQ(engine.Doit(L"? Big.No999"), CString(L"49999"));
    EXPECT_EQ(engine.GetRedrawCount(), 1);
    EXPECT_EQ(engine.Peek(L"tail").GetLength(), 200000 + 4);

    // Random texts from the grammar's own characters never upset it.
    std::mt19937 rng(99);
    const wchar_t alphabet[] = {L'a', L'.', L' ', L';', L'"', L'=', L'?', L'S', L'h', L'o', L'w', L'k', L'y', L'\n'};
    std::uniform_int_distribution<int> len(0, 40), pick(0, static_cast<int>(std::size(alphabet)) - 1);
    for (int i = 0; i < 5000; ++i) {
        std::wstring s;
        for (int k = len(rng); k > 0; --k) s += alphabet[pick(rng)];
        engine.Doit(s.c_str());
    }
    CCorQel copy;
    EXPECT_EQ(copy.LoadState(engine.SaveState()), 0);
    EXPECT_EQ(copy.GetPropertyCount(), engine.GetPropertyCount());
}

TEST(Engine, DialogScriptCostsMicroseconds) {
    std::wstring script;
    for (int n = 1; n <= 88; ++n) script += L"Constellation.No" + std::to_wstring(n) + L".Selection = TRUE;";
    for (int n = 0; n < 17; ++n) script += L"Constellation.Flag" + std::to_wstring(n) + L".Visible = FALSE;";
    CCorQel engine;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 1000; ++i) {
        engine.Doit(script.c_str());
        engine.Doit(L"? Constellation.No42.Selection");
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_EQ(engine.GetPropertyCount(), 105u);
}

}  // namespace
