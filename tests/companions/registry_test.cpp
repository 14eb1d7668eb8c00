// The registry library: a process-wide store whose names ignore case, and its backing file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <tuple>

#include "companions/zemreg/registry.h"

namespace {

class Registry : public ::testing::Test {
protected:
    void SetUp() override {
        CRegistry::Clear();
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override {
        CRegistry::Clear();
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    CString PathOf(const char* name) const { return CString(zem::FromUtf8((dir_ / name).string())); }
    std::string ReadBytes(const char* name) const {
        std::ifstream in(dir_ / name, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    // The stored value, or "(default)" when there is none.
    static CString Get(const wchar_t* section, const wchar_t* key) {
        CString value = L"stale";
        const BOOL found = CRegistry::Read(section, key, L"(default)", value);
        EXPECT_EQ(found != FALSE, value != L"(default)");
        return value;
    }

    const std::filesystem::path dir_ = std::filesystem::temp_directory_path() /
                                       ("zem_registry_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
};

TEST_F(Registry, NamesIgnoreCaseValuesDoNot) {
    CRegistry::Write(L"Default", L"Star.Mirado.Visible", L"True");
    CRegistry::Write(L"DEFAULT", L"STAR.MIRADO.VISIBLE", L"FALSE");  // replaces the value, not the name
    CRegistry::Write(L"Ｓｅｃｔｉｏｎ", L"Äpfel", L"1");
    CRegistry::Write(L"Секция", L"Ключ", L"2");
    CRegistry::Write(L"Default", L"あ", L"3");
    const std::tuple<const wchar_t*, const wchar_t*, const wchar_t*> reads[] = {
        {L"default", L"star.mirado.visible", L"FALSE"},
        {L"ｓｅｃｔｉｏｎ", L"äPFEL", L"1"},  // letters beyond ASCII fold too, as registry names do
        {L"секция", L"КЛЮЧ", L"2"},
        {L"Default", L"ぁ", L"(default)"},  // kana have no case
        {L"Default", L"Other", L"(default)"},
        {L"Elsewhere", L"Star.Mirado.Visible", L"(default)"},
    };
    for (const auto& [section, key, value] : reads) EXPECT_EQ(Get(section, key), CString(value)) << zem::ToUtf8(std::wstring_view(key));

    ASSERT_TRUE(CRegistry::SaveFile(PathOf("reg.ini")));
    std::ifstream in(dir_ / "reg.ini", std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("[Default]\nStar.Mirado.Visible=FALSE\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("STAR"), std::string::npos) << text;

    CRegistry::Clear();
    EXPECT_EQ(Get(L"Default", L"Star.Mirado.Visible"), CString(L"(default)"));
}

TEST_F(Registry, FileRoundTripKeepsAwkwardNamesAndValues) {
    const wchar_t* const texts[] = {
        L"", L"plain", L" lead", L"trail ", L"\"quoted\"", L"a=b", L"line1\nline2\r\n", L"C:\\dir\\f.png",
        L" \\n, quoted, is still not a line break", L"日本語", L"; not a comment", L"# nor this", L"[not a section]",
        L"\"", L"\t", L"end\\", L"\"x\\\"", L"a]b", L"=", L"nul\0inside",
    };
    int n = 0;
    for (const wchar_t* t : texts) {
        const std::wstring number = std::to_wstring(n++);
        CRegistry::Write(L"Awkward", L"Key" + number, t);  // as a value
        CRegistry::Write(L"Keys", std::wstring(t) + L"|" + number, number);  // as a key, kept apart by the number
        CRegistry::Write(std::wstring(t) + L"|" + number, t, number);  // as a section, and a key there
    }
    ASSERT_TRUE(CRegistry::SaveFile(PathOf("reg.ini")));
    CRegistry::Clear();
    ASSERT_TRUE(CRegistry::LoadFile(PathOf("reg.ini")));
    n = 0;
    for (const wchar_t* t : texts) {
        const std::wstring number = std::to_wstring(n++);
        EXPECT_EQ(Get(L"awkward", (L"key" + number).c_str()), CString(t)) << n;
        EXPECT_EQ(Get(L"keys", (std::wstring(t) + L"|" + number).c_str()), CString(number)) << n;
        EXPECT_EQ(Get((std::wstring(t) + L"|" + number).c_str(), t), CString(number)) << n;
    }
    EXPECT_FALSE(CRegistry::SaveFile(PathOf("no/such/folder/reg.ini")));
}

// What UTF-8 cannot carry is refused when it is written, so a save never loses it.
TEST_F(Registry, WriteRefusesWhatCannotBeSaved) {
    const std::wstring surrogate(1, static_cast<wchar_t>(0xD800)), beyond(1, static_cast<wchar_t>(0x110000));
    CRegistry::Write(L"S", L"K", L"kept");
    for (const std::wstring& bad : {surrogate, beyond, L"a" + surrogate}) {
        CRegistry::Write(L"S", L"K", bad);
        CRegistry::Write(bad, L"K", L"v");
        CRegistry::Write(L"S", bad, L"v");
        EXPECT_EQ(Get(bad.c_str(), L"K"), CString(L"(default)"));
        EXPECT_EQ(Get(L"S", bad.c_str()), CString(L"(default)"));
    }
    EXPECT_EQ(Get(L"S", L"K"), CString(L"kept"));
    CRegistry::Write(L"S", L"K", L"\U0010FFFF");
    EXPECT_EQ(Get(L"S", L"K"), CString(L"\U0010FFFF"));
}

TEST_F(Registry, RandomStoresRoundTrip) {
    // Characters the file format treats specially, with a few ordinary ones and some beyond ASCII.
    const std::wstring alphabet(L"aZ9 \t\v\f;#[]=\"\\\n\r\0あé\U0001F600", 21);
    std::mt19937 random(20261205);
    auto text = [&](int maxLength) {
        std::wstring t(random() % static_cast<unsigned>(maxLength + 1), L' ');
        for (auto& c : t) c = alphabet[random() % alphabet.size()];
        return t;
    };
    for (int store = 0; store < 200; ++store) {
        CRegistry::Clear();
        std::vector<std::pair<std::wstring, std::wstring>> names;
        for (int i = random() % 12; i > 0; --i) {
            names.emplace_back(text(4), text(6));
            CRegistry::Write(names.back().first, names.back().second, text(8));
        }
        std::vector<CString> before;
        for (const auto& [section, key] : names) before.push_back(Get(section.c_str(), key.c_str()));
        ASSERT_TRUE(CRegistry::SaveFile(PathOf("a.ini")));
        CRegistry::Clear();
        ASSERT_TRUE(CRegistry::LoadFile(PathOf("a.ini")));
        for (std::size_t i = 0; i < names.size(); ++i)
            ASSERT_EQ(Get(names[i].first.c_str(), names[i].second.c_str()), before[i]) << "store " << store << " entry " << i;
        // Nothing more comes back either, and first spellings stay: saving again gives the same file.
        ASSERT_TRUE(CRegistry::SaveFile(PathOf("b.ini")));
        ASSERT_EQ(ReadBytes("a.ini"), ReadBytes("b.ini")) << "store " << store;
    }
}

TEST_F(Registry, SaveReplacesTheFileWhole) {
    std::ofstream(dir_ / "reg.ini", std::ios::binary) << "[Old]\nKey=old\n";
    std::filesystem::permissions(dir_ / "reg.ini", std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                                                       std::filesystem::perms::group_read);
    // A second name of the old file shows whether the file was rewritten in place or replaced.
    std::filesystem::create_hard_link(dir_ / "reg.ini", dir_ / "old.ini");
    CRegistry::Write(L"New", L"Key", L"new");
    ASSERT_TRUE(CRegistry::SaveFile(PathOf("reg.ini")));
    EXPECT_EQ(ReadBytes("reg.ini"), "[New]\nKey=new\n\n");
    EXPECT_EQ(ReadBytes("old.ini"), "[Old]\nKey=old\n");
    // No temporary file is left, and the file keeps the permissions it had.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), std::filesystem::directory_iterator()), 2);
    EXPECT_EQ(std::filesystem::status(dir_ / "reg.ini").permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write | std::filesystem::perms::group_read);
}

TEST_F(Registry, LoadsHandWrittenFilesAndMerges) {
    CRegistry::Write(L"Default", L"Kept", L"1");
    CRegistry::Write(L"Default", L"Path", L"old");
    // A file that cannot be read changes nothing.
    EXPECT_FALSE(CRegistry::LoadFile(PathOf("missing.ini")));
    EXPECT_FALSE(CRegistry::LoadFile(CString(zem::FromUtf8(dir_.string()))));
    EXPECT_EQ(Get(L"Default", L"Path"), CString(L"old"));

    std::ofstream(dir_ / "hand.ini", std::ios::binary)
        << "\xEF\xBB\xBF; written by hand\r\ntop=before any section\r\n\r\n  [ default ]  \r\n# comment = not a key\r\n"
           "  Star.Mirado.Visible   =true\r\npath=C:\\sky\\data\r\nFormula = a=b \r\nno equals sign here\r\n= no key\r\n"
           "[日本]\n名前 = \"  星  \" \n\"  padded key\"=1\nLast=no line end";
    ASSERT_TRUE(CRegistry::LoadFile(PathOf("hand.ini")));
    const std::tuple<const wchar_t*, const wchar_t*, const wchar_t*> reads[] = {
        {L"", L"top", L"before any section"}, {L"Default", L"Star.Mirado.Visible", L"true"},
        {L"Default", L"Kept", L"1"},          {L"Default", L"Path", L"C:\\sky\\data"},
        {L"Default", L"Formula", L" a=b "},   {L"日本", L"名前", L"  星  "},
        {L"日本", L"  padded key", L"1"},     {L"日本", L"Last", L"no line end"},
        {L"Default", L"no equals sign here", L"(default)"}, {L"Default", L"# comment", L"(default)"},
    };
    for (const auto& [section, key, value] : reads) EXPECT_EQ(Get(section, key), CString(value)) << zem::ToUtf8(std::wstring_view(key));
}

}  // namespace
