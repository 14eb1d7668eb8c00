// SPDX-License-Identifier: BSD-3-Clause
#include "desktop/store/savedstate.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>

#include "platform/format.h"

namespace store {

namespace {

// The count a closing line gives, when it is exactly the closing line of body.
bool ReadClosingLine(std::string_view line, std::string_view body, std::size_t& statements) {
    if (!line.starts_with("# ")) return false;
    const char* first = line.data() + 2;
    const auto [end, error] = std::from_chars(first, line.data() + line.size(), statements);
    return error == std::errc() && end != first && line == ClosingLine(statements, body);
}

// How often what occurs in text (replacement characters as decoded, or as UTF-8 bytes).
template <class View>
std::size_t Count(View text, View what) {
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != View::npos; at = text.find(what, at + what.size())) ++n;
    return n;
}
std::size_t Count(std::wstring_view text, wchar_t c) { return Count(text, std::wstring_view(&c, 1)); }
std::size_t Count(std::string_view text, const char* what) { return Count(text, std::string_view(what)); }

// Calls at(i) for each ';' of text outside double quotes, where the engine ends a statement;
// whether the text ends outside quotes.
template <class At>
bool Separators(std::string_view text, At&& at) {
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"') quoted = !quoted;
        else if (text[i] == ';' && !quoted) at(i);
    }
    return !quoted;
}

// The engine's state, a statement a line. A statement whose path starts with '#' is written after
// one blank (which the engine takes off): only the closing line starts with "# " where a
// statement could start, so a path holding a line like a closing line (the first one in the file,
// or after others) cannot close a file cut after it.
std::string Body(const CCorQel& engine) {
    const std::string state = zem::ToUtf8(engine.SaveState());
    std::string body;
    body.reserve(state.size() + 16);
    std::size_t from = 0;  // the start of the statement not yet copied
    auto copyTo = [&](std::size_t start) {
        body.append(state, from, start - from);
        if (start < state.size() && state[start] == '#') body += ' ';
        from = start;
    };
    copyTo(0);
    // Each statement ends with ';' and a line end.
    Separators(state, [&](std::size_t i) {
        if (i + 1 < state.size() && state[i + 1] == '\n') copyTo(i + 2);
    });
    body.append(state, from);
    return body;
}

// Whether body ends where a statement ends: after its last ';' outside double quotes there are
// only blanks. A file cut inside a statement does not, even at a line end inside a value or a path.
bool EndsAStatement(std::string_view body) {
    std::size_t end = 0;  // past the last separator
    if (!Separators(body, [&end](std::size_t i) { end = i + 1; })) return false;
    return std::all_of(body.begin() + static_cast<std::ptrdiff_t>(end), body.end(),
                       [](char c) { return IsScriptBlank(static_cast<unsigned char>(c)); });
}

}  // namespace

// "# N statements, checksum H": the count without leading zeros ("1 statement" for one), then the
// FNV-1a hash of every byte before the line in 16 hexadecimal digits. A path or a value may hold a
// line that reads like a closing line: with the checksum, with the statements' ends checked and with
// the blank before a path that starts with '#', such a line cannot close a file cut after it.
std::string ClosingLine(std::size_t statements, std::string_view body) {
    std::uint64_t hash = 0xCBF29CE484222325ULL;
    for (unsigned char c : body) hash = (hash ^ c) * 0x100000001B3ULL;
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return "# " + std::to_string(statements) + (statements == 1 ? " statement" : " statements") + ", checksum " + hex;
}

std::string SealState(const CCorQel& engine) {
    std::string bytes = Body(engine);
    bytes += ClosingLine(engine.GetPropertyCount(), bytes);
    bytes += '\n';
    return bytes;
}

StateVerdict LoadSealedState(std::string_view bytes, CCorQel& engine) {
    engine.Clear();
    // No byte-order mark is taken off: the desktop writes none, so one at the start is the first
    // path's own.
    // The closing line, with its line end: nothing may follow it.
    if (!bytes.ends_with('\n')) return StateVerdict::NoClosingLine;
    const std::string_view lines = bytes.substr(0, bytes.size() - 1);
    const std::size_t newline = lines.rfind('\n');
    const std::size_t last = newline == std::string_view::npos ? 0 : newline + 1;
    const std::string_view body = bytes.substr(0, last);
    std::size_t statements = 0;
    if (!EndsAStatement(body) || !ReadClosingLine(lines.substr(last), body, statements))
        return StateVerdict::NoClosingLine;
    const std::wstring text = zem::FromUtf8(body);
    StateVerdict verdict = StateVerdict::Whole;
    if (Count(text, L'\uFFFD') != Count(body, "\xEF\xBF\xBD")) verdict = StateVerdict::NotUtf8;
    else if (engine.LoadState(CString(text)) != 0) verdict = StateVerdict::NotUnderstood;
    else if (engine.GetPropertyCount() != statements) verdict = StateVerdict::WrongCount;
    if (verdict != StateVerdict::Whole) engine.Clear();
    return verdict;
}

}  // namespace store
