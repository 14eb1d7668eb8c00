// SPDX-License-Identifier: BSD-3-Clause
// Statements of the property script written straight into the script's buffer. A live change
// writes dozens of statements (105 in the constellation script); appending each piece of each one
// to the script cost more than copying it.
#pragma once

#include <cstddef>
#include <cstring>
#include <initializer_list>
#include <string_view>

#include "platform/cstring.h"

namespace zem {

using Path = std::initializer_list<std::wstring_view>;  // a path in pieces, joined with nothing between

// What follows a statement's path: every writer of statements takes them from here.
inline constexpr wchar_t kIsTrue[] = L" = TRUE;";
inline constexpr wchar_t kIsFalse[] = L" = FALSE;";
inline constexpr wchar_t kVisibleTrue[] = L".Visible = TRUE;";
inline constexpr wchar_t kVisibleFalse[] = L".Visible = FALSE;";
inline constexpr wchar_t kIs[] = L" = ";
// The text of one of them.
template <std::size_t N>
constexpr std::wstring_view Piece(const wchar_t (&piece)[N]) { return {piece, N - 1}; }

// Writes statements at the end of a script, into room it opens there: the script's spare room, a
// bufferful at most at a time, or more where a statement needs it. Close ends the script where the
// last statement does.
class StatementWriter {
public:
    explicit StatementWriter(CString& script) : m_script(script) {}
    StatementWriter(const StatementWriter&) = delete;
    StatementWriter& operator=(const StatementWriter&) = delete;

    // "path = TRUE;" or "path = FALSE;".
    void Bool(Path path, bool value) { Flag(path, value, kIsTrue, kIsFalse); }
    // "path.Visible = TRUE;" or "path.Visible = FALSE;".
    void Visible(Path path, bool value) { Flag(path, value, kVisibleTrue, kVisibleFalse); }
    // "path = " and the value as "%.1f" writes it, then ';'.
    void Value(Path path, double value);
    // Text as it is.
    void Text(std::wstring_view text) { m_at = Put(Room(text.size()), text); }

    void Close();

private:
    static std::size_t Length(Path path) {
        std::size_t n = 0;
        for (std::wstring_view piece : path) n += piece.size();
        return n;
    }
    static wchar_t* Put(wchar_t* at, std::wstring_view text) {
        if (!text.empty()) std::memcpy(at, text.data(), text.size() * sizeof(wchar_t));  // an empty view may have no data
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
    // Where length more characters go.
    wchar_t* Room(std::size_t length) {
        return m_at && length <= static_cast<std::size_t>(m_end - m_at) ? m_at : Open(length);
    }
    wchar_t* Open(std::size_t length);
    // The path, then on or off.
    template <std::size_t On, std::size_t Off>
    void Flag(Path path, bool value, const wchar_t (&on)[On], const wchar_t (&off)[Off]) {
        wchar_t* p = PutPath(Room(Length(path) + (value ? On : Off) - 1), path);
        m_at = value ? Put(p, on) : Put(p, off);
    }

    CString& m_script;
    wchar_t* m_at = nullptr;  // the room opened in the script: where the next statement goes
    wchar_t* m_end = nullptr;
};

// Appends the statements write(statements) makes to script.
template <class Write>
void AppendStatements(CString& script, Write&& write) {
    StatementWriter out(script);
    write(out);
    out.Close();
}

}  // namespace zem
