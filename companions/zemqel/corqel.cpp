#include "companions/zemqel/corqel.h"

#include "platform/textfile.h"

#include <charconv>
#include <filesystem>
#include <fstream>
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

void LowerInto(std::wstring_view s, std::wstring& out) {
    out.resize(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) out[i] = AsciiLower(s[i]);
}

// Calls f for each statement of the script (the text between ';' outside double quotes, the
// separators themselves left out). Returns whether the script ended outside quotes.
template <class F>
bool Split(std::wstring_view script, F&& f) {
    bool quoted = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i < script.size(); ++i) {
        const wchar_t c = script[i];
        if (c == L'"') {
            quoted = !quoted;
        } else if (c == L';' && !quoted) {
            f(script.substr(start, i - start));
            start = i + 1;
        }
    }
    if (start < script.size()) f(script.substr(start));
    return !quoted;
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

Statement Parse(std::wstring_view statement) {
    Statement s;
    const std::wstring_view t = Trim(statement);
    if (t.empty()) {
        s.kind = Kind::Empty;
        return s;
    }
    const std::size_t eq = t.find(L'=');
    if (eq != std::wstring_view::npos) {
        s.path = Trim(t.substr(0, eq));
        // A path never holds a quote, so the first '=' is never inside one and saving stays simple.
        if (s.path.empty() || s.path.find(L'"') != std::wstring_view::npos) return s;
        s.value = Trim(t.substr(eq + 1));
        if (s.value.size() >= 2 && s.value.front() == L'"' && s.value.back() == L'"')
            s.value = s.value.substr(1, s.value.size() - 2);
        s.kind = Kind::Assign;
        return s;
    }
    if (IsShowSky(t)) s.kind = Kind::Redraw;
    return s;
}

// Whether the text, run as a script, is exactly one assignment of value to path.
bool ReadsBack(std::wstring_view text, std::wstring_view path, std::wstring_view value) {
    int assignments = 0;
    bool others = false, same = false;
    const bool closed = Split(text, [&](std::wstring_view st) {
        const Statement s = Parse(st);
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
        const std::wstring full = object.str() + L"." + path.str();
        const std::wstring* v = Find(full);
        result = (v && EqualNoCase(*v, L"TRUE")) ? TRUE : FALSE;
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
                const std::wstring path = L"Star.Catalog." + std::wstring(kCatalogWords[code - 1].property) +
                                          L".MagnitudeLimit.Minmag";
                *d = LeadingNumber(Answer(path));
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
    std::wstring text;
    if (!zem::ReadUtf8File(path, text)) return false;
    LoadState(CString(std::move(text)));
    return true;
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
        std::ofstream out(zem::ToUtf8(path), std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out << zem::ToUtf8(SaveState());
        out.flush();
        return static_cast<bool>(out);
    } catch (...) {
        return false;
    }
}

void CCorQel::Clear() {
    m_entries.clear();
    m_index.clear();
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

const std::wstring* CCorQel::Find(std::wstring_view path) const {
    std::wstring key;
    LowerInto(path, key);
    const auto it = m_index.find(key);
    return it == m_index.end() ? nullptr : &m_entries[it->second].value;
}

std::wstring CCorQel::Answer(std::wstring_view path) const {
    if (!m_dataPath.IsEmpty() && EqualNoCase(path, kDataPathProperty)) return m_dataPath.str();
    const std::wstring* v = Find(path);
    return v ? *v : std::wstring();
}

void CCorQel::Assign(std::wstring_view path, std::wstring_view value) {
    std::wstring key;
    LowerInto(path, key);
    const auto it = m_index.find(key);
    if (it != m_index.end()) {
        m_entries[it->second].value.assign(value);
        return;
    }
    m_index.emplace(std::move(key), m_entries.size());
    m_entries.push_back(Entry{std::wstring(path), std::wstring(value)});
}

int CCorQel::Run(std::wstring_view script, bool traffic) {
    int others = 0;
    Split(script, [&](std::wstring_view statement) {
        const Statement s = Parse(statement);
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
