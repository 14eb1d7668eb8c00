// CString, the printf-style formatter and the runtime's number reading and writing.
#include <clocale>
#include <cmath>

#include "platform/crt.h"
#include "test_dialog.h"

using namespace ptest;

TEST(CStringTest, FormatFollowsWidePrintf) {
    const CString star(L"恒星");
    CString formatted, appended(L"[");
    formatted.Format(L"%s=%s;", star, L"TRUE");
    appended.AppendFormat(L"%d]", 3);
    const std::pair<std::wstring, std::wstring> cases[] = {
        {formatted.str(), L"恒星=TRUE;"},
        {appended.str(), L"[3]"},
        {zem::Format(L"%d|%5d|%-5d|%05d", -42, 42, 42, -42), L"-42|   42|42   |-0042"},
        {zem::Format(L"%5.1f|%-.1f|%-6.1f|%.1f", 3.14159, -0.05, 2.0, 1e-300), L"  3.1|-0.1|2.0   |0.0"},
        {zem::Format(L"%.1f %.1f %.0f %.0f", -10.0, 6.0, 2.6, -0.4), L"-10.0 6.0 3 -0"},
        {zem::Format(L"100%% %c %x %X %s", L'等', 255, 255, static_cast<const wchar_t*>(nullptr)), L"100% 等 ff FF (null)"},
    };
    for (const auto& [got, want] : cases) EXPECT_EQ(got, want);
}

TEST(CStringTest, CompareOrdinalAndIgnoringCase) {
    struct Case { const wchar_t *a, *b; int ordinal, noCase; };
    const Case cases[] = {
        {L"abc", L"abc", 0, 0},           {L"Star.Custom", L"star.custom", -1, 0},
        {L"a", L"B", 1, -1},              {L"[", L"A", 1, -1},  // compared as lowered: '[' < 'a'
        {L"ab", L"abc", -1, -1},          {L"", L"", 0, 0},
        {L"星図", L"星", 1, 1},
    };
    auto sign = [](int v) { return (v > 0) - (v < 0); };
    for (const auto& c : cases) {
        EXPECT_EQ(sign(CString(c.a).Compare(c.b)), c.ordinal) << U8(c.a) << " vs " << U8(c.b);
        EXPECT_EQ(sign(CString(c.a).CompareNoCase(c.b)), c.noCase) << U8(c.a) << " vs " << U8(c.b);
    }
}

TEST(CStringTest, TrimReplaceAndSubstrings) {
    EXPECT_EQ(CString(L" \t a b \r\n").Trim(), L"a b");
    EXPECT_EQ(CString(L"\x3000星\x3000").Trim(), L"星");
    EXPECT_EQ(CString(L"   ").Trim(), L"");
    EXPECT_EQ(CString(L"  x ").TrimLeft(), L"x ");

    struct Case { const wchar_t *text, *from, *to, *result; int count; };
    const Case replaces[] = {
        {L"a.b.c", L".", L"::", L"a::b::c", 2}, {L"aaa", L"aa", L"b", L"ba", 1},
        {L"a;b;", L";", L"", L"ab", 2},          {L"abc", L"x", L"y", L"abc", 0},
        {L"abc", L"", L"y", L"abc", 0},
    };
    for (const auto& c : replaces) {
        CString s(c.text);
        EXPECT_EQ(s.Replace(c.from, c.to), c.count) << U8(c.text);
        EXPECT_EQ(s, c.result);
    }
    CString path(L"\\star\\customstar\\customstar.txt");
    EXPECT_EQ(path.Replace(L'\\', L'/'), 3);
    EXPECT_EQ(path, L"/star/customstar/customstar.txt");

    const CString p(L"Star.Custom.Visible");
    const std::pair<CString, const wchar_t*> parts[] = {
        {p.Left(4), L"Star"}, {p.Left(100), L"Star.Custom.Visible"}, {p.Mid(5), L"Custom.Visible"},
        {p.Mid(5, 6), L"Custom"}, {p.Mid(100), L""}, {p.Right(7), L"Visible"},
    };
    for (const auto& [got, want] : parts) EXPECT_EQ(got, want);
    const std::pair<int, int> finds[] = {
        {p.Find(L'.'), 4}, {p.Find(L'.', 5), 11}, {p.Find(L"Visible"), 12}, {p.Find(L"visible"), -1},
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
    s.LoadString(kStrGreeting);
    EXPECT_EQ(s, L"こんにちは");

    CString format, message;
    format.LoadString(kStrRange);
    message.Format(format, -6.0, 30.0);
    EXPECT_EQ(message, L"-6.0～30.0 の範囲で入力してください。");
}

namespace {

struct ReadCase { const wchar_t* text; double value; int end; };
const ReadCase kReads[] = {
    {L"5.37", 5.37, 4},   {L"-1.25", -1.25, 5},     {L"", 0, 0},         {L"-", 0, 0},
    {L"abc", 0, 0},       {L"1e", 1, 1},            {L" 2.5x", 2.5, 4},  {L"0x10", 16, 4},
    {L"0x", 0, 1},        {L"+.5", 0.5, 3},         {L".", 0, 0},        {L"  ", 0, 0},
    {L"1,5", 1, 1},       {L"2.5e-1;", 0.25, 6},    {L"1e400", HUGE_VAL, 5},
    {L"-1e-400", 0, 7},   {L"0x1p-2000", 0, 9},     {L"0x1p2000", HUGE_VAL, 8},
};

void ExpectReadsAndWrites() {
    for (const auto& c : kReads) {
        SCOPED_TRACE(U8(c.text));
        wchar_t* end = nullptr;
        EXPECT_EQ(crt::wcstod(c.text, &end), c.value);
        EXPECT_EQ(end - c.text, c.end);
        EXPECT_EQ(crt::_wtof(c.text), c.value);
    }

    wchar_t buffer[256];
    auto write = [&](const wchar_t* format, double v) {
        crt::swprintf_s(buffer, 256, format, v);
        return std::wstring(buffer);
    };
    const std::pair<std::wstring, std::wstring> writes[] = {
        {write(L"%.1f", 5.37), L"5.4"}, {write(L"%.1f", -1.26), L"-1.3"},
        {write(L"%.0f", 29.7), L"30"},  {write(L"%-.1f", 0.04), L"0.0"},
    };
    for (const auto& [got, want] : writes) EXPECT_EQ(got, want);
    EXPECT_EQ(crt::swprintf_s(buffer, 5, L"%.1f", -10.0), -1);  // no room for the terminator
    EXPECT_STREQ(buffer, L"");

    // A magnitude is stepped as the tenths _wtof*10 truncates to: every "%.1f" text must give its own.
    for (int n = -300; n <= 400; ++n) {
        const int written = crt::swprintf_s(buffer, 256, L"%.1f", n / 10.0);
        ASSERT_EQ(written, static_cast<int>(std::wcslen(buffer)));
        wchar_t* end = nullptr;
        crt::wcstod(buffer, &end);
        double parsed = 0;
        ASSERT_EQ(static_cast<int>(crt::_wtof(buffer) * 10.0), n) << U8(buffer);
        ASSERT_EQ(*end, L'\0') << U8(buffer);
        ASSERT_TRUE(AfxSimpleFloatParse(buffer, parsed)) << U8(buffer);
        ASSERT_EQ(parsed, n / 10.0);
    }
}

// Sets a locale whose decimal point is ',' for the scope, if one is installed.
class CommaLocale {
public:
    CommaLocale() {
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "ru_RU.UTF-8", "nl_NL.UTF-8"})
            if (std::setlocale(LC_ALL, name) && std::localeconv()->decimal_point[0] == ',') {
                active_ = true;
                return;
            }
        std::setlocale(LC_ALL, "C");
    }
    ~CommaLocale() { std::setlocale(LC_ALL, "C"); }
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;
    bool active() const { return active_; }

private:
    bool active_ = false;
};

}  // namespace

TEST(NumbersTest, ReadAndWriteWithDecimalPoint) { ExpectReadsAndWrites(); }

TEST(NumbersTest, DecimalCommaLocaleChangesNothing) {
    const CommaLocale locale;
    if (!locale.active()) GTEST_SKIP() << "no locale with a decimal comma is installed";
    ExpectReadsAndWrites();
}
