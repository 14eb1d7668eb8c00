// SPDX-License-Identifier: BSD-3-Clause
#include "platform/cstring.h"

#include <functional>

#include "platform/casefold.h"
#include "platform/resource.h"

namespace {
bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\v' || c == L'\f' || c == L'\x3000'; }
}  // namespace

CString CString::Join(std::wstring_view a, std::wstring_view b) {
    std::wstring s;
    s.reserve(a.size() + b.size());
    s.append(a);
    s.append(b);
    return CString(std::move(s));
}

void CString::FormatInto(bool append, const wchar_t* format, std::span<const zem::FormatArg> args) {
    const std::wstring_view f(format ? format : L"");
    const wchar_t* begin = s_.data();
    const wchar_t* end = begin + s_.capacity() + 1;
    const std::less<const wchar_t*> before;
    const bool selfFormat = !f.empty() && before(f.data(), end) && before(begin, f.data() + f.size());
    if (selfFormat || zem::ViewsInto(args, begin, end)) {
        std::wstring text = zem::FormatV(f, args);
        if (append) s_ += text;
        else s_ = std::move(text);
        return;
    }
    if (!append) s_.clear();
    zem::FormatAppendV(s_, f, args);
}

int CString::Compare(const wchar_t* other) const {
    const int r = s_.compare(other ? other : L"");
    return r < 0 ? -1 : r > 0 ? 1 : 0;
}


CString& CString::TrimLeft() {
    std::size_t i = 0;
    while (i < s_.size() && IsBlank(s_[i])) ++i;
    s_.erase(0, i);
    return *this;
}

CString& CString::TrimRight() {
    std::size_t n = s_.size();
    while (n > 0 && IsBlank(s_[n - 1])) --n;
    s_.resize(n);
    return *this;
}

CString& CString::Trim() { return TrimRight().TrimLeft(); }

CString& CString::MakeUpper() {
    for (auto& c : s_) c = zem::AsciiUpper(c);
    return *this;
}

CString& CString::MakeLower() {
    for (auto& c : s_) c = zem::AsciiLower(c);
    return *this;
}

int CString::Replace(const wchar_t* old, const wchar_t* replacement) {
    const std::wstring_view from(old ? old : L"");
    const std::wstring_view to(replacement ? replacement : L"");
    if (from.empty()) return 0;
    int count = 0;
    std::wstring out;
    std::size_t pos = 0;
    for (;;) {
        const std::size_t hit = s_.find(from, pos);
        if (hit == std::wstring::npos) break;
        out.append(s_, pos, hit - pos);
        out += to;
        pos = hit + from.size();
        ++count;
    }
    if (count == 0) return 0;
    out.append(s_, pos, std::wstring::npos);
    s_ = std::move(out);
    return count;
}

int CString::Replace(wchar_t old, wchar_t replacement) {
    int count = 0;
    for (auto& c : s_)
        if (c == old) {
            c = replacement;
            ++count;
        }
    return count;
}

CString CString::Left(int count) const {
    if (count <= 0) return {};
    return CString(s_.substr(0, static_cast<std::size_t>(count)));
}

CString CString::Right(int count) const {
    if (count <= 0) return {};
    const auto n = static_cast<std::size_t>(count);
    return n >= s_.size() ? *this : CString(s_.substr(s_.size() - n));
}

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int count) const {
    if (first < 0) first = 0;
    if (count <= 0 || first >= GetLength()) return {};
    return CString(s_.substr(static_cast<std::size_t>(first), static_cast<std::size_t>(count)));
}

int CString::Find(const wchar_t* sub, int start) const {
    if (start < 0 || start > GetLength()) return -1;
    const auto hit = s_.find(sub ? sub : L"", static_cast<std::size_t>(start));
    return hit == std::wstring::npos ? -1 : static_cast<int>(hit);
}

int CString::Find(wchar_t c, int start) const {
    if (start < 0 || start >= GetLength()) return -1;
    const auto hit = s_.find(c, static_cast<std::size_t>(start));
    return hit == std::wstring::npos ? -1 : static_cast<int>(hit);
}

BOOL CString::LoadString(UINT id) {
    const wchar_t* text = AfxFindString(id);
    s_ = text ? text : L"";
    return text != nullptr;
}
