// SPDX-License-Identifier: BSD-3-Clause
#include "companions/zemqel/corqel.h"

#include "platform/casefold.h"
#include "platform/textfile.h"
#include "platform/wholefile.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstring>
#include <iterator>
#include <limits>
#include <string_view>

namespace {

constexpr std::wstring_view kDataPathProperty = L"info.module.datapath";

inline bool IsBlank(wchar_t c) { return IsScriptBlank(c); }

inline std::wstring_view Trim(std::wstring_view s) {
    const wchar_t* b = s.data();
    const wchar_t* e = b + s.size();
    while (b < e && IsBlank(*b)) ++b;
    while (e > b && IsBlank(e[-1])) --e;
    return std::wstring_view(b, static_cast<std::size_t>(e - b));
}

using zem::EqualNoCase;

// Two characters as one word, for comparing and hashing a path a word at a time.
inline std::uint64_t Pair(const wchar_t* p) {
    static_assert(sizeof(wchar_t) == 4);
    std::uint64_t w;
    std::memcpy(&w, p, sizeof w);
    return w;
}

// The same n characters, four at a time.
inline bool SameChars(const wchar_t* a, const wchar_t* b, std::size_t n) {
    std::size_t i = 0;
    for (; i + 4 <= n; i += 4)
        if ((Pair(a + i) ^ Pair(b + i)) | (Pair(a + i + 2) ^ Pair(b + i + 2))) return false;
    for (; i < n; ++i)
        if (a[i] != b[i]) return false;
    return true;
}

// The same path: most lookups come with the stored spelling, so that is tried first.
bool SamePath(std::wstring_view stored, std::wstring_view path) {
    if (stored.size() != path.size()) return false;
    return SameChars(stored.data(), path.data(), path.size()) || EqualNoCase(stored, path);
}

// A hash of a path that ignores ASCII case: every character is taken with its 0x20 bit set, so
// paths differing only in the case of letters hash alike (the comparison then tells apart the
// few others that do, like '@' and '`'). Two lanes of two characters each go at once.
std::uint32_t HashPath(std::wstring_view path) {
    constexpr std::uint64_t kFold = 0x0000002000000020ULL;
    constexpr std::uint64_t kA = 0x9E3779B97F4A7C15ULL, kB = 0xD6E8FEB86659FD93ULL;
    const wchar_t* p = path.data();
    std::size_t n = path.size();
    std::uint64_t a = 0x243F6A8885A308D3ULL ^ n, b = 0x13198A2E03707344ULL;
    for (; n >= 4; p += 4, n -= 4) {
        a = (a + (Pair(p) | kFold)) * kA;
        b = (b + (Pair(p + 2) | kFold)) * kB;
    }
    for (; n > 0; ++p, --n) a = (a + (static_cast<std::uint32_t>(*p) | 0x20u)) * kA;
    std::uint64_t h = a ^ std::rotl(b, 31);
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDULL;
    h ^= h >> 33;
    return static_cast<std::uint32_t>(h);
}

enum class Kind { Empty, Assign, Redraw, Other };

struct Statement {
    Kind kind = Kind::Other;
    std::wstring_view path;
    std::wstring_view value;
    bool expected = false;  // the path is the one the caller expected, spelled the same
    bool closed = false;    // ended by its ';'
    bool quotes = false;    // a '"' in it anywhere
};

// "Show" and "Sky" in any case with at least one blank between them.
bool IsShowSky(std::wstring_view t) {
    if (t.size() < 8 || !EqualNoCase(t.substr(0, 4), L"show") || !EqualNoCase(t.substr(t.size() - 3), L"sky"))
        return false;
    const std::wstring_view between = t.substr(4, t.size() - 7);
    for (wchar_t c : between)
        if (!IsBlank(c)) return false;
    return true;
}

inline std::wstring_view Span(const wchar_t* b, const wchar_t* e) { return Trim(std::wstring_view(b, static_cast<std::size_t>(e - b))); }

inline bool IsMark(wchar_t c) { return c == L'"' || c == L';' || c == L'='; }

// The first '"', ';' or '=' at or after p, or end: the only characters the grammar looks at
// between a statement's ends. Eight characters a step where the processor has the instructions:
// two loads narrowed to 16 bits (a character beyond that range saturates to no mark) and
// compared at once.
const wchar_t* NextMark(const wchar_t* p, const wchar_t* end) {
#if defined(__SSE2__)
    static_assert(sizeof(wchar_t) == 4);
    const __m128i quote = _mm_set1_epi16('"'), semicolon = _mm_set1_epi16(';'), equals = _mm_set1_epi16('=');
    for (; end - p >= 8; p += 8) {
        const __m128i v = _mm_packs_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)),
                                          _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 4)));
        const __m128i hit = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi16(v, quote), _mm_cmpeq_epi16(v, semicolon)),
                                         _mm_cmpeq_epi16(v, equals));
        if (const int mask = _mm_movemask_epi8(hit)) return p + std::countr_zero(static_cast<unsigned>(mask)) / 2;
    }
#endif
    while (p < end && !IsMark(*p)) ++p;
    return p;
}

// The '=' after a statement that begins (after blanks) with path and blanks, or null; found is
// where the path is. A stored path holds no '"', ';' or '=', so those characters need no other look.
const wchar_t* AfterPath(const wchar_t* p, const wchar_t* end, std::wstring_view path, std::wstring_view& found) {
    while (p < end && IsBlank(*p)) ++p;
    if (path.empty() || static_cast<std::size_t>(end - p) <= path.size() || !SameChars(p, path.data(), path.size()))
        return nullptr;
    found = std::wstring_view(p, path.size());
    p += path.size();
    while (p < end && IsBlank(*p)) ++p;
    return p < end && *p == L'=' ? p : nullptr;
}

// Reads the statement that begins at p, outside quotes, and moves p past it: a statement ends at
// ';' outside double quotes; its first '=' splits it (a quote before that '=' makes it no
// assignment); blanks around the path and the value are left out, and a value enclosed in double
// quotes loses them. quoted tells whether the text ended inside quotes.
//
// expect names the path the statement is likely to assign (or is empty); a statement that starts
// with it is split there without its path being scanned.
Statement NextStatement(const wchar_t*& p, const wchar_t* const end, std::wstring_view expect, bool& quoted) {
    const wchar_t* const begin = p;
    quoted = false;
    bool quoteInPath = false, quotes = false;
    std::wstring_view known;
    const wchar_t* eq = AfterPath(p, end, expect, known);
    const bool expected = eq != nullptr;
    if (eq) p = eq + 1;
    for (; (p = NextMark(p, end)) < end; ++p) {
        const wchar_t c = *p;
        if (c == L'"') {
            quoted = !quoted;
            quotes = true;
            if (!eq) quoteInPath = true;
        } else if (c == L'=') {
            if (!eq) eq = p;
        } else if (!quoted) {
            break;  // the statement's ';'
        }
    }
    const wchar_t* const last = p;
    Statement s;
    s.quotes = quotes;
    if (p < end) {
        ++p;  // past the ';'
        s.closed = true;
    }
    if (eq) {
        s.path = expected ? known : Span(begin, eq);
        if (!s.path.empty() && !quoteInPath) {
            s.kind = Kind::Assign;
            s.expected = expected;
            s.value = Span(eq + 1, last);
            if (s.value.size() >= 2 && s.value.front() == L'"' && s.value.back() == L'"')
                s.value = s.value.substr(1, s.value.size() - 2);
        }
    } else {
        const std::wstring_view t = Span(begin, last);
        // A comment ('#' first, no '=') is skipped like an empty statement.
        s.kind = t.empty() || t.front() == L'#' ? Kind::Empty : IsShowSky(t) ? Kind::Redraw : Kind::Other;
    }
    return s;
}

// Calls f for each statement of the script, in one pass over its characters. Returns whether the
// script ended outside quotes.
template <class F>
bool ForEachStatement(std::wstring_view script, F&& f) {
    const wchar_t* p = script.data();
    const wchar_t* const end = p + script.size();
    bool quoted = false;
    while (p < end) f(NextStatement(p, end, {}, quoted));
    return !quoted;
}

// Whether the 8 characters at a and at b are the same.
inline bool Same8(const wchar_t* a, const wchar_t* b) {
#if defined(__SSE2__)
    const auto load = [](const wchar_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); };
    const __m128i x = _mm_or_si128(_mm_xor_si128(load(a), load(b)), _mm_xor_si128(load(a + 4), load(b + 4)));
    return _mm_movemask_epi8(_mm_cmpeq_epi32(x, _mm_setzero_si128())) == 0xFFFF;
#else
    return ((Pair(a) ^ Pair(b)) | (Pair(a + 2) ^ Pair(b + 2)) | (Pair(a + 4) ^ Pair(b + 4)) | (Pair(a + 6) ^ Pair(b + 6))) == 0;
#endif
}

// Which of the 8 characters at a and at b differ, a bit pair for each (the first character's the
// lowest); 0 when all are the same.
inline unsigned Differ8(const wchar_t* a, const wchar_t* b) {
#if defined(__SSE2__)
    const auto load = [](const wchar_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); };
    const __m128i same = _mm_packs_epi32(_mm_cmpeq_epi32(load(a), load(b)), _mm_cmpeq_epi32(load(a + 4), load(b + 4)));
    return ~static_cast<unsigned>(_mm_movemask_epi8(same)) & 0xFFFFu;
#else
    unsigned differ = 0;
    for (int k = 0; k < 8; ++k)
        if (a[k] != b[k]) differ |= 3u << (2 * k);
    return differ;
#endif
}

// Copies n characters; the short values of a live change (TRUE, FALSE, a magnitude) without a call.
inline void CopyChars(wchar_t* to, const wchar_t* from, std::size_t n) {
    if (n - 4 <= 4) {  // 4 to 8 characters: two moves of four, which may overlap
        char head[4 * sizeof(wchar_t)], tail[4 * sizeof(wchar_t)];
        std::memcpy(head, from, sizeof head);
        std::memcpy(tail, from + n - 4, sizeof tail);
        std::memcpy(to, head, sizeof head);
        std::memcpy(to + n - 4, tail, sizeof tail);
    } else if (n) {
        std::memcpy(to, from, n * sizeof(wchar_t));
    }
}

// How many characters a and b have the same from their start, and from their end (at most n).
// Eight at a time; the eight that differ tell where, and a last piece shorter than eight is
// compared as the last eight, which overlap characters already found the same.
std::size_t SameStart(const wchar_t* a, const wchar_t* b, std::size_t n) {
    std::size_t i = 0;
    while (i + 8 <= n && Same8(a + i, b + i)) i += 8;
    if (n < 8) {
        while (i < n && a[i] == b[i]) ++i;
        return i;
    }
    if (i + 8 > n) i = n - 8;
    const unsigned differ = Differ8(a + i, b + i);
    return differ ? i + static_cast<std::size_t>(std::countr_zero(differ)) / 2 : n;
}
std::size_t SameEnd(const wchar_t* aEnd, const wchar_t* bEnd, std::size_t n) {
    std::size_t i = 0;
    while (i + 8 <= n && Same8(aEnd - i - 8, bEnd - i - 8)) i += 8;
    if (n < 8) {
        while (i < n && *(aEnd - i - 1) == *(bEnd - i - 1)) ++i;
        return i;
    }
    if (i + 8 > n) i = n - 8;
    // The block's last character is the bit pair 14-15.
    const unsigned differ = Differ8(aEnd - i - 8, bEnd - i - 8);
    return differ ? i + static_cast<std::size_t>(std::countl_zero(differ << 16)) / 2 : n;
}

// Whether the text, run as a script, is exactly one assignment of value to path.
bool ReadsBack(std::wstring_view text, std::wstring_view path, std::wstring_view value) {
    int assignments = 0;
    bool others = false, same = false;
    const bool closed = ForEachStatement(text, [&](const Statement& s) {
        if (s.kind == Kind::Assign) {
            ++assignments;
            same = s.path == path && s.value == value;
        } else if (s.kind != Kind::Empty) {
            others = true;
        }
    });
    return closed && !others && assignments == 1 && same;
}

std::wstring StatementFor(const std::wstring& path, const std::wstring& value) {
    std::wstring bare = path + L" = " + value + L";";
    if (!value.empty() && ReadsBack(bare, path, value)) return bare;
    std::wstring quoted = path + L" = \"" + value + L"\";";
    if (ReadsBack(quoted, path, value)) return quoted;
    // An odd number of quotes cannot be carried: keep the rest of the value.
    std::wstring stripped;
    for (wchar_t c : value)
        if (c != L'"') stripped += c;
    return path + L" = \"" + stripped + L"\";";
}

// Catalog words as Star.Catalog holds them, by code, and the words the catalog properties use.
struct CatalogWord {
    std::wstring_view script;
    std::wstring_view property;
};
constexpr CatalogWord kCatalogWords[] = {
    {L"Hipparcos", L"Hipparcos"}, {L"GSCACT", L"GSC"}, {L"TYCHO", L"Tycho"}, {L"TYCHO2", L"Tycho2"}, {L"USNOA20", L"USNOA20"},
};

int CatalogCode(std::wstring_view answer) {
    const std::wstring_view t = Trim(answer);
    for (std::size_t i = 0; i < std::size(kCatalogWords); ++i)
        if (EqualNoCase(t, kCatalogWords[i].script)) return static_cast<int>(i) + 1;
    // An integer text is the code itself.
    std::size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == L'+' || t[i] == L'-')) negative = t[i++] == L'-';
    if (i == t.size()) return -1;
    long long v = 0;
    for (; i < t.size(); ++i) {
        if (t[i] < L'0' || t[i] > L'9') return -1;
        v = v * 10 + (t[i] - L'0');
        if (v > std::numeric_limits<int>::max()) return -1;
    }
    return static_cast<int>(negative ? -v : v);
}

// The leading decimal number of a text, '.' as the point whatever the locale; 0.0 when none.
double LeadingNumber(std::wstring_view text) {
    const std::wstring_view t = Trim(text);
    std::string ascii;
    for (wchar_t c : t) {
        if (c >= 0x80) break;
        ascii += static_cast<char>(c);
    }
    const char* b = ascii.data();
    if (!ascii.empty() && ascii[0] == '+') ++b;
    double v = 0.0;
    const auto r = std::from_chars(b, ascii.data() + ascii.size(), v);
    return r.ec == std::errc() ? v : 0.0;
}

}  // namespace

CCorQelListener::~CCorQelListener() = default;

CString CCorQel::Doit(const wchar_t* script) {
    try {
        const std::wstring_view text(script ? script : L"");
        std::size_t first = 0;
        while (first < text.size() && IsBlank(text[first])) ++first;
        if (first < text.size() && text[first] == L'?') {
            const std::wstring_view path = Trim(text.substr(first + 1));
            CString answer(AnswerFor(path, FindQueried(path)));
            if (m_listener) m_listener->OnQuery(CString(text), answer);
            return answer;
        }
        if (m_listener) m_listener->OnScript(CString(text));
        Run(text, true);
    } catch (...) {
        // The dialogs get no errors from the engine; a failed call simply answers nothing.
    }
    return {};
}

BOOL CCorQel::GetBool(CString object, CString path) {
    BOOL result = FALSE;
    try {
        const std::size_t i = Find({object.str(), L".", path.str()});
        result = (i != kNone && EqualNoCase(m_entries[i].value, L"TRUE")) ? TRUE : FALSE;
        if (m_listener) m_listener->OnGetBool(object, path, result);
    } catch (...) {
    }
    return result;
}

void CCorQel::GetStarCatalogInfo(int* catalog, int* autoSwitch, int* switchCatalog, double* d) {
    try {
        const int code = CatalogCode(Answer(L"Star.Catalog"));
        const int sw = EqualNoCase(Answer(L"Star.Catalog.Switch"), L"TRUE") ? 1 : 0;
        const int swCode = CatalogCode(Answer(L"Star.Catalog.Switch.Catalog"));
        if (catalog) *catalog = code;
        if (autoSwitch) *autoSwitch = sw;
        if (switchCatalog) *switchCatalog = swCode;
        if (d) {
            *d = 0.0;
            if (code >= 1 && code <= static_cast<int>(std::size(kCatalogWords))) {
                const std::size_t i = Find({L"Star.Catalog.", kCatalogWords[code - 1].property, L".MagnitudeLimit.Minmag"});
                if (i != kNone) *d = LeadingNumber(m_entries[i].value);
            }
        }
        if (m_listener) m_listener->OnGetStarCatalogInfo(code, sw, swCode);
    } catch (...) {
    }
}

int CCorQel::LoadState(const CString& text) {
    try {
        return Run(text.str(), false);
    } catch (...) {
        return 0;
    }
}

bool CCorQel::LoadStateFile(const CString& path) {
    try {
        std::wstring text;
        if (!zem::ReadUtf8File(path, text)) return false;
        LoadState(CString(std::move(text)));
        return true;
    } catch (...) {
        return false;
    }
}

CString CCorQel::SaveState() const {
    std::wstring out;
    for (const Entry& e : m_entries) {
        out += StatementFor(e.path, e.value);
        out += L'\n';
    }
    return CString(std::move(out));
}

bool CCorQel::SaveStateFile(const CString& path) const {
    try {
        return zem::WriteFileAtomically(zem::ToUtf8(path), zem::ToUtf8(SaveState()));
    } catch (...) {
        return false;
    }
}

void CCorQel::Clear() {
    m_entries.clear();
    m_slots.clear();
    m_recent.clear();
    m_nextQueried.clear();
    m_lastQueried = kNoEntry;
    for (Remembered& r : m_remembered) r.known = false;
    ++m_clears;
    m_redraws = 0;
    m_ignored = 0;
}

bool CCorQel::Set(const CString& path, const CString& value) {
    try {
        const std::wstring_view p = Trim(path.str());
        if (p.empty() || p.find(L'"') != std::wstring_view::npos || p.find(L'=') != std::wstring_view::npos ||
            p.find(L';') != std::wstring_view::npos)
            return false;
        m_entries[Insert(p)].value = value.str();
        return true;
    } catch (...) {
        return false;
    }
}

CString CCorQel::Peek(const CString& path) const {
    try {
        return CString(Answer(Trim(path.str())));
    } catch (...) {
        return {};
    }
}

std::vector<std::pair<CString, CString>> CCorQel::GetProperties() const {
    std::vector<std::pair<CString, CString>> out;
    out.reserve(m_entries.size());
    for (const Entry& e : m_entries) out.emplace_back(CString(e.path), CString(e.value));
    return out;
}

template <class Same>
std::size_t CCorQel::Probe(std::uint32_t hash, Same&& same) const {
    if (m_slots.empty()) return kNone;
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot s = m_slots[i];
        if (s.entry == 0) return kNone;
        if (s.hash == hash && same(m_entries[s.entry - 1].path)) return s.entry - 1;
    }
}

std::size_t CCorQel::Find(std::wstring_view path) const {
    return Probe(HashPath(path), [path](std::wstring_view stored) { return SamePath(stored, path); });
}

std::size_t CCorQel::Find(std::initializer_list<std::wstring_view> pieces) const {
    // Joined on the stack; only a path longer than any the module uses goes to the heap.
    wchar_t local[256];
    std::wstring heap;
    std::size_t length = 0;
    for (std::wstring_view piece : pieces) length += piece.size();
    wchar_t* out = local;
    if (length > std::size(local)) {
        heap.resize(length);
        out = heap.data();
    }
    std::size_t at = 0;
    for (std::wstring_view piece : pieces) {
        std::copy(piece.begin(), piece.end(), out + at);
        at += piece.size();
    }
    return Find(std::wstring_view(out, length));
}

std::wstring_view CCorQel::Answer(std::wstring_view path) const { return AnswerFor(path, Find(path)); }

std::wstring_view CCorQel::AnswerFor(std::wstring_view path, std::size_t i) const {
    if (!m_dataPath.IsEmpty() && EqualNoCase(path, kDataPathProperty)) return m_dataPath.str();
    return i == kNone ? std::wstring_view() : std::wstring_view(m_entries[i].value);
}

std::size_t CCorQel::FindQueried(std::wstring_view path) {
    const std::uint32_t last = m_lastQueried;
    std::size_t i = kNone;
    if (last != kNoEntry) {
        const std::uint32_t next = m_nextQueried[last];
        if (next != kNoEntry && SamePath(m_entries[next].path, path)) i = next;
    }
    if (i == kNone) {
        i = Find(path);
        if (last != kNoEntry && i != kNone) m_nextQueried[last] = static_cast<std::uint32_t>(i);
    }
    m_lastQueried = i == kNone ? kNoEntry : static_cast<std::uint32_t>(i);
    return i;
}

std::size_t CCorQel::Lookup(std::wstring_view path, std::size_t nth) {
    // The entry the last script's statement at this place assigned, when it is the same path.
    if (nth < m_recent.size() && SamePath(m_entries[m_recent[nth]].path, path)) return m_recent[nth];
    const std::size_t i = Insert(path);
    if (nth < m_recent.size()) m_recent[nth] = static_cast<std::uint32_t>(i);
    else if (nth == m_recent.size() && nth < kRecentStatements) m_recent.push_back(static_cast<std::uint32_t>(i));
    return i;
}

std::size_t CCorQel::Insert(std::wstring_view path) {
    const std::uint32_t hash = HashPath(path);
    const std::size_t i = Probe(hash, [path](std::wstring_view stored) { return SamePath(stored, path); });
    if (i != kNone) return i;
    if ((m_entries.size() + 1) * 2 > m_slots.size()) Grow();
    // Pushed first: it may be longer than the entries, never shorter.
    m_nextQueried.push_back(kNoEntry);
    m_entries.push_back(Entry{std::wstring(path), std::wstring()});
    const std::size_t mask = m_slots.size() - 1;
    std::size_t s = hash & mask;
    while (m_slots[s].entry != 0) s = (s + 1) & mask;
    m_slots[s] = Slot{hash, static_cast<std::uint32_t>(m_entries.size())};
    return m_entries.size() - 1;
}

void CCorQel::Grow() {
    std::vector<Slot> slots(m_slots.empty() ? 64 : m_slots.size() * 2);
    const std::size_t mask = slots.size() - 1;
    for (const Slot& old : m_slots) {
        if (old.entry == 0) continue;
        std::size_t s = old.hash & mask;
        while (slots[s].entry != 0) s = (s + 1) & mask;
        slots[s] = old;
    }
    m_slots.swap(slots);
}

// An assignment is the common case and stays inline; the rest may call the listener.
inline void CCorQel::Perform(const Parsed& statement, const wchar_t* script, bool traffic, int& others) {
    if (statement.kind != static_cast<std::uint8_t>(Kind::Assign)) return PerformOther(statement, traffic, others);
    std::wstring& stored = m_entries[statement.entry].value;
    const wchar_t* const value = script + statement.valueAt;
    // A live change mostly writes values of the same length again: written in place.
    if (stored.size() == statement.valueSize)
        CopyChars(stored.data(), value, statement.valueSize);
    else
        stored.assign(value, statement.valueSize);
}

void CCorQel::PerformOther(const Parsed& statement, bool traffic, int& others) {
    switch (static_cast<Kind>(statement.kind)) {
        case Kind::Redraw:
            if (traffic) {
                ++m_redraws;
                if (m_listener) m_listener->OnRedraw();
            }
            break;
        case Kind::Other:
            ++others;
            if (traffic) ++m_ignored;
            break;
        case Kind::Empty:
        case Kind::Assign:
            break;
    }
}

int CCorQel::Run(std::wstring_view script, bool traffic) {
    return traffic && !m_running && script.size() <= kLongestRemembered ? RunLive(script) : Read(script, traffic);
}

CCorQel::Parsed CCorQel::ReadNext(std::wstring_view script, std::size_t at, std::size_t& assignments) {
    const wchar_t* const text = script.data();
    const wchar_t* p = text + at;
    bool quoted = false;
    const std::wstring_view expect =
        assignments < m_recent.size() ? std::wstring_view(m_entries[m_recent[assignments]].path) : std::wstring_view();
    const Statement s = NextStatement(p, text + script.size(), expect, quoted);
    Parsed done;
    done.kind = static_cast<std::uint8_t>(s.kind);
    done.closed = s.closed;
    done.quotes = s.quotes;
    done.end = static_cast<std::size_t>(p - text);
    if (s.kind == Kind::Assign) {
        const std::size_t nth = assignments++;
        done.entry = static_cast<std::uint32_t>(s.expected ? m_recent[nth] : Lookup(s.path, nth));
        done.valueAt = static_cast<std::size_t>(s.value.data() - text);
        done.valueSize = s.value.size();
    }
    return done;
}

int CCorQel::Read(std::wstring_view script, bool traffic) {
    int others = 0;
    std::size_t assignments = 0;
    for (std::size_t at = 0; at < script.size();) {
        const Parsed statement = ReadNext(script, at, assignments);
        Perform(statement, script.data(), traffic, others);
        at = statement.end;
    }
    return others;
}

// The last script's statements up to the first character that differs are performed again as
// they were read; the text from there is read until a statement begins where one of the last
// script's began with the same text to the end, and from there on the last script's statements are
// performed again, moved by the difference in length. What a statement does depends only on its
// own text, and where statements begin only on the text before, so this does exactly what
// reading the whole script would do.
// The remembered statements from i on (i the first the two scripts differ in) up to the one the
// same end begins after, when each is the same assignment as before with another value: the
// text before its value is the same, the new value runs to a ';' with no '"' on the way, is not
// empty and neither starts nor ends with a blank, and the blanks before the ';' are the same. A
// reading of the statement would then find the same path and the value where it now is, and it
// ends where all after it is the remembered text. Those statements go to m_readAgain, at their
// places in this script, and the index of the one after them is returned; otherwise 0.
std::size_t CCorQel::OtherValuesOnly(const Remembered& memory, std::size_t i, std::wstring_view script,
                                     std::size_t sameStart, std::size_t sameEnd) {
    const wchar_t* const text = script.data();
    const wchar_t* const end = text + script.size();
    const std::size_t n = script.size(), last = memory.text.size();
    const wchar_t* const lastText = memory.text.data();
    const std::vector<Parsed>& statements = memory.statements;
    std::size_t shift = 0;  // a remembered place is here at that place + shift (modulo 2^64)
    for (std::size_t k = i; k < statements.size(); ++k) {
        const Parsed& s = statements[k];
        if (s.kind != static_cast<std::uint8_t>(Kind::Assign) || !s.closed || s.quotes) break;
        const std::size_t begin = k ? statements[k - 1].end : 0;
        const std::size_t valueAt = s.valueAt + shift;
        if (valueAt >= n) break;
        if (!(k == i && s.valueAt <= sameStart) && !SameChars(text + (begin + shift), lastText + begin, s.valueAt - begin))
            break;
        const wchar_t* p = text + valueAt;
        while ((p = NextMark(p, end)) < end && *p == L'=') ++p;
        if (p == end || *p != L';') break;
        const std::size_t semicolon = static_cast<std::size_t>(p - text);
        const std::size_t blanks = s.end - 1 - (s.valueAt + s.valueSize);
        if (semicolon < valueAt + 1 + blanks) break;
        const std::size_t valueEnd = semicolon - blanks;
        if (IsBlank(text[valueAt]) || IsBlank(text[valueEnd - 1]) ||
            !SameChars(text + valueEnd, lastText + s.valueAt + s.valueSize, blanks))
            break;
        // Copied where it goes and its places written there: a copy made on the stack and pushed
        // at once was read back whole before the stores of its fields had landed, which stalled
        // the processor longer than the rest of this took.
        Parsed& now = m_readAgain.emplace_back(s);
        now.valueAt = valueAt;
        now.valueSize = valueEnd - valueAt;
        now.end = semicolon + 1;
        shift = now.end - s.end;
        if (s.end >= last - sameEnd) {
            if (shift == n - last) return k + 1;
            break;
        }
    }
    m_readAgain.clear();
    return 0;
}

// Mostly one value changed and nothing around it: the texts differ only inside the value of the
// i-th remembered statement, an assignment ended by a ';' with no '"'. The value then ends where
// it did, moved by the change of length, and only the characters written anew need a look: no
// ';' or '"' among them, and the new value neither empty nor starting or ending with a blank.
bool CCorQel::OneValueOnly(const Remembered& memory, std::size_t i, std::wstring_view script, std::size_t sameStart,
                           std::size_t sameEnd) const {
    if (i >= memory.statements.size()) return false;
    const Parsed& s = memory.statements[i];
    const wchar_t* const text = script.data();
    const std::size_t n = script.size(), last = memory.text.size();
    const std::size_t valueEnd = s.valueAt + s.valueSize;  // in the remembered text
    if (s.kind != static_cast<std::uint8_t>(Kind::Assign) || !s.closed || s.quotes || s.valueAt > sameStart ||
        valueEnd < last - sameEnd)
        return false;
    const std::size_t newEnd = valueEnd + n - last;
    const wchar_t* p = text + sameStart;
    const wchar_t* const written = text + (n - sameEnd);
    while (p < written && *p != L';' && *p != L'"') ++p;
    return p == written && newEnd > s.valueAt && !IsBlank(text[s.valueAt]) && !IsBlank(text[newEnd - 1]);
}

int CCorQel::RunLive(std::wstring_view script) {
    struct Running {
        bool& flag;
        explicit Running(bool& f) : flag(f) { flag = true; }
        ~Running() { flag = false; }
    } running(m_running);
    const wchar_t* const text = script.data();
    const std::size_t n = script.size();

    // The remembered script that shares the most text with this one at its two ends. A script that
    // shares less than half of itself with every one takes the place that served longest ago.
    Remembered* memory = nullptr;
    std::size_t sameStart = 0, sameEnd = 0;
    for (Remembered& r : m_remembered) {
        if (!r.known) continue;
        const std::size_t both = std::min(n, r.text.size());
        const std::size_t start = SameStart(text, r.text.data(), both);
        // The ends are compared only up to where the starts stopped being the same.
        const std::size_t end = SameEnd(text + n, r.text.data() + r.text.size(), both - start);
        if (!memory || start + end > sameStart + sameEnd) {
            memory = &r;
            sameStart = start;
            sameEnd = end;
        }
    }
    if (!memory || sameStart + sameEnd == 0 || sameStart + sameEnd < n - n / 2) {
        memory = &m_remembered[0];
        for (Remembered& r : m_remembered)
            if (r.used < memory->used) memory = &r;
        memory->known = false;
        sameStart = sameEnd = 0;
    }
    memory->used = ++m_liveScripts;
    // Known again only once the whole script has run.
    const bool known = memory->known;
    memory->known = false;
    std::vector<wchar_t>& lastText = memory->text;
    std::vector<Parsed>& lastStatements = memory->statements;
    // A listener that clears the engine at a redraw leaves the entries the statements knew gone.
    const std::uint64_t clears = m_clears;

    const std::size_t last = known ? lastText.size() : 0;
    const std::size_t count = known ? lastStatements.size() : 0;
    const auto beginOf = [&lastStatements](std::size_t i) { return i ? lastStatements[i - 1].end : 0; };
    int others = 0;
    std::size_t assignments = 0;

    std::size_t i = 0;
    for (; i < count; ++i) {
        const Parsed& s = lastStatements[i];
        // A statement the text's end closed is the same only when nothing was added after it.
        if (s.closed ? s.end > sameStart : sameStart != n || n != last) break;
        if (s.kind == static_cast<std::uint8_t>(Kind::Assign)) ++assignments;
        Perform(s, text, true, others);
        if (m_clears != clears) return others + Read(script.substr(s.end), true);
    }

    m_readAgain.clear();
    std::size_t at = beginOf(i);
    std::size_t resume = count;  // the last script's statement the rest of this one starts with
    // Most changes write another value into one statement: it is brought up to date where it is
    // remembered. Others write a few: those are known too.
    const bool oneValue = known && OneValueOnly(*memory, i, script, sameStart, sameEnd);
    if (oneValue) {
        Parsed& s = lastStatements[i];
        s.valueSize = s.valueSize + n - last;
        s.end = s.end + n - last;
        Perform(s, text, true, others);
        if (m_clears != clears) return others + Read(script.substr(s.end), true);
        at = n;
        resume = i + 1;
    } else if (const std::size_t after = known ? OtherValuesOnly(*memory, i, script, sameStart, sameEnd) : 0) {
        for (const Parsed& s : m_readAgain) {
            Perform(s, text, true, others);
            if (m_clears != clears) return others + Read(script.substr(s.end), true);
        }
        at = n;
        resume = after;
    }
    for (std::size_t j = i; at < n;) {
        if (at + sameEnd >= n) {
            const std::size_t lastAt = at + last - n;
            while (j < count && beginOf(j) < lastAt) ++j;
            if (j < count && beginOf(j) == lastAt) {
                resume = j;
                break;
            }
        }
        const Parsed done = ReadNext(script, at, assignments);
        Perform(done, text, true, others);
        if (m_clears != clears) return others + Read(script.substr(done.end), true);
        m_readAgain.push_back(done);
        at = done.end;
    }

    // The rest, moved to where it is in this script.
    for (std::size_t k = resume; k < count; ++k) {
        Parsed& s = lastStatements[k];
        s.end = s.end + n - last;
        s.valueAt = s.valueAt + n - last;
        Perform(s, text, true, others);
        if (m_clears != clears) return others + Read(script.substr(s.end), true);
    }
    if (!known) lastStatements.clear();
    if (!oneValue) {
        const auto from = lastStatements.begin() + static_cast<std::ptrdiff_t>(i);
        const auto to = lastStatements.begin() + static_cast<std::ptrdiff_t>(known ? resume : 0);
        if (static_cast<std::size_t>(to - from) == m_readAgain.size()) {
            std::copy(m_readAgain.begin(), m_readAgain.end(), from);
        } else {
            const auto at = lastStatements.erase(from, to);
            lastStatements.insert(at, m_readAgain.begin(), m_readAgain.end());
        }
    }
    // Only the text from the same start on changes, and of that, while the length stays, only
    // the part before the same end. The text after it is copied from this script, where it
    // already stands at its new place: one copy, where moving the remembered end would take two.
    const std::size_t copied = n == last ? n - sameStart - sameEnd : n - sameStart;
    if (n > last) lastText.resize(n);
    if (copied) std::memcpy(lastText.data() + sameStart, text + sameStart, copied * sizeof(wchar_t));
    if (n < last) lastText.resize(n);
    memory->known = true;
    return others;
}
