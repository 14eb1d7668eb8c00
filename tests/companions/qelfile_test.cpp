// The file library's line reader: encodings, line ends, bad bytes and files that are not there.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "companions/zemcom/cp932_table.h"
#include "companions/zemcom/qelfile.h"

namespace {

using zem::TextEncoding;

std::string Utf16(const std::wstring& text, bool bigEndian) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    auto put = [&](unsigned u) {
        const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    };
    for (wchar_t c : text) {
        const auto cp = static_cast<unsigned>(c);
        if (cp >= 0x10000) {
            put(0xD800 + ((cp - 0x10000) >> 10));
            put(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            put(cp);
        }
    }
    return out;
}

class QelFile : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("zem_qelfile_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_ / "star" / "customstar");
    }
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    std::wstring Write(const std::string& bytes, const char* name = "list.txt") const {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
        return zem::FromUtf8((dir_ / name).string());
    }
    static std::vector<std::wstring> ReadAll(const std::wstring& path, TextEncoding* encoding = nullptr) {
        CQelFile file;
        std::vector<std::wstring> lines;
        if (!file.Open(path.c_str(), 64, nullptr)) return {L"(not opened)"};
        if (encoding) *encoding = file.GetEncoding();
        CString line;
        while (file.ReadString(line)) lines.push_back(line.str());
        EXPECT_TRUE(line.IsEmpty());
        EXPECT_FALSE(file.ReadString(line));  // the end stays the end
        return lines;
    }

    std::filesystem::path dir_;
};

TEST_F(QelFile, DecodesEachEncoding) {
    const std::wstring text = L"a.png\tアルファ\r\nb.png\t星 ★\U0001F31F\r\n";
    const std::vector<std::wstring> lines = {L"a.png\tアルファ", L"b.png\t星 ★\U0001F31F"};
    struct Case {
        const char* label;
        std::string bytes;
        TextEncoding encoding;
    };
    const Case cases[] = {
        {"utf-8", zem::ToUtf8(std::wstring_view(text)), TextEncoding::Utf8},
        {"utf-8 bom", "\xEF\xBB\xBF" + zem::ToUtf8(std::wstring_view(text)), TextEncoding::Utf8Bom},
        {"utf-16le", Utf16(text, false), TextEncoding::Utf16LE},
        {"utf-16be", Utf16(text, true), TextEncoding::Utf16BE},
    };
    for (const auto& c : cases) {
        TextEncoding got{};
        EXPECT_EQ(ReadAll(Write(c.bytes), &got), lines) << c.label;
        EXPECT_EQ(got, c.encoding) << c.label;
    }

    // Japanese Windows text: kana, kanji, the full-width forms that differ from plain
    // Shift_JIS (U+FF5E, U+FF3C), half-width katakana and the vendor rows.
    TextEncoding got{};
    const auto cp932 = ReadAll(Write("a.png\t\x83\x41\x83\x8B\x83\x74\x83\x40\r\n"  // アルファ
                                     "\x90\xAF\x81\x60\x81\x5F\xB1\xDF\x87\x40\xED\x40\xFA\x40\xF0\x40\x88\x9F\n"),
                               &got);
    EXPECT_EQ(got, TextEncoding::Cp932);
    EXPECT_EQ(cp932, (std::vector<std::wstring>{L"a.png\tアルファ", L"星\xFF5E\xFF3C\xFF71\xFF9F\x2460\x7E8A\x2170\xE000亜"}));
}

TEST_F(QelFile, LineEnds) {
    struct Case {
        std::string bytes;
        std::vector<std::wstring> lines;
    };
    const Case cases[] = {
        {"", {}},
        {"a", {L"a"}},
        {"a\n", {L"a"}},
        {"a\nb", {L"a", L"b"}},
        {"a\r\nb\r\n", {L"a", L"b"}},
        {"\n", {L""}},
        {"a\n\nb\n", {L"a", L"", L"b"}},
        {"a\r\n\r\n", {L"a", L""}},
        {"a\rb\n", {L"a\rb"}},  // a lone CR is not a line end
        {"a\r\r\n", {L"a\r"}},
        {"\xEF\xBB\xBF", {}},
        {"\xEF\xBB\xBF\n", {L""}},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadAll(Write(c.bytes)), c.lines) << c.bytes;
}

TEST_F(QelFile, BadBytesBecomeReplacementCharacters) {
    struct Case {
        const char* label;
        std::string bytes;
        std::vector<std::wstring> lines;
    };
    const Case cases[] = {
        // A lead byte without its trail loses only itself: the line end after it stays.
        {"cp932 lead at line end", "\x82\nx\x82", {L"\xFFFD", L"x\xFFFD"}},
        {"cp932 bytes with no meaning", "\x80\xA0\xFD\xFE\xFF", {L"\xFFFD\xFFFD\xFFFD\xFFFD\xFFFD"}},
        {"cp932 unmapped pair", "\x85\x40z", {L"\xFFFD" L"z"}},
        {"utf-16 odd length", std::string("\xFF\xFE" "a\0b", 5), {L"a\xFFFD"}},
        {"utf-16 lone surrogates", std::string("\xFF\xFE\x00\xD8" "a\0\x00\xDC", 8), {L"\xFFFD" L"a\xFFFD"}},
        {"utf-16 with nothing after the mark", "\xFE\xFF", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(ReadAll(Write(c.bytes)), c.lines) << c.label;

    // Whatever the bytes, reading ends and hands out only well-formed characters.
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> len(0, 256), byte(0, 255);
    for (int i = 0; i < 120; ++i) {
        std::string bytes;
        for (int k = len(rng); k > 0; --k) bytes += static_cast<char>(byte(rng));
        if (i % 3 == 0) bytes.insert(0, i % 2 ? "\xFF\xFE" : "\xFE\xFF");
        for (const auto& line : ReadAll(Write(bytes)))
            for (wchar_t c : line) ASSERT_FALSE((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF);
    }
}

TEST_F(QelFile, Cp932TableIsWhole) {
    for (int lead = 0; lead < zem::cp932::kLeadCount; ++lead) {
        const auto& row = zem::cp932::kRows[lead];
        if (row.text) {
            EXPECT_EQ(std::char_traits<char16_t>::length(row.text), std::size_t(zem::cp932::kTrailCount)) << lead;
        }
    }
    // Every kanji and kana of the first level must decode: a gap there would be a broken table.
    std::string level1;
    for (int lead = 0x88; lead <= 0x98; ++lead)
        for (int trail = 0x40; trail <= 0xFC; ++trail)
            if (trail != 0x7F && !(lead == 0x88 && trail < 0x9F) && !(lead == 0x98 && trail > 0x72)) {
                level1 += static_cast<char>(lead);
                level1 += static_cast<char>(trail);
            }
    const auto decoded = zem::DecodeCp932(level1);
    ASSERT_EQ(decoded.size(), level1.size() / 2);
    EXPECT_EQ(decoded.find(L'\xFFFD'), std::wstring::npos);
    EXPECT_EQ(decoded.front(), L'亜');
    EXPECT_EQ(decoded.back(), L'腕');
}

TEST_F(QelFile, OpensBackslashPaths) {
    Write("x.png\tX\n", "star/customstar/customstar.txt");
    std::wstring path = zem::FromUtf8(dir_.string()) + L"\\star\\customstar\\customstar.txt";
    EXPECT_EQ(ReadAll(path), std::vector<std::wstring>{L"x.png\tX"});
}

TEST_F(QelFile, FailuresAreReported) {
    struct Case {
        const char* label;
        std::wstring path;
        UINT flags;
        int cause;
    };
    const std::wstring dir = zem::FromUtf8(dir_.string());
    Write("content");
    const Case cases[] = {
        {"missing", dir + L"/missing.txt", 64, CFileException::fileNotFound},
        {"missing folder", dir + L"\\nowhere\\list.txt", 64, CFileException::fileNotFound},
        {"folder", dir, 64, CFileException::accessDenied},
        {"empty path", L"", 64, CFileException::badPath},
        {"write access", dir + L"/list.txt", CQelFile::modeWrite | CQelFile::shareDenyNone, CFileException::genericException},
    };
    for (const auto& c : cases) {
        CQelFile file;
        CFileException error;
        EXPECT_FALSE(file.Open(c.path.c_str(), c.flags, &error)) << c.label;
        EXPECT_EQ(error.m_cause, c.cause) << c.label;
        EXPECT_FALSE(file.IsOpen()) << c.label;
        CString line = L"old";
        EXPECT_FALSE(file.ReadString(line)) << c.label;
        EXPECT_FALSE(file.Open(c.path.c_str(), c.flags, nullptr)) << c.label;
    }
    CQelFile file;
    EXPECT_FALSE(file.Open(nullptr, 64, nullptr));
}

TEST_F(QelFile, ReopeningStartsOver) {
    const std::wstring first = Write("one\ntwo\n", "first.txt");
    const std::wstring second = Write("three\n", "second.txt");
    CQelFile file;
    CString line;
    ASSERT_TRUE(file.Open(first.c_str(), 64, nullptr));
    ASSERT_TRUE(file.ReadString(line));
    ASSERT_TRUE(file.Open(second.c_str(), 64, nullptr));
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_EQ(line, CString(L"three"));
    EXPECT_FALSE(file.ReadString(line));
    file.Close();
    EXPECT_FALSE(file.ReadString(line));
}

}  // namespace
