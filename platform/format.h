// SPDX-License-Identifier: BSD-3-Clause
// printf-style formatting of wide text, as the C runtime of the desktop system the dialogs were
// written for does it: "%s" takes a wide string, numbers always use '.' whatever the process
// locale says.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "platform/export.h"

class CString;

namespace zem {

// One argument of a format call, captured by value with its type.
class ZEM_EXPORT FormatArg {
public:
    using Value = std::variant<long long, unsigned long long, double, std::wstring_view, wchar_t, const void*>;

    template <class T>
        requires std::is_integral_v<T> && (!std::is_same_v<T, wchar_t>) && std::is_signed_v<T>
    FormatArg(T v) : value_(static_cast<long long>(v)) {}
    template <class T>
        requires std::is_integral_v<T> && (!std::is_same_v<T, wchar_t>) && (!std::is_signed_v<T>) &&
                 (!std::is_same_v<T, bool>)
    FormatArg(T v) : value_(static_cast<unsigned long long>(v)) {}
    FormatArg(bool v) : value_(static_cast<long long>(v)) {}
    FormatArg(double v) : value_(v) {}
    FormatArg(float v) : value_(static_cast<double>(v)) {}
    FormatArg(wchar_t c) : value_(c) {}
    FormatArg(const wchar_t* s) : value_(s ? std::wstring_view(s) : std::wstring_view(L"(null)")) {}
    FormatArg(const std::wstring& s) : value_(std::wstring_view(s)) {}
    FormatArg(std::wstring_view s) : value_(s) {}
    FormatArg(const CString& s);
    template <class T>
    FormatArg(T* p)
        requires(!std::is_same_v<std::remove_cv_t<T>, wchar_t>)
        : value_(static_cast<const void*>(p)) {}

    const Value& value() const { return value_; }

private:
    Value value_;
};

// Formats with the conversions %d %i %u %x %X %o %c %s %f %F %e %E %g %G %p %% and their flags,
// width and precision ('*' included). A conversion whose argument is missing or of the wrong kind
// writes nothing rather than reading past the arguments.
ZEM_EXPORT std::wstring FormatV(std::wstring_view format, std::span<const FormatArg> args);
// The same, appended to out. No argument may view out's own text.
ZEM_EXPORT void FormatAppendV(std::wstring& out, std::wstring_view format, std::span<const FormatArg> args);
// Whether a text argument views memory in [begin, end) (a string formatting into itself).
ZEM_EXPORT bool ViewsInto(std::span<const FormatArg> args, const wchar_t* begin, const wchar_t* end);

template <class... Args>
std::wstring Format(std::wstring_view format, const Args&... args) {
    const std::array<FormatArg, sizeof...(Args)> list{FormatArg(args)...};
    return FormatV(format, list);
}

// v as "%.1f" writes it, appended to out: the number format of every script statement.
ZEM_EXPORT void AppendFixed1(std::wstring& out, double v);
// Room for "%.1f" of a magnitude below 2^53: a sign, 16 digits, the point and the tenth.
using Fixed1Room = std::array<wchar_t, 24>;
// The same written at the end of room, for a text that is written in place; empty for a
// magnitude from 2^53 up and NaN, which only Format writes.
std::wstring_view ShortFixed1(double v, Fixed1Room& room);

// Room for "%d" of an int: a sign and ten digits.
using DecimalRoom = std::array<wchar_t, 12>;
// n as "%d" writes it, written at the end of room.
std::wstring_view ShortDecimal(int n, DecimalRoom& room);

// UTF-8 <-> wide conversions (invalid input bytes become U+FFFD).
ZEM_EXPORT std::wstring FromUtf8(std::string_view text);
ZEM_EXPORT std::string ToUtf8(std::wstring_view text);
inline std::string ToUtf8(const std::wstring& text) { return ToUtf8(std::wstring_view(text)); }
inline std::string ToUtf8(const wchar_t* text) { return ToUtf8(std::wstring_view(text ? text : L"")); }

}  // namespace zem
