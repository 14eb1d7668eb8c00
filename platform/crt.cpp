// SPDX-License-Identifier: BSD-3-Clause
#include "platform/crt.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <cmath>
#include <limits>
#include <string>

namespace crt {

namespace {

bool IsSpace(wchar_t c) { return c == L' ' || (c >= L'\t' && c <= L'\r'); }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
bool IsHex(wchar_t c) { return IsDigit(c) || (c >= L'a' && c <= L'f') || (c >= L'A' && c <= L'F'); }
bool StartsNoCase(const wchar_t* p, const char* word) {
    for (; *word; ++p, ++word) {
        wchar_t c = *p;
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
        if (c != static_cast<wchar_t>(*word)) return false;
    }
    return true;
}

// Whether the number of the run [b, e) (digits in base 10 or 16, an optional point, an optional
// exponent) lies above 1 in magnitude, taken from where its first nonzero digit stands and its
// exponent. A run out of range is too large when it does and too small when it does not.
bool AboveOne(const std::string& run, bool hex) {
    const std::size_t mark = run.find_first_of(hex ? "pP" : "eE");
    const std::string mantissa = run.substr(0, mark);
    long long exponent = 0;  // of the first nonzero digit, in digits of the base
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_not_of("0.");
    if (first == std::string::npos) return false;
    exponent = first < point ? static_cast<long long>(point - first) - 1 : -static_cast<long long>(first - point);
    if (hex) exponent *= 4;
    if (mark != std::string::npos) {
        long long e = 0;
        std::size_t i = mark + 1;
        const bool negative = run[i] == '-';
        if (run[i] == '+' || run[i] == '-') ++i;
        for (; i < run.size(); ++i) e = std::min(e * 10 + (run[i] - '0'), 1LL << 40);  // far past any double
        exponent += negative ? -e : e;
    }
    return exponent >= 0;
}

// Copies the ASCII run [b, e) to a narrow buffer for from_chars.
double Parse(const wchar_t* b, const wchar_t* e, std::chars_format fmt) {
    std::string narrow(b, e);
    double v = 0;
    auto r = std::from_chars(narrow.data(), narrow.data() + narrow.size(), v, fmt);
    if (r.ec == std::errc::result_out_of_range) {
        // from_chars leaves v unchanged on range errors; the runtime gives HUGE_VAL or 0 and
        // reports the range error.
        v = AboveOne(narrow, fmt == std::chars_format::hex) ? std::numeric_limits<double>::infinity() : 0.0;
        errno = ERANGE;
    }
    return v;
}

// The digits of a decimal (an optional point among them), read once. A run with at most 15
// significant digits and at most 22 after the point is short: its digits are then an exact
// double, and so is the power of ten, and one division rounds the quotient exactly as the full
// reading would. The texts a dialog reads are nearly always such numbers.
struct Decimal {
    const wchar_t* end;
    bool any = false;  // a digit was read
    std::uint64_t digits = 0;
    int significant = 0, decimals = 0;

    bool IsShort() const { return significant <= 15 && decimals <= 22; }
    double ShortValue() const {
        static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                             1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
        return static_cast<double>(digits) / kPowers[decimals];
    }
};

Decimal ReadDecimal(const wchar_t* q) {
    Decimal d{q};
    auto take = [&d](wchar_t c) {
        d.any = true;
        if (d.digits == 0 && c == L'0') return;  // a leading zero is not significant
        if (++d.significant <= 15) d.digits = d.digits * 10 + static_cast<std::uint64_t>(c - L'0');
    };
    for (; IsDigit(*q); ++q) take(*q);
    if (*q == L'.') {
        for (++q; IsDigit(*q); ++q) {
            ++d.decimals;
            take(*q);
        }
    }
    d.end = q;
    return d;
}

}  // namespace

double wcstod(const wchar_t* text, wchar_t** end) {
    if (!text) {
        if (end) *end = nullptr;
        return 0.0;
    }
    const wchar_t* p = text;
    while (IsSpace(*p)) ++p;
    bool negative = false;
    if (*p == L'+' || *p == L'-') negative = *p++ == L'-';
    const wchar_t* q = p;
    double value = 0.0;
    const bool hex = q[0] == L'0' && (q[1] == L'x' || q[1] == L'X') && (IsHex(q[2]) || (q[2] == L'.' && IsHex(q[3])));
    if (!hex && (IsDigit(*q) || *q == L'.')) {
        // A decimal, the common case, first: no word or hexadecimal number starts like one.
        const wchar_t* b = q;
        const Decimal d = ReadDecimal(q);
        if (!d.any) {
            if (end) *end = const_cast<wchar_t*>(text);
            return 0.0;
        }
        q = d.end;
        if ((*q == L'e' || *q == L'E') && (IsDigit(q[1]) || ((q[1] == L'+' || q[1] == L'-') && IsDigit(q[2])))) {
            q += 2;
            while (IsDigit(*q)) ++q;
            value = Parse(b, q, std::chars_format::general);
        } else {
            value = d.IsShort() ? d.ShortValue() : Parse(b, q, std::chars_format::general);
        }
    } else if (StartsNoCase(q, "infinity")) {
        q += 8;
        value = std::numeric_limits<double>::infinity();
    } else if (StartsNoCase(q, "inf")) {
        q += 3;
        value = std::numeric_limits<double>::infinity();
    } else if (StartsNoCase(q, "nan")) {
        q += 3;
        if (*q == L'(') {  // nan(chars)
            const wchar_t* r = q + 1;
            while (IsDigit(*r) || (*r >= L'a' && *r <= L'z') || (*r >= L'A' && *r <= L'Z') || *r == L'_') ++r;
            if (*r == L')') q = r + 1;
        }
        value = std::numeric_limits<double>::quiet_NaN();
    } else if (hex) {
        const wchar_t* b = q + 2;
        q = b;
        while (IsHex(*q)) ++q;
        if (*q == L'.') {
            ++q;
            while (IsHex(*q)) ++q;
        }
        if ((*q == L'p' || *q == L'P') && (IsDigit(q[1]) || ((q[1] == L'+' || q[1] == L'-') && IsDigit(q[2])))) {
            q += 2;
            while (IsDigit(*q)) ++q;
        }
        value = Parse(b, q, std::chars_format::hex);
    } else {
        if (end) *end = const_cast<wchar_t*>(text);
        return 0.0;
    }
    if (end) *end = const_cast<wchar_t*>(q);
    return negative ? -value : value;
}

double _wtof(const wchar_t* text) { return wcstod(text, nullptr); }

}  // namespace crt
