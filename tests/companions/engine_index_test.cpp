// SPDX-License-Identifier: BSD-3-Clause
// The engine's path index and state file: lookups in any case and in pieces, many properties,
// and a state save that a crash cannot tear.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "companions/zemqel/corqel.h"
#include "scratch.h"

namespace {

namespace fs = std::filesystem;

std::string U8(std::wstring_view s) { return zem::ToUtf8(s); }

TEST(EngineIndex, PathsFoldOnlyAsciiLetters) {
    CCorQel engine;
    // Pairs that hash alike under a 0x20 fold but are different paths ('@' and '`', '[' and '{'),
    // lengths on either side of a four-character step, and wide characters.
    engine.Doit(L"a@ = 1; a` = 2; X[1] = 3; x{1} = 4; abc = 5; abcd = 6; abcde = 7; 星.Ａ = 8; 星.ａ = 9");
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"A@", L"1"},   {L"a`", L"2"},    {L"x[1]", L"3"},    {L"X{1}", L"4"},   {L"ABC", L"5"},
        {L"AbCd", L"6"}, {L"abcdE", L"7"}, {L"星.Ａ", L"8"}, {L"星.ａ", L"9"},  {L"abcdef", L""},
    };
    for (const auto& [path, answer] : cases)
        EXPECT_EQ(engine.Doit((CString(L"? ") + path).GetString()), CString(answer)) << U8(path);
    EXPECT_EQ(engine.GetPropertyCount(), 9u);

    // GetBool joins object and path; the join may fall anywhere in the stored path.
    engine.Doit(L"Star.GCVS.Magnitude.Maximum.Visible = true");
    for (const auto& [object, path] : {std::pair{L"star.gcvs", L"MAGNITUDE.maximum.visible"},
                                       std::pair{L"Star", L"GCVS.Magnitude.Maximum.Visible"},
                                       std::pair{L"STAR.GCVS.MAGNITUDE.MAXIMUM", L"visible"}})
        EXPECT_TRUE(engine.GetBool(object, path)) << U8(object) << " " << U8(path);
    EXPECT_FALSE(engine.GetBool(L"Star.GCVS", L"Magnitude.Maximum.Visibl"));
    EXPECT_FALSE(engine.GetBool(L"Star.GCVS.", L"Magnitude.Maximum.Visible"));
}

TEST(EngineIndex, ManyPropertiesKeepTheirOrderAndAnswers) {
    CCorQel engine;
    constexpr int kCount = 100000;
    std::wstring script;
    for (int i = 0; i < kCount; ++i) script += L"Copy" + std::to_wstring(i) + L".Star.Visible = " + std::to_wstring(i) + L";";
    EXPECT_EQ(engine.LoadState(script), 0);
    ASSERT_EQ(engine.GetPropertyCount(), static_cast<std::size_t>(kCount));
    std::mt19937 random(7);
    for (int k = 0; k < 1000; ++k) {
        const int i = static_cast<int>(random() % kCount);
        ASSERT_EQ(engine.Peek(L"COPY" + std::to_wstring(i) + L".star.VISIBLE"), CString(std::to_wstring(i)));
    }
    const auto properties = engine.GetProperties();
    EXPECT_EQ(properties[12345].first, CString(L"Copy12345.Star.Visible"));
    EXPECT_EQ(properties.back().second, CString(std::to_wstring(kCount - 1)));
}

// A live change sends the same statements again: each place in a script remembers the entry it
// went to last time. Whatever comes at that place next (another path, the same one in another
// case or with other blanks, a prefix of it, a quote before the '=') is stored as by an engine
// that finds every path by its hash.
TEST(EngineIndex, PlacesInRepeatedScriptsStoreAsLookupsByHash) {
    const wchar_t* scripts[] = {
        L"Star.Name.Visible = TRUE; Star.Mag = 6.0; Show Sky",
        L"Star.Name.Visible = FALSE;Star.Mag = 6.5;Show Sky",
        L"  STAR.name.VISIBLE\t=\tx ; Star.Mag=7;",
        L"Star.Mag = 1; Star.Name.Visible = 2",
        L"Star.Name = 3; Star.Mag.Visible = 4",
        L"Star.Name.Visible\" = 5; Star.Mag = \"6;\"",
        L"Star.Name.Visible; Star.Mag = ; Star.Name.Visible =",
        L"Star.Name.VisibleX = 7; Star.Ma = 8",
    };
    // The reference sees other paths at every place before each script, so it never finds the
    // entry by its place.
    auto properties = [](const CCorQel& e) {
        std::vector<std::pair<CString, CString>> out;
        for (auto& p : e.GetProperties())
            if (p.first.Left(2) != L"Z.") out.push_back(p);
        return out;
    };
    CCorQel engine, reference;
    for (const wchar_t* script : scripts) {
        reference.Doit(L"Z.1 = 0; Z.2 = 0; Z.3 = 0; Z.4 = 0");
        reference.Doit(script);
        engine.Doit(script);
        EXPECT_EQ(properties(engine), properties(reference)) << U8(script);
        EXPECT_EQ(engine.GetIgnoredCount(), reference.GetIgnoredCount()) << U8(script);
        EXPECT_EQ(engine.GetRedrawCount(), reference.GetRedrawCount()) << U8(script);
    }
    // Clear forgets the places too.
    engine.Clear();
    engine.Doit(L"Star.Mag = 9; Star.Name.Visible = TRUE");
    EXPECT_EQ(engine.SaveState(), CString(L"Star.Mag = 9;\nStar.Name.Visible = TRUE;\n"));
}

// A query first tries the entry asked for after the last one the time before. Queries in orders
// that repeat and stray (other cases, unknown paths, the data path, paths added and a Clear between
// them) answer what a lookup by hash answers.
TEST(EngineIndex, QueriesInRepeatedOrdersAnswerAsLookups) {
    std::mt19937 random(5);
    const std::wstring paths[] = {L"Star.Visible", L"STAR.visible", L"Star.Mag", L"Star.Ma", L"Star.MagX",
                                  L"info.module.datapath", L"Nova.Visible", L"星.名", L"Unknown.Path"};
    CCorQel engine;
    engine.SetDataPath(L"/data");
    engine.Doit(L"Star.Visible = TRUE; Star.Mag = 6.5; Star.Ma = 1; Nova.Visible = FALSE; 星.名 = 北");
    std::vector<std::size_t> order = {0, 2, 6, 7, 3};
    for (int round = 0; round < 400; ++round) {
        if (round % 10 == 9) order[random() % order.size()] = random() % std::size(paths);
        if (round % 50 == 25) engine.Doit(L"Star.MagX = 2; Star.Mag = 7");
        if (round % 100 == 60) {
            engine.Clear();
            engine.Doit(L"Nova.Visible = TRUE; Star.Visible = FALSE");
        }
        for (std::size_t k : order) {
            const std::wstring& path = paths[k];
            EXPECT_EQ(engine.Doit((L"? " + path).c_str()), engine.Peek(CString(path))) << round << " " << U8(path);
        }
    }
}

// What reading a script whole does: an engine that never saw a script, holding the same
// properties, reads it; its properties and both counters are what the engine under test must show.
class WholeReading {
public:
    void Check(CCorQel& engine, const std::wstring& script, int step) {
        CCorQel reference;
        for (const auto& [path, value] : m_expected) reference.Set(path, value);
        reference.Doit(script.c_str());
        m_expected = reference.GetProperties();
        m_redraws += reference.GetRedrawCount();
        m_ignored += reference.GetIgnoredCount();
        engine.Doit(script.c_str());
        ASSERT_EQ(engine.GetProperties(), m_expected) << step << " " << U8(script);
        ASSERT_EQ(engine.GetIgnoredCount(), m_ignored) << step << " " << U8(script);
        ASSERT_EQ(engine.GetRedrawCount(), m_redraws) << step << " " << U8(script);
    }

private:
    std::vector<std::pair<CString, CString>> m_expected;
    int m_redraws = 0, m_ignored = 0;
};

// A live script is read again only from its first changed character to where the rest is the
// last script's text from a statement's beginning. Random edits of a dialog-like script (values
// of other lengths, added or removed statements, stray quotes, ';', '=' and comments, two dialogs
// taking turns) store and count exactly what a reading of the whole script does.
TEST(EngineIndex, LiveScriptsStoreAsScriptsReadWhole) {
    std::mt19937 random(11);
    auto pick = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };
    auto base = [](int dialog) {
        std::wstring script;
        for (int i = 0; i < 24; ++i)
            script += L"D" + std::to_wstring(dialog) + L".Path" + std::to_wstring(i) + (i % 3 ? L" = TRUE;" : L" = \"v w\";");
        return script + L"Show Sky";
    };
    const wchar_t* const pieces[] = {L"1", L"FALSE", L"\"", L";", L"=", L" ", L"#", L"Show Sky;", L"X.Y = 2;", L"\t", L"ab"};
    std::wstring scripts[] = {base(1), base(2), base(3)};
    WholeReading whole;
    CCorQel engine;
    for (int step = 0; step < 4000; ++step) {
        std::wstring& script = scripts[pick(6) < 4 ? 0 : pick(6) < 3 ? 1 : 2];
        // One to three edits anywhere, the ends included.
        for (std::size_t edits = 1 + pick(3); edits > 0; --edits) {
            const std::size_t at = pick(script.size() + 1), erase = std::min(pick(4), script.size() - at);
            std::wstring insert;
            for (std::size_t k = pick(3); k > 0; --k) insert += pieces[pick(std::size(pieces))];
            script.replace(at, erase, insert);
        }
        if (pick(50) == 0) script = base(1);
        ASSERT_NO_FATAL_FAILURE(whole.Check(engine, script, step));
    }
}

// Most live changes only write other values into one statement or a few next to each other. Values
// of every shape (empty, blank at either end, holding '=', ';' or '"', quoted) written into
// statements spelled in every way (blanks around '=' and before ';', a quoted or empty value, the
// last one without its ';'), now and then with the next statement's path changed too, store
// exactly what a reading of the whole script does.
TEST(EngineIndex, LiveValueChangesStoreAsScriptsReadWhole) {
    std::mt19937 random(7);
    auto pick = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };
    const wchar_t* const values[] = {L"TRUE", L"FALSE", L"6.5", L"-10.0", L"", L" ", L" x", L"x ", L"x y", L"a=b",
                                     L"=", L"a;b", L"\"q\"", L"\"", L"\tTRUE", L"1"};
    const wchar_t* const before[] = {L" = ", L"=", L" =  ", L"\t=\t"};
    const wchar_t* const after[] = {L";", L" ;", L"\t ;"};
    std::vector<std::wstring> value(12);
    std::vector<std::size_t> shape(value.size());
    std::wstring letter(value.size(), L'D');
    for (std::size_t i = 0; i < value.size(); ++i) {
        value[i] = values[pick(4)];
        shape[i] = pick(std::size(before) * std::size(after));
    }
    auto script = [&] {
        std::wstring s;
        for (std::size_t i = 0; i < value.size(); ++i)
            s += letter[i] + (L"lg.Path" + std::to_wstring(i)) + before[shape[i] % std::size(before)] + value[i] +
                 (i + 1 < value.size() ? after[shape[i] / std::size(before)] : L"");
        return s;
    };
    WholeReading whole;
    CCorQel engine;
    for (int step = 0; step < 6000; ++step) {
        // One value, or two or three next to each other, or two far apart.
        const std::size_t first = pick(value.size()), many = 1 + pick(3);
        for (std::size_t k = 0; k < many; ++k) {
            const std::size_t i = pick(4) ? (first + k) % value.size() : pick(value.size());
            value[i] = values[pick(4) ? pick(4) : pick(std::size(values))];
        }
        if (pick(8) == 0) letter[(first + many) % value.size()] ^= L'D' ^ L'E';
        ASSERT_NO_FATAL_FAILURE(whole.Check(engine, script(), step));
    }
}

// A listener may run scripts or clear the engine while a live script redraws.
TEST(EngineIndex, ListenersMayRunScriptsAndClearDuringALiveScript) {
    struct Meddler : CCorQelListener {
        CCorQel* engine = nullptr;
        int redraws = 0;
        void OnQuery(const CString&, const CString&) override {}
        void OnScript(const CString&) override {}
        void OnRedraw() override {
            if (++redraws == 4) engine->Clear();
            else engine->Doit(L"Nested = 1; A = nested");
        }
    };
    Meddler meddler;
    CCorQel engine;
    meddler.engine = &engine;
    engine.SetListener(&meddler);
    const wchar_t* const scripts[] = {
        L"A = 1; B = 2; Show Sky; C = 3",
        L"A = 1; B = 22; Show Sky; C = 3",
        L"A = 1; B = 22; Show Sky; C = 4",
        L"A = 1; B = 22; Show Sky; C = 4",
    };
    for (const wchar_t* script : scripts) engine.Doit(script);
    // The clear at the fourth redraw wiped A, B and Nested; C came after it.
    EXPECT_EQ(engine.SaveState(), CString(L"C = 4;\n"));
    EXPECT_EQ(meddler.redraws, 4);
}

// A folder of its own for each test, removed afterwards.
class EngineStateFile : public ::testing::Test {
protected:
    CString Path(const char* name) const { return CString(folder_.Name(name)); }
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(folder_.Path())) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    scratch::Folder folder_;
};

TEST_F(EngineStateFile, SaveReplacesTheFileWholeOrNotAtAll) {
    CCorQel engine, loaded;
    engine.Doit(L"Milkyway.Visible = TRUE; 名前 = \"a;b\"");
    const CString file = Path("sky.qel");
    {
        std::ofstream(zem::ToUtf8(file)) << "old = 1;\n";
    }
    ::chmod(zem::ToUtf8(file).c_str(), 0640);
    ASSERT_TRUE(engine.SaveStateFile(file));
    ASSERT_TRUE(loaded.LoadStateFile(file));
    EXPECT_EQ(loaded.GetProperties(), engine.GetProperties());
    struct stat st {};
    ASSERT_EQ(::stat(zem::ToUtf8(file).c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);  // the file keeps its permissions
    EXPECT_EQ(Files(), std::vector<std::string>{"sky.qel"});

    // Nothing can be written over a folder or into a missing one; nothing is left behind.
    fs::create_directory(folder_.Path() / "taken");
    EXPECT_FALSE(engine.SaveStateFile(Path("taken")));
    EXPECT_FALSE(engine.SaveStateFile(Path("missing/sky.qel")));
    EXPECT_EQ(Files(), (std::vector<std::string>{"sky.qel", "taken"}));
    EXPECT_TRUE(fs::is_empty(folder_.Path() / "taken"));
    // Reading: a folder or a missing file is no state; a byte-order mark is no part of one.
    EXPECT_FALSE(loaded.LoadStateFile(Path("taken")));
    EXPECT_FALSE(loaded.LoadStateFile(Path("none.qel")));
    {
        std::ofstream(zem::ToUtf8(Path("bom.qel"))) << "\xEF\xBB\xBFStar.Visible = FALSE;";
    }
    loaded.Clear();
    ASSERT_TRUE(loaded.LoadStateFile(Path("bom.qel")));
    EXPECT_EQ(loaded.Peek(L"Star.Visible"), CString(L"FALSE"));
}

// A process that saves a large state over and over is killed at random moments; the file must
// always load as one complete state, never a mix or a cut.
TEST_F(EngineStateFile, SaveSurvivesAKillAtAnyMoment) {
    constexpr int kProperties = 20000;
    auto fill = [](CCorQel& engine, int generation) {
        for (int i = 0; i < kProperties; ++i)
            engine.Set(L"Sky.No" + std::to_wstring(i) + L".Value", std::to_wstring(generation));
    };
    const CString file = Path("sky.qel");
    CCorQel first;
    fill(first, 0);
    ASSERT_TRUE(first.SaveStateFile(file));
    std::mt19937 random(11);
    for (int round = 0; round < 12; ++round) {
        const pid_t child = ::fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            CCorQel engine;
            for (int generation = 1;; ++generation) {
                fill(engine, generation);
                engine.SaveStateFile(file);
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5 + random() % 60));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        CCorQel loaded;
        ASSERT_TRUE(loaded.LoadStateFile(file));
        const auto properties = loaded.GetProperties();
        ASSERT_EQ(properties.size(), static_cast<std::size_t>(kProperties)) << "round " << round;
        for (const auto& [path, value] : properties) ASSERT_EQ(value, properties.front().second) << U8(path.str());
    }
}

}  // namespace
