// The registry library: a process-wide store whose names ignore case, and its backing file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
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

TEST_F(Registry, FileRoundTripKeepsAwkwardValues) {
    const wchar_t* const values[] = {
        L"", L"plain", L" lead", L"trail ", L"\"quoted\"", L"a=b", L"line1\nline2\r\n", L"C:\\dir\\f.png",
        L" \\n, quoted, is still not a line break", L"日本語", L"; not a comment", L"[not a section]", L"\"", L"\t",
    };
    int n = 0;
    for (const wchar_t* v : values) CRegistry::Write(L"Awkward", L"Key" + std::to_wstring(n++), v);
    ASSERT_TRUE(CRegistry::SaveFile(PathOf("reg.ini")));
    CRegistry::Clear();
    ASSERT_TRUE(CRegistry::LoadFile(PathOf("reg.ini")));
    n = 0;
    for (const wchar_t* v : values)
        EXPECT_EQ(Get(L"awkward", (L"key" + std::to_wstring(n++)).c_str()), CString(v)) << zem::ToUtf8(std::wstring_view(v));
    EXPECT_FALSE(CRegistry::SaveFile(PathOf("no/such/folder/reg.ini")));
}

TEST_F(Registry, LoadsHandWrittenFilesAndMerges) {
    CRegistry::Write(L"Default", L"Kept", L"1");
    CRegistry::Write(L"Default", L"Path", L"old");
    // A file that cannot be read changes nothing.
    EXPECT_FALSE(CRegistry::LoadFile(PathOf("missing.ini")));
    EXPECT_FALSE(CRegistry::LoadFile(CString(zem::FromUtf8(dir_.string()))));
    EXPECT_EQ(Get(L"Default", L"Path"), CString(L"old"));

    std::ofstream(dir_ / "hand.ini", std::ios::binary)
        << "\xEF\xBB\xBF; written by hand\r\ntop = before any section\r\n\r\n  [ default ]  \r\n# comment = not a key\r\n"
           "  Star.Mirado.Visible   =   true  \r\npath=C:\\sky\\data\r\nFormula = a=b\r\nno equals sign here\r\n= no key\r\n"
           "[日本]\n名前=\"  星  \"\nLast=no line end";
    ASSERT_TRUE(CRegistry::LoadFile(PathOf("hand.ini")));
    const std::tuple<const wchar_t*, const wchar_t*, const wchar_t*> reads[] = {
        {L"", L"top", L"before any section"}, {L"Default", L"Star.Mirado.Visible", L"true"},
        {L"Default", L"Kept", L"1"},          {L"Default", L"Path", L"C:\\sky\\data"},
        {L"Default", L"Formula", L"a=b"},     {L"日本", L"名前", L"  星  "},
        {L"日本", L"Last", L"no line end"},   {L"Default", L"no equals sign here", L"(default)"},
        {L"Default", L"# comment", L"(default)"},
    };
    for (const auto& [section, key, value] : reads) EXPECT_EQ(Get(section, key), CString(value)) << zem::ToUtf8(std::wstring_view(key));
}

}  // namespace
