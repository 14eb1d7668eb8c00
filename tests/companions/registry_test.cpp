// SPDX-License-Identifier: BSD-3-Clause
// The registry library: a process-wide store whose names ignore case, and its backing file.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>

#include "companions/zemreg/registry.h"
#include "scratch.h"

namespace {

class Registry : public ::testing::Test {
protected:
    void SetUp() override { CRegistry::Clear(); }
    void TearDown() override { CRegistry::Clear(); }
    CString PathOf(const char* name) const { return CString(dir_.Name(name)); }
    // The stored value, or "(default)" when there is none.
    static CString Get(const wchar_t* section, const wchar_t* key) {
        CString value = L"stale";
        const BOOL found = CRegistry::Read(section, key, L"(default)", value);
        EXPECT_EQ(found != FALSE, value != L"(default)");
        return value;
    }

    scratch::Folder dir_;
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
    // The names as texts read the same; a value read into a text with room keeps that room.
    CString value;
    value.Preallocate(64);
    const int room = value.GetAllocLength();
    EXPECT_TRUE(CRegistry::Read(CString(L"ｓｅｃｔｉｏｎ"), CString(L"ÄPFEL"), CString(L"x"), value));
    EXPECT_EQ(value, L"1");
    EXPECT_FALSE(CRegistry::Read(CString(L"Default"), CString(L"ぁ"), CString(L"(default)"), value));
    EXPECT_TRUE(value == L"(default)" && value.GetAllocLength() == room);

    ASSERT_TRUE(CRegistry::SaveFile(PathOf("reg.ini")));
    const std::string text = dir_.Read("reg.ini");
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

TEST_F(Registry, SaveReplacesTheFileWhole) {
    dir_.Write("reg.ini", "[Old]\nKey=old\n");
    std::filesystem::permissions(dir_.Path() / "reg.ini", std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                                                       std::filesystem::perms::group_read);
    // A second name of the old file shows whether the file was rewritten in place or replaced.
    std::filesystem::create_hard_link(dir_.Path() / "reg.ini", dir_.Path() / "old.ini");
    CRegistry::Write(L"New", L"Key", L"new");
    ASSERT_TRUE(CRegistry::SaveFile(PathOf("reg.ini")));
    EXPECT_EQ(dir_.Read("reg.ini"), "[New]\nKey=new\n\n");
    EXPECT_EQ(dir_.Read("old.ini"), "[Old]\nKey=old\n");
    // No temporary file is left, and the file keeps the permissions it had.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_.Path()), std::filesystem::directory_iterator()), 2);
    EXPECT_EQ(std::filesystem::status(dir_.Path() / "reg.ini").permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write | std::filesystem::perms::group_read);
}

TEST_F(Registry, LoadsHandWrittenFilesAndMerges) {
    CRegistry::Write(L"Default", L"Kept", L"1");
    CRegistry::Write(L"Default", L"Path", L"old");
    // A file that cannot be read changes nothing.
    EXPECT_FALSE(CRegistry::LoadFile(PathOf("missing.ini")));
    EXPECT_FALSE(CRegistry::LoadFile(CString(dir_.Name())));
    EXPECT_EQ(Get(L"Default", L"Path"), CString(L"old"));

    dir_.Write("hand.ini",
        "\xEF\xBB\xBF; written by hand\r\ntop=before any section\r\n\r\n  [ default ]  \r\n# comment = not a key\r\n"
           "  Star.Mirado.Visible   =true\r\npath=C:\\sky\\data\r\nFormula = a=b \r\nno equals sign here\r\n= no key\r\n"
           "[日本]\n名前 = \"  星  \" \n\"  padded key\"=1\nLast=no line end");
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
