// SPDX-License-Identifier: BSD-3-Clause
#include "companions/zemcst/statements.h"

#include <string>

#include "platform/format.h"

namespace zem {

void StatementWriter::Value(Path path, double value) {
    Fixed1Room room;
    const std::wstring_view number = ShortFixed1(value, room);
    if (number.empty()) {
        // Beyond 2^53, or not a number: the general formatting's text.
        const std::wstring general = Format(L"%.1f", value);
        Assignment(path, general);
        return;
    }
    Assignment(path, number);
}

void StatementWriter::Assignment(Path path, std::wstring_view value) {
    wchar_t* p = Room(Length(path) + value.size() + 4);
    if (!p) {
        Long(path, L" = ");
        m_script += value;
        m_script += L';';
        return;
    }
    p = Put(PutPath(p, path), L" = ");
    m_at = Put(Put(p, value), L";");
}

void StatementWriter::Text(std::wstring_view text) {
    if (wchar_t* p = Room(text.size())) m_at = Put(p, text);
    else m_script += text;
}

void StatementWriter::Long(Path path, std::wstring_view rest) {
    for (std::wstring_view piece : path) m_script += piece;
    m_script += rest;
}

}  // namespace zem
