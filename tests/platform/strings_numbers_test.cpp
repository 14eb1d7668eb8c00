// SPDX-License-Identifier: BSD-3-Clause
// CString, the printf-style formatter and the runtime's number reading and writing.
#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <random>

#include "c_numeric_locale.h"
#include "platform/crt.h"
#include "test_dialog.h"

using namespace ptest;

TEST(CStringTest, FormatFollowsWidePrintf) {
    CString formatted;
    formatted.Format(L"%s=%s;", CString(L"恒星"), L"TRUE");
    const std::pair<std::wstring, std::wstring> cases[] = {
        {formatted.str(), L"恒星=TRUE;"},
        {zem::Format(L"%d|%5d|%-5d|%05d", -42, 42, 42, -42), L"-42|   42|42   |-0042"},
        {zem::Format(L"100%% %c %x %X %s", L'等', 255, 255, static_cast<const wchar_t*>(nullptr)), L"100% 等 ff FF (null)"},
        // A missing argument or one of the wrong kind writes nothing instead of reading past the end.
        {zem::Format(L"[%d|%s|%.1f]"), L"[||]"},
        {zem::Format(L"[%s|%d]", 5, L"x"), L"[|]"},
    };
    for (const auto& [got, want] : cases) EXPECT_EQ(got, want);
}

TEST(CStringTest, CompareNoCase) {
    struct Case { const wchar_t *a, *b; int sign; };
    const Case cases[] = {
        {L"Star.Custom", L"star.custom", 0}, {L"a", L"B", -1}, {L"[", L"A", -1},  // as lowered: '[' < 'a'
        {L"ab", L"abc", -1}, {L"星図", L"星", 1},
    };
    for (const auto& c : cases) {
        const int got = CString(c.a).CompareNoCase(c.b);
        EXPECT_EQ((got > 0) - (got < 0), c.sign) << U8(c.a) << " vs " << U8(c.b);
    }
}

// Only ASCII letters fold, as the engine folds its paths, whatever locale the process is in: in
// Turkish the C library would lower a dotted capital I to i and a plain I to a dotless i.
TEST(CStringTest, CaseFoldingIgnoresTheLocale) {
    const std::string kept = std::setlocale(LC_ALL, nullptr);
    int tried = 0;
    for (const char* name : {"C", "C.UTF-8", "tr_TR.UTF-8", "ja_JP.UTF-8", "de_DE.UTF-8"}) {
        if (!std::setlocale(LC_ALL, name)) continue;
        ++tried;
        struct Case { const wchar_t *a, *b; bool same; };
        const Case cases[] = {
            {L"HORIZON", L"horizon", true}, {L"HORİZON", L"horizon", false}, {L"ıris", L"Iris", false},
            {L"É", L"é", false},            {L"Ａ", L"ａ", false},           {L"cnspic/İRİS.PNG", L"cnspic/İRİS.png", true},
        };
        for (const auto& c : cases) EXPECT_EQ(CString(c.a).CompareNoCase(c.b) == 0, c.same) << name << ": " << U8(c.a) << " vs " << U8(c.b);
        EXPECT_EQ(CString(L"İIıiÉé").MakeLower().str(), L"İiıiÉé") << name;
        EXPECT_EQ(CString(L"İIıiÉé").MakeUpper().str(), L"İIıIÉé") << name;
    }
    std::setlocale(LC_ALL, kept.c_str());
    EXPECT_GT(tried, 1) << "only the C locale is installed: nothing was compared across locales";
}

TEST(CStringTest, TrimReplaceAndSubstrings) {
    struct Case { const wchar_t *text, *from, *to, *result; int count; };
    const Case replaces[] = {
        {L"a.b.c", L".", L"::", L"a::b::c", 2}, {L"aaa", L"aa", L"b", L"ba", 1}, {L"a;b;", L";", L"", L"ab", 2},
        {L"abc", L"", L"y", L"abc", 0},
    };
    for (const auto& c : replaces) {
        CString s(c.text);
        EXPECT_EQ(s.Replace(c.from, c.to), c.count) << U8(c.text);
        EXPECT_EQ(s, c.result);
    }
    CString path(L"\\star\\customstar.txt");
    EXPECT_EQ(path.Replace(L'\\', L'/'), 2);
    EXPECT_EQ(path, L"/star/customstar.txt");

    const CString p(L"Star.Custom.Visible");
    const std::pair<CString, const wchar_t*> parts[] = {
        {CString(L" \t a b \r\n").Trim(), L"a b"}, {CString(L"\x3000星\x3000").Trim(), L"星"}, {CString(L"   ").Trim(), L""},
        {p.Left(4), L"Star"}, {p.Mid(5), L"Custom.Visible"}, {p.Mid(5, 6), L"Custom"}, {p.Right(7), L"Visible"},
        // Out-of-range positions and counts give what is there, never a fault.
        {p.Left(100), L"Star.Custom.Visible"}, {p.Mid(100), L""}, {p.Mid(-2, 4), L"Star"}, {p.Right(-1), L""},
        {CString(L"abc", -1), L""},
    };
    for (const auto& [got, want] : parts) EXPECT_EQ(got, want);
    const std::pair<int, int> finds[] = {
        {p.Find(L'.'), 4}, {p.Find(L'.', 5), 11}, {p.Find(L"Visible"), 12}, {p.Find(L"visible"), -1},
        {p.Find(L"e", 99), -1}, {p.Find(L'S', -1), -1}, {p.GetAt(19), 0},
    };
    for (const auto& [got, want] : finds) EXPECT_EQ(got, want);
}

TEST_F(PlatformTest, LoadStringFromRegisteredTables) {
    CString s(L"前の文");
    EXPECT_TRUE(s.LoadString(kStrGreeting));
    EXPECT_EQ(s, L"こんにちは");
    EXPECT_FALSE(s.LoadString(4242));
    EXPECT_TRUE(s.IsEmpty());

    const ResourceModule later{{}, {{kStrGreeting, L"上書き"}}};
    AfxAddResourceModule(&later);  // searched before the earlier module
    s.LoadString(kStrGreeting);
    EXPECT_EQ(s, L"上書き");
    AfxRemoveResourceModule(&later);

    CString format, message;
    format.LoadString(kStrRange);
    message.Format(format, -6.0, 30.0);
    EXPECT_EQ(message, L"-6.0～30.0 の範囲で入力してください。");
}

namespace {

// The value and end of the leading number, and whether the exchange of a double takes the text:
// blanks around one number and nothing else.
struct ReadCase { const wchar_t* text; double value; int end; bool exchanged; };
const ReadCase kReads[] = {
    {L"5.37", 5.37, 4, true},   {L" 2.5 ", 2.5, 4, true},  {L"-1.25", -1.25, 5, true},  {L"+.5", 0.5, 3, true},
    {L"0", 0, 1, true},         {L"1e3", 1000, 3, true},   {L"1e400", HUGE_VAL, 5, true}, {L"", 0, 0, false},
    {L"-", 0, 0, false},        {L"abc", 0, 0, false},     {L".", 0, 0, false},         {L". 5", 0, 0, false},
    {L"1e", 1, 1, false},       {L" 2.5x", 2.5, 4, false}, {L"1,5", 1, 1, false},       {L"0x", 0, 1, false},
    {L"2.5e-1;", 0.25, 6, false}, {L"-1e-400", -0.0, 7, true},
    // Zero however a dialog or a person writes it.
    {L"-0.0", -0.0, 4, true},   {L"-0", -0.0, 2, true},    {L"+0", 0, 2, true},         {L".0", 0, 2, true},
    {L"0.", 0, 2, true},        {L" -0.0 ", -0.0, 5, true}, {L"-.", 0, 0, false},       {L"+", 0, 0, false},
};

void ExpectReadsAndWrites() {
    for (const auto& c : kReads) {
        wchar_t* end = nullptr;
        double exchanged = -7;
        const double read = crt::wcstod(c.text, &end);
        EXPECT_EQ(read, c.value) << U8(c.text);
        EXPECT_EQ(std::signbit(read), std::signbit(c.value)) << U8(c.text);
        EXPECT_EQ(end - c.text, c.end) << U8(c.text);
        EXPECT_EQ(crt::_wtof(c.text), c.value) << U8(c.text);
        EXPECT_EQ(AfxSimpleFloatParse(c.text, exchanged), c.exchanged) << U8(c.text);
        EXPECT_EQ(exchanged, c.exchanged ? c.value : -7) << U8(c.text);  // untouched when refused
    }

    EXPECT_EQ(zem::Format(L"%5.1f|%-.1f|%-6.1f|%.1f|%.1f", 3.14159, -0.05, 2.0, 1e-300, -1.26), L"  3.1|-0.1|2.0   |0.0|-1.3");
    EXPECT_EQ(zem::Format(L"%.1f %.1f %.0f %.0f", -10.0, 6.0, 2.6, -0.4), L"-10.0 6.0 3 -0");
    wchar_t buffer[256];
    EXPECT_EQ(crt::swprintf_s(buffer, 5, L"%.1f", -10.0), -1);  // no room for the terminator
    EXPECT_STREQ(buffer, L"");

    // A magnitude is stepped as the tenths _wtof*10 truncates to: every "%.1f" text must give its own.
    for (int n = -300; n <= 400; ++n) {
        const int written = crt::swprintf_s(buffer, 256, L"%.1f", n / 10.0);
        ASSERT_EQ(written, static_cast<int>(std::wcslen(buffer)));
        double parsed = 0;
        ASSERT_EQ(static_cast<int>(crt::_wtof(buffer) * 10.0), n) << U8(buffer);
        ASSERT_TRUE(AfxSimpleFloatParse(buffer, parsed)) << U8(buffer);
        ASSERT_EQ(parsed, n / 10.0);
    }
}

}  // namespace

TEST(NumbersTest, ReadAndWriteWithDecimalPoint) { ExpectReadsAndWrites(); }

// A front end toolkit may switch the C locale to one whose decimal point is ','.
TEST(NumbersTest, DecimalCommaLocaleChangesNothing) {
    bool comma = false;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "ru_RU.UTF-8", "nl_NL.UTF-8"})
        if (std::setlocale(LC_ALL, name) && std::localeconv()->decimal_point[0] == ',') {
            comma = true;
            break;
        }
    if (comma) ExpectReadsAndWrites();
    std::setlocale(LC_ALL, "C");
    if (!comma) GTEST_SKIP() << "no locale with a decimal comma is installed";
}

namespace {

// A random text that begins, more or less, like a number.
std::string RandomNumberText(std::mt19937& rng) {
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    auto digits = [&](int most, const char* set, int setSize) {
        std::string d;
        for (int k = pick(most + 1); k > 0; --k) d += set[pick(setSize)];
        return d;
    };
    std::string s(static_cast<std::size_t>(pick(3)), ' ');
    if (pick(3) == 0) s += "+-"[pick(2)];
    switch (pick(8)) {
        case 0:  // hexadecimal
            s += "0x" + digits(20, "0123456789abcdefABCDEF", 22);
            if (pick(2)) s += "." + digits(20, "0123456789abcdef", 16);
            if (pick(2)) s += std::string("pP").substr(static_cast<std::size_t>(pick(2)), 1) + (pick(2) ? "-" : "") + digits(5, "0123456789", 10);
            break;
        case 1:  // far below the smallest double or beyond the largest
            s += pick(2) ? "0." + std::string(static_cast<std::size_t>(300 + pick(200)), '0') + digits(8, "123456789", 9)
                         : digits(3, "123456789", 9) + std::string(static_cast<std::size_t>(300 + pick(100)), '0');
            break;
        case 2:
            s += std::vector<std::string>{"inf", "INF", "infinity", "nan", "NaN", "nan(x1)", "in", "na"}[static_cast<std::size_t>(pick(8))];
            break;
        default:
            s += digits(25, "0123456789", 10);
            if (pick(2)) s += "." + digits(25, "0123456789", 10);
            if (pick(2)) s += std::string("eE").substr(static_cast<std::size_t>(pick(2)), 1) + std::string("+-").substr(static_cast<std::size_t>(pick(3) % 2), static_cast<std::size_t>(pick(2))) + digits(4, "0123456789", 10);
            break;
    }
    if (pick(2)) s += digits(3, "x.e-5 ;,", 8);
    return s;
}

}  // namespace

// The reader against the C library's own: the same value, the same end, and the range error
// where the value ran past a double (to zero or to infinity).
TEST(NumbersTest, ReaderAgreesWithTheCLibrary) {
    const CNumericLocale c;
    std::mt19937 rng(20261205);
    for (int i = 0; i < 200000; ++i) {
        const std::string text = RandomNumberText(rng);
        const std::wstring wide(text.begin(), text.end());
        char* cEnd = nullptr;
        wchar_t* end = nullptr;
        errno = 0;
        const double want = std::strtod(text.c_str(), &cEnd);
        const bool wantRange = errno == ERANGE;
        errno = 0;
        const double got = crt::wcstod(wide.c_str(), &end);
        const bool gotRange = errno == ERANGE;
        ASSERT_EQ(end - wide.c_str(), cEnd - text.c_str()) << text;
        if (std::isnan(want)) {
            ASSERT_TRUE(std::isnan(got)) << text;
        } else {
            ASSERT_EQ(std::memcmp(&got, &want, sizeof got), 0) << text << ": " << got << " vs " << want;
        }
        // The C library also reports an inexact result below the normal range; that is not mirrored.
        if (want == 0.0 || std::isinf(want)) {
            ASSERT_EQ(gotRange, wantRange) << text;
        }
    }
}

// Plain decimals are read without the general reader up to 15 significant digits and 22 after
// the point; on both sides of those limits every value must still be the C library's.
TEST(NumbersTest, PlainDecimalsAgreeWithTheCLibraryAtTheirLimits) {
    const CNumericLocale c;
    std::mt19937 rng(7);
    for (int i = 0; i < 100000; ++i) {
        const int significant = 13 + static_cast<int>(rng() % 5);  // 13..17
        const int decimals = 19 + static_cast<int>(rng() % 6);     // 19..24
        std::string digits;
        for (int k = 0; k < significant; ++k) digits += static_cast<char>('0' + (k == 0 ? 1 + rng() % 9 : rng() % 10));
        const std::string text = "0." + std::string(static_cast<std::size_t>(decimals - significant), '0') + digits;
        const std::wstring wide(text.begin(), text.end());
        const double want = std::strtod(text.c_str(), nullptr);
        const double got = crt::wcstod(wide.c_str(), nullptr);
        ASSERT_EQ(std::memcmp(&got, &want, sizeof got), 0) << text;
    }
}
