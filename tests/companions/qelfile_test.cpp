// SPDX-License-Identifier: BSD-3-Clause
// The file library's line reader: encodings, line ends, bad bytes and files that are not there.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "companions/zemcom/cp932_table.h"
#include "companions/zemcom/qelfile.h"
#include "scratch.h"

namespace {

using zem::TextEncoding;
using Lines = std::vector<std::wstring>;

using scratch::Utf16;

class QelFile : public ::testing::Test {
protected:
    std::wstring Write(const std::string& bytes, const char* name = "list.txt") const { return dir_.Write(name, bytes); }
    static Lines ReadAll(const std::wstring& path, TextEncoding* encoding = nullptr) {
        CQelFile file;
        if (!file.Open(path.c_str(), CQelFile::modeRead, nullptr)) return {L"(not opened)"};
        if (encoding) *encoding = file.GetEncoding();
        Lines lines;
        CString line;
        while (file.ReadString(line)) lines.push_back(line.str());
        EXPECT_TRUE(line.IsEmpty());
        EXPECT_FALSE(file.ReadString(line));  // the end stays the end
        return lines;
    }

    scratch::Folder dir_;
};

TEST_F(QelFile, DecodesEachEncoding) {
    const Lines lines = {L"a.png\tアルファ", L"b.png\t星 ★\U0001F31F"};
    const std::string utf8 = "a.png\tアルファ\r\nb.png\t星 ★\U0001F31F\r\n";
    const std::u16string utf16 = u"a.png\tアルファ\r\nb.png\t星 ★\U0001F31F\r\n";
    // Japanese Windows text: kana, kanji, the full-width forms that differ from plain
    // Shift_JIS (U+FF5E, U+FF3C), half-width katakana and the vendor rows.
    const std::string cp932 = "a.png\t\x83\x41\x83\x8B\x83\x74\x83\x40\r\n"
                              "\x90\xAF\x81\x60\x81\x5F\xB1\xDF\x87\x40\xED\x40\xFA\x40\xF0\x40\x88\x9F\n";
    const std::tuple<std::string, TextEncoding, Lines> cases[] = {
        {utf8, TextEncoding::Utf8, lines},
        {"\xEF\xBB\xBF" + utf8, TextEncoding::Utf8Bom, lines},
        {Utf16(utf16, false), TextEncoding::Utf16LE, lines},
        {Utf16(utf16, true), TextEncoding::Utf16BE, lines},
        {cp932, TextEncoding::Cp932, {L"a.png\tアルファ", L"星\xFF5E\xFF3C\xFF71\xFF9F\x2460\x7E8A\x2170\xE000亜"}},
    };
    for (const auto& [bytes, encoding, expected] : cases) {
        TextEncoding got{};
        EXPECT_EQ(ReadAll(Write(bytes), &got), expected) << static_cast<int>(encoding);
        EXPECT_EQ(got, encoding);
    }
}

TEST_F(QelFile, LineEndsAndBadBytes) {
    const std::pair<std::string, Lines> cases[] = {
        {"", {}},
        {"a\nb", {L"a", L"b"}},  // a last line without a line end
        {"a\r\n\r\nb\r\n", {L"a", L"", L"b"}},
        {"a\rb\n", {L"a\rb"}},  // a lone CR is not a line end
        {"a\r\r\n", {L"a\r"}},
        {"\xEF\xBB\xBF", {}},
        // A lead byte without its trail loses only itself: the line end after it stays.
        {"\x82\nx\x82", {L"\xFFFD", L"x\xFFFD"}},
        {"\x80\xFD\x85\x40z", {L"\xFFFD\xFFFD\xFFFDz"}},  // bytes and a pair with no meaning
        {std::string("\xFF\xFE" "a\0b", 5), {L"a\xFFFD"}},  // utf-16 of odd length
        {std::string("\xFF\xFE\x00\xD8" "a\0\x00\xDC", 8), {L"\xFFFD" L"a\xFFFD"}},  // lone surrogates
    };
    for (const auto& [bytes, lines] : cases) EXPECT_EQ(ReadAll(Write(bytes)), lines) << bytes;
}

TEST_F(QelFile, Cp932TableIsWhole) {
    for (int lead = 0; lead < zem::cp932::kLeadCount; ++lead) {
        const char16_t* text = zem::cp932::kRows[lead].text;
        EXPECT_TRUE(!text || std::char_traits<char16_t>::length(text) == zem::cp932::kTrailCount) << lead;
    }
    // Every kanji of the first level must decode: a gap there would be a broken table.
    std::string level1;
    for (int lead = 0x88; lead <= 0x98; ++lead)
        for (int trail = 0x40; trail <= 0xFC; ++trail)
            if (trail != 0x7F && !(lead == 0x88 && trail < 0x9F) && !(lead == 0x98 && trail > 0x72))
                level1 += {static_cast<char>(lead), static_cast<char>(trail)};
    const auto decoded = zem::DecodeCp932(level1);
    ASSERT_EQ(decoded.size(), level1.size() / 2);
    EXPECT_EQ(decoded.find(L'\xFFFD'), std::wstring::npos);
    EXPECT_EQ(decoded.front(), L'亜');
    EXPECT_EQ(decoded.back(), L'腕');
}

TEST_F(QelFile, OpenFailuresAndReopening) {
    const std::wstring dir = dir_.Name();
    Write("one\ntwo\n", "sub/list.txt");
    const std::wstring good = dir + L"\\sub\\list.txt";  // the dialogs build paths with '\'
    const std::tuple<std::wstring, UINT, int> cases[] = {
        {dir + L"/missing.txt", CQelFile::modeRead, CFileException::fileNotFound},
        {dir, CQelFile::modeRead, CFileException::accessDenied},
        {L"", CQelFile::modeRead, CFileException::badPath},
        {good, CQelFile::modeWrite | CQelFile::shareDenyNone, CFileException::genericException},
    };
    for (const auto& [path, flags, cause] : cases) {
        CQelFile file;
        CString line;
        ASSERT_TRUE(file.Open(good.c_str(), CQelFile::modeRead));
        ASSERT_TRUE(file.ReadString(line));
        CFileException error;
        EXPECT_FALSE(file.Open(path.c_str(), flags, &error)) << cause;
        EXPECT_EQ(error.m_cause, cause);
        EXPECT_FALSE(file.ReadString(line)) << cause;  // a failed Open closes what was open
        EXPECT_TRUE(line.IsEmpty());
        ASSERT_TRUE(file.Open(good.c_str(), CQelFile::modeRead));
        ASSERT_TRUE(file.ReadString(line));
        EXPECT_EQ(line, CString(L"one"));  // and reopening starts over
    }
}

}  // namespace
