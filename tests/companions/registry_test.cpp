// The registry library: a process-wide store whose names ignore case, and its backing file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "companions/zemreg/registry.h"

namespace {

class Registry : public ::testing::Test {
protected:
    void SetUp() override {
        CRegistry::Clear();
        dir_ = std::filesystem::temp_directory_path() /
               ("zem_registry_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override {
        CRegistry::Clear();
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    CString PathOf(const char* name) const { return CString(zem::FromUtf8((dir_ / name).string())); }
    void WriteBytes(const char* name, const std::string& bytes) const {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
    }
    static CString ReadOr(const wchar_t* section, const wchar_t* key, BOOL expectFound = TRUE) {
        CString value = L"stale";
        EXPECT_EQ(CRegistry::Read(section, key, L"(default)", value), expectFound)
            << zem::ToUtf8(std::wstring_view(section)) << "/" << zem::ToUtf8(std::wstring_view(key));
        return value;
    }

    std::filesystem::path dir_;
};

TEST_F(Registry, MissingValuesGiveTheDefault) {
    EXPECT_EQ(ReadOr(L"Default", L"Star.Mirado.Visible", FALSE), CString(L"(default)"));
    CRegistry::Write(L"Default", L"Other", L"x");
    EXPECT_EQ(ReadOr(L"Default", L"Star.Mirado.Visible", FALSE), CString(L"(default)"));
    EXPECT_EQ(ReadOr(L"Elsewhere", L"Other", FALSE), CString(L"(default)"));
}

TEST_F(Registry, NamesIgnoreCaseValuesDoNot) {
    CRegistry::Write(L"Default", L"Star.Mirado.Visible", L"True");
    const std::pair<const wchar_t*, const wchar_t*> spellings[] = {
        {L"Default", L"Star.Mirado.Visible"},
        {L"default", L"star.mirado.visible"},
        {L"DEFAULT", L"STAR.MIRADO.VISIBLE"},
    };
    for (const auto& [section, key] : spellings) EXPECT_EQ(ReadOr(section, key), CString(L"True"));

    // Letters beyond ASCII fold too, as registry names do.
    CRegistry::Write(L"Ｓｅｃｔｉｏｎ", L"Äpfel", L"1");
    EXPECT_EQ(ReadOr(L"ｓｅｃｔｉｏｎ", L"äPFEL"), CString(L"1"));
    CRegistry::Write(L"Секция", L"Ключ", L"2");
    EXPECT_EQ(ReadOr(L"секция", L"КЛЮЧ"), CString(L"2"));
    // Kana have no case: different kana stay different names.
    CRegistry::Write(L"Default", L"あ", L"3");
    ReadOr(L"Default", L"ぁ", FALSE);

    // A rewrite under another spelling replaces the value, not the name.
    CRegistry::Write(L"DEFAULT", L"STAR.MIRADO.VISIBLE", L"FALSE");
    EXPECT_EQ(ReadOr(L"Default", L"Star.Mirado.Visible"), CString(L"FALSE"));
    ASSERT_TRUE(CRegistry::SaveFile(PathOf("reg.ini")));
    std::ifstream in(dir_ / "reg.ini", std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("[Default]\nStar.Mirado.Visible=FALSE\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("STAR"), std::string::npos) << text;
}

TEST_F(Registry, ClearForgetsEverything) {
    CRegistry::Write(L"Default", L"a", L"1");
    CRegistry::Clear();
    ReadOr(L"Default", L"a", FALSE);
}

TEST_F(Registry, FileRoundTripKeepsAwkwardValues) {
    const wchar_t* const values[] = {
        L"", L"plain", L" lead", L"trail ", L"\"quoted\"", L"a=b", L"line1\nline2\r\n", L"C:\\dir\\f.png",
        L"\\n is not a line break", L"日本語", L"; not a comment", L"[not a section]", L"\"", L"\t",
    };
    int n = 0;
    for (const wchar_t* v : values) CRegistry::Write(L"Awkward", CString(L"Key") + std::to_wstring(n++), v);
    CRegistry::Write(L"Default", L"Star.Mirado.Visible", L"TRUE");
    ASSERT_TRUE(CRegistry::SaveFile(PathOf("reg.ini")));
    CRegistry::Clear();
    ASSERT_TRUE(CRegistry::LoadFile(PathOf("reg.ini")));
    n = 0;
    for (const wchar_t* v : values)
        EXPECT_EQ(ReadOr(L"awkward", (CString(L"key") + std::to_wstring(n++)).GetString()), CString(v))
            << zem::ToUtf8(std::wstring_view(v));
    EXPECT_EQ(ReadOr(L"Default", L"Star.Mirado.Visible"), CString(L"TRUE"));
}

TEST_F(Registry, ReadsHandWrittenFiles) {
    WriteBytes("hand.ini",
               "\xEF\xBB\xBF; written by hand\r\n"
               "top = before any section\r\n"
               "\r\n"
               "  [ Default ]  \r\n"
               "# another comment\r\n"
               "  Star.Mirado.Visible   =   true  \r\n"
               "Path=C:\\sky\\data\r\n"
               "Formula = a=b\r\n"
               "no equals sign here\r\n"
               "= no key\r\n"
               "[日本]\n"
               "名前=\"  星  \"\n"
               "Last=no line end");
    ASSERT_TRUE(CRegistry::LoadFile(PathOf("hand.ini")));
    EXPECT_EQ(ReadOr(L"", L"top"), CString(L"before any section"));
    EXPECT_EQ(ReadOr(L"default", L"star.mirado.visible"), CString(L"true"));
    EXPECT_EQ(ReadOr(L"Default", L"Path"), CString(L"C:\\sky\\data"));
    EXPECT_EQ(ReadOr(L"Default", L"Formula"), CString(L"a=b"));
    EXPECT_EQ(ReadOr(L"日本", L"名前"), CString(L"  星  "));
    EXPECT_EQ(ReadOr(L"日本", L"Last"), CString(L"no line end"));
    ReadOr(L"Default", L"no equals sign here", FALSE);
}

TEST_F(Registry, LoadMergesAndFailsCleanly) {
    CRegistry::Write(L"Default", L"Kept", L"1");
    CRegistry::Write(L"Default", L"Replaced", L"old");
    EXPECT_FALSE(CRegistry::LoadFile(PathOf("missing.ini")));
    EXPECT_FALSE(CRegistry::LoadFile(CString(zem::FromUtf8(dir_.string()))));  // a folder
    EXPECT_EQ(ReadOr(L"Default", L"Replaced"), CString(L"old"));

    WriteBytes("more.ini", "[default]\nreplaced=new\nAdded=2\n");
    ASSERT_TRUE(CRegistry::LoadFile(PathOf("more.ini")));
    EXPECT_EQ(ReadOr(L"Default", L"Kept"), CString(L"1"));
    EXPECT_EQ(ReadOr(L"Default", L"Replaced"), CString(L"new"));
    EXPECT_EQ(ReadOr(L"Default", L"Added"), CString(L"2"));
    EXPECT_FALSE(CRegistry::SaveFile(PathOf("no/such/folder/reg.ini")));
}

}  // namespace
