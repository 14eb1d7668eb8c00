// SPDX-License-Identifier: BSD-3-Clause
#include "companions/zemreg/registry.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "platform/textfile.h"
#include "platform/wholefile.h"

namespace {

// Case folding that does not depend on the process locale.
wchar_t Fold(wchar_t c) {
    if (c >= L'A' && c <= L'Z') return static_cast<wchar_t>(c + 0x20);
    if (c < 0xC0) return c;
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7) ||   // Latin-1
        (c >= 0x391 && c <= 0x3AB && c != 0x3A2) ||  // Greek
        (c >= 0x410 && c <= 0x42F))                  // Cyrillic
        return static_cast<wchar_t>(c + 0x20);
    if (c >= 0x400 && c <= 0x40F) return static_cast<wchar_t>(c + 0x50);
    if (c >= 0xFF21 && c <= 0xFF3A) return static_cast<wchar_t>(c + 0x20);  // full-width
    return c;
}

std::wstring FoldAll(std::wstring_view s) {
    std::wstring out(s);
    for (auto& c : out) c = Fold(c);
    return out;
}

// The order of folded names; the stored names are folded already (folding twice changes
// nothing), so a name is looked up as it is written, without a folded copy.
struct FoldedLess {
    using is_transparent = void;
    bool operator()(std::wstring_view a, std::wstring_view b) const {
        const std::size_t n = std::min(a.size(), b.size());
        for (std::size_t i = 0; i < n; ++i) {
            const wchar_t x = Fold(a[i]), y = Fold(b[i]);
            if (x != y) return x < y;
        }
        return a.size() < b.size();
    }
};

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n' || c == L'\v' || c == L'\f'; }

std::wstring_view Trim(std::wstring_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && IsBlank(s[b])) ++b;
    while (e > b && IsBlank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

struct Value {
    std::wstring key;  // first spelling
    std::wstring text;
};

struct Section {
    std::wstring name;  // first spelling
    std::vector<std::wstring> order;  // folded keys, first-seen order
    std::map<std::wstring, Value, FoldedLess> values;
};

struct Store {
    std::mutex mutex;
    std::vector<std::wstring> order;  // folded sections, first-seen order
    std::map<std::wstring, Section, FoldedLess> sections;

    void Put(std::wstring_view section, std::wstring_view key, std::wstring_view text) {
        const std::wstring fs = FoldAll(section);
        auto [sit, newSection] = sections.try_emplace(fs);
        if (newSection) {
            sit->second.name = section;
            order.push_back(fs);
        }
        Section& s = sit->second;
        const std::wstring fk = FoldAll(key);
        auto [vit, newKey] = s.values.try_emplace(fk);
        if (newKey) {
            vit->second.key = key;
            s.order.push_back(fk);
        }
        vit->second.text = text;
    }
};

Store& TheStore() {
    static Store store;
    return store;
}

// A name or value in the file's quoted form: between double quotes, with \\, \", \n and \r
// standing for a backslash, a double quote, a line feed and a carriage return.
std::wstring Quote(std::wstring_view v) {
    std::wstring out = L"\"";
    for (wchar_t c : v) {
        if (c == L'\\') out += L"\\\\";
        else if (c == L'"') out += L"\\\"";
        else if (c == L'\n') out += L"\\n";
        else if (c == L'\r') out += L"\\r";
        else out += c;
    }
    return out + L"\"";
}

// The inside of a quoted form; a double quote without its backslash is kept as it is.
std::wstring Unescape(std::wstring_view v) {
    std::wstring out;
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (v[i] == L'\\' && i + 1 < v.size()) {
            const wchar_t n = v[i + 1];
            if (n == L'\\' || n == L'"' || n == L'n' || n == L'r') {
                out += n == L'n' ? L'\n' : n == L'r' ? L'\r' : n;
                ++i;
                continue;
            }
        }
        out += v[i];
    }
    return out;
}

// A quoted name that starts at v[0]: the length it takes up to its closing quote, 0 when it has
// none.
std::size_t ReadQuoted(std::wstring_view v, std::wstring& out) {
    for (std::size_t i = 1; i < v.size(); ++i) {
        if (v[i] == L'\\') ++i;
        else if (v[i] == L'"') {
            out = Unescape(v.substr(1, i - 1));
            return i + 1;
        }
    }
    return 0;
}

bool HasBlankEnd(std::wstring_view v) { return !v.empty() && (IsBlank(v.front()) || IsBlank(v.back())); }
bool Has(std::wstring_view v, const wchar_t* chars) { return v.find_first_of(chars) != std::wstring_view::npos; }

// Each part of a line is written bare when the loader reads it back as it is, else quoted.
std::wstring SectionText(std::wstring_view v) {
    const bool quote = HasBlankEnd(v) || (!v.empty() && v.front() == L'"') || Has(v, L"]\r\n");
    return quote ? Quote(v) : std::wstring(v);
}
std::wstring KeyText(std::wstring_view v) {
    const bool quote = v.empty() || HasBlankEnd(v) || Has(v.substr(0, 1), L";#[\"") || Has(v, L"=\r\n");
    return quote ? Quote(v) : std::wstring(v);
}
std::wstring ValueText(std::wstring_view v) {
    const bool quote = HasBlankEnd(v) || (!v.empty() && v.front() == L'"') || Has(v, L"\r\n");
    return quote ? Quote(v) : std::wstring(v);
}

// UTF-8 carries Unicode scalar values only; anything else could not be saved.
bool Savable(std::wstring_view v) {
    for (wchar_t c : v) {
        const auto cp = static_cast<char32_t>(c);
        if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    }
    return true;
}

struct Item {
    std::wstring section, key, value;
};

// One line of the file (its line end taken off) into items; section is the current section.
void ParseLine(std::wstring_view line, std::wstring& section, std::vector<Item>& items) {
    std::size_t lead = 0;
    while (lead < line.size() && IsBlank(line[lead])) ++lead;
    const std::wstring_view rest = line.substr(lead);
    if (rest.empty() || rest.front() == L';' || rest.front() == L'#') return;
    if (rest.front() == L'[') {
        const std::wstring_view inside = Trim(rest.substr(1));
        std::wstring name;
        if (!inside.empty() && inside.front() == L'"') {
            const std::size_t used = ReadQuoted(inside, name);
            if (used == 0 || Trim(inside.substr(used)).substr(0, 1) != L"]") return;
            section = std::move(name);
            return;
        }
        const std::size_t close = inside.find(L']');
        section = Trim(inside.substr(0, close));
        return;
    }
    std::wstring key;
    std::size_t eq;
    if (rest.front() == L'"') {
        const std::size_t used = ReadQuoted(rest, key);
        if (used == 0) return;
        eq = used;
        while (eq < rest.size() && IsBlank(rest[eq])) ++eq;
        if (eq >= rest.size() || rest[eq] != L'=') return;
    } else {
        eq = rest.find(L'=');
        if (eq == std::wstring_view::npos) return;
        key = Trim(rest.substr(0, eq));
        if (key.empty()) return;
    }
    // The value is verbatim after '=', unless all of it (blanks aside) is in double quotes.
    const std::wstring_view value = rest.substr(eq + 1);
    const std::wstring_view trimmed = Trim(value);
    const bool quoted = trimmed.size() >= 2 && trimmed.front() == L'"' && trimmed.back() == L'"';
    items.push_back(Item{section, std::move(key), quoted ? Unescape(trimmed.substr(1, trimmed.size() - 2)) : std::wstring(value)});
}

}  // namespace

namespace {

// Into the value's own buffer: a dialog reads its defaults again on every reset.
BOOL ReadInto(std::wstring_view section, std::wstring_view key, std::wstring_view defaultValue, CString& value) {
    auto give = [&value](std::wstring_view text) { value.SetString(text.data(), static_cast<int>(text.size())); };
    try {
        Store& store = TheStore();
        std::lock_guard lock(store.mutex);
        const auto sit = store.sections.find(section);
        if (sit != store.sections.end()) {
            const auto vit = sit->second.values.find(key);
            if (vit != sit->second.values.end()) {
                give(vit->second.text);
                return TRUE;
            }
        }
        give(defaultValue);
    } catch (...) {
        give(defaultValue);
    }
    return FALSE;
}

std::wstring_view View(const wchar_t* s) { return s ? std::wstring_view(s) : std::wstring_view(); }

}  // namespace

BOOL CRegistry::Read(const CString& section, const CString& key, const CString& defaultValue, CString& value) {
    return ReadInto(section.str(), key.str(), defaultValue.str(), value);
}

BOOL CRegistry::Read(const wchar_t* section, const wchar_t* key, const wchar_t* defaultValue, CString& value) {
    return ReadInto(View(section), View(key), View(defaultValue), value);
}

void CRegistry::Write(const CString& section, const CString& key, const CString& value) {
    try {
        if (!Savable(section.str()) || !Savable(key.str()) || !Savable(value.str())) return;
        Store& store = TheStore();
        std::lock_guard lock(store.mutex);
        store.Put(section.str(), key.str(), value.str());
    } catch (...) {
    }
}

void CRegistry::Clear() {
    Store& store = TheStore();
    std::lock_guard lock(store.mutex);
    store.order.clear();
    store.sections.clear();
}

bool CRegistry::LoadFile(const CString& path) {
    std::wstring text;
    return zem::ReadUtf8File(path, text) && LoadText(CString(std::move(text)));
}

bool CRegistry::LoadText(const CString& text) {
    try {
        // Parse first, so that a failure leaves the store as it was.
        std::vector<Item> items;
        std::wstring section;
        const std::wstring_view all = text.str();
        for (std::size_t pos = 0; pos <= all.size();) {
            std::size_t end = all.find(L'\n', pos);
            if (end == std::wstring::npos) end = all.size();
            std::wstring_view line = all.substr(pos, end - pos);
            if (!line.empty() && line.back() == L'\r') line.remove_suffix(1);  // CRLF
            ParseLine(line, section, items);
            pos = end + 1;
        }

        Store& store = TheStore();
        std::lock_guard lock(store.mutex);
        for (const Item& item : items) store.Put(item.section, item.key, item.value);
        return true;
    } catch (...) {
        return false;
    }
}

bool CRegistry::SaveFile(const CString& path) {
    try {
        std::wstring text;
        {
            Store& store = TheStore();
            std::lock_guard lock(store.mutex);
            for (const std::wstring& fs : store.order) {
                const Section& s = store.sections.at(fs);
                text += L"[" + SectionText(s.name) + L"]\n";
                for (const std::wstring& fk : s.order) {
                    const Value& v = s.values.at(fk);
                    text += KeyText(v.key) + L"=" + ValueText(v.text) + L"\n";
                }
                text += L"\n";
            }
        }
        return zem::WriteFileAtomically(zem::ToUtf8(path), zem::ToUtf8(std::wstring_view(text)));
    } catch (...) {
        return false;
    }
}
