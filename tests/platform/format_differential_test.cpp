// SPDX-License-Identifier: BSD-3-Clause
// Numbers written as scripts carry them: every "%.1f" must be byte for byte what the C library
// writes, including the rounding of values that lie exactly halfway between two tenths. And
// strings built by appending must not copy themselves over and over.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "c_numeric_locale.h"
#include "platform/cstring.h"

namespace {

std::wstring CLibrary(const char* format, double v) {
    char buf[512];
    std::snprintf(buf, sizeof buf, format, v);
    return std::wstring(buf, buf + std::strlen(buf));
}

std::vector<double> Doubles() {
    std::vector<double> v = {0.0, -0.0, 0.05, -0.05, 0.15, 0.25, -0.25, 0.35, 0.45, 0.75, 1.25, 2.5, 9.95, 99.95,
                             -99.95, 0x1p52, 0x1p53, -0x1p53, 0x1p53 - 1, 0x1p53 + 2, 0x1p63, 1e15 + 0.25, 1e300,
                             -1e300, std::numeric_limits<double>::max(), std::numeric_limits<double>::min(),
                             std::numeric_limits<double>::denorm_min(), -std::numeric_limits<double>::denorm_min(),
                             std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::quiet_NaN()};
    // Exactly halfway between tenths (odd quarters), far and near, both signs.
    for (long long q = -4001; q <= 4001; q += 2) v.push_back(q / 4.0);
    for (long long q : {(1LL << 50) + 1, (1LL << 52) - 1, (1LL << 54) + 3}) v.push_back(q / 4.0);
    // Decimal halves that are not exact, and their neighbours.
    for (int k = -2000; k <= 2000; ++k) {
        const double d = k / 20.0;
        v.insert(v.end(), {d, std::nextafter(d, 1e9), std::nextafter(d, -1e9)});
    }
    std::mt19937_64 random(20240601);
    std::uniform_real_distribution<double> near(-1000.0, 1000.0);
    for (int i = 0; i < 15000; ++i) {
        v.push_back(std::bit_cast<double>(random()));  // every exponent, NaNs and infinities
        v.push_back(near(random));
        v.push_back(std::ldexp(near(random), static_cast<int>(random() % 120) - 60));
    }
    return v;
}

TEST(FormatDifferential, NumbersMatchTheCLibrary) {
    const CNumericLocale c;
    const std::vector<double> values = Doubles();
    for (const char* format : {"%.1f", "%6.1f", "%-7.1f", "%+.1f", "%.2f", "%.0f", "%.15g"}) {
        const std::wstring wide(format, format + std::strlen(format));
        int mismatches = 0;
        for (double v : values) {
            const std::wstring ours = zem::Format(wide, v);
            const std::wstring theirs = CLibrary(format, v);
            if (ours != theirs && ++mismatches <= 5)
                ADD_FAILURE() << format << " of " << std::hexfloat << v << ": " << zem::ToUtf8(ours) << " vs "
                              << zem::ToUtf8(theirs);
        }
        EXPECT_EQ(mismatches, 0) << format;
    }
}

TEST(FormatDifferential, IntegersMatchTheCLibrary) {
    std::vector<int> values = {0, 1, -1, 9, 10, -10, 99, 100, std::numeric_limits<int>::max(),
                               std::numeric_limits<int>::min(), std::numeric_limits<int>::min() + 1};
    std::mt19937 random(7);
    for (int i = 0; i < 2000; ++i) values.push_back(static_cast<int>(random()));
    for (int v : values) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "%d", v);
        zem::DecimalRoom room;
        EXPECT_EQ(zem::ToUtf8(zem::ShortDecimal(v, room)), buf);
    }
}

TEST(FormatDifferential, FormattingIntoItself) {
    CString s(L"ab");
    s.Format(L"[%s|%s]", s, s);
    EXPECT_EQ(s, L"[ab|ab]");
    s.AppendFormat(L"%s", s);
    EXPECT_EQ(s, L"[ab|ab][ab|ab]");
    CString f(L"%d-");
    f.Format(f, 7);
    EXPECT_EQ(f, L"7-");
    f.AppendFormat(L"%s=%.1f;%d", L"x", 0.25, -12);
    EXPECT_EQ(f, L"7-x=0.2;-12");
}

TEST(FormatDifferential, AppendsKeepTheirBuffer) {
    CString s;
    s.Preallocate(4000);
    const wchar_t* buffer = s.GetString();
    for (int i = 0; i < 100; ++i) {
        s += CString(L"Constellation.No") + L"7.Selection";
        s.AppendFormat(L" = %s;", i % 2 ? L"TRUE" : L"FALSE");
    }
    EXPECT_EQ(s.GetString(), buffer);
    EXPECT_EQ(s.GetLength(), 50 * 35 + 50 * 36);

    // Joins of temporaries append to the first one; the text is the same.
    const CString a(L"Star.GCVS.Mark.Visible = TRUE;"), b(L"Star.GCVS.Name.Visible = FALSE;");
    EXPECT_EQ(CString(a) + b + a + L";Show Sky" + L'!', L"Star.GCVS.Mark.Visible = TRUE;Star.GCVS.Name.Visible = "
                                                     L"FALSE;Star.GCVS.Mark.Visible = TRUE;;Show Sky!");
}

}  // namespace
