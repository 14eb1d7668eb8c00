#include "companions/zemqel/corqel.h"

#include "companions/zemqel/statefile.h"

#include <bit>
#include <charconv>
#include <cstring>
#include <cwchar>
#include <iterator>
#include <limits>
#include <string_view>

namespace {

constexpr std::wstring_view kDataPathProperty = L"info.module.datapath";

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\v' || c == L'\f'; }

wchar_t AsciiLower(wchar_t c) { return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

std::wstring_view Trim(std::wstring_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && IsBlank(s[b])) ++b;
    while (e > b && IsBlank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

bool EqualNoCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    return true;
}

// The same path: most lookups come with the stored spelling, so that is tried first.
bool SamePath(std::wstring_view stored, std::wstring_view path) {
    return stored.size() == path.size() &&
           (std::wmemcmp(stored.data(), path.data(), path.size()) == 0 || EqualNoCase(stored, path));
}

// A hash of a path that ignores ASCII case: every character is taken with its 0x20 bit set, so
// paths differing only in the case of letters hash alike. Texts arrive in pieces (GetBool's
// object and path); Feed takes them in order, four characters a step where it can.
class PathHash {
public:
    void Feed(std::wstring_view s) {
        const wchar_t* p = s.data();
        std::size_t n = s.size();
        if (pending_ && n) {
            // Finish the half-filled step first, one character at a time.
            while (pending_ < 4 && n) Put(*p++), --n;
            if (pending_ == 4) Step();
        }
        for (; n >= 4; p += 4, n -= 4) {
            std::uint64_t a, b;
            std::memcpy(&a, p, 8);
            std::memcpy(&b, p + 2, 8);
            Mix(a, b);
        }
        while (n) Put(*p++), --n;
    }
    std::uint32_t Finish() {
        if (pending_) Step();
        std::uint64_t h = a_ ^ std::rotl(b_, 32) ^ length_;
        h ^= h >> 33;
        h *= 0xFF51AFD7ED558CCDULL;
        h ^= h >> 33;
        h *= 0xC4CEB9FE1A85EC53ULL;
        h ^= h >> 33;
        return static_cast<std::uint32_t>(h);
    }

private:
    static constexpr std::uint64_t kFold = 0x0000002000000020ULL;
    void Mix(std::uint64_t a, std::uint64_t b) {
        static_assert(sizeof(wchar_t) == 4);
        a_ = std::rotl(a_ ^ (a | kFold), 23) * 0x9E3779B97F4A7C15ULL;
        b_ = std::rotl(b_ ^ (b | kFold), 29) * 0xD6E8FEB86659FD93ULL;
        length_ += 4;
    }
    void Put(wchar_t c) { part_[pending_++] = static_cast<std::uint32_t>(c); }
    void Step() {
        while (pending_ < 4) part_[pending_++] = 0xFFFFFFFFu;  // a filler no character matches
        std::uint64_t a, b;
        std::memcpy(&a, part_, 8);
        std::memcpy(&b, part_ + 2, 8);
        Mix(a, b);
        pending_ = 0;
    }

    std::uint64_t a_ = 0x243F6A8885A308D3ULL, b_ = 0x13198A2E03707344ULL, length_ = 0;
    std::uint32_t part_[4] = {};
    int pending_ = 0;
};

std::uint32_t HashPath(std::wstring_view path) {
    PathHash h;
    h.Feed(path);
    return h.Finish();
}

enum class Kind { Empty, Assign, Redraw, Other };

struct Statement {
    Kind kind = Kind::Other;
    std::wstring_view path;
    std::wstring_view value;
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

// Calls f for each statement of the script, in one pass over its characters: a statement ends at
// ';' outside double quotes; its first '=' splits it (a quote before that '=' makes it no
// assignment); blanks around the path and the value are left out, and a value enclosed in double
// quotes loses them. Returns whether the script ended outside quotes.
template <class F>
bool ForEachStatement(std::wstring_view script, F&& f) {
    const wchar_t* p = script.data();
    const wchar_t* const end = p + script.size();
    bool quoted = false;
    while (p < end) {
        while (p < end && IsBlank(*p)) ++p;
        const wchar_t* const first = p;        // first non-blank
        const wchar_t* eq = nullptr;           // the first '='
        const wchar_t* pathLast = nullptr;     // last non-blank before it
        const wchar_t* valueFirst = nullptr;   // first non-blank after it
        const wchar_t* last = nullptr;         // last non-blank of the statement, '=' aside
        bool quoteInPath = false;
        for (; p < end; ++p) {
            const wchar_t c = *p;
            if (c > L'=') {  // letters and most of what follows them: no separator, no blank
                last = p;
                if (eq && !valueFirst) valueFirst = p;
                continue;
            }
            if (c == L';' && !quoted) break;
            if (c == L'"') {
                quoted = !quoted;
                if (!eq) quoteInPath = true;
            } else if (c == L'=' && !eq) {
                eq = p;
                pathLast = last;
                continue;
            } else if (IsBlank(c)) {
                continue;
            }
            last = p;
            if (eq && !valueFirst) valueFirst = p;
        }
        if (p < end) ++p;  // past the ';'
        Statement s;
        if (!last && !eq) {
            s.kind = Kind::Empty;
        } else if (eq) {
            if (pathLast && !quoteInPath) {
                s.kind = Kind::Assign;
                s.path = std::wstring_view(first, static_cast<std::size_t>(pathLast + 1 - first));
                if (valueFirst) s.value = std::wstring_view(valueFirst, static_cast<std::size_t>(last + 1 - valueFirst));
                if (s.value.size() >= 2 && s.value.front() == L'"' && s.value.back() == L'"')
                    s.value = s.value.substr(1, s.value.size() - 2);
            }
        } else if (IsShowSky(std::wstring_view(first, static_cast<std::size_t>(last + 1 - first)))) {
            s.kind = Kind::Redraw;
        }
        f(s);
    }
    return !quoted;
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

CString CCorQel::Doit(const wchar_t* script) {
    try {
        const std::wstring_view text(script ? script : L"");
        std::size_t first = 0;
        while (first < text.size() && IsBlank(text[first])) ++first;
        if (first < text.size() && text[first] == L'?') {
            CString answer(Answer(Trim(text.substr(first + 1))));
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
        std::string bytes;
        if (!zem::ReadWholeFile(zem::ToUtf8(path), bytes)) return false;
        std::string_view view(bytes);
        if (view.starts_with("\xEF\xBB\xBF")) view.remove_prefix(3);
        LoadState(CString(zem::FromUtf8(view)));
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
    m_redraws = 0;
    m_ignored = 0;
}

bool CCorQel::Set(const CString& path, const CString& value) {
    try {
        const std::wstring_view p = Trim(path.str());
        if (p.empty() || p.find(L'"') != std::wstring_view::npos || p.find(L'=') != std::wstring_view::npos ||
            p.find(L';') != std::wstring_view::npos)
            return false;
        Assign(p, value.str());
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
    PathHash h;
    std::size_t length = 0;
    for (std::wstring_view piece : pieces) {
        h.Feed(piece);
        length += piece.size();
    }
    return Probe(h.Finish(), [&](std::wstring_view stored) {
        if (stored.size() != length) return false;
        for (std::wstring_view piece : pieces) {
            if (!SamePath(stored.substr(0, piece.size()), piece)) return false;
            stored.remove_prefix(piece.size());
        }
        return true;
    });
}

std::wstring_view CCorQel::Answer(std::wstring_view path) const {
    if (!m_dataPath.IsEmpty() && EqualNoCase(path, kDataPathProperty)) return m_dataPath.str();
    const std::size_t i = Find(path);
    return i == kNone ? std::wstring_view() : std::wstring_view(m_entries[i].value);
}

void CCorQel::Assign(std::wstring_view path, std::wstring_view value) {
    const std::uint32_t hash = HashPath(path);
    const std::size_t i = Probe(hash, [path](std::wstring_view stored) { return SamePath(stored, path); });
    if (i != kNone) {
        m_entries[i].value.assign(value);  // keeps its buffer when the value fits
        return;
    }
    if ((m_entries.size() + 1) * 2 > m_slots.size()) Grow();
    m_entries.push_back(Entry{std::wstring(path), std::wstring(value)});
    const std::size_t mask = m_slots.size() - 1;
    std::size_t s = hash & mask;
    while (m_slots[s].entry != 0) s = (s + 1) & mask;
    m_slots[s] = Slot{hash, static_cast<std::uint32_t>(m_entries.size())};
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

int CCorQel::Run(std::wstring_view script, bool traffic) {
    int others = 0;
    ForEachStatement(script, [&](const Statement& s) {
        switch (s.kind) {
            case Kind::Assign:
                Assign(s.path, s.value);
                break;
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
                break;
        }
    });
    return others;
}
