// SPDX-License-Identifier: BSD-3-Clause
#include "platform/format.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <functional>
#include <iterator>

#include "platform/casefold.h"
#include "platform/cstring.h"

namespace zem {

FormatArg::FormatArg(const CString& s) : value_(std::wstring_view(s.str())) {}

namespace {

struct Field {
    bool left = false, plus = false, space = false, alt = false, zero = false;
    int width = -1;
    int precision = -1;
};

std::wstring Widen(const char* b, const char* e) { return std::wstring(b, e); }

void Pad(std::wstring& out, std::wstring body, const Field& field, bool numeric) {
    const auto width = static_cast<std::size_t>(field.width < 0 ? 0 : field.width);
    if (body.size() >= width) {
        out += body;
        return;
    }
    const std::size_t fill = width - body.size();
    if (field.left) {
        out += body;
        out.append(fill, L' ');
    } else if (field.zero && numeric) {
        std::size_t signLen = (!body.empty() && (body[0] == L'-' || body[0] == L'+' || body[0] == L' ')) ? 1 : 0;
        if (body.size() > signLen + 1 && body[signLen] == L'0' && (body[signLen + 1] == L'x' || body[signLen + 1] == L'X'))
            signLen += 2;
        out += body.substr(0, signLen);
        out.append(fill, L'0');
        out += body.substr(signLen);
    } else {
        out.append(fill, L' ');
        out += body;
    }
}

bool AsSigned(const FormatArg::Value& v, long long& out) {
    if (auto p = std::get_if<long long>(&v)) { out = *p; return true; }
    if (auto p = std::get_if<unsigned long long>(&v)) { out = static_cast<long long>(*p); return true; }
    if (auto p = std::get_if<wchar_t>(&v)) { out = static_cast<long long>(*p); return true; }
    return false;
}

bool AsDouble(const FormatArg::Value& v, double& out) {
    if (auto p = std::get_if<double>(&v)) { out = *p; return true; }
    long long i;
    if (AsSigned(v, i)) { out = static_cast<double>(i); return true; }
    return false;
}

std::wstring Integer(unsigned long long magnitude, bool negative, int base, bool upper, const Field& field) {
    char buf[72];
    auto r = std::to_chars(buf, buf + sizeof buf, magnitude, base);
    std::string digits(buf, r.ptr);
    if (upper)
        for (auto& c : digits) c = AsciiUpper(c);
    if (field.precision >= 0) {
        if (field.precision == 0 && magnitude == 0) digits.clear();
        while (static_cast<int>(digits.size()) < field.precision) digits.insert(digits.begin(), '0');
    }
    std::wstring body;
    if (negative) body = L"-";
    else if (base == 10 && field.plus) body = L"+";
    else if (base == 10 && field.space) body = L" ";
    if (field.alt && magnitude != 0) {
        if (base == 16) body += upper ? L"0X" : L"0x";
        if (base == 8 && (digits.empty() || digits[0] != '0')) body += L"0";
    }
    body += Widen(digits.data(), digits.data() + digits.size());
    return body;
}

std::wstring Floating(double v, wchar_t conv, const Field& field) {
    const bool upper = conv == L'F' || conv == L'E' || conv == L'G';
    std::wstring sign;
    if (std::signbit(v)) sign = L"-";
    else if (field.plus) sign = L"+";
    else if (field.space) sign = L" ";
    const double mag = std::fabs(v);
    if (std::isnan(v)) return sign + (upper ? L"NAN" : L"nan");
    if (std::isinf(v)) return sign + (upper ? L"INF" : L"inf");
    const int precision = field.precision < 0 ? 6 : field.precision;
    char buf[512];
    std::to_chars_result r{};
    switch (conv) {
        case L'e': case L'E':
            r = std::to_chars(buf, buf + sizeof buf, mag, std::chars_format::scientific, precision);
            break;
        case L'g': case L'G':
            r = std::to_chars(buf, buf + sizeof buf, mag, std::chars_format::general, precision == 0 ? 1 : precision);
            break;
        default:
            r = std::to_chars(buf, buf + sizeof buf, mag, std::chars_format::fixed, precision);
            break;
    }
    if (r.ec != std::errc()) return sign + L"?";
    std::string text(buf, r.ptr);
    if (field.alt && text.find('.') == std::string::npos && (conv == L'f' || conv == L'F')) text += '.';
    if (upper)
        for (auto& c : text) c = AsciiUpper(c);
    return sign + Widen(text.data(), text.data() + text.size());
}


// No flags and no width (a precision may be given).
bool IsPlain(const Field& f) { return !f.left && !f.plus && !f.space && !f.alt && !f.zero && f.width < 0; }

void AppendAscii(std::wstring& out, const char* b, const char* e) {
    const std::size_t at = out.size();
    out.resize(at + static_cast<std::size_t>(e - b));
    for (wchar_t* w = out.data() + at; b != e; ++b, ++w) *w = static_cast<unsigned char>(*b);
}

void AppendDecimal(std::wstring& out, long long v) {
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    AppendAscii(out, buf, r.ptr);
}

// "%.1f" of a finite value below 2^53 in magnitude; anything else (false) goes the general way.
bool AppendTenths(std::wstring& out, double v) {
    Fixed1Room room;
    const std::wstring_view text = ShortFixed1(v, room);
    if (text.empty()) return false;
    out.append(text);
    return true;
}

}  // namespace

std::wstring_view ShortDecimal(int n, DecimalRoom& room) {
    wchar_t* const end = room.data() + room.size();
    wchar_t* p = end;
    // In unsigned arithmetic, so that the most negative int has a magnitude.
    auto magnitude = static_cast<unsigned>(n);
    if (n < 0) magnitude = 0u - magnitude;
    do {
        *--p = static_cast<wchar_t>(L'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (n < 0) *--p = L'-';
    return {p, static_cast<std::size_t>(end - p)};
}

// In integers: the value is m * 2^e exactly, so its tenths are m * 10 * 2^e rounded half to even,
// as the C library rounds the exact binary value.
std::wstring_view ShortFixed1(double v, Fixed1Room& room) {
    const double magnitude = std::fabs(v);
    if (!(magnitude < 0x1p53)) return {};  // also NaN
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const int biased = static_cast<int>(bits >> 52);
    std::uint64_t m = bits & ((std::uint64_t{1} << 52) - 1);
    int e = -1074;
    if (biased != 0) {
        m |= std::uint64_t{1} << 52;
        e = biased - 1075;
    }
    std::uint64_t tenths = 0;
    if (e >= 0) {
        tenths = (m << e) * 10;
    } else if (e > -64) {
        const int shift = -e;
        const std::uint64_t scaled = m * 10;  // below 2^57
        tenths = scaled >> shift;
        const std::uint64_t rest = scaled & ((std::uint64_t{1} << shift) - 1);
        const std::uint64_t half = std::uint64_t{1} << (shift - 1);
        if (rest > half || (rest == half && (tenths & 1))) ++tenths;
    }  // else below 2^-11: rounds to zero
    // Written from the end.
    wchar_t* const end = room.data() + room.size();
    wchar_t* p = end;
    *--p = static_cast<wchar_t>(L'0' + tenths % 10);
    *--p = L'.';
    std::uint64_t whole = tenths / 10;
    do {
        *--p = static_cast<wchar_t>(L'0' + whole % 10);
        whole /= 10;
    } while (whole != 0);
    if (std::signbit(v)) *--p = L'-';
    return {p, static_cast<std::size_t>(end - p)};
}

void AppendFixed1(std::wstring& out, double v) {
    if (!AppendTenths(out, v)) out += Format(L"%.1f", v);
}

std::wstring FormatV(std::wstring_view format, std::span<const FormatArg> args) {
    std::wstring out;
    out.reserve(format.size() + 16);
    FormatAppendV(out, format, args);
    return out;
}

bool ViewsInto(std::span<const FormatArg> args, const wchar_t* begin, const wchar_t* end) {
    const std::less<const wchar_t*> before;
    for (const FormatArg& a : args)
        if (const auto* s = std::get_if<std::wstring_view>(&a.value()))
            if (!s->empty() && before(s->data(), end) && before(begin, s->data() + s->size())) return true;
    return false;
}

void FormatAppendV(std::wstring& out, std::wstring_view f, std::span<const FormatArg> args) {
    std::size_t next = 0;
    auto take = [&]() -> const FormatArg::Value* { return next < args.size() ? &args[next++].value() : nullptr; };
    for (std::size_t i = 0; i < f.size(); ++i) {
        if (f[i] != L'%') {
            const std::size_t percent = f.find(L'%', i);
            const std::size_t run = (percent == std::wstring_view::npos ? f.size() : percent) - i;
            out.append(f.substr(i, run));
            i += run - 1;
            continue;
        }
        if (i + 1 < f.size() && f[i + 1] == L'%') {
            out += L'%';
            ++i;
            continue;
        }
        const std::size_t start = i;
        Field field;
        std::size_t j = i + 1;
        for (; j < f.size(); ++j) {
            const wchar_t c = f[j];
            if (c == L'-') field.left = true;
            else if (c == L'+') field.plus = true;
            else if (c == L' ') field.space = true;
            else if (c == L'#') field.alt = true;
            else if (c == L'0') field.zero = true;
            else break;
        }
        auto number = [&](int& target) {
            if (j < f.size() && f[j] == L'*') {
                long long w = 0;
                if (auto a = take()) AsSigned(*a, w);
                target = static_cast<int>(w);
                ++j;
                return;
            }
            if (j < f.size() && f[j] >= L'0' && f[j] <= L'9') {
                target = 0;
                while (j < f.size() && f[j] >= L'0' && f[j] <= L'9') {
                    if (target < 100000) target = target * 10 + (f[j] - L'0');
                    ++j;
                }
            }
        };
        number(field.width);
        if (field.width < -1) {  // a negative '*' width means left-justified
            field.left = true;
            field.width = -field.width;
        }
        if (j < f.size() && f[j] == L'.') {
            ++j;
            field.precision = 0;
            number(field.precision);
            if (field.precision < 0) field.precision = -1;
        }
        while (j < f.size() && (f[j] == L'l' || f[j] == L'h' || f[j] == L'L' || f[j] == L'I' || f[j] == L'z' ||
                                f[j] == L'j' || f[j] == L't' || (f[j] >= L'0' && f[j] <= L'9')))
            ++j;  // length modifiers (I64 included): argument types are already known
        if (j >= f.size()) {
            out.append(f.substr(i));
            break;
        }
        const wchar_t conv = f[j];
        i = j;
        const FormatArg::Value* a = nullptr;
        if (IsPlain(field) && field.precision < 0) {
            // The common conversions of scripts and paths go straight to the output.
            if (conv == L's' || conv == L'S') {
                if ((a = take()))
                    if (auto s = std::get_if<std::wstring_view>(a)) out.append(*s);
                continue;
            }
            if (conv == L'd' || conv == L'i') {
                long long v = 0;
                if ((a = take()) && AsSigned(*a, v)) AppendDecimal(out, v);
                continue;
            }
        }
        if (conv == L'f' && field.precision == 1 && IsPlain(field)) {
            double v = 0;
            if ((a = take()) && AsDouble(*a, v) && !AppendTenths(out, v)) out += Floating(v, conv, field);
            continue;
        }
        switch (conv) {
            case L'd': case L'i': {
                long long v = 0;
                if ((a = take()) && AsSigned(*a, v)) {
                    const bool neg = v < 0;
                    const unsigned long long mag = neg ? 0ULL - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
                    Pad(out, Integer(mag, neg, 10, false, field), field, field.precision < 0);
                }
                break;
            }
            case L'u': case L'x': case L'X': case L'o': {
                long long v = 0;
                if ((a = take()) && AsSigned(*a, v)) {
                    unsigned long long mag = static_cast<unsigned long long>(v);
                    if (std::holds_alternative<long long>(*a)) mag &= 0xFFFFFFFFULL;  // int-sized, as that runtime's int is
                    const int base = conv == L'u' ? 10 : conv == L'o' ? 8 : 16;
                    Pad(out, Integer(mag, false, base, conv == L'X', field), field, field.precision < 0);
                }
                break;
            }
            case L'c': case L'C': {
                long long v = 0;
                if ((a = take()) && AsSigned(*a, v)) Pad(out, std::wstring(1, static_cast<wchar_t>(v)), field, false);
                break;
            }
            case L's': case L'S': {
                if ((a = take())) {
                    if (auto s = std::get_if<std::wstring_view>(a)) {
                        std::wstring body(*s);
                        if (field.precision >= 0 && body.size() > static_cast<std::size_t>(field.precision))
                            body.resize(static_cast<std::size_t>(field.precision));
                        Pad(out, body, field, false);
                    }
                }
                break;
            }
            case L'f': case L'F': case L'e': case L'E': case L'g': case L'G': {
                double v = 0;
                if ((a = take()) && AsDouble(*a, v)) Pad(out, Floating(v, conv, field), field, std::isfinite(v));
                break;
            }
            case L'p': {
                if ((a = take())) {
                    std::uintptr_t p = 0;
                    if (auto q = std::get_if<const void*>(a)) p = reinterpret_cast<std::uintptr_t>(*q);
                    Field hex = field;
                    hex.precision = static_cast<int>(sizeof(void*) * 2);
                    Pad(out, Integer(p, false, 16, true, hex), field, false);
                }
                break;
            }
            default:
                out.append(f.substr(start, j - start + 1));  // unknown conversion: kept as written
                break;
        }
    }
}

std::wstring FromUtf8(std::string_view s) {
    std::wstring out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        // Runs of ASCII, most of every state file and list, are widened in one go.
        std::size_t ascii = i;
        while (ascii < s.size() && static_cast<unsigned char>(s[ascii]) < 0x80) ++ascii;
        if (ascii > i) {
            AppendAscii(out, s.data() + i, s.data() + ascii);
            i = ascii;
            continue;
        }
        const auto c = static_cast<unsigned char>(s[i]);
        int len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (len == 0 || i + static_cast<std::size_t>(len) > s.size()) {
            out += L'\xFFFD';
            ++i;
            continue;
        }
        char32_t cp = len == 1 ? c : len == 2 ? (c & 0x1F) : len == 3 ? (c & 0x0F) : (c & 0x07);
        bool ok = true;
        for (int k = 1; k < len; ++k) {
            const auto d = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
            if ((d & 0xC0) != 0x80) { ok = false; break; }
            cp = (cp << 6) | (d & 0x3F);
        }
        static constexpr char32_t kMin[] = {0, 0, 0x80, 0x800, 0x10000};
        if (!ok || cp < kMin[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            out += L'\xFFFD';
            ++i;
            continue;
        }
        out += static_cast<wchar_t>(cp);
        i += static_cast<std::size_t>(len);
    }
    return out;
}

std::string ToUtf8(std::wstring_view s) {
    std::string out;
    out.reserve(s.size());
    for (wchar_t wc : s) {
        auto cp = static_cast<char32_t>(wc);
        if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

}  // namespace zem
