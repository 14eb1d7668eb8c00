// SPDX-License-Identifier: BSD-3-Clause
// Statements of the property script, made in a buffer on the stack and appended to the script a
// bufferful at a time. A live change writes dozens of statements (105 in the constellation
// script); appending each piece of each one to the script cost more than copying it.
#pragma once

#include <array>
#include <cstddef>
#include <cstring>
#include <initializer_list>
#include <string_view>

#include "platform/cstring.h"

namespace zem {

using Path = std::initializer_list<std::wstring_view>;  // a path in pieces, joined with nothing between

class StatementWriter {
public:
    explicit StatementWriter(CString& script) : m_script(script) {}
    StatementWriter(const StatementWriter&) = delete;
    StatementWriter& operator=(const StatementWriter&) = delete;

    // "path = TRUE;" or "path = FALSE;".
    void Bool(Path path, bool value) { Flag(path, value, L" = TRUE;", L" = FALSE;"); }
    // "path.Visible = TRUE;" or "path.Visible = FALSE;".
    void Visible(Path path, bool value) { Flag(path, value, L".Visible = TRUE;", L".Visible = FALSE;"); }
    // "path = " and the value as "%.1f" writes it, then ';'.
    void Value(Path path, double value);
    // Text as it is.
    void Text(std::wstring_view text);

    // Appends what the buffer holds to the script.
    void Flush() {
        m_script += std::wstring_view(m_buffer.data(), static_cast<std::size_t>(m_at - m_buffer.data()));
        m_at = m_buffer.data();
    }

private:
    static std::size_t Length(Path path) {
        std::size_t n = 0;
        for (std::wstring_view piece : path) n += piece.size();
        return n;
    }
    static wchar_t* Put(wchar_t* at, std::wstring_view text) {
        std::memcpy(at, text.data(), text.size() * sizeof(wchar_t));
        return at + text.size();
    }
    // A text known when compiling is copied without a library call.
    template <std::size_t N>
    static wchar_t* Put(wchar_t* at, const wchar_t (&text)[N]) {
        std::memcpy(at, text, (N - 1) * sizeof(wchar_t));
        return at + N - 1;
    }
    static wchar_t* PutPath(wchar_t* at, Path path) {
        for (std::wstring_view piece : path) at = Put(at, piece);
        return at;
    }
    // Where length more characters go, flushing the buffer first when they do not fit in what is
    // left of it; null for a statement longer than the whole buffer.
    wchar_t* Room(std::size_t length) {
        if (length <= static_cast<std::size_t>(m_buffer.data() + m_buffer.size() - m_at)) return m_at;
        Flush();
        return length <= m_buffer.size() ? m_at : nullptr;
    }
    // The path, then on or off (off is the longer).
    template <std::size_t On, std::size_t Off>
    void Flag(Path path, bool value, const wchar_t (&on)[On], const wchar_t (&off)[Off]) {
        wchar_t* p = Room(Length(path) + Off - 1);
        if (!p) {
            Long(path, value ? on : off);
            return;
        }
        p = PutPath(p, path);
        m_at = value ? Put(p, on) : Put(p, off);
    }
    // "path = value;".
    void Assignment(Path path, std::wstring_view value);
    // A statement longer than the buffer, appended piece by piece (Room has emptied the buffer).
    void Long(Path path, std::wstring_view rest);

    CString& m_script;
    std::array<wchar_t, 512> m_buffer;
    wchar_t* m_at = m_buffer.data();
};

// Appends the statements write(statements) makes to script.
template <class Write>
void AppendStatements(CString& script, Write&& write) {
    StatementWriter out(script);
    write(out);
    out.Flush();
}

}  // namespace zem
