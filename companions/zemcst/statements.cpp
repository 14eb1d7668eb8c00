// SPDX-License-Identifier: BSD-3-Clause
#include "companions/zemcst/statements.h"

#include <algorithm>
#include <string>

#include "platform/format.h"

namespace zem {

namespace {
// The most characters opened at a time: the room is cleared before it is written.
constexpr std::size_t kRoom = 512;
}  // namespace

void StatementWriter::Value(Path path, double value) {
    Fixed1Room room;
    std::wstring_view number = ShortFixed1(value, room);
    std::wstring general;  // from 2^53 up, or not a number: written the one general way
    if (number.empty()) {
        AppendFixed1(general, value);
        number = general;
    }
    wchar_t* p = Put(PutPath(Room(Length(path) + number.size() + 4), path), kIs);
    m_at = Put(Put(p, number), L";");
}

void StatementWriter::Close() {
    if (m_at) m_script.Truncate(static_cast<int>(m_at - m_script.GetString()));
    m_at = m_end = nullptr;
}

wchar_t* StatementWriter::Open(std::size_t length) {
    Close();
    const auto at = static_cast<std::size_t>(m_script.GetLength());
    const std::size_t spare = static_cast<std::size_t>(m_script.GetAllocLength()) - at;
    const std::size_t room = std::max(length, std::min(spare, kRoom));
    m_at = m_script.GetBufferSetLength(static_cast<int>(at + room)) + at;
    m_end = m_at + room;
    return m_at;
}

}  // namespace zem
