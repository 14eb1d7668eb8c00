// SPDX-License-Identifier: BSD-3-Clause
// The runtime library's number functions as the dialogs use them. They read and write '.' as the
// decimal point whatever the process locale says.
#pragma once

#include <cstddef>

#include "platform/format.h"

namespace crt {

// Leading decimal number of text (after blanks); 0.0 when there is none.
double _wtof(const wchar_t* text);

// Decimal (or 0x hexadecimal, inf, nan) number at the start of text after blanks; *end is set to
// the first character not used, or to text itself when nothing was converted.
double wcstod(const wchar_t* text, wchar_t** end);

// Formats into buffer (count characters including the terminator). On overflow the buffer is
// emptied and -1 returned, as the checked version of that runtime's function reports it.
template <class... Args>
int swprintf_s(wchar_t* buffer, std::size_t count, const wchar_t* format, const Args&... args) {
    if (!buffer || count == 0) return -1;
    const std::wstring text = zem::Format(format ? format : L"", args...);
    if (text.size() + 1 > count) {
        buffer[0] = L'\0';
        return -1;
    }
    text.copy(buffer, text.size());
    buffer[text.size()] = L'\0';
    return static_cast<int>(text.size());
}

}  // namespace crt
