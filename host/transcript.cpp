// SPDX-License-Identifier: BSD-3-Clause
#include "host/transcript.h"

namespace {

bool IsControl(wchar_t c) { return (c < 0x20 && c != L'\t') || (c >= 0x7F && c <= 0x9F); }

}  // namespace

std::wstring Transcript::Escaped(const std::wstring& text) {
    std::wstring out;
    out.reserve(text.size());
    for (wchar_t c : text) {
        if (!IsControl(c)) {
            out += c;
            continue;
        }
        static const wchar_t hex[] = L"0123456789ABCDEF";
        out += L"\\x";
        out += hex[(c >> 4) & 0xF];
        out += hex[c & 0xF];
    }
    return out;
}

void Transcript::Line(const std::wstring& text) {
    std::wstring line = Escaped(text);
    if (!alias_.empty())
        for (std::size_t at = line.find(alias_); at != std::wstring::npos; at = line.find(alias_, at + 5))
            line.replace(at, alias_.size(), L"$DATA");
    if (sink_) {
        sink_(line);
        return;
    }
    const std::string bytes = zem::ToUtf8(line);
    std::fwrite(bytes.data(), 1, bytes.size(), out_);
    std::fputc('\n', out_);
}
