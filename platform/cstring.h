// SPDX-License-Identifier: BSD-3-Clause
// CString: the wide string of the dialog framework.
#pragma once

#include <array>
#include <compare>
#include <span>
#include <string>
#include <string_view>

#include "platform/casefold.h"
#include "platform/format.h"
#include "platform/types.h"

class ZEM_EXPORT CString {
public:
    CString() = default;
    CString(const wchar_t* s) : s_(s ? s : L"") {}
    CString(const wchar_t* s, int length) : s_(s ? std::wstring(s, static_cast<std::size_t>(length < 0 ? 0 : length)) : L"") {}
    CString(std::wstring s) : s_(std::move(s)) {}
    CString(std::wstring_view s) : s_(s) {}
    CString(wchar_t c, int repeat = 1) : s_(static_cast<std::size_t>(repeat < 0 ? 0 : repeat), c) {}

    // The framework's implicit conversion to a C string.
    operator const wchar_t*() const { return s_.c_str(); }
    const wchar_t* GetString() const { return s_.c_str(); }
    const std::wstring& str() const { return s_; }

    int GetLength() const { return static_cast<int>(s_.size()); }
    bool IsEmpty() const { return s_.empty(); }
    void Empty() { s_.clear(); }
    // Keeps the first length characters (all of a shorter text), and the room.
    void Truncate(int length) { if (length >= 0 && length < GetLength()) s_.resize(static_cast<std::size_t>(length)); }
    wchar_t GetAt(int i) const { return (i >= 0 && i < GetLength()) ? s_[static_cast<std::size_t>(i)] : L'\0'; }

    CString& operator=(const wchar_t* s) { s_ = s ? s : L""; return *this; }
    // The first length characters of s (no terminator needed), kept in the text's own buffer.
    void SetString(const wchar_t* s, int length) { s_.assign(s ? s : L"", s && length > 0 ? static_cast<std::size_t>(length) : 0); }
    CString& operator+=(const CString& o) { s_ += o.s_; return *this; }
    CString& operator+=(const wchar_t* s) { if (s) s_ += s; return *this; }
    CString& operator+=(wchar_t c) { s_ += c; return *this; }
    CString& operator+=(std::wstring_view s) { s_ += s; return *this; }
    // Appends v as "%.1f" writes it.
    void AppendFixed1(double v) { zem::AppendFixed1(s_, v); }

    // A join makes its result in one allocation; a chain (a + b + c) keeps appending to the
    // buffer of its first result instead of making a new text at every step.
    friend CString operator+(const CString& a, const CString& b) { return Join(a.s_, b.s_); }
    friend CString operator+(const CString& a, const wchar_t* b) { return Join(a.s_, b ? b : L""); }
    friend CString operator+(const wchar_t* a, const CString& b) { return Join(a ? a : L"", b.s_); }
    friend CString operator+(const CString& a, wchar_t c) { return Join(a.s_, std::wstring_view(&c, 1)); }
    friend CString operator+(CString&& a, const CString& b) { a.s_ += b.s_; return std::move(a); }
    friend CString operator+(CString&& a, const wchar_t* b) { if (b) a.s_ += b; return std::move(a); }
    friend CString operator+(CString&& a, wchar_t c) { a.s_ += c; return std::move(a); }

    // Room for at least length characters, so that appending up to that many does not reallocate.
    void Preallocate(int length) { if (length > 0) s_.reserve(static_cast<std::size_t>(length)); }
    int GetAllocLength() const { return static_cast<int>(s_.capacity()); }
    // Makes the text length characters long and returns its buffer, for the caller to write the
    // characters it added (they are L'\0' until then); the room grows only when it is too small.
    wchar_t* GetBufferSetLength(int length) {
        s_.resize(static_cast<std::size_t>(length < 0 ? 0 : length));
        return s_.data();
    }

    friend bool operator==(const CString& a, const CString& b) { return a.s_ == b.s_; }
    friend bool operator==(const CString& a, const wchar_t* b) { return a.s_ == (b ? b : L""); }
    friend std::strong_ordering operator<=>(const CString& a, const CString& b) { return a.s_ <=> b.s_; }

    // Ordinal comparison: <0, 0, >0.
    int Compare(const wchar_t* other) const;
    // Comparison ignoring the case of ASCII letters only (platform/casefold.h), the same in every
    // locale; the result follows the lowered texts.
    int CompareNoCase(const wchar_t* other) const { return zem::CompareNoCase(s_, other ? other : L""); }

    // Formatting writes into the text's own buffer, unless an argument is the text itself.
    template <class... Args>
    void Format(const wchar_t* format, const Args&... args) {
        const std::array<zem::FormatArg, sizeof...(Args)> list{zem::FormatArg(args)...};
        FormatInto(false, format, list);
    }
    template <class... Args>
    void AppendFormat(const wchar_t* format, const Args&... args) {
        const std::array<zem::FormatArg, sizeof...(Args)> list{zem::FormatArg(args)...};
        FormatInto(true, format, list);
    }

    CString& Trim();
    CString& TrimLeft();
    CString& TrimRight();
    // ASCII letters only, whatever the locale.
    CString& MakeUpper();
    CString& MakeLower();
    // Replaces every occurrence of old (non-empty) by replacement; returns the count.
    int Replace(const wchar_t* old, const wchar_t* replacement);
    int Replace(wchar_t old, wchar_t replacement);

    CString Left(int count) const;
    CString Right(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    int Find(const wchar_t* sub, int start = 0) const;
    int Find(wchar_t c, int start = 0) const;

    // Loads the string-table entry id; returns FALSE (and leaves the text empty) when there is none.
    BOOL LoadString(UINT id);

private:
    static CString Join(std::wstring_view a, std::wstring_view b);
    void FormatInto(bool append, const wchar_t* format, std::span<const zem::FormatArg> args);

    std::wstring s_;
};

namespace zem {
inline std::string ToUtf8(const CString& s) { return ToUtf8(std::wstring_view(s.str())); }
}
